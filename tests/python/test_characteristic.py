"""torve.characteristic as an engineer uses it: one pile with a sounding per project, the
capacities of each against torve.run, the correlation factors by the number of soundings and the
projects it refuses."""

import pathlib

import numpy as np
import pytest

import torve

EXAMPLES = pathlib.Path(__file__).resolve().parents[2] / "examples"


def sounding(scale):
    """The offshore example with its cone resistance times ``scale``."""
    p = torve.Project.read(str(EXAMPLES / "open-pipe-offshore-si.tv6d"))
    p.cpt_points = [(depth, qc * scale) for depth, qc in p.cpt_points]
    return p


def test_arrays_against_the_runs_of_the_projects():
    projects = [sounding(1.0), sounding(1.3), sounding(0.8)]
    k = torve.characteristic(projects, method="Unified")
    assert k.units == "SI" and k.method == "Unified" and not k.stiff
    n = len(k.depth)
    assert k.capacities.shape == (3, n)
    for a in (k.mean, k.minimum, k.xi3, k.xi4, k.characteristic, k.design):
        assert isinstance(a, np.ndarray) and a.shape == (n,)
    # Each row is the project's own capacity with the method, though the project does not select it.
    for row, project in zip(k.capacities, projects):
        own = torve.run(project_with(project, "Unified")).capacity("Unified")
        np.testing.assert_array_equal(k.depth, own.depth)
        np.testing.assert_array_equal(row, own.total)
    np.testing.assert_allclose(k.mean, k.capacities.mean(axis=0), rtol=1e-12)
    np.testing.assert_array_equal(k.minimum, k.capacities.min(axis=0))
    # Three soundings: xi3 = xi4 = 1.30.
    np.testing.assert_array_equal(k.xi3, np.full(n, 1.30))
    np.testing.assert_allclose(k.characteristic, k.minimum / 1.30, rtol=1e-12)
    np.testing.assert_allclose(k.design, k.characteristic / 1.2, rtol=1e-12)
    assert k.names == [str(EXAMPLES / "open-pipe-offshore-si.tv6d")] * 3


def project_with(project, method):
    project.methods = [method]
    return project


@pytest.mark.parametrize("count, stiff, xi3, xi4", [
    (1, False, 1.39, 1.39),
    (1, True, 1.39 / 1.1, 1.39 / 1.1),  # 1.2636
    (3, False, 1.30, 1.30),
    (10, False, 1.25, 1.00),
    (10, True, 1.25 / 1.1, 1.00 / 1.1),  # 1.1364, 0.9091
])
def test_correlation_factors_by_the_number_of_soundings(count, stiff, xi3, xi4):
    k = torve.characteristic([sounding(1.0)] * count, method="API RP 2A", stiff=stiff)
    assert k.xi3[0] == pytest.approx(xi3, rel=1e-12) and k.xi4[0] == pytest.approx(xi4, rel=1e-12)
    # Alike soundings: mean and least are one capacity, the larger factor governs.
    np.testing.assert_allclose(k.characteristic, k.capacities[0] / max(xi3, xi4), rtol=1e-12)


def test_refusals():
    shorter = sounding(1.0)
    shorter.pile_length = 35
    with pytest.raises(ValueError, match=r"not the same pile and soil layers as .*, the total pile "
                                         r"length: 35 against 40\."):
        torve.characteristic([sounding(1.0), shorter], method="NGI")
    with pytest.raises(ValueError, match="no method is named 'Koppejan'"):
        torve.characteristic([sounding(1.0)], method="Koppejan")
    with pytest.raises(ValueError, match="at least one project"):
        torve.characteristic([], method="NGI")
    onshore = sounding(1.0)
    onshore.offshore_data = 0
    with pytest.raises((RuntimeError, torve.InputError)):
        torve.characteristic([onshore], method="Unified")
