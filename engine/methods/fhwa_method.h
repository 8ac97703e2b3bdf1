// FHWA: Tomlinson's adhesion for clay, Nordlund's method for sand, and the FHWA end bearing.
#pragma once

#include <vector>

#include "engine/methods/fhwa_charts.h"
#include "engine/methods/method_inputs.h"
#include "engine/methods/method_rules.h"
#include "engine/methods/side_friction.h"

namespace torve {

// Adhesion chart of every segment. The chart is chosen once, at the first clay segment below the
// top one (in a profile of more than two segments), from the soil just above it: sand gives case
// 1, clay with su below 0.8 ksf case 2, stiffer clay case 3; every later segment keeps it. Segments
// before the choice, and every segment of a shorter profile, take case 3 (no overlying strata).
std::vector<fhwa::AdhesionCase> fhwa_adhesion_cases(const SoilProfile& profile, const Units& units);

// Volume of soil displaced per unit length of pile, ft3/ft, for a plugged or unplugged open end.
// A closed end or a noncircular tip area displaces its whole section either way.
double fhwa_displaced_volume(const InputData& in, const Units& units, const PileGeometry& pile, bool plugged);

// Whether each segment counts as plugged for the displaced volume. The plug condition "plugged"
// or "unplugged" decides for every segment. When the program computes the plug, the FHWA tip
// chain decides with the pile first taken as unplugged: a segment is plugged when the full section
// governs the tip resistance with the tip at the segment's top (one fixed-point pass).
std::vector<bool> fhwa_plugged_segments(const MethodInputs& m);

// Side friction of the FHWA method with the given plug state of each segment, summed along the pile.
SideFriction fhwa_side_friction_with(const MethodInputs& m, const std::vector<bool>& plugged);

// Side friction of the FHWA method with the plug state of fhwa_plugged_segments.
SideFriction fhwa_side_friction(const MethodInputs& m);

// Unit end bearing of every segment: 9 su in clay; in sand alpha_t N'q s'v up to the limit q_L
// or the entered maximum, whichever is smaller.
SegmentPairs fhwa_end_bearing(const MethodInputs& m);

template <>
inline constexpr MethodRules method_rules<Method::Fhwa> = {.side_friction = fhwa_side_friction,
                                                           .end_bearing = fhwa_end_bearing};

}  // namespace torve
