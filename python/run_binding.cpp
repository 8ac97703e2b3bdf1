// torve._engine.run_projects: runs on threads of their own, and their results as Python values.
#include "python/run_binding.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <optional>
#include <sstream>
#include <thread>

#include "engine/methods/shaft_setup.h"
#include "engine/model/input_error.h"
#include "python/field_values.h"

namespace py = pybind11;

namespace torve::python {
namespace {

struct Outcome {
    RunResult result;
    // The texts of a run asked for them; none of a run without text.
    std::optional<std::string> console, report, plot;
};

// The text run writes the report and the plot text that `torve run` writes; without them the
// engine only computes.
Outcome execute(const RunRequest& r, bool texts, const std::optional<std::tm>& time,
                const std::optional<SetupRequest>& setup) {
    Outcome o;
    if (!texts) {
        o.result = compute_analysis(r.input, r.cpt, setup);
        return o;
    }
    std::ostringstream console, report, plot;
    RunOptions options;
    options.local_time = time;
    options.setup = setup;
    o.result = run_analysis(r.names, r.input, r.cpt, {&report, &plot}, console, options);
    o.console = console.str();
    o.report = report.str();
    o.plot = plot.str();
    return o;
}

py::array_t<double> array(const double* v, std::size_t n) {
    return py::array_t<double>(static_cast<py::ssize_t>(n), v);
}

py::array_t<double> array(const std::vector<double>& v) {
    return array(v.data(), v.size());
}

template <std::size_t N>
py::array_t<double> array(const std::array<double, N>& v) {
    return array(v.data(), N);
}

py::array_t<bool> flags(const std::vector<bool>& v) {
    py::array_t<bool> a(static_cast<py::ssize_t>(v.size()));
    auto w = a.mutable_unchecked<1>();
    for (std::size_t i = 0; i < v.size(); ++i) w(static_cast<py::ssize_t>(i)) = v[i];
    return a;
}

// One row per load level, one column per printed penetration row, of one value of its distribution.
py::array_t<double> distribution(const RunResult& r, double PileState::*value) {
    const std::size_t columns = r.load_levels.empty() ? 0 : r.load_levels.front().distribution.size();
    py::array_t<double> a(
        {static_cast<py::ssize_t>(r.load_levels.size()), static_cast<py::ssize_t>(columns)});
    auto w = a.mutable_unchecked<2>();
    for (std::size_t i = 0; i < r.load_levels.size(); ++i)
        for (std::size_t k = 0; k < columns; ++k)
            w(static_cast<py::ssize_t>(i), static_cast<py::ssize_t>(k)) =
                r.load_levels[i].distribution[k].*value;
    return a;
}

// One value of every load level.
py::array_t<double> per_level(const RunResult& r, double LoadLevelResult::*value) {
    py::array_t<double> a(static_cast<py::ssize_t>(r.load_levels.size()));
    auto w = a.mutable_unchecked<1>();
    for (std::size_t i = 0; i < r.load_levels.size(); ++i)
        w(static_cast<py::ssize_t>(i)) = r.load_levels[i].*value;
    return a;
}

py::dict curve(const TransferCurve& c) {
    py::dict d;
    d["depth"] = c.depth;
    d["load_transfer"] = array(c.load_transfer);
    d["movement"] = array(c.movement);
    return d;
}

const char* stop_name(RunStop s) {
    switch (s) {
        case RunStop::SoilExtent:
            return "soil extent";
        case RunStop::SegmentLimit:
            return "segment limit";
        case RunStop::None:
            break;
    }
    return nullptr;
}

py::object text(const std::optional<std::string>& s) {
    return s ? py::object(py::str(*s)) : py::object(py::none());
}

py::dict method(const CapacityTable& t, bool english) {
    py::dict m;
    m["name"] = std::string(method_info(t.method).name);
    m["code"] = code_of(t.method);
    m["tip"] = py::make_tuple(t.depth.back(), t.skin_friction.back(), t.end_bearing.back(), t.total.back());
    m["depth"] = array(t.depth);
    m["skin_friction"] = array(t.skin_friction);
    m["end_bearing"] = array(t.end_bearing);
    m["total"] = array(t.total);
    m["unit_skin_friction"] = array(t.unit_skin_friction);
    m["unit_end_bearing"] = array(t.unit_end_bearing);
    m["plug_controlled"] = flags(t.plug_controlled);
    m["warnings"] = method_warning_sentences(t, english);
    return m;
}

// The outcome as plain Python values; torve.Results dresses them.
py::dict to_python(const Outcome& o) {
    const RunResult& r = o.result;
    if (r.status == RunStatus::InputError) throw py::value_error(r.message);
    if (r.status != RunStatus::Completed) throw std::runtime_error(r.message);
    py::dict d;
    d["units"] = r.english ? "English" : "SI";
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
    d["warnings"] = warnings;
    d["console"] = text(o.console);
    d["report"] = text(o.report);
    d["plot_text"] = text(o.plot);
    if (const char* stop = stop_name(r.stop)) {
        d["stop"] = r.message;
        d["stop_reason"] = stop;
    } else {
        d["stop"] = py::none();
        d["stop_reason"] = py::none();
    }
    py::list methods;
    for (const CapacityTable& t : r.methods) methods.append(method(t, r.english));
    d["methods"] = methods;
    d["load_transfer_method"] = code_of(r.load_transfer_method);
    d["head_load"] = per_level(r, &LoadLevelResult::head_load);
    d["head_movement"] = per_level(r, &LoadLevelResult::head_movement);
    d["tip_load"] = per_level(r, &LoadLevelResult::tip_load);
    d["tip_movement"] = per_level(r, &LoadLevelResult::tip_movement);
    d["distribution_depth"] = distribution(r, &PileState::depth);
    d["distribution_load"] = distribution(r, &PileState::load);
    d["distribution_movement"] = distribution(r, &PileState::movement);
    py::list tz, extra;
    for (const TransferCurve& c : r.tz_curves) tz.append(curve(c));
    for (const PrintDepthCurve& c : r.extra_tz_curves)
        if (c.curve) extra.append(curve(*c.curve));
    d["tz_curves"] = tz;
    d["extra_tz_curves"] = extra;
    if (r.load_levels.empty()) {
        d["tip_curve"] = py::none();
    } else {
        py::dict tip;
        tip["load"] = array(r.tip_curve.load);
        tip["movement"] = array(r.tip_curve.movement);
        d["tip_curve"] = tip;
    }
    py::list working;
    for (const WorkingLoad& w : r.working_loads) {
        py::dict entry;
        entry["method"] = std::string(method_info(w.method).name);
        entry["fraction"] = w.fraction;
        entry["load"] = w.load;
        entry["head_movement"] = w.head_movement ? py::object(py::float_(*w.head_movement)) : py::none();
        entry["tip_movement"] = w.tip_movement ? py::object(py::float_(*w.tip_movement)) : py::none();
        working.append(entry);
    }
    d["working_loads"] = working;
    d["solver_max_iterations"] = r.solver_max_iterations;
    if (r.setup) {
        py::dict setup;
        setup["days"] = r.setup->days;
        const auto soil = [](const SetupRate& rate, double factor) {
            py::dict t;
            t["a"] = rate.a;
            t["t0_days"] = rate.t0_days;
            t["factor"] = factor;
            return t;
        };
        setup["sand"] = soil(r.setup->sand, r.setup->sand_factor);
        setup["clay"] = soil(r.setup->clay, r.setup->clay_factor);
        // The layers that gain by an A or t0 of their own, in depth order.
        py::list own;
        for (const SetupApplied::OwnRate& o : r.setup->own_rates) {
            py::dict layer = soil(o.rate, o.factor);
            layer["layer"] = o.layer;
            layer["top"] = o.top;
            layer["bottom"] = o.bottom;
            layer["soil"] = o.sand ? "sand" : "clay";
            own.append(layer);
        }
        setup["layers"] = own;
        d["setup"] = setup;
    } else {
        d["setup"] = py::none();
    }
    return d;
}

// One part of the time of the report's date block: a whole number from `least` to `most`. The
// argument is named, whatever was given: a date without a time of day, a part out of its range.
int time_part(const py::object& t, const char* part, int least, int most) {
    const char* expected = "a datetime.datetime (year, month, day, hour, minute and second)";
    const py::object v = py::getattr(t, part, py::none());
    if (v.is_none() || PyBool_Check(v.ptr()) || !PyIndex_Check(v.ptr()))
        throw py::type_error(std::string("time expects ") + expected + ", got " + type_name(t) +
                             (v.is_none() ? std::string(" without ") + part : std::string()));
    const py::object index = py::reinterpret_steal<py::object>(PyNumber_Index(v.ptr()));
    if (!index) throw py::error_already_set();
    int overflow = 0;
    const long long n = PyLong_AsLongLongAndOverflow(index.ptr(), &overflow);
    if (n == -1 && PyErr_Occurred()) throw py::error_already_set();
    if (overflow != 0 || n < least || n > most)
        throw py::value_error("time expects a " + std::string(part) + " from " + std::to_string(least) +
                              " to " + std::to_string(most) + ", got " + std::string(py::str(index)));
    return static_cast<int>(n);
}

std::optional<std::tm> time_of(const py::object& t) {
    if (t.is_none()) return std::nullopt;
    std::tm tm{};
    tm.tm_year = time_part(t, "year", 1, 9999) - 1900;
    tm.tm_mon = time_part(t, "month", 1, 12) - 1;
    tm.tm_mday = time_part(t, "day", 1, 31);
    tm.tm_hour = time_part(t, "hour", 0, 23);
    tm.tm_min = time_part(t, "minute", 0, 59);
    tm.tm_sec = time_part(t, "second", 0, 60);  // 60: a leap second
    return tm;
}

// The set-up of (days, a, t0_days), a or t0_days None for the soil types' own; a value out of range
// raises ValueError with the engine's sentence before any project runs.
std::optional<SetupRequest> setup_of(const py::object& setup) {
    if (setup.is_none()) return std::nullopt;
    const auto parts = setup.cast<py::tuple>();
    SetupRequest request;
    request.days = parts[0].cast<double>();
    if (!parts[1].is_none()) request.a = parts[1].cast<double>();
    if (!parts[2].is_none()) request.t0_days = parts[2].cast<double>();
    try {
        setup_rates(request);
    } catch (const InputError& e) {
        throw py::value_error(e.what());
    }
    return request;
}

py::list run_requests(const std::vector<RunRequest>& requests, unsigned jobs, bool report,
                      const std::optional<std::tm>& time, const std::optional<SetupRequest>& setup) {
    std::vector<Outcome> outcomes(requests.size());
    {
        py::gil_scoped_release release;
        // Each run has everything in its own objects: the engine keeps no global state.
        jobs = std::max(1u, std::min<unsigned>(jobs, static_cast<unsigned>(requests.size())));
        std::atomic<std::size_t> next{0};
        const auto worker = [&] {
            for (std::size_t i = next++; i < requests.size(); i = next++)
                outcomes[i] = execute(requests[i], report, time, setup);
        };
        if (jobs == 1) {
            worker();
        } else {
            std::vector<std::jthread> pool;
            for (unsigned k = 0; k < jobs; ++k) pool.emplace_back(worker);
        }
    }
    py::list out;
    for (const Outcome& o : outcomes) out.append(to_python(o));
    return out;
}

}  // namespace

RunFiles run_names(const std::string& project_file) {
    std::error_code ec;
    std::filesystem::path base = std::filesystem::absolute(project_file, ec);
    if (ec) base = project_file;
    RunFiles names;
    names.input = base.string();
    names.report = std::filesystem::path(base).replace_extension(".tv6o").string();
    names.plot = std::filesystem::path(base).replace_extension(".tv6p").string();
    names.cpt = std::filesystem::path(base).replace_extension(".cpt").string();
    return names;
}

void bind_run(py::module_& m, std::function<RunRequest(const py::handle& project)> request_of) {
    m.def(
        "run_projects",
        [request_of](const py::list& projects, unsigned jobs, bool report, const py::object& time,
                     const py::object& setup) {
            const std::optional<std::tm> when = time_of(time);
            const std::optional<SetupRequest> aged = setup_of(setup);
            std::vector<RunRequest> requests;
            requests.reserve(projects.size());
            for (const py::handle p : projects) requests.push_back(request_of(p));
            return run_requests(requests, jobs, report, when, aged);
        },
        py::arg("projects"), py::arg("jobs") = 1, py::arg("report") = false, py::arg("time") = py::none(),
        py::arg("setup") = py::none(),
        "Runs the projects on `jobs` threads; a list of plain results in the projects' order. With\n"
        "report false the engine only computes: no report, plot text or console text exists. `setup`\n"
        "is None or (days, a, t0_days), a and t0_days None for each soil type's own.");
}

}  // namespace torve::python
