"""Set-up after driving through torve.run: the skin friction by 1 + A log10(t/t0) of each soil type,
the end bearing as at the end of driving, the values refused, and the runner's same numbers."""
import math
import pathlib
import shutil
import subprocess
import os

import numpy as np
import pytest

import torve

SOURCE = pathlib.Path(__file__).resolve().parents[2]
EXAMPLE = SOURCE / "examples" / "sand-over-clay-pipe-english.tv6d"
RUNNER = os.environ.get("TORVE_RUNNER", "torve")


@pytest.fixture(scope="module")
def project():
    return torve.Project.read(str(EXAMPLE))


@pytest.fixture(scope="module")
def at_driving(project):
    return torve.run(project)


# One rate for both soils: A = 0.2, t0 = 1 day gives 1.2 at 10 days and 1.4 at 100 (one and two log
# cycles); A = 0.5 after 2 days gives 1 + 0.5 log10(25) = 1.69897 at 50 days; before t0 nothing.
@pytest.mark.parametrize("setup, factor", [
    (dict(days=10, a=0.2, t0_days=1), 1.2),
    (dict(days=100, a=0.2, t0_days=1), 1.4),
    (dict(days=50, a=0.5, t0_days=2), 1.69897),
    (dict(days=0.5, a=0.6, t0_days=1), 1.0),
])
def test_shaft_is_the_factor_times_the_shaft_at_the_end_of_driving(project, at_driving, setup, factor):
    aged = torve.run(project, setup=setup)
    assert aged.setup["days"] == setup["days"]
    for soil in ("sand", "clay"):
        assert aged.setup[soil]["a"] == setup["a"]
        assert aged.setup[soil]["t0_days"] == setup["t0_days"]
        assert aged.setup[soil]["factor"] == pytest.approx(factor, abs=1e-5)
    for before, after in zip(at_driving.capacities, aged.capacities):
        np.testing.assert_allclose(after.skin_friction, before.skin_friction * aged.setup["sand"]["factor"],
                                   rtol=1e-12, atol=1e-12)
        np.testing.assert_array_equal(after.end_bearing, before.end_bearing)
        np.testing.assert_allclose(after.total, after.skin_friction + after.end_bearing, rtol=1e-12)
    np.testing.assert_array_equal(aged.tip_curve["load"], at_driving.tip_curve["load"])


def test_each_soil_type_takes_its_own_rate_by_default(project, at_driving):
    aged = torve.run(project, setup=dict(days=10))
    # sand 1 + 0.2 log10(10 / 0.5) = 1.26021, clay 1 + 0.6 log10(10 / 1) = 1.6
    assert aged.setup["sand"] == {"a": 0.2, "t0_days": 0.5, "factor": pytest.approx(1 + 0.2 * math.log10(20))}
    assert aged.setup["clay"] == {"a": 0.6, "t0_days": 1.0, "factor": pytest.approx(1.6)}
    ratio = aged.capacities[0].skin_friction[-1] / at_driving.capacities[0].skin_friction[-1]
    assert 1.26021 < ratio < 1.6, "sand over clay gains between the two rates"
    assert at_driving.setup is None
    assert "days after driving" in repr(aged) and "days after driving" not in repr(at_driving)


@pytest.mark.parametrize("setup, error, words", [
    (dict(days=-1), ValueError, "(-1 days) must be zero or more days"),
    (dict(days=10, a=-0.1), ValueError, "The set-up factor A (-0.1) must be zero or more."),
    (dict(days=10, t0_days=0), ValueError, "must be more than zero days"),
    (dict(days=float("nan")), ValueError, "not a number"),
    (dict(a=0.2), TypeError, "setup needs days"),
    (dict(days=10, A=0.2), TypeError, "not A"),
    (dict(days="10"), TypeError, "setup days expects a number, got str"),
    (dict(days=True), TypeError, "got bool"),
    (10, TypeError, "setup expects a dict"),
])
def test_set_up_values_out_of_range_are_refused(project, setup, error, words):
    with pytest.raises(error) as caught:
        torve.run(project, setup=setup)
    assert words in str(caught.value)
    with pytest.raises(error):  # refused before any run, whatever the errors of run_many
        torve.run_many([project], setup=setup)


def test_report_and_numbers_are_the_runners(project, tmp_path):
    target = tmp_path / EXAMPLE.name
    shutil.copy(EXAMPLE, target)
    shutil.copy(EXAMPLE.with_suffix(".cpt"), target.with_suffix(".cpt"))
    subprocess.run([RUNNER, "run", str(target), "--setup-days", "30", "--csv", str(tmp_path)], check=True,
                   capture_output=True)
    report = target.with_suffix(".tv6o").read_text()
    aged = torve.run(project, report=True, setup=dict(days=30))
    assert " DAYS AFTER DRIVING, SET-UP 1 + A LOG10(t/t0):" in aged.report
    body = lambda text: text[text.index("INPUT INFORMATION"):]
    assert body(aged.report) == body(report)
