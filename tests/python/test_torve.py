"""The Python module against the torve runner and the desktop core, and its own promises.

Run by CTest (python_tests) with PYTHONPATH naming the build's python folder and TORVE_RUNNER the
built runner, so that both sides are the same build.
"""

import datetime
import os
import pathlib
import shutil
import subprocess
import sys

import numpy as np
import pytest

import torve

SOURCE = pathlib.Path(__file__).resolve().parents[2]
EXAMPLES = sorted((SOURCE / "examples").glob("*.tv6d"))
RUNNER = os.environ.get("TORVE_RUNNER", "torve")


def copy_example(example, folder):
    """The example and its CPT file copied into `folder`; the copy's path."""
    target = folder / example.name
    shutil.copy(example, target)
    cpt = example.with_suffix(".cpt")
    if cpt.exists():
        shutil.copy(cpt, target.with_suffix(".cpt"))
    return target


def time_of(report):
    """The local time that a report's date block shows ("Date:  December 08, 2026     Time:  09:00:00")."""
    line = next(line for line in report.splitlines() if line.strip().startswith("Date:"))
    date, clock = line.split("Date:")[1].split("Time:")
    return datetime.datetime.strptime(date.strip() + " " + clock.strip(), "%B %d, %Y %H:%M:%S")


@pytest.mark.parametrize("example", EXAMPLES, ids=lambda p: p.stem)
def test_results_equal_the_runners_to_the_last_digit(example, tmp_path):
    path = copy_example(example, tmp_path)
    subprocess.run([RUNNER, "run", str(path)], check=True, capture_output=True)
    plot = path.with_suffix(".tv6p").read_text()
    report = path.with_suffix(".tv6o").read_text()

    # At the time the runner's report shows, the Python run writes the same bytes.
    results = torve.run(torve.Project.read(str(path)), report=True, time=time_of(report))
    assert results.plot_text == plot
    assert results.report == report
    # The arrays agree with the plot text to the digits it prints: block 1 is 4 numbers, then 5 per
    # row (F7.2, F8.1, F8.1, F9.1, F9.3).
    numbers = plot.split()
    curves, rows = int(numbers[0]), int(numbers[1])
    assert len(results.methods) == curves
    columns = [("depth", 2), ("skin_friction", 1), ("end_bearing", 1), ("total", 1),
               ("unit_skin_friction", 3)]
    for i, m in enumerate(results.capacities):
        block = np.array(numbers[4 + 5 * rows * i: 4 + 5 * rows * (i + 1)], dtype=float).reshape(rows, 5)
        for k, (name, decimals) in enumerate(columns):
            np.testing.assert_allclose(getattr(m, name), block[:, k], rtol=0,
                                       atol=0.5 * 10.0 ** -decimals + 1e-9, err_msg=f"{m.name} {name}")
        assert m.tip == (m.depth[-1], m.skin_friction[-1], m.end_bearing[-1], m.total[-1])
    # The load-settlement block: the only lines of four E17.4/E16.4 numbers (65 characters), to
    # four significant digits.
    assert len(results.head_load) == 9 and results.distribution_load.shape == (9, rows)
    block = np.array([line.split() for line in plot.splitlines() if len(line) == 65], dtype=float)
    for k, name in enumerate(["head_load", "head_movement", "tip_load", "tip_movement"]):
        np.testing.assert_allclose(getattr(results, name), block[:, k], rtol=5e-4, err_msg=name)


def csv_table(path):
    """The header and the rows of a CSV file of `torve run --csv`, numbers read back with float()."""
    import csv
    with open(path, newline="") as f:
        rows = list(csv.reader(f))
    return rows[0], rows[1:]


@pytest.mark.parametrize("example", EXAMPLES, ids=lambda p: p.stem)
def test_arrays_are_the_engines_doubles(example, tmp_path):
    """float() of the runner's CSV (shortest round-trip digits) gives back the engine's doubles, so
    the arrays must equal them bit for bit, with and without the texts."""
    path = copy_example(example, tmp_path)
    subprocess.run([RUNNER, "run", str(path), "--csv", str(tmp_path)], check=True, capture_output=True)
    stem = tmp_path / path.stem
    project = torve.Project.read(str(path))
    quiet, texts = torve.run(project), torve.run(project, report=True)
    for results in (quiet, texts):
        header, rows = csv_table(f"{stem}.capacity.csv")
        for m in results.capacities:
            mine = [r for r in rows if r[0] == m.name]
            for k, name in enumerate(["depth", "skin_friction", "end_bearing", "total", "unit_skin_friction",
                                      "unit_end_bearing"], start=1):
                assert np.array_equal(getattr(m, name), [float(r[k]) for r in mine]), (m.name, name)
            assert np.array_equal(m.plug_controlled, [r[7] == "1" for r in mine])
        _, levels = csv_table(f"{stem}.load-settlement.csv")
        for k, name in enumerate(["head_load", "head_movement", "tip_load", "tip_movement"], start=1):
            assert np.array_equal(getattr(results, name), [float(r[k]) for r in levels]), name
        _, distribution = csv_table(f"{stem}.load-distribution.csv")
        for k, name in enumerate(["distribution_depth", "distribution_load", "distribution_movement"], start=1):
            assert np.array_equal(getattr(results, name).ravel(), [float(r[k]) for r in distribution]), name
        _, tz = csv_table(f"{stem}.tz-curves.csv")
        assert len(tz) == 10 * len(results.tz_curves)
        for i, curve in enumerate(results.tz_curves):
            points = tz[10 * i: 10 * (i + 1)]
            assert curve["depth"] == float(points[0][1])
            assert np.array_equal(curve["load_transfer"], [float(r[3]) for r in points])
            assert np.array_equal(curve["movement"], [float(r[4]) for r in points])
        extra = pathlib.Path(f"{stem}.extra-tz-curves.csv")
        inside = [r for r in csv_table(extra)[1] if r[3]] if extra.exists() else []
        assert len(inside) == 10 * len(results.extra_tz_curves)
        for i, curve in enumerate(results.extra_tz_curves):
            assert np.array_equal(curve["load_transfer"], [float(r[3]) for r in inside[10 * i: 10 * (i + 1)]])
        _, tip = csv_table(f"{stem}.tip-curve.csv")
        assert np.array_equal(results.tip_curve["load"], [float(r[1]) for r in tip])
        assert np.array_equal(results.tip_curve["movement"], [float(r[2]) for r in tip])
    assert quiet.report is None and quiet.plot_text is None and quiet.console is None
    assert texts.report and texts.plot_text and texts.console


def test_tz_curve_depths_are_not_rounded():
    """Two layers meeting at 120 ft: the bottom curve of the upper one lies 0.5 in above, at
    (120 x 12 - 0.5) / 12 = 119.958 ft, the top curve of the lower one at 120 ft. The plot file prints
    both as 0.1200E+03; the results keep them apart."""
    project = torve.Project.new("English")  # a 60 ft pile in sand to 100 ft
    top, bottom = project.soil_points
    bottom.depth = 120.0
    lower_top, lower_bottom = torve.SoilPoint(), torve.SoilPoint()
    for point, depth in ((lower_top, 120.0), (lower_bottom, 150.0)):
        for name in ("soil_type", "earth_pressure", "unit_weight", "friction_angle", "bearing_factor",
                     "lrfd_friction", "lrfd_bearing"):
            setattr(point, name, getattr(top, name))
        point.depth = depth
    project.update(soil_points=[top, bottom, lower_top, lower_bottom], deepest_soil_depth=150.0)
    results = torve.run(project, report=True)
    depths = [c["depth"] for c in results.tz_curves]
    assert depths[2] == (120 * 12 - 0.5) / 12
    assert depths[3] == 120.0
    assert results.plot_text.count("         10      0.1200E+03\n") == 2


def variations(count):
    base = torve.Project.read(str(SOURCE / "examples" / "open-pipe-offshore-si.tv6d"))
    projects = []
    for k in range(count):
        p = base.copy()
        p.pile_length = 30.0 + k
        projects.append(p)
    return projects


def test_run_many_equals_runs_one_after_another():
    projects = variations(8)
    when = datetime.datetime(2026, 12, 8, 10, 0, 0)
    side_by_side = torve.run_many(projects, jobs=3, report=True, time=when)
    for project, together in zip(projects, side_by_side):
        alone = torve.run(project, report=True, time=when)
        assert together.report == alone.report
        assert together.plot_text == alone.plot_text
    totals = [r.capacity("API RP 2A").total[-1] for r in side_by_side]
    assert totals == sorted(totals), "a longer pile carries more"


@pytest.mark.parametrize("line_number, old, new, record, field", [
    (5, "0 0 914 864 210000000 40 10", "0 0 914 864 210000000 0 10", "record 5 (pile section)",
     "total pile length"),
    (7, "0 0.5 1 0 4 1 0", "0 0.5 9 0 4 1 0", "record 7 (computation options)", "pile-type code"),
    (4, "2 4 6", "3 4 6", "record 4 (units, print interval, soil points)", "unit-system code"),
])
def test_read_takes_what_the_checks_refuse_and_run_names_it(tmp_path, line_number, old, new, record, field):
    """A well-formed project is read as it stands, to be mended; check() and run() name the value."""
    text = (SOURCE / "examples" / "open-pipe-offshore-si.tv6d").read_text()
    assert text.splitlines()[line_number - 1] == old
    path = tmp_path / "bad.tv6d"
    path.write_text(text.replace(old, new, 1))
    project = torve.Project.read(str(path))
    first = project.check()[0]
    assert (first.severity, first.record, first.field) == ("error", record, field)
    with pytest.raises(torve.InputError) as caught:
        torve.run(project)
    assert caught.value.file == str(path)
    assert (caught.value.record, caught.value.field, caught.value.line) == (record, field, None)
    assert caught.value.findings[0] == first
    assert f"\n  {record}: {first.message}" in str(caught.value)


def test_input_error_of_a_file_carries_file_record_and_line(tmp_path):
    text = (SOURCE / "examples" / "open-pipe-offshore-si.tv6d").read_text()
    path = tmp_path / "bad.tv6d"
    path.write_text(text.replace("0 0 914 864 210000000 40 10", "0 0 914 864 2.1e8x 40 10", 1))
    with pytest.raises(torve.InputError) as caught:
        torve.Project.read(str(path))
    assert (caught.value.file, caught.value.record, caught.value.line) == (str(path), "record 5 (pile section)", 5)
    assert caught.value.findings == []
    assert str(caught.value).startswith(f'Input data file "{path}", record 5 (pile section), line 5: ')


@pytest.mark.parametrize("field, value, record, name", [
    ("pile_length", 0.0, "record 5 (pile section)", "total pile length"),
    ("inside_diameter", 2000.0, "record 5 (pile section)", "inside diameter"),  # wider than the outside
    ("outside_diameter", 500.0, "record 5 (pile section)", "inside diameter"),  # narrower than the inside
    ("pile_type", 8, "record 7 (computation options)", "pile-type code"),
    ("load_transfer_method", 0, "record 7 (computation options)", "load-transfer method code"),
    ("unified_clay_base", 2, "record 13 (clay drainage and plug condition)", "Unified clay base option"),
])
def test_assignment_refuses_a_value_the_checks_refuse(field, value, record, name):
    project = torve.Project.new("SI")  # outside diameter 610 mm, inside 585 mm
    before = project.input_text()
    with pytest.raises(torve.InputError) as caught:
        setattr(project, field, value)
    assert (caught.value.record, caught.value.field, caught.value.line) == (record, name, None)
    assert str(caught.value).startswith(f"{record}: expected ")
    assert project.input_text() == before, "a refused value leaves the project as it was"


def test_a_broken_project_is_mended_field_by_field(tmp_path):
    """A clay layer of su -120 / -200 kPa once ran to a negative capacity. check() and
    torve check name both values, run() refuses with both, and each is mended on its own while the
    other is still refused."""
    path = copy_example(SOURCE / "examples" / "open-pipe-offshore-si.tv6d", tmp_path)
    text = path.read_text()
    path.write_text(text.replace("0 0 20 10 3.0", "0 0 -120 10 3.0").replace("0 0 60 30 1.5", "0 0 -200 30 1.5"))
    project = torve.Project.read(str(path))
    errors = [f for f in project.check() if f.severity == "error"]
    assert [(f.point, f.layer, f.depth, f.field, f.value) for f in errors] == [
        (1, 1, 0.0, "undrained shear strength", -120.0), (2, 1, 12.0, "undrained shear strength", -200.0)]
    assert errors[0].message == "expected an undrained shear strength of 0 or more, found -120."
    checked = subprocess.run([RUNNER, "check", str(path)], capture_output=True, text=True)
    assert checked.returncode == 1
    assert [line.split(": ", 1)[1] for line in checked.stdout.splitlines()[1:]] == [f.message for f in errors]
    with pytest.raises(torve.InputError) as caught:
        torve.run(project)
    assert caught.value.findings == errors
    assert "-120" in str(caught.value) and "-200" in str(caught.value)

    project.pile_length = 38.0  # another field: the refused su do not stop it
    soil = project.soil_points
    soil[0].su = 20.0  # the second point is still refused
    assert [f.value for f in project.check() if f.severity == "error"] == [-200.0]
    with pytest.raises(torve.InputError):
        soil[1].su = -1.0  # a new refused value
    assert soil[1].su == -200.0
    soil[1].su = 60.0
    assert project.check() == []
    assert torve.run(project).capacity("API RP 2A").total[-1] > 0


def test_an_untouched_new_project_of_the_desktop_is_read_mended_and_run():
    """What a save of a new project in the desktop program writes: nothing of the pile or the soil."""
    project = torve.Project.read(str(SOURCE / "tests" / "data" / "untouched-new-project.tv6d"))
    lacking = {f.field for f in project.check() if f.severity == "error"}
    assert {"total pile length", "outside diameter", "deepest soil depth",
            "effective unit weight", "friction angle", "bearing capacity factor"} <= lacking
    # File > New gives the steel pipe its modulus and the sand API's Ko of an open pipe.
    assert project.modulus == 2.9e7
    assert "modulus of elasticity" not in lacking and "coefficient of lateral earth pressure" not in lacking
    # A 24 in closed pipe 60 ft long in sand to 100 ft, as Project.new("English") has it.
    project.update(outside_diameter=24.0, modulus=2.9e7, pile_length=60.0, deepest_soil_depth=100.0)
    soil = project.soil_points
    for point, depth in zip(soil, (0.0, 100.0)):
        point.depth, point.unit_weight, point.friction_angle = depth, 60.0, 30.0
        point.earth_pressure, point.bearing_factor = 0.8, 20.0
    project.soil_points = soil
    assert project.check() == []
    new = torve.Project.new("English")
    new.inside_diameter = 0.0
    assert torve.run(project).capacity("API RP 2A").total[-1] == torve.run(new).capacity("API RP 2A").total[-1]


@pytest.mark.parametrize("fields, reason, words", [
    # A 20 m pile of 0.61 m in soil to 30 m; 29 m needs soil to 29 + 2 x 0.61 = 30.22 m.
    ({"pile_length": 29.0}, "soil extent", "record 9"),
    # 30 m of soil in steps of 0.05 m: 600 segments, over the 500 the tables hold.
    ({"increment": 0.05}, "segment limit", "600 segments"),
])
def test_stopped_run_is_a_result_with_its_reason(fields, reason, words):
    project = torve.Project.new("SI")
    project.update(**fields)
    results = torve.run(project)
    assert results.stop_reason == reason
    assert words in results.stop
    assert results.methods == []


def test_a_selected_method_that_cannot_run_is_refused_with_its_reason():
    """A new project has no offshore data: UWA and Unified would be left out of the run."""
    project = torve.Project.new("SI")
    project.methods = ["API RP 2A", "UWA", "Unified"]
    with pytest.raises(torve.InputError) as caught:
        torve.run(project)
    refused = [f for f in caught.value.findings if f.field == "offshore-data flag"]
    assert [f.method for f in refused] == ["UWA", "Unified"]
    assert "without it the method does not run" in str(caught.value)
    project.offshore_data = 1
    project.cpt_points = [(0.0, 2000.0), (30.0, 20000.0)]
    assert torve.run(project).methods == ["API RP 2A", "UWA", "Unified"]


def test_every_warning_reaches_the_results_with_method_and_depth():
    project = torve.Project.new("SI")
    with pytest.warns(torve.InputWarning, match="modulus of elasticity"):
        project.modulus = 210.0  # GPa typed into the kPa field
    results = torve.run(project)
    modulus = [w for w in results.warnings if "modulus of elasticity" in w.text]
    assert len(modulus) == 1 and modulus[0].method is None and modulus[0].depth is None
    assert str(modulus[0]).startswith("record 5 (pile section): expected a modulus of elasticity")
    # The run's console ends with the same list.
    assert "Warning: record 5 (pile section): expected a modulus" in torve.run(project, report=True).console


def test_update_checks_the_fields_together():
    project = torve.Project.new("SI")  # outside diameter 610 mm, inside 585 mm
    with pytest.raises(torve.InputError):
        project.outside_diameter = 500.0  # alone, narrower than the inside
    project.update(outside_diameter=500.0, inside_diameter=480.0)
    assert (project.outside_diameter, project.inside_diameter) == (500.0, 480.0)
    before = project.input_text()
    with pytest.raises(torve.InputError) as caught:
        project.update(outside_diameter=400.0, pile_length=-1.0)
    assert (caught.value.record, caught.value.field) == ("record 5 (pile section)", "total pile length")
    assert [f.field for f in caught.value.findings] == ["total pile length", "inside diameter"]
    assert project.input_text() == before, "a refused set leaves every field as it was"


def test_written_project_reads_back_in_the_desktop_core(tmp_path):
    """The desktop core reads and saves (torve convert to the same units) the Python-written file
    and the original to the same bytes."""
    for example in EXAMPLES:
        original = copy_example(example, tmp_path)
        project = torve.Project.read(str(original))
        written = tmp_path / ("py-" + example.name)
        project.write(str(written))
        assert torve.Project.read(str(written)).input_text() == project.input_text()
        units = "si" if project.units == "SI" else "english"
        saved = []
        for source in (original, written):
            target = tmp_path / ("core-" + source.name)
            subprocess.run([RUNNER, "convert", "--to", units, str(source), str(target)], check=True,
                           capture_output=True)
            saved.append(target.read_text())
        assert saved[0] == saved[1], example.name


def test_fields_methods_and_cpt_points(tmp_path):
    project = torve.Project.new("English")
    project.methods = ["API RP 2A", 1]
    assert project.methods == [torve.METHODS[1], "API RP 2A"]
    with pytest.raises(ValueError):
        project.methods = ["no such method"]
    project.cpt_points = [(0.0, 0.0), (50.0, 200000.0)]
    with pytest.raises(torve.InputError):
        project.cpt_points = [(5.0, 1.0), (1.0, 1.0)]  # depths going upwards
    project.write(str(tmp_path / "p.tv6d"))
    again = torve.Project.read(str(tmp_path / "p.tv6d"))
    assert again.cpt_points == [(0.0, 0.0), (50.0, 200000.0)]
    assert again.outside_diameter == 24.0


def test_unified_clay_base_stands_in_the_file_only_when_chosen():
    project = torve.Project.new("SI")
    assert project.unified_clay_base == 0
    before = project.input_text()
    project.unified_clay_base = 1
    lines_before, lines_after = before.splitlines(), project.input_text().splitlines()
    changed = [(a, b) for a, b in zip(lines_before, lines_after) if a != b]
    assert len(lines_before) == len(lines_after) and len(changed) == 1
    assert changed[0][1] == changed[0][0] + " 1"  # record 13 gains the option at its end
    project.unified_clay_base = 0
    assert project.input_text() == before


def test_soil_points_carry_the_soil_type_factor():
    point = torve.SoilPoint()
    assert point.fst == 1.0
    point.fst = 0.5
    assert point.fst == 0.5


def test_to_pandas():
    pandas = pytest.importorskip("pandas")
    results = torve.run(torve.Project.read(str(SOURCE / "examples" / "open-pipe-offshore-si.tv6d")))
    frame = results.to_pandas()
    assert isinstance(frame, pandas.DataFrame)
    assert len(frame) == sum(len(m.depth) for m in results.capacities)


def test_parametric_study_script_runs(tmp_path):
    script = SOURCE / "examples" / "python" / "parametric_study.py"
    done = subprocess.run([sys.executable, str(script), "--output", str(tmp_path / "study.png")],
                          capture_output=True, text=True, check=True)
    lines = done.stdout.splitlines()
    assert lines[0].split()[:2] == ["length", "diameter"]
    assert len(lines) == 1 + 5 * 8


def test_help_is_useful():
    assert "InputError" in torve.run.__doc__
    assert "check()" in torve.Project.__doc__
    assert "stops_run" in torve.Finding.__doc__
    assert torve.Project.pile_length.__doc__.startswith("total pile length")


def test_runs_leave_the_interpreter_free():
    """While the engine computes, other Python threads go on: a counter in this thread keeps
    counting through 100 runs on another (with the lock held it would stand still)."""
    import threading
    projects = variations(100)
    done = threading.Event()
    worker = threading.Thread(target=lambda: (torve.run_many(projects, jobs=1), done.set()))
    count = 0
    worker.start()
    while not done.is_set():
        count += 1
    worker.join()
    assert count > 10000


def test_failed_write_keeps_the_file_that_was_there(tmp_path):
    project = torve.Project.read(str(SOURCE / "examples" / "open-pipe-offshore-si.tv6d"))
    with pytest.raises(OSError):
        project.write(str(tmp_path / "no-such-folder" / "p.tv6d"))
    target = tmp_path / "p.tv6d"
    target.write_text("the user's file")
    os.chmod(tmp_path, 0o500)  # the folder refuses new files: the write cannot begin
    try:
        if os.access(tmp_path, os.W_OK):
            pytest.skip("running as a user whom permissions do not stop")
        with pytest.raises(OSError):
            project.write(str(target))
    finally:
        os.chmod(tmp_path, 0o700)
    assert target.read_text() == "the user's file"


def csv_curves(path):
    """{curve name: (x values, y values)} of a CSV file of `torve results --csv`."""
    import csv
    curves = {}
    with open(path, newline="") as f:
        rows = csv.reader(f)
        next(rows)
        for name, x, y in rows:
            xs, ys = curves.setdefault(name, ([], []))
            xs.append(float(x))
            ys.append(float(y))
    return curves


def test_arrays_agree_with_the_desktop_cores_reading(tmp_path):
    """The desktop core's own plot-file reader, through `torve results --csv`, finds the same curves
    (its CSV prints four significant digits, hence the tolerance)."""
    path = copy_example(SOURCE / "examples" / "open-pipe-offshore-si.tv6d", tmp_path)
    subprocess.run([RUNNER, "run", str(path)], check=True, capture_output=True)
    subprocess.run([RUNNER, "results", str(path), "--csv", str(tmp_path / "csv")], check=True,
                   capture_output=True)
    results = torve.run(torve.Project.read(str(path)))

    totals = csv_curves(tmp_path / "csv" / "pltTotal.csv")  # total capacity against depth
    labels = {"API RP 2A": "API", "NGI": "NGI", "ICP/MTD": "MTD", "Fugro": "FUGRO", "UWA": "UWA"}
    assert sorted(totals) == sorted(labels[m.name] for m in results.capacities)
    for m in results.capacities:
        capacity, depth = totals[labels[m.name]]
        np.testing.assert_allclose(m.total, capacity, rtol=1e-3)
        np.testing.assert_allclose(m.depth, depth, rtol=1e-3)
    # Both curves start at the unloaded pile: (0, 0) and then one point per load level. The graphs
    # show S.I. movements in mm, the results hold them in m.
    load, settlement = csv_curves(tmp_path / "csv" / "pltAxial.csv")["API"]
    np.testing.assert_allclose(results.head_load, load[1:], rtol=1e-3)
    np.testing.assert_allclose(results.head_movement * 1000, settlement[1:], rtol=1e-3)
    tip, tip_settlement = csv_curves(tmp_path / "csv" / "PltQw.csv")["Curve #1"]
    np.testing.assert_allclose(results.tip_load, tip[1:], rtol=1e-3)
    np.testing.assert_allclose(results.tip_movement * 1000, tip_settlement[1:], rtol=1e-3)


def offshore_project():
    return torve.Project.read(str(SOURCE / "examples" / "open-pipe-offshore-si.tv6d"))


def _read_sounding(path):
    if torve._sounding is None:
        pytest.skip("built without the readers of cone data files")
    torve.read_sounding(path)


def _import_cpt(path):
    if torve._sounding is None:
        pytest.skip("built without the readers of cone data files")
    torve.Project.new().import_cpt(path)


@pytest.mark.parametrize("call", [
    lambda path: torve.Project.read(path + ".tv6d"),
    lambda path: offshore_project().write(path + ".tv6d"),
    lambda path: _read_sounding(path + ".csv"),
    lambda path: _import_cpt(path + ".csv"),
], ids=["Project.read", "Project.write", "read_sounding", "import_cpt"])
def test_a_path_with_a_nul_is_refused_as_open_refuses_it(call, tmp_path):
    """'notes\\0.tv6d' once wrote the project to "notes" and then its CPT points over it."""
    (tmp_path / "notes").write_text("the user's notes")
    with pytest.raises(ValueError, match="embedded null byte") as refused:
        call(str(tmp_path / "notes") + "\0")
    assert refused.type is ValueError  # not an InputError about some file
    assert sorted(os.listdir(tmp_path)) == ["notes"]
    assert (tmp_path / "notes").read_text() == "the user's notes"


def test_write_replaces_the_project_and_its_cpt_points_together(tmp_path):
    """A CPT points file that cannot be written leaves the old project, not a new one beside the
    old points: here a folder of that name, and a file-size limit (as a nearly full disk) between
    the project's size and the points' at 4 to 12 KiB."""
    project = offshore_project()
    project.cpt_points = [(0.05 * i, 1000.0 + i) for i in range(1000)]
    path = tmp_path / "p.tv6d"
    path.write_text("old project")
    (tmp_path / "p.cpt").mkdir()
    with pytest.raises(IsADirectoryError) as refused:
        project.write(str(path))
    assert refused.value.filename == str(tmp_path / "p.cpt")
    assert path.read_text() == "old project"
    (tmp_path / "p.cpt").rmdir()
    (tmp_path / "p.cpt").write_text("old points")
    assert len(project.input_text()) < 4096
    for limit in (4096, 8192, 12288):
        pid = os.fork()
        if pid == 0:  # the limit holds for this process alone; Python ignores SIGXFSZ
            import resource
            resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))
            try:
                project.write(str(path))
            except OSError as e:
                os._exit(0 if e.errno == 27 else 2)  # EFBIG, "File too large"
            os._exit(1)
        _, status = os.waitpid(pid, 0)
        assert os.WEXITSTATUS(status) == 0, limit
        assert path.read_text() == "old project"
        assert (tmp_path / "p.cpt").read_text() == "old points"
    assert sorted(os.listdir(tmp_path)) == ["p.cpt", "p.tv6d"]
    project.write(str(path))
    assert torve.Project.read(str(path)).cpt_points == project.cpt_points


def test_write_follows_links_and_never_a_planted_temporary_name(tmp_path):
    """A link at the old fixed temporary name ("q.tv6d.writing~" -> precious) once had precious
    overwritten; a project path that is itself a link was replaced by a file. The link at the path
    is followed, the same as the desktop program and the runner do."""
    project = offshore_project()
    precious = tmp_path / "precious"
    precious.write_text("keep me")
    (tmp_path / "q.tv6d.writing~").symlink_to(precious)
    project.write(str(tmp_path / "q.tv6d"))
    assert precious.read_text() == "keep me"
    (tmp_path / "real").mkdir()
    link = tmp_path / "link.tv6d"
    link.symlink_to("real/project.tv6d")
    project.write(str(link))
    assert link.is_symlink()
    assert torve.Project.read(str(tmp_path / "real" / "project.tv6d")).input_text() == project.input_text()


def _write_as_nobody(project, path):
    """The errno of project.write(path) in a child process that has given up the superuser's rights."""
    pid = os.fork()
    if pid == 0:
        try:
            os.setgid(65534)
            os.setuid(65534)
            project.write(path)
        except OSError as e:
            os._exit(e.errno)
        except BaseException:
            os._exit(255)
        os._exit(0)
    _, status = os.waitpid(pid, 0)
    return os.WEXITSTATUS(status)


def test_write_into_a_folder_without_write_permission_raises_that_error(tmp_path):
    """It raised FileNotFoundError: removing the temporary file had overwritten the real errno."""
    import errno
    import tempfile
    project = offshore_project()
    folder = pathlib.Path(tempfile.mkdtemp(dir=tmp_path.parent if os.geteuid() else "/tmp"))
    try:
        (folder / "p.tv6d").write_text("the user's file")
        if os.geteuid() == 0:
            folder.chmod(0o755)  # the superuser's folder: others may look, not write
            assert _write_as_nobody(project, str(folder / "p.tv6d")) == errno.EACCES
        else:
            folder.chmod(0o500)
            with pytest.raises(PermissionError):
                project.write(str(folder / "p.tv6d"))
        assert (folder / "p.tv6d").read_text() == "the user's file"
        assert sorted(os.listdir(folder)) == ["p.tv6d"]
    finally:
        folder.chmod(0o700)
        shutil.rmtree(folder)


@pytest.mark.parametrize("kind", ["device", "pipe", "folder"])
def test_read_refuses_what_is_no_regular_file_at_once(kind, tmp_path):
    """/dev/zero once grew until memory ran out, and a pipe blocked for ever."""
    path = {"device": "/dev/zero", "pipe": str(tmp_path / "p.tv6d"), "folder": str(tmp_path)}[kind]
    if kind == "pipe":
        os.mkfifo(path)
    with pytest.raises(torve.InputError) as refused:
        torve.Project.read(path)
    assert refused.value.file == path
    assert ("is a folder, not a file" if kind == "folder" else "it is not a regular file") in str(refused.value)


def test_read_refuses_a_file_over_64_mb(tmp_path):
    path = tmp_path / "big.tv6d"
    with open(path, "wb") as f:
        f.truncate(64 * 1024 * 1024 + 1)
    with pytest.raises(torve.InputError, match="it holds 64 MB, more than the 64 MB"):
        torve.Project.read(str(path))


def test_working_loads_are_half_and_a_third_of_each_capacity_by_default():
    results = torve.run(torve.Project.new("SI"))
    api = results.capacity("API RP 2A")
    loads = results.working_loads
    assert [(w.method, w.fraction) for w in loads] == [("API RP 2A", 0.5), ("API RP 2A", 1 / 3)]
    assert loads[0].load == pytest.approx(0.5 * api.total[-1], rel=1e-15)
    # A third of the load moves the head less than half of it, and both less than the last level.
    assert 0 < loads[1].head_movement < loads[0].head_movement < results.head_movement[-1]


def test_a_tip_between_two_rows_is_named_in_the_warnings():
    # The example at 30.25 m in increments of 0.5 m: the rows end at 30.00 m.
    project = torve.Project.read(str(SOURCE / "examples" / "open-pipe-offshore-si.tv6d"))
    project.pile_length = 30.25
    results = torve.run(project)
    assert results.capacities[0].tip[0] == 30.0
    tip_warnings = [str(w) for w in results.warnings if "last penetration row" in str(w)]
    assert tip_warnings == [
        "The last penetration row lies at 30.00 m, above the pile tip at 30.25 m (the pile length is not a "
        "whole number of computation increments of 0.50 m); every capacity given at the tip is that of 30.00 m."
    ]
    project.pile_length = 30.0
    assert not [w for w in torve.run(project).warnings if "last penetration row" in str(w)]
