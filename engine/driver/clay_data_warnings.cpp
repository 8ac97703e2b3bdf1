// The clay points that the methods of the ICP-05 clay rule would use without YSR or PI.
#include "engine/driver/clay_data_warnings.h"

#include <cctype>

#include "engine/driver/fixed_format.h"
#include "engine/driver/text_out.h"
#include "engine/driver/unit_labels.h"

namespace torve {

std::vector<DataWarning> clay_data_warnings(const InputData& in) {
    std::vector<DataWarning> out;
    if (!in.has_offshore_data()) return out;
    for (const MethodInfo& method : kMethods) {
        if (!method.clay_data_warnings || !in.is_selected(method.method)) continue;
        const std::string name(method.name);
        for (const SoilPoint& p : in.soil) {
            if (p.is_sand()) continue;
            const bool no_ysr = !(p.blow_count_ysr > 0);
            const bool no_pi = !(p.plasticity_index > 0);
            if (!no_ysr && !no_pi) continue;
            const std::string what = no_ysr && no_pi ? "YSR AND PI" : no_ysr ? "YSR" : "PI";
            std::string upper_name = name;
            for (char& c : upper_name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            std::string line = Line()
                                   .text(" WARNING - " + upper_name + " METHOD: CLAY AT DEPTH")
                                   .f(p.depth, 9, 2)
                                   .x(1)
                                   .text(unpadded(unit_labels(in.units).length))
                                   .text(" HAS " + what + " NOT ABOVE ZERO")
                                   .text(no_ysr ? "; NO SKIN FRICTION THERE." : "; PI = 0 IS USED.")
                                   .str();
            std::string sentence = std::string("The clay point has ") +
                                   (no_ysr && no_pi ? "YSR and PI"
                                    : no_ysr        ? "YSR"
                                                    : "PI") +
                                   " not above zero; " +
                                   (no_ysr ? "the method's clay friction there is zero."
                                           : "the interface friction angle of PI = 0 is used.");
            out.push_back({std::move(line), std::move(sentence), method.method, p.depth});
        }
    }
    return out;
}

}  // namespace torve
