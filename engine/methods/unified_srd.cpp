// UniSand-SRD: the Unified sand friction and base while the pile is driven.
#include "engine/methods/unified_srd.h"

#include <algorithm>
#include <cmath>

namespace torve {

DrivenTip driven_tip(double outside, double inside) {
    DrivenTip t;
    t.outside = outside;
    const double di = std::clamp(inside, 0.0, outside);
    t.wall_ratio = outside > 0 ? (outside - di) / 2 / outside : 0.5;
    t.plug_length_ratio = std::tanh(0.3 * std::sqrt(di / kConeDiameter));
    const double ratio = outside > 0 ? di / outside : 0;
    t.area_ratio = 1 - t.plug_length_ratio * ratio * ratio;
    return t;
}

double unified_srd_friction(const DrivenTip& tip, double qc, double sigma_v, double h) {
    if (!(qc > 0) || !(tip.outside > 0)) return 0;
    const double stationary =
        qc / 44 * std::pow(tip.area_ratio, 0.3) * std::pow(std::max(1.0, h / tip.outside), -0.4);
    // At no effective stress (the ground surface) the dilation term vanishes with (qc / 0)^-0.33.
    const double dilation =
        sigma_v > 0 ? qc / 10 * std::pow(qc / sigma_v, -0.33) * (kConeDiameter / tip.outside) : 0;
    return 0.39 * (stationary + dilation);
}

double unified_srd_base(const DrivenTip& tip, double qc) {
    if (!(qc > 0)) return 0;
    const double mobilised = 0.4 * qc * (std::exp(-2 * tip.plug_length_ratio) + 4 * tip.wall_ratio);
    return std::min(mobilised, 0.4 * qc);
}

}  // namespace torve
