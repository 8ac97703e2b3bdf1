// The settlement solver's shaft springs: one t-z curve per pile segment, each carrying that
// segment's own share of the load-transfer method's side resistance.
#pragma once

#include <vector>

#include "engine/methods/load_transfer_curves.h"
#include "engine/methods/pile_geometry.h"
#include "engine/methods/soil_profile.h"
#include "engine/model/input_data.h"
#include "engine/model/units.h"

namespace torve {

// Cumulative side resistance (kips or kN) at a depth below the ground (ft or m): linear between the
// penetration rows `increment` apart, the first row's value above the ground and the last row's
// below the last row.
double side_resistance_at(const std::vector<double>& side_resistance, double increment, double ground_depth);

// Springs of the `segments` equal segments of the pile of total length `pile_length` (stickup plus
// embedded, in or m), from the head down. The spring of a segment stands at its mid-depth, takes
// the soil kind of the layer there and the shape of the method's curves, and has as tmax the rise
// of the side resistance over the segment divided by the segment's shaft area: fully mobilised, the
// springs carry the side resistance at the pile tip, wherever along the pile the friction lies.
std::vector<TzCurve> shaft_springs(const InputData& in, const Units& units, const PileGeometry& pile,
                                   const SoilProfile& profile, const LoadTransferInput& input,
                                   double pile_length, int segments);

}  // namespace torve
