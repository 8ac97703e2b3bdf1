// The soil's quakes and Smith damping, which the wave equation reads with the resistance to driving.
#pragma once

#include "engine/model/input_data.h"

namespace torve {

// The soil's dynamic constants at one depth: the project's own where it gives them, else the
// defaults for the soil there. Quakes in in or mm, damping in s/ft or s/m.
struct SoilDynamics {
    double shaft_quake = 0;
    double toe_quake = 0;
    double shaft_damping = 0;
    double toe_damping = 0;
};

// The dynamic constants of the soil at `depth` (ft or m below the ground surface).
SoilDynamics soil_dynamics_at(const InputData& in, double depth);

}  // namespace torve
