// Cone resistance qc of a soil segment, in ksf (English) or kPa (S.I.).
#pragma once

#include <vector>

#include "engine/methods/soil_profile.h"
#include "engine/model/input_data.h"
#include "engine/model/units.h"

namespace torve {

// The segment's own qc when given (has_own_cone_resistance); else the CPT profile at the segment's
// mid-depth; else 2.8 pa N from the blow count of a sand segment (a clay segment has no blow
// count, so its estimate is 0). Values entered in psf are divided by 1000. A negative reading of
// the profile counts as 0.
double segment_cone_resistance(const Segment& s, const CptProfile& cpt, const Units& units);

// qc of every segment of the profile, by segment_cone_resistance.
std::vector<double> segment_cone_resistances(const SoilProfile& profile, const CptProfile& cpt,
                                             const Units& units);

// qc of the CPT profile at `depth`, as read (psf or kPa): linear between the bracketing points,
// the first value at or above the first point, the last value below the last point. The profile
// must have points, in increasing depth.
double cpt_profile_at(const CptProfile& cpt, double depth);

}  // namespace torve
