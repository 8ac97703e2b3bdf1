# Types of torve._sounding, the readers of cone data files and the unit conversion of the desktop
# core (built with the desktop core only).
from typing import Any, Dict, List, Optional, Tuple

class SoundingError(ValueError):
    file: Optional[str]
    line: Optional[int]

def read_sounding(path: bytes, columns: List[Tuple[str, str, str]]) -> Dict[str, Any]: ...
def import_sounding(path: bytes, test: str, si: bool, use: str,
                    columns: List[Tuple[str, str, str]]) -> Dict[str, Any]: ...
def convert_project(project_text: str, cpt_text: Optional[str], to: str, layers_text: Optional[str] = ...) -> Tuple[str, Optional[str], Optional[str]]: ...
