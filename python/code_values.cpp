#include "python/code_values.h"

#include <cctype>
#include <string>

#include "python/field_values.h"

namespace py = pybind11;

namespace torve::python {
namespace {

// "Steel pipe", "steel-pipe" and "STEEL_PIPE" alike.
std::string member_key(const std::string& text) {
    std::string key;
    for (const char c : text)
        key += (c == ' ' || c == '-') ? '_' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

}  // namespace

int code_value(const char* field, py::handle value, const py::object& codes) {
    const std::string enum_name = py::str(codes.attr("__name__"));
    // A number written as text ("3") is a slip of type, refused as such below; a word is a name.
    const auto names_member = [](const std::string& text) {
        return !text.empty() && std::isalpha(static_cast<unsigned char>(text.front()));
    };
    if (PyUnicode_Check(value.ptr()) && names_member(value.cast<std::string>())) {
        const std::string key = member_key(value.cast<std::string>());
        std::string names;
        for (const py::handle member : codes) {
            const std::string name = py::str(member.attr("name"));
            if (name == key) return member.attr("value").cast<int>();
            std::string lower;
            for (const char c : name) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            names += (names.empty() ? "\"" : ", \"") + lower + "\"";
        }
        throw py::value_error(std::string(field) + " expects one of " + names + " (torve." + enum_name +
                              "), got \"" + value.cast<std::string>() + "\"");
    }
    return integer_value(field, value, "an integer code (torve." + enum_name + ")");
}

}  // namespace torve::python
