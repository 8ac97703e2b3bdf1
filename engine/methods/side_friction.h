// Unit side friction per segment, and its summation into skin friction along the pile.
#pragma once

#include <vector>

#include "engine/methods/depth_readings.h"
#include "engine/methods/method_warning.h"
#include "engine/methods/pile_geometry.h"
#include "engine/methods/soil_profile.h"
#include "engine/model/input_data.h"

namespace torve {

// A value at the top and at the bottom of every soil segment.
struct SegmentPairs {
    std::vector<double> top;
    std::vector<double> bottom;
    // A method that reads values finer than the segments (the cone methods at every CPT row) also
    // gives them along the whole profile, in increasing depth; integrals along the pile then follow
    // these readings instead of the chord between each segment's ends.
    std::vector<DepthReading> along;

    explicit SegmentPairs(std::size_t n = 0) : top(n), bottom(n) {}
    void set(std::size_t k, double t, double b) {
        top[k] = t;
        bottom[k] = b;
    }
};

// Side friction of one method: per penetration row, and per segment for the soil plug.
struct SideFriction {
    std::vector<double> unit;             // unit side friction used at each row (after limit and tension)
    std::vector<double> cumulative;       // skin friction from the surface to the row, unfactored (Qs)
    std::vector<double> factored;         // the same with the LRFD factors on unit friction (Qf)
    SegmentPairs plug;                    // unit friction inside a soil plug, segment top and bottom
    std::vector<MethodWarning> warnings;  // in the order the segments raised them
};

// Linear value of the segment pairs at depth z: the first segment whose bottom is not above z.
double value_at_depth(const SegmentPairs& pairs, const SoilProfile& profile, double z);

// The summation every method ends with: unit friction at the rows (zero within the zero-friction
// length), tension reduction, limits, trapezoidal sums with the pile perimeter, LRFD factors.
// A method that integrates its friction along each segment itself gives `segment_integrals` (the
// integral over the segment of the unit friction used, in stress times length): the increment of
// a row is then that of the segment above it, times the perimeter, instead of the trapezoid
// between the two rows.
SideFriction sum_side_friction(const InputData& in, const SoilProfile& profile, const PileGeometry& pile,
                               const SegmentPairs& friction, const std::vector<double>& limits,
                               SegmentPairs plug, const std::vector<double>* segment_integrals = nullptr);

}  // namespace torve
