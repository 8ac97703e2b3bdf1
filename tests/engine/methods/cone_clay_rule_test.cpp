// The clay rule of ICP/MTD, Fugro and UWA against hand calculations
// (tests/data/offshore_hand_calculations.py).
#include "engine/methods/cone_clay_rule.h"

#include <gtest/gtest.h>

#include "tests/engine/methods/offshore_test_values.h"

namespace torve {
namespace {

using namespace test;

ClayRuleInput clay(double plasticity_index, double h_over_r) {
    return {kClaySu, kClaySur, kClayYsr, plasticity_index, 100, 105, h_over_r};
}

TEST(ConeClayRule, UltimateInterfaceFrictionAngleChart) {
    EXPECT_DOUBLE_EQ(ultimate_interface_friction_angle(0), 34);
    EXPECT_DOUBLE_EQ(ultimate_interface_friction_angle(30), 20);
    EXPECT_NEAR(ultimate_interface_friction_angle(37), 17.9, 1e-12);  // 18.5 + 2/5 (17 - 18.5)
    EXPECT_DOUBLE_EQ(ultimate_interface_friction_angle(45), 15.2);
    EXPECT_DOUBLE_EQ(ultimate_interface_friction_angle(80), 8.5);
    EXPECT_DOUBLE_EQ(ultimate_interface_friction_angle(120), 8.5);
    EXPECT_DOUBLE_EQ(ultimate_interface_friction_angle(-1), 34);
}

TEST(ConeClayRule, FrictionAtTopAndBottom) {
    // h/R* = 30000 / 149.08 = 201.23; Kc = (2 - 0.625 log10 2) 2^0.42 201.23^-0.2 = 0.83910
    const ClayRuleFriction f = cone_clay_friction(clay(kClayPi, kClayH / kEquivalentRadius));
    EXPECT_NEAR(f.top, 24.4327369, 1e-7);  // 0.8 Kc 100 tan 20
    EXPECT_NEAR(f.bottom, 25.65437375, 1e-7);
    EXPECT_FALSE(f.close_to_tip);
    EXPECT_FALSE(f.plasticity_index_missing);
}

TEST(ConeClayRule, CloseToTheTipUsesEight) {
    const ClayRuleFriction f = cone_clay_friction(clay(kClayPi, 3));
    EXPECT_TRUE(f.close_to_tip);
    EXPECT_NEAR(f.top, 46.56870864, 1e-7);
    EXPECT_FALSE(cone_clay_friction(clay(kClayPi, 8)).close_to_tip);
}

TEST(ConeClayRule, NegativePlasticityIndexUsesTheFirstAngle) {
    const ClayRuleFriction f = cone_clay_friction(clay(-1, kClayH / kEquivalentRadius));
    EXPECT_TRUE(f.plasticity_index_missing);
    EXPECT_NEAR(f.top, 45.27867276, 1e-7);  // tan 34 instead of tan 20
}

TEST(ConeClayRule, NoSensitivityMeansNoFriction) {
    ClayRuleInput c = clay(kClayPi, 100);
    c.sur = 0;  // su / sur unbounded: Kc would be minus infinity
    EXPECT_EQ(cone_clay_friction(c).bottom, 0.0);
    c.su = 0;  // 0 / 0
    EXPECT_EQ(cone_clay_friction(c).bottom, 0.0);
    c = clay(kClayPi, 100);
    c.sur = kClaySu / 1e4;  // sensitivity 10^4: 2 - 0.625 x 4 < 0, no suction on the shaft
    EXPECT_EQ(cone_clay_friction(c).bottom, 0.0);
}

TEST(ConeClayRule, EndBearing) {
    const double qc = 1200;
    EXPECT_DOUBLE_EQ(cone_clay_end_bearing(qc, true, false, true), 1.6 * qc);
    EXPECT_DOUBLE_EQ(cone_clay_end_bearing(qc, true, false, false), 1.0 * qc);
    EXPECT_DOUBLE_EQ(cone_clay_end_bearing(qc, true, true, true), 0.65 * qc);
    EXPECT_DOUBLE_EQ(cone_clay_end_bearing(qc, true, true, false), 0.4 * qc);
    EXPECT_DOUBLE_EQ(cone_clay_end_bearing(qc, false, false, true), 1.3 * qc);
    EXPECT_DOUBLE_EQ(cone_clay_end_bearing(qc, false, false, false), 0.8 * qc);
}

}  // namespace
}  // namespace torve
