// NGI-05 unit side friction and end bearing against hand calculations
// (tests/data/offshore_hand_calculations.py).
#include "engine/methods/ngi_method.h"

#include <gtest/gtest.h>

#include "tests/engine/methods/offshore_test_values.h"

namespace torve {
namespace {

using namespace test;

TEST(NgiSand, FrictionFromRelativeDensity) {
    // Dr = 0.4 ln(15000 / (22 sqrt(16000))) = 0.67384; z/L = 20/40
    EXPECT_NEAR(ngi_relative_density(kSandQc, kSandStress, kPa), 0.6738364104, 1e-9);
    NgiSandInput s{kSandQc, kSandStress, kPa, 0.5, true, false, false};
    EXPECT_NEAR(ngi_sand_friction(s), 59.71761011, rel(59.71761011));
    // Closed end (F_tip 1.6), tension (F_load 1.0), precast concrete (F_mat 1.2): 59.72 x 1.6 x 1.2 / 1.3
    s = {kSandQc, kSandStress, kPa, 0.5, false, true, true};
    EXPECT_NEAR(ngi_sand_friction(s), 88.19831648, rel(88.19831648));
}

TEST(NgiSand, RelativeDensityBelowTwoTenthsIsRaised) {
    // qc 1000: ln(1000 / 2782.8) < 0, so Dr = 0.200001 and F_Dr = 2.1 x 0.100001^1.7
    EXPECT_DOUBLE_EQ(ngi_relative_density(1000, kSandStress, kPa), 0.200001);
    EXPECT_NEAR(ngi_sand_friction({1000, kSandStress, kPa, 0.5, true, false, false}), 3.063162453, 1e-8);
    // No cone resistance at all, and no stress at the surface: finite, the loosest state.
    EXPECT_DOUBLE_EQ(ngi_relative_density(0, kSandStress, kPa), 0.200001);
    EXPECT_TRUE(std::isfinite(ngi_relative_density(kSandQc, 0, kPa)));
    EXPECT_EQ(ngi_sand_friction({kSandQc, 0, kPa, 0, true, false, false}), 0.0);
}

TEST(NgiSand, EndBearingOpenAndClosed) {
    const double dr = 0.6738364104;
    EXPECT_NEAR(ngi_sand_end_bearing(kSandQc, dr, false), 8252.779852, 1e-5);  // 0.8 qc / (1 + Dr^2)
    EXPECT_NEAR(ngi_sand_end_bearing(kSandQc, dr, true), 4445.071883, 1e-5);   // 0.7 qc / (1 + 3 Dr^2)
}

TEST(NgiClay, InterpolationBranchBetweenQuarterAndOne) {
    // psi = 60 / 105 = 0.5714; alpha from alpha_NC = 0.32 x 20^0.3 towards 0.5 psi^-0.3
    const NgiClayFriction open = ngi_clay_friction({kClaySu, kClaySur, 105, kClayPi, true});
    EXPECT_NEAR(open.friction, 40.10034175, rel(40.10034175));  // F_tip = 0.8 + 0.2 sqrt(psi)
    EXPECT_NEAR(open.plug, 21.07913207, rel(21.07913207));      // alpha sur
    EXPECT_NEAR(ngi_clay_friction({kClaySu, kClaySur, 105, kClayPi, false}).friction, 42.15826415,
                rel(42.15826415));
}

TEST(NgiClay, PsiExactlyAQuarterTakesTheInterpolationBranch) {
    // su 25, s'v 100: alpha = alpha_NC = 0.786066; closed: f = alpha su = 19.65
    EXPECT_NEAR(ngi_clay_friction({25, 10, 100, kClayPi, false}).friction, 19.65164842, 1e-8);
    // Open: F_tip 0.9 applies (the branch below 0.25 has none), and the plug is held at the
    // minimum 0.06 x 18^0.33 x 100 = 15.57 instead of alpha sur = 7.86.
    const NgiClayFriction open = ngi_clay_friction({25, 10, 100, kClayPi, true});
    EXPECT_NEAR(open.friction, 17.68648358, 1e-8);
    EXPECT_NEAR(open.plug, 15.5736775, 1e-7);
}

TEST(NgiClay, NormallyConsolidatedAndOverconsolidatedBranches) {
    // psi 0.1: f = 0.08 x 20^0.3 x s'v, plug alpha_NC sur
    const NgiClayFriction nc = ngi_clay_friction({10, 5, 100, kClayPi, true});
    EXPECT_NEAR(nc.friction, 19.65164842, 1e-8);
    EXPECT_NEAR(nc.plug, 3.930329684, 1e-9);
    // PI of 10 or less is raised to 10.000001: (1e-6)^0.3 = 0.0158
    EXPECT_NEAR(ngi_clay_friction({10, 5, 100, 5, false}).friction, 0.08 * std::pow(1e-6, 0.3) * 100, 1e-9);
    // psi 2: alpha = 0.5 / 2^0.3, F_tip = 0.8 + 0.2 sqrt 2
    EXPECT_NEAR(ngi_clay_friction({200, 100, 100, kClayPi, true}).friction, 87.95415881, 1e-7);
}

TEST(NgiClay, LowerBoundOfTheInterpolationBranch) {
    // PI 60, psi 0.3: alpha su = 30.41 is above 0.06 x 48^0.33 x 100 = 21.53
    EXPECT_NEAR(ngi_clay_friction({30, 0, 100, 60, false}).friction, 30.40840863, 1e-7);
    EXPECT_NEAR(ngi_clay_friction({30, 0, 100, 60, false}).plug, 21.52587722, 1e-7);  // 0 sur: bound
}

}  // namespace
}  // namespace torve
