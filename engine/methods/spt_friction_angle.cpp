// SPT blow count to friction angle: a digitized chart of three stress curves.
#include "engine/methods/spt_friction_angle.h"

#include <array>
#include <cstddef>

namespace torve {
namespace {

// Blow-count breakpoints shared by the three curves.
constexpr std::array<double, 21> kN = {0,  2,  4,  6,  10, 15, 20, 25, 30, 35, 40,
                                       45, 50, 55, 60, 65, 70, 75, 80, 85, 90};

// Friction angle (degrees) at the breakpoints, each curve over its own range of kN.
struct Curve {
    std::size_t first;  // index of the curve's first breakpoint in kN
    std::array<double, 21> phi;
    std::size_t count;
};
constexpr Curve kCurveA{0, {0, 32, 34, 36, 38, 42, 45}, 7};                    // s = 0
constexpr Curve kCurveB{3, {30, 32, 34, 36, 37, 39, 40, 41, 42, 44, 45}, 11};  // s = 20 lb/in2
constexpr Curve kCurveC{
    4, {31, 32, 34, 35, 36, 36, 37, 38, 39, 39, 40, 41, 42, 42, 43, 44, 44}, 17};  // s = 40

// Linear interpolation along a curve, clamped to its first and last breakpoints.
double on_curve(const Curve& c, double n) {
    const double n_first = kN[c.first];
    const double n_last = kN[c.first + c.count - 1];
    if (n <= n_first) return c.phi[0];
    if (n >= n_last) return c.phi[c.count - 1];
    std::size_t i = 1;
    while (kN[c.first + i] <= n) ++i;  // first breakpoint above n
    const double n0 = kN[c.first + i - 1], n1 = kN[c.first + i];
    return c.phi[i - 1] + (c.phi[i] - c.phi[i - 1]) * (n - n0) / (n1 - n0);
}

double a(double n) {
    return on_curve(kCurveA, n);
}
double b(double n) {
    return on_curve(kCurveB, n);
}
double c(double n) {
    return on_curve(kCurveC, n);
}

// Overburden between the 20 and 40 lb/in2 curves.
double middle_band(double n, double s) {
    if (n <= 6) return 30;
    if (n < 10) return 30 + 0.5 * (n - 6);
    if (n <= 55) return b(n) - (b(n) - c(n)) * (s - 20) / 20;
    if (n < 90) return c(n) + (45 - c(n)) * (40 - s) / 20;
    return 50;
}

}  // namespace

double friction_angle_from_spt(double n, double s) {
    if (s > 20 && s < 40) return middle_band(n, s);
    if (s >= 40) return c(n);
    // s <= 20
    if (n < 6) return a(n) - (a(n) - 30) * s / 20;
    if (n < 20) return a(n) - (a(n) - b(n)) * s / 20;
    if (n < 55) return b(n) + (45 - b(n)) * (20 - s) / 20;
    return middle_band(n, s);
}

}  // namespace torve
