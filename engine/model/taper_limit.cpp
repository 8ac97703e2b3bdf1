// The largest taper of a tapered pile: the angle at which its diameter comes to zero at the tip.
#include "engine/model/taper_limit.h"

#include <cmath>
#include <numbers>

namespace torve {

double largest_taper_angle(double outside_diameter, double length) {
    // The analysis narrows the tip by 2 L tan(angle) with the exact radian, so the limit is exact too.
    return std::atan(outside_diameter / 2.0 / length) * 180.0 / std::numbers::pi;
}

bool taper_too_large(double angle, double outside_diameter, double length) {
    if (!(outside_diameter > 0) || !(length > 0)) return false;
    return angle > largest_taper_angle(outside_diameter, length);
}

}  // namespace torve
