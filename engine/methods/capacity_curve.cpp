// Assembling a method's capacity against penetration.
#include "engine/methods/capacity_curve.h"

#include "engine/methods/tip_resistance.h"

namespace torve {

CapacityCurve assemble_capacity(Method method, const MethodInputs& m, const SideFriction& side,
                                const std::vector<double>& end_column, std::vector<int> tip_control,
                                std::vector<double> unit_end_bearing) {
    const auto rows = static_cast<std::size_t>(m.pile.rows);
    CapacityCurve c;
    c.method = method;
    c.skin_friction = side.factored;
    c.unit_skin_friction = side.unit;
    c.unit_end_bearing = std::move(unit_end_bearing);
    c.tip_control = std::move(tip_control);
    c.warnings = side.warnings;
    c.side_resistance = m.in.reduced_resistance == 1 ? side.factored : side.cumulative;
    c.tip_unfactored = end_column;
    c.end_bearing.resize(rows);
    c.ultimate.resize(rows);
    for (std::size_t j = 0; j < rows; ++j) {
        c.end_bearing[j] = end_column[j] * m.profile.at(static_cast<int>(j)).lrfd_bearing;
        c.ultimate[j] = c.skin_friction[j] + c.end_bearing[j];
    }
    return c;
}

CapacityCurve design_method_capacity(const DesignRules& rules, const MethodInputs& m) {
    const SideFriction side = rules.side_friction(m);
    const SegmentPairs q = rules.end_bearing(m);
    TipResistance tip = tip_resistance(annulus_bearing(rules.method), m, q, side.plug);
    const std::vector<double> end = m.in.tension() ? pile_self_weight(m) : tip.force;
    std::vector<double> unit(static_cast<std::size_t>(m.pile.rows));
    for (int j = 0; j < m.pile.rows; ++j)
        unit[static_cast<std::size_t>(j)] = value_at_depth(q, m.profile, m.pile.row_depth(j));
    return assemble_capacity(rules.method, m, side, end, std::move(tip.control), std::move(unit));
}

}  // namespace torve
