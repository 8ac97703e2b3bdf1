// Values that Python assigns to the fields of a project or a soil point, and the integer codes as
// IntEnums. A value of the wrong type raises TypeError naming the field and the type it got, before
// anything changes; a value of the right type goes on to the input checks.
#pragma once

#include <pybind11/pybind11.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace torve::python {

// A real number: int, float or a NumPy scalar; not a bool, not text.
double number_value(const char* field, pybind11::handle value);

// A whole number (int, an IntEnum member, a NumPy integer); not a bool, not a float. `expected`
// says what the field holds, for the message: "an integer code (torve.PileType)".
int integer_value(const char* field, pybind11::handle value, const std::string& expected);

// A text (str).
std::string text_value(const char* field, pybind11::handle value);

// A path given to `argument`: a str, bytes or an os.PathLike (pathlib.Path), as the bytes the system
// takes (os.fsencode(), so that any name os.listdir() gives works). TypeError naming the argument
// for anything else; ValueError for a path with a NUL, which would name another file to the system
// than the one asked for (the part before it), as open() refuses it.
std::string path_value(const char* argument, pybind11::handle value);

// Creates the IntEnum `name` of the module with its members in the order given.
pybind11::object code_enum(pybind11::module_& m, const char* name,
                           std::initializer_list<std::pair<const char*, int>> members, const char* doc);

// The member of `codes` for `code`, or the plain int for a code that names none (a value that a file
// holds and the checks refuse, or a drainage option other than 0 and 1, which means undrained).
pybind11::object code_member(const pybind11::object& codes, int code);

// "str", "float", "numpy.float64": the type of a value as a message names it.
std::string type_name(pybind11::handle value);

}  // namespace torve::python
