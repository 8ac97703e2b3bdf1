// qc per segment from the soil data, the CPT profile or the blow count.
#include "engine/methods/cone_resistance.h"

namespace torve {

double cpt_profile_at(const CptProfile& cpt, double depth) {
    const auto& p = cpt.points;
    if (depth <= p.front().depth) return p.front().qc;
    if (depth >= p.back().depth) return p.back().qc;
    std::size_t i = 1;
    while (p[i].depth < depth) ++i;
    const double span = p[i].depth - p[i - 1].depth;
    if (span <= 0) return p[i].qc;
    return p[i - 1].qc + (p[i].qc - p[i - 1].qc) * (depth - p[i - 1].depth) / span;
}

double segment_cone_resistance(const Segment& s, const CptProfile& cpt, bool english) {
    const double to_ksf = english ? 1000.0 : 1.0;
    if (s.cone_resistance >= 1.0e-5) return s.cone_resistance / to_ksf;
    if (!cpt.points.empty()) return cpt_profile_at(cpt, 0.5 * (s.top + s.bottom)) / to_ksf;
    const double pa = english ? kAtmosphereKsf : kAtmosphereKpa;
    const double blow_count = s.sand ? s.blow_count_ysr : 0.0;  // clay carries its YSR in that place
    return 2.8 * pa * blow_count;
}

}  // namespace torve
