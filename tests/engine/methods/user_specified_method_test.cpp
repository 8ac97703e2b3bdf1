// The user-specified load transfer ("* GENERAL METHOD *"): unit values entered with the soil points
// summed into capacity. Working in tests/data/onshore_hand_calculations.py.
#include <gtest/gtest.h>

#include "engine/methods/user_specified_method.h"
#include "tests/engine/methods/method_fixture.h"

namespace torve {
namespace {

using test::PhaseRun;

// 24 in closed pile, 40 ft, clay to 100 ft, the user method for capacity and load transfer.
ProjectRecords user_pile() {
    ProjectRecords p = test::project();
    p.outside_diameter = 24;
    p.inside_diameter = 0;
    p.total_pile_length = 40;
    p.deepest_soil_depth = 100;
    p.method_selection_flags = MethodFlags{0, 0, 0, 0, 1, 0, 0, 0, 0};
    p.load_transfer_method_code = code_of(Method::UserSpecified);
    test::add_layer(p, test::clay_layer(0, 100, 50, 1000, 500));
    return p;
}

void set_user_values(ProjectRecords& p, double friction_psf, double bearing_psf) {
    for (auto& point : p.soil_points) {
        point.user_unit_skin_friction = friction_psf;
        point.user_unit_end_bearing = bearing_psf;
    }
}

TEST(UserSpecifiedCapacity, UniformValuesWithLrfdOnFrictionOnly) {
    ProjectRecords p = user_pile();
    set_user_values(p, 500, 40000);
    for (auto& point : p.soil_points) {
        point.lrfd_factor_on_unit_friction = 0.8;
        point.lrfd_factor_on_unit_bearing = 0.5;  // not applied to this table
    }
    const PhaseRun r(p);
    const CapacityCurve& c = r.curve();
    // skin 3.14159 x 2 x 0.5 x 40 x 0.8; end 0.7853975 x 2^2 x 40
    EXPECT_NEAR(c.skin_friction[40], 100.5309, 1e-4);
    EXPECT_NEAR(c.end_bearing[40], 125.6636, 1e-4);
    EXPECT_NEAR(c.ultimate[40], 226.1945, 1e-4);
    EXPECT_DOUBLE_EQ(c.unit_skin_friction[40], 0.5);
    EXPECT_NEAR(c.side_resistance[40], 100.5309 / 0.8, 1e-4);  // unfactored for the curves
    EXPECT_NE(r.report.find("\n                             ******************\n"
                            "                             * GENERAL METHOD *\n"
                            "                             ******************\n"),
              std::string::npos);
    EXPECT_NE(r.report.find("             40.00         100.5         125.7        226.2\n"),
              std::string::npos);
}

TEST(UserSpecifiedCapacity, EachRowTakesTheSegmentAboveIt) {
    ProjectRecords p = user_pile();
    p.soil_points.clear();
    test::add_layer(p, test::clay_layer(0, 20, 50, 1000, 500));
    test::add_layer(p, test::clay_layer(20, 100, 50, 1000, 500));
    p.soil_points[2].user_unit_skin_friction = p.soil_points[3].user_unit_skin_friction =
        1000;  // from 20 ft only
    p.soil_points[2].user_unit_end_bearing = p.soil_points[3].user_unit_end_bearing = 20000;
    const PhaseRun r(p);
    const CapacityCurve& c = r.curve();
    EXPECT_EQ(r.results.profile.leading_empty, 20);
    EXPECT_EQ(c.unit_skin_friction[20], 0.0);  // the row at 20 ft lies at the bottom of 19-20 ft
    EXPECT_EQ(c.end_bearing[20], 0.0);
    EXPECT_DOUBLE_EQ(c.unit_skin_friction[21], 1.0);
    EXPECT_NEAR(c.skin_friction[30], 3.14159 * 2 * 1.0 * 10, 1e-9);
    EXPECT_NEAR(c.end_bearing[30], 0.7853975 * 4 * 20, 1e-9);
    EXPECT_EQ(c.unit_skin_friction[0], 0.0);  // the surface row takes the first segment
}

TEST(UserSpecifiedCapacity, NoncircularTipArea) {
    ProjectRecords p = user_pile();
    p.perimeter = 48;
    p.tip_area = 144;  // 1 ft2
    set_user_values(p, 0, 30000);
    EXPECT_DOUBLE_EQ(PhaseRun(p).curve().end_bearing[40], 30.0);
}

TEST(UserSpecifiedCapacity, TensionReducesTheEnteredValues) {
    ProjectRecords p = user_pile();
    set_user_values(p, 500, 40000);
    p.loading_type_code = 1;
    p.tension_reduction_factor = 0.5;
    const PhaseRun r(p);
    EXPECT_NEAR(r.curve().skin_friction[40], 3.14159 * 2 * 0.25 * 40, 1e-9);
    // No self-weight headings for this table.
    EXPECT_EQ(r.report.find("WEIGHT"), std::string::npos);
}

TEST(UserSpecifiedCapacity, TensionFactorLeavesCompressionAlone) {
    ProjectRecords p = user_pile();
    set_user_values(p, 500, 40000);
    p.tension_reduction_factor = 0.5;  // kept in the project from a tension run; this run is in compression
    EXPECT_NEAR(PhaseRun(p).curve().skin_friction[40], 3.14159 * 2 * 0.5 * 40, 1e-9);
    p.unit_system_code = 2;  // and the factor works alike in S.I. units under tension
    p.loading_type_code = 1;
    p.outside_diameter = 610;
    EXPECT_NEAR(PhaseRun(p).curve().unit_skin_friction[40], 250, 1e-9);
}

TEST(UserSpecifiedCapacity, SelectedWithoutValuesWritesAZeroTable) {
    const PhaseRun r(user_pile());
    EXPECT_FALSE(r.results.profile.has_user_values);
    EXPECT_EQ(r.plot.substr(0, 25), "     1    41     1     5\n");
    EXPECT_NE(r.report.find("* GENERAL METHOD *"), std::string::npos);
    EXPECT_NE(r.report.find("             40.00           0.0           0.0          0.0\n"),
              std::string::npos);
    ASSERT_EQ(r.run.methods.size(), 1u);
    EXPECT_EQ(r.run.methods[0].total.back(), 0.0);
}

}  // namespace
}  // namespace torve
