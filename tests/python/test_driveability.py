"""torve.wave_equation and torve.driveability as an engineer uses them: one blow on a project's
pile, its hammer checked field by field, and blow count against depth."""

import math
import pathlib

import numpy as np
import pytest

import torve

EXAMPLES = pathlib.Path(__file__).resolve().parents[2] / "examples"

# 10 t at 3 m/s: 1/2 x 10000 x 3^2 = 45 kJ at the ram.
RAM = {"name": "check ram", "ram_mass_kg": 10000, "energy_kj": 45, "efficiency": 1.0,
       "hammer_cushion": None, "helmet_mass_kg": 0}


def example(name):
    return torve.Project.read(str(EXAMPLES / f"{name}.tv6d"))


def test_one_blow_rises_in_blow_count_with_the_resistance():
    project = example("open-pipe-offshore-si")
    blows = [torve.wave_equation(project, hammer=RAM, resistance=r, shaft_fraction=0.7)
             for r in (1000, 2000, 4000)]
    for b in blows:
        assert not b.refusal
        assert b.blow_count == pytest.approx(0.25 / b.set_m)
        assert 0.5 * 45 <= b.enthru_kj <= 45
        assert b.impact_energy_kj == pytest.approx(45)
        assert isinstance(b.head_force, np.ndarray) and b.head_force.shape == b.time.shape == b.head_velocity.shape
    assert blows[0].blow_count < blows[1].blow_count < blows[2].blow_count
    assert torve.wave_equation(project, hammer=RAM, resistance=60000, shaft_fraction=0.7).refusal
    assert math.isnan(torve.wave_equation(project, hammer=RAM, resistance=60000, shaft_fraction=0.7).blow_count)


def test_an_english_project_counts_blows_per_foot():
    project = example("precast-concrete-user-english")
    b = torve.wave_equation(project, hammer=RAM, resistance=200, shaft_fraction=0.5)
    assert b.units == "English"
    assert b.blow_count == pytest.approx(0.3048 / b.set_m)


@pytest.mark.parametrize("change, field", [
    ({"ram_mass_kg": None}, '"ram_mass_kg" is null, not a number'),
    ({"ram_mass_kg": float("nan")}, '"ram_mass_kg" is "NaN", not a finite number'),
    ({"efficiency": float("inf")}, '"efficiency" is "Infinity", not a finite number'),
    ({"energy_kj": "45"}, '"energy_kj" is the text "45", not a number'),
    ({"stroke_m": 1.0}, 'gives both "stroke_m" and "energy_kj"'),
    ({"helmet_mass_kg": -5}, '"helmet_mass_kg" is -5; it must be 0 or above'),
    ({"hammer_cushion": {"area_m2": 0.5, "thickness_m": 0.1, "modulus_mpa": -1}},
     '"hammer_cushion.modulus_mpa" is -1; it must be above 0'),
])
def test_a_hammer_field_is_refused_by_name(change, field):
    project = example("open-pipe-offshore-si")
    with pytest.raises(ValueError, match=field.replace("(", r"\(")):
        torve.wave_equation(project, hammer={**RAM, **change}, resistance=1000, shaft_fraction=0.5)


def test_values_out_of_range_are_refused():
    project = example("open-pipe-offshore-si")
    for kwargs in ({"resistance": -1, "shaft_fraction": 0.5}, {"resistance": 1000, "shaft_fraction": 1.5},
                   {"resistance": 1000, "srd": "api"}):
        with pytest.raises(ValueError):
            torve.wave_equation(project, hammer=RAM, **kwargs)
    with pytest.raises(TypeError):
        torve.wave_equation(project, hammer=[1, 2], resistance=1000)


def test_driveability_gives_arrays_per_depth():
    project = example("open-pipe-offshore-si")
    # Alm & Hamre in clay reads the sleeve friction: 40 kPa from the ground to 60 m.
    project.cone_readings = [(0.0, 40.0, None, None), (60.0, 40.0, None, None)]
    d = torve.driveability(project, hammer=RAM, srd="alm-hamre", depths=[10, 20, 30, 40])
    for a in (d.depth, d.srd_shaft, d.srd_base, d.blow_count, d.max_compression, d.max_tension):
        assert isinstance(a, np.ndarray) and a.shape == (4,)
    assert list(d.depth) == [10, 20, 30, 40]
    assert np.all(d.srd_total == d.srd_shaft + d.srd_base)
    b = torve.wave_equation(project, hammer=RAM, resistance=3000)
    assert b.set_m > 0



def test_factors_and_friction_angle_change_only_their_own_part():
    project = example("open-pipe-offshore-si")
    project.cone_readings = [(0.0, 40.0, None, None), (60.0, 40.0, None, None)]
    depths = [10, 30]

    def drive(**options):
        return torve.driveability(project, hammer=RAM, depths=depths, **options)

    best = drive()
    # A factor multiplies the force it is on once, as a last step: 1.25 on the base gives exactly
    # 1.25 x the base (one rounding either way) and leaves the shaft as it is; 2 on the shaft
    # doubles every slice exactly.
    upper = drive(base_factor=1.25)
    assert list(upper.srd_base) == [b * 1.25 for b in best.srd_base]
    assert list(upper.srd_shaft) == list(best.srd_shaft)
    doubled = drive(shaft_factor=2.0)
    assert list(doubled.srd_shaft) == [2 * s for s in best.srd_shaft]
    assert list(doubled.srd_base) == list(best.srd_base)
    # The example is clay to 12 m over sand. Alm & Hamre's sand friction is tan(delta) times a
    # function of qc, the stress and the distance to the tip, and its clay friction and sand tip
    # take no delta: with the tip at 10 m nothing changes, at 30 m the shaft is C + K tan(delta),
    # so (S(35) - S(29)) / (S(23) - S(29)) = (tan 35 - tan 29) / (tan 23 - tan 29)
    # = (0.70021 - 0.55431) / (0.42447 - 0.55431) = 0.14590 / -0.12984 = -1.1237.
    steep, shallow = drive(friction_angle=35), drive(friction_angle=23)
    assert steep.srd_shaft[0] == pytest.approx(best.srd_shaft[0], rel=1e-12)
    assert list(steep.srd_base) == list(best.srd_base)
    tan = lambda deg: math.tan(math.radians(deg))
    ratio = (steep.srd_shaft[1] - best.srd_shaft[1]) / (shallow.srd_shaft[1] - best.srd_shaft[1])
    assert ratio == pytest.approx((tan(35) - tan(29)) / (tan(23) - tan(29)), rel=1e-9)
    assert ratio == pytest.approx(-1.1237, abs=5e-4)


@pytest.mark.parametrize("options, message", [
    ({"shaft_factor": -0.5}, "The shaft factor of the resistance to driving must be 0 or more."),
    ({"base_factor": math.nan}, "The base factor of the resistance to driving must be 0 or more."),
    ({"friction_angle": 0}, "The interface friction angle must lie between 0 and 90 degrees."),
    ({"friction_angle": 90}, "The interface friction angle must lie between 0 and 90 degrees."),
])
def test_factors_and_angles_out_of_range_are_refused(options, message):
    project = example("open-pipe-offshore-si")
    project.cone_readings = [(0.0, 40.0, None, None), (60.0, 40.0, None, None)]
    with pytest.raises(ValueError, match=message):
        torve.driveability(project, hammer=RAM, depths=[10], **options)
