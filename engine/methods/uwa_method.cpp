// UWA-05 side friction and end bearing.
#include "engine/methods/uwa_method.h"

#include <algorithm>
#include <cmath>

#include "engine/methods/cone_clay_rule.h"
#include "engine/methods/cone_method_common.h"
#include "engine/methods/cone_resistance.h"

namespace torve {
namespace {

double area_ratio(const PileGeometry& pile) {
    const double ratio = pile.eid_input / pile.od_input;
    return std::max(1 - ratio * ratio, 0.0);
}

}  // namespace

double uwa_sand_friction(const UwaSandInput& s) {
    const double radial =
        0.03 * s.qc * std::pow(s.area_ratio, 0.3) * std::pow(std::max(s.h_over_d, 2.0), -0.5);
    const double qc1n = (s.qc / s.pa) / std::sqrt(std::max(s.effective_stress / s.pa, 1.0e-7));
    // Without cone resistance there is no stiffness either. The normalised resistance is what the
    // modulus divides by: a qc so small (a subnormal) that qc1n comes to 0 has none as well, where
    // the quotient would be infinite and the friction NaN.
    const double shear_modulus = qc1n > 0 ? 185 * s.qc / std::pow(qc1n, 0.75) : 0.0;
    const double dilation = 4 * shear_modulus * s.dilation_shift / s.diameter;
    const double f = (radial + dilation) * tan_sand_interface_angle(s.friction_angle);
    return s.tension ? 0.75 * f : f;
}

double uwa_sand_end_bearing(double qc, double eid_m, double diameter_ratio, bool open_ended, bool plugged) {
    const double ffr = std::min(1.0, std::pow(std::max(eid_m, 0.0) / 1.5, 0.2));
    const double ar = 1 - ffr * diameter_ratio * diameter_ratio;
    const double lower = open_ended && !plugged ? 0.15 : 0.3;
    return std::max((0.15 + 0.45 * ar) * qc, lower * qc);
}

SideFriction uwa_side_friction(const MethodInputs& m) {
    return cone_method_side_friction(m, [&](const Segment& s, double qc, double stress, double depth) {
        return uwa_sand_friction({qc, stress, m.units.atmospheric_pressure,
                                  tip_distance(m.pile, depth) / m.pile.od_input, area_ratio(m.pile),
                                  m.pile.od_input, m.units.dilation_shift, s.friction_angle, m.in.tension()});
    });
}

SegmentPairs uwa_end_bearing(const MethodInputs& m) {
    const double eid = m.pile.eid_input;
    // The filling ratio is written against an inside diameter in metres.
    const double eid_m = eid * m.units.mm_per_diameter / 1000.0;
    const double ratio = eid / m.pile.od_input;
    const bool plugged = m.in.plug_condition == PlugCondition::Plugged;
    return cone_method_end_bearing(
        m, [&](double qc, bool open) { return uwa_sand_end_bearing(qc, eid_m, ratio, open, plugged); });
}

}  // namespace torve
