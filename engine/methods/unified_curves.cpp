// Unified CPT-based t-z and Q-z curves of sand.
#include "engine/methods/unified_curves.h"

#include <algorithm>
#include <cmath>

namespace torve {
namespace {

using Points = std::array<double, kPointsPerTzCurve>;

// Movement over the peak movement of the t-z points; the last one holds the peak beyond it.
constexpr Points kShaftMovementRatio = {0, 0.05, 0.1, 0.2, 0.3, 0.45, 0.6, 0.8, 1.0, 2.0};
// Base resistance over qb0.1 of the Q-z points, denser towards the top of the hyperbola.
constexpr Points kBaseRatio = {0, 0.1, 0.25, 0.4, 0.5, 0.65, 0.8, 0.9, 0.95, 1.0};

// Settlement over D at which the base mobilises `ratio` of qb0.1 (the inverse of the hyperbola).
double base_movement_ratio(double ratio) {
    return 0.01 * ratio / (1 - 0.9 * ratio);
}

}  // namespace

double unified_peak_movement(double qc, double effective_stress, double pa, double d, bool tension) {
    const double a = tension ? 625.0 : 1250.0;
    return d * std::sqrt(std::max(qc, 0.0) / pa) * std::pow(std::max(effective_stress, 0.0) / pa, 0.25) / a;
}

double unified_shaft_ratio(double w_over_wf) {
    const double x = std::clamp(w_over_wf, 0.0, 1.0);
    return x * (2 - x);
}

double unified_base_ratio(double wb_over_d) {
    if (!(wb_over_d > 0)) return 0;
    return std::min(wb_over_d / (0.01 + 0.9 * wb_over_d), 1.0);
}

TzCurve unified_sand_shaft_curve(const InputData& in, const Units& units, const PileGeometry& pile,
                                 const SoilProfile& profile, const SegmentPairs& cone_resistance,
                                 double ground_depth, double tmax) {
    double qc = 0, stress = 0;
    if (profile.count() > 0) {
        // A curve on a layer boundary belongs to the layer below it (curves stand at a layer's top,
        // middle and just above its bottom), so its readings come from the segment that starts there.
        const int k =
            std::clamp(static_cast<int>(ground_depth / profile.increment + 1e-6), 0, profile.count() - 1);
        const Segment& s = profile.at(k);
        const double u = std::clamp((ground_depth - s.top) / (s.bottom - s.top), 0.0, 1.0);
        stress = s.stress_top + u * (s.stress_bottom - s.stress_top);
        const auto i = static_cast<std::size_t>(k);
        if (i < cone_resistance.top.size())
            qc = cone_resistance.top[i] + u * (cone_resistance.bottom[i] - cone_resistance.top[i]);
    }
    // In the diameter unit (in or mm), then in the curve's unit; a profile without qc or stress
    // still gets a curve that rises, with the peak at 0.01 % of D.
    const double d = pile.od_input;
    const double wf =
        std::max(unified_peak_movement(qc, stress, units.atmospheric_pressure, d, in.tension()), 1e-4 * d) /
        units.diameter_per_solver_length;
    TzCurve c;
    c.sand = true;
    c.tmax = tmax;
    for (std::size_t k = 0; k < kPointsPerTzCurve; ++k) {
        c.movement[k] = kShaftMovementRatio[k] * wf;
        c.transfer[k] = unified_shaft_ratio(kShaftMovementRatio[k]) * tmax;
    }
    return c;
}

QwCurve unified_sand_base_curve(const Units& units, const PileGeometry& pile, double q_max) {
    const double d = pile.od_input / units.diameter_per_solver_length;
    QwCurve c;
    for (std::size_t k = 0; k < kPointsPerTzCurve; ++k) {
        c.movement[k] = base_movement_ratio(kBaseRatio[k]) * d;
        c.load[k] = kBaseRatio[k] * q_max;
    }
    return c;
}

}  // namespace torve
