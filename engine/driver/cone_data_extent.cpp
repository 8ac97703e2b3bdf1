// Cone data that end above the pile tip and its averaging window.
#include "engine/driver/cone_data_extent.h"

#include "engine/driver/fixed_format.h"
#include "engine/driver/text_out.h"

namespace torve {
namespace {

// Smallest qc of a soil point that the cone methods take instead of the CPT data.
constexpr double kOwnConeResistance = 1.0e-5;

bool any_cone_method(const InputData& in) {
    for (const MethodInfo& m : kMethods)
        if (is_cone_based(m.method) && in.is_selected(m.method)) return true;
    return false;
}

// Whether the CPT data give qc somewhere between `from` and `to`: a span between two soil points
// that both lack their own qc takes it from the data.
bool data_used_between(const std::vector<SoilPoint>& soil, double from, double to) {
    for (std::size_t i = 0; i + 1 < soil.size(); ++i) {
        const SoilPoint& a = soil[i];
        const SoilPoint& b = soil[i + 1];
        if (a.depth >= to || b.depth <= from) continue;
        if (a.cone_resistance < kOwnConeResistance && b.cone_resistance < kOwnConeResistance) return true;
    }
    return false;
}

}  // namespace

std::optional<DataWarning> cone_data_extent_warning(const InputData& in, const CptProfile& cpt,
                                                    const Units& units) {
    if (!in.has_offshore_data() || cpt.points.empty() || !any_cone_method(in)) return std::nullopt;
    const double last = cpt.points.back().depth;
    const double read_to = in.pile_length + 1.5 * in.outside_diameter / units.diameter_per_length;
    if (last >= read_to || !data_used_between(in.soil, last, read_to)) return std::nullopt;
    const bool english = in.units == UnitSystem::English;
    DataWarning w;
    w.line = Line()
                 .text(" WARNING - THE CPT DATA END AT DEPTH")
                 .f(last, 9, 2)
                 .x(1)
                 .text(english ? "FT." : "M.")
                 .text("; THE CONE METHODS HOLD THEIR LAST QC DOWN TO")
                 .f(read_to, 9, 2)
                 .x(1)
                 .text(english ? "FT." : "M.")
                 .text(" (PILE TIP PLUS 1.5 DIAMETERS).")
                 .str();
    const char* unit = english ? " ft" : " m";
    w.sentence = "The CPT data end at " + decimals(last, 2) + unit +
                 "; the cone methods hold their last qc down to " + decimals(read_to, 2) + unit +
                 ", the pile tip plus 1.5 diameters.";
    return w;
}

}  // namespace torve
