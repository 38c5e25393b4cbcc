"""The example script on both of its paths, whether or not this machine has matplotlib."""

import os
import subprocess
import sys
from pathlib import Path

EXAMPLE = Path(__file__).resolve().parents[2] / "examples" / "beta-sweep.py"

# Stands in for matplotlib: says what the example draws, and that it shows the figure.
FAKE_PYPLOT = '''
class Axes:
    def __init__(self, name):
        self.name = name

    def plot(self, x, y, style="-", label=None):
        print(f"{self.name} plot {label}: {len(x)} points")

    def set(self, **labels):
        print(f"{self.name} axes {sorted(labels)}")

    def legend(self):
        pass


class Figure:
    def tight_layout(self):
        pass


def subplots(rows, columns, figsize=None):
    return Figure(), (Axes("left"), Axes("right"))


def show():
    print("shown")
'''


def run_example(*arguments, path=()):
    env = dict(os.environ, PYTHONPATH=os.pathsep.join([*map(str, path),
                                                        os.environ["PYTHONPATH"]]))
    done = subprocess.run([sys.executable, str(EXAMPLE), *arguments], env=env,
                          capture_output=True, text=True, check=False)
    assert done.returncode == 0, done.stderr
    return done.stdout


def test_the_table_lists_every_beta_of_the_sweep():
    lines = run_example("--table").splitlines()
    assert lines[0].split() == ["beta,", "cm/s", "depth", "0.35", "%", "C,", "mm", "CHD", "550",
                                "HV,", "mm", "surface,", "%", "C"]
    assert len(lines) == 1 + 13
    assert lines[1].split()[0] == "1e-05" and lines[-1].split()[0] == "4e-05"


def test_with_matplotlib_the_sweep_is_drawn(tmp_path):
    package = tmp_path / "matplotlib"
    package.mkdir()
    (package / "__init__.py").write_text("")
    (package / "pyplot.py").write_text(FAKE_PYPLOT)
    drawn = run_example(path=[tmp_path]).splitlines()
    assert drawn[:2] == ["left plot 0.35 % C: 13 points", "left plot 550 HV: 13 points"]
    assert drawn[-1] == "shown"
