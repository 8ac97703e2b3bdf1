// The user-specified load transfer: capacity from unit skin friction and unit end bearing entered
// with the soil points.
#pragma once

#include "engine/methods/capacity_curve.h"
#include "engine/methods/method_inputs.h"
#include "engine/methods/method_rules.h"

namespace torve {

// Skin friction, end bearing and their plain sum at every penetration row. Each row takes the
// user values of the segment that contains its depth (the first segment for the surface row); the
// skin friction carries the LRFD factor on unit friction, the end bearing no LRFD factor. Without
// a non-zero user value anywhere every column is zero.
CapacityCurve user_specified_capacity(const MethodInputs& m);

// Without user values the routine does not compute; its table, when selected, is all zeros so that
// the plot header's curve count stays true.
template <>
inline constexpr MethodRules method_rules<Method::UserSpecified> = {.capacity = user_specified_capacity};

}  // namespace torve
