// Integral of readings that are linear between their depths.
#include "engine/methods/depth_readings.h"

#include <algorithm>

namespace torve {

ReadingsIntegral::ReadingsIntegral(std::vector<DepthReading> readings) : r_(std::move(readings)) {
    cumulative_.assign(r_.size(), 0.0);
    for (std::size_t i = 1; i < r_.size(); ++i)
        cumulative_[i] =
            cumulative_[i - 1] + 0.5 * (r_[i - 1].value + r_[i].value) * (r_[i].depth - r_[i - 1].depth);
}

double ReadingsIntegral::at(double z) const {
    if (r_.empty() || z <= r_.front().depth) return 0.0;
    if (z >= r_.back().depth) return cumulative_.back() + r_.back().value * (z - r_.back().depth);
    // The first reading deeper than z; the one before it is not deeper.
    const auto hi = std::upper_bound(r_.begin(), r_.end(), z,
                                     [](double d, const DepthReading& r) { return d < r.depth; });
    const auto i = static_cast<std::size_t>(hi - r_.begin());
    const DepthReading& a = r_[i - 1];
    const DepthReading& b = r_[i];
    const double span = b.depth - a.depth;
    const double u = z - a.depth;
    const double value_at_z = span > 0 ? a.value + (b.value - a.value) * u / span : a.value;
    return cumulative_[i - 1] + 0.5 * (a.value + value_at_z) * u;
}

}  // namespace torve
