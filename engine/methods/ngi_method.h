// NGI-05 (Norwegian Geotechnical Institute): unit side friction of sand and clay from the cone
// resistance and the undrained strength, and unit end bearing.
#pragma once

#include "engine/methods/method_inputs.h"
#include "engine/methods/method_rules.h"
#include "engine/methods/side_friction.h"

namespace torve {

// Relative density Dr = 0.4 ln(qc / (22 sqrt(s'v pa))), not less than 0.200001.
double ngi_relative_density(double qc, double effective_stress, double pa);

struct NgiSandInput {
    double qc = 0;
    double effective_stress = 0;
    double pa = 0;
    double depth_ratio = 0;  // z / L, z the depth of the reading
    bool open_ended = false;
    bool tension = false;
    bool concrete_or_timber = false;
};

// f = (z/L) pa F_Dr F_sig F_tip F_load F_mat.
double ngi_sand_friction(const NgiSandInput& s);

struct NgiClayInput {
    double su = 0;
    double sur = 0;
    double effective_stress = 0;  // at the segment's mid-depth
    double plasticity_index = 0;
    bool open_ended = false;
};

struct NgiClayFriction {
    double friction = 0;  // at the segment top and bottom
    double plug = 0;      // inside the soil plug: alpha times sur
};

// Clay by psi = su/s'v: normally consolidated below 0.25, alpha = 0.5 psi^-0.3 above 1, and in
// between alpha interpolated from alpha_NC = 0.32 (PI - 10)^0.3 with a lower bound on f.
NgiClayFriction ngi_clay_friction(const NgiClayInput& c);

// Unit end bearing of sand: 0.8 qc / (1 + Dr^2) closed-ended, 0.7 qc / (1 + 3 Dr^2) open-ended.
double ngi_sand_end_bearing(double qc, double dr, bool open_ended);

SideFriction ngi_side_friction(const MethodInputs& m);
SegmentPairs ngi_end_bearing(const MethodInputs& m);

template <>
inline constexpr MethodRules method_rules<Method::Ngi> = {.side_friction = ngi_side_friction,
                                                          .end_bearing = ngi_end_bearing};

}  // namespace torve
