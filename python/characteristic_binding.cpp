#include "python/characteristic_binding.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include "engine/driver/sounding_projects.h"

namespace py = pybind11;

namespace torve::python {
namespace {

py::array_t<double> array(const std::vector<double>& v) {
    return py::array_t<double>(static_cast<py::ssize_t>(v.size()), v.data());
}

// A row per sounding, a column per depth.
py::array_t<double> rows(const std::vector<std::vector<double>>& v, std::size_t columns) {
    py::array_t<double> out({static_cast<py::ssize_t>(v.size()), static_cast<py::ssize_t>(columns)});
    auto at = out.mutable_unchecked<2>();
    for (std::size_t i = 0; i < v.size(); ++i)
        for (std::size_t j = 0; j < columns; ++j)
            at(static_cast<py::ssize_t>(i), static_cast<py::ssize_t>(j)) = v[i][j];
    return out;
}

py::dict to_python(const CharacteristicAnalysis& a) {
    // Projects that are no set of soundings of one pile are the caller's to mend; a run that fails or
    // stops, or a method that does not run on the project, says why.
    if (a.status == RunStatus::InputError) throw py::value_error(a.message);
    if (!a.answered()) throw std::runtime_error(a.message);
    const CharacteristicCapacity& c = a.capacity;
    py::dict d;
    d["units"] = a.english ? "English" : "SI";
    d["method"] = std::string(method_info(a.method).name);
    d["names"] = c.names;
    d["stiff"] = c.stiff_structure;
    d["depth"] = array(c.depth);
    d["capacities"] = rows(c.capacity, c.depth.size());
    d["mean"] = array(c.mean);
    d["minimum"] = array(c.minimum);
    d["xi3"] = array(std::vector<double>(c.depth.size(), c.xi.xi3));
    d["xi4"] = array(std::vector<double>(c.depth.size(), c.xi.xi4));
    d["characteristic"] = array(c.characteristic);
    d["design"] = array(c.design);
    py::list warnings;
    for (const std::vector<RunWarning>& run : a.warnings) {
        py::list sentences;
        for (const RunWarning& w : run) sentences.append(warning_sentence(w, a.english));
        warnings.append(sentences);
    }
    d["warnings"] = warnings;
    return d;
}

}  // namespace

void bind_characteristic(
    py::module_& m, std::function<SoundingRequest(const py::handle& project, Method method)> request_of) {
    m.def(
        "characteristic",
        [request_of](const py::list& projects, int method_code, bool stiff) {
            if (!is_valid_method_code(method_code))
                throw py::value_error("no method has the code " + std::to_string(method_code));
            const Method method = static_cast<Method>(method_code);
            std::vector<SoundingProject> soundings;
            for (const py::handle& p : projects) {
                SoundingRequest s = request_of(p, method);
                if (s.name.empty()) s.name = "project " + std::to_string(soundings.size() + 1);
                soundings.push_back(
                    {std::move(s.name), {std::move(s.request.input), std::move(s.request.cpt)}});
            }
            CharacteristicAnalysis result;
            {
                py::gil_scoped_release release;
                result = compute_characteristic(soundings, method, stiff);
            }
            return to_python(result);
        },
        py::arg("projects"), py::arg("method"), py::arg("stiff") = false,
        "The characteristic capacity of the projects' pile with the method of that code: a dict of the\n"
        "depths, the capacities (a row per project), their mean and least, xi3, xi4, R_c,k and R_c,d.");
}

}  // namespace torve::python
