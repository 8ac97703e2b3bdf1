// torve._engine: the engine inside a Python process. Projects are held as the input data file's
// records, checked by the input checks on every change and before every run, and run by
// run_binding.cpp.
#include <pybind11/operators.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <optional>

#include "engine/driver/downdrag_analysis.h"
#include "engine/driver/input_reader.h"
#include "engine/model/cone_readings_file.h"
#include "engine/model/input_checks.h"
#include "engine/model/input_error.h"
#include "engine/model/layer_constants_file.h"
#include "engine/model/number_text.h"
#include "engine/model/project_codec.h"
#include "engine/model/soil_settlement_file.h"
#include "engine/model/unit_conversion.h"
#include "engine/model/whole_file.h"
#include "python/characteristic_binding.h"
#include "python/code_values.h"
#include "python/downdrag_binding.h"
#include "python/driveability_binding.h"
#include "python/field_values.h"
#include "python/run_binding.h"

namespace py = pybind11;

namespace torve::python {
namespace {

// The Python class torve.InputError, created with the module.
PyObject* input_error_type = nullptr;

// Engine text as Python text: valid UTF-8 as it stands, any other byte as \xNN, so that an error
// always says what it is (the engine quotes file text safely; this keeps it so whatever the text).
py::object text(const std::string& s) {
    return py::reinterpret_steal<py::object>(
        PyUnicode_DecodeUTF8(s.data(), static_cast<Py_ssize_t>(s.size()), "backslashreplace"));
}

// A path as Python names it: os.fsdecode() of the bytes the system was given.
py::object path_text(const std::string& path) {
    return py::reinterpret_steal<py::object>(
        PyUnicode_DecodeFSDefaultAndSize(path.data(), static_cast<Py_ssize_t>(path.size())));
}

// Raises torve.InputError with `message` and its attributes; `findings` are those of the checks.
[[noreturn]] void raise_error(const std::string& message, py::object file, py::object record, py::object line,
                              py::object field, std::vector<Finding> findings) {
    py::object error = py::reinterpret_borrow<py::object>(input_error_type)(text(message));
    error.attr("file") = std::move(file);
    error.attr("record") = std::move(record);
    error.attr("line") = std::move(line);
    error.attr("field") = std::move(field);
    error.attr("findings") = py::cast(std::move(findings));
    PyErr_SetObject(input_error_type, error.ptr());
    throw py::error_already_set();
}

// Raises torve.InputError with the engine's message of a file it read and the file, the record and
// the line it names, as the engine gives them.
[[noreturn]] void raise_input_error(const InputError& e) {
    const InputPlace& at = e.place();
    raise_error(e.what(), at.file.empty() ? py::object(py::none()) : path_text(at.file),
                at.record.empty() ? py::object(py::none()) : text(at.record),
                at.line > 0 ? py::object(py::int_(at.line)) : py::object(py::none()), py::none(), {});
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
    raise_error(message, path.empty() ? py::object(py::none()) : path_text(path),
                py::str(record_title(first.place)), py::none(), py::str(first.field), std::move(findings));
}

std::string read_file(const std::string& path, std::string_view what) {
    try {
        return read_text_file(path, what);
    } catch (const InputError& e) {
        raise_input_error(e);
    }
}

std::string cpt_path(const std::string& project_path) {
    return std::filesystem::path(project_path).replace_extension(".cpt").string();
}

UnitSystem system_of(const ProjectRecords& r) {
    return r.unit_system_code == code_of(UnitSystem::SI) ? UnitSystem::SI : UnitSystem::English;
}

struct Project {
    ProjectRecords records;
    std::optional<CptProfile> cpt;
    // A cone readings file beside the project that could not be read: write() leaves it alone.
    std::string unread_cone;
    // The soil settlement and sustained head load kept beside the project (PROJECT.settlement.csv).
    SettlementRecord settlement;
    std::string path;       // where it was read from or last written; empty for a new project
    bool deferred = false;  // inside update(): the check waits for the last field
    bool changed = false;   // changed since it was read or written: the file no longer holds it
};

// The text of the records as write() writes them. A value that is not finite is refused by its
// record, field and value: the text it would stand in is not written, so no line of a file holds it.
std::string text_of(const ProjectRecords& records) {
    try {
        return write_project_records(records, WriteStyle::AsHeld);
    } catch (const NotFiniteError& e) {
        const std::string word = std::isnan(e.value) ? "nan" : (e.value < 0 ? "-inf" : "inf");
        raise_error(
            record_title(e.place) + ": expected a finite number for the " + e.field + ", found " + word + ".",
            py::none(), py::str(record_title(e.place)), py::none(), py::str(e.field), {});
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

bool varying_sections(const ProjectRecords& r) {
    return r.section_mode.value_or(0) >= static_cast<int>(SectionMode::VaryingWithDepth);
}

// Section rows are written, and used, only with an area varying with depth: rows assigned under
// another section mode would be lost on the next write without a word. Refused (InputError on the
// field sections) unless the mode goes to 2 in the same update().
void refuse_unused_sections(const Project& before, const Project& after) {
    const ProjectRecords& r = after.records;
    if (r.section_rows.empty() || varying_sections(r) || r.section_rows == before.records.section_rows)
        return;
    raise_error(
        "sections: section rows are used, and written, only with section_mode 2 "
        "(SectionMode.VARYING_WITH_DEPTH), not " +
            std::to_string(r.section_mode.value_or(0)) + ": set section_mode first, or both in one update().",
        py::none(), py::str(record_title({RecordId::SectionTable})), py::none(), py::str("sections"), {});
}

// Refuses a change that brings a value refusal the project did not have: a refused value of the
// field assigned, or of one that the assigned field bounds (a smaller outside than inside diameter).
// Refusals elsewhere, the same as before, do not stop a change, so that a broken project can be
// mended field by field.
void check_change(const Project& before, const Project& after) {
    refuse_unused_sections(before, after);
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

// The Python class torve.InputWarning, created with the module.
PyObject* input_warning_type = nullptr;

// The warnings of the checks about values of their own (a modulus outside the pile material's range,
// a friction angle above 50 degrees, a zero-friction length beyond the pile, a tension factor of 0),
// not those of what a method lacks, which the project may still get.
std::vector<Finding> value_warnings(const Project& p) {
    std::vector<Finding> out;
    for (Finding& f : findings_of(p))
        if (!f.is_error() && !f.method) out.push_back(std::move(f));
    return out;
}

// Warns (torve.InputWarning) of each value warning that a change brings: the change stands, as the
// analysis takes the value, but a modulus typed in another unit should not pass unseen until a run.
void warn_of_change(const Project& before, const Project& after) {
    const std::vector<Finding> old = value_warnings(before);
    for (const Finding& f : value_warnings(after)) {
        if (std::any_of(old.begin(), old.end(),
                        [&f](const Finding& o) { return same_place_and_value(o, f); }))
            continue;
        if (PyErr_WarnEx(input_warning_type, located(f).c_str(), 1) != 0) throw py::error_already_set();
    }
}

// Applies `change` to a copy of the project and keeps it unless the change brings a refused value.
template <class Change>
void change_project(Project& p, Change&& change) {
    Project copy = p;
    change(copy);
    if (!p.deferred) {
        check_change(p, copy);
        warn_of_change(p, copy);
    }
    copy.changed = true;
    p = std::move(copy);
}

template <class Change>
void change_records(Project& p, Change&& change) {
    change_project(p, [&change](Project& q) { change(q.records); });
}

// Reads the files as the codec reads them: a file that is not well-formed is refused, located; the
// values are taken as they stand, for check() to judge and the fields to mend.
Project read_project(py::handle path_argument) {
    const std::string path = path_value("path", path_argument);
    Project p;
    try {
        p.records = read_project_records(read_file(path, "input data file"), path).records;
        const std::string layers = layer_constants_file_name(path);
        if (std::filesystem::exists(layers))
            read_layer_constants(read_file(layers, "soil layer constants file"), layers, p.records);
        const std::string cpt = cpt_path(path);
        if (std::filesystem::exists(cpt))
            p.cpt = read_cpt_records(read_file(cpt, "CPT data file"), cpt).records;
    } catch (const InputError& e) {
        raise_input_error(e);
    }
    // The sounding's fs, u2 and qt beside the points; a file that cannot be read is left out, with a
    // warning, and left as it is by write().
    const std::string cone = cone_readings_path(path);
    if (p.cpt && std::filesystem::exists(cone)) {
        try {
            attach_cone_readings(*p.cpt, read_cone_readings(read_file(cone, "cone readings file"), cone));
        } catch (const InputError& e) {
            p.unread_cone = cone;
            const std::string warning =
                std::string(e.what()) + " The project is read without its cone readings.";
            if (PyErr_WarnEx(PyExc_UserWarning, warning.c_str(), 1) != 0) throw py::error_already_set();
        }
    }
    // Points of the other unit system are held in the project's, as every reader reads them; those
    // under a code of no system stay as they are, for check() to refuse.
    const UnitSystem units = system_of(p.records);
    if (p.cpt && !p.cpt->points.empty() && cpt_unit_system(p.cpt->unit_code) &&
        p.cpt->unit_code != code_of(units)) {
        const std::string warning = cpt_file_label(cpt_path(path)) + " holds " +
                                    (units == UnitSystem::SI ? "English" : "S.I.") +
                                    " units: its points were converted to the project's " +
                                    (units == UnitSystem::SI ? "S.I." : "English") + " units.";
        p.cpt = cpt_profile_in(*p.cpt, units);
        if (PyErr_WarnEx(PyExc_UserWarning, warning.c_str(), 1) != 0) throw py::error_already_set();
    }
    const std::string settlement = settlement_file_beside(path);
    try {
        if (std::filesystem::exists(settlement))
            p.settlement = parse_settlement_record(read_file(settlement, "soil settlement file"), settlement);
    } catch (const InputError& e) {
        raise_input_error(e);
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
        r.outside_diameter = 610, r.inside_diameter = 585, r.modulus_of_elasticity = 2.1e8,
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

// Raises the OSError of a file that cannot be written, with the system's own error number (a
// PermissionError, a FileNotFoundError, ...) and the file; a path that names no regular file is an
// invalid target.
[[noreturn]] void raise_file_error(const FileError& e) {
    const int error = e.error() != 0 ? e.error() : EINVAL;
    py::object os_error =
        py::reinterpret_borrow<py::object>(PyExc_OSError)(error, text(e.reason()), path_text(e.path()));
    // OSError(errno, ...) is the subclass of that errno (PermissionError, FileNotFoundError, ...).
    PyErr_SetObject(reinterpret_cast<PyObject*>(Py_TYPE(os_error.ptr())), os_error.ptr());
    throw py::error_already_set();
}

// The project file and its CPT points are replaced together or not at all: a new project beside the
// CPT points of an older one would run on them without a word.
void write_project(Project& p, py::handle path_argument) {
    const std::string path = path_value("path", path_argument);
    // Rows held from before a change of the section mode: the file cannot hold them.
    if (!p.records.section_rows.empty() && !varying_sections(p.records)) {
        const std::string warning = std::to_string(p.records.section_rows.size()) +
                                    " section rows are not written: section_mode is " +
                                    std::to_string(p.records.section_mode.value_or(0)) +
                                    ", and only section_mode 2 uses them.";
        if (PyErr_WarnEx(PyExc_UserWarning, warning.c_str(), 1) != 0) throw py::error_already_set();
    }
    std::vector<std::pair<std::string, std::string>> files;
    files.emplace_back(path, text_of(p.records));
    if (p.cpt)
        files.emplace_back(std::filesystem::path(path).replace_extension(".cpt").string(),
                           write_cpt_records(*p.cpt));
    const std::string cone = cone_readings_path(path);
    const bool readings = p.cpt && !p.cpt->readings.empty();
    if (readings) {
        const std::optional<UnitSystem> units = cpt_unit_system(p.cpt->unit_code);
        try {
            files.emplace_back(cone,
                               write_cone_readings({units.value_or(system_of(p.records)), p.cpt->readings}));
        } catch (const NotFiniteError& e) {
            raise_error("cone reading " + std::to_string(e.place.index + 1) +
                            ": expected a finite number for " + e.field + ".",
                        py::none(), py::none(), py::none(), py::str(e.field), {});
        }
    }
    // The soil layer constants go beside it while a point gives any; a file of an earlier write
    // goes once none does, so that the next read does not give its values to other layers.
    const bool constants = has_layer_constants(p.records);
    try {
        if (constants) files.emplace_back(layer_constants_file_name(path), write_layer_constants(p.records));
    } catch (const NotFiniteError& e) {
        throw py::value_error("the " + e.field + " of soil point " + std::to_string(e.place.index + 1) +
                              " is not a finite number; nothing was written");
    }
    const std::string settlement = settlement_file_beside(path);
    const bool kept = !p.settlement.soil.depth.empty() || p.settlement.head_load;
    if (kept)
        files.emplace_back(settlement,
                           settlement_record_text(p.settlement, system_of(p.records) == UnitSystem::English));
    try {
        write_files_together(files);
        // Readings of points since replaced would be read with the new ones.
        std::error_code error;
        if (!readings && cone != p.unread_cone && std::filesystem::exists(cone, error))
            std::filesystem::remove(cone, error);
    } catch (const FileError& e) {
        raise_file_error(e);
    }
    std::error_code gone;
    if (!constants) std::filesystem::remove(layer_constants_file_name(path), gone);
    if (gone) {
        const std::string warning = "the soil layer constants file " + layer_constants_file_name(path) +
                                    " of an earlier write could not be removed: " + gone.message();
        if (PyErr_WarnEx(PyExc_UserWarning, warning.c_str(), 1) != 0) throw py::error_already_set();
    }
    // A settlement the project no longer holds is not left for the next reader to find.
    std::error_code error;
    if (!kept) std::filesystem::remove(settlement, error);
    p.path = path;
    p.changed = false;
}

// <torve.Project SI "New Pile": steel pipe OD 610 mm, 20 m long; 1 layer (sand) to 30 m; API RP 2A>:
// what a glance at a study's variations needs to tell them apart.
std::string project_repr(const Project& p, const py::object& pile_types) {
    const ProjectRecords& r = p.records;
    const bool si = r.unit_system_code == code_of(UnitSystem::SI);
    const std::string length = si ? " m" : " ft", diameter = si ? " mm" : " in";
    std::string out = std::string("<torve.Project ") + (si ? "SI" : "English") + " \"" + r.title + "\"";
    if (!p.path.empty()) out += " (" + p.path + (p.changed ? ", changed" : "") + ")";
    const py::object type = code_member(pile_types, r.pile_type_code);
    std::string pile = py::hasattr(type, "name") ? std::string(py::str(type.attr("name")))
                                                 : "pile type " + std::to_string(r.pile_type_code);
    for (char& c : pile) c = c == '_' ? ' ' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    out += ": " + pile + " OD " + shortest_real(r.outside_diameter) + diameter + ", " +
           shortest_real(r.total_pile_length) + length + " long; ";
    const std::size_t layers = r.soil_points.size() / 2;
    out += std::to_string(layers) + (layers == 1 ? " layer" : " layers");
    if (layers > 0) {
        std::string kinds;
        for (std::size_t i = 0; i < layers; ++i)
            kinds +=
                std::string(i ? ", " : "") + (r.soil_points[2 * i].soil_type_code == 2 ? "clay" : "sand");
        out += " (" + kinds + ") to " + shortest_real(r.soil_points.back().depth) + length;
    }
    std::string methods;
    for (const MethodInfo& info : kMethods)
        if (r.method_selection_flags.value_or(MethodFlags{})[index_of(info.method)] == 1)
            methods += (methods.empty() ? "" : ", ") + std::string(info.name);
    return out + "; " + (methods.empty() ? std::string("no method") : methods) + ">";
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
                       std::move(refused), p.changed ? std::string() : p.path);
    }
    return {run_names(name_of(p)), input_data_of(p.records), p.cpt.value_or(CptProfile{})};
}

// The value of a field of type T from Python: TypeError naming the field for a value of another type.
template <class T>
T value_of(const char* name, py::handle v) {
    if constexpr (std::is_same_v<T, double>)
        return number_value(name, v);
    else if constexpr (std::is_same_v<T, int>)
        return integer_value(name, v, "a whole number");
    else
        return text_value(name, v);
}

template <class T>
void field(py::class_<Project>& c, const char* name, T ProjectRecords::*member, const char* doc) {
    c.def_property(
        name, [member](const Project& p) { return p.records.*member; },
        [member, name](Project& p, py::handle v) {
            const T value = value_of<T>(name, v);
            change_records(p, [&](ProjectRecords& r) { r.*member = value; });
        },
        doc);
}

// A field that files of the previous version lack: its default when absent.
template <class T>
void field(py::class_<Project>& c, const char* name, std::optional<T> ProjectRecords::*member,
           const char* doc) {
    c.def_property(
        name, [member](const Project& p) { return (p.records.*member).value_or(T{}); },
        [member, name](Project& p, py::handle v) {
            const T value = value_of<T>(name, v);
            change_records(p, [&](ProjectRecords& r) { r.*member = value; });
        },
        doc);
}

// An integer code: read as the member of `codes` that it is, set from a member, a plain int or the
// member's name.
int stored_code(int code) {
    return code;
}
int stored_code(const std::optional<int>& code) {
    return code.value_or(0);
}

template <class T>
void code_field(py::class_<Project>& c, const char* name, T ProjectRecords::*member, py::object codes,
                const char* doc) {
    c.def_property(
        name,
        [member, codes](const Project& p) { return code_member(codes, stored_code(p.records.*member)); },
        [member, name, codes](Project& p, py::handle v) {
            const int code = code_value(name, v, codes);
            change_records(p, [&](ProjectRecords& r) { r.*member = code; });
        },
        doc);
}

// A soil point as Python holds it: a point of a project, read from it and changed through it (checked
// as any change of the project), or a point of its own, made by SoilPoint() or copy(), to be put into
// a project's list. A point of a project stands for its place in the list.
struct SoilPointRef {
    py::object owner = py::none();  // the torve.Project whose point it is; None for one of its own
    std::size_t index = 0;
    SoilPointRecord own;

    bool bound() const { return !owner.is_none(); }
};

// The project's point, or IndexError once the list no longer reaches it.
std::size_t checked_index(const SoilPointRef& s, const Project& p) {
    const std::size_t n = p.records.soil_points.size();
    if (s.index >= n)
        throw py::index_error("soil point " + std::to_string(s.index + 1) +
                              " is no longer in the project: it has " + std::to_string(n) +
                              " soil points now");
    return s.index;
}

const SoilPointRecord& record_of(const SoilPointRef& s) {
    if (!s.bound()) return s.own;
    const Project& p = s.owner.cast<const Project&>();
    return p.records.soil_points[checked_index(s, p)];
}

template <class Change>
void change_point(SoilPointRef& s, Change&& change) {
    if (!s.bound()) {
        change(s.own);
        return;
    }
    Project& p = s.owner.cast<Project&>();
    const std::size_t i = checked_index(s, p);
    change_records(p, [&](ProjectRecords& r) { change(r.soil_points[i]); });
}

// The fields of a soil point under their Python names; `codes` is the IntEnum of a code field.
struct SoilField {
    const char* name;
    double SoilPointRecord::*number = nullptr;
    std::optional<double> SoilPointRecord::*factor = nullptr;  // absent in files of the previous version
    int SoilPointRecord::*code = nullptr;
    const char* doc = "";
    // A soil layer constant: None where the project gives none and the default holds.
    std::optional<double> LayerConstants::*constant = nullptr;
};

py::object soil_field_value(const SoilField& f, const SoilPointRecord& r, const py::object& soil_types) {
    if (f.constant) {
        const std::optional<double>& v = r.constants.*f.constant;
        return v ? py::object(py::float_(*v)) : py::object(py::none());
    }
    if (f.number) return py::float_(r.*f.number);
    if (f.factor) return py::float_((r.*f.factor).value_or(1.0));
    return code_member(soil_types, r.*f.code);
}

void set_soil_field(const SoilField& f, SoilPointRef& s, py::handle v, const py::object& soil_types) {
    if (f.constant) {
        std::optional<double> value;
        if (!v.is_none()) value = number_value(f.name, v);
        change_point(s, [&](SoilPointRecord& r) { r.constants.*f.constant = value; });
        return;
    }
    if (f.code) {
        const int code = code_value(f.name, v, soil_types);
        change_point(s, [&](SoilPointRecord& r) { r.*f.code = code; });
    } else {
        const double value = number_value(f.name, v);
        change_point(s, [&](SoilPointRecord& r) {
            if (f.number)
                r.*f.number = value;
            else
                r.*f.factor = value;
        });
    }
}

const std::vector<SoilField>& soil_fields() {
    using R = SoilPointRecord;
    static const std::vector<SoilField> fields = {
        {"depth", &R::depth, nullptr, nullptr, "depth below the ground surface, ft or m"},
        {"soil_type", nullptr, nullptr, &R::soil_type_code, "SoilType.SAND (1) or SoilType.CLAY (2)"},
        {"earth_pressure", &R::coefficient_of_lateral_earth_pressure, nullptr, nullptr,
         "coefficient of lateral earth pressure K"},
        {"unit_weight", &R::effective_unit_weight, nullptr, nullptr,
         "effective unit weight, lb/ft3 or kN/m3"},
        {"friction_angle", &R::friction_angle, nullptr, nullptr, "friction angle, degrees"},
        {"bearing_factor", &R::bearing_capacity_factor, nullptr, nullptr, "bearing capacity factor Nq"},
        {"max_friction", &R::maximum_unit_friction, nullptr, nullptr, "limit of unit skin friction; 0 none"},
        {"max_bearing", &R::maximum_unit_bearing, nullptr, nullptr, "limit of unit end bearing; 0 none"},
        {"su", &R::undrained_shear_strength, nullptr, nullptr, "undrained shear strength (clay)"},
        {"sur_or_blow_count", &R::remolded_shear_strength_or_blow_count, nullptr, nullptr,
         "clay: remolded shear strength; sand: SPT blow count"},
        {"ysr", &R::yield_stress_ratio, nullptr, nullptr, "yield stress ratio (clay)"},
        {"plasticity_index", &R::plasticity_index, nullptr, nullptr, "plasticity index, %"},
        {"cone_resistance", &R::cone_resistance, nullptr, nullptr, "cone resistance qc"},
        {"fst", &R::soil_type_factor_fst, nullptr, nullptr,
         "soil-type factor Fst of the Unified clay friction: 1, about 0.5 in sensitive clay"},
        {"user_friction", &R::user_unit_skin_friction, nullptr, nullptr, "user-specified unit skin friction"},
        {"user_bearing", &R::user_unit_end_bearing, nullptr, nullptr, "user-specified unit end bearing"},
        {"lrfd_friction", nullptr, &R::lrfd_factor_on_unit_friction, nullptr, "LRFD factor on unit friction"},
        {"lrfd_bearing", nullptr, &R::lrfd_factor_on_unit_bearing, nullptr, "LRFD factor on unit bearing"},
        // The soil layer constants, kept in NAME.layers.csv beside the project; as the soil type, a
        // point's value holds from it down to the next point, so a layer takes its top point's.
        {"shaft_quake", nullptr, nullptr, nullptr, "shaft quake, in or mm; None: 2.5 mm",
         &LayerConstants::shaft_quake},
        {"toe_quake", nullptr, nullptr, nullptr, "toe quake, in or mm; None: 2.5 mm",
         &LayerConstants::toe_quake},
        {"shaft_damping", nullptr, nullptr, nullptr,
         "Smith shaft damping, s/ft or s/m; None: 0.16 s/m in sand, 0.65 s/m in clay",
         &LayerConstants::shaft_damping},
        {"toe_damping", nullptr, nullptr, nullptr, "Smith toe damping, s/ft or s/m; None: 0.50 s/m",
         &LayerConstants::toe_damping},
        {"setup_a", nullptr, nullptr, nullptr,
         "set-up factor A of the shaft's gain per log cycle of time; None: the run's A, else 0.2 sand, 0.6 "
         "clay",
         &LayerConstants::setup_a},
        {"setup_t0_days", nullptr, nullptr, nullptr,
         "reference time t0 of the set-up, days; None: the run's t0, else 0.5 sand, 1 clay",
         &LayerConstants::setup_t0_days},
    };
    return fields;
}

// SoilPoint(depth=15, soil_type="clay", unit_weight=8, su=40): what the constructor takes to make
// the same point, the depth and the soil type always, the other fields where they differ from a new
// point's (0; the LRFD factors and Fst 1).
std::string soil_point_repr(const SoilPointRecord& r, const py::object& soil_types) {
    const SoilPointRecord fresh;
    std::string out = "SoilPoint(";
    for (const SoilField& f : soil_fields()) {
        std::string value;
        if (f.constant) {
            const std::optional<double>& v = r.constants.*f.constant;
            if (!v) continue;
            value = std::isfinite(*v) ? shortest_real(*v) : std::string(std::isnan(*v) ? "nan" : "inf");
        } else if (f.code) {
            const py::object member = code_member(soil_types, r.*f.code);
            value = py::hasattr(member, "name")
                        ? "\"" + py::str(member.attr("name")).cast<std::string>() + "\""
                        : std::to_string(r.*f.code);
            for (char& c : value) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (f.number) {
            if (r.*f.number == fresh.*f.number && std::string(f.name) != "depth") continue;
            value = shortest_real(r.*f.number);
        } else {
            const double factor = (r.*f.factor).value_or(1.0);
            if (factor == (fresh.*f.factor).value_or(1.0)) continue;
            value = shortest_real(factor);
        }
        out += (out.back() == '(' ? "" : ", ") + std::string(f.name) + "=" + value;
    }
    return out + ")";
}

bool is_none_or_text(py::handle v) {
    return v.is_none() || PyUnicode_Check(v.ptr()) || PyBytes_Check(v.ptr());
}

// The items of a list assigned to `field`; TypeError for a value that is no list.
std::vector<py::handle> items_of(const char* field, py::handle list, const char* expected) {
    if (is_none_or_text(list) || !py::isinstance<py::iterable>(list))
        throw py::type_error(std::string(field) + " expects " + expected + ", got " + type_name(list));
    std::vector<py::handle> out;
    for (py::handle item : py::reinterpret_borrow<py::iterable>(list)) out.push_back(item);
    return out;
}

std::vector<double> numbers_of(const char* field, py::handle list) {
    std::vector<double> out;
    for (py::handle item : items_of(field, list, "a list of numbers"))
        out.push_back(number_value(field, item));
    return out;
}

// (a, b) rows: pairs of numbers, as tuples or lists of two.
std::vector<std::pair<double, double>> pairs_of(const char* field, py::handle list) {
    const char* expected = "a list of (depth, value) pairs of numbers";
    std::vector<std::pair<double, double>> out;
    for (py::handle item : items_of(field, list, expected)) {
        const std::vector<py::handle> pair = items_of(field, item, expected);
        if (pair.size() != 2)
            throw py::type_error(std::string(field) + " expects " + expected + ", got a row of " +
                                 std::to_string(pair.size()) + " values");
        out.emplace_back(number_value(field, pair[0]), number_value(field, pair[1]));
    }
    return out;
}

// The records of a sequence of soil points, read before anything changes: a list may hold points
// of the very project it is assigned to.
std::vector<SoilPointRecord> soil_records(py::handle points) {
    if (is_none_or_text(points) || !py::isinstance<py::iterable>(points))
        throw py::type_error("soil_points expects a list of torve.SoilPoint, got " + type_name(points));
    std::vector<SoilPointRecord> out;
    for (py::handle item : py::reinterpret_borrow<py::iterable>(points)) {
        if (!py::isinstance<SoilPointRef>(item))
            throw py::type_error("soil_points expects a list of torve.SoilPoint, got a list holding " +
                                 type_name(item));
        out.push_back(record_of(item.cast<const SoilPointRef&>()));
    }
    return out;
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
    input_warning_type = PyErr_NewExceptionWithDoc(
        "torve.InputWarning",
        "Warned of when an assignment brings a value the analysis takes but the checks find hardly\n"
        "plausible (a modulus outside the range of the pile material, a friction angle above 50\n"
        "degrees, a zero-friction length beyond the pile, a tension factor of 0). The text is the\n"
        "check's finding, with its record. warnings.simplefilter('error', torve.InputWarning) makes\n"
        "such an assignment raise instead.",
        PyExc_UserWarning, nullptr);
    m.attr("InputWarning") = py::reinterpret_borrow<py::object>(input_warning_type);

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

    // The integer codes of the records, named as the report names them.
    const py::object pile_types = code_enum(
        m, "PileType",
        {{"STEEL_PIPE", static_cast<int>(PileType::SteelPipe)},
         {"TIMBER", static_cast<int>(PileType::Timber)},
         {"PRECAST_CONCRETE", static_cast<int>(PileType::PrecastConcrete)},
         {"RAYMOND_STEP_TAPER", static_cast<int>(PileType::RaymondStepTaper)},
         {"RAYMOND_UNIFORM_TAPER", static_cast<int>(PileType::RaymondUniformTaper)},
         {"H_PILE", static_cast<int>(PileType::HPile)},
         {"MONOTUBE_TAPER", static_cast<int>(PileType::MonotubeTaper)}},
        "Pile-type codes: steel pipe (or the straight part of a monotube), timber, precast concrete,\n"
        "Raymond step taper, Raymond uniform taper, H-pile (or another steel pile), monotube taper.");
    const py::object soil_types =
        code_enum(m, "SoilType",
                  {{"SAND", static_cast<int>(SoilType::Sand)}, {"CLAY", static_cast<int>(SoilType::Clay)}},
                  "Soil-type codes of a soil point.");
    const py::object loading_types = code_enum(m, "LoadingType",
                                               {{"COMPRESSION", static_cast<int>(LoadingType::Compression)},
                                                {"TENSION", static_cast<int>(LoadingType::Tension)}},
                                               "Loading type codes.");
    const py::object plug_conditions =
        code_enum(m, "PlugCondition",
                  {{"COMPUTED", static_cast<int>(PlugCondition::Computed)},
                   {"PLUGGED", static_cast<int>(PlugCondition::Plugged)},
                   {"UNPLUGGED", static_cast<int>(PlugCondition::Unplugged)}},
                  "Plug condition codes: the internal plug computed, plugged, unplugged.");
    const py::object section_modes =
        code_enum(m, "SectionMode",
                  {{"FROM_DIAMETERS", static_cast<int>(SectionMode::FromDiameters)},
                   {"CONSTANT", static_cast<int>(SectionMode::Constant)},
                   {"VARYING_WITH_DEPTH", static_cast<int>(SectionMode::VaryingWithDepth)}},
                  "Where the axial stiffness takes its cross-section area: from the diameters, the constant\n"
                  "section_area, or the sections varying with depth.");
    const py::object drainages =
        code_enum(m, "ClayDrainage",
                  {{"UNDRAINED", static_cast<int>(ClayDrainage::Undrained)},
                   {"DRAINED", static_cast<int>(ClayDrainage::Drained)}},
                  "Clay drainage options of ICP/MTD; any code other than DRAINED means undrained.");
    const py::object critical_depth_options =
        code_enum(m, "CriticalDepthOption",
                  {{"FROM_DENSITY", static_cast<int>(CriticalDepthOption::FromDensity)},
                   {"FROM_STRESS", static_cast<int>(CriticalDepthOption::FromStress)},
                   {"USER_SPECIFIED", static_cast<int>(CriticalDepthOption::UserSpecified)}},
                  "Critical depth in sand: 10 to 20 diameters by the density, where the effective stress\n"
                  "reaches 3,500 lb/ft2, or the project's critical_depth.");

    py::class_<SoilPointRef> soil_point(
        m, "SoilPoint",
        "A soil point: the top or the bottom of a layer, as its two lines of the input data file hold\n"
        "it (stresses in lb/ft2 or kPa). A point of project.soil_points is the project's own: setting\n"
        "a field changes the project, checked as any assignment (InputError leaves it as it was).\n"
        "SoilPoint(depth=..., ...) and point.copy() make points of their own, to put into a list.");
    soil_point.def(py::init([soil_types](const py::kwargs& values) {
                       SoilPointRef s;
                       for (const auto& [key, value] : values) {
                           const std::string name = py::str(key);
                           const auto& fields = soil_fields();
                           const auto f = std::find_if(fields.begin(), fields.end(),
                                                       [&](const SoilField& sf) { return name == sf.name; });
                           if (f == fields.end())
                               throw py::type_error("SoilPoint has no field '" + name + "'");
                           set_soil_field(*f, s, value, soil_types);
                       }
                       return s;
                   }),
                   "SoilPoint(**fields): a point of its own, its fields 0 (LRFD factors 1) unless given.");
    for (const SoilField& f : soil_fields()) {
        soil_point.def_property(
            f.name,
            [f, soil_types](const SoilPointRef& s) { return soil_field_value(f, record_of(s), soil_types); },
            [f, soil_types](SoilPointRef& s, py::handle v) { set_soil_field(f, s, v, soil_types); }, f.doc);
    }
    soil_point
        .def(
            "copy",
            [](const SoilPointRef& s) {
                SoilPointRef c;
                c.own = record_of(s);
                return c;
            },
            "A point of its own with the same values; changing it changes no project.")
        .def(
            "__eq__",
            [](const SoilPointRef& a, py::handle b) -> py::object {
                if (!py::isinstance<SoilPointRef>(b))
                    return py::reinterpret_borrow<py::object>(Py_NotImplemented);
                return py::bool_(record_of(a) == record_of(b.cast<const SoilPointRef&>()));
            },
            py::is_operator())
        .def("__repr__",
             [soil_types](const SoilPointRef& s) { return soil_point_repr(record_of(s), soil_types); });
    soil_point.attr("__hash__") = py::none();

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
                    "Reads a .tv6d file (a str, bytes or os.PathLike path) and the .cpt file beside it\n"
                    "when there is one. Its texts are read as UTF-8, or as Latin-1 when the file is no\n"
                    "valid UTF-8 throughout; a control character in them reads as a blank. A file that is\n"
                    "not well-formed, not a regular file (a folder, a device, a pipe) or larger than\n"
                    "64 MB raises InputError, located; values the checks refuse are read as they stand,\n"
                    "for check() to name and the fields to mend.")
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
             "Writes the project to `path` (.tv6d) and its CPT points, if any, to the .cpt file beside it,\n"
             "together or not at all: each file is written whole under a new temporary name and renamed\n"
             "into place once both are complete. A link at `path` is followed (the file it names is\n"
             "replaced). A file that cannot be written raises the system's OSError for it and leaves the\n"
             "files that were there.")
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
                const py::object type = py::type::of<Project>();
                for (const auto& [name, value] : fields) {
                    const std::string key = py::str(name);
                    // Only the fields: a misspelt name must not pass unnoticed, nor reach a method.
                    const py::object attribute = py::getattr(type, name, py::none());
                    if (key.empty() || key[0] == '_' ||
                        !PyObject_TypeCheck(attribute.ptr(), &PyProperty_Type) ||
                        attribute.attr("fset").is_none())
                        throw py::type_error("update() has no field '" + key + "' to assign");
                    py::setattr(trial, name, value);
                }
                t.deferred = false;
                check_change(p, t);
                warn_of_change(p, t);
                p = t;
            },
            "Assigns several fields at once (project.update(outside_diameter=600, inside_diameter=570)),\n"
            "checked together when all are in; a set that brings a refused value leaves the project as\n"
            "it was.")
        .def("__repr__", [pile_types](const Project& p) { return project_repr(p, pile_types); })
        .def_property_readonly(
            "path", [](const Project& p) { return path_text(p.path); },
            "The file it was read from or last written to (as os.fsdecode() names it); '' when new.")
        .def(
            "_cpt_text",
            [](const Project& p) -> std::optional<std::string> {
                if (!p.cpt) return std::nullopt;
                return write_cpt_records(*p.cpt);
            },
            "The text of the CPT data file that write() would write; None for a project without one.")
        .def(
            "_take_texts",
            [](Project& p, const std::string& project_text, const std::optional<std::string>& cpt_text,
               const std::optional<std::string>& layers_text) {
                // Texts of a conversion: read as read() reads the files, and taken whole.
                Project q = p;
                try {
                    q.records = read_project_records(project_text, name_of(p)).records;
                    if (layers_text) read_layer_constants(*layers_text, name_of(p), q.records);
                    if (cpt_text) q.cpt = read_cpt_records(*cpt_text, name_of(p)).records;
                    // The readings go along in the units of the new points.
                    if (q.cpt && p.cpt && !p.cpt->readings.empty()) {
                        const std::optional<UnitSystem> from = cpt_unit_system(p.cpt->unit_code);
                        attach_cone_readings(*q.cpt, {from.value_or(system_of(p.records)), p.cpt->readings});
                    }
                } catch (const InputError& e) {
                    raise_input_error(e);
                }
                q.changed = true;
                p = std::move(q);
            },
            py::arg("project_text"), py::arg("cpt_text"), py::arg("layers_text") = std::nullopt,
            "Replaces the records by those of a project file's text, a CPT points file's text and a soil\n"
            "layer constants file's text.")
        .def(
            "_layers_text",
            [](const Project& p) -> std::optional<std::string> {
                if (!has_layer_constants(p.records)) return std::nullopt;
                return write_layer_constants(p.records);
            },
            "The text of the soil layer constants file that write() would write; None for none.")
        .def(
            "input_text", [](const Project& p) { return text_of(p.records); },
            "The text of the input data file that write() would write.")
        .def_property(
            "units",
            [](const Project& p) {
                return p.records.unit_system_code == code_of(UnitSystem::SI) ? "SI" : "English";
            },
            [](Project& p, py::handle v) {
                const std::string u = text_value("units", v);
                if (u != "SI" && u != "English") throw py::value_error("units must be \"SI\" or \"English\"");
                const bool si = p.records.unit_system_code == code_of(UnitSystem::SI);
                if ((u == "SI") != si &&
                    PyErr_WarnEx(PyExc_UserWarning,
                                 ("units = \"" + u +
                                  "\" relabels the values without converting them; project.convert(\"" + u +
                                  "\") converts every value")
                                     .c_str(),
                                 1) != 0)
                    throw py::error_already_set();
                const int code = code_of(u == "SI" ? UnitSystem::SI : UnitSystem::English);
                change_project(p, [code](Project& q) {
                    // The CPT points are values of the project as well: relabelled with the rest, so
                    // that the CPT data file written holds the project's code.
                    if (q.cpt && q.cpt->unit_code == q.records.unit_system_code) q.cpt->unit_code = code;
                    q.records.unit_system_code = code;
                });
            },
            "\"SI\" or \"English\". Assigning it relabels the values, the CPT points' with the rest,\n"
            "without converting them (45 m becomes 45 ft), and warns so (UserWarning) when it changes the\n"
            "system: convert() converts.")
        .def_property(
            "selected_methods",
            [](const Project& p) {
                std::vector<int> codes;
                for (const MethodInfo& info : kMethods)
                    if (p.records.method_selection_flags.value_or(MethodFlags{})[index_of(info.method)] == 1)
                        codes.push_back(code_of(info.method));
                return codes;
            },
            [](Project& p, py::handle list) {
                std::vector<int> codes;
                for (py::handle c : items_of("selected_methods", list, "a list of method codes"))
                    codes.push_back(integer_value("selected_methods", c, "a list of method codes"));
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
            "soil_points",
            [](const py::object& self) {
                py::list points;
                const std::size_t n = self.cast<const Project&>().records.soil_points.size();
                for (std::size_t i = 0; i < n; ++i) {
                    SoilPointRef s;
                    s.owner = self;
                    s.index = i;
                    points.append(py::cast(std::move(s)));
                }
                return points;
            },
            [](Project& p, py::handle points) {
                std::vector<SoilPointRecord> soil = soil_records(points);
                change_records(p, [&](ProjectRecords& r) { r.soil_points = std::move(soil); });
            },
            "The soil points, two per layer: the project's own, changed where they stand.")
        .def_property(
            "tz_print_depths",
            [](const Project& p) -> py::object {
                if (p.records.t_z_print_flag != 1) return py::none();
                return py::cast(p.records.t_z_print_depths);
            },
            [](Project& p, py::handle list) {
                std::optional<std::vector<double>> depths;
                if (!list.is_none()) depths = numbers_of("tz_print_depths", list);
                change_records(p, [&](ProjectRecords& r) {
                    r.t_z_print_flag = depths ? 1 : 0;
                    r.t_z_print_depths = depths.value_or(std::vector<double>{});
                });
            },
            "Extra depths of printed t-z curves, or None for none.")
        .def_property(
            "soil_settlement",
            [](const Project& p) -> py::object {
                if (p.settlement.soil.depth.empty()) return py::none();
                return py::make_tuple(p.settlement.soil.depth, p.settlement.soil.settlement);
            },
            [](Project& p, py::handle value) {
                SoilSettlement soil;
                if (!value.is_none()) {
                    const auto pair = value.cast<py::sequence>();
                    if (pair.size() != 2)
                        throw py::value_error("soil_settlement: expected (depths, settlements) or None");
                    soil = {numbers_of("soil_settlement depths", pair[0]),
                            numbers_of("soil_settlement settlements", pair[1])};
                    if (const auto fault = soil_settlement_fault(soil)) throw py::value_error(*fault);
                }
                p.settlement.soil = std::move(soil);
                p.changed = true;
            },
            "The soil's settlement as (depths, settlements): depths below the ground surface (ft | m),\n"
            "strictly increasing, and settlements (in | mm); None for none. Kept beside the project as\n"
            "PROJECT.settlement.csv by write() and read back by read(); downdrag() takes it by default.")
        .def_property(
            "head_load",
            [](const Project& p) -> py::object {
                return p.settlement.head_load ? py::object(py::float_(*p.settlement.head_load)) : py::none();
            },
            [](Project& p, std::optional<double> load) {
                if (load && !(std::isfinite(*load) && *load >= 0))
                    throw py::value_error("head_load: expected a load of 0 or more, or None");
                p.settlement.head_load = load;
                p.changed = true;
            },
            "The sustained head load of the downdrag (kips | kN), or None; kept in the settlement file.")
        .def_property(
            "working_load_fractions",
            [](const Project& p) -> py::object {
                if (!p.records.working_load_fractions) return py::none();
                return py::cast(*p.records.working_load_fractions);
            },
            [](Project& p, py::handle list) {
                std::optional<std::vector<double>> fractions;
                if (!list.is_none()) fractions = numbers_of("working_load_fractions", list);
                change_records(p,
                               [&](ProjectRecords& r) { r.working_load_fractions = std::move(fractions); });
            },
            "The working loads as fractions of each method's capacity at the tip (above 0, at most 1; up\n"
            "to 10), whose head movements the run gives; None for the run's own 1/2 and 1/3.")
        .def_property(
            "sections",
            [](const Project& p) {
                std::vector<std::pair<double, double>> rows;
                for (const SectionRowRecord& s : p.records.section_rows)
                    rows.emplace_back(s.section_depth, s.cross_section_area);
                return rows;
            },
            [](Project& p, py::handle list) {
                const std::vector<std::pair<double, double>> rows = pairs_of("sections", list);
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
            [](Project& p, py::handle list) {
                std::optional<std::vector<std::pair<double, double>>> rows;
                if (!list.is_none()) rows = pairs_of("cpt_points", list);
                if (!rows) {
                    p.cpt.reset();
                    return;
                }
                CptProfile profile;
                profile.unit_code = p.records.unit_system_code;
                for (const auto& [depth, qc] : *rows) profile.points.push_back({depth, qc});
                change_project(p, [&profile](Project& q) { q.cpt = std::move(profile); });
            },
            "(depth, qc) rows of the CPT profile (qc in lb/ft2 or kPa), or None for no CPT data file.\n"
            "Assigning it drops the cone readings (cone_readings), which went with the points before.")
        .def_property(
            "cone_readings",
            [](const Project& p) {
                std::vector<
                    std::tuple<double, std::optional<double>, std::optional<double>, std::optional<double>>>
                    rows;
                if (p.cpt)
                    for (const ConeReading& r : p.cpt->readings) rows.emplace_back(r.depth, r.fs, r.u2, r.qt);
                return rows;
            },
            [](Project& p, const std::vector<std::tuple<double, std::optional<double>, std::optional<double>,
                                                        std::optional<double>>>& rows) {
                if (!p.cpt) {
                    if (rows.empty()) return;
                    throw py::value_error("cone_readings go with CPT points: the project has none");
                }
                std::vector<ConeReading> readings;
                for (const auto& [depth, fs, u2, qt] : rows) {
                    for (const std::optional<double>& v : {std::optional<double>(depth), fs, u2, qt})
                        if (v && !std::isfinite(*v))
                            throw py::value_error("cone_readings: every value must be finite");
                    if (!readings.empty() && depth < readings.back().depth)
                        throw py::value_error("cone_readings: the depths must go downwards");
                    readings.push_back({depth, fs, u2, qt});
                }
                change_project(p, [&readings](Project& q) { q.cpt->readings = std::move(readings); });
            },
            "(depth, fs, u2, qt) rows of the sounding beside the CPT points, in their units (lb/ft2 or "
            "kPa),\n"
            "None where it gave no value: what Project.import_cpt keeps where the file has them, written\n"
            "to the .cone.csv file beside the project. The resistance to driving reads fs from them.");
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
    code_field(project, "pile_type", &ProjectRecords::pile_type_code, pile_types,
               "torve.PileType: 1 steel pipe, 2 timber, 3 precast concrete, 4 Raymond step taper, 5 Raymond "
               "uniform taper, 6 H-pile, 7 monotube taper");
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
    code_field(project, "loading_type", &ProjectRecords::loading_type_code, loading_types,
               "torve.LoadingType: 0 compression, 1 tension");
    field(project, "tension_factor", &ProjectRecords::tension_reduction_factor,
          "reduction factor on skin friction in tension");
    code_field(project, "clay_drainage", &ProjectRecords::clay_drainage_option, drainages,
               "torve.ClayDrainage: 1 drained clay, 0 (or any other) undrained");
    code_field(project, "plug_condition", &ProjectRecords::plug_condition_code, plug_conditions,
               "torve.PlugCondition: 0 computed, 1 plugged, 2 unplugged");
    field(project, "unified_clay_base", &ProjectRecords::unified_clay_base_option,
          "Unified base in clay: 0 by the effective area ratio, 1 from load tests (0.8 qt closed, 0.4 qt "
          "open)");
    code_field(project, "section_mode", &ProjectRecords::section_mode, section_modes,
               "torve.SectionMode: 0 area from the diameters, 1 constant area, 2 area varying with depth "
               "(sections)");
    code_field(project, "critical_depth_option", &ProjectRecords::critical_depth_option,
               critical_depth_options,
               "torve.CriticalDepthOption: 0 from the density, 1 from the effective stress, 2 "
               "user-specified");
    field(project, "critical_depth", &ProjectRecords::critical_depth, "user-specified critical depth");

    bind_run(m, [](const py::handle& p) { return run_request(p.cast<const Project&>()); });
    bind_downdrag(m, [](const py::handle& p) { return run_request(p.cast<const Project&>()); });
    bind_driveability(m, [](const py::handle& p) { return run_request(p.cast<const Project&>()); });
    // Each sounding's project is checked and run with the one method, whatever it selects itself.
    bind_characteristic(m, [](const py::handle& p, Method method) {
        Project alone = p.cast<const Project&>();
        MethodFlags flags{};
        flags[index_of(method)] = 1;
        alone.records.method_selection_flags = flags;
        return SoundingRequest{run_request(alone), alone.path};
    });
    m.def(
        "run_refusal",
        [](const Project& p) -> py::object {
            try {
                run_request(p);
            } catch (py::error_already_set& e) {
                return e.value();
            }
            return py::none();
        },
        py::arg("project"),
        "The InputError that run() raises for the project, or None when it runs; nothing is run.");
}
