"""TORVE: axial capacity and load-settlement analysis of a single driven pile, from Python.

The analysis runs inside this process, on the same engine as the ``torve`` runner and the desktop
program, without temporary files::

    import torve
    project = torve.Project.read("pile.tv6d")
    project.pile_length = 45.0
    results = torve.run(project)
    print(results.capacity("API RP 2A").total[-1])

Projects are read and written as ``.tv6d`` files (with the ``.cpt`` file beside them); every change
of a field is checked by the engine's reader, and a change it refuses raises :class:`InputError`.
Values are in the project's units: English (ft, in, kips, ksf) or SI (m, mm, kN, kPa).
"""

from __future__ import annotations

import datetime as _datetime
from dataclasses import dataclass as _dataclass
from typing import Iterable, List, Optional, Sequence

import numpy as _np

from . import _engine
from ._engine import InputError, Project, SoilPoint

__all__ = ["Project", "SoilPoint", "InputError", "Results", "MethodCapacity", "run", "run_many",
           "METHODS", "__version__"]

__version__ = _engine.version

#: The analysis methods by their code: {4: "API RP 2A", 6: "NGI", ...}.
METHODS = dict(_engine.METHODS)


def method_code(method) -> int:
    """The code of a method given by its code or by its name in :data:`METHODS` (any case)."""
    if isinstance(method, int):
        if method not in METHODS:
            raise ValueError(f"no method has the code {method}")
        return method
    for code, name in METHODS.items():
        if name.lower() == str(method).lower():
            return code
    raise ValueError(f"no method is named {method!r}; the names are {sorted(METHODS.values())}")


@_dataclass(frozen=True)
class MethodCapacity:
    """The capacity table of one method: one NumPy array per column, one row per printed depth.

    depth: penetration (ft | m); skin_friction, end_bearing, total (kips | kN), end bearing being the
    pile's self weight under tension; unit_skin_friction (ksf | kPa). ``tip`` is the engine's own
    (penetration, skin friction, end bearing, ultimate capacity) at the pile tip.
    """

    name: str
    code: int
    depth: _np.ndarray
    skin_friction: _np.ndarray
    end_bearing: _np.ndarray
    total: _np.ndarray
    unit_skin_friction: _np.ndarray
    tip: tuple


class Results:
    """What one run gives.

    Attributes:
        units: "English" or "SI".
        stop: None, or why the run stopped before its results (soil profile too shallow, too many
            segments); ``stop_reason`` is then "soil extent" or "segment limit".
        warnings: the console warnings that did not stop the run.
        methods: the capacity tables (:class:`MethodCapacity`) of the selected methods, in the
            report's order; :meth:`capacity` finds one by name or code.
        head_load, head_movement, tip_load, tip_movement: the load-settlement curve at the pile head
            and the Q-w curve at the tip, one value per load level (kips | kN; in | m).
        distribution_depth, distribution_load, distribution_movement: the load distribution, one row
            per load level, one column per printed depth.
        tz_curves, extra_tz_curves: the t-z curves, each a dict of depth, load_transfer and movement.
        load_transfer_method: the code of the method of the curves above.
        report: the report text when asked for (``run(..., report=True)``), else None.
        plot_text: the plot data file's text.
        console: what the run printed on its console.
    """

    def __init__(self, raw: dict):
        self.units: str = raw["units"]
        self.stop: Optional[str] = raw["stop"]
        self.stop_reason: Optional[str] = raw["stop_reason"]
        self.warnings: List[str] = list(raw["warnings"])
        self.console: str = raw["console"]
        self.report: Optional[str] = raw["report"]
        self.plot_text: str = raw["plot_text"]
        empty = _np.zeros(0)
        self.methods: List[MethodCapacity] = [
            MethodCapacity(m["name"], m["code"], m.get("depth", empty), m.get("skin_friction", empty),
                           m.get("end_bearing", empty), m.get("total", empty),
                           m.get("unit_skin_friction", empty), tuple(m["tip"]))
            for m in raw["methods"]]
        self.load_transfer_method: int = raw["load_transfer_method"]
        self.head_load = raw["head_load"]
        self.head_movement = raw["head_movement"]
        self.tip_load = raw["tip_load"]
        self.tip_movement = raw["tip_movement"]
        self.distribution_depth = raw["distribution_depth"]
        self.distribution_load = raw["distribution_load"]
        self.distribution_movement = raw["distribution_movement"]
        self.tz_curves: List[dict] = raw["tz_curves"]
        self.extra_tz_curves: List[dict] = raw["extra_tz_curves"]

    def capacity(self, method) -> MethodCapacity:
        """The capacity table of a method given by name ("API RP 2A") or code (4)."""
        code = method_code(method)
        for m in self.methods:
            if m.code == code:
                return m
        raise KeyError(f"the run has no results of {METHODS[code]}")

    def to_pandas(self):
        """The capacity tables as one pandas DataFrame (column ``method`` tells them apart).

        Needs pandas, which torve itself does not: ImportError names it when it is missing.
        """
        try:
            import pandas
        except ImportError as e:
            raise ImportError("Results.to_pandas() needs pandas (Debian: python3-pandas)") from e
        frames = [pandas.DataFrame({"method": m.name, "depth": m.depth, "skin_friction": m.skin_friction,
                                    "end_bearing": m.end_bearing, "total": m.total,
                                    "unit_skin_friction": m.unit_skin_friction}) for m in self.methods]
        if not frames:
            return pandas.DataFrame(columns=["method", "depth", "skin_friction", "end_bearing", "total",
                                             "unit_skin_friction"])
        return pandas.concat(frames, ignore_index=True)

    def __repr__(self):
        names = ", ".join(m.name for m in self.methods)
        return f"<torve.Results {self.units} [{names}]{' stopped: ' + self.stop if self.stop else ''}>"


def run(project: Project, report: bool = False, time: Optional[_datetime.datetime] = None) -> Results:
    """Runs the analysis of ``project`` in this process and returns its :class:`Results`.

    No file is read or written: the project's fields (and CPT points) are the input, and the report
    and plot texts stay in memory. The interpreter lock is released while the engine computes, so
    other Python threads go on.

    Args:
        project: a :class:`Project`.
        report: also keep the report text (``results.report``); left out, the run lets the report
            go as it is written, which saves about a quarter of the run's time in large studies.
        time: the local time the report's date block shows; the clock at the start of the run when
            None. With the same time, the report and plot texts are byte for byte those that
            ``torve run`` writes for the same project file.

    Raises:
        InputError: input the analysis cannot use, with the engine's message and its file, record
            and line. A run stopped by the engine's own checks is not an error: see ``Results.stop``.
    """
    return run_many([project], jobs=1, report=report, time=time)[0]


def run_many(projects: Iterable[Project], jobs: int = 1, report: bool = False,
             time: Optional[_datetime.datetime] = None) -> List[Results]:
    """Runs several projects side by side on ``jobs`` threads; their :class:`Results` in order.

    Every run has its own state inside the engine, so the results are those of :func:`run` one
    after another. The first project whose input is refused raises :class:`InputError` once all
    have run. ``report`` and ``time`` are as for :func:`run`.
    """
    projects = list(projects)
    if jobs < 1:
        raise ValueError("jobs must be at least 1")
    for p in projects:
        if not isinstance(p, Project):
            raise TypeError(f"run_many takes torve.Project objects, not {type(p).__name__}")
    return [Results(raw) for raw in _engine.run_projects(projects, jobs, report, time)]


def _methods_get(self) -> List[str]:
    return [METHODS[c] for c in self.selected_methods]


def _methods_set(self, methods: Sequence) -> None:
    self.selected_methods = [method_code(m) for m in methods]


Project.methods = property(_methods_get, _methods_set, doc=(
    "The selected methods by name (see METHODS); assign names or codes: ['API RP 2A', 'NGI']."))
