// ICP-05 (Imperial College, MTD): unit side friction of sand from the radial stress at the shaft,
// and unit end bearing from qc with the scale effect of the pile diameter.
#pragma once

#include "engine/methods/method_inputs.h"
#include "engine/methods/method_rules.h"
#include "engine/methods/side_friction.h"

namespace torve {

struct IcpSandInput {
    double qc = 0;
    double effective_stress = 0;
    double pa = 0;
    double h_over_r = 0;        // distance to the tip over the equivalent radius R*; 8 at least is used
    double radius = 0;          // outside radius R, in or mm
    double dilation_shift = 0;  // radial displacement of 0.02 mm (0.0007874 in) in the unit of R
    double friction_angle = 0;  // degrees
    bool open_ended = false;
    bool tension = false;
};

// f = (sigma'rc + delta sigma'rd) tan(phi - 5 deg), sigma'rc = 0.029 qc (s'v/pa)^0.13 (h/R*)^-0.38,
// delta sigma'rd = 2 G dr / R with the shear modulus G = qc / (0.0203 + 0.00125 eta - 1.216e-6 eta^2),
// eta = qc / sqrt(s'v pa) (not above 514, the turning point of the fit). In tension 0.8 sigma'rc, and 0.9 of
// the sum for an open-ended pile.
double icp_sand_friction(const IcpSandInput& s);

// Unit end bearing of sand: the open-ended rule, or qc for an unplugged open end, or the
// closed-ended rule.
double icp_sand_end_bearing(double qc, double d_mm, bool open_ended, bool unplugged);

SideFriction icp_side_friction(const MethodInputs& m);
SegmentPairs icp_end_bearing(const MethodInputs& m);

template <>
inline constexpr MethodRules method_rules<Method::IcpMtd> = {.side_friction = icp_side_friction,
                                                             .end_bearing = icp_end_bearing};

}  // namespace torve
