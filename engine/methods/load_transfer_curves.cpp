// t-z curve shapes (API RP 2A, and the USACE hyperbolic sand curve after Mosher), their positions
// along the pile, and the tip Q-w curves.
#include "engine/methods/load_transfer_curves.h"

#include <algorithm>
#include <cmath>

#include "engine/methods/method_rules.h"
#include "engine/model/rounded_constants.h"

namespace torve {
namespace {

using Points = std::array<double, kPointsPerTzCurve>;

// API RP 2A t-z curves: sand by movement in inches, clay by movement over diameter.
constexpr Points kApiSandMovementIn = {0, 0.01, 0.02, 0.04, 0.06, 0.08, 0.09, 0.1, 0.5, 2.0};
constexpr Points kApiSandRatio = {0, 0.1, 0.2, 0.4, 0.6, 0.8, 0.9, 1.0, 1.0, 1.0};
constexpr Points kApiClayMovementOverD = {0, 0.0016, 0.0031, 0.0057, 0.008, 0.01, 0.02, 0.03, 0.05, 0.2};
constexpr Points kApiClayRatio = {0, 0.3, 0.5, 0.75, 0.9, 1.0, 0.9, 0.9, 0.9, 0.9};
// USACE curves: movements in inches; clay ratios, and the hyperbolic sand curve by its modulus.
constexpr Points kUsaceMovementIn = {0, 0.01, 0.02, 0.04, 0.06, 0.08, 0.12, 0.16, 0.5, 10};
constexpr Points kUsaceClayRatio = {0, 0.18, 0.38, 0.79, 0.97, 1.0, 0.97, 0.93, 0.93, 0.93};
// Tip curves: USACE movements in inches; API RP 2A Q-z by movement over diameter.
constexpr Points kUsaceTipMovementIn = {0, 0.0001, 0.005, 0.01, 0.05, 0.1, 0.2, 0.5, 1, 2};
constexpr Points kApiTipMovementOverD = {0, 0.0005, 0.001, 0.002, 0.013, 0.042, 0.073, 0.1, 0.15, 0.2};
constexpr Points kApiTipRatio = {0, 0.0625, 0.125, 0.25, 0.5, 0.75, 0.9, 1.0, 1.0, 1.0};

// Initial modulus of the Mosher sand curve by friction angle.
double mosher_modulus(double phi) {
    if (phi <= 28) return 6000;
    if (phi <= 31) return 6000 + 1333.3 * (phi - 28);
    if (phi <= 32) return 10000;
    if (phi <= 34) return 10000 + 1333.3 * (phi - 32);
    if (phi <= 35) return 14000;
    if (phi <= 38) return 14000 + 1333.3 * (phi - 35);
    return 18000;
}

// Where the curves of a soil layer stand, in the solver's unit: the bottom curve 0.5 in (0.1 m)
// above the layer's bottom, the middle one halfway between the top and bottom curves shifted down
// by 0.55 in (0.05 m).
struct CurvePlacement {
    double bottom_offset;
    double middle_shift;
};
constexpr CurvePlacement kPlacementInches{0.5, 1.1};
constexpr CurvePlacement kPlacementMetres{0.1, 0.1};

// Movement in the curve's unit from a value given in inches.
double from_inches(double inches, const Units& units) {
    return inches / units.inches_per_solver_length;
}

// Outside diameter in the curve's length unit (in or m).
double diameter(const Units& units, const PileGeometry& pile) {
    return pile.od_input / units.diameter_per_solver_length;
}

bool usace_shapes(const InputData& in) {
    return method_info(in.load_transfer_method).curve_shapes == CurveShapes::Usace;
}

// A soil curve of the load-transfer method with tmax from the slope of its side resistance.
TzCurve soil_curve(const InputData& in, const Units& units, const PileGeometry& pile,
                   const SoilProfile& profile, const LoadTransferInput& input, bool sand, double phi,
                   double ground_depth) {
    const double tmax = maximum_load_transfer(units, pile, input.side_resistance, ground_depth);
    return method_curve(in, units, pile, profile, input, sand, phi, ground_depth, tmax);
}

}  // namespace

double curve_friction_angle(double point_angle, const SoilProfile& profile, double ground_depth) {
    if (point_angle > 0) return point_angle;
    const int k = std::clamp(static_cast<int>(ground_depth / profile.increment), 0, profile.count() - 1);
    return profile.at(k).friction_angle;
}

TzCurve method_curve(const InputData& in, const Units& units, const PileGeometry& pile,
                     const SoilProfile& profile, const LoadTransferInput& input, bool sand, double phi,
                     double ground_depth, double tmax) {
    // A method with a sand curve of its own takes the API RP 2A shapes in clay, for which none of
    // those methods publishes a curve.
    if (const auto own = rules_of(in.load_transfer_method).sand_shaft_curve; own && sand) {
        TzCurve c = own(in, units, pile, profile, input.cone_resistance, ground_depth, tmax);
        c.friction_angle = phi;
        return c;
    }
    return shaped_curve(units, usace_shapes(in), sand, phi, tmax, pile);
}

double TzCurve::at(double z) const {
    if (z <= movement[0]) return transfer[0];
    for (std::size_t i = 1; i < movement.size(); ++i) {
        if (z <= movement[i]) {
            const double span = movement[i] - movement[i - 1];
            if (span <= 0) return transfer[i];
            return transfer[i - 1] + (transfer[i] - transfer[i - 1]) * (z - movement[i - 1]) / span;
        }
    }
    return transfer[kPointsPerTzCurve - 1];
}

double maximum_load_transfer(const Units& units, const PileGeometry& pile, const std::vector<double>& q,
                             double ground_depth) {
    const int last = static_cast<int>(q.size()) - 1;
    if (last < 1) return 0;
    const double dz = pile.increment;
    const int i = std::clamp(static_cast<int>(std::lround(ground_depth / dz)), 0, last);
    auto at = [&](int k) { return q[static_cast<std::size_t>(k)]; };
    double slope = 0;
    if (i == last) {
        slope = (at(last) - at(last - 1)) / dz;
    } else if (i == 0 || at(i - 1) < 1e-5) {
        slope = (at(i + 1) - at(i)) / dz;
    } else {
        slope = (at(i + 1) - at(i - 1)) / (2 * dz);
    }
    // kips/ft to lb/in2, or kN/m to kPa
    return slope * units.solver_force_per_force / (kPiCurves * diameter(units, pile)) /
           units.solver_per_length;
}

TzCurve shaped_curve(const Units& units, bool usace_shapes, bool sand, double phi, double tmax,
                     const PileGeometry& pile) {
    TzCurve c;
    c.sand = sand;
    c.friction_angle = phi;
    c.tmax = tmax;
    for (int i = 0; i < kPointsPerTzCurve; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (usace_shapes && sand) {
            // Hyperbola t = z / (1/Es + z/T) with T in lb/ft2 and z in inches.
            const double to_psf = units.psf_per_solver_stress;
            const double big_t = tmax * to_psf;
            const double z = kUsaceMovementIn[k];
            c.movement[k] = from_inches(z, units);
            c.transfer[k] = big_t <= 1e-9 ? 0.0 : z / (1.0 / mosher_modulus(phi) + z / big_t) / to_psf;
        } else if (usace_shapes) {
            c.movement[k] = from_inches(kUsaceMovementIn[k], units);
            c.transfer[k] = kUsaceClayRatio[k] * tmax;
        } else if (sand) {
            c.movement[k] = from_inches(kApiSandMovementIn[k], units);
            c.transfer[k] = kApiSandRatio[k] * tmax;
        } else {
            c.movement[k] = kApiClayMovementOverD[k] * diameter(units, pile);
            c.transfer[k] = kApiClayRatio[k] * tmax;
        }
    }
    return c;
}

std::vector<TzCurve> shaft_curves(const InputData& in, const Units& units, const PileGeometry& pile,
                                  const SoilProfile& profile, const LoadTransferInput& input) {
    const bool usace = usace_shapes(in);
    const double to_solver = units.solver_per_length;
    const CurvePlacement& place = units.english() ? kPlacementInches : kPlacementMetres;
    const double stickup = in.stickup_length * to_solver;
    std::vector<TzCurve> curves;
    curves.reserve(3 + 3 * (in.soil.size() / 2));  // stickup curves and three per layer
    if (in.stickup_length > 1e-6) {
        // Free length above the ground: clay curves that carry nothing.
        for (double d : {0.0, 0.5 * stickup, stickup}) {
            TzCurve c = shaped_curve(units, usace, false, 0, 0, pile);
            c.depth = d;
            c.ground_depth = (d - stickup) / to_solver;
            curves.push_back(c);
        }
    }
    for (std::size_t i = 0; i + 1 < in.soil.size(); i += 2) {
        const SoilPoint& top = in.soil[i];
        const SoilPoint& bottom = in.soil[i + 1];
        if (bottom.depth - top.depth < 0.11) continue;
        const bool sand = top.is_sand() && bottom.is_sand();
        const double d_top = top.depth * to_solver;
        const double d_bottom = bottom.depth * to_solver - place.bottom_offset;
        const double d_middle = (d_top + d_bottom + place.middle_shift) / 2;
        const double depths[3] = {d_top, d_middle, d_bottom};
        const double angles[3] = {top.friction_angle, 0.5 * (top.friction_angle + bottom.friction_angle),
                                  bottom.friction_angle};
        for (int j = 0; j < 3; ++j) {
            const double ground = depths[j] / to_solver;
            const double phi = curve_friction_angle(angles[j], profile, ground);
            TzCurve c = soil_curve(in, units, pile, profile, input, sand, phi, ground);
            c.depth = depths[j] + stickup;
            c.ground_depth = ground;
            curves.push_back(c);
        }
    }
    return curves;
}

std::optional<TzCurve> verification_curve(const InputData& in, const Units& units, const PileGeometry& pile,
                                          const SoilProfile& profile, const LoadTransferInput& input,
                                          double ground_depth) {
    if (ground_depth < 0 || ground_depth > in.soil.back().depth) return std::nullopt;
    for (std::size_t i = 0; i + 1 < in.soil.size(); ++i) {
        const SoilPoint& upper = in.soil[i];
        const SoilPoint& lower = in.soil[i + 1];
        if (lower.depth - upper.depth < 0.11 || lower.depth < ground_depth) continue;
        const bool sand = upper.is_sand() && lower.is_sand();
        const double phi = curve_friction_angle(0, profile, ground_depth);
        TzCurve c = soil_curve(in, units, pile, profile, input, sand, phi, ground_depth);
        c.ground_depth = ground_depth;
        c.depth = (ground_depth + in.stickup_length) * units.solver_per_length;
        return c;
    }
    return std::nullopt;
}

QwCurve tip_curve(const InputData& in, const Units& units, const PileGeometry& pile,
                  const SoilProfile& profile, const LoadTransferInput& input) {
    QwCurve c;
    const double q_max = input.tip_resistance * units.solver_force_per_force;
    const double d = diameter(units, pile);
    const Segment& tip = profile.at(pile.rows - 1);
    if (const auto own = rules_of(in.load_transfer_method).sand_base_curve; own && tip.sand)
        return own(units, pile, q_max);
    if (!usace_shapes(in)) {
        for (std::size_t k = 0; k < kPointsPerTzCurve; ++k) {
            c.movement[k] = kApiTipMovementOverD[k] * d;
            c.load[k] = kApiTipRatio[k] * q_max;
        }
        return c;
    }
    const double exponent = tip.friction_angle <= 31 ? 0.5 : tip.friction_angle <= 38 ? 0.333 : 0.25;
    for (std::size_t k = 0; k < kPointsPerTzCurve; ++k) {
        const double w = from_inches(kUsaceTipMovementIn[k], units);
        c.movement[k] = w;
        // Both tips mobilise the whole tip resistance at their critical movement and hold it beyond.
        const double ratio =
            tip.sand ? std::pow(w / (0.05 * d), exponent) : 0.5 * std::sqrt(w / (2 * 0.005 * d));
        c.load[k] = q_max * std::min(ratio, 1.0);
    }
    return c;
}

}  // namespace torve
