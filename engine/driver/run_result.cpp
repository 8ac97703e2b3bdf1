// The warnings of a method's table in sentences.
#include "engine/driver/run_result.h"

#include "engine/driver/fixed_format.h"

namespace torve {

std::vector<std::string> method_warning_sentences(const CapacityTable& table, bool english) {
    std::vector<std::string> out;
    for (MethodWarning w : table.warnings) {
        switch (w) {
            case MethodWarning::MissingPlasticityIndex:
                out.emplace_back(
                    "A clay segment has a negative plasticity index; the first angle of the chart is used.");
                break;
            case MethodWarning::CloseToTip:
                out.emplace_back(
                    "A clay segment lies closer than 8 equivalent radii to the pile tip (h/R below 8); 8 is "
                    "used.");
                break;
        }
    }
    if (table.first_depth_without_cone) {
        out.push_back("No cone resistance from depth " + decimals(*table.first_depth_without_cone, 2) +
                      (english ? " ft" : " m") + "; no resistance is taken there.");
    }
    return out;
}

}  // namespace torve
