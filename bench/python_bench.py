#!/usr/bin/python3
"""What a run costs called from Python, beside the same run inside engine_bench.

Runs 1 000 semi-infinite 12 h runs (one stage at 920 °C, potential 1.0 % C, steel 0.2 % C,
beta 2e-5 cm/s: engine_bench's case) from this script on one core, several times, and
engine_bench's in-memory and file-writing runs of the same process; prints medians of CPU time
(the development machine is shared, so wall-clock times are upper bounds).

    build/release/bin/engine_bench must be built; run from the source folder:
    bench/python_bench.py [--build build/release] [--repetitions 5]
"""

import argparse
import json
import os
import statistics
import subprocess
import sys
import time
from pathlib import Path

RUNS = 1000

parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
parser.add_argument("--build", type=Path, default=Path("build/release"))
parser.add_argument("--repetitions", type=int, default=5)
arguments = parser.parse_args()
sys.path.insert(0, str(arguments.build / "python"))
import tavrix  # noqa: E402  (from the build folder given)

os.sched_setaffinity(0, {min(os.sched_getaffinity(0))})  # one core

process = tavrix.Process(steel_carbon=0.2, beta=2e-5, shape="semi-infinite",
                         stages=[(0, 920, 1.0), (12, 920, 1.0)])
cpu, wall = [], []
for _ in range(arguments.repetitions):
    cpu_start, wall_start = time.process_time(), time.perf_counter()
    for _ in range(RUNS):
        tavrix.run(process).depth(0.35)
    cpu.append(time.process_time() - cpu_start)
    wall.append(time.perf_counter() - wall_start)

bench = subprocess.run(
    ["taskset", "-c", str(min(os.sched_getaffinity(0))), arguments.build / "bin" / "engine_bench",
     "--benchmark_filter=^semiInfinite12h", f"--benchmark_repetitions={arguments.repetitions}",
     "--benchmark_report_aggregates_only=true", "--benchmark_format=json"],
    capture_output=True, text=True, check=True)
engine = {row["run_name"]: row["cpu_time"] for row in json.loads(bench.stdout)["benchmarks"]
          if row["aggregate_name"] == "median"}  # ms, as the benchmarks report

python_ms = statistics.median(cpu) * 1e3 / RUNS
memory_ms = engine["semiInfinite12hInMemory"]
print(f"engine_bench, run writing its files:  {engine['semiInfinite12h']:.3f} ms CPU")
print(f"engine_bench, run in memory:          {memory_ms:.3f} ms CPU")
print(f"tavrix.run from Python, in memory:    {python_ms:.3f} ms CPU "
      f"({100 * (python_ms / memory_ms - 1):+.1f} % against the run in memory)")
print(f"{RUNS} runs from this script:          {statistics.median(cpu):.2f} s CPU, "
      f"{statistics.median(wall):.2f} s wall-clock")
