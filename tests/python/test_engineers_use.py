"""The package as an engineer's study uses it: every case of run_many back in its place, soil points
and options by keyword and by name, reprs that tell projects and results apart, warnings of
implausible values as they are assigned, and unit conversion as torve convert converts."""

import os
import pathlib
import shutil
import subprocess
import warnings

import numpy as np
import pytest

import torve

SOURCE = pathlib.Path(__file__).resolve().parents[2]
RUNNER = os.environ.get("TORVE_RUNNER", "torve")
needs_core = pytest.mark.skipif(torve._sounding is None, reason="a build without the desktop core")


def refused(project, method="UWA"):
    """A copy of `project` that run() refuses: a cone-based method selected without offshore data."""
    broken = project.copy()
    broken.methods = ["API RP 2A", method]
    return broken


# --- run_many -----------------------------------------------------------------------------------

def test_run_many_returns_every_case_in_its_place():
    good = torve.Project.new("SI")
    longer = good.copy()
    longer.pile_length = 25.0
    results = torve.run_many([good, refused(good), longer, refused(good)], jobs=2)
    assert [type(r).__name__ for r in results] == ["Results", "RunFailure", "Results", "RunFailure"]
    assert [r.index for r in results if not r] == [1, 3]
    failure = results[1]
    assert isinstance(failure.error, torve.InputError)
    assert "offshore-data flag" in str(failure) and str(failure).startswith("case 1: ")
    assert ("offshore-data flag", "UWA") in [(f.field, f.method) for f in failure.error.findings]
    # The cases that ran are those of run() one after another.
    assert results[2].capacity("API RP 2A").total[-1] == torve.run(longer).capacity("API RP 2A").total[-1]
    assert [r for r in results if r] == [results[0], results[2]]


def test_run_many_raises_at_the_first_failure_when_asked():
    good = torve.Project.new("SI")
    first, second = refused(good, "UWA"), refused(good, "NGI")
    with pytest.raises(torve.InputError) as caught:
        torve.run_many([good, first, second], errors="raise")
    assert {f.method for f in caught.value.findings} == {"UWA"}  # the first refused, not NGI
    with pytest.raises(ValueError, match="errors is 'return' or 'raise'"):
        torve.run_many([good], errors="ignore")
    # run() of one project raises as it always did.
    with pytest.raises(torve.InputError):
        torve.run(first)


# --- keywords, names and reprs ---------------------------------------------------------------------

def test_soil_points_by_keyword_with_the_soil_type_by_name():
    clay = torve.SoilPoint(depth=15.0, soil_type="clay", unit_weight=8.0, su=40.0)
    assert clay.soil_type is torve.SoilType.CLAY
    assert (clay.depth, clay.unit_weight, clay.su) == (15.0, 8.0, 40.0)
    assert clay.earth_pressure == 0.0 and clay.lrfd_friction == 1.0
    # The repr is what makes the point again.
    assert repr(clay) == 'SoilPoint(depth=15, soil_type="clay", unit_weight=8, su=40)'
    assert eval(repr(clay), {"SoilPoint": torve.SoilPoint}) == clay
    factored = torve.SoilPoint(depth=0.0, soil_type=torve.SoilType.SAND, lrfd_bearing=0.7)
    assert repr(factored) == 'SoilPoint(depth=0, soil_type="sand", lrfd_bearing=0.7)'


@pytest.mark.parametrize("field, given, member", [
    ("plug_condition", "plugged", torve.PlugCondition.PLUGGED),
    ("plug_condition", "Unplugged", torve.PlugCondition.UNPLUGGED),
    ("pile_type", "H-pile", torve.PileType.H_PILE),
    ("pile_type", "steel pipe", torve.PileType.STEEL_PIPE),
    ("pile_type", "PRECAST_CONCRETE", torve.PileType.PRECAST_CONCRETE),
    ("loading_type", "tension", torve.LoadingType.TENSION),
    ("clay_drainage", "drained", torve.ClayDrainage.DRAINED),
    ("section_mode", "from_diameters", torve.SectionMode.FROM_DIAMETERS),
    ("critical_depth_option", "from_stress", torve.CriticalDepthOption.FROM_STRESS),
])
def test_options_by_the_names_of_their_members(field, given, member):
    project = torve.Project.new("SI")
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", torve.InputWarning)  # steel's modulus for a concrete pile
        setattr(project, field, given)
    assert getattr(project, field) is member


def test_a_name_that_is_no_member_lists_the_names():
    project = torve.Project.new("SI")
    before = project.input_text()
    with pytest.raises(ValueError) as caught:
        project.plug_condition = "plugd"
    assert str(caught.value) == ('plug_condition expects one of "computed", "plugged", "unplugged" '
                                 '(torve.PlugCondition), got "plugd"')
    with pytest.raises(ValueError, match='"sand", "clay"'):
        project.soil_points[0].soil_type = "rock"
    assert project.input_text() == before


def test_methods_by_name_on_projects_and_results():
    project = torve.Project.new("SI")
    project.methods = "UWA"  # one method, not the methods "U", "W" and "A"
    assert project.methods == ["UWA"]
    project.methods = 4
    assert project.methods == ["API RP 2A"]
    project.methods = ["API RP 2A", "FHWA"]
    results = torve.run(project)
    # Both name the methods, in the report's order (by code).
    assert results.methods == ["FHWA", "API RP 2A"] == project.methods
    assert [c.name for c in results.capacities] == results.methods
    # A script that took the tables from Results.methods still finds them, warned.
    with pytest.warns(DeprecationWarning, match="Results.capacity"):
        total = results.methods[1].total
    np.testing.assert_array_equal(total, results.capacity("API RP 2A").total)


def test_reprs_tell_projects_and_results_apart():
    project = torve.Project.new("SI")
    project.title = "P1"
    assert repr(project) == ('<torve.Project SI "P1": steel pipe OD 610 mm, 20 m long; '
                             '1 layer (sand) to 30 m; API RP 2A>')
    results = torve.run(project)
    tip = results.capacity("API RP 2A").tip
    assert repr(results) == f"<torve.Results SI: API RP 2A {tip[3]:.1f} kN at 20 m>"
    english = torve.Project.new("English")
    english.methods = []
    assert repr(english).endswith("steel pipe OD 24 in, 60 ft long; 1 layer (sand) to 100 ft; no method>")


def test_no_typing_names_come_from_the_package():
    typing_names = {"Any", "Callable", "Dict", "Iterable", "List", "Mapping", "Optional", "Sequence",
                    "Tuple", "Union", "ColumnsArg", "annotations"}
    assert not typing_names & set(dir(torve))
    assert set(torve.__all__) <= set(dir(torve))


# --- warnings of implausible values as they are assigned ------------------------------------------

@pytest.mark.parametrize("change, words", [
    # 210 GPa typed as 210 into the kPa field; steel is 150 to 250 GPa.
    (lambda p: setattr(p, "modulus", 210.0), "modulus of elasticity from 150000000 to 250000000 kPa"),
    (lambda p: setattr(p.soil_points[0], "friction_angle", 55.0), "friction angle"),
    # The 20 m pile takes no friction below a zero-friction length of 25 m.
    (lambda p: setattr(p, "zero_friction_length", 25.0), "no part of the pile takes friction"),
    (lambda p: p.update(loading_type="tension", tension_factor=0.0), "no shaft friction in tension"),
])
def test_an_implausible_value_warns_as_it_is_assigned(change, words):
    project = torve.Project.new("SI")
    with pytest.warns(torve.InputWarning, match=words):
        change(project)
    # The value stands: the analysis takes it, and the check names it.
    assert any(words in f.message for f in project.check() if f.severity == "warning")
    # Assigning again what is already there warns no more.
    with warnings.catch_warnings():
        warnings.simplefilter("error")
        project.title = "still warned of once"


def test_plausible_values_and_a_change_of_units_label():
    project = torve.Project.new("SI")
    with warnings.catch_warnings():
        warnings.simplefilter("error")
        project.modulus = 2.0e8
        project.units = "SI"  # the system it is in: nothing to say
    with pytest.warns(UserWarning, match='relabels the values without converting them; project.convert'):
        project.units = "English"
    assert project.pile_length == 20.0


# --- conversion ------------------------------------------------------------------------------------

@needs_core
@pytest.mark.parametrize("name, to", [("open-pipe-offshore-si", "English"),
                                      ("sand-over-clay-pipe-english", "SI"),
                                      ("precast-concrete-user-english", "si")])
def test_convert_gives_what_torve_convert_writes(name, to, tmp_path):
    example = SOURCE / "examples" / f"{name}.tv6d"
    for extension in (".tv6d", ".cpt"):
        shutil.copy(example.with_suffix(extension), tmp_path / f"{name}{extension}")
    out = tmp_path / "converted.tv6d"
    subprocess.run([RUNNER, "convert", "--to", to.lower(), str(tmp_path / f"{name}.tv6d"), str(out)],
                   check=True, capture_output=True)
    project = torve.Project.read(str(tmp_path / f"{name}.tv6d"))
    project.convert(to)
    assert project.units == ("SI" if to.lower() == "si" else "English")
    written = torve.Project.read(str(out))
    # The one difference: the desktop core writes its edition's offshore-data flag (1), where
    # convert() leaves the project's own (0 in the English examples).
    assert project.offshore_data == torve.Project.read(str(tmp_path / f"{name}.tv6d")).offshore_data
    written.offshore_data = project.offshore_data
    assert project.input_text() == written.input_text()
    assert list(project.cpt_points) == list(written.cpt_points)


@needs_core
def test_convert_by_hand_and_back():
    project = torve.Project.new("SI")
    project.update(pile_length=45.0, outside_diameter=1500.0, inside_diameter=1424.0)
    typed = project.input_text()
    project.convert("English")
    assert project.pile_length == 45 / 0.3048          # 147.6377952755906 ft
    assert project.outside_diameter == 1500 / 25.4     # 59.05511811023622 in
    assert project.modulus == pytest.approx(2.1e8 / 6894.757293168361 * 1000)  # 30,457,924 lb/in2
    assert project.soil_points[1].depth == pytest.approx(30 / 0.3048)
    project.convert("English")  # the system it is in: nothing changes
    project.convert("S.I.")
    assert project.input_text() == typed
    with pytest.raises(ValueError, match="convert\\(\\) takes 'SI' or 'English'"):
        project.convert("metric")


# --- working loads ------------------------------------------------------------------------------

def test_working_load_fractions_are_the_projects_own(tmp_path):
    project = torve.Project.read(str(SOURCE / "examples" / "sand-over-clay-pipe-english.tv6d"))
    assert project.working_load_fractions is None  # the run's own 1/2 and 1/3
    own = torve.run(project)
    assert sorted({w.fraction for w in own.working_loads}) == [1 / 3, 1 / 2]

    project.working_load_fractions = [0.4, 0.25, 1]
    path = tmp_path / "loads.tv6d"
    project.write(str(path))
    # Record 16 holds the count and the fractions, and reads back to the same doubles.
    assert "3 0.4 0.25 1" in " ".join(path.read_text().split())
    again = torve.Project.read(str(path))
    assert again.working_load_fractions == [0.4, 0.25, 1.0]
    results = torve.run(again)
    methods = {w.method for w in results.working_loads}
    for method in methods:
        loads = {w.fraction: w.load for w in results.working_loads if w.method == method}
        assert sorted(loads) == [0.25, 0.4, 1.0]
        # Each working load is its fraction of the same capacity at the tip.
        assert loads[0.25] / loads[0.4] == pytest.approx(0.25 / 0.4, rel=1e-12)

    for wrong in ([1.5], [0.0], [0.1] * 11):
        with pytest.raises(torve.InputError):
            again.working_load_fractions = wrong
        assert again.working_load_fractions == [0.4, 0.25, 1.0]
    with pytest.raises(TypeError):
        again.working_load_fractions = ["half"]
    again.working_load_fractions = None
    assert again.working_load_fractions is None
