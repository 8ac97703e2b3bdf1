"""TORVE: axial capacity and load-settlement analysis of a single driven pile, from Python.

The analysis runs inside this process, on the same engine as the ``torve`` runner and the desktop
program, without temporary files::

    import torve
    project = torve.Project.read("pile.tv6d")
    project.pile_length = 45.0
    results = torve.run(project)
    print(results.capacity("API RP 2A").total[-1])

Projects are read and written as ``.tv6d`` files (with the ``.cpt`` file beside them).
``project.check()`` lists every finding of the checks (:class:`Finding`); a change of a field that
brings a value they refuse raises :class:`InputError`, and so does ``run`` for a project with
errors. Values are in the project's units: English (ft, in, kips, ksf) or SI (m, mm, kN, kPa).
"""

from __future__ import annotations

# The future import leaves its feature object behind as a name of the module; it is no name of torve.
del annotations  # noqa: F821

import datetime as _datetime
import importlib.util as _importlib_util
import json as _json
import numbers as _numbers
import os as _os
from dataclasses import dataclass as _dataclass
from dataclasses import field as _field
from collections.abc import MutableSequence as _MutableSequence
import warnings as _warnings
# The typing names stay private: `from torve import *` and dir(torve) give the package's own names.
from typing import Dict as _Dict
from typing import Iterable as _Iterable
from typing import List as _List
from typing import Mapping as _Mapping
from typing import Optional as _Optional
from typing import Sequence as _Sequence
from typing import Tuple as _Tuple
from typing import Union as _Union

import numpy as _np

from . import _engine
from ._engine import (ClayDrainage, CriticalDepthOption, Finding, InputError, InputWarning, LoadingType,
                      PileType, PlugCondition, Project, SectionMode, SoilPoint, SoilType)

__all__ = ["Project", "SoilPoint", "Finding", "InputError", "InputWarning", "Results", "RunFailure",
           "MethodCapacity", "RunWarning", "WorkingLoad", "run", "run_many", "Downdrag", "downdrag", "Driveability", "driveability", "Blow", "wave_equation",
           "Characteristic", "characteristic", "METHODS", "PileType", "SoilType",
           "LoadingType", "PlugCondition", "SectionMode", "ClayDrainage", "CriticalDepthOption", "__version__"]

# The readers of cone data files come with the desktop core: a build without Qt has no _sounding.
# When the module is there but does not load (Qt Core missing), the import error says so.
if _importlib_util.find_spec(f"{__name__}._sounding") is not None:
    from . import _sounding
    from ._sounding import SoundingError
    __all__ += ["read_sounding", "Sounding", "SoundingTest", "SoundingColumn", "CptImport",
                "SoundingError"]
else:
    _sounding = None

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
    """The capacity table of one method: one NumPy array per column, one row per printed depth,
    holding the engine's doubles as it computed them.

    depth: penetration (ft | m); skin_friction, end_bearing, total (kips | kN), end bearing being the
    pile's self weight under tension; unit_skin_friction and unit_end_bearing (ksf | kPa).
    unit_end_bearing is the method's unit end bearing at the row's tip, before the LRFD factor on
    unit bearing: what bears on the full section (end_bearing averages it over three diameters about
    the tip). Where the soil plug controls the tip (``plug_controlled``, the report's asterisk),
    end_bearing is instead the force on the annulus plus the friction of the plug; under tension
    unit_end_bearing stays what the base would bear in compression. ``tip`` is (penetration, skin
    friction, end bearing, ultimate capacity) at the last penetration row, the pile tip unless the
    pile length is not a whole number of computation increments: then the run's ``warnings`` name
    both depths. ``warnings`` here are the method's own, in sentences.
    """

    name: str
    code: int
    depth: _np.ndarray
    skin_friction: _np.ndarray
    end_bearing: _np.ndarray
    total: _np.ndarray
    unit_skin_friction: _np.ndarray
    tip: tuple
    unit_end_bearing: _np.ndarray = _field(default_factory=lambda: _np.zeros(0))
    plug_controlled: _np.ndarray = _field(default_factory=lambda: _np.zeros(0, dtype=bool))
    warnings: _List[str] = _field(default_factory=list)


@_dataclass(frozen=True)
class RunWarning:
    """A warning of a run: ``text``, and the ``method`` (its name) and ``depth`` (ft | m below the
    ground surface) it concerns, each None where it has none. ``str()`` gives the whole sentence:
    "UWA, at 27.50 m: A clay segment lies closer than ..."."""

    text: str
    method: _Optional[str] = None
    depth: _Optional[float] = None
    sentence: str = ""

    def __str__(self):
        return self.sentence or self.text


@_dataclass(frozen=True)
class WorkingLoad:
    """The settlement of the pile head at a working load: ``fraction`` of the capacity at the tip of
    ``method`` (its name), ``load`` (kips | kN), and the head and tip movements the load-settlement
    solution of the load-transfer method gives at that head load (in | m, as ``head_movement``), solved
    at the load itself; None when the load lies above every head load of the curve."""

    method: str
    fraction: float
    load: float
    head_movement: _Optional[float]
    tip_movement: _Optional[float]


class MethodName(str):
    """The name of a method of a run, as :attr:`Results.methods` lists them ("API RP 2A").

    Scripts written when ``Results.methods`` held the capacity tables still find a table's columns
    on it (``results.methods[0].total``), with a DeprecationWarning: :attr:`Results.capacities` and
    :meth:`Results.capacity` hold the tables."""

    _table: "MethodCapacity"

    def __new__(cls, table: "MethodCapacity"):
        name = super().__new__(cls, table.name)
        name._table = table
        return name

    def __getattr__(self, attribute):
        if attribute.startswith("_"):
            raise AttributeError(attribute)
        table = self._table
        if not hasattr(table, attribute):
            raise AttributeError(f"'MethodName' object has no attribute {attribute!r}")
        _warnings.warn(f"Results.methods holds the names of the methods; Results.capacity({str(self)!r})."
                       f"{attribute} is the capacity table's", DeprecationWarning, stacklevel=2)
        return getattr(table, attribute)

    def __reduce__(self):
        return (str, (str(self),))


class Results:
    """What one run gives, in the project's units, as the engine computed it (not rounded as the
    report and the plot file print it).

    Attributes:
        units: "English" or "SI".
        stop: None, or why the run stopped before its results (soil profile too shallow, too many
            segments); ``stop_reason`` is then "soil extent" or "segment limit".
        warnings: every warning of the run that did not stop it (:class:`RunWarning`, each with its
            method and depth): the checks' warnings about the input, the data, the methods' own and
            the solver's.
        methods: the names of the methods that gave capacity tables, in the report's order, as
            :attr:`Project.methods` names them.
        capacities: their capacity tables (:class:`MethodCapacity`), in the same order;
            :meth:`capacity` finds one by name or code.
        head_load, head_movement, tip_load, tip_movement: the load-settlement curve at the pile head
            and the Q-w curve at the tip, one value per load level (kips | kN; in | m).
        distribution_depth, distribution_load, distribution_movement: the load distribution, one row
            per load level, one column per printed depth (ft | m; kips | kN; in | m).
        tz_curves, extra_tz_curves: the t-z curves along the shaft and at the t-z print depths inside
            the soil, each a dict of depth (ft | m), load_transfer (ksf | kPa) and movement (in | m).
        tip_curve: the Q-w curve of the tip, a dict of load (kips | kN) and movement (in | m); None
            for a stopped run.
        load_transfer_method: the code of the method of the curves above.
        working_loads: the head movement at the working loads (:class:`WorkingLoad`), per selected
            method and per fraction of its capacity at the tip (1/2 and 1/3 unless the project sets
            its own).
        report, plot_text, console: the texts of the report, the plot data file and the console
            when the run formatted them (``run(..., report=True)``), else None.
        setup: None for the capacity at the end of driving; after ``run(..., setup=...)`` a dict of
            ``days`` after driving and, for "sand" and "clay", a dict of ``a``, ``t0_days`` and the
            ``factor`` their skin friction (and t-z curves) were multiplied by; under "layers" a list
            of the layers whose soil points give an A or t0 of their own (``SoilPoint.setup_a``,
            ``setup_t0_days``), each a dict of ``layer``, ``top``, ``bottom``, ``soil``, ``a``,
            ``t0_days`` and ``factor``.
    """

    def __init__(self, raw: dict):
        self.units: str = raw["units"]
        self.stop: _Optional[str] = raw["stop"]
        self.stop_reason: _Optional[str] = raw["stop_reason"]
        self.warnings: _List[RunWarning] = [RunWarning(w["text"], w["method"], w["depth"], w["sentence"])
                                           for w in raw["warnings"]]
        self.console: _Optional[str] = raw["console"]
        self.report: _Optional[str] = raw["report"]
        self.plot_text: _Optional[str] = raw["plot_text"]
        self.capacities: _List[MethodCapacity] = [
            MethodCapacity(m["name"], m["code"], m["depth"], m["skin_friction"], m["end_bearing"], m["total"],
                           m["unit_skin_friction"], tuple(m["tip"]), m["unit_end_bearing"],
                           m["plug_controlled"], list(m["warnings"]))
            for m in raw["methods"]]
        self.load_transfer_method: int = raw["load_transfer_method"]
        self.head_load = raw["head_load"]
        self.head_movement = raw["head_movement"]
        self.tip_load = raw["tip_load"]
        self.tip_movement = raw["tip_movement"]
        self.distribution_depth = raw["distribution_depth"]
        self.distribution_load = raw["distribution_load"]
        self.distribution_movement = raw["distribution_movement"]
        self.tz_curves: _List[dict] = raw["tz_curves"]
        self.extra_tz_curves: _List[dict] = raw["extra_tz_curves"]
        self.tip_curve: _Optional[dict] = raw["tip_curve"]
        self.working_loads: _List[WorkingLoad] = [WorkingLoad(**w) for w in raw["working_loads"]]
        self.methods: _List[str] = [MethodName(m) for m in self.capacities]
        self.setup: _Optional[dict] = raw["setup"]

    def capacity(self, method) -> MethodCapacity:
        """The capacity table of a method given by name ("API RP 2A") or code (4)."""
        code = method_code(method)
        for m in self.capacities:
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
        columns = ["depth", "skin_friction", "end_bearing", "total", "unit_skin_friction", "unit_end_bearing",
                   "plug_controlled"]
        frames = [pandas.DataFrame({"method": m.name, **{c: getattr(m, c) for c in columns}})
                  for m in self.capacities]
        if not frames:
            return pandas.DataFrame(columns=["method"] + columns)
        return pandas.concat(frames, ignore_index=True)

    def __repr__(self):
        # <torve.Results SI: API RP 2A 12345.6 kN, UWA 11876.2 kN at 45 m; 2 warnings>: the capacity of
        # each method at the tip, which is what a glance at a run looks for.
        force, length = ("kN", "m") if self.units == "SI" else ("kips", "ft")
        tips = ", ".join(f"{m.name} {m.tip[3]:.1f} {force}" for m in self.capacities)
        text = f"<torve.Results {self.units}: {tips or 'no capacity table'}"
        if self.capacities:
            text += f" at {self.capacities[0].tip[0]:g} {length}"
        if self.setup:
            text += f", {self.setup['days']:g} days after driving"
        if self.stop:
            text += f"; stopped: {self.stop}"
        if self.warnings:
            text += f"; {len(self.warnings)} warning{'s' if len(self.warnings) != 1 else ''}"
        return text + ">"


class RunFailure:
    """A case of :func:`run_many` that did not run, in its place among the :class:`Results`:
    ``index`` (counted from 0 in the projects given), ``project`` and ``error``, the
    :class:`InputError` that :func:`run` raises for it (``error.findings`` lists what it refuses).
    It is false in a test, so ``[r for r in results if r]`` keeps the results that ran."""

    def __init__(self, index: int, project: Project, error: Exception):
        self.index = index
        self.project = project
        self.error = error

    def __bool__(self) -> bool:
        return False

    def __str__(self) -> str:
        return f"case {self.index}: {self.error}"

    def __repr__(self) -> str:
        first = str(self.error).splitlines()[0] if str(self.error) else type(self.error).__name__
        return f"<torve.RunFailure case {self.index}: {first}>"


def _setup_request(setup) -> _Optional[_Tuple[float, _Optional[float], _Optional[float]]]:
    """(days, a, t0_days) of a set-up dict, or None; the engine checks the ranges."""
    if setup is None:
        return None
    if not isinstance(setup, _Mapping):
        raise TypeError(f"setup expects a dict of days, a and t0_days, got {type(setup).__name__}")
    unknown = sorted(str(k) for k in setup if k not in ("days", "a", "t0_days"))
    if unknown:
        raise TypeError(f"setup takes days, a and t0_days, not {', '.join(unknown)}")
    if "days" not in setup:
        raise TypeError("setup needs days: the time after driving in days")

    def number(key):
        value = setup.get(key)
        if value is None and key != "days":
            return None
        if isinstance(value, bool) or not isinstance(value, _numbers.Real):
            raise TypeError(f"setup {key} expects a number, got {type(value).__name__}")
        return float(value)

    return (number("days"), number("a"), number("t0_days"))


def run(project: Project, report: bool = False, time: _Optional[_datetime.datetime] = None,
        setup: _Optional[dict] = None) -> Results:
    """Runs the analysis of ``project`` in this process and returns its :class:`Results`.

    No file is read or written: the project's fields (and CPT points) are the input. The results
    are the engine's doubles, whether or not texts are made. The interpreter lock is released while
    the engine computes, so other Python threads go on.

    Args:
        project: a :class:`Project`.
        report: also format the texts: ``results.report``, ``results.plot_text`` and
            ``results.console``. Left out, the engine only computes and formats no text at all, which
            is what a study of many variations wants.
        time: the local time the report's date block shows; the clock at the start of the run when
            None. With the same time, the report and plot texts are byte for byte those that
            ``torve run`` writes for the same project file.
        setup: the capacity a time after driving, ``dict(days=T, a=A, t0_days=T0)``: the skin
            friction of each soil type (and the t-z curves on it) times 1 + A log10(T/T0) (Skov &
            Denver 1988), 1 before T0; the end bearing unchanged. Left out, A and T0 are each soil
            type's own: sand 0.2 and 0.5 day, clay 0.6 and 1 day. ``Results.setup`` gives the
            factors. None: the capacity at the end of driving.

    Raises:
        ValueError: a set-up of negative or infinite days, A below 0 or T0 not above 0.
        InputError: a project with errors that the analysis refuses; its message lists them all,
            each with its record, field and value, and ``error.findings`` holds them
            (:meth:`Project.check` gives the warnings as well). A run that stops at the soil extent
            or the segment limit is not refused: see ``Results.stop``.
    """
    result = run_many([project], jobs=1, report=report, time=time, errors="raise", setup=setup)[0]
    assert isinstance(result, Results)
    return result


class Downdrag:
    """The pile of a project in settling soil under a sustained head load, solved on the t-z and Q-w
    curves of its load-transfer method (:func:`downdrag`). Depths below the ground surface (ft | m,
    negative in the stickup), loads (kips | kN), movements and settlements (in | mm).

    Attributes:
        units: "English" or "SI".
        head_load: the sustained head load.
        neutral_plane: where the pile and the soil move alike: the soil settles past the pile above it
            (negative skin friction) and the pile moves past the soil below it.
        equilibrium_neutral_plane: where the head load plus the peak friction above equals the peak
            friction below plus the toe load as mobilised (force equilibrium alone); None when the
            load is beyond that equilibrium.
        drag_force: the largest axial load less the head load.
        max_load, max_load_depth: the largest axial load and its depth.
        head_settlement: the settlement of the pile head.
        toe_movement, toe_penetration, toe_load: the toe's movement, its movement less the soil
            settlement there (what the Q-w curve is read at) and its load.
        depth, axial_load, pile_movement, soil_settlement: NumPy arrays along the pile from the head to
            the toe, at the solver's segment boundaries.
        resistance: NumPy array at the same depths: the peak friction below each depth plus the toe
            load, what the axial load meets from below at the neutral plane of equilibrium alone
            (where the head load plus the peak friction above equals it).
        warnings: the run's warnings (:class:`RunWarning`).
    """

    def __init__(self, raw: dict):
        self.units: str = raw["units"]
        self.warnings: _List[RunWarning] = [RunWarning(w["text"], w["method"], w["depth"], w["sentence"])
                                           for w in raw["warnings"]]
        self.head_load: float = raw["head_load"]
        self.neutral_plane: float = raw["neutral_plane"]
        self.equilibrium_neutral_plane: _Optional[float] = raw["equilibrium_neutral_plane"]
        self.drag_force: float = raw["drag_force"]
        self.max_load: float = raw["max_load"]
        self.max_load_depth: float = raw["max_load_depth"]
        self.head_settlement: float = raw["head_settlement"]
        self.toe_movement: float = raw["toe_movement"]
        self.toe_penetration: float = raw["toe_penetration"]
        self.toe_load: float = raw["toe_load"]
        self.depth: _np.ndarray = raw["depth"]
        self.axial_load: _np.ndarray = raw["axial_load"]
        self.pile_movement: _np.ndarray = raw["pile_movement"]
        self.soil_settlement: _np.ndarray = raw["soil_settlement"]
        self.resistance: _np.ndarray = raw["resistance"]

    def __repr__(self) -> str:
        length, force, movement = ("ft", "kips", "in") if self.units == "English" else ("m", "kN", "mm")
        return (f"<torve.Downdrag neutral plane {self.neutral_plane:.2f} {length}, drag force "
                f"{self.drag_force:.1f} {force}, head settlement {self.head_settlement:.2f} {movement}>")


def downdrag(project: Project,
             soil_settlement: _Optional[_Tuple[_Sequence[float], _Sequence[float]]] = None,
             head_load: _Optional[float] = None) -> Downdrag:
    """Solves the pile of ``project`` in settling soil under the sustained ``head_load`` (kips | kN).

    Friction is read from each segment's t-z curve at the movement of the pile relative to the soil:
    negative where the soil settles past the pile, positive where the pile moves past the soil; the
    toe from its Q-w curve at its movement less the soil settlement there. No file is read or
    written.

    Args:
        project: a :class:`Project`.
        soil_settlement: (depths, settlements): depths below the ground surface (ft | m), strictly
            increasing, and the soil's settlement at each (in | mm), linear between them and held above
            the first and below the last.
            None: the project's own :attr:`Project.soil_settlement`.
        head_load: the sustained head load (dead load and sustained live load); None: the
            project's own :attr:`Project.head_load`.

    Raises:
        InputError: a project with errors that the analysis refuses, as :func:`run`.
        ValueError: a settlement profile with unsorted depths, a value that is not a finite number or
            unequal lengths (the message names the point), or a head load beyond what the pile can
            carry.
        RuntimeError: a run that stops at the soil extent or the segment limit, or a load-transfer
            method that did not run.
    """
    if soil_settlement is None:
        soil_settlement = project.soil_settlement
        if soil_settlement is None:
            raise ValueError("downdrag: the project holds no soil settlement; give soil_settlement")
    if head_load is None:
        head_load = project.head_load
        if head_load is None:
            raise ValueError("downdrag: the project holds no head load; give head_load")
    depths, settlements = soil_settlement
    raw = _engine.downdrag(project, [float(d) for d in depths], [float(s) for s in settlements],
                           float(head_load))
    return Downdrag(raw)


def _hammer_json(hammer: dict) -> str:
    # The engine reads the dict as it reads a hammer file, field by field; NaN and Infinity are
    # written out so that it refuses them by name.
    if not isinstance(hammer, dict):
        raise TypeError(f"hammer must be a dict of the hammer file's fields, not {type(hammer).__name__}")
    return _json.dumps(hammer, allow_nan=True, default=str)


class Driveability:
    """Blow count against tip depth (:func:`driveability`). Depths (ft | m), resistances (kips | kN),
    stresses (ksi | MPa); blow counts per ft (English) or per 0.25 m (S.I.), NaN at refusal.

    Attributes:
        units: "English" or "SI".
        depth, srd_shaft, srd_base, srd_total: the static resistance to driving per tip depth.
        blow_count, cumulative_blows: blows per ft | 0.25 m, and the blows from the first depth down
            (the trapezoid between depths; NaN from the first refusal on).
        max_compression, max_tension: the largest stresses of each blow anywhere in the pile.
        enthru_kj: the energy each blow gave the pile head.
    """

    def __init__(self, raw: dict):
        self.units: str = raw["units"]
        self.depth: _np.ndarray = raw["depth"]
        self.srd_shaft: _np.ndarray = raw["srd_shaft"]
        self.srd_base: _np.ndarray = raw["srd_base"]
        self.srd_total: _np.ndarray = raw["srd_total"]
        self.blow_count: _np.ndarray = raw["blow_count"]
        self.cumulative_blows: _np.ndarray = raw["cumulative_blows"]
        self.max_compression: _np.ndarray = raw["max_compression"]
        self.max_tension: _np.ndarray = raw["max_tension"]
        self.enthru_kj: _np.ndarray = raw["enthru_kj"]

    def __repr__(self) -> str:
        return f"<torve.Driveability {len(self.depth)} depths>"


class Blow:
    """One hammer blow (:func:`wave_equation`). The set in m and energies in kJ in both unit
    systems; forces (kips | kN), stresses (ksi | MPa), velocities (ft/s | m/s), positions below the
    pile head (ft | m), time in s.

    Attributes:
        units, refusal: "English" or "SI"; True where the blow leaves no permanent set.
        set_m, blow_count: the permanent set and the blows per ft | 0.25 m (NaN at refusal).
        enthru_kj, impact_energy_kj, energy_error_kj: the energy transferred to the pile head, the
            ram's at impact and the time stepping's error in the energy audit.
        max_compression, max_compression_at, max_tension, max_tension_at: the largest stresses and
            where along the pile.
        time, head_force, head_velocity: NumPy arrays, one entry per time step.
    """

    def __init__(self, raw: dict):
        self.units: str = raw["units"]
        self.refusal: bool = raw["refusal"]
        self.set_m: float = raw["set_m"]
        self.blow_count: float = raw["blow_count"]
        self.enthru_kj: float = raw["enthru_kj"]
        self.impact_energy_kj: float = raw["impact_energy_kj"]
        self.energy_error_kj: float = raw["energy_error_kj"]
        self.max_compression: float = raw["max_compression"]
        self.max_compression_at: float = raw["max_compression_at"]
        self.max_tension: float = raw["max_tension"]
        self.max_tension_at: float = raw["max_tension_at"]
        self.time: _np.ndarray = raw["time"]
        self.head_force: _np.ndarray = raw["head_force"]
        self.head_velocity: _np.ndarray = raw["head_velocity"]

    def __repr__(self) -> str:
        count = "refusal" if self.refusal else f"{self.blow_count:.1f} blows"
        return f"<torve.Blow set {self.set_m * 1000:.2f} mm, {count}, ENTHRU {self.enthru_kj:.1f} kJ>"


def driveability(project: Project, hammer: dict, srd: str = "alm-hamre",
                 depths: _Optional[_Sequence[float]] = None, jobs: int = 0, shaft_factor: float = 1.0,
                 base_factor: float = 1.0, friction_angle: float = 29.0) -> Driveability:
    """Drives the pile of ``project`` with ``hammer``: per tip depth the static resistance to
    driving by ``srd`` ("alm-hamre" or "unified-srd") and one blow of Smith's wave equation on the
    whole pile with that resistance spread along it.

    Args:
        project: a :class:`Project`.
        hammer: the fields of a hammer file: ``name``, ``ram_mass_kg``, ``stroke_m`` or
            ``energy_kj``, ``efficiency``, ``hammer_cushion`` (``area_m2``, ``thickness_m``,
            ``modulus_mpa``, ``cor``) or None, ``helmet_mass_kg``, optionally ``pile_cushion``.
        depths: tip depths (ft | m); None: every 3 ft | 1 m down to the pile's length.
        jobs: threads for the blows (0: one per core).
        shaft_factor, base_factor: factors on the shaft and the base resistance to driving (1: the
            best estimate; e.g. 1.25 on the base for an upper bound), 0 or more.
        friction_angle: the interface friction angle of sand on the pile in Alm & Hamre's sand
            friction, degrees, between 0 and 90 (UniSand-SRD has its own).

    Raises:
        ValueError: a hammer field refused (named), an unknown ``srd``, a depth beyond the pile, a
            negative factor or an angle outside (0, 90), or a value the resistance to driving needs
            and lacks.
    """
    raw = _engine.driveability(project, _hammer_json(hammer), srd,
                               None if depths is None else [float(d) for d in depths], int(jobs),
                               float(shaft_factor), float(base_factor), float(friction_angle))
    return Driveability(raw)


def wave_equation(project: Project, hammer: dict, resistance: float, srd: str = "alm-hamre",
                  shaft_fraction: _Optional[float] = None, segment_length: float = 1.0) -> Blow:
    """One blow of ``hammer`` on the pile of ``project`` at its own length against the ultimate
    ``resistance`` (kips | kN), spread over shaft and toe as the resistance to driving by ``srd``
    is there, or with ``shaft_fraction`` of it evenly along the embedded shaft and the rest at the
    toe. Pile segments ``segment_length`` m long or shorter (at least 10).

    Raises:
        ValueError: as :func:`driveability`, or a resistance that is negative or not finite.
    """
    raw = _engine.wave_equation(project, _hammer_json(hammer), float(resistance), srd,
                                None if shaft_fraction is None else float(shaft_fraction),
                                float(segment_length))
    return Blow(raw)


class Characteristic:
    """The characteristic capacity of one pile from projects with one sounding each
    (:func:`characteristic`), per depth of the capacity table (ft | m), forces in kips | kN.

    Attributes:
        units: "English" or "SI".
        method: the name of the method the projects were analysed with.
        names: the projects' files (for a project never saved, "project N" by its place).
        stiff: whether the factors are those of a stiff structure.
        depth: NumPy array of the depths common to every project's table.
        capacities: 2-D NumPy array, a row per project: its calculated capacity at each depth.
        mean, minimum: NumPy arrays of the mean and the least of the capacities.
        xi3, xi4: NumPy arrays of the correlation factors (the same at every depth).
        characteristic: NumPy array of R_c,k = min(mean / xi3, minimum / xi4).
        design: NumPy array of R_c,d = R_c,k / 1.2.
        warnings: a list per project of the sentences of its run's warnings.
    """

    def __init__(self, raw: dict):
        self.units: str = raw["units"]
        self.method: str = raw["method"]
        self.names: _List[str] = list(raw["names"])
        self.stiff: bool = raw["stiff"]
        self.depth: _np.ndarray = raw["depth"]
        self.capacities: _np.ndarray = raw["capacities"]
        self.mean: _np.ndarray = raw["mean"]
        self.minimum: _np.ndarray = raw["minimum"]
        self.xi3: _np.ndarray = raw["xi3"]
        self.xi4: _np.ndarray = raw["xi4"]
        self.characteristic: _np.ndarray = raw["characteristic"]
        self.design: _np.ndarray = raw["design"]
        self.warnings: _List[_List[str]] = [list(w) for w in raw["warnings"]]

    def __repr__(self) -> str:
        force = "kips" if self.units == "English" else "kN"
        tip = f", R_c,k {self.characteristic[-1]:.1f} {force} at the tip" if len(self.depth) else ""
        return f"<torve.Characteristic {self.method}, {len(self.names)} soundings{tip}>"


def characteristic(projects: _Iterable[Project], method, stiff: bool = False) -> Characteristic:
    """The characteristic capacity of one pile from ``projects``: the same pile and soil layers, each
    with its own sounding (its CPT points or its layers' properties), each analysed with ``method``
    alone (a code or a name of :data:`METHODS`, whether the project selects it or not).

    Per depth: the mean and the least of the calculated capacities, the correlation factors xi3 and
    xi4 for the number of projects (1.39 and 1.39 for one, 1.25 and 1.00 for ten or more; divided by
    1.1 when ``stiff``, a structure that moves load from weak piles to strong ones) and R_c,k =
    min(mean / xi3, minimum / xi4). No file is read or written.

    Raises:
        InputError: a project with errors that the analysis refuses, as :func:`run`.
        ValueError: an unknown method, no project, or a project whose pile or soil layers differ from
            the first one's (the message names the project and what differs).
        RuntimeError: a run that stops at the soil extent or the segment limit, or a method that does
            not run on a project (a cone-based method without offshore data).
    """
    code = method_code(method)
    return Characteristic(_engine.characteristic(list(projects), code, bool(stiff)))


def run_many(projects: _Iterable[Project], jobs: int = 1, report: bool = False,
             time: _Optional[_datetime.datetime] = None,
             errors: str = "return", setup: _Optional[dict] = None) -> _List[_Union[Results, RunFailure]]:
    """Runs several projects side by side on ``jobs`` threads; one entry per project, in order.

    Every run has its own state inside the engine, so the results are those of :func:`run` one
    after another. ``report``, ``time`` and ``setup`` are as for :func:`run`.

    Args:
        errors: what a project that :func:`run` would refuse gives. "return" (the default): a
            :class:`RunFailure` in its place, holding the :class:`InputError`, while every other
            project runs; a study of many variations keeps what ran. "raise": the InputError of the
            first such project, raised before any project runs.

    A run that stops at the soil extent or the segment limit is no failure: its Results say so
    (``Results.stop``). Something that is no project raises TypeError at once, whatever ``errors``.
    """
    projects = list(projects)
    if isinstance(jobs, bool) or not isinstance(jobs, _numbers.Integral):
        raise TypeError(f"jobs expects a whole number of threads, got {type(jobs).__name__}")
    if jobs < 1:
        raise ValueError(f"jobs must be at least 1, got {jobs}")
    if errors not in ("return", "raise"):
        raise ValueError(f"errors is 'return' or 'raise', not {errors!r}")
    aged = _setup_request(setup)
    for p in projects:
        if not isinstance(p, Project):
            raise TypeError(f"run_many takes torve.Project objects, not {type(p).__name__}")
    refusals = [_engine.run_refusal(p) for p in projects]
    if errors == "raise":
        for refusal in refusals:
            if refusal is not None:
                raise refusal
    runnable = [p for p, refusal in zip(projects, refusals) if refusal is None]
    # More threads than projects would have nothing to do: any larger count runs one per project.
    threads = min(int(jobs), max(1, len(runnable)))
    ran = iter(_engine.run_projects(runnable, threads, bool(report), time, aged))
    return [Results(next(ran)) if refusal is None else RunFailure(i, p, refusal)
            for i, (p, refusal) in enumerate(zip(projects, refusals))]


def _methods_get(self) -> _List[str]:
    return [METHODS[c] for c in self.selected_methods]


def _methods_set(self, methods) -> None:
    # One name is one method: "UWA" is not the methods "U", "W" and "A".
    if isinstance(methods, (str, int)):
        methods = [methods]
    self.selected_methods = [method_code(m) for m in methods]


Project.methods = property(_methods_get, _methods_set, doc=(
    "The selected methods by name (see METHODS), as Results.methods names those that ran; assign\n"
    "names or codes, a list or one: ['API RP 2A', 'NGI'], 'UWA', 4."))


def _convert(self, units: str) -> None:
    """Converts every value of the project to ``units`` ("SI" or "English"; "S.I." too), as
    ``torve convert`` and the desktop's Options > Units convert them: the pile, the soil points,
    the sections, the t-z print depths and the CPT points; everything else stays as it was, the
    offshore-data flag included. Assigning ``units`` instead only relabels the values. Needs the desktop core (a build with Qt), as the conversion is that one.

    Raises:
        ValueError: units that are neither; RuntimeError: a build without the desktop core.
    """
    target = {"si": "SI", "s.i.": "SI", "english": "English"}.get(str(units).lower())
    if target is None:
        raise ValueError(f"convert() takes 'SI' or 'English', not {units!r}")
    if target == self.units:
        return
    if _sounding is None:
        raise RuntimeError("this build of torve cannot convert units: it was built without the desktop core (Qt)")
    offshore = self.offshore_data
    text, cpt, layers = _sounding.convert_project(self.input_text(), self._cpt_text(), target,
                                                  self._layers_text())
    self._take_texts(text, cpt, layers)
    # The desktop core writes its edition's offshore-data flag; here whether the cone-based methods
    # run stays the project's own choice, which no change of units touches.
    self.offshore_data = offshore


Project.convert = _convert


class FieldList(_MutableSequence):
    """A list field of a project (``soil_points``, ``sections``, ``cpt_points``, ``tz_print_depths``)
    as a list that stands for the field: reading it reads the project, and a change in place
    (``append``, ``del``, item assignment) assigns the changed list to the project, checked as an
    assignment of the whole list is. A change the checks refuse raises InputError and leaves the
    project as it was. ``copy()`` gives a plain list that changes nothing."""

    __slots__ = ("_project", "_field")
    __hash__ = None  # type: ignore[assignment]

    def __init__(self, project: Project, field: property):
        self._project = project
        self._field = field

    def _items(self) -> list:
        return list(self._field.fget(self._project) or [])

    def _assign(self, items: list) -> None:
        self._field.fset(self._project, items)

    def __getitem__(self, index):
        return self._items()[index]

    def __len__(self) -> int:
        return len(self._items())

    def __setitem__(self, index, value) -> None:
        items = self._items()
        items[index] = value
        self._assign(items)

    def __delitem__(self, index) -> None:
        items = self._items()
        del items[index]
        self._assign(items)

    def insert(self, index: int, value) -> None:
        items = self._items()
        items.insert(index, value)
        self._assign(items)

    # One assignment for the whole change, not one per item: it is checked once, and a refusal
    # leaves none of it behind.
    def extend(self, values) -> None:
        self._assign(self._items() + list(values))

    def __iadd__(self, values):
        self.extend(values)
        return self

    def reverse(self) -> None:
        self._assign(self._items()[::-1])

    def clear(self) -> None:
        self._assign([])

    def copy(self) -> list:
        """The items as a plain list; soil points as points of their own (SoilPoint.copy())."""
        return [item.copy() if isinstance(item, SoilPoint) else item for item in self._items()]

    def __eq__(self, other) -> bool:
        if isinstance(other, (FieldList, list, tuple)):
            return self._items() == list(other)
        return NotImplemented

    def __repr__(self) -> str:
        return repr(self._items())


def _field_list(name: str, doc: str, none_when_empty: bool = False) -> property:
    field = getattr(Project, name)

    def get(self):
        if none_when_empty and field.fget(self) is None:
            return None
        return FieldList(self, field)

    def set(self, value) -> None:
        field.fset(self, list(value) if isinstance(value, FieldList) else value)

    return property(get, set, doc=doc)


Project.soil_points = _field_list("soil_points", (
    "The soil points, two per layer (torve.SoilPoint): project.soil_points[0].su = 20.0 changes the\n"
    "project, checked; so do append, insert, del and assigning a new list."))
Project.tz_print_depths = _field_list("tz_print_depths", (
    "Extra depths of printed t-z curves, or None for none; a change in place changes the project."),
    none_when_empty=True)
Project.sections = _field_list("sections", (
    "(depth, area) rows of a cross-section area varying with depth (section mode 2); a change in\n"
    "place changes the project."))
Project.cpt_points = _field_list("cpt_points", (
    "(depth, qc) rows of the CPT profile (qc in lb/ft2 or kPa), or [] for none; assign None to drop\n"
    "the CPT data file. A change in place changes the project, and drops the cone readings\n"
    "(cone_readings) that went with the points before."))


@_dataclass(frozen=True)
class SoundingColumn:
    """A column of a test as the file gives it: its heading, its unit as the file writes it ("" when
    none), and its values in that unit, NaN where a row gives none."""

    heading: str
    unit: str
    values: _np.ndarray


@_dataclass(frozen=True)
class SoundingTest:
    """One cone penetration test of a file.

    Attributes:
        id: its name (an AGS4 location and test "CPT-01/1", else the file's own or the file's name).
        rows: how many rows it has.
        area_ratio: the cone's net area ratio a, or None when the file does not give it.
        start_level: the level of the start of the test (m, GEF #ZID), or None.
        columns: the columns found, by quantity: "depth", "penetration_length", "qc", "fs", "u2", "qt".
    """

    id: str
    rows: int
    area_ratio: _Optional[float]
    start_level: _Optional[float]
    columns: _Dict[str, SoundingColumn]


@_dataclass(frozen=True)
class Sounding:
    """The tests of a cone data file, in the file's order; format is "AGS4", "GEF", "BRO-XML" or "CSV"."""

    format: str
    tests: _List[SoundingTest]


@_dataclass(frozen=True)
class CptImport:
    """What an import into a project's CPT points did.

    Attributes:
        summary: the lines ``torve cpt import`` prints ("Rows read: 5.", ...).
        test, format: the test imported and the file's format.
        use: "qt" or "qc", the cone resistance of the points; area_ratio the a of qt = qc + (1 - a) u2
            (None when qc is used or the file's own qt is taken).
        rows_read: rows of the test; skipped_no_depth, skipped_no_value: rows skipped without a depth,
            or without the cone resistance used.
        averaged: whether more than 1000 usable rows were averaged over equal depth intervals; usable
            is then the rows before averaging and interval the interval (ft | m), else None.
        points: the number of CPT points.
    """

    summary: _List[str]
    test: str
    format: str
    use: str
    area_ratio: _Optional[float]
    depth_from: str
    rows_read: int
    skipped_no_depth: int
    skipped_no_value: int
    sorted: bool
    averaged: bool
    usable: int
    interval: _Optional[float]
    points: int

    def __str__(self):
        return "\n".join(self.summary)


_ColumnsArg = _Optional[_Mapping[str, _Union[str, _Tuple[str, str]]]]


def _path_bytes(argument: str, path) -> bytes:
    """A path (str, bytes or os.PathLike) as the bytes the system takes; TypeError naming the argument."""
    if not isinstance(path, (str, bytes)) and not hasattr(path, "__fspath__"):
        raise TypeError(f"{argument} expects a str, bytes or os.PathLike, got {type(path).__name__}")
    return _os.fsencode(path)


def _sounding_module():
    if _sounding is None:
        raise RuntimeError("this build of torve reads no cone data files: it was built without Qt")
    return _sounding


def _column_choices(columns: _ColumnsArg) -> _List[_Tuple[str, str, str]]:
    """{"qc": "Cone:MPa", "depth": ("Level", "m")} as (quantity, heading, unit) triples."""
    choices = []
    for quantity, column in (columns or {}).items():
        if isinstance(column, str):
            heading, colon, unit = column.rpartition(":")
            if not colon:
                heading, unit = column, ""
        else:
            heading, unit = column
        choices.append((str(quantity).lower(), heading, unit))
    return choices


def read_sounding(path, columns: _ColumnsArg = None) -> Sounding:
    """The tests and columns of a cone data file (.ags, .gef, .xml or .csv), as ``torve cpt show`` lists them.

    Args:
        path: the file; its extension names the format.
        columns: for a CSV file whose headings are not recognised, the column of each quantity:
            {"qc": "Cone:MPa"} or {"qc": ("Cone", "MPa")}; quantities depth, penetration_length, qc,
            fs, u2, qt.

    Raises:
        SoundingError: a file missing, too large or damaged, with its name, line and what was expected.
    """
    raw = _sounding_module().read_sounding(_path_bytes("path", path), _column_choices(columns))
    return Sounding(raw["format"], [
        SoundingTest(t["id"], t["rows"], t["area_ratio"], t["start_level"],
                     {q: SoundingColumn(*c) for q, c in t["columns"].items()})
        for t in raw["tests"]])


def _import_cpt(self, path, test: _Union[str, int, None] = None, use: _Optional[str] = None,
                columns: _ColumnsArg = None) -> CptImport:
    """Imports a test of a cone data file into the project's CPT points, as ``torve cpt import`` does.

    Depth from the depth column (else penetration length); qt = qc + (1 - a) u2 where u2 and the
    area ratio are known (else the file's own qt), or qc; converted to the project's units (ft | m,
    lb/ft2 | kPa). Rows without a depth or the value are skipped, rows out of order sorted, and more
    than 1000 rows averaged over equal depth intervals. The points replace ``cpt_points``, and the
    test's fs, u2 and qt at the same depths replace ``cone_readings`` (none when it has none); the
    .cpt file, and the .cone.csv file of the readings, are written with the project (``write``).

    Args:
        path: the file (.ags, .gef, .xml or .csv).
        test: the test by its name or its number counted from 1 (see :func:`read_sounding`); needed
            when the file holds more than one.
        use: "qt" or "qc"; None takes qt when every row with qc has it, else qc.
        columns: as for :func:`read_sounding`.

    Raises:
        SoundingError: the file cannot be read, there is no such test, a unit is unknown, qt is
            asked for and not given, or no row is usable. The points are then left as they were.
    """
    if use is not None and str(use).lower() not in ("qc", "qt"):
        raise ValueError(f"use is 'qc', 'qt' or None, not {use!r}")
    raw = _sounding_module().import_sounding(
        _path_bytes("path", path), "" if test is None else str(test), self.units == "SI",
        "default" if use is None else str(use).lower(), _column_choices(columns))
    self.cpt_points = raw["points"]
    self.cone_readings = raw["readings"]
    interval = raw["interval"]
    return CptImport(raw["summary"], raw["test"], raw["format"], raw["use"],
                     raw["area_ratio"] if raw["use"] == "qt" and not raw["qt_given_only"] else None,
                     raw["depth_from"], raw["rows_read"], raw["skipped_no_depth"], raw["skipped_no_value"],
                     raw["sorted"], interval is not None or raw["usable"] > len(raw["points"]),
                     raw["usable"], interval, len(raw["points"]))


Project.import_cpt = _import_cpt
