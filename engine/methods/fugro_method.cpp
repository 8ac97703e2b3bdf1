// Fugro-05 side friction and end bearing.
#include "engine/methods/fugro_method.h"

#include <algorithm>
#include <cmath>

#include "engine/methods/cone_clay_rule.h"
#include "engine/methods/cone_method_common.h"
#include "engine/methods/cone_resistance.h"

namespace torve {

double fugro_sand_friction(const FugroSandInput& s) {
    const double stress_ratio = std::max(s.effective_stress, 0.0) / s.pa;
    if (s.tension) {
        return 0.045 * s.qc * std::pow(stress_ratio, 0.15) * std::pow(std::max(s.h_over_r, 4.0), -0.85);
    }
    const double base = 0.08 * s.qc * std::pow(stress_ratio, 0.05);
    if (s.h_over_r > 4) return base * std::pow(s.h_over_r, -0.9);
    return base * std::pow(4.0, -0.9) * (s.h_over_r / 4);
}

double fugro_sand_end_bearing(double qc, double d_mm, bool open_ended, bool plugged) {
    if (open_ended && !plugged) return open_ended_sand_bearing(qc, d_mm);
    // A plugged open end keeps the open-ended rule and its 0.15 qc bound.
    return plugged ? open_ended_sand_bearing(qc, d_mm) : closed_ended_sand_bearing(qc, d_mm);
}

SideFriction fugro_side_friction(const MethodInputs& m) {
    const double r_star = equivalent_radius(m.pile);
    return cone_method_side_friction(m, [&](const Segment& s, double qc, double stress) {
        return fugro_sand_friction(
            {qc, stress, m.units.atmospheric_pressure, tip_distance(m.pile, s.top) / r_star, m.in.tension()});
    });
}

SegmentPairs fugro_end_bearing(const MethodInputs& m) {
    const std::size_t n = m.profile.segments.size();
    const double eid = m.pile.eid_input;
    const bool clay_open = eid >= 1e-6;
    const bool sand_open = eid >= 1e-4;
    const std::vector<double> qc = segment_cone_resistances(m.profile, m.cpt, m.units);
    SegmentPairs q(n);
    for (std::size_t k = 0; k < n; ++k) {
        const Segment& s = m.profile.segments[k];
        double value =
            s.sand ? fugro_sand_end_bearing(qc[k], diameter_mm(m.pile, m.units), sand_open,
                                            sand_open && m.in.plug_condition == PlugCondition::Plugged)
                   : cone_clay_end_bearing(qc[k], clay_open,
                                           clay_open && m.in.plug_condition == PlugCondition::Plugged,
                                           m.in.drained_clay());
        value = capped_by_entered_bearing(value, s);
        q.set(k, value, value);
    }
    return q;
}

}  // namespace torve
