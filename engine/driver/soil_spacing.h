// Segment count of the soil profile and the alignment of soil points to the computation grid.
#pragma once

#include <vector>

#include "engine/model/input_data.h"

namespace torve {

// Number of soil segments of length `increment` down to `depth`: trunc(depth / increment + 1e-6).
// Very large counts are capped far above any table limit so they still compare and print.
long long segment_count(double depth, double increment);

// Moves soil points that lie closer than one increment below their upper neighbour: closer than
// half an increment they coincide with it, otherwise they move to exactly one increment below it.
void align_soil_points(std::vector<SoilPoint>& soil, double increment);

}  // namespace torve
