// FHWA side friction and end bearing.
#include "engine/methods/fhwa_method.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/methods/api_method.h"
#include "engine/methods/tip_resistance.h"
#include "engine/model/rounded_constants.h"

namespace torve {
namespace {

constexpr double kKsfPerTsf = 2.0;

// The charts of the method are drawn against su in ksf.
double to_ksf(double stress, const Units& units) {
    return stress / units.stress_per_ksf;
}

// Embedded length over pile diameter: Tomlinson's penetration ratio and the D/b of alpha_t.
double length_ratio(const PileGeometry& pile) {
    return pile.length / pile.od;
}

bool closed_end(const InputData& in) {
    return in.enhanced_end_section_length > 0.001 && in.enhanced_end_section_inside_diameter < 1e-5;
}

bool whole_section_displaced(const InputData& in, const PileGeometry& pile) {
    return pile.tip_area > 1e-6 || closed_end(in);
}

}  // namespace

std::vector<fhwa::AdhesionCase> fhwa_adhesion_cases(const SoilProfile& profile, const Units& units) {
    using fhwa::AdhesionCase;
    std::vector<AdhesionCase> cases(profile.segments.size(), AdhesionCase::NoOverlyingStrata);
    if (profile.count() <= 2) return cases;
    for (std::size_t k = 1; k < cases.size(); ++k) {
        if (profile.segments[k].sand) continue;
        const Segment& above = profile.segments[k - 1];
        AdhesionCase chosen = AdhesionCase::NoOverlyingStrata;
        if (above.sand) {
            chosen = AdhesionCase::SandOverStiffClay;
        } else if (to_ksf(above.su, units) < 0.8) {
            chosen = AdhesionCase::SoftClayOverStiffClay;
        }
        std::fill(cases.begin() + static_cast<std::ptrdiff_t>(k), cases.end(), chosen);
        break;
    }
    return cases;
}

double fhwa_displaced_volume(const InputData& in, const Units& units, const PileGeometry& pile,
                             bool plugged) {
    double area = pile.tip_area;  // ft2 or m2
    if (area <= 1e-6) {
        const double od = pile.od_input, id = pile.id_input;
        const double open = plugged || closed_end(in) ? 0.0 : id * id;
        area = std::numbers::pi / 4 * (od * od - open) / (pile.diameter_unit * pile.diameter_unit);
    }
    return area / units.area_per_square_foot;
}

std::vector<bool> fhwa_plugged_segments(const MethodInputs& m) {
    const std::size_t n = m.profile.segments.size();
    if (m.in.plug_condition == PlugCondition::Plugged || whole_section_displaced(m.in, m.pile))
        return std::vector<bool>(n, true);
    std::vector<bool> plugged(n, false);
    if (m.in.plug_condition == PlugCondition::Unplugged) return plugged;

    // Unplugged is the smaller displaced volume and so the smaller friction: the trial errs on the
    // safe side, and the tip chain then shows where the plug holds.
    const SideFriction trial = fhwa_side_friction_with(m, plugged);
    const TipResistance tip =
        tip_resistance(AnnulusBearing::UnitEndBearing, m, fhwa_end_bearing(m), trial.plug);
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t row = std::min(k, tip.control.size() - 1);
        plugged[k] = tip.control[row] == kFullSection;
    }
    return plugged;
}

SideFriction fhwa_side_friction_with(const MethodInputs& m, const std::vector<bool>& plugged) {
    const std::size_t n = m.profile.segments.size();
    const std::vector<fhwa::AdhesionCase> cases = fhwa_adhesion_cases(m.profile, m.units);
    const double ratio = length_ratio(m.pile);
    const double omega = m.in.taper_angle;
    // Both displaced volumes, so that the charts are not read again for every segment's flag.
    const double volumes[2] = {fhwa_displaced_volume(m.in, m.units, m.pile, false),
                               fhwa_displaced_volume(m.in, m.units, m.pile, true)};

    SegmentPairs f(n), plug(n);
    for (std::size_t k = 0; k < n; ++k) {
        const Segment& s = m.profile.segments[k];
        if (!s.sand) {
            const double alpha = fhwa::tomlinson_alpha(cases[k], to_ksf(s.su, m.units), ratio);
            f.set(k, alpha * s.su, alpha * s.su);
            plug.set(k, alpha * s.sur, alpha * s.sur);  // remolded soil inside the pipe
            continue;
        }
        const double phi = s.friction_angle;
        const double volume = volumes[plugged[k] ? 1 : 0];
        const double delta_ratio = fhwa::nordlund_delta_ratio(m.in.pile_type, volume);
        const double delta = delta_ratio * phi;
        const double factor =
            fhwa::nordlund_k_delta(phi, volume, omega) * fhwa::nordlund_correction(delta_ratio, phi) *
            std::sin((delta + omega) / kDegreesPerRadian) / std::cos(omega / kDegreesPerRadian);
        f.set(k, factor * s.stress_top, factor * s.stress_bottom);
        plug.set(k, f.top[k], f.bottom[k]);
    }
    return sum_side_friction(m.in, m.profile, m.pile, f, api_friction_limits(m), std::move(plug));
}

SideFriction fhwa_side_friction(const MethodInputs& m) {
    return fhwa_side_friction_with(m, fhwa_plugged_segments(m));
}

SegmentPairs fhwa_end_bearing(const MethodInputs& m) {
    const std::size_t n = m.profile.segments.size();
    const double depth_ratio = length_ratio(m.pile);
    const double tsf = kKsfPerTsf * m.units.stress_per_ksf;
    SegmentPairs q(n);
    for (std::size_t k = 0; k < n; ++k) {
        const Segment& s = m.profile.segments[k];
        if (!s.sand) {
            q.set(k, 9 * s.su, 9 * s.su);
            continue;
        }
        const double phi = s.friction_angle;
        const double factor = fhwa::bearing_depth_factor(phi, depth_ratio) * fhwa::bearing_factor(phi);
        const double limit = std::min(fhwa::bearing_limit_tsf(phi) * tsf, s.max_bearing);
        q.set(k, std::min(factor * s.stress_top, limit), std::min(factor * s.stress_bottom, limit));
    }
    return q;
}

}  // namespace torve
