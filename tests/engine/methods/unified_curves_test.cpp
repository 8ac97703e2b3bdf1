// Unified CPT-based sand t-z and Q-z curves against the worked example of an open 2 m x 50 mm pipe
// with its tip at 20 m in sand (qc = 2 + z MPa, s'v0 = 10 z kPa).
#include "engine/methods/unified_curves.h"

#include <gtest/gtest.h>

#include "tests/engine/methods/method_fixture.h"
#include "tests/support/cone_profiles.h"

namespace torve {
namespace {

TEST(UnifiedCurves, ShaftPeakMovement) {
    // z = 15 m: wf = 2 m x (17 000/100)^0.5 (150/100)^0.25 / 1250 = 0.023087 m; twice in tension
    EXPECT_NEAR(unified_peak_movement(17000, 150, 100, 2.0, false), 0.023087, 5e-7);
    EXPECT_NEAR(unified_peak_movement(17000, 150, 100, 2.0, true), 0.046174, 1e-6);
    EXPECT_EQ(unified_peak_movement(0, 150, 100, 2.0, false), 0.0);
}

TEST(UnifiedCurves, ShaftAndBaseShapes) {
    struct Case {
        double ratio, expected;
    };
    // t/tf = x (2 - x): tf = 82.092 kPa at 1, 2, 5, 10 mm of wf = 23.087 mm gives 6.958, 13.607,
    // 31.707, 55.714 kPa; 0.75 at half the peak movement, 1 beyond it
    const double tf = 82.092, wf = 23.087;
    const Case shaft[] = {{1 / wf, 6.958 / tf},  {2 / wf, 13.607 / tf},
                          {5 / wf, 31.707 / tf}, {10 / wf, 55.714 / tf},
                          {0.5, 0.75},           {1, 1},
                          {50 / wf, 1},          {0, 0}};
    for (const Case& c : shaft) EXPECT_NEAR(unified_shaft_ratio(c.ratio), c.expected, 2e-5) << c.ratio;
    // qb/qb0.1 = (w/D) / (0.01 + 0.9 w/D): with qb0.1 = 3 642.29 kPa, 334.15 ... 3 642.29 kPa
    const double qb = 3642.29;
    const Case base[] = {{0.001, 334.15 / qb},
                         {0.005, 1255.96 / qb},
                         {0.01, 0.01 / 0.019},
                         {0.02, 2601.63 / qb},
                         {0.05, 3311.17 / qb},
                         {0.1, 1},
                         {0.3, 1},
                         {0, 0},
                         {-0.01, 0}};
    for (const Case& c : base) EXPECT_NEAR(unified_base_ratio(c.ratio), c.expected, 2e-6) << c.ratio;
}

TEST(UnifiedCurves, CurvesOfTheProfile) {
    ProjectRecords p = test::project();
    p.unit_system_code = 2;
    p.outside_diameter = 2000;
    p.inside_diameter = 1900;
    p.total_pile_length = 20;
    p.computation_increment = 0.5;
    p.deepest_soil_depth = 50;
    p.offshore_data_flag = 1;
    p.load_transfer_method_code = 10;
    p.method_selection_flags = MethodFlags{0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    test::add_layer(p, test::sand_layer(0, 50, 10, 32, 0.8, 20));
    const test::PhaseRun run(p, test::straight_cone(2000, 50, 52000));
    const TzCurve c = unified_sand_shaft_curve(run.in, units_of(UnitSystem::SI), run.results.pile,
                                               run.results.profile, run.curve().cone_resistance, 15, 82.092);
    // The peak at wf = 0.023087 m, and the parabola between the points within 1 % of its peak.
    EXPECT_NEAR(c.at(0.023087), 82.092, 1e-3);
    EXPECT_NEAR(c.at(0.5 * 0.023087), 0.75 * 82.092, 0.01 * 82.092);
    EXPECT_NEAR(c.at(0.005), 31.707, 0.01 * 82.092);
    EXPECT_DOUBLE_EQ(c.at(1.0), 82.092);
    const QwCurve q = unified_sand_base_curve(units_of(UnitSystem::SI), run.results.pile, 1000);
    EXPECT_DOUBLE_EQ(q.movement.back(), 0.2);  // 0.1 D
    EXPECT_DOUBLE_EQ(q.load.back(), 1000);
    EXPECT_NEAR(q.movement[4], 0.02 * 0.5 / 0.55, 1e-12);  // half of qb0.1 at 0.01/0.55 D
}

// As the load-transfer method: its own curves in sand, the API RP 2A shapes in clay and at a clay tip.
TEST(UnifiedCurves, SandCurvesOwnClayCurvesApi) {
    ProjectRecords p = test::project();
    p.unit_system_code = 2;
    p.outside_diameter = 1220;
    p.inside_diameter = 1170;
    p.total_pile_length = 30;
    p.computation_increment = 0.5;
    p.deepest_soil_depth = 45;
    p.offshore_data_flag = 1;
    p.load_transfer_method_code = 10;
    p.method_selection_flags = MethodFlags{0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    test::add_layer(p, test::sand_layer(0, 15, 10, 34, 0.8, 40));
    test::add_layer(p, test::clay_layer(15, 45, 8, 60, 30));
    const test::PhaseRun run(p, CptProfile{2, {{0, 1000}, {15, 23500}, {15.5, 600}, {45, 3000}}});
    LoadTransferInput input{run.curve().side_resistance, run.curve().tip_unfactored.back(),
                            run.curve().cone_resistance};
    const Units& si = units_of(UnitSystem::SI);
    const std::vector<TzCurve> curves =
        shaft_curves(run.in, si, run.results.pile, run.results.profile, input);
    ASSERT_EQ(curves.size(), 6u);
    for (const TzCurve& c : curves) {
        SCOPED_TRACE(c.ground_depth);
        const TzCurve api = shaped_curve(si, false, c.sand, c.friction_angle, c.tmax, run.results.pile);
        if (!c.sand) {
            EXPECT_EQ(c.movement, api.movement);
            continue;
        }
        // wf = D (qc/pa)^0.5 (s'v0/pa)^0.25 / 1250 from the profile at the curve's depth
        const double qc = 1000 + 1500 * c.ground_depth;
        const double wf = unified_peak_movement(qc, 10 * c.ground_depth, 100, 1.22, false);
        EXPECT_NEAR(c.movement[8], std::max(wf, 1.22e-4), 1e-9);
        EXPECT_DOUBLE_EQ(c.transfer[8], c.tmax);
    }
    // The tip stands in clay: the API RP 2A Q-w curve, 1.0 of the tip resistance at 0.1 D.
    const QwCurve tip = tip_curve(run.in, si, run.results.pile, run.results.profile, input);
    EXPECT_DOUBLE_EQ(tip.movement[7], 0.1 * 1.22);
    EXPECT_DOUBLE_EQ(tip.load[7], input.tip_resistance);
}

}  // namespace
}  // namespace torve
