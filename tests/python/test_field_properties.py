"""Properties of the module's fields, drawn by Hypothesis (Debian python3-hypothesis) over
assignments of every field and soil point field, with values of every kind: a refused assignment
changes nothing; what is written reads back equal; and a run from Python equals ``torve run`` byte
for byte.

The numbers of examples are kept small (settings below), so that the test takes seconds in CTest;
HYPOTHESIS_PROFILE=long draws many more.
"""

import datetime
import math
import os
import pathlib
import subprocess
import tempfile
import warnings

import pytest

hypothesis = pytest.importorskip("hypothesis")
from hypothesis import HealthCheck, given, settings  # noqa: E402
from hypothesis import strategies as st  # noqa: E402

import torve  # noqa: E402

SOURCE = pathlib.Path(__file__).resolve().parents[2]
EXAMPLES = sorted((SOURCE / "examples").glob("*.tv6d"))
RUNNER = os.environ.get("TORVE_RUNNER", "torve")

settings.register_profile("ctest", max_examples=40, deadline=None, derandomize=True, database=None,
                          suppress_health_check=[HealthCheck.too_slow])
settings.register_profile("long", max_examples=3000, deadline=None, database=None)
settings.load_profile(os.environ.get("HYPOTHESIS_PROFILE", "ctest"))

# The fields by the kind of value they hold, read from the module itself.
SCALARS = sorted(name for name, member in vars(torve.Project).items()
                 if isinstance(member, property) and member.fset and name not in ("soil_points", "selected_methods", "methods", "tz_print_depths", "sections",
                                  "cpt_points", "units"))
SOIL_FIELDS = sorted(name for name, member in vars(torve.SoilPoint).items()
                     if isinstance(member, property) and member.fset)

NUMBERS = st.one_of(
    st.floats(allow_nan=True, allow_infinity=True),
    st.floats(min_value=-1e4, max_value=1e4),
    st.integers(min_value=-5, max_value=200),
    st.sampled_from([0.0, -0.0, 1e-300, 5e-324, 1e15, 1.0000000000000002e15, 2 ** 53 + 1]))
TEXTS = st.text(alphabet=st.characters(blacklist_categories=["Cs"]), max_size=90) | st.sampled_from(
    ["\r", "a\nb", "\t", "\ufeffmark", "x" + "\u00e9" * 40, "", " "])
ODD = st.sampled_from([None, "1", b"1", True, 1j, [1.0], float, object()])
ROWS = st.lists(st.tuples(st.floats(-10, 200), st.floats(-10, 1e6)), max_size=6)


def value_for(current):
    if isinstance(current, str):
        return st.one_of(TEXTS, ODD)
    if isinstance(current, int):  # the codes, IntEnum members included
        return st.one_of(st.integers(min_value=-3, max_value=12), st.integers(min_value=-2 ** 40, max_value=2 ** 40),
                         NUMBERS, ODD)
    return st.one_of(NUMBERS, ODD)


def reading(project):
    """Everything the project holds, as its getters give it."""
    values = {name: getattr(project, name) for name in SCALARS}
    values["units"] = project.units
    values["selected_methods"] = project.selected_methods
    values["tz_print_depths"] = project.tz_print_depths
    values["sections"] = project.sections
    values["cpt_points"] = project.cpt_points
    values["soil_points"] = [{f: getattr(p, f) for f in SOIL_FIELDS} for p in project.soil_points]
    return values


def same(a, b):
    """Equal values, NaN equal to NaN (a file may hold one for check() to name)."""
    if isinstance(a, float) and isinstance(b, float):
        return a == b or (math.isnan(a) and math.isnan(b))
    if isinstance(a, dict):
        return a.keys() == b.keys() and all(same(a[k], b[k]) for k in a)
    if isinstance(a, (list, tuple)):
        return len(a) == len(b) and all(same(x, y) for x, y in zip(a, b))
    return a == b


@st.composite
def assignments(draw):
    """A list of (target, field, value): target None for the project, else a soil point's index."""
    project = torve.Project.read(EXAMPLES[0])
    out = []
    for _ in range(draw(st.integers(1, 6))):
        kind = draw(st.sampled_from(["field", "field", "soil", "list"]))
        if kind == "field":
            name = draw(st.sampled_from(SCALARS))
            out.append((None, name, draw(value_for(getattr(project, name)))))
        elif kind == "soil":
            name = draw(st.sampled_from(SOIL_FIELDS))
            index = draw(st.integers(0, len(project.soil_points) - 1))
            out.append((index, name, draw(value_for(getattr(project.soil_points[index], name)))))
        else:
            name = draw(st.sampled_from(["tz_print_depths", "sections", "cpt_points", "selected_methods",
                                         "units"]))
            value = {"tz_print_depths": st.none() | st.lists(st.floats(-20, 200), max_size=4),
                     "sections": ROWS, "cpt_points": st.none() | ROWS,
                     "selected_methods": st.lists(st.sampled_from(sorted(torve.METHODS) + [0, 99]), max_size=4),
                     "units": st.sampled_from(["SI", "English", "si", ""])}[name]
            out.append((None, name, draw(value | ODD)))
    return out


def assign(project, target, name, value):
    owner = project if target is None else project.soil_points[target]
    setattr(owner, name, value)


@pytest.mark.parametrize("example", EXAMPLES, ids=lambda p: p.stem)
@given(steps=assignments())
def test_refused_changes_nothing_and_written_reads_back_equal(example, steps):
    project = torve.Project.read(example)
    for target, name, value in steps:
        before, text, findings = reading(project), project.input_text(), project.check()
        try:
            assign(project, target, name, value)
        except (TypeError, ValueError, OverflowError) as refused:
            assert not isinstance(refused, UnicodeError), refused
            assert same(reading(project), before), (name, value)
            assert project.input_text() == text
            assert project.check() == findings
        else:
            # Whatever is taken is a value the getter gives back as it was given.
            owner = project if target is None else project.soil_points[target]
            got = getattr(owner, name)
            if isinstance(value, (int, float)) and not isinstance(value, bool):
                assert same(float(got), float(value)), (name, value, got)
            elif isinstance(value, str) and name != "units":
                assert got == value
    with tempfile.TemporaryDirectory() as folder:
        path = pathlib.Path(folder) / "p.tv6d"
        with warnings.catch_warnings():
            warnings.simplefilter("ignore", UserWarning)  # rows the section mode does not use
            project.write(path)
        again = torve.Project.read(path)
        written = reading(project)
        if project.section_mode < 2:
            written["sections"] = []  # rows the mode does not use are not written (write() warns)
        assert same(reading(again), written)
        assert again.input_text() == project.input_text()


def time_of(report):
    line = next(line for line in report.splitlines() if line.strip().startswith("Date:"))
    date, clock = line.split("Date:")[1].split("Time:")
    return datetime.datetime.strptime(date.strip() + " " + clock.strip(), "%B %d, %Y %H:%M:%S")


@settings(max_examples=int(os.environ.get("TORVE_RUN_EXAMPLES", "6")))
@given(example=st.sampled_from(EXAMPLES), steps=assignments())
def test_a_run_from_python_equals_torve_run(example, steps):
    project = torve.Project.read(example)
    for target, name, value in steps:
        try:
            assign(project, target, name, value)
        except (TypeError, ValueError, OverflowError):
            pass
    with tempfile.TemporaryDirectory() as folder:
        path = pathlib.Path(folder) / "p.tv6d"
        with warnings.catch_warnings():
            warnings.simplefilter("ignore", UserWarning)
            project.write(path)
        runner = subprocess.run([RUNNER, "run", str(path)], capture_output=True)
        try:
            results = torve.run(torve.Project.read(path), report=True, time=datetime.datetime(2026, 1, 1))
        except torve.InputError:
            assert runner.returncode != 0, "Python refuses what torve run takes"
            return
        # A run that stops at the soil extent or the segment limit has its results and its report; the
        # runner says so by its exit code.
        assert runner.returncode == (0 if results.stop is None else 1), runner.stdout + runner.stderr
        report = path.with_suffix(".tv6o").read_text(encoding="utf-8")
        results = torve.run(torve.Project.read(path), report=True, time=time_of(report))
        assert results.report == report
        assert results.plot_text == path.with_suffix(".tv6p").read_text(encoding="utf-8")
