"""The Dutch cone method from Python: its name, its capacity at the tip worked out by hand, and the
pile classes it has no factors for refused with the class named.

The cases are the square precast pile of side 0.4 m (A = 0.16 m2, O = 1.6 m, D_eq = 0.4514 m) with
its tip at 15 m in sand, alpha_p = 0.7, alpha_s = 0.010:
- uniform qc 10 MPa: q_b = 0.35 (10 + 10) = 7 MPa, R_b = 7 x 0.16 = 1120 kN; R_s = 0.010 x 10 x 15
  x 1.6 = 2400 kN;
- 2 MPa at 12.5 to 13.5 m: qc,III = (1.5 x 10 + 2.111 x 2) / 3.611 = 5.323 MPa by the minimum path,
  q_b = 0.35 (10 + 5.323) = 5.363 MPa, R_b = 858.1 kN; R_s = 0.010 x (150 - 8) x 1.6 = 2272 kN.
"""
import pathlib

import pytest

import torve

CASES = pathlib.Path(__file__).resolve().parents[1] / "reference" / "cases"


def test_the_method_has_its_code_and_name():
    assert torve.METHODS[11] == "NEN9997"


@pytest.mark.parametrize("case, base, shaft", [("nen-square-precast-si", 1120.0, 2400.0),
                                              ("nen-soft-layer-si", 858.1, 2272.0)])
def test_capacity_at_the_tip_as_worked_by_hand(case, base, shaft):
    project = torve.Project.read(CASES / (case + ".tv6d"))
    assert project.check() == []
    results = torve.run(project)
    assert results.methods == ["NEN9997"]
    capacity = results.capacity("NEN9997")
    assert capacity.code == 11 and capacity.depth[-1] == 15.0
    assert capacity.end_bearing[-1] == pytest.approx(base, abs=0.05)
    assert capacity.skin_friction[-1] == pytest.approx(shaft, abs=0.05)
    assert capacity.total[-1] == pytest.approx(base + shaft, abs=0.1)


@pytest.mark.parametrize("pile_type, name", [(1, "steel pipe"), (2, "timber"), (6, "H-pile")])
def test_a_pile_class_without_factors_is_refused_with_its_name(pile_type, name):
    project = torve.Project.read(CASES / "nen-square-precast-si.tv6d")
    with pytest.warns(torve.InputWarning):  # the concrete modulus is hardly that of the new material
        project.pile_type = pile_type
    errors = [f for f in project.check() if f.severity == "error"]
    assert [f.method for f in errors] == ["NEN9997"]
    with pytest.raises(torve.InputError) as caught:
        torve.run(project)
    assert f"({name}): the method gives it no capacity" in str(caught.value)
