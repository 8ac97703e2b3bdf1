// Dutch cone method for driven piles (NEN 9997-1, Eurocode 7 with the Dutch annex): the base from
// Koppejan's averages of qc over 0.7 to 4 equivalent diameters below and 8 above the tip, the shaft
// from qc times a pile class factor with the cut-off of hard layers. The method is written in its
// own units, m and MPa; the capacity routine converts a project's readings to them and its results
// back, exactly, whatever the unit system.
#pragma once

#include <optional>
#include <vector>

#include "engine/methods/capacity_curve.h"
#include "engine/methods/cone_resistance.h"
#include "engine/methods/method_inputs.h"
#include "engine/methods/method_rules.h"
#include "engine/model/file_format.h"
#include "engine/model/nen9997_pile.h"

namespace torve {

// Exact conversions of the English units: the international foot and 1 kip/ft2 in kPa
// (4448.2216152605 N over 0.09290304 m2).
inline constexpr double kNenMetresPerFoot = 0.3048;
inline constexpr double kNenKpaPerKsf = 47.88025898033584;

// Ceiling of the unit base resistance: 15 MPa.
inline constexpr double kNenBaseCeiling = 15.0;

// A reading of the sounding: depth below the ground (m) and qc (MPa), in increasing depth; a step
// is two readings at one depth, the upper value first.
struct NenReading {
    double depth = 0;
    double qc = 0;
};
using NenSounding = std::vector<NenReading>;

// qc of the sounding at z: linear between readings, the first value above the first reading and the
// last below the last; at a step, the upper value when `from_above`, else the lower one.
double nen_qc_at(const NenSounding& sounding, double z, bool from_above = true);

// Mean of the minimum path from `bottom` up to `top` (top < bottom): walking upward, the path is the
// least of `start` and every qc passed, so it never increases. Gives the mean and the path's value at
// `top`, from which a path above goes on.
struct NenPath {
    double mean = 0;
    double end = 0;
};
NenPath nen_minimum_path(const NenSounding& sounding, double top, double bottom, double start);

// Plain mean of qc between two depths.
double nen_plain_mean(const NenSounding& sounding, double top, double bottom);

// The unit base resistance at a tip: q_b,max = 1/2 alpha_p beta s (1/2 (qc,I + qc,II) + qc,III), at
// most 15 MPa, with qc,I the mean from the tip down to tip + d, qc,II the minimum path from there up
// to the tip, qc,III the minimum path from the tip up to 8 D_eq above it, starting from the value
// qc,II reached. d is the depth between 0.7 D_eq and 4 D_eq (tried at both ends and at every reading
// between) that gives the least q_b,max. Above the ground the upper zone is cut at the first
// reading. Where the readings end less than 0.7 D_eq below the tip there is no base (`complete` is
// false and q_b,max 0); where they end within 4 D_eq, d is sought down to their end.
struct NenBase {
    double qc_i = 0;
    double qc_ii = 0;
    double qc_iii = 0;
    double lower_depth = 0;  // d, m
    double q_b_max = 0;      // MPa
    bool complete = false;
};
NenBase nen_base_resistance(const NenSounding& sounding, double tip, double d_eq, double alpha_p,
                            double beta = 1.0, double s = 1.0);

// The hard layers of the shaft friction: every stretch where qc exceeds 12 MPa, from where the
// linear readings rise above 12 MPa to where they fall back, with the ceiling of qc within it:
// 12 MPa when it is thinner than 1 m, else 15 MPa.
struct NenHardLayer {
    double top = 0;
    double bottom = 0;
    double ceiling = 0;
};
std::vector<NenHardLayer> nen_hard_layers(const NenSounding& sounding);

// qc read at z for the shaft friction: cut to the ceiling of the hard layer that holds z.
double nen_shaft_cone_resistance(const std::vector<NenHardLayer>& layers, double z, double qc);

// The sounding the method averages: the cone readings of every segment in increasing depth, a
// step at a segment's end read on each side of it, as far as they are measured (a layer's own qc
// or blow count, or within the CPT rows); the readings the segments hold beyond the rows' ends are
// left out, so that the base sees where the sounding ends.
NenSounding nen_sounding(const MethodInputs& m, const std::vector<std::vector<ConeNode>>& nodes);

// The cone readings of every segment, with a step on a segment's end read on each side of it: the
// value above the step at the bottom of the segment above, the value below it at the top of the
// segment below. The shared readings give a segment's bottom the value below a step there, and a
// segment's top the value above a step that is the first row of its layer, which would make a
// piece of the segment a ramp across the step.
std::vector<std::vector<ConeNode>> nen_cone_nodes(const MethodInputs& m);

// Capacity against penetration: the shaft friction alpha_s qc (cut off) in sand, none in clay, summed
// as for every method; the base q_b,max times the real tip area, and under tension the pile's self
// weight instead. A pile class or section the method has no factors for gives no capacity (the
// checks before a run refuse it, naming the class).
CapacityCurve nen9997_capacity(const MethodInputs& m);

template <>
inline constexpr MethodRules method_rules<Method::Nen9997> = {.capacity = nen9997_capacity};

}  // namespace torve
