// Linear lookup in digitized design charts, held at the end values outside the tabulated range.
#pragma once

#include <cstddef>
#include <span>

namespace torve {

// Value of the curve (x[i], y[i]) at v: linear between neighbouring points, y[0] at or below x[0],
// the last y at or beyond the last x. `x` is strictly increasing and as long as `y`.
inline double interpolate_clamped(std::span<const double> x, std::span<const double> y, double v) {
    if (v <= x.front()) return y.front();
    if (v >= x.back()) return y.back();
    std::size_t i = 1;
    while (x[i] < v) ++i;
    return y[i - 1] + (y[i] - y[i - 1]) * (v - x[i - 1]) / (x[i] - x[i - 1]);
}

}  // namespace torve
