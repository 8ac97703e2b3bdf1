// ICP-05 unit side friction of sand and unit end bearing against hand calculations
// (tests/data/offshore_hand_calculations.py).
#include "engine/methods/icp_method.h"

#include <gtest/gtest.h>

#include <numbers>

#include "engine/methods/cone_method_common.h"
#include "tests/engine/methods/offshore_test_values.h"

namespace torve {
namespace {

using namespace test;

IcpSandInput sand(double h_over_r, bool open, bool tension) {
    return {kSandQc, kSandStress, kPa, h_over_r, kRadius, 0.02, kSandPhi, open, tension};
}

TEST(IcpSand, RadialStressAndDilation) {
    // h/R* = 20000 / 149.08 = 134.16: sigma'rc = 71.868; eta = 118.59, G = 99 054,
    // delta sigma'rd = 2 G 0.02 / 457 = 8.670; f = 80.538 tan 30
    EXPECT_NEAR(icp_sand_friction(sand(kSandH / kEquivalentRadius, true, false)), 46.49841709, 1e-7);
    // Tension: 0.8 sigma'rc, and 0.9 of the sum for the open end only
    EXPECT_NEAR(icp_sand_friction(sand(kSandH / kEquivalentRadius, true, true)), 34.37987099, 1e-7);
    EXPECT_NEAR(icp_sand_friction(sand(kSandH / kEquivalentRadius, false, true)), 38.19985666, 1e-7);
    // Close to the tip h/R* is held at 8
    EXPECT_NEAR(icp_sand_friction(sand(3, true, false)), 126.1463019, 1e-6);
    EXPECT_DOUBLE_EQ(icp_sand_friction(sand(3, true, false)), icp_sand_friction(sand(8, true, false)));
}

TEST(IcpSand, ShallowStressesStayOnTheFallingSideOfTheModulusFit) {
    // qc 15 000 kPa: eta = 1044, the pole of G, at s'v = 2.064 kPa. Held at eta = 514 (G = 2.928 qc)
    // the friction stays finite, positive and rising with the stress.
    double previous = 0;
    for (double stress = 0.25; stress <= 12; stress += 0.25) {
        IcpSandInput s = sand(100, true, false);
        s.effective_stress = stress;
        const double f = icp_sand_friction(s);
        EXPECT_GT(f, previous) << stress;
        EXPECT_LT(f, 40) << stress;  // sigma'rc at 12 kPa is 57.5, the held dilation 3.8 kPa
        previous = f;
    }
    // At the surface only the dilation term remains: 2 x 2.928 qc x 0.02 / 457 x tan 30
    IcpSandInput s = sand(100, true, false);
    s.effective_stress = 0;
    EXPECT_NEAR(icp_sand_friction(s), 2.219401211, 1e-8);
    s.qc = 0;
    EXPECT_EQ(icp_sand_friction(s), 0.0);
}

TEST(IcpSand, EndBearingWithTheScaleEffect) {
    // 914 mm is wider than 900 mm: 0.5 - 0.25 log10(914/36) = 0.149 -> 0.15 qc; 1 - 0.5 log10 = 0.298 -> 0.3
    EXPECT_DOUBLE_EQ(icp_sand_end_bearing(kSandQc, 914, true, false), 2250);
    EXPECT_DOUBLE_EQ(icp_sand_end_bearing(kSandQc, 914, false, false), 4500);
    // 610 mm: the rules themselves
    EXPECT_NEAR(icp_sand_end_bearing(kSandQc, 610, true, false), 2891.147497, 1e-6);
    EXPECT_NEAR(icp_sand_end_bearing(kSandQc, 610, false, false), 5782.294993, 1e-6);
    // An unplugged open end carries qc on the annulus
    EXPECT_DOUBLE_EQ(icp_sand_end_bearing(kSandQc, 914, true, true), kSandQc);
    // The unplugged flag means nothing to a closed end
    EXPECT_DOUBLE_EQ(icp_sand_end_bearing(kSandQc, 914, false, true), 4500);
}

TEST(ConeMethodGeometry, TipDistanceAndEquivalentRadius) {
    PileGeometry pile;
    pile.diameter_unit = 1000;
    pile.od_input = kOd;
    pile.eid_input = kEid;
    pile.length = 40;
    EXPECT_DOUBLE_EQ(tip_distance(pile, 20), 20000);
    EXPECT_DOUBLE_EQ(tip_distance(pile, 45), 1e-5);  // below the tip
    EXPECT_DOUBLE_EQ(equivalent_radius(pile), kEquivalentRadius);
    EXPECT_DOUBLE_EQ(diameter_mm(pile, units_of(UnitSystem::SI)), 914);
    pile.eid_input = 0;
    EXPECT_DOUBLE_EQ(equivalent_radius(pile), kRadius);
    pile.od_input = 24;
    EXPECT_NEAR(diameter_mm(pile, units_of(UnitSystem::English)), 609.6, 1e-12);
    EXPECT_NEAR(open_ended_sand_bearing(300, diameter_mm(pile, units_of(UnitSystem::English))), 57.84431568,
                1e-8);
    // Below 5 degrees no negative interface angle
    EXPECT_EQ(tan_sand_interface_angle(0), 0.0);
    EXPECT_NEAR(tan_sand_interface_angle(35), std::tan(std::numbers::pi / 6), 1e-15);
}

}  // namespace
}  // namespace torve
