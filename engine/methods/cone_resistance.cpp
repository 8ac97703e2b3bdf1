// qc per segment from the soil data, the CPT profile or the blow count.
#include "engine/methods/cone_resistance.h"

#include <algorithm>

namespace torve {

double cpt_profile_at(const CptProfile& cpt, double depth) {
    const auto& p = cpt.points;
    if (depth <= p.front().depth) return p.front().qc;
    if (depth >= p.back().depth) return p.back().qc;
    // First point deeper than `depth`; the one before it is at or above it.
    const auto upper = std::upper_bound(p.begin(), p.end(), depth,
                                        [](double d, const CptPoint& point) { return d < point.depth; });
    const CptPoint& b = *upper;
    const CptPoint& a = *(upper - 1);
    const double span = b.depth - a.depth;
    if (span <= 0) return b.qc;
    return a.qc + (b.qc - a.qc) * (depth - a.depth) / span;
}

double segment_cone_resistance(const Segment& s, const CptProfile& cpt, bool english) {
    const double to_ksf = english ? 1000.0 : 1.0;
    if (s.cone_resistance >= 1.0e-5) return s.cone_resistance / to_ksf;
    if (!cpt.points.empty()) {
        // Soundings often read slightly negative near the mudline (zero drift); a negative qc
        // would turn the logarithms and powers of the cone-based rules into NaN.
        return std::max(cpt_profile_at(cpt, 0.5 * (s.top + s.bottom)), 0.0) / to_ksf;
    }
    const double blow_count = s.sand ? std::max(s.blow_count_ysr, 0.0) : 0.0;  // clay keeps its YSR there
    return 2.8 * atmospheric_pressure(english) * blow_count;
}

std::vector<double> segment_cone_resistances(const SoilProfile& profile, const CptProfile& cpt,
                                             bool english) {
    std::vector<double> qc(profile.segments.size());
    for (std::size_t k = 0; k < qc.size(); ++k)
        qc[k] = segment_cone_resistance(profile.segments[k], cpt, english);
    return qc;
}

}  // namespace torve
