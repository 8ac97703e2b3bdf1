// The largest taper of a tapered pile: the angle at which its diameter comes to zero at the tip.
#pragma once

namespace torve {

// The largest taper angle, in degrees, that leaves the pile a tip diameter OD - 2 L tan(angle) of
// zero or more: atan(OD / 2 / L). The outside diameter and the length L from the head to the tip
// are in one unit (the pile length in inches or millimetres). Both must be positive.
double largest_taper_angle(double outside_diameter, double length);

// Whether a taper of `angle` degrees leaves a negative tip diameter, being above the largest angle;
// never for a pile without a positive diameter and length, which has no largest angle.
bool taper_too_large(double angle, double outside_diameter, double length);

}  // namespace torve
