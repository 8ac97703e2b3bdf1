// Driving a project's pile from Python: computed with the interpreter lock released, handed out as
// dicts of floats and arrays of the engine's doubles. The hammer comes as the JSON text of the
// hammer file, so that a dict is checked field by field as a file is.
#include "python/driveability_binding.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <optional>

#include "engine/driver/driveability_analysis.h"
#include "engine/driver/hammer_file.h"
#include "engine/model/input_error.h"

namespace py = pybind11;

namespace torve::python {
namespace {

py::array_t<double> array(const std::vector<double>& v) {
    return py::array_t<double>(static_cast<py::ssize_t>(v.size()), v.data());
}

SrdMethod method_of(const std::string& name) {
    if (name == "alm-hamre") return SrdMethod::AlmHamre;
    if (name == "unified-srd") return SrdMethod::UnifiedSrd;
    throw py::value_error("srd must be \"alm-hamre\" or \"unified-srd\", not \"" + name + "\"");
}

Hammer hammer_of(const std::string& json) {
    try {
        return parse_hammer(json, "hammer");
    } catch (const InputError& e) {
        throw py::value_error(e.what());
    }
}

void raise_for(RunStatus status, const std::string& message) {
    if (status == RunStatus::InputError) throw py::value_error(message);
    if (status != RunStatus::Completed) throw std::runtime_error(message);
}

py::dict blow_to_python(const BlowResult& b) {
    py::dict d;
    d["units"] = b.english ? "English" : "SI";
    d["refusal"] = b.refusal;
    d["set_m"] = b.set_m;
    d["blow_count"] = b.blow_count;
    d["enthru_kj"] = b.enthru_kj;
    d["impact_energy_kj"] = b.impact_energy_kj;
    d["energy_error_kj"] = b.energy_error_kj;
    d["max_compression"] = b.max_compression;
    d["max_compression_at"] = b.max_compression_at;
    d["max_tension"] = b.max_tension;
    d["max_tension_at"] = b.max_tension_at;
    d["time_step"] = b.time_step;
    d["segments"] = b.segments;
    d["time"] = array(b.time);
    d["head_force"] = array(b.head_force);
    d["head_velocity"] = array(b.head_velocity);
    return d;
}

py::dict driveability_to_python(const Driveability& r) {
    raise_for(r.status, r.message);
    py::dict d;
    d["units"] = r.english ? "English" : "SI";
    d["depth"] = array(r.depth);
    d["srd_shaft"] = array(r.srd_shaft);
    d["srd_base"] = array(r.srd_base);
    d["srd_total"] = array(r.srd_total);
    d["blow_count"] = array(r.blow_count);
    d["cumulative_blows"] = array(r.cumulative_blows);
    d["max_compression"] = array(r.max_compression);
    d["max_tension"] = array(r.max_tension);
    d["enthru_kj"] = array(r.enthru_kj);
    return d;
}

}  // namespace

void bind_driveability(py::module_& m, std::function<RunRequest(const py::handle& project)> request_of) {
    m.def(
        "driveability",
        [request_of](const py::handle& project, const std::string& hammer_json, const std::string& srd,
                     std::optional<std::vector<double>> depths, unsigned jobs, double shaft_factor,
                     double base_factor, double friction_angle) {
            const SrdMethod method = method_of(srd);
            const Hammer hammer = hammer_of(hammer_json);
            const RunRequest request = request_of(project);
            std::vector<double> tips;
            if (depths) {
                tips = *depths;
            } else {
                const double step = request.input.units == UnitSystem::English ? 3.0 : 1.0;
                for (double z = step; z < request.input.total_pile_length - 1e-9; z += step)
                    tips.push_back(z);
                tips.push_back(request.input.total_pile_length);
            }
            // The engine checks the factors and the angle with the rest of the request.
            const SrdOptions options{shaft_factor, base_factor, friction_angle};
            Driveability result;
            {
                py::gil_scoped_release release;
                const SrdProfile profile = compute_srd(request.input, request.cpt, method, tips, options);
                result = driveability(request.input, profile, hammer, {}, jobs);
            }
            return driveability_to_python(result);
        },
        py::arg("project"), py::arg("hammer_json"), py::arg("srd") = "alm-hamre",
        py::arg("depths") = py::none(), py::arg("jobs") = 0, py::arg("shaft_factor") = 1.0,
        py::arg("base_factor") = 1.0, py::arg("friction_angle") = 29.0,
        "Per tip depth (ft | m) the resistance to driving and one blow of the hammer: a dict of arrays.");
    m.def(
        "wave_equation",
        [request_of](const py::handle& project, const std::string& hammer_json, double resistance,
                     const std::string& srd, std::optional<double> shaft_fraction, double segment_length) {
            const SrdMethod method = method_of(srd);
            const Hammer hammer = hammer_of(hammer_json);
            if (shaft_fraction && !(*shaft_fraction >= 0 && *shaft_fraction <= 1))
                throw py::value_error("shaft_fraction must be from 0 to 1");
            if (!(segment_length > 0)) throw py::value_error("segment_length must be above 0");
            const RunRequest request = request_of(project);
            const double length = request.input.total_pile_length;
            BearingGraph graph;
            {
                py::gil_scoped_release release;
                SrdAtDepth distribution;
                distribution.tip_depth = length;
                if (shaft_fraction) {
                    distribution.shaft = *shaft_fraction;
                    distribution.base = 1 - *shaft_fraction;
                } else {
                    const SrdProfile own = compute_srd(request.input, request.cpt, method, {length});
                    if (own.status != RunStatus::Completed || own.depths.empty()) {
                        graph.status =
                            own.status == RunStatus::Completed ? RunStatus::InputError : own.status;
                        graph.message = own.message;
                    } else {
                        distribution = own.depths.back();
                    }
                }
                if (graph.message.empty()) {
                    DrivingSettings settings;
                    settings.segment_length_m = segment_length;
                    graph = bearing_graph(request.input, hammer, distribution, {resistance}, settings, 1);
                }
            }
            raise_for(graph.status, graph.message);
            return blow_to_python(graph.blows.at(0));
        },
        py::arg("project"), py::arg("hammer_json"), py::arg("resistance"), py::arg("srd") = "alm-hamre",
        py::arg("shaft_fraction") = py::none(), py::arg("segment_length") = 1.0,
        "One blow on the pile at its own length against the resistance (kips | kN): a dict.");
}

}  // namespace torve::python
