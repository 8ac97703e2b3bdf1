#!/usr/bin/env python3
"""1000 variations of an example through torve.run_many against the same through `torve run`.

    PYTHONPATH=build/python python3 bench/python_run_many.py --runner build/bin/torve [--count 1000]
        [--repeats 3] [--jobs 2] [--example examples/open-pipe-offshore-si.tv6d]

The variations differ in pile length. For the runner the project files are written first and only
the run is timed (one `torve run --jobs N` over all of them, which also writes every report and plot
file). Prints the median wall time of each way over the repeats and their ratio, and what keeping
the report text costs the Python runs.
"""

import argparse
import pathlib
import statistics
import subprocess
import tempfile
import time

import torve


def variations(example, count):
    base = torve.Project.read(str(example))
    projects = []
    for k in range(count):
        p = base.copy()
        # Lengths spread over a tenth of the pile either side, within the soil of the example.
        p.pile_length = base.pile_length * (0.9 + 0.1 * (k % 100) / 100.0)
        projects.append(p)
    return projects


def median_time(action, repeats):
    times = []
    for _ in range(repeats):
        start = time.perf_counter()
        action()
        times.append(time.perf_counter() - start)
    return statistics.median(times)


def main():
    here = pathlib.Path(__file__).resolve().parents[1]
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runner", default=str(here / "build" / "bin" / "torve"))
    parser.add_argument("--example", default=str(here / "examples" / "open-pipe-offshore-si.tv6d"))
    parser.add_argument("--count", type=int, default=1000)
    parser.add_argument("--repeats", type=int, default=3)
    parser.add_argument("--jobs", type=int, default=2)
    args = parser.parse_args()

    projects = variations(args.example, args.count)
    with tempfile.TemporaryDirectory() as folder:
        paths = []
        for k, p in enumerate(projects):
            path = str(pathlib.Path(folder) / f"v{k:04d}.tv6d")
            p.write(path)
            paths.append(path)

        def runner():
            subprocess.run([args.runner, "run", "--jobs", str(args.jobs), *paths], check=True,
                           stdout=subprocess.DEVNULL)

        def python(report):
            return lambda: torve.run_many(projects, jobs=args.jobs, report=report)

        t_runner = median_time(runner, args.repeats)
        t_python = median_time(python(False), args.repeats)
        t_python_report = median_time(python(True), args.repeats)
        t_single = median_time(lambda: torve.run_many(projects[:200], jobs=1), args.repeats) / 200

    n = args.count
    print(f"{n} variations of {pathlib.Path(args.example).name}, jobs {args.jobs}, median of {args.repeats}")
    print(f"  torve run --jobs {args.jobs}:              {t_runner:8.3f} s  ({1000 * t_runner / n:.3f} ms per run)")
    print(f"  torve.run_many(jobs={args.jobs}):            {t_python:8.3f} s  ({1000 * t_python / n:.3f} ms per run)")
    print(f"  torve.run_many(jobs={args.jobs}, report=True): {t_python_report:8.3f} s  "
          f"({1000 * t_python_report / n:.3f} ms per run)")
    print(f"  ratio runner / run_many:           {t_runner / t_python:8.2f}")
    print(f"  report kept costs:                 {100 * (t_python_report / t_python - 1):8.1f} %")
    print(f"  one thread, per run:               {1000 * t_single:8.3f} ms")


if __name__ == "__main__":
    main()
