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
core = str(min(os.sched_getaffinity(0)))


def python_runs():
    """CPU and wall-clock seconds of RUNS runs from this script."""
    cpu_start, wall_start = time.process_time(), time.perf_counter()
    for _ in range(RUNS):
        tavrix.run(process).depth(0.35)
    return time.process_time() - cpu_start, time.perf_counter() - wall_start


def engine_runs():
    """engine_bench's CPU time per run, ms: the run writing its files and the run in memory."""
    bench = subprocess.run(
        ["taskset", "-c", core, arguments.build / "bin" / "engine_bench",
         "--benchmark_filter=^semiInfinite12h", "--benchmark_format=json"],
        capture_output=True, text=True, check=True)
    times = {row["run_name"]: row["cpu_time"] for row in json.loads(bench.stdout)["benchmarks"]}
    return times["semiInfinite12h"], times["semiInfinite12hInMemory"]


# Taken in turn, so that a change of the machine's load falls on both alike.
cpu, wall, files, memory = [], [], [], []
for _ in range(arguments.repetitions):
    seconds, elapsed = python_runs()
    cpu.append(seconds)
    wall.append(elapsed)
    on_files, in_memory = engine_runs()
    files.append(on_files)
    memory.append(in_memory)

python_ms = statistics.median(cpu) * 1e3 / RUNS
memory_ms = statistics.median(memory)
overhead = statistics.median(c * 1e3 / RUNS / m - 1 for c, m in zip(cpu, memory))
print(f"engine_bench, run writing its files:  {statistics.median(files):.3f} ms CPU")
print(f"engine_bench, run in memory:          {memory_ms:.3f} ms CPU")
print(f"tavrix.run from Python, in memory:    {python_ms:.3f} ms CPU "
      f"({100 * overhead:+.1f} % against the run in memory, median of the repetitions)")
print(f"{RUNS} runs from this script:          {statistics.median(cpu):.2f} s CPU, "
      f"{statistics.median(wall):.2f} s wall-clock")
