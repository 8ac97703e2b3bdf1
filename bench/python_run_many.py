#!/usr/bin/env python3
"""1000 variations of an example through torve.run_many against the same through `torve run`.

    PYTHONPATH=build/python python3 bench/python_run_many.py --runner build/bin/torve [--count 1000]
        [--repeats 3] [--jobs 2] [--example examples/open-pipe-offshore-si.tv6d]

The variations differ in pile length. For the runner the project files are written first and only
the run is timed (one `torve run --jobs N` over all of them, which also writes every report and plot
file). Prints the median wall time of each way over the repeats and their ratio, and what keeping
the report text costs the Python runs.

    PYTHONPATH=build/python python3 bench/python_run_many.py --runs-only N [--example ...]

runs the example N times through torve.run without texts and nothing else, for the instruction
count of scripts/instructions (callgrind at two values of N).
"""

import argparse
import pathlib
import resource
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


def cpu_seconds():
    """Processor time of this process and of the children it waited for, all threads."""
    own = resource.getrusage(resource.RUSAGE_SELF)
    children = resource.getrusage(resource.RUSAGE_CHILDREN)
    return own.ru_utime + own.ru_stime + children.ru_utime + children.ru_stime


def median_time(action, repeats):
    """Median wall time and median processor time of `repeats` calls: on a shared machine the
    processor time is the steadier of the two."""
    walls, cpus = [], []
    for _ in range(repeats):
        start, start_cpu = time.perf_counter(), cpu_seconds()
        action()
        walls.append(time.perf_counter() - start)
        cpus.append(cpu_seconds() - start_cpu)
    return statistics.median(walls), statistics.median(cpus)


def main():
    here = pathlib.Path(__file__).resolve().parents[1]
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runner", default=str(here / "build" / "bin" / "torve"))
    parser.add_argument("--example", default=str(here / "examples" / "open-pipe-offshore-si.tv6d"))
    parser.add_argument("--count", type=int, default=1000)
    parser.add_argument("--repeats", type=int, default=3)
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--runs-only", type=int, metavar="N",
                        help="only run the example N times with torve.run (report=False) and stop")
    args = parser.parse_args()

    if args.runs_only is not None:
        project = torve.Project.read(str(args.example))
        for _ in range(args.runs_only):
            torve.run(project)
        return

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
        wall, cpu = median_time(lambda: torve.run_many(projects[:200], jobs=1), args.repeats)
        t_single = (wall / 200, cpu / 200)

    n = args.count
    print(f"{n} variations of {pathlib.Path(args.example).name}, jobs {args.jobs}, median of {args.repeats};"
          " wall and processor time per run")

    def line(label, t):
        print(f"  {label:38s} {1000 * t[0] / n:7.3f} ms wall  {1000 * t[1] / n:7.3f} ms cpu")

    line(f"torve run --jobs {args.jobs}", t_runner)
    line(f"torve.run_many(jobs={args.jobs})", t_python)
    line(f"torve.run_many(jobs={args.jobs}, report=True)", t_python_report)
    line("torve.run_many(jobs=1), 200 runs", (t_single[0] * n, t_single[1] * n))
    print(f"  ratio runner / run_many:  wall {t_runner[0] / t_python[0]:.2f}  cpu {t_runner[1] / t_python[1]:.2f}")
    print(f"  keeping the report costs: wall {100 * (t_python_report[0] / t_python[0] - 1):.1f} %"
          f"  cpu {100 * (t_python_report[1] / t_python[1] - 1):.1f} %")

if __name__ == "__main__":
    main()
