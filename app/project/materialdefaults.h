// The values a new project and a newly chosen pile material start with, so that a first run needs
// only what the user must know: the pile's size and the soil.
#pragma once

#include "engine/model/file_format.h"

namespace torve::app {

// The modulus of elasticity of the pile's material, lb/in^2 | kN/m^2: steel 29,000 ksi | 210 GPa
// (steel pipe, H-pile, monotube), concrete 4,350 ksi | 30 GPa (precast concrete, and the concrete
// that fills a Raymond shell and carries most of its stiffness), timber 1,450 ksi | 10 GPa.
double typicalModulus(PileType type, UnitSystem units);

// Whether `modulus` is what typicalModulus gives some material in `units`: a value the program set,
// not one the user typed, which a change of material may replace.
bool isTypicalModulus(double modulus, UnitSystem units);

// The computation increment of a new project: 1 ft | 0.25 m.
double newProjectIncrement(UnitSystem units);

}  // namespace torve::app
