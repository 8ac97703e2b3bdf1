// USACE capacity against penetration: clay alpha, sand delta by pile type, the stress held below the
// critical depths, and the Nq end bearing. Working in tests/data/onshore_hand_calculations.py.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "engine/methods/usace_method.h"
#include "tests/engine/methods/method_fixture.h"

namespace torve {
namespace {

using test::PhaseRun;

// Closed-end 24 in pipe (D = 2 ft), USACE for capacity and load transfer.
ProjectRecords usace_pile(double length) {
    ProjectRecords p = test::project();
    p.outside_diameter = 24;
    p.inside_diameter = 0;
    p.total_pile_length = length;
    p.deepest_soil_depth = 100;
    p.method_selection_flags = MethodFlags{0, 1, 0, 0, 0, 0, 0, 0, 0};
    p.load_transfer_method_code = code_of(Method::Usace);
    return p;
}

ProjectRecords sand_pile(double length, double gamma, double phi) {
    ProjectRecords p = usace_pile(length);
    test::add_layer(p, test::sand_layer(0, 100, gamma, phi, 0.8, 20));
    return p;
}

TEST(UsaceRules, ClayAlphaBySu) {
    EXPECT_DOUBLE_EQ(usace_alpha(0.3, units_of(UnitSystem::English)), 1.0);
    EXPECT_DOUBLE_EQ(usace_alpha(0.5, units_of(UnitSystem::English)), 1.0);
    EXPECT_DOUBLE_EQ(usace_alpha(1.0, units_of(UnitSystem::English)), 0.75);
    EXPECT_DOUBLE_EQ(usace_alpha(1.5, units_of(UnitSystem::English)), 0.5);
    EXPECT_DOUBLE_EQ(usace_alpha(3.0, units_of(UnitSystem::English)), 0.5);
    EXPECT_DOUBLE_EQ(usace_alpha(20, units_of(UnitSystem::SI)), 1.0);  // kPa: bounds 24 and 72
    EXPECT_DOUBLE_EQ(usace_alpha(48, units_of(UnitSystem::SI)), 0.75);
    EXPECT_DOUBLE_EQ(usace_alpha(72, units_of(UnitSystem::SI)), 0.5);
}

TEST(UsaceRules, DeltaByPileTypeAndNqByPhi) {
    for (PileType type : {PileType::SteelPipe, PileType::RaymondStepTaper, PileType::RaymondUniformTaper,
                          PileType::MonotubeTaper})
        EXPECT_DOUBLE_EQ(usace_delta_ratio(type), 0.75);
    EXPECT_DOUBLE_EQ(usace_delta_ratio(PileType::Timber), 0.9);
    EXPECT_DOUBLE_EQ(usace_delta_ratio(PileType::PrecastConcrete), 0.95);
    EXPECT_DOUBLE_EQ(usace_delta_ratio(PileType::HPile), 0.875);

    EXPECT_DOUBLE_EQ(usace_bearing_factor(25), 15.2);  // (7.4 + 23) / 2: no point at 25
    EXPECT_DOUBLE_EQ(usace_bearing_factor(37), 62);    // (56 + 68) / 2
    EXPECT_DOUBLE_EQ(usace_bearing_factor(33), 36.5);  // 30 + 26 / 4
    EXPECT_DOUBLE_EQ(usace_bearing_factor(-5), 1);
    EXPECT_DOUBLE_EQ(usace_bearing_factor(60), 415.1);
}

TEST(UsaceRules, EffectiveStressBetweenSegmentBoundaries) {
    const PhaseRun r(sand_pile(40, 60, 30));
    const SoilProfile& s = r.results.profile;
    EXPECT_DOUBLE_EQ(effective_stress_at(s, 0), 0);
    EXPECT_NEAR(effective_stress_at(s, 12.25), 0.735, 1e-12);
    EXPECT_NEAR(effective_stress_at(s, 100), 6.0, 1e-12);
    EXPECT_NEAR(effective_stress_at(s, 101), 6.06, 1e-12);  // below the profile: same gradient
}

TEST(UsaceCapacity, ClayFrictionAndEndBearing) {
    ProjectRecords p = usace_pile(40);
    test::add_layer(p, test::clay_layer(0, 100, 50, 1000, 500));
    const CapacityCurve c = PhaseRun(p).curve();
    EXPECT_DOUBLE_EQ(c.unit_skin_friction[20], 0.75);  // alpha 0.75 at su 1.0 ksf
    EXPECT_NEAR(c.skin_friction[40], 3.14159 * 2 * 0.75 * 40, 1e-9);
    EXPECT_NEAR(c.end_bearing[40], std::numbers::pi * 9, 1e-9);
}

TEST(UsaceCapacity, SandDeltaFollowsThePileType) {
    ProjectRecords p = sand_pile(40, 60, 30);
    p.pile_type_code = 2;  // timber: delta = 0.9 phi; driver critical depth 10 D = 20 ft for phi 30
    EXPECT_NEAR(PhaseRun(p).curve().unit_skin_friction[10], 0.8 * 0.6 * std::tan(27 / 57.2958), 1e-12);
    p.pile_type_code = 3;  // precast concrete: 0.95 phi
    EXPECT_NEAR(PhaseRun(p).curve().unit_skin_friction[10], 0.8 * 0.6 * std::tan(28.5 / 57.2958), 1e-12);
}

// Critical depths with option 0 for sand of 60 pcf under a 40 ft closed 24 in pipe:
// - side friction, the driver's depth: 15 D = 30 ft for 33 <= phi < 36; f = 0.8 s'v tan(0.75 phi)
//   grows to 30 ft and stays; skin = P c (30^2 / 2 + 30 x 10);
// - end bearing, its own depth: 1 + 10 D = 21 ft up to phi 33, 1 + 15 D = 31 ft above; the window
//   at 40 ft lies below both, so the tip is A Nq s'v(Dc).
TEST(UsaceCriticalDepth, Phi33AndPhi331PickDifferentDepths) {
    const PhaseRun at33(sand_pile(40, 60, 33));
    const PhaseRun above33(sand_pile(40, 60, 33.1));
    EXPECT_DOUBLE_EQ(
        usace_bearing_critical_depth(at33.in, at33.results.pile, at33.results.profile.segments[5]), 21);
    EXPECT_DOUBLE_EQ(
        usace_bearing_critical_depth(above33.in, above33.results.pile, above33.results.profile.segments[5]),
        31);
    EXPECT_NEAR(at33.curve().end_bearing[40], 144.4818, 1e-4);     // pi x 36.5 x 0.06 x 21
    EXPECT_NEAR(above33.curve().end_bearing[40], 217.0809, 1e-4);  // pi x 37.15 x 0.06 x 31
    EXPECT_NEAR(at33.curve().skin_friction[40], 104.2770, 1e-4);
    EXPECT_NEAR(above33.curve().skin_friction[40], 104.6363, 1e-4);
    const double c33 = 0.8 * 0.06 * std::tan(0.75 * 33 / 57.2958);
    EXPECT_NEAR(at33.curve().unit_skin_friction[25], c33 * 25, 1e-12);
    EXPECT_NEAR(at33.curve().unit_skin_friction[35], c33 * 30, 1e-12);  // held below 30 ft
}

TEST(UsaceCriticalDepth, Phi36IsTheLastFifteenDiameterAngle) {
    ProjectRecords p = sand_pile(40, 60, 36);
    const PhaseRun r(p);
    EXPECT_DOUBLE_EQ(usace_bearing_critical_depth(r.in, r.results.pile, r.results.profile.segments[0]), 31);
    p.soil_points[0].friction_angle = p.soil_points[1].friction_angle = 36.5;
    const PhaseRun denser(p);
    EXPECT_DOUBLE_EQ(
        usace_bearing_critical_depth(denser.in, denser.results.pile, denser.results.profile.segments[0]), 41);
}

TEST(UsaceCriticalDepth, OptionOneWhereTheStressReachesTheThreshold) {
    ProjectRecords p = sand_pile(50, 100, 33);
    p.critical_depth_option = 1;  // 100 pcf: s'v reaches 3.5 ksf at 35 ft
    const CapacityCurve c = PhaseRun(p).curve();
    const double c33 = 0.8 * 0.1 * std::tan(0.75 * 33 / 57.2958);
    EXPECT_NEAR(c.unit_skin_friction[30], c33 * 30, 1e-12);
    EXPECT_NEAR(c.unit_skin_friction[45], c33 * 35, 1e-12);
    // The end bearing takes the same depth instead of its own 21 ft: pi x 36.5 x 3.5.
    EXPECT_NEAR(c.end_bearing[50], 401.3385, 1e-4);
}

TEST(UsaceCriticalDepth, OptionOneNeverReachedHoldsNothing) {
    ProjectRecords p = sand_pile(50, 60, 33);  // 60 pcf: 3.5 ksf would need 58.3 ft, below the tip
    p.deepest_soil_depth = 55;
    p.soil_points[1].depth = 55;
    p.critical_depth_option = 1;
    const PhaseRun r(p);
    EXPECT_EQ(r.results.profile.segments[0].critical_depth, std::numeric_limits<double>::infinity());
    const double c33 = 0.8 * 0.06 * std::tan(0.75 * 33 / 57.2958);
    EXPECT_NEAR(r.curve().unit_skin_friction[50], c33 * 50, 1e-12);
    EXPECT_NEAR(r.curve().end_bearing[45], std::numbers::pi * 36.5 * 0.06 * 45, 1e-9);
}

TEST(UsaceCriticalDepth, OptionTwoTheUserDepth) {
    ProjectRecords p = sand_pile(40, 60, 33);
    p.critical_depth_option = 2;
    p.critical_depth = 12.5;
    const CapacityCurve c = PhaseRun(p).curve();
    const double c33 = 0.8 * 0.06 * std::tan(0.75 * 33 / 57.2958);
    EXPECT_NEAR(c.unit_skin_friction[30], c33 * 12.5, 1e-12);
    EXPECT_NEAR(c.end_bearing[40], std::numbers::pi * 36.5 * 0.06 * 12.5, 1e-9);
}

TEST(UsaceCapacity, EnteredMaximumCapsTheEndBearing) {
    ProjectRecords p = sand_pile(40, 60, 33);
    p.soil_points[0].maximum_unit_bearing = p.soil_points[1].maximum_unit_bearing =
        30000;  // 30 ksf, below 36.5 x 1.26
    EXPECT_NEAR(PhaseRun(p).curve().end_bearing[40], std::numbers::pi * 30, 1e-9);
}

}  // namespace
}  // namespace torve
