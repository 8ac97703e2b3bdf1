// The soil's dynamic constants: the defaults for the soil at a depth.
#include "engine/driver/soil_dynamics.h"

namespace torve {

SoilDynamics soil_dynamics_at(const InputData& in, double depth) {
    // Quake 2.5 mm on shaft and toe; Smith damping 0.16 s/m in sand and 0.65 s/m in clay along the
    // shaft, 0.50 s/m at the toe.
    bool sand = true;
    for (const SoilPoint& p : in.soil)
        if (p.depth <= depth) sand = p.is_sand();
    const bool english = in.units == UnitSystem::English;
    const double quake = english ? 2.5 / 25.4 : 2.5;
    const double per_length = english ? 0.3048 : 1.0;  // s/m to s/ft
    return {quake, quake, (sand ? 0.16 : 0.65) * per_length, 0.50 * per_length};
}

}  // namespace torve
