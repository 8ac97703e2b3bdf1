"""CPT points from Python as every other reader takes them: the unit code of the CPT data file read
one way, imports that refuse what the next run would refuse, and results read whole.
"""

import os
import pathlib
import re
import shutil
import subprocess
import warnings

import pytest

import torve

SOURCE = pathlib.Path(__file__).resolve().parents[2]
EXAMPLE = SOURCE / "examples" / "sand-over-clay-pipe-english.tv6d"
RUNNER = os.environ.get("TORVE_RUNNER", "torve")
KN_PER_KIP = 4.4482216152605


def english_project_with_cpt(folder):
    """The English example with its CPT points (lb/ft2), UWA selected and giving the load transfers."""
    for suffix in (".tv6d", ".cpt"):
        shutil.copy(EXAMPLE.with_suffix(suffix), folder / ("p" + suffix))
    p = torve.Project.read(str(folder / "p.tv6d"))
    p.update(offshore_data=1, selected_methods=[4, 9], load_transfer_method=4)
    return p


def uwa_at_tip(results):
    return results.capacity("UWA").total[-1]


def test_a_change_of_units_keeps_the_cpt_points_with_the_project(tmp_path):
    p = english_project_with_cpt(tmp_path)
    p.units = "SI"
    p.write(str(tmp_path / "si.tv6d"))
    # The CPT data file holds the project's code, relabelled with the rest of its values.
    assert (tmp_path / "si.cpt").read_text().split()[0] == "2"
    assert not [f for f in p.check() if f.record.startswith("record 1 (unit code")]
    si = uwa_at_tip(torve.run(p))
    # torve convert takes the file's code at its word: the converted project gives the same capacity
    # in kips (it gave 243.7 kips for 2025.3 kN = 455.3 kips when the file kept the English code).
    subprocess.run([RUNNER, "convert", "--to", "english", str(tmp_path / "si.tv6d"), str(tmp_path / "en.tv6d")],
                   check=True, capture_output=True)
    english = uwa_at_tip(torve.run(torve.Project.read(str(tmp_path / "en.tv6d"))))
    assert english * KN_PER_KIP == pytest.approx(si, rel=1e-4)


def test_a_cpt_file_of_the_other_system_is_read_in_the_projects_units(tmp_path):
    p = english_project_with_cpt(tmp_path)
    p.write(str(tmp_path / "p.tv6d"))
    english = uwa_at_tip(torve.run(p))
    # The same project converted to S.I. beside the English CPT data file it was written with.
    subprocess.run([RUNNER, "convert", "--to", "si", str(tmp_path / "p.tv6d"), str(tmp_path / "si.tv6d")],
                   check=True, capture_output=True)
    shutil.copy(tmp_path / "p.cpt", tmp_path / "si.cpt")
    check = subprocess.run([RUNNER, "check", str(tmp_path / "si.tv6d")], capture_output=True, text=True)
    assert check.returncode == 0, check.stdout
    assert (f'CPT data file "{tmp_path / "si.cpt"}", record 1 (unit code and row count): expected the '
            "project's unit-system code 2 (S.I.), found 1 (English)") in check.stdout
    with pytest.warns(UserWarning, match="holds English units: its points were converted"):
        q = torve.Project.read(str(tmp_path / "si.tv6d"))
    first = q.cpt_points[1]
    assert first == pytest.approx((5 * 0.3048, 60.0 * 4.4482216152605 / 0.3048 ** 2), rel=1e-12)
    from_python = uwa_at_tip(torve.run(q))
    subprocess.run([RUNNER, "run", str(tmp_path / "si.tv6d")], check=True, capture_output=True)
    report = (tmp_path / "si.tv6o").read_text()
    assert from_python == pytest.approx(english * KN_PER_KIP, rel=1e-4)
    assert f"{from_python:.1f}" in report


@pytest.mark.skipif("read_sounding" not in torve.__all__, reason="torve built without the desktop core")
@pytest.mark.parametrize("rows, line, words", [
    ("0.5,2.2e30\n1.0,3\n", 2, "expected at most 1E+15 in magnitude for the cone resistance, found 2.2e+33."),
    ("0.5,2\n4.4e90,3\n", 3, "expected at most 1E+15 in magnitude for the depth, found 4.4e+90."),
])
def test_an_import_refuses_what_the_run_would_refuse(rows, line, words, tmp_path):
    sounding = tmp_path / "s.csv"
    sounding.write_text("depth_m,qc_MPa\n" + rows)
    p = torve.Project.new(units="SI")
    p.cpt_points = [(0, 100), (1, 200)]
    with pytest.raises(torve.SoundingError) as e:
        p.import_cpt(sounding)
    assert f"at line {line}," in str(e.value) and words in str(e.value)
    assert p.cpt_points == [(0, 100), (1, 200)]
    # torve cpt import refuses it alike, and leaves the CPT data file as it was.
    p.write(str(tmp_path / "p.tv6d"))
    before = (tmp_path / "p.cpt").read_bytes()
    run = subprocess.run([RUNNER, "cpt", "import", str(sounding), "--into", str(tmp_path / "p.tv6d")],
                         capture_output=True, text=True)
    assert run.returncode == 1
    assert f"at line {line}," in run.stderr and words in run.stderr
    assert (tmp_path / "p.cpt").read_bytes() == before


def test_results_of_a_plot_file_with_three_digit_exponents_are_whole(tmp_path):
    # A modulus of 1e-300 lb/in2 gives movements of the order of 1e+306 in: the plot file writes
    # them without the E ("0.747+306"), as Fortran does beyond two exponent digits.
    p = torve.Project.new(units="English")
    with warnings.catch_warnings():
        warnings.simplefilter("ignore")
        p.modulus = 1e-300
    results = torve.run(p, report=True)
    assert re.search(r"\d[+-]\d{3}\b", results.plot_text)
    assert len(results.head_load) > 0 and len(results.head_movement) == len(results.head_load)
    p.write(str(tmp_path / "p.tv6d"))
    subprocess.run([RUNNER, "run", str(tmp_path / "p.tv6d")], check=True, capture_output=True)
    shown = subprocess.run([RUNNER, "results", str(tmp_path / "p.tv6d")], capture_output=True, text=True)
    assert shown.returncode == 0, shown.stderr
    csv = subprocess.run([RUNNER, "results", str(tmp_path / "p.tv6d"), "--csv", str(tmp_path / "csv")],
                         capture_output=True, text=True)
    assert csv.returncode == 0, csv.stderr
    assert any(re.search(r"e\+30\d", f.read_text()) for f in (tmp_path / "csv").iterdir())
