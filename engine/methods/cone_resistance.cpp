// qc per segment from the soil data, the CPT profile or the blow count.
#include "engine/methods/cone_resistance.h"

#include <algorithm>

namespace torve {

namespace {

// Profile value at `depth` given `upper`, the index of the first point deeper than `depth`.
double profile_value(const std::vector<CptPoint>& p, std::size_t upper, double depth) {
    if (depth <= p.front().depth) return p.front().qc;
    if (depth >= p.back().depth) return p.back().qc;
    const CptPoint& a = p[upper - 1];
    const CptPoint& b = p[upper];
    const double span = b.depth - a.depth;
    if (span <= 0) return b.qc;
    return a.qc + (b.qc - a.qc) * (depth - a.depth) / span;
}

double from_profile(double qc, double to_ksf) {
    // Soundings often read slightly negative near the mudline (zero drift); a negative qc would
    // turn the logarithms and powers of the cone-based rules into NaN.
    return std::max(qc, 0.0) / to_ksf;
}

}  // namespace

double cpt_profile_at(const CptProfile& cpt, double depth) {
    const auto& p = cpt.points;
    const auto upper = std::upper_bound(p.begin(), p.end(), depth,
                                        [](double d, const CptPoint& point) { return d < point.depth; });
    return profile_value(p, static_cast<std::size_t>(upper - p.begin()), depth);
}

double segment_cone_resistance(const Segment& s, const CptProfile& cpt, const Units& units) {
    const double to_ksf = units.read_stress_per_stress;
    if (has_own_cone_resistance(s.cone_resistance)) return s.cone_resistance / to_ksf;
    if (!cpt.points.empty()) return from_profile(cpt_profile_at(cpt, 0.5 * (s.top + s.bottom)), to_ksf);
    const double blow_count = s.sand ? std::max(s.blow_count_ysr, 0.0) : 0.0;  // clay keeps its YSR there
    return 2.8 * units.atmospheric_pressure * blow_count;
}

std::vector<double> segment_cone_resistances(const SoilProfile& profile, const CptProfile& cpt,
                                             const Units& units) {
    std::vector<double> qc(profile.segments.size());
    const auto& p = cpt.points;
    const double to_ksf = units.read_stress_per_stress;
    std::size_t upper = 0;  // the segments go down the profile, and so does the bracketing point
    for (std::size_t k = 0; k < qc.size(); ++k) {
        const Segment& s = profile.segments[k];
        if (has_own_cone_resistance(s.cone_resistance) || p.empty()) {
            qc[k] = segment_cone_resistance(s, cpt, units);
            continue;
        }
        const double depth = 0.5 * (s.top + s.bottom);
        while (upper < p.size() && p[upper].depth <= depth) ++upper;
        qc[k] = from_profile(profile_value(p, upper, depth), to_ksf);
    }
    return qc;
}

}  // namespace torve
