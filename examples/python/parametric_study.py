#!/usr/bin/env python3
"""Parametric study: capacity of an open-ended steel pipe pile against its length and diameter.

Starts from the bundled offshore example (soft clay over sand, SI units), varies the pile length
from 20 to 60 m and the outside diameter from 0.6 to 2.0 m, and runs the 40 variations side by side
with API RP 2A and the UWA cone method. Prints a table of the ultimate capacities at the tip and, when
matplotlib is installed, draws the capacity against the length, one line per diameter.

    python3 parametric_study.py [--output study.png] [--jobs 2]
"""

import argparse
import pathlib
import sys

import torve

EXAMPLE = pathlib.Path(__file__).resolve().parents[1] / "open-pipe-offshore-si.tv6d"
LENGTHS = [20.0, 30.0, 40.0, 50.0, 60.0]                          # m
DIAMETERS = [0.6, 0.8, 1.0, 1.2, 1.4, 1.6, 1.8, 2.0]              # m
METHODS = ["API RP 2A", "UWA"]


def variation(base, length, diameter):
    """The base project with the pile's length and diameter, and soil deep enough under its tip."""
    p = base.copy()
    od = diameter * 1000.0  # the project holds diameters in mm
    # The soil must reach two diameters below the tip: the bottom layer is carried down to there.
    depth = max(p.deepest_soil_depth, length + 2.0 * diameter + 1.0)
    p.soil_points[-1].depth = depth
    # Checked together: a smaller outside diameter is valid only with its smaller inside diameter.
    p.update(outside_diameter=od, inside_diameter=od - 2.0 * od / 40.0,  # wall of D/40
             pile_length=length, deepest_soil_depth=depth)
    p.methods = METHODS
    return p


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--output", default="parametric-study.png", help="file of the figure")
    parser.add_argument("--jobs", type=int, default=2, help="runs side by side")
    args = parser.parse_args()

    base = torve.Project.read(str(EXAMPLE))
    cases = [(length, diameter) for diameter in DIAMETERS for length in LENGTHS]
    results = torve.run_many([variation(base, l, d) for l, d in cases], jobs=args.jobs)

    print("length diameter " + " ".join(m.replace(" ", "_") for m in METHODS))
    table = {}
    for (length, diameter), r in zip(cases, results):
        # A variation the checks refuse comes back as a RunFailure in its place.
        if not isinstance(r, torve.Results):
            sys.exit(f"L = {length} m, D = {diameter} m refused: {r.error}")
        if r.stop:
            sys.exit(f"L = {length} m, D = {diameter} m stopped: {r.stop}")
        capacities = [r.capacity(m).total[-1] for m in METHODS]  # kN at the tip
        table[(length, diameter)] = capacities
        print(f"{length:6.1f} {diameter:8.2f} " + " ".join(f"{c:10.1f}" for c in capacities))

    try:
        import matplotlib
        matplotlib.use("Agg")
        import matplotlib.pyplot as plt
    except ImportError:
        print("matplotlib is not installed: no figure (Debian: python3-matplotlib)", file=sys.stderr)
        return
    fig, axes = plt.subplots(1, len(METHODS), figsize=(11, 4.5), sharey=True)
    for ax, (k, method) in zip(axes, enumerate(METHODS)):
        for diameter in DIAMETERS:
            ax.plot(LENGTHS, [table[(l, diameter)][k] / 1000.0 for l in LENGTHS], marker="o",
                    label=f"D = {diameter:.1f} m")
        ax.set_title(method)
        ax.set_xlabel("Pile length, m")
        ax.grid(True, alpha=0.3)
    axes[0].set_ylabel("Ultimate capacity, MN")
    axes[-1].legend(fontsize=8)
    fig.tight_layout()
    fig.savefig(args.output, dpi=120)
    print(f"figure: {args.output}", file=sys.stderr)


if __name__ == "__main__":
    main()
