// Shared quantities of the cone-based offshore methods.
#include "engine/methods/cone_method_common.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace torve {

double tip_distance(const PileGeometry& pile, double z) {
    return std::max((pile.length - z) * pile.diameter_unit, 1.0e-5);
}

double equivalent_radius(const PileGeometry& pile) {
    const double r2 = 0.25 * (pile.od_input * pile.od_input - pile.eid_input * pile.eid_input);
    return std::sqrt(std::max(r2, 0.0));  // an inside diameter above the outside one has no wall
}

double diameter_mm(const PileGeometry& pile) {
    return pile.english ? pile.od_input * 25.4 : pile.od_input;
}

double tan_sand_interface_angle(double phi) {
    return std::tan(std::max(phi - 5.0, 0.0) * std::numbers::pi / 180.0);
}

bool segment_within_pile(const PileGeometry& pile, std::size_t k) {
    // Rows 0 .. rows-1; row j >= 1 takes its friction from segment j - 1.
    return static_cast<int>(k) + 1 < pile.rows;
}

std::vector<double> entered_friction_limits(const MethodInputs& m) {
    std::vector<double> lim(static_cast<std::size_t>(m.pile.rows));
    for (int j = 0; j < m.pile.rows; ++j) lim[static_cast<std::size_t>(j)] = m.profile.at(j).max_friction;
    return lim;
}

double capped_by_entered_bearing(double q, const Segment& s) {
    if (s.max_bearing != kUnlimited && s.max_bearing > 0.001) return std::min(q, s.max_bearing);
    return q;
}

namespace {
constexpr double kConeDiameterMm = 36.0;
}

double open_ended_sand_bearing(double qc, double d_mm) {
    double q = qc * (0.5 - 0.25 * std::log10(d_mm / kConeDiameterMm));
    if (d_mm > 900) q = std::max(q, 0.15 * qc);
    return q;
}

double closed_ended_sand_bearing(double qc, double d_mm) {
    double q = qc * (1.0 - 0.5 * std::log10(d_mm / kConeDiameterMm));
    if (d_mm > 900) q = std::max(q, 0.3 * qc);
    return q;
}

}  // namespace torve
