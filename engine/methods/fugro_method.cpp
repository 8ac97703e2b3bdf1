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
    return cone_method_side_friction(m, [&](const Segment&, double qc, double stress, double depth) {
        return fugro_sand_friction(
            {qc, stress, m.units.atmospheric_pressure, tip_distance(m.pile, depth) / r_star, m.in.tension()});
    });
}

SegmentPairs fugro_end_bearing(const MethodInputs& m) {
    const double d_mm = diameter_mm(m.pile, m.units);
    const bool plugged = m.in.plug_condition == PlugCondition::Plugged;
    return cone_method_end_bearing(
        m, [&](double qc, bool open) { return fugro_sand_end_bearing(qc, d_mm, open, open && plugged); });
}

}  // namespace torve
