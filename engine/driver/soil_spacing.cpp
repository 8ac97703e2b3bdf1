// Segment count and soil-point alignment, done before the segment limit is tested.
#include "engine/driver/soil_spacing.h"

#include <cmath>

#include "engine/model/rounded_constants.h"

namespace torve {

long long segment_count(double depth, double increment) {
    const double n = std::trunc(depth / increment + kGridAllowance);
    if (n > 1.0e12) return 1'000'000'000'000LL;
    return static_cast<long long>(n);
}

void align_soil_points(std::vector<SoilPoint>& soil, double increment) {
    for (std::size_t i = 0; i + 1 < soil.size(); ++i) {
        const double d = soil[i + 1].depth - soil[i].depth;
        if (d < increment / 2.0) {
            soil[i + 1].depth = soil[i].depth;
        } else if (d < increment) {
            soil[i + 1].depth = soil[i].depth + increment;
        }
    }
}

}  // namespace torve
