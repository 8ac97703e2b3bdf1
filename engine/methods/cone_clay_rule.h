// Clay rule shared by ICP/MTD, Fugro and UWA: side friction from the ICP-05 radial stress of clay,
// and unit end bearing from qc.
#pragma once

#include <vector>

#include "engine/methods/method_inputs.h"
#include "engine/methods/method_warning.h"
#include "engine/methods/side_friction.h"

namespace torve {

// Ultimate interface friction angle delta_f (degrees) of clay against a steel pile, by plasticity
// index (%): linear between the points of the ICP-05 chart, clamped at both ends.
double ultimate_interface_friction_angle(double plasticity_index);

struct ClayRuleInput {
    double su = 0;   // undrained shear strength
    double sur = 0;  // remolded shear strength
    double ysr = 0;  // yield stress ratio
    double plasticity_index = 0;
    double stress_top = 0;  // vertical effective stress at the segment top and bottom
    double stress_bottom = 0;
    double h_over_r = 0;  // distance to the tip over the equivalent radius R*
};

struct ClayRuleFriction {
    double top = 0;
    double bottom = 0;
    bool plasticity_index_missing = false;  // a negative PI: the first angle of the chart is used
    bool close_to_tip = false;              // h/R* below 8: 8 is used
};

// Unit side friction at the segment top and bottom: f = 0.8 Kc s'v tan(delta_f) with
// Kc = (2 - 0.625 log10(su/sur)) YSR^0.42 (h/R*)^-0.2 (ICP-05).
ClayRuleFriction cone_clay_friction(const ClayRuleInput& c);

// The clay rule in segment `s` at `depth` with the effective stress there, h/R* from that depth
// to the pile tip.
double cone_clay_friction_at(const MethodInputs& m, const Segment& s, double depth, double effective_stress);

// The warnings of the clay rule for segment k of the profile: a missing plasticity index, and a
// segment of the pile whose top lies closer than 8 R* to the tip.
void cone_clay_segment_warnings(const MethodInputs& m, std::size_t k, std::vector<MethodWarning>& warnings);

// Unit end bearing of clay from qc (ICP-05): 1.6 qc drained or 1.0 qc undrained under an open end
// that cores (forced unplugged), 0.65 qc or 0.4 qc under an open end that bears as a plug, 1.3 qc
// or 0.8 qc under a closed end.
double cone_clay_end_bearing(double qc, bool open_ended, bool plugged, bool drained);

}  // namespace torve
