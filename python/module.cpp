// torve._engine: the engine inside a Python process. Projects are held as the input data file's
// records, checked by the input checks on every change and before every run, and run by
// run_binding.cpp.
#include <pybind11/operators.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>

#include "engine/driver/input_reader.h"
#include "engine/model/input_checks.h"
#include "engine/model/input_error.h"
#include "engine/model/number_text.h"
#include "engine/model/project_codec.h"
#include "python/run_binding.h"

namespace py = pybind11;

namespace torve::python {
namespace {

// The Python class torve.InputError, created with the module.
PyObject* input_error_type = nullptr;

// Raises torve.InputError with `message` and its attributes; `findings` are those of the checks.
[[noreturn]] void raise_error(const std::string& message, py::object file, py::object record, py::object line,
                              py::object field, std::vector<Finding> findings) {
    py::object error = py::reinterpret_borrow<py::object>(input_error_type)(message);
    error.attr("file") = std::move(file);
    error.attr("record") = std::move(record);
    error.attr("line") = std::move(line);
    error.attr("field") = std::move(field);
    error.attr("findings") = py::cast(std::move(findings));
    PyErr_SetObject(input_error_type, error.ptr());
    throw py::error_already_set();
}

// Raises torve.InputError with the engine's message of a file it read and, when the message locates
// it, the file, the record and the line ('Input data file "p.tv6d", record 5 (pile section), line 5:
// ...').
[[noreturn]] void raise_input_error(const std::string& message) {
    py::object file = py::none(), record = py::none(), line = py::none();
    const std::size_t open = message.find('"');
    const std::size_t close = open == std::string::npos ? open : message.find("\", ", open + 1);
    const std::size_t colon = close == std::string::npos ? close : message.find(": ", close);
    if (colon != std::string::npos) {
        file = py::str(message.substr(open + 1, close - open - 1));
        std::string where = message.substr(close + 3, colon - close - 3);
        const std::size_t at = where.rfind(", line ");
        if (at != std::string::npos) {
            line = py::int_(std::stoi(where.substr(at + 7)));
            where.resize(at);
        }
        record = py::str(where);
    } else if (open != std::string::npos && message.find('"', open + 1) != std::string::npos) {
        file = py::str(message.substr(open + 1, message.find('"', open + 1) - open - 1));
    }
    raise_error(message, file, record, line, py::none(), {});
}

// A finding of records held in memory, located by its record: the message names the field and the
// value, as no line of a file holds them.
std::string located(const Finding& f) {
    return record_title(f.place) + ": " + f.message;
}

// Raises torve.InputError for findings the checks refuse: `intro`, then one line per finding; the
// attributes record and field are the first finding's, and findings holds them all.
[[noreturn]] void raise_findings(const std::string& intro, std::vector<Finding> findings,
                                 const std::string& path) {
    std::string message = intro;
    for (const Finding& f : findings) message += "\n  " + located(f);
    const Finding& first = findings.front();
    raise_error(message, path.empty() ? py::object(py::none()) : py::object(py::str(path)),
                py::str(record_title(first.place)), py::none(), py::str(first.field), std::move(findings));
}

std::string read_file(const std::string& path, std::string_view what) {
    try {
        return read_text_file(path, what);
    } catch (const InputError& e) {
        raise_input_error(e.what());
    }
}

struct Project {
    ProjectRecords records;
    std::optional<CptProfile> cpt;
    std::string path;       // where it was read from or last written; empty for a new project
    bool deferred = false;  // inside update(): the check waits for the last field
};

// The text of the records as write() writes them. A value that is not finite is refused as the
// engine's reader would refuse the word it gives, at its place in that text.
std::string text_of(const ProjectRecords& records, const std::string& name) {
    try {
        return write_project_records(records, WriteStyle::AsHeld);
    } catch (const NotFiniteError& e) {
        const std::string word = std::isnan(e.value) ? "nan" : (e.value < 0 ? "-inf" : "inf");
        raise_input_error(input_file_label(name) + ", " + record_title(e.place) + ", line " +
                          std::to_string(e.line) + ": expected a finite number for the " + e.field +
                          ", found \"" + word + "\".");
    }
}

std::vector<Finding> findings_of(const Project& p) {
    return check_project(p.records, p.cpt.value_or(CptProfile{}));
}

// What an assignment answers for: the values the checks refuse on their own, not what the project
// lacks as a whole (a selected method's data, a soil profile to reach), which may come later.
std::vector<Finding> value_refusals(const Project& p) {
    std::vector<Finding> out;
    for (Finding& f : findings_of(p))
        if (f.refuses() && !f.method) out.push_back(std::move(f));
    return out;
}

bool same_place_and_value(const Finding& a, const Finding& b) {
    return a.place == b.place && a.field == b.field && a.value == b.value;
}

// Refuses a change that brings a value refusal the project did not have: a refused value of the
// field assigned, or of one that the assigned field bounds (a smaller outside than inside diameter).
// Refusals elsewhere, the same as before, do not stop a change, so that a broken project can be
// mended field by field.
void check_change(const Project& before, const Project& after) {
    const std::vector<Finding> old = value_refusals(before);
    std::vector<Finding> brought;
    for (Finding& f : value_refusals(after)) {
        const bool known = std::any_of(old.begin(), old.end(),
                                       [&f](const Finding& o) { return same_place_and_value(o, f); });
        if (!known) brought.push_back(std::move(f));
    }
    if (brought.empty()) return;
    std::string message = located(brought.front());
    for (std::size_t i = 1; i < brought.size(); ++i) message += "\n" + located(brought[i]);
    const Finding& first = brought.front();
    raise_error(message, py::none(), py::str(record_title(first.place)), py::none(), py::str(first.field),
                std::move(brought));
}

std::string name_of(const Project& p) {
    return p.path.empty() ? std::string("project.tv6d") : p.path;
}

// Applies `change` to a copy of the project and keeps it unless the change brings a refused value.
template <class Change>
void change_project(Project& p, Change&& change) {
    Project copy = p;
    change(copy);
    if (!p.deferred) check_change(p, copy);
    p = std::move(copy);
}

template <class Change>
void change_records(Project& p, Change&& change) {
    change_project(p, [&change](Project& q) { change(q.records); });
}

// Reads the files as the codec reads them: a file that is not well-formed is refused, located; the
// values are taken as they stand, for check() to judge and the fields to mend.
Project read_project(const std::string& path) {
    Project p;
    try {
        p.records = read_project_records(read_file(path, "input data file"), path).records;
        const std::string cpt = std::filesystem::path(path).replace_extension(".cpt").string();
        if (std::filesystem::exists(cpt))
            p.cpt = read_cpt_records(read_file(cpt, "CPT data file"), cpt).records;
    } catch (const InputError& e) {
        raise_input_error(e.what());
    }
    p.path = path;
    return p;
}

// A new project: one sand layer under a steel pipe pile, API RP 2A, in the given units.
Project new_project(const std::string& units) {
    Project p;
    ProjectRecords& r = p.records;
    // A sand of K 0.8, friction angle 30 degrees and Nq 20 from the surface to the bottom.
    const auto sand = [&r](double bottom, double unit_weight) {
        SoilPointRecord s;
        s.coefficient_of_lateral_earth_pressure = 0.8;
        s.effective_unit_weight = unit_weight;
        s.friction_angle = 30;
        s.bearing_capacity_factor = 20;
        r.soil_points = {s, s};
        r.soil_points[1].depth = bottom;
        r.deepest_soil_depth = bottom;
    };
    if (units == "SI" || units == "S.I.") {
        r.unit_system_code = code_of(UnitSystem::SI);
        r.outside_diameter = 610, r.inside_diameter = 585, r.modulus_of_elasticity = 2.0e8,
        r.total_pile_length = 20;
        r.computation_increment = 0.5;
        sand(30, 9);
    } else if (units == "English") {
        r.unit_system_code = code_of(UnitSystem::English);
        r.outside_diameter = 24, r.inside_diameter = 23, r.modulus_of_elasticity = 2.9e7,
        r.total_pile_length = 60;
        r.computation_increment = 1;
        sand(100, 60);
    } else {
        throw py::value_error("units must be \"SI\" or \"English\", not \"" + units + "\"");
    }
    (*r.method_selection_flags)[index_of(Method::Api)] = 1;
    return p;
}

// Writes beside the file and renames into place: a write that fails (a full disk) leaves the file
// that was there as it was.
void write_text(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".writing~";
    std::ofstream f(temporary, std::ios::binary | std::ios::trunc);
    f << text;
    f.close();
    std::error_code ec;
    if (f) std::filesystem::rename(temporary, path, ec);
    if (!f || ec) {
        std::filesystem::remove(temporary, ec);
        PyErr_SetFromErrnoWithFilename(PyExc_OSError, path.c_str());
        throw py::error_already_set();
    }
}

void write_project(Project& p, const std::string& path) {
    write_text(path, text_of(p.records, path));
    if (p.cpt)
        write_text(std::filesystem::path(path).replace_extension(".cpt").string(), write_cpt_records(*p.cpt));
    p.path = path;
}

// What a run of the project needs: the records go to the analysis as they are, without a text in
// between, once the checks find nothing the analysis refuses.
RunRequest run_request(const Project& p) {
    std::vector<Finding> refused;
    for (Finding& f : findings_of(p))
        if (f.refuses()) refused.push_back(std::move(f));
    if (!refused.empty()) {
        const std::size_t n = refused.size();
        raise_findings("The project cannot run: " + std::to_string(n) + (n == 1 ? " error" : " errors") +
                           " (Project.check() lists every finding).",
                       std::move(refused), p.path);
    }
    return {run_names(name_of(p)), input_data_of(p.records), p.cpt.value_or(CptProfile{})};
}

template <class T>
void field(py::class_<Project>& c, const char* name, T ProjectRecords::*member, const char* doc) {
    c.def_property(
        name, [member](const Project& p) { return p.records.*member; },
        [member](Project& p, T v) { change_records(p, [&](ProjectRecords& r) { r.*member = v; }); }, doc);
}

// A field that files of the previous version lack: its default when absent.
template <class T>
void field(py::class_<Project>& c, const char* name, std::optional<T> ProjectRecords::*member,
           const char* doc) {
    c.def_property(
        name, [member](const Project& p) { return (p.records.*member).value_or(T{}); },
        [member](Project& p, T v) { change_records(p, [&](ProjectRecords& r) { r.*member = v; }); }, doc);
}

// A property of a soil point under its Python name.
template <class T>
void soil_field(py::class_<SoilPointRecord>& c, const char* name, T SoilPointRecord::*member,
                const char* doc) {
    c.def_readwrite(name, member, doc);
}
void soil_field(py::class_<SoilPointRecord>& c, const char* name,
                std::optional<double> SoilPointRecord::*member, const char* doc) {
    c.def_property(
        name, [member](const SoilPointRecord& p) { return (p.*member).value_or(1.0); },
        [member](SoilPointRecord& p, double v) { p.*member = v; }, doc);
}

}  // namespace
}  // namespace torve::python

PYBIND11_MODULE(_engine, m) {
    using namespace torve;
    using namespace torve::python;
    m.doc() = "The TORVE analysis engine, in-process. Use the torve package, which wraps this module.";
    m.attr("version") = TORVE_VERSION;

    input_error_type = PyErr_NewExceptionWithDoc(
        "torve.InputError",
        "Input the analysis cannot use. str(error) names what and where: for a file read, the engine's\n"
        "message with the file, the record and the line; for a project held in memory, the record, the\n"
        "field and the value. The attributes file, record and line locate it (None where the message does\n"
        "not), field names the field (None for a file that cannot be read), and findings holds the\n"
        "findings of the checks that refuse it (torve.Finding; empty for a file that cannot be read).",
        PyExc_ValueError, nullptr);
    m.attr("InputError") = py::reinterpret_borrow<py::object>(input_error_type);

    py::class_<Finding>(
        m, "Finding",
        "A finding of the checks: severity ('error' or 'warning'); the record, the field and the\n"
        "point (the soil point, t-z print depth, section row or CPT row counted from 1; None for a\n"
        "record of its own) of the value concerned, and that value; the method that needs it (None\n"
        "for the whole project); the soil layer counted from 1 (None for none) and the depth (ft or\n"
        "m); a message naming the field, the value and the limit it breaks; and stops_run, true for\n"
        "an error at which a run stops before its results (Results.stop) instead of being refused.")
        .def_property_readonly("severity",
                               [](const Finding& f) { return f.is_error() ? "error" : "warning"; })
        .def_property_readonly("record", [](const Finding& f) { return record_title(f.place); })
        .def_readonly("field", &Finding::field)
        .def_property_readonly("point",
                               [](const Finding& f) -> py::object {
                                   return f.place.count > 0 ? py::object(py::int_(f.place.index + 1))
                                                            : py::object(py::none());
                               })
        .def_property_readonly("method",
                               [](const Finding& f) -> py::object {
                                   if (!f.method) return py::none();
                                   return py::str(std::string(method_info(*f.method).name));
                               })
        .def_property_readonly("layer",
                               [](const Finding& f) -> py::object {
                                   return f.layer > 0 ? py::object(py::int_(f.layer)) : py::none();
                               })
        .def_readonly("depth", &Finding::depth)
        .def_readonly("value", &Finding::value)
        .def_readonly("message", &Finding::message)
        .def_readonly("stops_run", &Finding::stops_run)
        .def(py::self == py::self)
        .def("__repr__", [](const Finding& f) {
            return std::string("<torve.Finding ") + (f.is_error() ? "error" : "warning") + " " + located(f) +
                   ">";
        });

    py::dict methods;
    for (const MethodInfo& info : kMethods) methods[py::int_(code_of(info.method))] = std::string(info.name);
    m.attr("METHODS") = methods;

    py::class_<SoilPointRecord> soil_point(
        m, "SoilPoint",
        "A soil point: the top or the bottom of a layer, as its two lines of the input\n"
        "data file hold it (stresses in lb/ft2 or kPa).");
    soil_point.def(py::init<>());
    soil_field(soil_point, "depth", &SoilPointRecord::depth, "depth below the ground surface, ft or m");
    soil_field(soil_point, "soil_type", &SoilPointRecord::soil_type_code, "1 sand, 2 clay");
    soil_field(soil_point, "earth_pressure", &SoilPointRecord::coefficient_of_lateral_earth_pressure,
               "coefficient of lateral earth pressure K");
    soil_field(soil_point, "unit_weight", &SoilPointRecord::effective_unit_weight,
               "effective unit weight, lb/ft3 or kN/m3");
    soil_field(soil_point, "friction_angle", &SoilPointRecord::friction_angle, "friction angle, degrees");
    soil_field(soil_point, "bearing_factor", &SoilPointRecord::bearing_capacity_factor,
               "bearing capacity factor Nq");
    soil_field(soil_point, "max_friction", &SoilPointRecord::maximum_unit_friction,
               "limit of unit skin friction; 0 none");
    soil_field(soil_point, "max_bearing", &SoilPointRecord::maximum_unit_bearing,
               "limit of unit end bearing; 0 none");
    soil_field(soil_point, "su", &SoilPointRecord::undrained_shear_strength,
               "undrained shear strength (clay)");
    soil_field(soil_point, "sur_or_blow_count", &SoilPointRecord::remolded_shear_strength_or_blow_count,
               "clay: remolded shear strength; sand: SPT blow count");
    soil_field(soil_point, "ysr", &SoilPointRecord::yield_stress_ratio, "yield stress ratio (clay)");
    soil_field(soil_point, "plasticity_index", &SoilPointRecord::plasticity_index, "plasticity index, %");
    soil_field(soil_point, "cone_resistance", &SoilPointRecord::cone_resistance, "cone resistance qc");
    soil_field(soil_point, "fst", &SoilPointRecord::soil_type_factor_fst,
               "soil-type factor Fst of the Unified clay friction: 1, about 0.5 in sensitive clay");
    soil_field(soil_point, "user_friction", &SoilPointRecord::user_unit_skin_friction,
               "user-specified unit skin friction");
    soil_field(soil_point, "user_bearing", &SoilPointRecord::user_unit_end_bearing,
               "user-specified unit end bearing");
    soil_field(soil_point, "lrfd_friction", &SoilPointRecord::lrfd_factor_on_unit_friction,
               "LRFD factor on unit friction");
    soil_field(soil_point, "lrfd_bearing", &SoilPointRecord::lrfd_factor_on_unit_bearing,
               "LRFD factor on unit bearing");
    soil_point.def("__repr__", [](const SoilPointRecord& p) {
        return "SoilPoint(depth=" + shortest_real(p.depth) +
               ", soil_type=" + std::to_string(p.soil_type_code) + ")";
    });

    py::class_<Project> project(
        m, "Project",
        "A pile project: the records of its input data file (.tv6d) and its CPT points.\n"
        "check() lists what the analysis refuses, where a run stops and what is hardly\n"
        "plausible. Assigning a field that brings a value the checks refuse (of that field or\n"
        "of one it bounds) raises InputError naming the field and the value, and leaves the\n"
        "project as it was; what is refused elsewhere does not stop an assignment, so a\n"
        "project can be mended field by field.");
    project
        .def_static("read", &read_project, py::arg("path"),
                    "Reads a .tv6d file and the .cpt file beside it when there is one. A file that is\n"
                    "not well-formed raises InputError, located; values the checks refuse are read\n"
                    "as they stand, for check() to name and the fields to mend.")
        .def(
            "check", [](const Project& p) { return findings_of(p); },
            "Every finding of the checks (torve.Finding), in the order of the files: values the\n"
            "analysis refuses, counts over its table limits, a run that stops before its results,\n"
            "values hardly plausible, and per selected method the values each layer lacks. run()\n"
            "refuses a project with any error that does not stop the run.")
        .def_static(
            "new", &new_project, py::arg("units") = "SI",
            "A new project in \"SI\" or \"English\" units: a steel pipe pile in one sand layer, API RP 2A.")
        .def("write", &write_project, py::arg("path"),
             "Writes the project to `path` (.tv6d) and its CPT points, if any, to the .cpt file beside it.")
        .def(
            "copy", [](const Project& p) { return Project(p); }, "An independent copy, for variations.")
        .def(
            "update",
            [](Project& p, const py::kwargs& fields) {
                // The fields go in together and are checked once: values that only make sense
                // together (a smaller outside and inside diameter) need no valid order.
                py::object trial = py::cast(Project(p));
                Project& t = trial.cast<Project&>();
                t.deferred = true;
                for (const auto& [name, value] : fields) py::setattr(trial, name, value);
                t.deferred = false;
                check_change(p, t);
                p = t;
            },
            "Assigns several fields at once (project.update(outside_diameter=600, inside_diameter=570)),\n"
            "checked together when all are in; a set that brings a refused value leaves the project as\n"
            "it was.")
        .def_readonly("path", &Project::path, "The file it was read from or last written to; '' when new.")
        .def(
            "input_text", [](const Project& p) { return text_of(p.records, name_of(p)); },
            "The text of the input data file that write() would write.")
        .def_property(
            "units",
            [](const Project& p) {
                return p.records.unit_system_code == code_of(UnitSystem::SI) ? "SI" : "English";
            },
            [](Project& p, const std::string& u) {
                if (u != "SI" && u != "English") throw py::value_error("units must be \"SI\" or \"English\"");
                change_records(p, [&](ProjectRecords& r) {
                    r.unit_system_code = code_of(u == "SI" ? UnitSystem::SI : UnitSystem::English);
                });
            },
            "\"SI\" or \"English\". Changing it relabels the values; it does not convert them.")
        .def_property(
            "selected_methods",
            [](const Project& p) {
                std::vector<int> codes;
                for (const MethodInfo& info : kMethods)
                    if (p.records.method_selection_flags.value_or(MethodFlags{})[index_of(info.method)] == 1)
                        codes.push_back(code_of(info.method));
                return codes;
            },
            [](Project& p, const std::vector<int>& codes) {
                change_records(p, [&](ProjectRecords& r) {
                    MethodFlags flags{};
                    for (const int c : codes) {
                        if (!is_valid_method_code(c))
                            throw py::value_error("no method has the code " + std::to_string(c));
                        flags[index_of(static_cast<Method>(c))] = 1;
                    }
                    r.method_selection_flags = flags;
                });
            },
            "Codes of the selected methods (see torve.METHODS); Project.methods gives their names.")
        .def_property(
            "soil_points", [](const Project& p) { return p.records.soil_points; },
            [](Project& p, const std::vector<SoilPointRecord>& soil) {
                change_records(p, [&](ProjectRecords& r) { r.soil_points = soil; });
            },
            "The soil points (a copy: change one, then assign the list back), two per layer.")
        .def_property(
            "tz_print_depths",
            [](const Project& p) -> py::object {
                if (p.records.t_z_print_flag != 1) return py::none();
                return py::cast(p.records.t_z_print_depths);
            },
            [](Project& p, const std::optional<std::vector<double>>& depths) {
                change_records(p, [&](ProjectRecords& r) {
                    r.t_z_print_flag = depths ? 1 : 0;
                    r.t_z_print_depths = depths.value_or(std::vector<double>{});
                });
            },
            "Extra depths of printed t-z curves, or None for none.")
        .def_property(
            "sections",
            [](const Project& p) {
                std::vector<std::pair<double, double>> rows;
                for (const SectionRowRecord& s : p.records.section_rows)
                    rows.emplace_back(s.section_depth, s.cross_section_area);
                return rows;
            },
            [](Project& p, const std::vector<std::pair<double, double>>& rows) {
                change_records(p, [&](ProjectRecords& r) {
                    r.section_rows.clear();
                    for (const auto& [depth, area] : rows) r.section_rows.push_back({depth, area});
                    r.number_of_section_rows = static_cast<int>(r.section_rows.size());
                });
            },
            "(depth, area) rows of a cross-section area varying with depth (section mode 2).")
        .def_property(
            "cpt_points",
            [](const Project& p) {
                std::vector<std::pair<double, double>> rows;
                if (p.cpt)
                    for (const CptPoint& c : p.cpt->points) rows.emplace_back(c.depth, c.qc);
                return rows;
            },
            [](Project& p, const std::optional<std::vector<std::pair<double, double>>>& rows) {
                if (!rows) {
                    p.cpt.reset();
                    return;
                }
                CptProfile profile;
                profile.unit_code = p.records.unit_system_code;
                for (const auto& [depth, qc] : *rows) profile.points.push_back({depth, qc});
                change_project(p, [&profile](Project& q) { q.cpt = std::move(profile); });
            },
            "(depth, qc) rows of the CPT profile (qc in lb/ft2 or kPa), or None for no CPT data file.");
    field(project, "title", &ProjectRecords::title, "record 1; the report shows its first 72 characters");
    field(project, "designer", &ProjectRecords::designer, "record 2");
    field(project, "job_number", &ProjectRecords::job_number, "record 3");
    field(project, "print_interval", &ProjectRecords::print_interval,
          "every how many increments the tables print a row");
    field(project, "perimeter", &ProjectRecords::perimeter,
          "perimeter of a noncircular section, in or mm; 0 circular");
    field(project, "tip_area", &ProjectRecords::tip_area, "tip area of a noncircular section, in2 or m2");
    field(project, "outside_diameter", &ProjectRecords::outside_diameter, "outside diameter, in or mm");
    field(project, "inside_diameter", &ProjectRecords::inside_diameter, "inside diameter, in or mm");
    field(project, "modulus", &ProjectRecords::modulus_of_elasticity, "modulus of elasticity, lb/in2 or kPa");
    field(project, "pile_length", &ProjectRecords::total_pile_length, "total pile length, ft or m");
    field(project, "stickup_length", &ProjectRecords::stickup_length,
          "length above the ground surface, ft or m");
    field(project, "end_section_length", &ProjectRecords::enhanced_end_section_length,
          "enhanced end section length; 0 none");
    field(project, "end_section_inside_diameter", &ProjectRecords::enhanced_end_section_inside_diameter,
          "inside diameter of the enhanced end section");
    field(project, "zero_friction_length", &ProjectRecords::zero_friction_length,
          "length without skin friction");
    field(project, "increment", &ProjectRecords::computation_increment, "computation increment, ft or m");
    field(project, "pile_type", &ProjectRecords::pile_type_code,
          "1 steel pipe, 2 timber, 3 precast concrete, 4 Raymond step taper, 5 Raymond uniform taper, 6 "
          "H-pile, "
          "7 monotube taper");
    field(project, "taper_angle", &ProjectRecords::taper_angle, "taper angle, degrees");
    field(project, "load_transfer_method", &ProjectRecords::load_transfer_method_code,
          "code of the method of the t-z curves and the load-settlement curve (see torve.METHODS)");
    field(project, "offshore_data", &ProjectRecords::offshore_data_flag, "1: the cone-based methods run");
    field(project, "reduced_resistance", &ProjectRecords::reduced_resistance_flag,
          "1: the load-transfer curves take the LRFD-factored skin friction");
    field(project, "deepest_soil_depth", &ProjectRecords::deepest_soil_depth,
          "depth the soil profile reaches");
    field(project, "section_area", &ProjectRecords::cross_section_area,
          "constant cross-section area (section mode 1)");
    field(project, "loading_type", &ProjectRecords::loading_type_code, "0 compression, 1 tension");
    field(project, "tension_factor", &ProjectRecords::tension_reduction_factor,
          "reduction factor on skin friction in tension");
    field(project, "clay_drainage", &ProjectRecords::clay_drainage_option, "1 drained clay, 0 undrained");
    field(project, "plug_condition", &ProjectRecords::plug_condition_code,
          "0 computed, 1 plugged, 2 unplugged");
    field(project, "unified_clay_base", &ProjectRecords::unified_clay_base_option,
          "Unified base in clay: 0 by the effective area ratio, 1 from load tests (0.8 qt closed, 0.4 qt "
          "open)");
    field(project, "section_mode", &ProjectRecords::section_mode,
          "0 area from the diameters, 1 constant area, 2 area varying with depth (sections)");
    field(project, "critical_depth_option", &ProjectRecords::critical_depth_option,
          "0 from the density, 1 from the effective stress, 2 user-specified");
    field(project, "critical_depth", &ProjectRecords::critical_depth, "user-specified critical depth");

    bind_run(m, [](const py::handle& p) { return run_request(p.cast<const Project&>()); });
}
