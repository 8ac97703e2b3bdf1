// Cone resistance qc of a soil segment, in ksf (English) or kPa (S.I.).
#pragma once

#include <vector>

#include "engine/methods/soil_profile.h"
#include "engine/model/input_data.h"
#include "engine/model/units.h"

namespace torve {

// A cone reading used along a segment: depth (ft or m) and qc (ksf or kPa).
struct ConeNode {
    double depth = 0;
    double qc = 0;
};

// Where a step of the CPT profile (two rows at one depth) is met exactly: the value below it, as a
// segment reads at its top, or above it, as a segment reads at its bottom.
enum class ProfileSide { Below, Above };

// qc of a segment at `depth`, from the segment's own layer only: the layer's own qc when given
// (has_own_cone_resistance at mid-depth), linear through the layer; else the CPT profile read
// within the layer (one-sided at its top and bottom); else 2.8 pa N from the blow count of a sand
// segment, linear through the layer (a clay segment has no blow count, so its estimate is 0).
// Values entered in psf are divided by 1000; a negative reading of the profile counts as 0. A step
// of the profile at `depth` is read on `side` of it.
double segment_cone_resistance_at(const Segment& s, double depth, const CptProfile& cpt, const Units& units,
                                  ProfileSide side = ProfileSide::Below);

// qc of the segment at its mid-depth, by segment_cone_resistance_at.
double segment_cone_resistance(const Segment& s, const CptProfile& cpt, const Units& units);

// qc of every segment of the profile at its mid-depth.
std::vector<double> segment_cone_resistances(const SoilProfile& profile, const CptProfile& cpt,
                                             const Units& units);

// The readings along a segment: at its top, at every CPT row of its layer strictly inside it (a
// step given as two rows at one depth keeps both), or for a layer's own qc at the layer's bottom
// point when it lies inside, and at its bottom (a step there read at its upper value). Between two of them qc
// is linear, so a friction summed over them follows the sounding and not the chord between the segment's
// ends.
std::vector<ConeNode> segment_cone_nodes(const Segment& s, const CptProfile& cpt, const Units& units);

// qc of the CPT profile at `depth`, as read (psf or kPa): linear between the bracketing points,
// the first value at or above the first point, the last value below the last point. The profile
// must have points, in increasing depth.
double cpt_profile_at(const CptProfile& cpt, double depth);

// Indices [first, last] of the CPT points that belong to the layer from `top` to `bottom`. Points
// less than `band` from a boundary count as on it: of those on the top the layer takes the
// deepest, of those on its bottom the shallowest, so that a qc step drawn a little off the layer
// boundary, on either side, still gives each layer its own reading there. first > last when no
// point lies in the layer.
struct CptRange {
    std::size_t first = 1;
    std::size_t last = 0;
    bool empty() const { return first > last; }
};
CptRange cpt_points_in_layer(const CptProfile& cpt, double top, double bottom, double band);

// The band of cpt_points_in_layer in the depth unit (ft or m): 5 mm, a quarter of the 2 cm rows of
// a sounding.
double layer_boundary_band(const Units& units);

// qc of the CPT profile at `depth` from the points of `range` alone: linear between them, the
// first value above the first, the last value below the last. As read (psf or kPa).
double cpt_range_at(const CptProfile& cpt, const CptRange& range, double depth);

}  // namespace torve
