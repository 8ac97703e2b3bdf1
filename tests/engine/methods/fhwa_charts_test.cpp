// The FHWA charts read between and beyond their tabulated points; expected values are read off the
// tables by hand (the comment beside each says which points).
#include <gtest/gtest.h>

#include <array>

#include "engine/methods/chart_lookup.h"
#include "engine/methods/fhwa_charts.h"

namespace torve {
namespace {

using fhwa::AdhesionCase;

TEST(ChartLookup, LinearBetweenPointsAndHeldAtBothEnds) {
    constexpr std::array<double, 3> x = {1, 2, 4};
    constexpr std::array<double, 3> y = {10, 20, 0};
    EXPECT_DOUBLE_EQ(interpolate_clamped(x, y, 1.5), 15);
    EXPECT_DOUBLE_EQ(interpolate_clamped(x, y, 3.5), 5);
    EXPECT_DOUBLE_EQ(interpolate_clamped(x, y, 2), 20);  // exactly on a point
    EXPECT_DOUBLE_EQ(interpolate_clamped(x, y, -7), 10);
    EXPECT_DOUBLE_EQ(interpolate_clamped(x, y, 99), 0);
}

TEST(TomlinsonAdhesion, CaseThreeByStrengthAndPenetrationRatio) {
    // R below 10: the lower curve, su 0.75 halfway between 0.984 and 0.923.
    EXPECT_DOUBLE_EQ(fhwa::tomlinson_alpha(AdhesionCase::NoOverlyingStrata, 0.75, 5), 0.9535);
    // From su 4.5 on the last value; below the axis the first.
    EXPECT_DOUBLE_EQ(fhwa::tomlinson_alpha(AdhesionCase::NoOverlyingStrata, 6.0, 5), 0.238);
    EXPECT_DOUBLE_EQ(fhwa::tomlinson_alpha(AdhesionCase::NoOverlyingStrata, -1.0, 5), 1.0);
    // R 40 and above: the upper curve (su 2.0 gives 0.9).
    EXPECT_DOUBLE_EQ(fhwa::tomlinson_alpha(AdhesionCase::NoOverlyingStrata, 2.0, 40), 0.9);
    EXPECT_DOUBLE_EQ(fhwa::tomlinson_alpha(AdhesionCase::NoOverlyingStrata, 2.0, 75), 0.9);
    // R 25 halfway over 10..40: (0.688 + 0.9) / 2 at su 2.0.
    EXPECT_DOUBLE_EQ(fhwa::tomlinson_alpha(AdhesionCase::NoOverlyingStrata, 2.0, 25), 0.794);
}

TEST(TomlinsonAdhesion, CaseTwoBetweenItsTwoCurves) {
    EXPECT_DOUBLE_EQ(fhwa::tomlinson_alpha(AdhesionCase::SoftClayOverStiffClay, 1.0, 9.99), 0.398);
    EXPECT_DOUBLE_EQ(fhwa::tomlinson_alpha(AdhesionCase::SoftClayOverStiffClay, 1.0, 20), 0.746);
    // R 15: (0.398 + 0.746) / 2.
    EXPECT_DOUBLE_EQ(fhwa::tomlinson_alpha(AdhesionCase::SoftClayOverStiffClay, 1.0, 15), 0.572);
}

TEST(TomlinsonAdhesion, CaseOneBlendsItsThreeCurves) {
    // su 2.25: A 1, B (0.95 + 0.875)/2 = 0.9125, C (0.68 + 0.5)/2 = 0.59.
    EXPECT_DOUBLE_EQ(fhwa::tomlinson_alpha(AdhesionCase::SandOverStiffClay, 2.25, 5), 1.0);
    EXPECT_DOUBLE_EQ(fhwa::tomlinson_alpha(AdhesionCase::SandOverStiffClay, 2.25, 15), 0.95625);
    EXPECT_DOUBLE_EQ(fhwa::tomlinson_alpha(AdhesionCase::SandOverStiffClay, 2.25, 20), 0.9125);
    EXPECT_DOUBLE_EQ(fhwa::tomlinson_alpha(AdhesionCase::SandOverStiffClay, 2.25, 30), 0.75125);
    EXPECT_DOUBLE_EQ(fhwa::tomlinson_alpha(AdhesionCase::SandOverStiffClay, 2.25, 40), 0.59);
}

TEST(NordlundCharts, DeltaRatioByPileTypeAndDisplacedVolume) {
    EXPECT_DOUBLE_EQ(fhwa::nordlund_delta_ratio(PileType::SteelPipe, 0.05), 0.342);  // below the first volume
    EXPECT_DOUBLE_EQ(fhwa::nordlund_delta_ratio(PileType::SteelPipe, 2.5), 0.798);   // beyond the last
    EXPECT_DOUBLE_EQ(fhwa::nordlund_delta_ratio(PileType::SteelPipe, 0.46), 0.443);  // halfway 0.4 .. 0.52
    EXPECT_DOUBLE_EQ(fhwa::nordlund_delta_ratio(PileType::HPile, 0.15), 0.787);      // halfway 0.1 .. 0.2
    EXPECT_DOUBLE_EQ(fhwa::nordlund_delta_ratio(PileType::MonotubeTaper, 1.0), 0.916);
}

TEST(NordlundCharts, CorrectionFactorBetweenCurvesAndAngles) {
    // delta/phi 0.5, phi 16: curve 0.4 gives 0.875, curve 0.6 gives 0.935.
    EXPECT_DOUBLE_EQ(fhwa::nordlund_correction(0.5, 16), 0.905);
    EXPECT_DOUBLE_EQ(fhwa::nordlund_correction(0.1, 10), 0.83);  // both ends held low
    EXPECT_DOUBLE_EQ(fhwa::nordlund_correction(1.6, 50), 1.16);  // and high
    EXPECT_DOUBLE_EQ(fhwa::nordlund_correction(1.0, 37), 1.0);
}

TEST(NordlundCharts, KDeltaAcrossAngleVolumeAndTaper) {
    // phi 27.5 lies halfway between the 25 and 30 charts: (0.7 + 0.85) / 2 at V 0.1, omega 0.
    EXPECT_DOUBLE_EQ(fhwa::nordlund_k_delta(27.5, 0.1, 0), 0.775);
    // omega 0 reads the first column of every chart.
    EXPECT_DOUBLE_EQ(fhwa::nordlund_k_delta(25, 1, 0), 0.85);
    EXPECT_DOUBLE_EQ(fhwa::nordlund_k_delta(30, 10, 0), 1.45);
    EXPECT_DOUBLE_EQ(fhwa::nordlund_k_delta(35, 0.1, 0), 1.15);
    EXPECT_DOUBLE_EQ(fhwa::nordlund_k_delta(40, 1, 0), 3.0);
    // Linear in V between curves: 0.55 is halfway 0.1 .. 1, 5.5 halfway 1 .. 10.
    EXPECT_DOUBLE_EQ(fhwa::nordlund_k_delta(25, 0.55, 0), 0.775);
    EXPECT_DOUBLE_EQ(fhwa::nordlund_k_delta(30, 5.5, 0.1), 1.5765);
    // V held at the first and last curves.
    EXPECT_DOUBLE_EQ(fhwa::nordlund_k_delta(30, 0.01, 0), 0.85);
    EXPECT_DOUBLE_EQ(fhwa::nordlund_k_delta(30, 50, 0), 1.45);
    // Linear in omega along a curve; each chart keeps its own axis (0.25 is a point of the 35 chart).
    EXPECT_DOUBLE_EQ(fhwa::nordlund_k_delta(30, 0.1, 0.15), 1.1515);
    EXPECT_DOUBLE_EQ(fhwa::nordlund_k_delta(35, 0.1, 0.25), 2.32);
    EXPECT_DOUBLE_EQ(fhwa::nordlund_k_delta(40, 0.1, 0.15), 7.36);
    EXPECT_DOUBLE_EQ(fhwa::nordlund_k_delta(25, 0.1, 3.0), 4.072);  // beyond the last omega
    // Angles outside 25 .. 40 use the end charts.
    EXPECT_DOUBLE_EQ(fhwa::nordlund_k_delta(20, 0.1, 0), 0.7);
    EXPECT_DOUBLE_EQ(fhwa::nordlund_k_delta(45, 0.1, 0), 1.7);
    EXPECT_DOUBLE_EQ(fhwa::nordlund_k_delta(37.5, 0.1, 0), 1.425);  // (1.15 + 1.7) / 2
}

TEST(FhwaEndBearingCharts, BearingFactorLimitAndAlphaT) {
    EXPECT_DOUBLE_EQ(fhwa::bearing_factor(16.25), 5.5);  // (4.8 + 6.2) / 2
    EXPECT_DOUBLE_EQ(fhwa::bearing_factor(10), 4.8);
    EXPECT_DOUBLE_EQ(fhwa::bearing_factor(50), 475);
    EXPECT_NEAR(fhwa::bearing_factor(32), 40.4, 1e-12);  // 30 + 0.8 x 13

    EXPECT_DOUBLE_EQ(fhwa::bearing_limit_tsf(30.625), 8.955);  // (6.66 + 11.25) / 2
    EXPECT_DOUBLE_EQ(fhwa::bearing_limit_tsf(25), 6.66);
    EXPECT_DOUBLE_EQ(fhwa::bearing_limit_tsf(44), 368.8);

    EXPECT_DOUBLE_EQ(fhwa::bearing_depth_factor(20, 20), 0.177);
    EXPECT_DOUBLE_EQ(fhwa::bearing_depth_factor(18, 10), 0.177);  // both held at the low end
    EXPECT_DOUBLE_EQ(fhwa::bearing_depth_factor(46, 50), 0.8);
    EXPECT_DOUBLE_EQ(fhwa::bearing_depth_factor(30, 30), 0.52);  // on the second curve
    // D/b 37.5 is halfway 30 .. 45; phi 21.5 halfway 20.5 .. 22.5: second curve 0.293, third
    // 0.3955.
    EXPECT_DOUBLE_EQ(fhwa::bearing_depth_factor(21.5, 37.5), 0.34425);
    // D/b 25 halfway 20 .. 30 at phi 32: first curve 0.5604, second 0.588.
    EXPECT_NEAR(fhwa::bearing_depth_factor(32, 25), 0.5742, 1e-12);
}

}  // namespace
}  // namespace torve
