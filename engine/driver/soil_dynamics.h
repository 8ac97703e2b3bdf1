// The soil's quakes and Smith damping, which the wave equation reads with the resistance to driving.
#pragma once

#include "engine/model/input_data.h"

namespace torve {

// The dynamic constants of the soil at one depth: the project's own where it gives them, else the
// defaults for the soil there. Quakes in in or mm, damping in s/ft or s/m.
struct SoilDynamics {
    double shaft_quake = 0;
    double toe_quake = 0;
    double shaft_damping = 0;
    double toe_damping = 0;
};

// The defaults (layer_constants.h) in a unit system's units: the quake is 2.5 mm whatever the pile (a
// closed-ended displacement pile may want D/120 at the toe, which the project then gives) (in and s/ft,
// converted exactly, or mm and s/m), for sand or clay along the shaft.
SoilDynamics default_soil_dynamics(UnitSystem units, bool sand);

// The dynamic constants of the soil at `depth` (ft or m below the ground surface): those of the soil
// point at or above it (the soil type and the constants the project gives there), the defaults where
// the project gives none. A shaft takes the shaft values at each depth, the toe the toe values at the
// tip.
SoilDynamics soil_dynamics_at(const InputData& in, double depth);

}  // namespace torve
