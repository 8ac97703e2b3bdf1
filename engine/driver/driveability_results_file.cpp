// The driveability request a caller of the library writes, and the results file the run leaves.
#include "engine/driver/driveability_results_file.h"

#include <cmath>
#include <istream>
#include <map>
#include <ostream>
#include <set>

#include "engine/driver/driving_project.h"
#include "engine/model/input_error.h"
#include "engine/model/number_text.h"
#include "engine/model/text_encoding.h"
#include "engine/model/whole_file.h"

namespace torve {

namespace {

// The most threads a request may ask for; more would be a slip of the keyboard, not a machine.
constexpr int kMostJobs = 1024;

std::string trimmed(std::string_view s) {
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string_view::npos) return {};
    const auto e = s.find_last_not_of(" \t");
    return std::string(s.substr(b, e - b + 1));
}

class RequestLine {
  public:
    RequestLine(int number, std::string name, std::string value)
        : number_(number), name_(std::move(name)), value_(std::move(value)) {}

    [[noreturn]] void refuse(const std::string& why) const {
        throw InputError(
            "The driveability request, line " + std::to_string(number_) + ": \"" + name_ + "\" " + why,
            InputPlace{{}, {}, static_cast<std::size_t>(number_)});
    }

    const std::string& text() const {
        if (value_.empty()) refuse("has no value.");
        return value_;
    }

    double number(std::string_view token) const {
        double v = 0;
        if (!parse_real(token, v)) refuse("is " + quoted_text(token) + ", not a finite number.");
        return v;
    }
    double number() const { return number(trimmed(text())); }

    // A value above `low` (or at it, when `low_allowed`), and below `high` where there is one.
    double within(double low, bool low_allowed, std::optional<double> high = std::nullopt) const {
        const double v = number();
        const bool low_ok = low_allowed ? v >= low : v > low;
        if (!low_ok)
            refuse("is " + shortest_text(v) + "; it must be " + (low_allowed ? "at least " : "above ") +
                   shortest_text(low) + ".");
        if (high && !(v < *high))
            refuse("is " + shortest_text(v) + "; it must be below " + shortest_text(*high) + ".");
        return v;
    }

  private:
    int number_;
    std::string name_;
    std::string value_;
};

}  // namespace

DriveabilityRequest read_driveability_request(std::istream& request) {
    DriveabilityRequest r;
    std::set<std::string> given;
    std::map<std::string, int> range_lines;
    std::string line;
    int number = 0;
    while (std::getline(request, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);  // a byte order mark
        if (trimmed(line).empty()) continue;
        const auto comma = line.find(',');
        if (comma == std::string::npos)
            throw InputError("The driveability request, line " + std::to_string(number) + ": expected " +
                                 "\"name,value\", found " + quoted_text(line) + ".",
                             InputPlace{{}, {}, static_cast<std::size_t>(number)});
        const RequestLine l(number, line.substr(0, comma), line.substr(comma + 1));
        const std::string name = line.substr(0, comma);
        if (!given.insert(name).second) l.refuse("is given twice.");
        // Paths are taken as they stand: a blank or a comma may belong to a file's name.
        if (name == "project") {
            r.project = l.text();
        } else if (name == "hammer") {
            r.hammer = l.text();
        } else if (name == "results") {
            r.results = l.text();
        } else if (name == "srd") {
            const std::string v = trimmed(l.text());
            if (v == "alm-hamre")
                r.method = SrdMethod::AlmHamre;
            else if (v == "unified-srd")
                r.method = SrdMethod::UnifiedSrd;
            else
                l.refuse("is " + quoted_text(v) + "; it must be alm-hamre or unified-srd.");
        } else if (name == "from") {
            r.from = l.within(0, false);
            range_lines[name] = number;
        } else if (name == "to") {
            r.to = l.within(0, false);
            range_lines[name] = number;
        } else if (name == "step") {
            r.step = l.within(0, false);
            range_lines[name] = number;
        } else if (name == "segment_length") {
            r.segment_length_m = l.within(0, false);
        } else if (name == "shaft_factor") {
            r.srd_options.shaft_factor = l.within(0, true);
        } else if (name == "base_factor") {
            r.srd_options.base_factor = l.within(0, true);
        } else if (name == "friction_angle") {
            r.srd_options.interface_friction_angle = l.within(0, false, 90.0);
        } else if (name == "bearing_graph") {
            // An empty list is the default one: a caller may write the line whatever the user gave.
            const std::string values = line.substr(comma + 1);
            std::size_t at = 0;
            while (at < values.size()) {
                const auto b = values.find_first_not_of(" \t", at);
                if (b == std::string::npos) break;
                const auto e = std::min(values.find_first_of(" \t", b), values.size());
                const double v = l.number(std::string_view(values).substr(b, e - b));
                if (v < 0) l.refuse("holds " + shortest_text(v) + "; a resistance must be at least 0.");
                r.bearing_resistances.push_back(v);
                at = e;
            }
        } else if (name == "jobs") {
            int jobs = 0;
            const std::string v = trimmed(l.text());
            if (!parse_integer(v, jobs)) l.refuse("is " + quoted_text(v) + ", not a whole number.");
            if (jobs < 0 || jobs > kMostJobs)
                l.refuse("is " + v + "; it must be from 0 to " + std::to_string(kMostJobs) + ".");
            r.jobs = static_cast<unsigned>(jobs);
        } else {
            throw InputError("The driveability request, line " + std::to_string(number) + ": the name " +
                                 quoted_text(name) + " is not one of a request.",
                             InputPlace{{}, {}, static_cast<std::size_t>(number)});
        }
    }
    for (const char* required : {"project", "hammer", "results"})
        if (!given.count(required))
            throw InputError(std::string("The driveability request names no ") + required +
                             " file: it needs a line \"" + required + ",PATH\".");
    if (!range_lines.empty() && range_lines.size() != 3) {
        const int at = range_lines.begin()->second;
        throw InputError("The driveability request, line " + std::to_string(at) +
                             ": the tip depths need all three of from, to and step, or none of them.",
                         InputPlace{{}, {}, static_cast<std::size_t>(at)});
    }
    if (r.from) {
        const int at = range_lines["to"];
        const auto refuse = [&](const std::string& why) {
            throw InputError("The driveability request, line " + std::to_string(at) + ": " + why,
                             InputPlace{{}, {}, static_cast<std::size_t>(at)});
        };
        if (*r.to < *r.from)
            refuse("\"to\" is " + shortest_text(*r.to) + ", less than \"from\" (" + shortest_text(*r.from) +
                   "); the tip depths go down.");
        if ((*r.to - *r.from) / *r.step > kMostTipDepths)
            refuse("the tip depths from " + shortest_text(*r.from) + " to " + shortest_text(*r.to) +
                   " in steps of " + shortest_text(*r.step) + " are more than " +
                   std::to_string(kMostTipDepths) + ".");
    }
    return r;
}

namespace {

// A number as the results file holds it; a value that is no number (a blow count at refusal, the
// blows counted from it on) is an empty cell.
std::string cell(double v) {
    return std::isfinite(v) ? shortest_real(v) : std::string();
}

// A text on a "name,value" line is one line: the reader takes the rest of it after the first comma.
std::string one_line(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

}  // namespace

std::string driveability_results_text(const Driveability& d, const BlowResult* last_blow,
                                      const BearingGraph* bearing, double pile_length,
                                      const std::string& hammer_name) {
    if (d.status != RunStatus::Completed) return "solved,0\nmessage," + one_line(d.message) + "\n";
    std::string t = "solved,1\nmessage,\n";
    t += std::string("units,") + (d.english ? "English" : "S.I.") + "\n";
    t += "method," + srd_method_name(d.method) + "\n";
    t += "hammer," + one_line(hammer_name) + "\n";
    t += "pile_length," + cell(pile_length) + "\n";
    t += "depth,srd shaft,srd base,srd total,blow count,cumulative blows,max compression,"
         "max compression at,max tension,max tension at,enthru,refusal\n";
    for (std::size_t i = 0; i < d.depth.size(); ++i)
        t += cell(d.depth[i]) + "," + cell(d.srd_shaft[i]) + "," + cell(d.srd_base[i]) + "," +
             cell(d.srd_total[i]) + "," + cell(d.blow_count[i]) + "," + cell(d.cumulative_blows[i]) + "," +
             cell(d.max_compression[i]) + "," + cell(d.max_compression_at[i]) + "," + cell(d.max_tension[i]) +
             "," + cell(d.max_tension_at[i]) + "," + cell(d.enthru_kj[i]) + "," + (d.refusal[i] ? "1" : "0") +
             "\n";
    if (last_blow && !d.depth.empty()) {
        t += "blow at," + cell(d.depth.back()) + "\n";
        t += "time,head force,head velocity\n";
        const BlowResult& b = *last_blow;
        const std::size_t n = std::min({b.time.size(), b.head_force.size(), b.head_velocity.size()});
        for (std::size_t i = 0; i < n; ++i)
            t += cell(b.time[i]) + "," + cell(b.head_force[i]) + "," + cell(b.head_velocity[i]) + "\n";
    }
    if (bearing) {
        const auto set = [bearing](double m) { return bearing->english ? m / 0.0254 : m * 1000; };  // in, mm
        t += "bearing graph at," + cell(bearing->tip_depth) + "\n";
        t += "resistance,blow count,max compression,max tension,set\n";
        for (std::size_t i = 0; i < bearing->blows.size(); ++i) {
            const BlowResult& b = bearing->blows[i];
            t += cell(bearing->resistance[i]) + "," + cell(b.blow_count) + "," + cell(b.max_compression) +
                 "," + cell(b.max_tension) + "," + cell(set(b.set_m)) + "\n";
        }
    }
    return t;
}

namespace {

// What a request's run gives before it is written: the results text, or the status of a run that
// was stopped.
struct RequestOutcome {
    RunStatus status = RunStatus::Completed;
    std::string text;
};

RequestOutcome drive_request(const DriveabilityRequest& request, const DrivingProgress& progress) {
    Driveability failed;
    const auto failure = [&failed](RunStatus status, const std::string& message) {
        failed.status = status;
        failed.message = message;
        return RequestOutcome{status, driveability_results_text(failed, nullptr, nullptr, 0, {})};
    };
    DrivingProject p;
    try {
        p = read_driving_project(request.project, request.hammer);
    } catch (const InputError& e) {
        return failure(RunStatus::InputError, e.what());
    }
    const InputData& in = p.input.in;
    std::optional<TipDepthRange> range;
    if (request.from && request.to && request.step)
        range = TipDepthRange{*request.from, *request.to, *request.step};
    const std::vector<double> depths = driving_tip_depths(in, range);
    const double length = in.total_pile_length;
    DrivingSettings settings;
    settings.segment_length_m = request.segment_length_m;

    // The bearing graph needs the resistance at the pile's length before its blows are counted.
    const SrdProfile own = compute_srd(in, p.input.cpt, request.method, {length}, request.srd_options);
    if (own.status != RunStatus::Completed || own.stop != RunStop::None || own.depths.empty())
        return failure(own.status == RunStatus::Completed ? RunStatus::InputError : own.status, own.message);
    const std::vector<double> resistances = request.bearing_resistances.empty()
                                                ? default_bearing_resistances(own.depths.back().total())
                                                : request.bearing_resistances;
    // The bearing graph's blows, all with the tip at the pile's length, count on after the depths.
    const int total = static_cast<int>(depths.size() + resistances.size());
    const int driven = static_cast<int>(depths.size());
    DrivingProgress depth_progress, bearing_progress;
    if (progress) {
        depth_progress = [&progress, total](int done, int) { return progress(done, total); };
        bearing_progress = [&progress, total, driven](int done, int) {
            return progress(driven + done, total);
        };
    }

    const SrdProfile srd = compute_srd(in, p.input.cpt, request.method, depths, request.srd_options);
    const Driveability d = driveability(in, srd, p.hammer, settings, request.jobs, depth_progress);
    if (d.status != RunStatus::Completed) return failure(d.status, d.message);
    BlowResult last;
    try {
        last = drive_one_blow(in, p.hammer, srd.depths.back(), 1.0, settings);
    } catch (const InputError& e) {
        return failure(RunStatus::InputError, e.what());
    }
    const BearingGraph g =
        bearing_graph(in, p.hammer, own.depths.back(), resistances, settings, request.jobs, bearing_progress);
    if (g.status != RunStatus::Completed) return failure(g.status, g.message);
    return {RunStatus::Completed, driveability_results_text(d, &last, &g, length, p.hammer.name)};
}

}  // namespace

int run_driveability_request(const DriveabilityRequest& request,
                             const std::function<bool(int done, int total)>& progress,
                             std::ostream& console) {
    RequestOutcome outcome;
    const auto internal = [&outcome](const std::string& message) {
        Driveability failed;
        failed.status = RunStatus::InternalError;
        failed.message = message;
        outcome = {failed.status, driveability_results_text(failed, nullptr, nullptr, 0, {})};
    };
    try {
        outcome = drive_request(request, progress);
    } catch (const std::exception& e) {
        internal(e.what());
    } catch (...) {
        internal("The driveability run failed inside the engine.");
    }
    // A run stopped by its caller leaves the results file as it was: the caller asked for nothing.
    if (outcome.status == RunStatus::Stopped) return static_cast<int>(outcome.status);
    try {
        write_file_whole(request.results, outcome.text);
    } catch (const FileError& e) {
        console << "ERROR - The driveability results file " << request.results
                << " cannot be written: " << e.reason() << '\n';
        return static_cast<int>(RunStatus::OutputError);
    } catch (const std::exception& e) {
        console << "ERROR - The driveability results file " << request.results
                << " cannot be written: " << e.what() << '\n';
        return static_cast<int>(RunStatus::OutputError);
    }
    return static_cast<int>(outcome.status);
}

}  // namespace torve
