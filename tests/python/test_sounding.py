"""Cone data files from Python: the example files of examples/cpt listed and imported into CPT points,
with the values the desktop core's own tests work out by hand, and the same summary and points as
``torve cpt import``.
"""

import csv
import math
import os
import pathlib
import shutil
import subprocess

import numpy as np
import pytest

import torve

if "read_sounding" not in torve.__all__:
    pytest.skip("torve built without the desktop core", allow_module_level=True)

SOURCE = pathlib.Path(__file__).resolve().parents[2]
CPT = SOURCE / "examples" / "cpt"
RUNNER = os.environ.get("TORVE_RUNNER", "torve")

def assert_points(actual, expected, rel=1e-12):
    """(depth, qc) rows equal to `rel` (pytest.approx does not look inside the row tuples)."""
    assert len(actual) == len(expected)
    np.testing.assert_allclose(np.array(actual, dtype=float).reshape(-1, 2),
                               np.array(expected, dtype=float).reshape(-1, 2), rtol=rel, atol=0)


# 1 ksf = 1000 lbf/ft2 = 4448.2216152605 N / 0.09290304 m2 = 47.880259 kPa, so 1 kPa = 20.885434 lb/ft2.
POUNDS_PER_FT2_PER_KPA = 1000 * 0.3048 ** 2 / 4.4482216152605


AGS_UNITS = {"depth": "m", "qc": "MN/m2", "fs": "kN/m2", "u2": "kN/m2", "qt": "MN/m2"}


@pytest.mark.parametrize("name, fmt, tests", [
    # (id, rows, area ratio, start level, {quantity: unit}) of each test.
    ("two-soundings.ags", "AGS4",
     [("CPT-01/1", 5, 0.80, None, AGS_UNITS), ("CPT-02/1", 3, 0.75, None, AGS_UNITS)]),
    # Penetration length only; the level of the start of the test from #ZID.
    ("sounding.gef", "GEF",
     [("CPT-03", 5, 0.70, 1.25, {"penetration_length": "m", "qc": "MPa", "fs": "MPa", "u2": "MPa"})]),
    ("sounding.csv", "CSV",
     [("sounding", 4, None, None, {"depth": "m", "qc": "MPa", "fs": "kPa", "u2": "kPa"})]),
])
def test_tests_and_columns_of_the_examples(name, fmt, tests):
    sounding = torve.read_sounding(CPT / name)
    assert sounding.format == fmt
    assert [(t.id, t.rows, t.area_ratio, t.start_level, {q: c.unit for q, c in t.columns.items()})
            for t in sounding.tests] == tests
    for t in sounding.tests:
        assert all(len(c.values) == t.rows for c in t.columns.values())


def test_values_stay_in_the_files_units_with_nan_where_a_row_gives_none():
    broxml = torve.read_sounding(CPT / "sounding.xml").tests[0]
    assert (broxml.id, broxml.area_ratio) == ("CPT-04", 0.75)
    assert broxml.columns["penetration_length"].values[2] == 0.2
    ags = torve.read_sounding(CPT / "two-soundings.ags").tests[0]
    # CPT-01/1 at 0.5 m: qc 1.200 MN/m2, no u2; at 2.0 m neither qc nor qt.
    assert ags.columns["qc"].values[0] == 1.2
    assert math.isnan(ags.columns["u2"].values[0])
    assert math.isnan(ags.columns["qc"].values[3])


@pytest.mark.parametrize("name, test, use, used, skipped, points", [
    # CPT-01/1, a = 0.80, qc in MN/m2, u2 in kN/m2: qt = 1000 qc + 0.2 u2; 0.5 m has no u2 and takes the
    # file's qt 1.200 MN/m2; 2.0 m has no qc and no qt.
    ("two-soundings.ags", "CPT-01/1", None, "qt", 1,
     [(0.5, 1200), (1.0, 2000 + 0.2 * 100), (1.5, 3500 + 0.2 * 50), (2.5, 6250 - 0.2 * 20)]),
    ("two-soundings.ags", "CPT-01/1", "qc", "qc", 1, [(0.5, 1200), (1.0, 2000), (1.5, 3500), (2.5, 6250)]),
    # The second test by its number; a = 0.75.
    ("two-soundings.ags", 2, "QT", "qt", 0, [(0.2, 800), (0.4, 1600 + 0.25 * 40), (0.6, 2400 + 0.25 * 80)]),
    # Penetration length, a = 0.70, everything in MPa; 0.2 m is void.
    ("sounding.gef", None, None, "qt", 1,
     [(0.4, 1500 + 0.3 * 20), (0.6, 2500 + 0.3 * 50), (0.8, 4000 - 0.3 * 10), (1.0, 3000 + 0.3 * 100)]),
    # The first row has no qc, the second no u2: qc unless qt is asked for.
    ("sounding.xml", None, None, "qc", 1, [(0.099, 1200), (0.198, 2400), (0.297, 3000)]),
    ("sounding.xml", None, "qt", "qt", 2, [(0.198, 2400 + 0.25 * 40), (0.297, 3000 + 0.25 * 60)]),
    # No area ratio and no qt: qc; 1.5 m has none.
    ("sounding.csv", None, None, "qc", 1, [(0.5, 1250), (1.0, 2500), (2.0, 5000)]),
])
def test_imports_into_si_projects_in_kpa(name, test, use, used, skipped, points):
    project = torve.Project.new(units="SI")
    result = project.import_cpt(CPT / name, test=test, use=use)
    assert (result.use, result.skipped_no_value, result.averaged) == (used, skipped, False)
    assert result.points == len(points)
    assert_points(project.cpt_points, points)


def test_english_projects_take_feet_and_pounds_per_square_foot():
    project = torve.Project.new(units="English")
    project.import_cpt(CPT / "sounding.csv")
    # 0.5 m / 0.3048 = 1.6404 ft; 1250 kPa x 20.885434 = 26106.79 lb/ft2.
    assert_points(project.cpt_points,
                  [(d / 0.3048, kpa * POUNDS_PER_FT2_PER_KPA)
                   for d, kpa in [(0.5, 1250), (1.0, 2500), (2.0, 5000)]],
                  rel=1e-13)


def test_long_soundings_are_averaged_into_at_most_1000_points(tmp_path):
    # 2000 rows 0.01 m apart, qc = 1 MPa + 1 MPa per metre: averaged over 1000 equal intervals, every
    # point is the mean of two rows, and the interval is (19.99 - 0) / 1000 m.
    path = tmp_path / "long.csv"
    path.write_text("depth_m,qc_MPa\n" + "".join(f"{i / 100},{1 + i / 100}\n" for i in range(2000)))
    project = torve.Project.new(units="SI")
    result = project.import_cpt(path)
    assert (result.rows_read, result.usable, result.points, result.averaged) == (2000, 2000, 1000, True)
    assert result.interval == pytest.approx(19.99 / 1000)
    assert_points([project.cpt_points[0], project.cpt_points[-1]], [(0.005, 1005), (19.985, 20985)])


@pytest.mark.parametrize("example, test, use", [
    ("sand-over-clay-pipe-english.tv6d", "CPT-02/1", "qt"),
    ("open-pipe-offshore-si.tv6d", "1", "qc"),
])
def test_summary_and_points_equal_the_runners(example, test, use, tmp_path):
    path = tmp_path / example
    shutil.copy(SOURCE / "examples" / example, path)
    ags = CPT / "two-soundings.ags"
    run = subprocess.run(
        [RUNNER, "cpt", "import", str(ags), "--test", test, "--use", use, "--into", str(path)],
        check=True, capture_output=True, text=True)
    project = torve.Project.read(str(path))
    expected = project.cpt_points
    result = project.import_cpt(ags, test=test, use=use)
    # The runner's last lines name the files it wrote: the .cpt file, and the .cone.csv file of fs, u2, qt.
    printed = [line for line in run.stdout.splitlines()
               if not line.startswith(("CPT points file: ", "Cone readings file: "))]
    assert result.summary == printed
    assert_points(project.cpt_points, expected, rel=1e-14)


def test_columns_named_by_the_caller():
    path = CPT / "sounding.csv"
    headings = torve.read_sounding(path).tests[0].columns
    project = torve.Project.new(units="SI")
    # qc read as kPa rather than MPa: a thousandth of the points' usual values.
    project.import_cpt(path, columns={"qc": (headings["qc"].heading, "kPa"),
                                      "depth": headings["depth"].heading + ":m"})
    assert_points(project.cpt_points, [(0.5, 1.25), (1.0, 2.5), (2.0, 5.0)])
    with pytest.raises(ValueError, match="no quantity is named 'cone'"):
        torve.read_sounding(path, columns={"cone": "qc_MPa"})


@pytest.mark.parametrize("text, test, use, message, line", [
    ("depth_m,qc_MPa\n1,2\n2,abc\n", None, None, 'line 3: a number was expected under qc_MPa but "abc"', 3),
    ("depth_m,qc_MPa\n1,2\n2\n", None, None, "at line 3: 2 fields were expected", 3),
    ("depth_m,qc_bar\n1,2\n", None, None, "gives qc (column qc_bar) in bar", None),
    ("depth_m,qc_MPa\n1,2\n", None, "qt", "gives no qt", None),
    ("depth_m,qc_MPa\n1,2\n", "2", None, "no test", None),
])
def test_refusals_carry_the_files_message_and_leave_the_points(tmp_path, text, test, use, message, line):
    path = tmp_path / "bad.csv"
    path.write_text(text)
    project = torve.Project.new(units="SI")
    project.cpt_points = [(1.0, 100.0)]
    with pytest.raises(torve.SoundingError) as error:
        project.import_cpt(path, test=test, use=use)
    assert message in str(error.value)
    assert error.value.line == line
    if line is not None:
        assert error.value.file == str(path)
    assert project.cpt_points == [(1.0, 100.0)]


def test_refusals_outside_the_file():
    with pytest.raises(torve.SoundingError, match="cannot be opened"):
        torve.read_sounding(CPT / "missing.gef")
    with pytest.raises(torve.SoundingError, match="choose one of CPT-01/1, CPT-02/1"):
        torve.Project.new().import_cpt(CPT / "two-soundings.ags")
    with pytest.raises(ValueError, match="use is 'qc', 'qt' or None"):
        torve.Project.new().import_cpt(CPT / "sounding.csv", use="qs")


# CPT-A holds two tests, CPT-B one; qc in MPa, so the S.I. points hold a thousand times as much.
SITE_AGS = ('"GROUP","SCPT"\n'
            '"HEADING","LOCA_ID","SCPG_TESN","SCPT_DPTH","SCPT_RES"\n'
            '"UNIT","","","m","MPa"\n'
            '"DATA","CPT-A","1","1.0","1.0"\n'
            '"DATA","CPT-A","2","1.0","2.0"\n'
            '"DATA","CPT-B","1","0.5","3.0"\n')


@pytest.mark.parametrize("test, chosen, points, message", [
    ("CPT-B", "CPT-B/1", [(0.5, 3000)], None),
    ("CPT-A/2", "CPT-A/2", [(1.0, 2000)], None),
    ("CPT-A", None, None, "has 2 tests at location CPT-A; choose one of CPT-A/1, CPT-A/2."),
    ("CPT-C", None, None, "has no test CPT-C; it has CPT-A/1, CPT-A/2, CPT-B/1."),
])
def test_a_location_with_one_test_names_it(tmp_path, test, chosen, points, message):
    path = tmp_path / "site.ags"
    path.write_text(SITE_AGS)
    project = torve.Project.new(units="SI")
    if chosen is None:
        with pytest.raises(torve.SoundingError) as error:
            project.import_cpt(path, test=test)
        assert message in str(error.value)
        return
    assert project.import_cpt(path, test=test).test == chosen
    assert_points(project.cpt_points, points)


def generated_csv_files(folder):
    """40 CSV soundings as Python's csv module writes them: comma, semicolon or TAB as separator, and
    beside depth and qc a column whose heading and cells hold the other separators, quotes or the
    separator itself (which the writer then puts in quotes), first, between or last."""
    extras = ["note, text", "remark; text", "a\tb", 'say "hi"', "x;y,z", "plain", "one, two; three",
              "tab\there; and, more"]
    files = []
    for i in range(40):
        delimiter = [",", ";", "\t"][i % 3]
        extra = extras[i % len(extras)]
        at = i % 3  # where the extra column stands
        header = ["depth_m", "qc_MPa"]
        header.insert(at, extra)
        rows = []
        for k in range(5):
            row = [f"{0.02 * (k + 1):.2f}", f"{1.5 + 0.25 * k + 0.01 * i:.2f}"]
            row.insert(at, f"cell {k}{delimiter} {extra}")
            rows.append(row)
        path = folder / f"generated-{i:02d}.csv"
        with open(path, "w", newline="") as f:
            writer = csv.writer(f, delimiter=delimiter, lineterminator="\r\n" if i % 2 else "\n")
            writer.writerow(header)
            writer.writerows(rows)
        files.append((path, delimiter, at))
    return files


def test_generated_csv_files_read_as_pythons_csv_reads_them(tmp_path):
    # The separator is the header row's outside quotes: headings with , or ; inside quotes (or
    # unquoted between TABs) were refused before ("a column of qc was expected").
    for path, delimiter, at in generated_csv_files(tmp_path):
        with open(path, newline="") as f:
            header, *rows = list(csv.reader(f, delimiter=delimiter))
        columns = torve.read_sounding(path).tests[0].columns
        assert columns["depth"].heading == header[header.index("depth_m")], path.name
        assert columns["qc"].heading == header[header.index("qc_MPa")], path.name
        project = torve.Project.new(units="SI")
        project.import_cpt(path)
        depth, qc = header.index("depth_m"), header.index("qc_MPa")
        assert_points(project.cpt_points, [(float(r[depth]), 1000 * float(r[qc])) for r in rows], rel=1e-15)


def test_sleeve_friction_pore_pressure_and_qt_are_kept_beside_the_points(tmp_path):
    """fs, u2 and qt of the test go along with the points into the .cone.csv file beside the project,
    read back with it and converted with its units; points assigned by hand take them away."""
    path = tmp_path / "fs.csv"
    path.write_text("depth_m,qc_MPa,fs_kPa,u2_kPa\n0.5,3.0,25,\n1.0,4.5,30.5,12\n")
    project = torve.Project.new(units="SI")
    project.import_cpt(path)
    assert project.cone_readings == [(0.5, 25.0, None, None), (1.0, 30.5, 12.0, None)]
    written = tmp_path / "p.tv6d"
    project.write(written)
    assert (tmp_path / "p.cone.csv").read_text() == "depth_m,fs_kPa,u2_kPa,qt_kPa\n0.5,25,,\n1,30.5,12,\n"
    assert (tmp_path / "p.cpt").exists()
    back = torve.Project.read(written)
    assert back.cone_readings == project.cone_readings
    # 1 m = 3.28084 ft; 25 kPa = 25 x 20.885434 lb/ft2.
    back.convert("English")
    depth, fs, u2, qt = back.cone_readings[0]
    assert depth == pytest.approx(0.5 / 0.3048, rel=1e-12)
    assert fs == pytest.approx(25 * POUNDS_PER_FT2_PER_KPA, rel=1e-12)
    assert u2 is None and qt is None
    back.cpt_points = [(1.0, 100.0)]
    assert back.cone_readings == []
    back.write(written)
    assert not (tmp_path / "p.cone.csv").exists()
    with pytest.raises(ValueError):
        back.cone_readings = [(2.0, 1.0, None, None), (1.0, 1.0, None, None)]
