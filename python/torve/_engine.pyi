# Types of torve._engine, the engine built into the package. The package's own __init__.py adds
# Project.methods, Project.import_cpt, Project.convert and the list views of Project; they are
# declared here too, as a Project has them once torve is imported.
import datetime
import enum
import os
from typing import Any, Dict, Iterable, List, MutableSequence, Optional, Sequence, Tuple, Union

from . import CptImport

version: str
METHODS: Dict[int, str]

class InputError(ValueError):
    file: Optional[str]
    record: Optional[str]
    line: Optional[int]
    field: Optional[str]
    findings: List[Finding]

class InputWarning(UserWarning): ...

# A code field takes a member of its IntEnum, a plain int or the member's name ("plugged").
_Code = Union[int, str]

class PileType(enum.IntEnum):
    STEEL_PIPE = 1
    TIMBER = 2
    PRECAST_CONCRETE = 3
    RAYMOND_STEP_TAPER = 4
    RAYMOND_UNIFORM_TAPER = 5
    H_PILE = 6
    MONOTUBE_TAPER = 7

class SoilType(enum.IntEnum):
    SAND = 1
    CLAY = 2

class LoadingType(enum.IntEnum):
    COMPRESSION = 0
    TENSION = 1

class PlugCondition(enum.IntEnum):
    COMPUTED = 0
    PLUGGED = 1
    UNPLUGGED = 2

class SectionMode(enum.IntEnum):
    FROM_DIAMETERS = 0
    CONSTANT = 1
    VARYING_WITH_DEPTH = 2

class ClayDrainage(enum.IntEnum):
    UNDRAINED = 0
    DRAINED = 1

class CriticalDepthOption(enum.IntEnum):
    FROM_DENSITY = 0
    FROM_STRESS = 1
    USER_SPECIFIED = 2

class Finding:
    @property
    def severity(self) -> str: ...
    @property
    def record(self) -> str: ...
    @property
    def field(self) -> str: ...
    @property
    def point(self) -> Optional[int]: ...
    @property
    def method(self) -> Optional[str]: ...
    @property
    def layer(self) -> Optional[int]: ...
    @property
    def depth(self) -> Optional[float]: ...
    @property
    def value(self) -> Optional[float]: ...
    @property
    def message(self) -> str: ...
    @property
    def stops_run(self) -> bool: ...

class SoilPoint:
    depth: float
    # A code that names no member (read from a file, refused by the checks) comes as a plain int.
    @property
    def soil_type(self) -> Union[SoilType, int]: ...
    @soil_type.setter
    def soil_type(self, code: _Code) -> None: ...
    earth_pressure: float
    unit_weight: float
    friction_angle: float
    bearing_factor: float
    max_friction: float
    max_bearing: float
    su: float
    sur_or_blow_count: float
    ysr: float
    plasticity_index: float
    cone_resistance: float
    fst: float
    user_friction: float
    user_bearing: float
    lrfd_friction: float
    lrfd_bearing: float
    # The soil layer constants: None where the project gives none and the default holds.
    shaft_quake: Optional[float]
    toe_quake: Optional[float]
    shaft_damping: Optional[float]
    toe_damping: Optional[float]
    setup_a: Optional[float]
    setup_t0_days: Optional[float]
    def __init__(self, **fields: Union[float, str, None]) -> None: ...
    def copy(self) -> SoilPoint: ...

_Row = Tuple[float, float]

class Project:
    @staticmethod
    def read(path: Union[str, bytes, os.PathLike]) -> Project: ...
    @staticmethod
    def new(units: str = "SI") -> Project: ...
    def check(self) -> List[Finding]: ...
    def write(self, path: Union[str, bytes, os.PathLike]) -> None: ...
    def copy(self) -> Project: ...
    def update(self, **fields: Any) -> None: ...
    def input_text(self) -> str: ...
    @property
    def path(self) -> str: ...
    units: str
    selected_methods: List[int]
    @property
    def methods(self) -> List[str]: ...
    @methods.setter
    def methods(self, methods: Union[str, int, Sequence[Union[str, int]]]) -> None: ...
    def convert(self, units: str) -> None: ...
    @property
    def soil_points(self) -> MutableSequence[SoilPoint]: ...
    @soil_points.setter
    def soil_points(self, points: Iterable[SoilPoint]) -> None: ...
    @property
    def tz_print_depths(self) -> Optional[MutableSequence[float]]: ...
    @tz_print_depths.setter
    def tz_print_depths(self, depths: Optional[Iterable[float]]) -> None: ...
    @property
    def soil_settlement(self) -> Optional[Tuple[List[float], List[float]]]: ...
    @soil_settlement.setter
    def soil_settlement(self, profile: Optional[Tuple[Iterable[float], Iterable[float]]]) -> None: ...
    @property
    def head_load(self) -> Optional[float]: ...
    @head_load.setter
    def head_load(self, load: Optional[float]) -> None: ...
    @property
    def working_load_fractions(self) -> Optional[List[float]]: ...
    @working_load_fractions.setter
    def working_load_fractions(self, fractions: Optional[Iterable[float]]) -> None: ...
    @property
    def sections(self) -> MutableSequence[_Row]: ...
    @sections.setter
    def sections(self, rows: Iterable[Sequence[float]]) -> None: ...
    @property
    def cpt_points(self) -> MutableSequence[_Row]: ...
    @cpt_points.setter
    def cpt_points(self, rows: Optional[Iterable[Sequence[float]]]) -> None: ...
    @property
    def cone_readings(
        self,
    ) -> List[Tuple[float, Optional[float], Optional[float], Optional[float]]]: ...
    @cone_readings.setter
    def cone_readings(
        self, rows: Iterable[Tuple[float, Optional[float], Optional[float], Optional[float]]]
    ) -> None: ...
    title: str
    designer: str
    job_number: str
    print_interval: int
    perimeter: float
    tip_area: float
    outside_diameter: float
    inside_diameter: float
    modulus: float
    pile_length: float
    stickup_length: float
    end_section_length: float
    end_section_inside_diameter: float
    zero_friction_length: float
    increment: float
    # The code fields read as the member of their IntEnum, or a plain int for a code that names
    # none; they take a member, a plain int or the member's name.
    @property
    def pile_type(self) -> Union[PileType, int]: ...
    @pile_type.setter
    def pile_type(self, code: _Code) -> None: ...
    taper_angle: float
    load_transfer_method: int
    offshore_data: int
    reduced_resistance: int
    deepest_soil_depth: float
    section_area: float
    @property
    def loading_type(self) -> Union[LoadingType, int]: ...
    @loading_type.setter
    def loading_type(self, code: _Code) -> None: ...
    tension_factor: float
    @property
    def clay_drainage(self) -> Union[ClayDrainage, int]: ...
    @clay_drainage.setter
    def clay_drainage(self, code: _Code) -> None: ...
    @property
    def plug_condition(self) -> Union[PlugCondition, int]: ...
    @plug_condition.setter
    def plug_condition(self, code: _Code) -> None: ...
    unified_clay_base: int
    @property
    def section_mode(self) -> Union[SectionMode, int]: ...
    @section_mode.setter
    def section_mode(self, code: _Code) -> None: ...
    @property
    def critical_depth_option(self) -> Union[CriticalDepthOption, int]: ...
    @critical_depth_option.setter
    def critical_depth_option(self, code: _Code) -> None: ...
    critical_depth: float
    def import_cpt(self, path: Any, test: Union[str, int, None] = None, use: Optional[str] = None,
                   columns: Optional[Dict[str, Union[str, Tuple[str, str]]]] = None) -> CptImport: ...

def run_projects(projects: List[Project], jobs: int = 1, report: bool = False,
                 time: Optional[datetime.datetime] = None,
                 setup: Optional[Tuple[float, Optional[float], Optional[float]]] = None) -> List[Dict[str, Any]]: ...
def run_refusal(project: Project) -> Optional[InputError]: ...
def downdrag(project: Project, depths: List[float], settlements: List[float],
             head_load: float) -> Dict[str, Any]: ...
def driveability(project: Project, hammer_json: str, srd: str = "alm-hamre",
                 depths: Optional[List[float]] = None, jobs: int = 0, shaft_factor: float = 1.0,
                 base_factor: float = 1.0, friction_angle: float = 29.0) -> Dict[str, Any]: ...
def wave_equation(project: Project, hammer_json: str, resistance: float, srd: str = "alm-hamre",
                  shaft_fraction: Optional[float] = None, segment_length: float = 1.0) -> Dict[str, Any]: ...
def characteristic(projects: List[Project], method: int, stiff: bool = False) -> Dict[str, Any]: ...
