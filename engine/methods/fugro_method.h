// Fugro-05 (offshore driven piles in sand): unit side friction from qc and the distance to the tip,
// and unit end bearing; clay by the ICP-05 rule.
#pragma once

#include "engine/methods/method_inputs.h"
#include "engine/methods/method_rules.h"
#include "engine/methods/side_friction.h"

namespace torve {

struct FugroSandInput {
    double qc = 0;
    double effective_stress = 0;
    double pa = 0;
    double h_over_r = 0;  // distance to the tip over the equivalent radius R*
    bool tension = false;
};

// Compression: 0.08 qc (s'v/pa)^0.05 (h/R*)^-0.9 above h/R* = 4, falling linearly to 0 at the
// tip below it; tension: 0.045 qc (s'v/pa)^0.15 max(h/R*, 4)^-0.85.
double fugro_sand_friction(const FugroSandInput& s);

// Unit end bearing of sand: the open-ended rule for an open end, the closed-ended one otherwise.
double fugro_sand_end_bearing(double qc, double d_mm, bool open_ended, bool plugged);

SideFriction fugro_side_friction(const MethodInputs& m);
SegmentPairs fugro_end_bearing(const MethodInputs& m);

template <>
inline constexpr MethodRules method_rules<Method::Fugro> = {.side_friction = fugro_side_friction,
                                                            .end_bearing = fugro_end_bearing};

}  // namespace torve
