// torve._engine: the engine inside a Python process. Projects are held as the input data file's
// records, checked by the engine's reader on every change, and run by run_binding.cpp.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "engine/driver/input_error.h"
#include "engine/driver/input_reader.h"
#include "engine/driver/input_records.h"
#include "python/run_binding.h"

namespace py = pybind11;

namespace torve::python {
namespace {

// The Python class torve.InputError, created with the module.
PyObject* input_error_type = nullptr;

// Raises torve.InputError with the engine's message and, when the message locates it, the file, the
// record and the line ('Input data file "p.tv6d", record 5 (pile section), line 5: ...').
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
    py::object error = py::reinterpret_borrow<py::object>(input_error_type)(message);
    error.attr("file") = file;
    error.attr("record") = record;
    error.attr("line") = line;
    PyErr_SetObject(input_error_type, error.ptr());
    throw py::error_already_set();
}

std::string read_file(const std::string& path, std::string_view what) {
    try {
        return read_text_file(path, what);
    } catch (const InputError& e) {
        raise_input_error(e.what());
    }
}

struct Project {
    InputRecords records;
    std::optional<CptProfile> cpt;
    std::string path;       // where it was read from or last written; empty for a new project
    bool deferred = false;  // inside update(): the check waits for the last field
};

// The engine's reader over the records as they would be written: a change that makes the project
// unreadable for the analysis is refused with the reader's message.
void check(const InputRecords& records, const std::string& name) {
    try {
        parse_input_data(write_input_records(records), name);
    } catch (const InputError& e) {
        raise_input_error(e.what());
    }
}

std::string name_of(const Project& p) {
    return p.path.empty() ? std::string("project.tv6d") : p.path;
}

// Applies `change` to a copy of the records and keeps it only when the engine reads it.
template <class Change>
void change_records(Project& p, Change&& change) {
    InputRecords copy = p.records;
    change(copy);
    if (!p.deferred) check(copy, name_of(p));
    p.records = std::move(copy);
}

Project read_project(const std::string& path) {
    Project p;
    try {
        p.records = read_input_records(read_file(path, "input data file"), path);
        const std::string cpt = std::filesystem::path(path).replace_extension(".cpt").string();
        if (std::filesystem::exists(cpt)) p.cpt = parse_cpt_data(read_file(cpt, "CPT data file"), cpt);
    } catch (const InputError& e) {
        raise_input_error(e.what());
    }
    p.path = path;
    return p;
}

// A new project: one sand layer under a steel pipe pile, API RP 2A, in the given units.
Project new_project(const std::string& units) {
    Project p;
    InputRecords& r = p.records;
    if (units == "SI" || units == "S.I.") {
        r.units = code_of(UnitSystem::SI);
        r.outside_diameter = 610, r.inside_diameter = 585, r.modulus = 2.0e8, r.pile_length = 20;
        r.increment = 0.5, r.deepest_soil_depth = 30;
        r.soil = {{0, 1, 0.8, 9, 30, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1},
                  {30, 1, 0.8, 9, 30, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1}};
    } else if (units == "English") {
        r.units = code_of(UnitSystem::English);
        r.outside_diameter = 24, r.inside_diameter = 23, r.modulus = 2.9e7, r.pile_length = 60;
        r.increment = 1, r.deepest_soil_depth = 100;
        r.soil = {{0, 1, 0.8, 60, 30, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1},
                  {100, 1, 0.8, 60, 30, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1}};
    } else {
        throw py::value_error("units must be \"SI\" or \"English\", not \"" + units + "\"");
    }
    r.selected[index_of(Method::Api)] = 1;
    check(r, "project.tv6d");
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
    check(p.records, path);
    write_text(path, write_input_records(p.records));
    if (p.cpt)
        write_text(std::filesystem::path(path).replace_extension(".cpt").string(), write_cpt_data(*p.cpt));
    p.path = path;
}

// What a run of the project needs: its input as the engine's reader reads the records.
RunRequest run_request(const Project& p) {
    RunRequest r{run_names(name_of(p)), {}, p.cpt.value_or(CptProfile{})};
    try {
        r.input = parse_input_data(write_input_records(p.records), r.names.input);
    } catch (const InputError& e) {
        raise_input_error(e.what());
    }
    return r;
}

template <class T>
void field(py::class_<Project>& c, const char* name, T InputRecords::*member, const char* doc) {
    c.def_property(
        name, [member](const Project& p) { return p.records.*member; },
        [member](Project& p, T v) { change_records(p, [&](InputRecords& r) { r.*member = v; }); }, doc);
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
        "Input the analysis cannot use. str(error) is the engine's message; the attributes file, record\n"
        "and line locate it when the message does (None otherwise).",
        PyExc_ValueError, nullptr);
    m.attr("InputError") = py::reinterpret_borrow<py::object>(input_error_type);

    py::dict methods;
    for (const MethodInfo& info : kMethods) methods[py::int_(code_of(info.method))] = std::string(info.name);
    m.attr("METHODS") = methods;

    py::class_<SoilPointRecord>(
        m, "SoilPoint",
        "A soil point: the top or the bottom of a layer, as its two lines of the input\n"
        "data file hold it (stresses in lb/ft2 or kPa).")
        .def(py::init<>())
        .def_readwrite("depth", &SoilPointRecord::depth, "depth below the ground surface, ft or m")
        .def_readwrite("soil_type", &SoilPointRecord::soil_type, "1 sand, 2 clay")
        .def_readwrite("earth_pressure", &SoilPointRecord::earth_pressure,
                       "coefficient of lateral earth pressure K")
        .def_readwrite("unit_weight", &SoilPointRecord::unit_weight, "effective unit weight, lb/ft3 or kN/m3")
        .def_readwrite("friction_angle", &SoilPointRecord::friction_angle, "friction angle, degrees")
        .def_readwrite("bearing_factor", &SoilPointRecord::bearing_factor, "bearing capacity factor Nq")
        .def_readwrite("max_friction", &SoilPointRecord::max_friction, "limit of unit skin friction; 0 none")
        .def_readwrite("max_bearing", &SoilPointRecord::max_bearing, "limit of unit end bearing; 0 none")
        .def_readwrite("su", &SoilPointRecord::su, "undrained shear strength (clay)")
        .def_readwrite("sur_or_blow_count", &SoilPointRecord::sur_or_blow_count,
                       "clay: remolded shear strength; sand: SPT blow count")
        .def_readwrite("ysr", &SoilPointRecord::ysr, "yield stress ratio (clay)")
        .def_readwrite("plasticity_index", &SoilPointRecord::plasticity_index, "plasticity index, %")
        .def_readwrite("cone_resistance", &SoilPointRecord::cone_resistance, "cone resistance qc")
        .def_readwrite("user_friction", &SoilPointRecord::user_friction, "user-specified unit skin friction")
        .def_readwrite("user_bearing", &SoilPointRecord::user_bearing, "user-specified unit end bearing")
        .def_readwrite("lrfd_friction", &SoilPointRecord::lrfd_friction, "LRFD factor on unit friction")
        .def_readwrite("lrfd_bearing", &SoilPointRecord::lrfd_bearing, "LRFD factor on unit bearing")
        .def("__repr__", [](const SoilPointRecord& p) {
            return "SoilPoint(depth=" + shortest_real(p.depth) +
                   ", soil_type=" + std::to_string(p.soil_type) + ")";
        });

    py::class_<Project> project(
        m, "Project",
        "A pile project: the records of its input data file (.tv6d) and its CPT points.\n"
        "Every field is checked by the engine's reader when assigned; a value it refuses\n"
        "raises InputError and leaves the project as it was.");
    project
        .def_static("read", &read_project, py::arg("path"),
                    "Reads a .tv6d file and the .cpt file beside it when there is one.")
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
                check(t.records, name_of(t));
                p = t;
            },
            "Assigns several fields at once (project.update(outside_diameter=600, inside_diameter=570)),\n"
            "checked together when all are in; a refused set leaves the project as it was.")
        .def_readonly("path", &Project::path, "The file it was read from or last written to; '' when new.")
        .def(
            "input_text", [](const Project& p) { return write_input_records(p.records); },
            "The text of the input data file that write() would write.")
        .def_property(
            "units",
            [](const Project& p) { return p.records.units == code_of(UnitSystem::SI) ? "SI" : "English"; },
            [](Project& p, const std::string& u) {
                if (u != "SI" && u != "English") throw py::value_error("units must be \"SI\" or \"English\"");
                change_records(p, [&](InputRecords& r) {
                    r.units = code_of(u == "SI" ? UnitSystem::SI : UnitSystem::English);
                });
            },
            "\"SI\" or \"English\". Changing it relabels the values; it does not convert them.")
        .def_property(
            "selected_methods",
            [](const Project& p) {
                std::vector<int> codes;
                for (const MethodInfo& info : kMethods)
                    if (p.records.selected[index_of(info.method)] == 1) codes.push_back(code_of(info.method));
                return codes;
            },
            [](Project& p, const std::vector<int>& codes) {
                change_records(p, [&](InputRecords& r) {
                    r.selected.fill(0);
                    for (const int c : codes) {
                        if (!is_valid_method_code(c))
                            throw py::value_error("no method has the code " + std::to_string(c));
                        r.selected[index_of(static_cast<Method>(c))] = 1;
                    }
                });
            },
            "Codes of the selected methods (see torve.METHODS); Project.methods gives their names.")
        .def_property(
            "soil_points", [](const Project& p) { return p.records.soil; },
            [](Project& p, const std::vector<SoilPointRecord>& soil) {
                change_records(p, [&](InputRecords& r) { r.soil = soil; });
            },
            "The soil points (a copy: change one, then assign the list back), two per layer.")
        .def_property(
            "tz_print_depths",
            [](const Project& p) -> py::object {
                if (p.records.tz_print != 1) return py::none();
                return py::cast(p.records.tz_print_depths);
            },
            [](Project& p, const std::optional<std::vector<double>>& depths) {
                change_records(p, [&](InputRecords& r) {
                    r.tz_print = depths ? 1 : 0;
                    r.tz_print_depths = depths.value_or(std::vector<double>{});
                });
            },
            "Extra depths of printed t-z curves, or None for none.")
        .def_property(
            "sections",
            [](const Project& p) {
                std::vector<std::pair<double, double>> rows;
                for (const SectionRow& s : p.records.sections) rows.emplace_back(s.depth, s.area);
                return rows;
            },
            [](Project& p, const std::vector<std::pair<double, double>>& rows) {
                change_records(p, [&](InputRecords& r) {
                    r.sections.clear();
                    for (const auto& [depth, area] : rows) r.sections.push_back({depth, area});
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
                profile.unit_code = p.records.units;
                for (const auto& [depth, qc] : *rows) profile.points.push_back({depth, qc});
                // The CPT reader's own checks (row limit, depths going downwards).
                try {
                    parse_cpt_data(write_cpt_data(profile), "CPT data");
                } catch (const InputError& e) {
                    raise_input_error(e.what());
                }
                p.cpt = std::move(profile);
            },
            "(depth, qc) rows of the CPT profile (qc in lb/ft2 or kPa), or None for no CPT data file.");
    field(project, "title", &InputRecords::title, "record 1; the report shows its first 72 characters");
    field(project, "designer", &InputRecords::designer, "record 2");
    field(project, "job_number", &InputRecords::job_number, "record 3");
    field(project, "print_interval", &InputRecords::print_interval,
          "every how many increments the tables print a row");
    field(project, "perimeter", &InputRecords::perimeter,
          "perimeter of a noncircular section, in or mm; 0 circular");
    field(project, "tip_area", &InputRecords::tip_area, "tip area of a noncircular section, in2 or m2");
    field(project, "outside_diameter", &InputRecords::outside_diameter, "outside diameter, in or mm");
    field(project, "inside_diameter", &InputRecords::inside_diameter, "inside diameter, in or mm");
    field(project, "modulus", &InputRecords::modulus, "modulus of elasticity, lb/in2 or kPa");
    field(project, "pile_length", &InputRecords::pile_length, "total pile length, ft or m");
    field(project, "stickup_length", &InputRecords::stickup_length,
          "length above the ground surface, ft or m");
    field(project, "end_section_length", &InputRecords::end_section_length,
          "enhanced end section length; 0 none");
    field(project, "end_section_inside_diameter", &InputRecords::end_section_inside_diameter,
          "inside diameter of the enhanced end section");
    field(project, "zero_friction_length", &InputRecords::zero_friction_length,
          "length without skin friction");
    field(project, "increment", &InputRecords::increment, "computation increment, ft or m");
    field(project, "pile_type", &InputRecords::pile_type,
          "1 steel pipe, 2 timber, 3 precast concrete, 4 Raymond step taper, 5 Raymond uniform taper, 6 "
          "H-pile, "
          "7 monotube taper");
    field(project, "taper_angle", &InputRecords::taper_angle, "taper angle, degrees");
    field(project, "load_transfer_method", &InputRecords::load_transfer_method,
          "code of the method of the t-z curves and the load-settlement curve (see torve.METHODS)");
    field(project, "offshore_data", &InputRecords::offshore_data, "1: the cone-based methods run");
    field(project, "reduced_resistance", &InputRecords::reduced_resistance,
          "1: the load-transfer curves take the LRFD-factored skin friction");
    field(project, "deepest_soil_depth", &InputRecords::deepest_soil_depth, "depth the soil profile reaches");
    field(project, "section_area", &InputRecords::section_area,
          "constant cross-section area (section mode 1)");
    field(project, "loading_type", &InputRecords::loading_type, "0 compression, 1 tension");
    field(project, "tension_factor", &InputRecords::tension_factor,
          "reduction factor on skin friction in tension");
    field(project, "clay_drainage", &InputRecords::clay_drainage, "1 drained clay, 0 undrained");
    field(project, "plug_condition", &InputRecords::plug_condition, "0 computed, 1 plugged, 2 unplugged");
    field(project, "section_mode", &InputRecords::section_mode,
          "0 area from the diameters, 1 constant area, 2 area varying with depth (sections)");
    field(project, "critical_depth_option", &InputRecords::critical_depth_option,
          "0 from the density, 1 from the effective stress, 2 user-specified");
    field(project, "critical_depth", &InputRecords::critical_depth, "user-specified critical depth");

    bind_run(m, [](const py::handle& p) { return run_request(p.cast<const Project&>()); });
}
