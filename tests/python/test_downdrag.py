"""torve.downdrag as an engineer uses it: the pile of a project in settling soil, against the
project's own load-settlement answer where the soil does not settle past it, and the trends of the
neutral plane with the head load and the settlement."""

import math
import pathlib

import numpy as np
import pytest

import torve

EXAMPLES = pathlib.Path(__file__).resolve().parents[2] / "examples"


def example(name):
    return torve.Project.read(str(EXAMPLES / f"{name}.tv6d"))


@pytest.mark.parametrize("name", ["open-pipe-offshore-si", "precast-concrete-user-english"])
def test_soil_settling_with_the_pile_gives_the_working_load_settlement(name):
    project = example(name)
    results = torve.run(project)
    w = results.working_loads[0]
    # Results move in in | m, the downdrag in in | mm.
    per_movement = 1.0 if results.units == "English" else 1000.0
    for uniform in (0.0, 3.0):
        d = torve.downdrag(project, soil_settlement=([0.0], [uniform]), head_load=w.load)
        assert d.units == results.units
        assert d.drag_force == pytest.approx(0, abs=1e-9 * w.load)
        assert d.neutral_plane == 0
        assert d.head_settlement == pytest.approx(w.head_movement * per_movement + uniform, abs=1e-3)
        assert d.max_load == pytest.approx(w.load, rel=1e-6)


def test_arrays_run_down_the_pile():
    project = example("open-pipe-offshore-si")
    d = torve.downdrag(project, soil_settlement=([0, 20], [200, 0]), head_load=2000)
    for a in (d.depth, d.axial_load, d.pile_movement, d.soil_settlement):
        assert isinstance(a, np.ndarray) and a.shape == d.depth.shape
    assert d.depth[0] == pytest.approx(-project.stickup_length)
    assert np.all(np.diff(d.depth) > 0)
    assert d.axial_load[0] == pytest.approx(2000, rel=1e-6)
    assert d.max_load == pytest.approx(d.axial_load.max())
    assert d.drag_force == pytest.approx(d.max_load - 2000, rel=1e-5)
    assert d.head_settlement == pytest.approx(d.pile_movement[0])
    # Above the neutral plane the soil settles past the pile, below it the pile moves past the soil.
    relative = d.pile_movement - d.soil_settlement
    in_soil = d.depth >= 0
    assert np.all(relative[in_soil & (d.depth < d.neutral_plane - 0.5)] < 0)
    assert np.all(relative[d.depth > d.neutral_plane + 0.5] > 0)
    assert "neutral plane" in repr(d)


@pytest.mark.parametrize("load", [1000, 3000])
def test_resistance_from_below_meets_the_load_at_the_equilibrium_plane(load):
    # The resistance R(z) is the peak friction below z plus the toe load, so the peak friction above
    # z is R(head) - R(z). At the neutral plane of equilibrium alone the head load plus the friction
    # above equals the resistance below: Q + R(head) - R(z) = R(z), i.e. R(z) = (Q + R(head)) / 2.
    project = example("open-pipe-offshore-si")
    d = torve.downdrag(project, soil_settlement=([0, 25], [100, 0]), head_load=load)
    assert isinstance(d.resistance, np.ndarray) and d.resistance.shape == d.depth.shape
    # Nothing below the toe but its own load, and friction only ever adds going up.
    assert d.resistance[-1] == pytest.approx(d.toe_load, rel=1e-9)
    assert np.all(np.diff(d.resistance) <= 1e-9 * d.resistance[0])
    # In the stickup there is no friction: the resistance there is that at the ground surface.
    above_ground = d.depth <= 0
    assert np.ptp(d.resistance[above_ground]) == pytest.approx(0, abs=1e-9 * d.resistance[0])
    plane = d.equilibrium_neutral_plane
    assert plane is not None
    at_plane = np.interp(plane, d.depth, d.resistance)
    assert at_plane == pytest.approx((load + d.resistance[0]) / 2, rel=0.01)


def test_neutral_plane_rises_with_the_head_load_and_sinks_with_the_settlement():
    project = example("open-pipe-offshore-si")
    planes = [torve.downdrag(project, soil_settlement=([0, 25], [100, 0]), head_load=q).neutral_plane
              for q in (0, 2000, 4000, 6000)]
    assert planes == sorted(planes, reverse=True) and planes[0] > planes[-1]
    planes = [torve.downdrag(project, soil_settlement=([0, 25], [s, 0]), head_load=2000).neutral_plane
              for s in (5, 20, 100, 500)]
    assert all(b >= a - 1e-9 for a, b in zip(planes, planes[1:]))


@pytest.mark.parametrize("soil, load, message", [
    (([0, 10, 5], [1, 2, 3]), 1000, "point 3 is not below the one before it"),
    (([0, math.nan], [1, 2]), 1000, "depth at point 2 is not a number"),
    (([0, 10], [1, math.inf]), 1000, "settlement at point 2 is not a number"),
    (([0, 10], [1]), 1000, "2 depths and 1 settlements"),
    (([], []), 1000, "has no point"),
    (([0], [10]), 1e9, "lies above what the pile can carry"),
    (([0], [10]), math.nan, "The head load is not a number."),
    (([0], [10]), -1, "The head load must be a compression, 0 or more."),
])
def test_refuses_what_it_cannot_solve(soil, load, message):
    with pytest.raises(ValueError, match=message):
        torve.downdrag(example("open-pipe-offshore-si"), soil_settlement=soil, head_load=load)


def test_the_settlement_kept_with_the_project(tmp_path):
    # Written beside the project with its head load, read back with it, and taken by downdrag().
    project = example("open-pipe-offshore-si")
    assert project.soil_settlement is None and project.head_load is None
    with pytest.raises(ValueError, match="holds no soil settlement"):
        torve.downdrag(project)
    project.soil_settlement = ([0, 20], [200, 0])
    project.head_load = 2000
    path = tmp_path / "pile.tv6d"
    project.write(str(path))
    assert (tmp_path / "pile.settlement.csv").read_text() == (
        "# depth (m), settlement (mm)\n# head load (kN): 2000\n0,200\n20,0\n")
    again = torve.Project.read(str(path))
    assert again.soil_settlement == ([0.0, 20.0], [200.0, 0.0])
    assert again.head_load == 2000
    kept = torve.downdrag(again)
    given = torve.downdrag(project, soil_settlement=([0, 20], [200, 0]), head_load=2000)
    assert kept.neutral_plane == given.neutral_plane and kept.drag_force == given.drag_force
    # A profile the engine cannot use is refused naming its point; a head load alone is kept, and
    # with neither the file goes.
    with pytest.raises(ValueError, match="point 2 is not below"):
        again.soil_settlement = ([5, 5], [1, 0])
    again.soil_settlement = None
    again.write(str(path))
    assert torve.Project.read(str(path)).head_load == 2000
    again.head_load = None
    again.write(str(path))
    assert not (tmp_path / "pile.settlement.csv").exists()
