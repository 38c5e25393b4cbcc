#!/usr/bin/python3
"""How the case depth moves with the carbon transfer coefficient beta: a sweep of in-memory runs.

Runs a 16 h case-hardening programme for beta from 1e-5 to 4e-5 cm/s on two threads and plots
the case depth at 0.35 % C, the hardness case depth at 550 HV and the surface carbon; with
--table, or without matplotlib, it prints them as a table.
"""

import sys
from concurrent.futures import ThreadPoolExecutor

import numpy as np

import tavrix


def process(beta):
    return tavrix.Process(steel_carbon=0.2, beta=beta, alloy=dict(Cr=1.1, Mn=1.2, Si=0.25),
                          shape="semi-infinite",
                          stages=[(0, 920, 1.15), (6, 920, 1.15), (10, 920, 0.8)])


betas = np.linspace(1e-5, 4e-5, 13)  # cm/s
with ThreadPoolExecutor(max_workers=2) as pool:  # a run releases the GIL while it computes
    results = list(pool.map(lambda beta: tavrix.run(process(beta)), betas))
depth = [r.depth(0.35) for r in results]  # mm
hardened = [r.chd(550) for r in results]  # mm
surface = [r.surface_carbon for r in results]  # % C


def table():
    print(f"{'beta, cm/s':>12} {'depth 0.35 % C, mm':>19} {'CHD 550 HV, mm':>15} "
          f"{'surface, % C':>13}")
    for row in zip(betas, depth, hardened, surface):
        print(f"{row[0]:12.3g} {row[1]:19.3f} {row[2]:15.3f} {row[3]:13.3f}")


def plot(plt):
    figure, (left, right) = plt.subplots(1, 2, figsize=(10, 4))
    left.plot(betas * 1e5, depth, "o-", label="0.35 % C")
    left.plot(betas * 1e5, hardened, "s-", label="550 HV")
    left.set(xlabel="β, 10⁻⁵ cm/s", ylabel="case depth, mm")
    left.legend()
    right.plot(results[0].profile.x, results[0].profile.carbon, label=f"β = {betas[0]:.2g}")
    right.plot(results[-1].profile.x, results[-1].profile.carbon, label=f"β = {betas[-1]:.2g}")
    right.set(xlabel="depth, mm", ylabel="carbon, % C")
    right.legend()
    figure.tight_layout()
    plt.show()


if "--table" in sys.argv[1:]:
    table()
else:
    try:
        import matplotlib.pyplot
    except ImportError:
        table()
    else:
        plot(matplotlib.pyplot)
