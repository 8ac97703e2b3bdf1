// The desktop program's unit factors between English and S.I. units.
#include "app/table/units.h"

#include <charconv>
#include <cmath>

namespace torve::app {

double converted(double value, double factor) {
    const double v = value * factor;
    if (v == 0 || !std::isfinite(v)) return v;
    // Rounded through the decimal text, which is exact both ways.
    char buf[64];
    const auto written =
        std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, kSnapDigits - 1);
    double nearest = v;
    std::from_chars(buf, written.ptr, nearest);
    return std::fabs(nearest - v) <= kSnapTolerance * std::fabs(v) ? nearest : v;
}

}  // namespace torve::app
