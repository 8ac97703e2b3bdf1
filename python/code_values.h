// The integer codes of a project and a soil point as Python gives them: a member of their IntEnum, a
// plain int, or the member's name as text ("clay", "Plugged", "steel pipe"), in any case.
#pragma once

#include <pybind11/pybind11.h>

namespace torve::python {

// The code `value` stands for in the IntEnum `codes`. A text names a member: case, blanks and
// hyphens aside ("h-pile" is H_PILE); a text that names none raises ValueError listing the names.
// Anything else is taken as a whole number (integer_value).
int code_value(const char* field, pybind11::handle value, const pybind11::object& codes);

}  // namespace torve::python
