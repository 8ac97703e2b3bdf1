"""The soil layer constants on SoilPoint: None until given, checked when assigned, written beside the
project only while any is given (the project file itself unchanged), read back, converted with the
units, and the set-up of a layer by its own A."""
import os
import pathlib
import shutil
import subprocess

import pytest

import torve

SOURCE = pathlib.Path(__file__).resolve().parents[2]
EXAMPLE = SOURCE / "examples" / "sand-over-clay-pipe-english.tv6d"
RUNNER = os.environ.get("TORVE_RUNNER", "torve")
FIELDS = ["shaft_quake", "toe_quake", "shaft_damping", "toe_damping", "setup_a", "setup_t0_days"]


def test_none_until_given_and_refused_out_of_range():
    project = torve.Project.read(str(EXAMPLE))
    point = project.soil_points[0]
    assert [getattr(point, f) for f in FIELDS] == [None] * 6
    # (field, refused value, taken value): quakes and t0 above 0, damping and A from 0.
    for field, refused, taken in [("shaft_quake", 0.0, 0.1), ("toe_quake", -1.0, 0.2),
                                  ("shaft_damping", -0.01, 0.0), ("toe_damping", float("nan"), 0.15),
                                  ("setup_a", -0.2, 0.0), ("setup_t0_days", 0.0, 2.0)]:
        with pytest.raises(torve.InputError):
            setattr(project.soil_points[0], field, refused)
        assert getattr(project.soil_points[0], field) is None
        setattr(project.soil_points[0], field, taken)
        assert getattr(project.soil_points[0], field) == taken
        setattr(project.soil_points[0], field, None)
        assert getattr(project.soil_points[0], field) is None


def test_written_beside_only_while_given(tmp_path):
    shutil.copy(EXAMPLE, tmp_path / "p.tv6d")
    project = torve.Project.read(str(tmp_path / "p.tv6d"))
    project.write(str(tmp_path / "p.tv6d"))
    assert not (tmp_path / "p.layers.csv").exists()
    original = (tmp_path / "p.tv6d").read_bytes()
    for point in project.soil_points[2:4]:
        point.toe_quake = 0.2
        point.setup_a = 0.3
    project.write(str(tmp_path / "p.tv6d"))
    assert (tmp_path / "p.tv6d").read_bytes() == original
    text = (tmp_path / "p.layers.csv").read_text()
    assert text.splitlines()[0] == ("point,depth_ft,shaft_quake_in,toe_quake_in,shaft_damping_s_per_ft,"
                                    "toe_damping_s_per_ft,setup_a,setup_t0_days")
    back = torve.Project.read(str(tmp_path / "p.tv6d"))
    assert back.soil_points[3].toe_quake == 0.2 and back.soil_points[2].setup_a == 0.3
    assert back.soil_points[0].toe_quake is None
    back.write(str(tmp_path / "q.tv6d"))
    assert (tmp_path / "q.layers.csv").read_text() == text
    for point in back.soil_points:
        point.toe_quake = None
        point.setup_a = None
    back.write(str(tmp_path / "p.tv6d"))
    assert not (tmp_path / "p.layers.csv").exists()


def test_bad_cell_refused_with_its_place(tmp_path):
    shutil.copy(EXAMPLE, tmp_path / "p.tv6d")
    project = torve.Project.read(str(tmp_path / "p.tv6d"))
    project.soil_points[0].shaft_damping = 0.05
    project.write(str(tmp_path / "p.tv6d"))
    path = tmp_path / "p.layers.csv"
    path.write_text(path.read_text().replace("0.05", "0,05", 1))
    with pytest.raises(torve.InputError, match=r"line 2: expected 8 cells, found 9"):
        torve.Project.read(str(tmp_path / "p.tv6d"))
    path.write_text(path.read_text().replace("0,05", "fast", 1))
    with pytest.raises(torve.InputError, match=r"line 2, column 5 \(shaft_damping_s_per_ft\): expected a "
                                              r"number or an empty cell, found \"fast\""):
        torve.Project.read(str(tmp_path / "p.tv6d"))
    # The runner's check names it too, and fails.
    checked = subprocess.run([RUNNER, "check", str(tmp_path / "p.tv6d")], capture_output=True, text=True)
    assert checked.returncode == 1
    assert "column 5 (shaft_damping_s_per_ft)" in checked.stdout


def test_converted_with_the_units():
    project = torve.Project.read(str(EXAMPLE))
    project.soil_points[0].shaft_quake = 0.1      # in: 2.54 mm
    project.soil_points[0].shaft_damping = 0.05   # s/ft: 0.05 / 0.3048 = 0.164042 s/m
    project.soil_points[0].setup_t0_days = 2.0    # days stay days
    project.convert("SI")
    point = project.soil_points[0]
    assert point.shaft_quake == pytest.approx(2.54, rel=1e-12)
    assert point.shaft_damping == pytest.approx(0.05 / 0.3048, rel=1e-12)
    assert point.setup_t0_days == 2.0


# The example's second layer (clay) with A = 0.3 and t0 = 2 days gains 1 + 0.3 log10(20 / 2) = 1.3 at
# 20 days, its soil type's 1 + 0.6 log10(20) = 1.78062 no more.
def test_setup_of_a_layer_by_its_own_rate():
    project = torve.Project.read(str(EXAMPLE))
    clay = [i for i, p in enumerate(project.soil_points) if p.soil_type == torve.SoilType.CLAY]
    first = clay[0]
    project.soil_points[first].setup_a = 0.3
    project.soil_points[first].setup_t0_days = 2.0
    results = torve.run(project, setup=dict(days=20))
    layers = results.setup["layers"]
    assert [layer["layer"] for layer in layers] == [first // 2 + 1]
    assert layers[0]["factor"] == pytest.approx(1.3, abs=1e-12)
    assert layers[0]["soil"] == "clay"
    assert results.setup["clay"]["factor"] == pytest.approx(1.7806179973983887, abs=1e-12)
