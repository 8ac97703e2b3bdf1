// torve._engine.downdrag: computed with the interpreter lock released, handed out as a dict of
// floats and arrays of the engine's doubles.
#include "python/downdrag_binding.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include "engine/driver/downdrag_analysis.h"

namespace py = pybind11;

namespace torve::python {
namespace {

py::array_t<double> array(const std::vector<double>& v) {
    return py::array_t<double>(static_cast<py::ssize_t>(v.size()), v.data());
}

py::list warnings_of(const DowndragResult& r) {
    py::list warnings;
    for (const RunWarning& w : r.warnings) {
        py::dict entry;
        entry["text"] = w.text;
        entry["method"] =
            w.method ? py::object(py::str(std::string(method_info(*w.method).name))) : py::none();
        entry["depth"] = w.depth ? py::object(py::float_(*w.depth)) : py::none();
        entry["sentence"] = warning_sentence(w, r.english);
        warnings.append(entry);
    }
    return warnings;
}

py::dict to_python(const DowndragResult& r) {
    // Input the downdrag cannot take is the caller's to mend; a pile that cannot be solved (a run
    // stopped at its own checks, a load beyond what the pile carries) says why.
    if (r.status == RunStatus::InputError) throw py::value_error(r.message);
    if (r.status != RunStatus::Completed) throw std::runtime_error(r.message);
    if (!r.solved) throw py::value_error(r.message);
    py::dict d;
    d["units"] = r.english ? "English" : "SI";
    d["warnings"] = warnings_of(r);
    d["head_load"] = r.head_load;
    d["neutral_plane"] = r.neutral_plane;
    d["equilibrium_neutral_plane"] =
        r.equilibrium_neutral_plane ? py::object(py::float_(*r.equilibrium_neutral_plane)) : py::none();
    d["drag_force"] = r.drag_force;
    d["max_load"] = r.max_load;
    d["max_load_depth"] = r.max_load_depth;
    d["head_settlement"] = r.head_settlement;
    d["toe_movement"] = r.toe_movement;
    d["toe_penetration"] = r.toe_penetration;
    d["toe_load"] = r.toe_load;
    d["depth"] = array(r.depth);
    d["axial_load"] = array(r.axial_load);
    d["pile_movement"] = array(r.pile_movement);
    d["soil_settlement"] = array(r.soil_settlement);
    d["resistance"] = array(r.resistance);
    return d;
}

}  // namespace

void bind_downdrag(py::module_& m, std::function<RunRequest(const py::handle& project)> request_of) {
    m.def(
        "downdrag",
        [request_of](const py::handle& project, std::vector<double> depths, std::vector<double> settlements,
                     double head_load) {
            const RunRequest request = request_of(project);
            SoilSettlement soil{std::move(depths), std::move(settlements)};
            DowndragResult result;
            {
                py::gil_scoped_release release;
                result = compute_downdrag(request.input, request.cpt, soil, head_load);
            }
            return to_python(result);
        },
        py::arg("project"), py::arg("depths"), py::arg("settlements"), py::arg("head_load"),
        "The project's pile in soil settling as the depths (ft | m) and settlements (in | mm) say,\n"
        "under the sustained head load (kips | kN): a dict of the neutral plane, the drag force, the\n"
        "largest axial load, the head settlement and the arrays along the pile.");
}

}  // namespace torve::python
