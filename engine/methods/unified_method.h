// Unified CPT-based method for driven piles (ISO 19901-4): side friction and end bearing of sand
// (Lehane et al. 2020) and clay (Lehane et al. 2022) from the cone resistance, with its own
// treatment of an open end through the effective area ratio, whatever the plug option says.
#pragma once

#include <optional>

#include "engine/methods/capacity_curve.h"
#include "engine/methods/cone_resistance.h"
#include "engine/methods/method_inputs.h"
#include "engine/methods/method_rules.h"
#include "engine/methods/side_friction.h"
#include "engine/methods/unified_curves.h"

namespace torve {

// Diameter of the reference cone (10 cm2), a calibration constant of the method: 35.7 mm.
inline constexpr double kUnifiedConeDiameterMm = 35.7;

// Plug length ratio estimated from the inside diameter: tanh(0.3 sqrt(Di / dCPT)), both in the same
// unit; 0 for a closed end (Di = 0).
double unified_plug_length_ratio(double inside_diameter, double cone_diameter);

// Effective area ratio Are = 1 - PLR (Di/D)^2; 1 for a closed end.
double unified_area_ratio(double outside_diameter, double inside_diameter, double cone_diameter);

// Equivalent diameter of clay D* = sqrt(D^2 - Di^2); D for a closed end.
double unified_clay_diameter(double outside_diameter, double inside_diameter);

struct UnifiedSandInput {
    double qc = 0;                // cone resistance
    double effective_stress = 0;  // vertical effective stress, same unit as qc
    double h_over_d = 0;          // height above the tip over the outside diameter
    double area_ratio = 1;        // Are
    double cone_over_d = 0;       // dCPT / D
    bool tension = false;
};

// Ultimate shaft friction of sand: (ft/fc)(s'rc + ds'rd) tan 29 deg, with
// s'rc = (qc/44) Are^0.3 max(1, h/D)^-0.4 and ds'rd = (qc/10)(qc/s'v0)^-0.33 (dCPT/D);
// ft/fc = 0.75 in tension. No dilation term where the stress or qc is zero.
double unified_sand_friction(const UnifiedSandInput& s);

// Ultimate shaft friction of clay: 0.07 Fst qt max(1, h/D*)^-0.25, the same in tension; the
// soil-type factor Fst is 1, and about 0.5 (0.3 to 0.7) in sensitive clays.
double unified_clay_friction(double qt, double h_over_d_star, double fst = 1.0);

// Base resistance at a settlement of 0.1 D on the gross area: sand (0.12 + 0.38 Are) qp; clay
// (0.2 + 0.6 Are) qp with the same Are (Lehane et al. 2022), or with the load-test option what the
// database piles mobilised, 0.8 qp under a closed end and 0.4 qp under an open one.
double unified_sand_base(double qp, double area_ratio);
double unified_clay_base(double qp, double area_ratio, UnifiedClayBase rule, bool open_ended);

// Mean of the segment pairs over the window [from, to], clipped to the soil profile; 0 when nothing
// of the window lies within it.
// With readings along the profile (SegmentPairs::along) the mean follows them.
double mean_over_depths(const SegmentPairs& values, const SoilProfile& profile, double from, double to);
double mean_over_depths(const ReadingsIntegral& values, const SoilProfile& profile, double from, double to);

// Capacity against penetration: the shaft friction of the outside shaft summed as for every method,
// the base from the mean cone resistance over 1.5 Deq (sand, Deq = D sqrt(Are)) or 1.5 D (clay)
// either side of the tip, and under tension the pile's self weight instead of the base.
CapacityCurve unified_capacity(const MethodInputs& m);

// Depth of the top of the first segment of the embedded pile without cone resistance.
std::optional<double> first_depth_without_cone(const MethodInputs& m, const SegmentPairs& qc);

template <>
inline constexpr MethodRules method_rules<Method::Unified> = {.capacity = unified_capacity,
                                                              .sand_shaft_curve = unified_sand_shaft_curve,
                                                              .sand_base_curve = unified_sand_base_curve};

}  // namespace torve
