// The warnings of a method's table in sentences.
#include "engine/driver/run_result.h"

#include "engine/driver/fixed_format.h"

namespace torve {
namespace {

const char* what_of(MethodWarning::Kind kind) {
    switch (kind) {
        case MethodWarning::MissingPlasticityIndex:
            return "A clay segment has a negative plasticity index; the first angle of the chart is used";
        case MethodWarning::CloseToTip:
            return "A clay segment lies closer than 8 equivalent radii to the pile tip (h/R below 8); 8 is "
                   "used";
    }
    return "";
}

}  // namespace

std::vector<RunWarning> method_run_warnings(const CapacityTable& table, bool english) {
    const char* unit = english ? " ft" : " m";
    std::vector<RunWarning> out;
    // One entry per kind, in the order the kinds first came up: the segments raise them one each.
    std::vector<bool> done(table.warnings.size(), false);
    for (std::size_t i = 0; i < table.warnings.size(); ++i) {
        if (done[i]) continue;
        const MethodWarning& first = table.warnings[i];
        const MethodWarning* last = &first;
        int count = 0;
        for (std::size_t j = i; j < table.warnings.size(); ++j) {
            if (table.warnings[j].kind != first.kind) continue;
            done[j] = true;
            last = &table.warnings[j];
            ++count;
        }
        std::string text = what_of(first.kind);
        if (count > 1)
            text += " (" + std::to_string(count) + " segments from " + decimals(first.depth, 2) + " to " +
                    decimals(last->depth, 2) + unit + ")";
        out.push_back({table.method, first.depth, text + "."});
    }
    if (table.first_depth_without_cone) {
        out.push_back({table.method, *table.first_depth_without_cone,
                       "No cone resistance from depth " + decimals(*table.first_depth_without_cone, 2) +
                           unit + "; no resistance is taken there."});
    }
    return out;
}

std::vector<std::string> method_warning_sentences(const CapacityTable& table, bool english) {
    std::vector<std::string> out;
    for (const RunWarning& w : method_run_warnings(table, english)) out.push_back(w.text);
    return out;
}

}  // namespace torve
