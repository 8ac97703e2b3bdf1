// Load-transfer curves of the Unified CPT-based method in sand (Lehane, Li & Bittar 2020): a
// parabolic t-z curve whose peak movement grows with qc and the effective stress, and a hyperbolic
// Q-z curve reaching the base resistance at a settlement of 0.1 D.
#pragma once

#include "engine/methods/load_transfer_curves.h"
#include "engine/methods/side_friction.h"

namespace torve {

// Movement at which the shaft reaches its ultimate friction, in the unit of d:
// wf = d (qc/pa)^0.5 (s'v0/pa)^0.25 / A, A = 1250 in compression and 625 in tension.
double unified_peak_movement(double qc, double effective_stress, double pa, double d, bool tension);

// t/tf at the movement ratio w/wf: (w/wf)(2 - w/wf) up to wf, 1 beyond.
double unified_shaft_ratio(double w_over_wf);

// qb/qb0.1 at the base settlement ratio wb/D: (wb/D) / (0.01 + 0.9 wb/D), held at 1 beyond 0.1 D.
double unified_base_ratio(double wb_over_d);

// The sand t-z curve at a depth below the ground (ft or m) for the maximum transfer tmax, from qc and
// the effective stress of the profile there (linear within the segment).
TzCurve unified_sand_shaft_curve(const InputData& in, const Units& units, const PileGeometry& pile,
                                 const SoilProfile& profile, const SegmentPairs& cone_resistance,
                                 double ground_depth, double tmax);

// The sand Q-z curve for the tip resistance q_max (lb or kN).
QwCurve unified_sand_base_curve(const Units& units, const PileGeometry& pile, double q_max);

}  // namespace torve
