// The ram's energy and velocity at impact.
#include "engine/driver/hammer.h"

#include <cmath>

namespace torve {

double Hammer::rated_energy_kj() const {
    if (energy_kj) return *energy_kj;
    return ram_mass_kg * kGravity * stroke_m.value_or(0) / 1000;
}

double Hammer::impact_velocity() const {
    // 1/2 M v0^2 = efficiency x rated energy; for a stroke h, v0 = sqrt(2 g h efficiency).
    return std::sqrt(2 * efficiency * rated_energy_kj() * 1000 / ram_mass_kg);
}

}  // namespace torve
