// USACE: clay adhesion by su, sand friction by pile type below a critical depth, and end bearing.
#pragma once

#include "engine/methods/method_inputs.h"
#include "engine/methods/method_rules.h"
#include "engine/methods/side_friction.h"

namespace torve {

// Adhesion factor of clay: 1 up to su = 0.5 ksf (24 kPa), 0.5 from 1.5 ksf (72 kPa), linear
// between.
double usace_alpha(double su, const Units& units);

// delta/phi of sand against the pile by pile type.
double usace_delta_ratio(PileType pile_type);

// Bearing capacity factor Nq of sand by phi.
double usace_bearing_factor(double phi);

// Depth below which the end bearing of sand holds the effective stress constant: 1 + 10, 15 or 20
// diameters by phi (up to 33, up to 36, above) with critical-depth option 0, otherwise the
// critical depth prepared with the soil profile.
double usace_bearing_critical_depth(const InputData& in, const PileGeometry& pile, const Segment& s);

// Vertical effective stress at depth z, linear within each segment.
double effective_stress_at(const SoilProfile& profile, double z);

// Side friction of the USACE method, summed along the pile; sand holds the effective stress
// constant below the segment's critical depth.
SideFriction usace_side_friction(const MethodInputs& m);

// Unit end bearing of every segment: 9 su in clay; Nq s'v in sand, the stress held below the
// critical depth and the value capped by an entered maximum.
SegmentPairs usace_end_bearing(const MethodInputs& m);

template <>
inline constexpr MethodRules method_rules<Method::Usace> = {.side_friction = usace_side_friction,
                                                            .end_bearing = usace_end_bearing};

}  // namespace torve
