// ICP-05 side friction and end bearing.
#include "engine/methods/icp_method.h"

#include <algorithm>
#include <cmath>

#include "engine/methods/cone_clay_rule.h"
#include "engine/methods/cone_method_common.h"
#include "engine/methods/cone_resistance.h"

namespace torve {
namespace {
constexpr double kEtaTurningPoint = 0.00125 / (2 * 1.216e-6);
}

double icp_sand_friction(const IcpSandInput& s) {
    const double stress = std::max(s.effective_stress, 0.0);
    double radial = 0.029 * s.qc * std::pow(stress / s.pa, 0.13) * std::pow(std::max(s.h_over_r, 8.0), -0.38);
    // The fit of G/qc falls with eta only up to its turning point at eta = 0.00125 / (2 x 1.216e-6)
    // = 514; beyond it (qc large against a shallow stress) it would rise again, through a pole at
    // eta = 1044, to negative moduli. eta is held at the turning point, where G is 2.93 qc.
    const double eta = std::min(s.qc / std::sqrt(std::max(stress, 1.0e-10) * s.pa), kEtaTurningPoint);
    const double shear_modulus = s.qc / (0.0203 + 0.00125 * eta - 1.216e-6 * eta * eta);
    const double dilation = 2 * shear_modulus * s.dilation_shift / s.radius;
    if (s.tension) radial *= 0.8;
    double total = radial + dilation;
    if (s.tension && s.open_ended) total *= 0.9;
    return total * tan_sand_interface_angle(s.friction_angle);
}

double icp_sand_end_bearing(double qc, double d_mm, bool open_ended, bool unplugged) {
    if (!open_ended) return closed_ended_sand_bearing(qc, d_mm);
    return unplugged ? qc : open_ended_sand_bearing(qc, d_mm);
}

SideFriction icp_side_friction(const MethodInputs& m) {
    const double r_star = equivalent_radius(m.pile);
    return cone_method_side_friction(m, [&](const Segment& s, double qc, double stress, double depth) {
        return icp_sand_friction({qc, stress, m.units.atmospheric_pressure,
                                  tip_distance(m.pile, depth) / r_star, 0.5 * m.pile.od_input,
                                  m.units.dilation_shift, s.friction_angle, m.pile.eid_input > 1e-5,
                                  m.in.tension()});
    });
}

SegmentPairs icp_end_bearing(const MethodInputs& m) {
    const double d_mm = diameter_mm(m.pile, m.units);
    const bool unplugged = m.in.plug_condition == PlugCondition::Unplugged;
    return cone_method_end_bearing(
        m, [&](double qc, bool open) { return icp_sand_end_bearing(qc, d_mm, open, unplugged); });
}

}  // namespace torve
