// USACE side friction and end bearing, after EM 1110-2-2906 (U.S. Army Corps of Engineers, 1991).
#include "engine/methods/usace_method.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/methods/api_method.h"
#include "engine/methods/chart_lookup.h"
#include "engine/model/rounded_constants.h"

namespace torve {
namespace {

// The su range over which the clay adhesion falls from 1 to 0.5: 0.5 to 1.5 ksf, and in S.I. units
// the rounded 24 to 72 kPa of EM 1110-2-2906.
struct AdhesionRange {
    double lower, upper;
};
constexpr AdhesionRange kAdhesionKsf{0.5, 1.5};
constexpr AdhesionRange kAdhesionKpa{24.0, 72.0};

// Bearing capacity factor Nq of driven piles in sand against phi, from EM 1110-2-2906.
constexpr std::array<double, 13> kNqPhi = {0, 5, 10, 15, 20, 30, 32, 36, 38, 39, 40, 45, 50};
constexpr std::array<double, 13> kNq = {1, 1.6, 2.7, 4.4, 7.4, 23, 30, 56, 68, 79, 88, 200, 415.1};

// Sand stress held at its value at the critical depth below it.
double held_stress(const SoilProfile& profile, double z, double critical_depth) {
    return effective_stress_at(profile, std::min(z, critical_depth));
}

}  // namespace

double usace_alpha(double su, const Units& units) {
    const auto [lower, upper] = units.english() ? kAdhesionKsf : kAdhesionKpa;
    if (su <= lower) return 1.0;
    if (su <= upper) return 1.0 - 0.5 * (su - lower) / (upper - lower);
    return 0.5;
}

double usace_delta_ratio(PileType pile_type) {
    switch (pile_type) {
        case PileType::Timber:
            return 0.9;
        case PileType::PrecastConcrete:
            return 0.95;
        case PileType::HPile:  // between the steel (0.75) and the full friction angle
            return 0.875;
        default:  // steel pipe, Raymond step-taper and uniform taper, monotube
            return 0.75;
    }
}

double usace_bearing_factor(double phi) {
    return interpolate_clamped(kNqPhi, kNq, phi);
}

double usace_bearing_critical_depth(const InputData& in, const PileGeometry& pile, const Segment& s) {
    if (in.critical_depth_option != CriticalDepthOption::FromDensity) return s.critical_depth;
    const double phi = s.friction_angle;
    const double diameters = phi <= 33 ? 10 : (phi <= 36 ? 15 : 20);
    return 1 + diameters * pile.od;
}

double effective_stress_at(const SoilProfile& profile, double z) {
    if (z <= 0 || profile.segments.empty()) return 0;
    const int last = profile.count() - 1;
    const int k = std::min(static_cast<int>(z / profile.increment), last);
    const Segment& s = profile.segments[static_cast<std::size_t>(k)];
    return s.stress_top + (s.stress_bottom - s.stress_top) * (z - s.top) / (s.bottom - s.top);
}

SideFriction usace_side_friction(const MethodInputs& m) {
    const std::size_t n = m.profile.segments.size();
    const double delta_ratio = usace_delta_ratio(m.in.pile_type);
    SegmentPairs f(n), plug(n);
    for (std::size_t k = 0; k < n; ++k) {
        const Segment& s = m.profile.segments[k];
        if (!s.sand) {
            const double alpha = usace_alpha(s.su, m.units);
            f.set(k, alpha * s.su, alpha * s.su);
            plug.set(k, alpha * s.sur, alpha * s.sur);  // remolded soil inside the pipe
            continue;
        }
        const double factor = s.earth_pressure * std::tan(delta_ratio * s.friction_angle / kDegreesPerRadian);
        f.set(k, factor * held_stress(m.profile, s.top, s.critical_depth),
              factor * held_stress(m.profile, s.bottom, s.critical_depth));
        plug.set(k, f.top[k], f.bottom[k]);
    }
    return sum_side_friction(m.in, m.profile, m.pile, f, api_friction_limits(m), std::move(plug));
}

SegmentPairs usace_end_bearing(const MethodInputs& m) {
    return end_bearing_nine_su_in_clay(m, [&m](const Segment& s) {
        const double nq = usace_bearing_factor(s.friction_angle);
        const double critical = usace_bearing_critical_depth(m.in, m.pile, s);
        double top = nq * held_stress(m.profile, s.top, critical);
        double bottom = nq * held_stress(m.profile, s.bottom, critical);
        if (s.max_bearing != kUnlimited && s.max_bearing > 0.001) {
            top = std::min(top, s.max_bearing);
            bottom = std::min(bottom, s.max_bearing);
        }
        return std::pair{top, bottom};
    });
}

}  // namespace torve
