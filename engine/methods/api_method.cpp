// API RP 2A side friction and end bearing.
#include "engine/methods/api_method.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/model/rounded_constants.h"

namespace torve {
namespace {

// Linear in phi between 20 and 40 degrees in steps of 5, clamped at both ends.
double by_friction_angle(double phi, const std::array<double, 5>& values) {
    if (phi <= 20) return values[0];
    if (phi >= 40) return values[4];
    const auto i = static_cast<std::size_t>((phi - 20) / 5);
    const double lower_angle = 20 + 5.0 * static_cast<double>(i);
    return values[i] + (phi - lower_angle) * (values[i + 1] - values[i]) / 5;
}

// API RP 2A tables of limiting unit skin friction and end bearing for siliceous sand.
constexpr std::array<double, 5> kFrictionLimitKsf = {1.0, 1.4, 1.7, 2.0, 2.4};
// The S.I. friction limits are the English ones converted, as the API tables give them (1.7 ksf is
// 81.3 kPa and 2.0 ksf 95.7 kPa), so that a project gets the same friction in either unit system.
constexpr std::array<double, 5> kFrictionLimitKpa = {47.8, 67.0, 81.3, 95.7, 114.8};
constexpr std::array<double, 5> kBearingLimitKsf = {40, 60, 100, 200, 250};
constexpr std::array<double, 5> kBearingLimitKpa = {1900, 2900, 4800, 9600, 12000};

// A maximum left blank is stored as kUnlimited; a maximum of exactly 9999 also asks for the table.
bool no_friction_maximum(double value) {
    return value == kUnlimited || value == 9999.0;
}

}  // namespace

double api_friction_limit(double phi, const Units& units) {
    return by_friction_angle(phi, units.english() ? kFrictionLimitKsf : kFrictionLimitKpa);
}

double api_bearing_limit(double phi, const Units& units) {
    return by_friction_angle(phi, units.english() ? kBearingLimitKsf : kBearingLimitKpa);
}

double api_alpha(double su, double effective_stress) {
    const double psi = std::max(su / std::max(effective_stress, 1.0e-10), 1.0e-10);
    const double alpha = psi <= 1.0 ? 0.5 / std::sqrt(psi) : 0.5 / std::pow(psi, 0.25);
    return std::min(alpha, 1.0);
}

std::vector<double> api_friction_limits(const MethodInputs& m) {
    std::vector<double> lim(static_cast<std::size_t>(m.pile.rows));
    for (int j = 0; j < m.pile.rows; ++j) {
        const Segment& s = m.profile.at(j);
        const bool table = s.sand && no_friction_maximum(s.max_friction);
        lim[static_cast<std::size_t>(j)] =
            table ? api_friction_limit(s.friction_angle, m.units) : s.max_friction;
    }
    return lim;
}

SideFriction api_side_friction(const MethodInputs& m) {
    const std::size_t n = m.profile.segments.size();
    SegmentPairs f(n), plug(n);
    for (std::size_t k = 0; k < n; ++k) {
        const Segment& s = m.profile.segments[k];
        if (!s.sand) {
            const double alpha = api_alpha(s.su, s.stress_bottom);
            f.set(k, alpha * s.su, alpha * s.su);
            plug.set(k, alpha * s.sur, alpha * s.sur);  // remolded soil inside the pipe
        } else {
            // delta = phi - 5 degrees; a friction angle below 5 degrees gives no friction, not a negative
            // one.
            const double tan_delta = std::tan(std::max(s.friction_angle - 5.0, 0.0) / kDegreesPerRadian);
            f.set(k, s.earth_pressure * s.stress_top * tan_delta,
                  s.earth_pressure * s.stress_bottom * tan_delta);
            plug.set(k, f.top[k], f.bottom[k]);
        }
    }
    return sum_side_friction(m.in, m.profile, m.pile, f, api_friction_limits(m), std::move(plug));
}

SegmentPairs end_bearing_nine_su_in_clay(const MethodInputs& m, const SandEndBearing& sand) {
    const std::size_t n = m.profile.segments.size();
    SegmentPairs q(n);
    for (std::size_t k = 0; k < n; ++k) {
        const Segment& s = m.profile.segments[k];
        if (!s.sand) {
            q.set(k, 9 * s.su, 9 * s.su);
            continue;
        }
        const auto [top, bottom] = sand(s);
        q.set(k, top, bottom);
    }
    return q;
}

SegmentPairs api_end_bearing(const MethodInputs& m) {
    return end_bearing_nine_su_in_clay(m, [&m](const Segment& s) {
        const double limit =
            s.max_bearing == kUnlimited ? api_bearing_limit(s.friction_angle, m.units) : s.max_bearing;
        return std::pair{std::min(s.bearing_factor * s.stress_top, limit),
                         std::min(s.bearing_factor * s.stress_bottom, limit)};
    });
}

}  // namespace torve
