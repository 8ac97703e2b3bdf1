// NGI-05 side friction and end bearing.
#include "engine/methods/ngi_method.h"

#include <algorithm>
#include <cmath>

#include "engine/methods/cone_method_common.h"
#include "engine/methods/cone_resistance.h"

namespace torve {
namespace {

constexpr double kMinRelativeDensity = 0.200001;
constexpr double kTinyStress = 1.0e-10;

}  // namespace

double ngi_relative_density(double qc, double effective_stress, double pa) {
    // At the ground surface the stress is 0 and Dr unbounded; raising the stress keeps it finite
    // (the friction there is 0 through z/L and F_sig anyway).
    const double stress = std::max(effective_stress, kTinyStress);
    const double ratio = qc / (22 * std::sqrt(stress * pa));
    // No cone resistance, or one too small to leave a ratio (a subnormal qc): the loosest state of
    // the rule.
    if (!(ratio > 0)) return kMinRelativeDensity;
    return std::max(0.4 * std::log(ratio), kMinRelativeDensity);
}

double ngi_sand_friction(const NgiSandInput& s) {
    const double dr = ngi_relative_density(s.qc, s.effective_stress, s.pa);
    const double f_dr = 2.1 * std::pow(dr - 0.1, 1.7);
    const double f_sig = std::pow(std::max(s.effective_stress, 0.0) / s.pa, 0.25);
    const double f_tip = s.open_ended ? 1.0 : 1.6;
    const double f_load = s.tension ? 1.0 : 1.3;
    const double f_mat = s.concrete_or_timber ? 1.2 : 1.0;
    return s.depth_ratio * s.pa * f_dr * f_sig * f_tip * f_load * f_mat;
}

NgiClayFriction ngi_clay_friction(const NgiClayInput& c) {
    const double stress = std::max(c.effective_stress, kTinyStress);
    const double psi = std::max(c.su / stress, kTinyStress);
    const double f_tip = c.open_ended ? 0.8 + 0.2 * std::sqrt(psi) : 1.0;
    NgiClayFriction out;
    if (psi < 0.25) {
        const double index = c.plasticity_index <= 10 ? 10.000001 : c.plasticity_index;
        const double alpha_nc = 0.32 * std::pow(index - 10, 0.3);
        out.friction = 0.08 * std::pow(index - 10, 0.3) * stress;  // alpha_NC on su = 0.25 s'v
        out.plug = alpha_nc * c.sur;
    } else if (psi > 1.0) {
        const double alpha = 0.5 / std::pow(psi, 0.3);
        out.friction = alpha * c.su * f_tip;
        out.plug = alpha * c.sur;
    } else {
        const double index = c.plasticity_index <= 12 ? 12.000001 : c.plasticity_index;
        const double alpha_nc = 0.32 * std::pow(index - 10, 0.3);
        const double alpha = alpha_nc + (psi - 0.25) * (0.5 / std::pow(psi, 0.3) - alpha_nc) / 0.75;
        const double minimum = 0.06 * std::pow(index - 12, 0.33) * stress;
        out.friction = std::max(alpha * c.su * f_tip, minimum);
        out.plug = std::max(alpha * c.sur, minimum);
    }
    return out;
}

double ngi_sand_end_bearing(double qc, double dr, bool open_ended) {
    return open_ended ? 0.7 * qc / (1 + 3 * dr * dr) : 0.8 * qc / (1 + dr * dr);
}

SideFriction ngi_side_friction(const MethodInputs& m) {
    const double pa = m.units.atmospheric_pressure;
    const bool open = m.pile.eid_input > 1e-5;
    // Clay: one value for the segment, by its strength and the stress at its mid-depth, where the
    // strength is read (it depends neither on qc nor on the distance to the tip). At the stress of
    // a reading the open end's F_tip = 0.8 + 0.2 sqrt(su/s'v) would grow without bound at the ground.
    const auto clay = [&](const Segment& s) {
        return ngi_clay_friction(
            {s.su, s.sur, 0.5 * (s.stress_top + s.stress_bottom), s.plasticity_index, open});
    };
    // Sand: z/L with z the depth of the reading.
    const auto sand = [&](const ConeNode& node, double stress) {
        return ngi_sand_friction(
            {node.qc, stress, pa, m.pile.length > 0 ? node.depth / m.pile.length : 0.0, open, m.in.tension(),
             m.in.pile_type == PileType::Timber || m.in.pile_type == PileType::PrecastConcrete});
    };
    const auto friction = [&](std::size_t k, const ConeNode& node, double stress) {
        const Segment& s = m.profile.segments[k];
        return s.sand ? sand(node, stress) : clay(s).friction;
    };
    const auto plug = [&](std::size_t k, const ConeNode& node, double stress) {
        const Segment& s = m.profile.segments[k];
        return s.sand ? sand(node, stress) : clay(s).plug;
    };
    return cone_readings_side_friction(m, cone_nodes(m), friction, plug);
}

SegmentPairs ngi_end_bearing(const MethodInputs& m) {
    const double pa = m.units.atmospheric_pressure;
    const bool open = m.pile.eid_input > 1e-4;
    // Sand: Dr from the reading's qc and the stress there.
    return cone_bearing_readings(m, [&](std::size_t k, double qc, double stress) {
        const Segment& s = m.profile.segments[k];
        const double value =
            s.sand ? ngi_sand_end_bearing(qc, ngi_relative_density(qc, stress, pa), open) : 9 * s.su;
        return capped_by_entered_bearing(value, s);
    });
}

}  // namespace torve
