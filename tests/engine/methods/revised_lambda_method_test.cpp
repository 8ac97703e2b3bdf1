// Revised Lambda: the lambda rule, the pile compressibility term in both unit systems, and the side
// resistance built row by row. Working in tests/data/onshore_hand_calculations.py.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/methods/revised_lambda_method.h"
#include "tests/engine/methods/method_fixture.h"

namespace torve {
namespace {

using test::PhaseRun;

constexpr double kKnPerKip = 4.4482216;
constexpr double kKpaPerKsf = 47.880259;
constexpr double kKpaPerPsi = 6.8947573;

// Closed-end 24 x 23 in steel pipe, E 29e6 psi, Revised Lambda for capacity and load transfer.
ProjectRecords lambda_pile(double length) {
    ProjectRecords p = test::project();
    p.outside_diameter = 24;
    p.inside_diameter = 23;
    p.enhanced_end_section_length = 0.5;
    p.enhanced_end_section_inside_diameter = 0;
    p.modulus_of_elasticity = 29e6;
    p.total_pile_length = length;
    p.deepest_soil_depth = 100;
    p.method_selection_flags = MethodFlags{0, 0, 1, 0, 0, 0, 0, 0, 0};
    p.load_transfer_method_code = code_of(Method::RevisedLambda);
    return p;
}

// The pile in uniform clay down to the deepest soil depth (strength and weight as written).
ProjectRecords in_clay(ProjectRecords p, double gamma = 50, double su = 1000) {
    test::add_layer(p, test::clay_layer(0, p.deepest_soil_depth, gamma, su, su / 2));
    return p;
}

TEST(RevisedLambdaRule, LinesFloorAndZero) {
    const double pi = 2.0;
    EXPECT_DOUBLE_EQ(revised_lambda(pi, 0.39), 0.178 - 0.016 * std::log(2.0));
    EXPECT_DOUBLE_EQ(revised_lambda(pi, 0.4), 0.232 - 0.032 * std::log(2.0));  // 0.4 is overconsolidated
    EXPECT_DOUBLE_EQ(revised_lambda(1e6, 0.1), 0.14);                          // 0.178 - 0.221: floor
    EXPECT_DOUBLE_EQ(revised_lambda(0, 0.1), 0.0);
}

TEST(RevisedLambdaRule, CompressibilityIsTheSameInBothUnitSystems) {
    // English: pi 24 40^2 1.0 x 1000 / (0.1 x 29e6 x (pi/4)(24^2 - 23^2)) = 1.126926.
    const PhaseRun english(in_clay(lambda_pile(40)));
    const double e =
        pile_compressibility(english.in, units_of(english.in.units), english.results.pile, 40, 1.0);
    EXPECT_NEAR(e, 1.126926, 1e-6);

    ProjectRecords p = lambda_pile(40);
    p.unit_system_code = 2;
    p.outside_diameter = 609.6;
    p.inside_diameter = 584.2;
    p.modulus_of_elasticity = 29e6 * kKpaPerPsi;
    p.total_pile_length = 12.192;
    p.computation_increment = 0.3048;
    p.deepest_soil_depth = 30.48;
    const PhaseRun si(in_clay(p, 7.85, 47.88));
    EXPECT_NEAR(pile_compressibility(si.in, units_of(si.in.units), si.results.pile, 12.192, kKpaPerKsf), e,
                1e-6);
}

TEST(RevisedLambdaRule, ShaftSectionNotTheEndOpening) {
    // A closed end (end section opening 0) does not make the shaft a solid bar: the same term as the
    // open pipe of the same wall.
    ProjectRecords closed = lambda_pile(40);
    ProjectRecords open = lambda_pile(40);
    open.enhanced_end_section_length = 0;
    const PhaseRun a(in_clay(closed)), b(in_clay(open));
    EXPECT_DOUBLE_EQ(pile_compressibility(a.in, units_of(a.in.units), a.results.pile, 40, 1.0),
                     pile_compressibility(b.in, units_of(b.in.units), b.results.pile, 40, 1.0));
    // A noncircular section uses its entered area (in2): 12 x 12 in square, 144 in2.
    ProjectRecords square = lambda_pile(40);
    square.perimeter = 48;
    square.tip_area = 144;
    const PhaseRun c(in_clay(square));
    const double od = c.results.pile.od_input;  // 48 / 3.1416
    EXPECT_NEAR(pile_compressibility(c.in, units_of(c.in.units), c.results.pile, 40, 1.0),
                std::numbers::pi * od * 1600 * 1000 / (0.1 * 29e6 * 144), 1e-12);
}

// Uniform clay su 1.0 ksf, 50 pcf: s'm = 0.025 z, cm = 1, cm/s'm >= 0.4 to 100 ft (overconsolidated
// line). The total grows at every row, so the rebuilt sum is lambda (s'm + 2 cm) P z: at 40 ft
// lambda = 0.232 - 0.032 ln 1.126926 = 0.228176 and the skin friction 172.0407 kips.
TEST(RevisedLambdaCapacity, OverconsolidatedClayByHand) {
    ProjectRecords p = lambda_pile(40);
    test::add_layer(p, test::clay_layer(0, 100, 50, 1000, 500));
    const CapacityCurve c = PhaseRun(p).curve();
    EXPECT_NEAR(c.skin_friction[40], 172.0407, 1e-4);
    EXPECT_NEAR(c.end_bearing[40], std::numbers::pi * 9, 1e-9);  // API: 9 su
    EXPECT_EQ(c.unit_skin_friction[0], 0.0);
}

// Soft clay su 0.3 ksf, 60 pcf: cm/s'm = 10 / z, so lambda changes from the overconsolidated to the
// normally consolidated line at 25 ft, where the total falls from 59.5952 to 44.6151 kips; that row
// keeps the unit friction of the row above (0.520971 ksf), and the rebuilt skin friction at 40 ft
// is 106.6283 kips instead of the 88.3749 of the formula.
TEST(RevisedLambdaCapacity, FallingTotalKeepsTheFrictionAbove) {
    ProjectRecords p = lambda_pile(40);
    test::add_layer(p, test::clay_layer(0, 100, 60, 300, 150));
    const CapacityCurve c = PhaseRun(p).curve();
    EXPECT_NEAR(c.unit_skin_friction[25], 0.520971, 1e-6);
    EXPECT_DOUBLE_EQ(c.unit_skin_friction[25], c.unit_skin_friction[24]);
    EXPECT_NEAR(c.skin_friction[40], 106.6283, 1e-4);
}

// Sand phi 30, 60 pcf: the strength term of sand is tan(phi) s'v, so cm = tan(30) s'm and
// cm/s'm = 0.577 takes the overconsolidated line; lambda(40) = 0.239920 and the total grows at every
// row under the API limit, so the skin friction is lambda (s'm + 2 cm) P z: 49.7879 kips at 20 ft,
// 155.9098 kips at 40 ft.
TEST(RevisedLambdaCapacity, SandStrengthFromTheFrictionAngle) {
    ProjectRecords p = lambda_pile(40);
    test::add_layer(p, test::sand_layer(0, 100, 60, 30, 0.8, 20));
    const CapacityCurve c = PhaseRun(p).curve();
    EXPECT_NEAR(c.skin_friction[20], 49.7879, 1e-4);
    EXPECT_NEAR(c.skin_friction[40], 155.9098, 1e-4);
}

TEST(RevisedLambdaCapacity, SiProjectGivesTheSameCapacity) {
    ProjectRecords english = lambda_pile(40);
    test::add_layer(english, test::clay_layer(0, 100, 50, 1000, 500));
    ProjectRecords si = english;
    si.unit_system_code = 2;
    si.outside_diameter = 609.6;
    si.inside_diameter = 584.2;
    si.modulus_of_elasticity = 29e6 * kKpaPerPsi;
    si.total_pile_length = 12.192;
    si.computation_increment = 0.3048;
    si.deepest_soil_depth = 30.48;
    si.soil_points[1].depth = 30.48;
    si.soil_points[0].effective_unit_weight = si.soil_points[1].effective_unit_weight = 50 * 0.157087464;
    si.soil_points[0].undrained_shear_strength = si.soil_points[1].undrained_shear_strength = kKpaPerKsf;
    si.soil_points[0].remolded_shear_strength_or_blow_count =
        si.soil_points[1].remolded_shear_strength_or_blow_count = kKpaPerKsf / 2;
    const double kips = PhaseRun(english).curve().skin_friction[40];
    EXPECT_NEAR(PhaseRun(si).curve().skin_friction[40] / kKnPerKip, kips, 1e-6 * kips);
}

TEST(RevisedLambdaCapacity, LimitTensionAndZeroFrictionLength) {
    ProjectRecords p = lambda_pile(40);
    test::add_layer(p, test::clay_layer(0, 100, 50, 1000, 500));
    const CapacityCurve free = PhaseRun(p).curve();

    p.soil_points[0].maximum_unit_friction = p.soil_points[1].maximum_unit_friction = 500;  // 0.5 ksf limit
    const CapacityCurve limited = PhaseRun(p).curve();
    EXPECT_DOUBLE_EQ(limited.unit_skin_friction[30], 0.5);
    EXPECT_NEAR(limited.skin_friction[40], 3.14159 * 2 * 0.5 * 40, 1e-9);

    p.loading_type_code = 1;
    p.tension_reduction_factor = 0.7;  // the limit first, then the reduction
    EXPECT_NEAR(PhaseRun(p).curve().skin_friction[40], 0.7 * 3.14159 * 2 * 0.5 * 40, 1e-9);

    ProjectRecords z = lambda_pile(40);
    test::add_layer(z, test::clay_layer(0, 100, 50, 1000, 500));
    z.zero_friction_length = 10;
    const CapacityCurve skipped = PhaseRun(z).curve();
    // The segments within 10 ft add no strength: lambda and the total stay zero down to 10 ft, and
    // the friction starts in the increment below it.
    EXPECT_EQ(skipped.unit_skin_friction[10], 0.0);
    EXPECT_EQ(skipped.skin_friction[10], 0.0);
    EXPECT_GT(skipped.unit_skin_friction[11], 0.0);
    EXPECT_LT(skipped.skin_friction[40], free.skin_friction[40]);
}

}  // namespace
}  // namespace torve
