// Cone resistance qc of a soil segment, in ksf (English) or kPa (S.I.).
#pragma once

#include "engine/driver/input_data.h"
#include "engine/methods/soil_profile.h"

namespace torve {

// Atmospheric pressure in the routines' stress unit.
inline constexpr double kAtmosphereKsf = static_cast<double>(2.0885546f);
inline constexpr double kAtmosphereKpa = 100.0;

// The segment's own qc when given; else the CPT profile at the segment's mid-depth (linear
// between bracketing points, clamped at both ends); else 2.8 pa N from the blow count of sand.
double segment_cone_resistance(const Segment& s, const CptProfile& cpt, bool english);

// qc of the CPT profile at `depth`, as read (psf or kPa); the profile must have points.
double cpt_profile_at(const CptProfile& cpt, double depth);

}  // namespace torve
