// Shaft springs of the settlement solver from the load-transfer method's side resistance.
#include "engine/methods/shaft_springs.h"

#include <algorithm>
#include <cmath>

#include "engine/model/rounded_constants.h"

namespace torve {
namespace {

// The soil layer (pair of soil points) holding a depth below the ground: the first whose bottom
// is not above it, the last one below the profile.
std::size_t layer_at(const std::vector<SoilPoint>& soil, double ground_depth) {
    std::size_t i = 0;
    while (i + 3 < soil.size() && soil[i + 1].depth < ground_depth) i += 2;
    return i;
}

// Friction angle at a depth within a layer: linear between its points when both give one, else
// the angle derived for the segment there (a layer given by blow counts).
double layer_friction_angle(const SoilPoint& top, const SoilPoint& bottom, const SoilProfile& profile,
                            double ground_depth) {
    double angle = 0;
    if (top.friction_angle > 0 && bottom.friction_angle > 0) {
        const double span = bottom.depth - top.depth;
        const double u = span > 0 ? std::clamp((ground_depth - top.depth) / span, 0.0, 1.0) : 0.0;
        angle = top.friction_angle + u * (bottom.friction_angle - top.friction_angle);
    }
    return curve_friction_angle(angle, profile, ground_depth);
}

}  // namespace

double side_resistance_at(const std::vector<double>& q, double increment, double ground_depth) {
    if (q.empty()) return 0;
    if (!(increment > 0) || ground_depth <= 0) return q.front();
    const double u = ground_depth / increment;
    const auto i = static_cast<std::size_t>(u);
    if (i + 1 >= q.size()) return q.back();
    return q[i] + (q[i + 1] - q[i]) * (u - static_cast<double>(i));
}

std::vector<TzCurve> shaft_springs(const InputData& in, const Units& units, const PileGeometry& pile,
                                   const SoilProfile& profile, const LoadTransferInput& input,
                                   double pile_length, int segments) {
    std::vector<TzCurve> springs;
    if (segments <= 0 || in.soil.size() < 2) return springs;
    springs.reserve(static_cast<std::size_t>(segments));
    const double to_solver = units.solver_per_length;
    const double h = pile_length / segments;
    const double d = pile.od_input / units.diameter_per_solver_length;
    // kips or kN over the shaft area of a segment (in2 or m2) to lb/in2 or kPa; kPiCurves is the
    // solver's own, so a spring at its tmax gives back exactly the resistance it was made from.
    const double per_resistance = units.solver_force_per_force / (kPiCurves * d * h);
    auto ground = [&](double from_head) { return from_head / to_solver - in.stickup_length; };
    double q_top = side_resistance_at(input.side_resistance, pile.increment, ground(0));
    for (int s = 0; s < segments; ++s) {
        const double q_bottom =
            side_resistance_at(input.side_resistance, pile.increment, ground((s + 1) * h));
        const double mid = (s + 0.5) * h;
        // The stickup part of a segment at the ground surface carries nothing; the segment takes
        // the shape of the soil just below the surface.
        const double g = std::max(ground(mid), 0.0);
        const std::size_t i = layer_at(in.soil, g);
        const SoilPoint& top = in.soil[i];
        const SoilPoint& bottom = in.soil[i + 1];
        const bool sand = top.is_sand() && bottom.is_sand();
        const double phi = layer_friction_angle(top, bottom, profile, g);
        TzCurve c =
            method_curve(in, units, pile, profile, input, sand, phi, g, (q_bottom - q_top) * per_resistance);
        c.depth = mid;
        c.ground_depth = ground(mid);
        springs.push_back(c);
        q_top = q_bottom;
    }
    return springs;
}

}  // namespace torve
