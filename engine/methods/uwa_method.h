// UWA-05 (University of Western Australia): unit side friction of sand from qc, the area ratio of
// the pile and the distance to the tip, and unit end bearing with the final filling ratio; clay by
// the ICP-05 rule.
#pragma once

#include "engine/methods/method_inputs.h"
#include "engine/methods/method_rules.h"
#include "engine/methods/side_friction.h"

namespace torve {

struct UwaSandInput {
    double qc = 0;
    double effective_stress = 0;
    double pa = 0;
    double h_over_d = 0;        // distance to the tip over the outside diameter
    double area_ratio = 0;      // Ar = 1 - (EID/OD)^2
    double diameter = 0;        // outside diameter D, in or mm
    double dilation_shift = 0;  // 0.02 mm (0.0007874 in) in the unit of D
    double friction_angle = 0;  // degrees
    bool tension = false;
};

// f = (sigma'rc + delta sigma'rd) tan(phi - 5 deg), 0.75 of it in tension, with
// sigma'rc = 0.03 qc Ar^0.3 max(h/D, 2)^-0.5 and delta sigma'rd = 4 G dr / D,
// G = 185 qc / qc1N^0.75, qc1N = (qc/pa) / sqrt(s'v/pa).
double uwa_sand_friction(const UwaSandInput& s);

// Unit end bearing of sand: (0.15 + 0.45 Ar) qc with Ar = 1 - FFR (EID/OD)^2 and the final filling
// ratio FFR = min(1, (Di / 1.5 m)^0.2), Di the inside diameter at the tip in metres; at least 0.15 qc
// under an open end that is not plugged, 0.3 qc otherwise.
double uwa_sand_end_bearing(double qc, double eid_m, double diameter_ratio, bool open_ended, bool plugged);

SideFriction uwa_side_friction(const MethodInputs& m);
SegmentPairs uwa_end_bearing(const MethodInputs& m);

template <>
inline constexpr MethodRules method_rules<Method::Uwa> = {.side_friction = uwa_side_friction,
                                                          .end_bearing = uwa_end_bearing};

}  // namespace torve
