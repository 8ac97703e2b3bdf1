// Revised Lambda side friction, after the lambda-2 rule of Kraft, Focht and Amerasinghe (1981).
#include "engine/methods/revised_lambda_method.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "engine/methods/api_method.h"
#include "engine/model/rounded_constants.h"

namespace torve {
namespace {

constexpr double kTol = 1.0e-6;
// The peak friction is taken as mobilized at a movement of 0.1 in.
constexpr double kPeakFrictionMovementIn = 0.1;

// Section of the shaft for its axial stiffness, in in2 or mm2.
double shaft_area(const Units& units, const PileGeometry& pile) {
    if (pile.tip_area > 1e-4) return pile.tip_area * units.square_diameter_per_area;
    // The shaft's own inside diameter: the opening of the end section would make a closed-ended
    // pipe as stiff as a solid bar of its outside diameter.
    const double od = pile.od_input, id = pile.id_input;
    return std::numbers::pi / 4 * (od * od - id * id);
}

}  // namespace

double pile_compressibility(const InputData& in, const Units& units, const PileGeometry& pile, double z,
                            double cm) {
    // z2 cm is a force (kips, kN) and E A one in lb or kPa mm2; D against the 0.1 in movement is a
    // pure number in either unit.
    const double numerator = std::numbers::pi * pile.od_input * z * z * cm * units.stiffness_per_force;
    const double movement = kPeakFrictionMovementIn * units.diameter_per_inch;
    const double denominator = movement * in.modulus_of_elasticity * shaft_area(units, pile);
    if (numerator <= 0) return 0;
    if (denominator <= 0) return std::numeric_limits<double>::infinity();  // no stiffness: lambda floor
    return numerator / denominator;
}

double revised_lambda(double compressibility, double strength_ratio) {
    if (compressibility <= 0) return 0;
    const double ln_pi = std::log(compressibility);
    const double lambda = strength_ratio < 0.4 ? 0.178 - 0.016 * ln_pi : 0.232 - 0.032 * ln_pi;
    return std::max(lambda, 0.14);
}

SideFriction revised_lambda_side_friction(const MethodInputs& m) {
    const PileGeometry& pile = m.pile;
    const auto rows = static_cast<std::size_t>(pile.rows);
    const double dz = pile.increment;
    const double perimeter = pile.perimeter;

    // Total side resistance at every row from the running means over the penetration. Rows lie on
    // segment boundaries, so segment j - 1 ends at row j and its stresses are linear within it.
    std::vector<double> total(rows, 0.0);
    double stress_sum = 0, strength_sum = 0;
    for (std::size_t j = 1; j < rows; ++j) {
        const Segment& s = m.profile.at(static_cast<int>(j) - 1);
        const double mean_stress = 0.5 * (s.stress_top + s.stress_bottom);
        stress_sum += mean_stress * dz;
        const bool no_friction = s.bottom - m.in.zero_friction_length <= kTol;
        if (!no_friction) {
            strength_sum +=
                (s.sand ? std::tan(s.friction_angle / kDegreesPerRadian) * mean_stress : s.su) * dz;
        }
        const double z = pile.row_depth(static_cast<int>(j));
        const double sm = stress_sum / z;
        const double cm = strength_sum / z;
        const double ratio = cm / std::max(sm, 1e-10);
        const double lambda = revised_lambda(pile_compressibility(m.in, m.units, pile, z, cm), ratio);
        total[j] = lambda * (sm + 2 * cm) * perimeter * z;
    }

    // Unit friction row by row; a fall of the total (a weak layer) keeps the friction above it. Rows
    // within the zero-friction length get none: no segment above them has any strength, so lambda
    // and the total are zero there.
    const std::vector<double> limits = api_friction_limits(m);
    const double tension = m.in.tension() ? m.in.tension_reduction_factor : 1.0;
    SideFriction out;
    out.unit.assign(rows, 0.0);
    out.cumulative.assign(rows, 0.0);
    out.factored.assign(rows, 0.0);
    double previous = 0;
    for (std::size_t j = 0; j < rows; ++j) {
        double f = j == 0 ? 0.0 : (total[j] - total[j - 1]) / perimeter / dz;
        if (f < 1e-7) f = previous;
        previous = f;
        f = std::min(f, limits[j]) * tension;
        out.unit[j] = f;
        if (j == 0) continue;
        const double dq = perimeter * f * dz;
        out.cumulative[j] = out.cumulative[j - 1] + dq;
        out.factored[j] = out.factored[j - 1] + dq * m.profile.at(static_cast<int>(j)).lrfd_friction;
    }
    out.plug = api_side_friction(m).plug;
    return out;
}

}  // namespace torve
