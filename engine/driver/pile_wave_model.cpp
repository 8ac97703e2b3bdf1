// Smith's model of a project's pile: the masses and springs in S.I. base units from the project's
// own units.
#include "engine/driver/pile_wave_model.h"

#include <algorithm>
#include <cmath>

#include "engine/driver/soil_dynamics.h"
#include "engine/methods/load_settlement.h"
#include "engine/model/input_error.h"
#include "engine/model/number_text.h"
#include "engine/model/units.h"

namespace torve {

namespace {

constexpr double kNewtonsPerKip = 4448.2216152605;
constexpr double kMetresPerFoot = 0.3048;
constexpr double kPascalsPerPsi = 6894.757293168;

struct ProjectScale {
    double metres_per_length;  // ft or m
    double newtons_per_force;  // kips or kN
    double newtons_per_ae;     // modulus times area: lb or kN
    double pascals_per_modulus;
    double metres_per_quake;   // in or mm
    double damping_per_metre;  // s/m per s/ft or s/m
};

ProjectScale scale_of(const InputData& in) {
    if (in.units == UnitSystem::English)
        return {kMetresPerFoot, kNewtonsPerKip, kNewtonsPerKip / 1000,
                kPascalsPerPsi, 0.0254,         1 / kMetresPerFoot};
    return {1.0, 1000.0, 1000.0, 1000.0, 0.001, 1.0};
}

// A cushion between two masses, or the contact of steel on steel: the top segment's own stiffness.
LumpedSpring contact(const std::optional<Cushion>& cushion, double segment_stiffness) {
    if (!cushion) return {segment_stiffness, SpringKind::CompressionOnly, 1.0, 0, 0};
    return {cushion->stiffness(), SpringKind::CompressionOnly, cushion->cor, 0, 0};
}

// Two cushions with no mass between them carry the same force: their stiffness in series, and a
// restitution that gives back what each gives back of the energy it stores (in proportion to 1/k).
LumpedSpring in_series(const Cushion& a, const Cushion& b) {
    const double ka = a.stiffness(), kb = b.stiffness();
    const double k = 1 / (1 / ka + 1 / kb);
    const double kept = (a.cor * a.cor / ka + b.cor * b.cor / kb) / (1 / ka + 1 / kb);
    return {k, SpringKind::CompressionOnly, std::sqrt(kept), 0, 0};
}

}  // namespace

double pile_density(const InputData& in, const DrivingSettings& settings) {
    if (settings.pile_density) return *settings.pile_density;
    switch (in.pile_type) {
        case PileType::PrecastConcrete:
            return 2400;
        case PileType::Timber:
            return 800;
        default:
            return 7850;
    }
}

WaveModel pile_wave_model(const InputData& in, const Hammer& hammer, const SrdAtDepth& resistance,
                          double scale, const DrivingSettings& settings) {
    const Units& units = units_of(in.units);
    const ProjectScale ps = scale_of(in);
    const char* length_unit = in.units == UnitSystem::English ? " ft" : " m";
    const double whole = in.stickup_length + in.total_pile_length;  // ft or m
    const double length = whole * ps.metres_per_length;
    if (!(length > 0)) throw InputError("The pile has no length to drive.");
    if (!(resistance.tip_depth > 0) || resistance.tip_depth > whole + 1e-9)
        throw InputError("The tip depth " + shortest_text(resistance.tip_depth) + length_unit +
                         " is not within the pile's length of " + shortest_text(whole) + length_unit +
                         " below the ground surface.");
    const double modulus = in.modulus_of_elasticity * ps.pascals_per_modulus;
    if (!(modulus > 0))
        throw InputError("The pile's modulus of elasticity is not above 0: it cannot be driven.");
    const double density = pile_density(in, settings);
    if (!(density > 0) || !std::isfinite(density)) throw InputError("The pile's density must be above 0.");
    if (!(settings.segment_length_m > 0)) throw InputError("The segment length must be above 0.");
    if (!std::isfinite(scale) || scale < 0)
        throw InputError("The resistance must be a finite number, 0 or above.");
    auto usable = [](double f) { return std::isfinite(f) && f >= 0; };
    if (!usable(resistance.base) || !usable(resistance.shaft))
        throw InputError("The resistance to driving at " + shortest_text(resistance.tip_depth) + length_unit +
                         " is negative or not a finite number.");

    const int segments = std::max(10, static_cast<int>(std::ceil(length / settings.segment_length_m - 1e-9)));
    const double dl = length / segments;
    const AxialStiffness stiffness = axial_stiffness(in, units);
    // The area at a distance from the head (m), from the project's modulus times area.
    auto area_at = [&](double from_head) {
        return stiffness.at(from_head / ps.metres_per_length * units.solver_per_length) * ps.newtons_per_ae /
               modulus;
    };

    WaveModel m;
    m.pile_length = length;
    m.wave_speed = std::sqrt(modulus / density);
    m.masses.push_back({hammer.ram_mass_kg, hammer.impact_velocity(), {}, {}});
    const double top_area = area_at(0.5 * dl);
    if (!(top_area > 0))
        throw InputError("The pile's cross-section area is not above 0: it cannot be driven.");
    const double top_stiffness = modulus * top_area / dl;
    if (hammer.helmet_mass_kg > 0) {
        LumpedSpring ram = contact(hammer.hammer_cushion, top_stiffness);
        m.springs.push_back(ram);
        m.masses.push_back({hammer.helmet_mass_kg, 0, {}, {}});
        m.springs.push_back(contact(hammer.pile_cushion, top_stiffness));
    } else if (hammer.hammer_cushion && hammer.pile_cushion) {
        m.springs.push_back(in_series(*hammer.hammer_cushion, *hammer.pile_cushion));
    } else {
        m.springs.push_back(
            contact(hammer.hammer_cushion ? hammer.hammer_cushion : hammer.pile_cushion, top_stiffness));
    }
    m.springs.back().area = top_area;  // the head's stress
    m.springs.back().position = 0;
    m.head = m.masses.size();

    // Below the ground surface, in ft or m: the head stands the pile's length above the tip.
    const double head_depth = resistance.tip_depth - whole;
    const double dl_project = whole / segments;
    const bool slices = !resistance.slice_shaft.empty();
    for (int k = 0; k < segments; ++k) {
        const double area = area_at((k + 0.5) * dl);
        if (!(area > 0))
            throw InputError("The pile's cross-section area is not above 0: it cannot be driven.");
        LumpedMass mass{density * area * dl, 0, {}, {}};
        const double top = head_depth + k * dl_project, bottom = top + dl_project;
        double shaft = 0;  // kips or kN
        if (slices) {
            for (std::size_t s = 0; s < resistance.slice_shaft.size(); ++s) {
                const double a = resistance.slice_top[s], b = resistance.slice_bottom[s];
                const double overlap = std::min(b, bottom) - std::max(a, top);
                if (overlap <= 0 || b <= a) continue;
                shaft += resistance.slice_shaft[s] * overlap / (b - a);
            }
        } else if (bottom > 0) {
            shaft = resistance.shaft * (bottom - std::max(top, 0.0)) / resistance.tip_depth;
        }
        if (!std::isfinite(shaft) || shaft < 0)
            throw InputError("The shaft resistance to driving near " + shortest_text(0.5 * (top + bottom)) +
                             length_unit + " is negative or not a finite number.");
        if (shaft > 0) {
            const SoilDynamics soil = soil_dynamics_at(in, std::max(0.0, 0.5 * (top + bottom)));
            mass.shaft = {shaft * scale * ps.newtons_per_force, soil.shaft_quake * ps.metres_per_quake,
                          soil.shaft_damping * ps.damping_per_metre};
        }
        m.masses.push_back(mass);
        if (k + 1 < segments) {
            const double joint = area_at((k + 1) * dl);
            m.springs.push_back({modulus * joint / dl, SpringKind::Linear, 1, joint, (k + 1) * dl});
        }
        m.toe_area = area;
    }
    const SoilDynamics toe = soil_dynamics_at(in, resistance.tip_depth);
    m.masses.back().toe = {resistance.base * scale * ps.newtons_per_force,
                           toe.toe_quake * ps.metres_per_quake, toe.toe_damping * ps.damping_per_metre};
    return m;
}

}  // namespace torve
