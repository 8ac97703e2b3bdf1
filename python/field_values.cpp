#include "python/field_values.h"

#include <climits>

namespace py = pybind11;

namespace torve::python {

std::string type_name(py::handle value) {
    const py::handle type = py::type::handle_of(value);
    const std::string module = py::str(type.attr("__module__"));
    const std::string name = py::str(type.attr("__qualname__"));
    return module == "builtins" ? name : module + "." + name;
}

namespace {

[[noreturn]] void wrong_type(const char* field, py::handle value, const std::string& expected) {
    throw py::type_error(std::string(field) + " expects " + expected + ", got " + type_name(value));
}

bool is_text(py::handle value) {
    return PyUnicode_Check(value.ptr()) || PyBytes_Check(value.ptr()) || PyByteArray_Check(value.ptr());
}

}  // namespace

double number_value(const char* field, py::handle value) {
    // True is an int to Python, but a length of True is a slip, not a length of 1.
    if (PyBool_Check(value.ptr()) || is_text(value) || !PyNumber_Check(value.ptr()))
        wrong_type(field, value, "a number");
    const double d = PyFloat_AsDouble(value.ptr());
    if (d == -1.0 && PyErr_Occurred()) {
        if (PyErr_ExceptionMatches(PyExc_OverflowError)) throw py::error_already_set();
        PyErr_Clear();  // a complex number, an array of several values: no real number
        wrong_type(field, value, "a number");
    }
    return d;
}

int integer_value(const char* field, py::handle value, const std::string& expected) {
    // A float is refused even when whole: 2.0 for a code is more likely a value in the wrong field.
    if (PyBool_Check(value.ptr()) || !PyIndex_Check(value.ptr())) wrong_type(field, value, expected);
    const py::object index = py::reinterpret_steal<py::object>(PyNumber_Index(value.ptr()));
    if (!index) throw py::error_already_set();
    int overflow = 0;
    const long long n = PyLong_AsLongLongAndOverflow(index.ptr(), &overflow);
    if (n == -1 && PyErr_Occurred()) throw py::error_already_set();
    if (overflow != 0 || n < INT_MIN || n > INT_MAX)
        throw py::value_error(std::string(field) + " expects " + expected + " that fits in 32 bits, got " +
                              std::string(py::str(index)));
    return static_cast<int>(n);
}

std::string text_value(const char* field, py::handle value) {
    if (!PyUnicode_Check(value.ptr())) wrong_type(field, value, "a text (str)");
    Py_ssize_t size = 0;
    const char* utf8 = PyUnicode_AsUTF8AndSize(value.ptr(), &size);
    if (!utf8) {
        // A lone surrogate ("\udce9" from a name decoded with surrogateescape) has no UTF-8 form.
        PyErr_Clear();
        throw py::value_error(std::string(field) +
                              " expects a text that UTF-8 can hold, got one with a lone "
                              "surrogate");
    }
    return std::string(utf8, static_cast<std::size_t>(size));
}

std::string path_value(const char* argument, py::handle value) {
    const py::module_ os = py::module_::import("os");
    py::object path;
    if (PyUnicode_Check(value.ptr()) || PyBytes_Check(value.ptr()) ||
        PyObject_HasAttrString(value.ptr(), "__fspath__"))
        path = os.attr("fspath")(value);
    if (!path || !(PyUnicode_Check(path.ptr()) || PyBytes_Check(path.ptr())))
        throw py::type_error(std::string(argument) + " expects a str, bytes or os.PathLike, got " +
                             type_name(value));
    if (PyUnicode_Check(path.ptr())) path = os.attr("fsencode")(path);
    std::string bytes = path.cast<std::string>();
    if (bytes.find('\0') != std::string::npos)
        throw py::value_error(std::string(argument) + ": embedded null byte");
    return bytes;
}

py::object code_enum(py::module_& m, const char* name,
                     std::initializer_list<std::pair<const char*, int>> members, const char* doc) {
    py::list pairs;
    for (const auto& [member, code] : members) pairs.append(py::make_tuple(member, code));
    py::object codes = py::module_::import("enum").attr("IntEnum")(name, pairs, py::arg("module") = "torve");
    codes.attr("__doc__") = doc;
    m.attr(name) = codes;
    return codes;
}

py::object code_member(const py::object& codes, int code) {
    const py::dict members = codes.attr("_value2member_map_");
    const py::int_ key(code);
    return members.contains(key) ? py::object(members[key]) : py::object(key);
}

}  // namespace torve::python
