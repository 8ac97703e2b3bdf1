// Alm & Hamre (2001): the unit resistances of a pile being driven.
#include "engine/methods/alm_hamre_srd.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace torve {
namespace {

// k = (q / sigma_v)^0.5 / 80, 1/m; infinite at the ground surface, where nothing is left above the
// first pass of the tip.
double fatigue_decay(double q, double sigma_v) {
    if (!(q > 0)) return 0;
    if (!(sigma_v > 0)) return INFINITY;
    return std::sqrt(q / sigma_v) / 80;
}

}  // namespace

double FrictionFatigue::at(double h) const {
    // exp(-inf x 0) is no number: at the tip the friction is the first one whatever the decay.
    const double kh = h > 0 ? decay * h : 0;
    return residual + (initial - residual) * std::exp(-kh);
}

FrictionFatigue alm_hamre_sand_friction(double qc, double sigma_v, double delta_degrees) {
    if (!(qc > 0) || !(sigma_v > 0)) return {};
    const double tan_delta = std::tan(delta_degrees * std::numbers::pi / 180);
    const double initial = 0.0132 * qc * std::pow(sigma_v / kAlmHamreAtmosphere, 0.13) * tan_delta;
    return {initial, 0.2 * initial, fatigue_decay(qc, sigma_v)};
}

FrictionFatigue alm_hamre_clay_friction(double qt, double sigma_v, double fs) {
    const double initial = std::max(0.0, fs);
    const double q = std::max(0.0, qt);
    // At the ground surface (no effective stress) the bracket is minus infinity: held at 0 below.
    const double residual = sigma_v > 0 ? 0.004 * q * (1 - 0.0025 * q / sigma_v) : 0;
    return {initial, std::clamp(residual, 0.0, initial), fatigue_decay(q, sigma_v)};
}

double alm_hamre_sand_tip(double qc, double sigma_v) {
    if (!(qc > 0)) return 0;
    return 0.15 * qc * std::pow(qc / sigma_v, 0.2);
}

double alm_hamre_clay_tip(double qt) {
    return 0.6 * std::max(0.0, qt);
}

}  // namespace torve
