// Formatting of the per-project summary of `torve run`.
#include "cli/run_summary.h"

#include "engine/driver/fixed_format.h"
#include "engine/model/number_text.h"

namespace torve::cli {

void print_run_summary(std::ostream& out, const std::string& project, const std::string& report,
                       const std::string& plot, const std::vector<std::string>& csv,
                       const RunResult& result) {
    out << project << '\n';
    if (result.status != RunStatus::Completed) {
        out << "  FAILED: " << result.message << '\n';
        // A run refused before its report was made leaves no report, whatever file has its name.
        if (result.report_started) out << "  report (incomplete): " << report << '\n';
        return;
    }
    out << "  report:    " << report << '\n';
    out << "  plot file: " << plot << '\n';
    for (const std::string& file : csv) out << "  csv:       " << file << '\n';
    for (const RunWarning& w : result.warnings)
        out << "  warning: " << warning_sentence(w, result.english) << '\n';
    if (result.stop != RunStop::None) {
        out << "  STOPPED: " << result.message << '\n';
        return;
    }
    const char* force = result.english ? "kips" : "kN";
    const char* length = result.english ? "ft" : "m";
    if (result.setup) {
        const SetupApplied& s = *result.setup;
        out << "  set-up: " << shortest_real(s.days) << " days after driving; sand A "
            << shortest_real(s.sand.a) << ", t0 " << shortest_real(s.sand.t0_days) << " days, factor "
            << decimals(s.sand_factor, 4) << "; clay A " << shortest_real(s.clay.a) << ", t0 "
            << shortest_real(s.clay.t0_days) << " days, factor " << decimals(s.clay_factor, 4) << '\n';
    }
    if (!result.methods.empty()) {
        out << "  capacity at the pile tip (penetration " << decimals(result.methods.front().depth.back(), 2)
            << ' ' << length << ")";
        if (result.setup) out << ' ' << shortest_real(result.setup->days) << " days after driving";
        out << ", " << force << ":\n";
        out << "    method            skin friction   " << (result.tension ? "self weight" : "end bearing")
            << "      ultimate\n";
        for (const CapacityTable& c : result.methods) {
            out << "    " << format_a(method_info(c.method).name, 16)
                << format_f(c.skin_friction.back(), 15, 1) << format_f(c.end_bearing.back(), 14, 1)
                << format_f(c.total.back(), 14, 1) << '\n';
        }
    }
    if (!result.working_loads.empty()) {
        // Movements in the report's unit: inches, or millimetres.
        const double per_result = result.english ? 1.0 : 1000.0;
        out << "  head movement at the working loads (" << method_info(result.load_transfer_method).name
            << " load-settlement solution), " << force << " and " << (result.english ? "in" : "mm") << ":\n";
        out << "    method            fraction     head load      movement\n";
        for (const WorkingLoad& w : result.working_loads) {
            out << "    " << format_a(method_info(w.method).name, 16) << format_f(w.fraction, 10, 4)
                << format_f(w.load, 14, 1);
            if (w.head_movement)
                out << format_f(*w.head_movement * per_result, 14, result.english ? 4 : 2) << '\n';
            else
                out << "  beyond the curve\n";
        }
    }
    out << "  completed\n";
}

}  // namespace torve::cli
