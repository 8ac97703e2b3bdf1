// A hammer as the wave equation takes it: a ram falling through a stroke (or delivering a rated
// energy) at an efficiency, a hammer cushion, a helmet and, for concrete piles, a pile cushion.
#pragma once

#include <optional>
#include <string>

namespace torve {

struct Cushion {
    double area_m2 = 0;
    double thickness_m = 0;
    double modulus_mpa = 0;
    double cor = 0.8;  // coefficient of restitution

    double stiffness() const { return area_m2 * modulus_mpa * 1e6 / thickness_m; }  // N/m
};

struct Hammer {
    std::string name;
    double ram_mass_kg = 0;
    // Exactly one of the two.
    std::optional<double> stroke_m;
    std::optional<double> energy_kj;  // rated energy
    double efficiency = 1;
    std::optional<Cushion> hammer_cushion;
    double helmet_mass_kg = 0;  // 0: no helmet
    std::optional<Cushion> pile_cushion;

    // The rated energy: the ram's weight through the stroke, or as given (kJ).
    double rated_energy_kj() const;
    // The ram's velocity at impact, from the rated energy times the efficiency (m/s).
    double impact_velocity() const;
};

// Standard gravity, for the energy of a ram falling through its stroke.
inline constexpr double kGravity = 9.80665;

}  // namespace torve
