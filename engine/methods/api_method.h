// API RP 2A: unit side friction of clay (alpha) and sand (K, delta), and unit end bearing.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "engine/methods/method_inputs.h"
#include "engine/methods/method_rules.h"
#include "engine/methods/side_friction.h"

namespace torve {

// Limiting unit skin friction of sand by friction angle (API table), ksf or kPa.
double api_friction_limit(double phi, const Units& units);
// Limiting unit end bearing of sand by friction angle (API table), ksf or kPa.
double api_bearing_limit(double phi, const Units& units);
// Clay adhesion factor alpha for psi = su / s'v.
double api_alpha(double su, double effective_stress);

// Limit of unit friction at each penetration row: the entered maximum of the segment beginning at
// the row, or for sand without one the API table.
std::vector<double> api_friction_limits(const MethodInputs& m);

// Side friction of API RP 2A, summed along the pile.
SideFriction api_side_friction(const MethodInputs& m);

// Unit end bearing of every segment: 9 su in clay, and in sand the top and bottom values the
// method's own rule gives (API RP 2A and USACE).
using SandEndBearing = std::function<std::pair<double, double>(const Segment& s)>;
SegmentPairs end_bearing_nine_su_in_clay(const MethodInputs& m, const SandEndBearing& sand);

// Unit end bearing of every segment by the API rules (also used by Revised Lambda).
SegmentPairs api_end_bearing(const MethodInputs& m);

template <>
inline constexpr MethodRules method_rules<Method::Api> = {.side_friction = api_side_friction,
                                                          .end_bearing = api_end_bearing};

}  // namespace torve
