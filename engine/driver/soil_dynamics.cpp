// The soil's dynamic constants: the project's own for the soil at a depth, else the defaults.
#include "engine/driver/soil_dynamics.h"

namespace torve {

SoilDynamics default_soil_dynamics(UnitSystem units, bool sand) {
    // Quake 2.5 mm on shaft and toe; Smith damping 0.16 s/m in sand and 0.65 s/m in clay along the
    // shaft, 0.50 s/m at the toe. English: mm to in by 25.4, s/m to s/ft by 0.3048 exactly.
    const bool english = units == UnitSystem::English;
    const double quake = english ? kDefaultQuakeMm * kQuakeInchesPerMillimetre : kDefaultQuakeMm;
    const double per_length = english ? kDampingPerFootPerMetre : 1.0;
    return {quake, quake, (sand ? kSandShaftDamping : kClayShaftDamping) * per_length,
            kToeDamping * per_length};
}

SoilDynamics soil_dynamics_at(const InputData& in, double depth) {
    // The soil point above the depth governs down to the next one, as it gives the soil type; above
    // the first point the first one does.
    const SoilPoint* at = in.soil.empty() ? nullptr : &in.soil.front();
    for (const SoilPoint& p : in.soil)
        if (p.depth <= depth) at = &p;
    SoilDynamics d = default_soil_dynamics(in.units, at == nullptr || at->is_sand());
    if (at == nullptr) return d;
    const LayerConstants& own = at->constants;
    d.shaft_quake = own.shaft_quake.value_or(d.shaft_quake);
    d.toe_quake = own.toe_quake.value_or(d.toe_quake);
    d.shaft_damping = own.shaft_damping.value_or(d.shaft_damping);
    d.toe_damping = own.toe_damping.value_or(d.toe_damping);
    return d;
}

}  // namespace torve
