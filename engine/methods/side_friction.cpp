// Summation of unit side friction into skin friction against penetration.
#include "engine/methods/side_friction.h"

#include <algorithm>

namespace torve {
namespace {
constexpr double kTol = 1.0e-6;
}

double value_at_depth(const SegmentPairs& pairs, const SoilProfile& profile, double z) {
    const int n = profile.count();
    // Segments are one increment long: no segment two or more above the one holding z can be the
    // first whose bottom reaches z, so the walk starts there.
    int k = 0;
    if (profile.increment > 0 && z > 0) k = std::clamp(static_cast<int>(z / profile.increment) - 2, 0, n - 1);
    while (k < n - 1 && profile.segments[static_cast<std::size_t>(k)].bottom - z < -kTol) ++k;
    const Segment& s = profile.segments[static_cast<std::size_t>(k)];
    const double t = pairs.top[static_cast<std::size_t>(k)];
    const double b = pairs.bottom[static_cast<std::size_t>(k)];
    return t + (b - t) * (z - s.top) / (s.bottom - s.top);
}

SideFriction sum_side_friction(const InputData& in, const SoilProfile& profile, const PileGeometry& pile,
                               const SegmentPairs& friction, const std::vector<double>& limits,
                               SegmentPairs plug, const std::vector<double>* segment_integrals) {
    const auto rows = static_cast<std::size_t>(pile.rows);
    SideFriction out;
    out.unit.assign(rows, 0.0);
    out.cumulative.assign(rows, 0.0);
    out.factored.assign(rows, 0.0);
    out.plug = std::move(plug);
    const double dz = pile.increment;
    const double tension = in.tension() ? in.tension_reduction_factor : 1.0;
    for (std::size_t j = 0; j < rows; ++j) {
        const double z = pile.row_depth(static_cast<int>(j));
        const double f = z - in.zero_friction_length > -kTol ? value_at_depth(friction, profile, z) : 0.0;
        out.unit[j] = std::min(f * tension, limits[j]);
    }
    for (std::size_t j = 1; j < rows; ++j) {
        double dq = 0;
        if (segment_integrals && j - 1 < segment_integrals->size()) {
            dq = (*segment_integrals)[j - 1] * pile.perimeter;
        } else {
            dq = 0.5 * (out.unit[j - 1] + out.unit[j]) * pile.perimeter * dz;
            const double cap = 0.5 * (limits[j - 1] + limits[j]) * pile.perimeter * dz;
            if (dq - cap > kTol) dq = cap;
        }
        out.cumulative[j] = out.cumulative[j - 1] + dq;
        out.factored[j] = out.factored[j - 1] + dq * profile.at(static_cast<int>(j)).lrfd_friction;
    }
    return out;
}

}  // namespace torve
