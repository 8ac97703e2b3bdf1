// The results of a run at a glance.
#include "cli/sheet_summary.h"

#include <QString>

namespace torve::cli {
namespace {

// The results hold S.I. movements in metres; the summary gives millimetres, as the report does.
double shown_movement(double movement, bool english) {
    return english ? movement : movement * 1000;
}

}  // namespace

app::ResultsSummary summary_of_run(const RunResult& r) {
    app::ResultsSummary s;
    s.english = r.english;
    s.uplift = r.tension;
    for (const CapacityTable& t : r.methods) {
        if (t.depth.empty()) continue;
        // Named as the method's curve of the graphs, as the desktop's summary names it.
        s.methods.push_back({QString::fromLatin1(method_info(t.method).curve_label), t.depth.back(),
                             t.skin_friction.back(), t.end_bearing.back(), t.total.back()});
    }
    const LoadLevelResult* largest = nullptr;
    for (const LoadLevelResult& level : r.load_levels)
        if (!largest || level.head_load > largest->head_load) largest = &level;
    if (largest)
        s.head =
            app::ResultsSummary::Head{QString::fromLatin1(method_info(r.load_transfer_method).curve_label),
                                      largest->head_load, shown_movement(largest->head_movement, r.english)};
    for (const WorkingLoad& w : r.working_loads) {
        app::WorkingLoadRow row{QString::fromLatin1(method_info(w.method).name), w.fraction, w.load,
                                std::nullopt};
        if (w.head_movement) row.movement = shown_movement(*w.head_movement, r.english);
        s.workingLoads.push_back(row);
    }
    for (const RunWarning& w : r.warnings)
        s.warnings.push_back({w.method ? QString::fromLatin1(method_info(*w.method).name) : QString(),
                              w.depth, QString::fromStdString(w.text)});
    return s;
}

}  // namespace torve::cli
