// Soil segments: interpolation at mid-depth, stresses, angles from blow counts, critical depths.
#include "engine/methods/soil_profile.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/driver/input_reader.h"
#include "engine/driver/soil_spacing.h"
#include "tests/support/project_text.h"

namespace torve {
namespace {

SoilProfile profile_of(const ProjectRecords& p) {
    InputData in = parse_input_data(test::text_of(p), "p.tv6d");
    const long long n = segment_count(in.deepest_soil_depth, in.computation_increment);
    align_soil_points(in.soil, in.computation_increment);
    return build_soil_profile(in, units_of(in.units), static_cast<int>(n));
}

ProjectRecords layered() {
    ProjectRecords p = test::project();
    auto sand = test::sand_layer(0, 20, 60, 30, 0.8, 20);
    sand.second.friction_angle = 34;  // phi 30 at the top, 34 at 20 ft
    test::add_layer(p, sand);
    test::add_layer(p, test::clay_layer(20, 100, 50, 1000, 500));
    return p;
}

TEST(SoilProfile, PropertiesAtMidDepthAndSoilTypeOfTheInterval) {
    const SoilProfile s = profile_of(layered());
    ASSERT_EQ(s.count(), 100);
    EXPECT_DOUBLE_EQ(s.segments[0].friction_angle, 30.1);  // 30 + 4 x 0.5/20
    EXPECT_DOUBLE_EQ(s.segments[19].friction_angle, 33.9);
    EXPECT_TRUE(s.segments[19].sand);
    EXPECT_FALSE(s.segments[20].sand);  // the segment starting at 20 ft lies in the clay interval
    EXPECT_DOUBLE_EQ(s.segments[20].su, 1.0);
    EXPECT_DOUBLE_EQ(s.segments[20].top, 20);
    EXPECT_DOUBLE_EQ(s.segments[20].bottom, 21);
}

TEST(SoilProfile, EffectiveStressAccumulatesDownward) {
    const SoilProfile s = profile_of(layered());
    EXPECT_DOUBLE_EQ(s.segments[0].stress_top, 0);
    EXPECT_DOUBLE_EQ(s.segments[0].stress_bottom, 0.06);
    EXPECT_NEAR(s.segments[19].stress_bottom, 1.2, 1e-12);  // 20 ft x 60 pcf
    EXPECT_NEAR(s.segments[29].stress_bottom, 1.7, 1e-12);  // + 10 ft x 50 pcf
    EXPECT_DOUBLE_EQ(s.segments[30].stress_top, s.segments[29].stress_bottom);
}

TEST(SoilProfile, OffGridPointExtrapolatesTheIntervalAbove) {
    ProjectRecords p = test::project();
    test::add_layer(
        p, test::sand_layer(0, 10.3, 60, 30, 0.8, 20));  // bottom point at 10.3 ft, off the 1 ft grid
    auto sand2 = test::sand_layer(10.3, 100, 60, 40, 0.8, 20);
    test::add_layer(p, sand2);
    p.soil_points[1].friction_angle = 32;  // 30 at 0 ft, 32 at 10.3 ft
    const SoilProfile s = profile_of(p);
    // segment 10..11 ft: its top lies above 10.3, its middle (10.5) below; the interval above is
    // extended: 30 + 2 x 10.5 / 10.3
    EXPECT_NEAR(s.segments[10].friction_angle, 30 + 2 * 10.5 / 10.3, 1e-12);
    EXPECT_DOUBLE_EQ(s.segments[11].friction_angle, 40);
}

TEST(SoilProfile, FrictionAngleFromBlowCountsAtTheSegmentStress) {
    ProjectRecords p = test::project();
    auto spt = test::sand_layer(0, 100, 57.6, 0, 0.8, 20);
    spt.first.remolded_shear_strength_or_blow_count = spt.second.remolded_shear_strength_or_blow_count = 10;
    test::add_layer(p, spt);
    const SoilProfile s = profile_of(p);
    // segment 0..1 ft: s'v at its bottom 0.0576 ksf = 0.4 psi: 38 - (38 - 32) x 0.4/20
    EXPECT_NEAR(s.segments[0].friction_angle, 38 - 6 * 0.4 / 20, 1e-9);
    // 0..50 ft: 2.88 ksf = 20 psi exactly: 32
    EXPECT_NEAR(s.segments[49].friction_angle, 32, 1e-9);
    // 100 ft: 40 psi and N = 10: curve C clamped, 31 (the angle of an earlier segment never leaks)
    EXPECT_NEAR(s.segments[99].friction_angle, 31, 1e-9);
}

TEST(SoilProfile, SandWithoutAngleOrBlowCountKeepsZero) {
    ProjectRecords p = test::project();
    test::add_layer(p, test::sand_layer(0, 50, 60, 0, 0.8, 20));
    test::add_layer(p, test::sand_layer(50, 100, 60, 0, 0.8, 20));
    p.soil_points[0].remolded_shear_strength_or_blow_count =
        p.soil_points[1].remolded_shear_strength_or_blow_count = 20;  // only the upper layer has blow counts
    const SoilProfile s = profile_of(p);
    EXPECT_GT(s.segments[10].friction_angle, 0);
    EXPECT_EQ(s.segments[60].friction_angle, 0);
}

TEST(SoilProfile, CriticalDepthOfEachOption) {
    ProjectRecords p = layered();  // OD 24 in: D = 2 ft
    SoilProfile s = profile_of(p);
    EXPECT_DOUBLE_EQ(s.segments[0].critical_depth, 20);   // phi 30.1 < 33: 10 D
    EXPECT_DOUBLE_EQ(s.segments[15].critical_depth, 30);  // phi 33.1: 15 D
    p.soil_points[1].friction_angle = 38;
    s = profile_of(p);
    EXPECT_DOUBLE_EQ(s.segments[19].critical_depth, 40);  // phi 37.8 >= 36: 20 D

    p.critical_depth_option = 1;  // where s'v first reaches 3.5 ksf: 1.2 ksf at 20 ft, then 0.05 ksf/ft
    s = profile_of(p);
    EXPECT_NEAR(s.segments[0].critical_depth, 20 + 2.3 / 0.05, 1e-9);
    p.critical_depth_option = 2;
    p.critical_depth = 12.5;
    EXPECT_DOUBLE_EQ(profile_of(p).segments[40].critical_depth, 12.5);
}

TEST(SoilProfile, UserValuesAndLeadingEmptySegments) {
    ProjectRecords p = layered();
    EXPECT_FALSE(profile_of(p).has_user_values);
    p.soil_points[2].user_unit_skin_friction = p.soil_points[3].user_unit_skin_friction =
        800;  // clay only, from 20 ft
    p.soil_points[2].user_unit_end_bearing = p.soil_points[3].user_unit_end_bearing = 9000;
    p.loading_type_code = 1;
    p.tension_reduction_factor = 0.5;
    const SoilProfile s = profile_of(p);
    EXPECT_TRUE(s.has_user_values);
    EXPECT_EQ(s.leading_empty, 20);
    EXPECT_DOUBLE_EQ(s.segments[30].user_friction, 0.4);  // 800 psf x 0.5 / 1000
    EXPECT_DOUBLE_EQ(s.segments[30].user_bearing, 4.5);
}

TEST(SoilProfile, LayerOfNoThicknessGivesFiniteValues) {
    ProjectRecords p = layered();
    test::add_layer(p, test::sand_layer(100, 100, 60, 30, 0.8, 20));  // zero thickness at the bottom
    p.deepest_soil_depth = 102;                                       // and the profile reaches below it
    const SoilProfile s = profile_of(p);
    for (const Segment& seg : s.segments) {
        EXPECT_TRUE(std::isfinite(seg.friction_angle) && std::isfinite(seg.su) &&
                    std::isfinite(seg.stress_bottom));
    }
    EXPECT_TRUE(s.segments[101].sand);
}

}  // namespace
}  // namespace torve
