// Cone data that end above the pile tip and its averaging window.
#include "engine/driver/cone_data_extent.h"

#include <algorithm>

#include "engine/driver/fixed_format.h"
#include "engine/driver/text_out.h"
#include "engine/driver/unit_labels.h"
#include "engine/methods/cone_resistance.h"

namespace torve {
namespace {

bool any_cone_method(const InputData& in) {
    for (const MethodInfo& m : kMethods)
        if (is_cone_based(m.method) && in.is_selected(m.method)) return true;
    return false;
}

// How deep, down to `to`, the CPT data give qc below `from`: a span between two soil points that
// both lack their own qc takes it from the data; nothing when no such span lies between them.
std::optional<double> data_used_to(const std::vector<SoilPoint>& soil, double from, double to) {
    std::optional<double> deepest;
    for (std::size_t i = 0; i + 1 < soil.size(); ++i) {
        const SoilPoint& a = soil[i];
        const SoilPoint& b = soil[i + 1];
        if (a.depth >= to || b.depth <= from) continue;
        if (!has_own_cone_resistance(a.cone_resistance) && !has_own_cone_resistance(b.cone_resistance))
            deepest = std::max(deepest.value_or(from), std::min(b.depth, to));
    }
    return deepest;
}

}  // namespace

std::optional<DataWarning> cone_data_extent_warning(const InputData& in, const CptProfile& cpt,
                                                    const Units& units) {
    if (!in.has_offshore_data() || cpt.points.empty() || !any_cone_method(in)) return std::nullopt;
    const double last = cpt.points.back().depth;
    const double read_to = in.total_pile_length + 1.5 * in.outside_diameter / units.diameter_per_length;
    if (last >= read_to) return std::nullopt;
    const std::optional<double> held_to = data_used_to(in.soil, last, read_to);
    if (!held_to) return std::nullopt;
    const bool english = in.units == UnitSystem::English;
    const std::string_view length = unpadded(unit_labels(in.units).length);
    DataWarning w;
    w.line = Line()
                 .text(" WARNING - THE CPT DATA END AT DEPTH")
                 .f(last, 9, 2)
                 .x(1)
                 .text(length)
                 .text("; THE CONE METHODS HOLD THEIR LAST QC DOWN TO")
                 .f(*held_to, 9, 2)
                 .x(1)
                 .text(length)
                 .str();
    const char* unit = english ? " ft" : " m";
    w.sentence =
        "The CPT data end at " + decimals(last, 2) + unit + ", above the " + decimals(read_to, 2) + unit +
        " (the pile tip plus 1.5 diameters) the cone methods read qc to; they hold its last qc down to " +
        decimals(*held_to, 2) + unit + ".";
    w.depth = last;
    return w;
}

}  // namespace torve
