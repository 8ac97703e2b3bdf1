// The ICP-05 clay rule of the cone-based methods.
#include "engine/methods/cone_clay_rule.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "engine/methods/cone_method_common.h"

namespace torve {
namespace {

// ICP-05 chart of the ultimate interface friction angle against plasticity index, at PI = 0, 5,
// 10, ... 80 %.
constexpr std::array<double, 17> kUltimateAngle = {34,   32,   29, 27,   24.5, 22.5, 20,  18.5, 17,
                                                   15.2, 14.7, 13, 12.3, 11.5, 10,   9.2, 8.5};
constexpr double kAngleStep = 5.0;

}  // namespace

double ultimate_interface_friction_angle(double plasticity_index) {
    if (!(plasticity_index > 0)) return kUltimateAngle.front();
    const double last = kAngleStep * static_cast<double>(kUltimateAngle.size() - 1);
    if (plasticity_index >= last) return kUltimateAngle.back();
    const auto i = static_cast<std::size_t>(plasticity_index / kAngleStep);
    const double u = (plasticity_index - kAngleStep * static_cast<double>(i)) / kAngleStep;
    return kUltimateAngle[i] + u * (kUltimateAngle[i + 1] - kUltimateAngle[i]);
}

ClayRuleFriction cone_clay_friction(const ClayRuleInput& c) {
    ClayRuleFriction out;
    out.plasticity_index_missing = c.plasticity_index < 0;
    out.close_to_tip = c.h_over_r < 8;
    const double h_over_r = std::max(c.h_over_r, 8.0);
    // Without both strengths the sensitivity su/sur cannot be formed; a negative Kc (sensitivity
    // above about 1600) would be a suction on the shaft. Either way the clay carries no friction.
    double kc = 0;
    if (c.su > 0 && c.sur > 0) {
        kc = (2 - 0.625 * std::log10(c.su / c.sur)) * std::pow(std::max(c.ysr, 0.0), 0.42) *
             std::pow(h_over_r, -0.2);
        kc = std::max(kc, 0.0);
    }
    const double tan_delta =
        std::tan(ultimate_interface_friction_angle(c.plasticity_index) * std::numbers::pi / 180.0);
    out.top = 0.8 * kc * c.stress_top * tan_delta;
    out.bottom = 0.8 * kc * c.stress_bottom * tan_delta;
    return out;
}

double cone_clay_friction_at(const MethodInputs& m, const Segment& s, double depth, double effective_stress) {
    return cone_clay_friction({s.su, s.sur, s.blow_count_ysr, s.plasticity_index, effective_stress,
                               effective_stress, tip_distance(m.pile, depth) / equivalent_radius(m.pile)})
        .top;
}

void cone_clay_segment_warnings(const MethodInputs& m, std::size_t k, std::vector<MethodWarning>& warnings) {
    const Segment& s = m.profile.segments[k];
    if (s.plasticity_index < 0) warnings.push_back({MethodWarning::MissingPlasticityIndex, s.top});
    // Below the tip h is held at its minimum and no friction of the segment is used: the ratio
    // says nothing about the pile there.
    const bool close_to_tip = tip_distance(m.pile, s.top) / equivalent_radius(m.pile) < 8;
    if (close_to_tip && segment_within_pile(m.pile, k))
        warnings.push_back({MethodWarning::CloseToTip, s.top});
}

double cone_clay_end_bearing(double qc, bool open_ended, bool plugged, bool drained) {
    if (open_ended && !plugged) return (drained ? 1.6 : 1.0) * qc;
    if (open_ended) return (drained ? 0.65 : 0.4) * qc;
    return (drained ? 1.3 : 0.8) * qc;
}

}  // namespace torve
