// The stated pile and segments of the cone-based method tests; the working of every expected value
// is in tests/data/offshore_hand_calculations.py.
#pragma once

#include <cmath>

namespace torve::test {

// Open pipe 914 x 864 mm, L = 40 m (S.I., pa = 100 kPa).
inline constexpr double kOd = 914, kEid = 864, kRadius = kOd / 2;
inline const double kEquivalentRadius = std::sqrt(22225.0);  // sqrt(457^2 - 432^2) mm
inline constexpr double kPa = 100;
// Sand segment: top at 20 m, h = 20 000 mm, qc 15 000 kPa, s'v 160 kPa, phi 35 degrees.
inline constexpr double kSandQc = 15000, kSandStress = 160, kSandPhi = 35, kSandH = 20000;
// Clay segment: top at 10 m, h = 30 000 mm, su 60, sur 30 kPa, PI 30 %, YSR 2, s'v 100 / 105 kPa.
inline constexpr double kClaySu = 60, kClaySur = 30, kClayPi = 30, kClayYsr = 2, kClayH = 30000;

// Relative tolerance for values worked to ten significant digits.
inline double rel(double expected) {
    return 1e-8 * std::abs(expected);
}

}  // namespace torve::test
