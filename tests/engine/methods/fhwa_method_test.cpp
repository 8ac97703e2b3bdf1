// FHWA capacity against penetration: Nordlund in sand, Tomlinson in clay, the FHWA end bearing and
// the plug state of open pipes. Expected values are worked out step by step in the comments and in
// tests/data/onshore_hand_calculations.py.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/methods/fhwa_method.h"
#include "tests/engine/methods/method_fixture.h"

namespace torve {
namespace {

using fhwa::AdhesionCase;
using test::PhaseRun;

constexpr double kKnPerKip = 4.4482216;

ProjectRecords fhwa_pile(double od, double id, double length) {
    ProjectRecords p = test::project();
    p.outside_diameter = od;
    p.inside_diameter = id;
    p.total_pile_length = length;
    p.deepest_soil_depth = 100;
    p.method_selection_flags = MethodFlags{1, 0, 0, 0, 0, 0, 0, 0, 0};
    p.load_transfer_method_code = code_of(Method::Fhwa);
    return p;
}

// A closed-end 12 in steel pipe (type 1) driven 25 ft into sand with phi 32 and 60 pcf.
ProjectRecords nordlund_example() {
    ProjectRecords p = fhwa_pile(12, 0, 25);
    p.deepest_soil_depth = 40;
    test::add_layer(p, test::sand_layer(0, 40, 60, 32, 0.8, 20));
    return p;
}

// Nordlund's method worked by hand for the pile of nordlund_example():
//  1. Displaced volume of the closed end: V = (pi/4) 12^2 / 144 = 0.785398 ft3/ft.
//  2. delta/phi, pile type 1, between V 0.6 (0.516) and 0.8 (0.593): 0.587378; delta = 18.7961 deg.
//  3. CF at phi 32: the delta/phi = 0.4 curve gives 0.66 (0.69 at 30, 0.63 at 34), the 0.6 curve
//     0.795 (0.82, 0.77); at 0.587378: CF = 0.786480.
//  4. K-delta at omega 0: phi-30 chart 0.85 + (0.685398/0.9) 0.3 = 1.078466, phi-35 chart
//     1.15 + (0.685398/0.9) 0.6 = 1.606932; phi 32 is 2/5 of the way: K-delta = 1.289852.
//  5. f = K-delta CF s'v sin(delta) = 1.289852 x 0.786480 x 0.322195 x 0.06 z = 0.0196113 z ksf,
//     below the API limit of 1.82 ksf for phi 32, so the trapezoids give Qs = 3.14159 (0.0196113)
//     z^2 / 2: 3.0805 kips at 10 ft and 19.2533 kips at 25 ft.
//  End bearing: D/b = 25, halfway between the alpha_t curves for 20 (0.5604 at phi 32) and 30
//  (0.588): alpha_t = 0.5742; N'q = 30 + 0.8 x 13 = 40.4; q = 0.5742 x 40.4 x 0.06 z = 1.391858 z
//  ksf, limited by q_L = 2 x 16.5 = 33 ksf from 23.71 ft. At 10 ft q is linear over the 3 ft window
//  and the tip is (pi/4) 1.391858 x 10 = 10.9316 kips. At 25 ft the window 23.5 .. 26.5 holds
//  segment 23-24 (linear from 32.0127 to the limit 33) for its first half foot and 33 ksf below:
//  mean q = (0.5 (32.5064 + 33)/2 + 2.5 x 33)/3 = 32.958867 ksf, tip 25.8858 kips.
TEST(FhwaCapacity, NordlundClosedPipeByHand) {
    const PhaseRun r(nordlund_example());
    const CapacityCurve& c = r.curve();
    EXPECT_NEAR(c.unit_skin_friction[10], 0.196113, 1e-6);
    EXPECT_NEAR(c.unit_skin_friction[25], 0.490282, 1e-6);
    EXPECT_NEAR(c.skin_friction[10], 3.0805, 1e-4);
    EXPECT_NEAR(c.skin_friction[25], 19.2533, 1e-4);
    EXPECT_NEAR(c.end_bearing[10], 10.9316, 1e-4);
    EXPECT_NEAR(c.end_bearing[25], 25.8858, 1e-4);
    EXPECT_NEAR(c.ultimate[25], 19.2533 + 25.8858, 1e-4);
    EXPECT_NE(r.report.find("*  FED. HWY. METHOD  *"), std::string::npos);
}

TEST(FhwaCapacity, SiProjectGivesTheSameCapacity) {
    // The same pile in S.I. units: volume in m3/m over 0.0929, q_L in tsf x 2 x 47.88.
    ProjectRecords p = nordlund_example();
    p.unit_system_code = 2;
    p.outside_diameter = 304.8;
    p.total_pile_length = 7.62;
    p.computation_increment = 0.3048;
    p.deepest_soil_depth = 12.192;
    p.soil_points[1].depth = 12.192;
    p.soil_points[0].effective_unit_weight = p.soil_points[1].effective_unit_weight =
        60 * 0.157087464;  // kN/m3
    const PhaseRun r(p);
    const CapacityCurve& c = r.curve();
    EXPECT_NEAR(c.skin_friction[25] / kKnPerKip, 19.2533, 1e-3);
    EXPECT_NEAR(c.end_bearing[25] / kKnPerKip, 25.8858, 1e-3);
}

TEST(FhwaCapacity, EndBearingLimitedByQlOrTheEnteredMaximum) {
    ProjectRecords p = fhwa_pile(24, 0, 40);  // D/b 20: the first alpha_t curve
    test::add_layer(p, test::sand_layer(0, 100, 60, 30, 0.8, 20));
    // q = 0.49 x 30 s'v passes q_L = 2 x 6.66 = 13.32 ksf at 15.1 ft; the window at 40 ft is all
    // beyond it.
    EXPECT_NEAR(PhaseRun(p).curve().end_bearing[40], std::numbers::pi * 13.32, 1e-9);
    p.soil_points[0].maximum_unit_bearing = p.soil_points[1].maximum_unit_bearing =
        10000;  // 10 ksf, below q_L
    EXPECT_NEAR(PhaseRun(p).curve().end_bearing[40], std::numbers::pi * 10, 1e-9);
}

TEST(FhwaCapacity, ClayEndBearingIsNineSu) {
    ProjectRecords p = fhwa_pile(24, 0, 40);
    test::add_layer(p, test::clay_layer(0, 100, 50, 1500, 700));
    EXPECT_NEAR(PhaseRun(p).curve().end_bearing[40], std::numbers::pi * 9 * 1.5, 1e-9);
}

TEST(TomlinsonChartChoice, StiffClayFromTheSurfaceTakesCaseThree) {
    ProjectRecords p = fhwa_pile(24, 0, 40);  // R = 20
    test::add_layer(p, test::clay_layer(0, 100, 50, 1500, 700));
    const CapacityCurve c = PhaseRun(p).curve();
    // alpha = 0.829 + (20 - 10)(1.0 - 0.829)/30 = 0.886 at su 1.5 ksf; f = 1.329 ksf everywhere.
    EXPECT_NEAR(c.unit_skin_friction[1], 1.329, 1e-12);
    EXPECT_NEAR(c.unit_skin_friction[30], 1.329, 1e-12);
    EXPECT_NEAR(c.skin_friction[40], 3.14159 * 2 * 1.329 * 40, 1e-9);
}

TEST(TomlinsonChartChoice, SiStrengthReadsTheChartInKsf) {
    ProjectRecords p = fhwa_pile(609.6, 0, 12.192);  // R = 20 again
    p.unit_system_code = 2;
    p.computation_increment = 0.3048;
    p.deepest_soil_depth = 30.48;
    test::add_layer(p, test::clay_layer(0, 30.48, 7.85, 1.5 * 47.88, 30));
    // 71.82 kPa is 1.5 ksf on the chart: alpha 0.886, f = 0.886 x 71.82 kPa.
    EXPECT_NEAR(PhaseRun(p).curve().unit_skin_friction[20], 0.886 * 71.82, 1e-9);
}

TEST(TomlinsonChartChoice, SandAboveTheClayTakesCaseOne) {
    ProjectRecords p = fhwa_pile(24, 0, 60);  // R = 30
    test::add_layer(p, test::sand_layer(0, 10, 60, 30, 0.8, 20));
    test::add_layer(p, test::clay_layer(10, 100, 50, 2250, 1000));
    // su 2.25: B 0.9125, C 0.59; alpha = (40 - 30)(B - C)/20 + C = 0.75125; f = 1.6903125 ksf.
    EXPECT_NEAR(PhaseRun(p).curve().unit_skin_friction[40], 0.75125 * 2.25, 1e-12);
}

TEST(TomlinsonChartChoice, SoftClayAboveKeepsCaseTwoForEveryLaterSegment) {
    ProjectRecords p = fhwa_pile(24, 0, 30);  // R = 15
    test::add_layer(p, test::clay_layer(0, 10, 50, 500, 250));
    test::add_layer(p, test::clay_layer(10, 100, 50, 2250, 1000));
    const CapacityCurve c = PhaseRun(p).curve();
    // The top segment precedes the choice: case 3, 0.984 + (5/30)(0.016) at su 0.5.
    EXPECT_NEAR(c.unit_skin_friction[1], 0.5 * (0.984 + 0.016 / 6), 1e-12);
    // From the second segment on, soft clay (0.5 < 0.8 ksf) above: case 2, halfway between its
    // curves at R 15: su 0.5 gives (0.519 + 0.84)/2, su 2.25 gives (0.285 + 0.6655)/2.
    EXPECT_NEAR(c.unit_skin_friction[2], 0.5 * 0.6795, 1e-12);
    EXPECT_NEAR(c.unit_skin_friction[20], 2.25 * 0.47525, 1e-12);
}

TEST(TomlinsonChartChoice, ShortProfilesAndSiStrengths) {
    SoilProfile profile;
    profile.increment = 1;
    Segment clay;
    clay.sand = false;
    clay.su = 30;  // kPa: 30 / 47.88 = 0.627 ksf, soft
    profile.segments = {clay, clay};
    // Two segments: no chart is ever chosen.
    EXPECT_EQ(fhwa_adhesion_cases(profile, units_of(UnitSystem::SI)),
              (std::vector<AdhesionCase>{AdhesionCase::NoOverlyingStrata, AdhesionCase::NoOverlyingStrata}));
    profile.segments.push_back(clay);
    EXPECT_EQ(fhwa_adhesion_cases(profile, units_of(UnitSystem::SI))[2], AdhesionCase::SoftClayOverStiffClay);
    EXPECT_EQ(fhwa_adhesion_cases(profile, units_of(UnitSystem::SI))[0], AdhesionCase::NoOverlyingStrata);
    // 0.8 ksf is 38.304 kPa.
    profile.segments[0].su = 38.29;
    EXPECT_EQ(fhwa_adhesion_cases(profile, units_of(UnitSystem::SI))[1], AdhesionCase::SoftClayOverStiffClay);
    profile.segments[0].su = 38.31;
    EXPECT_EQ(fhwa_adhesion_cases(profile, units_of(UnitSystem::SI))[1], AdhesionCase::NoOverlyingStrata);
    profile.segments[0].sand = true;
    EXPECT_EQ(fhwa_adhesion_cases(profile, units_of(UnitSystem::SI))[1], AdhesionCase::SandOverStiffClay);
}

// Open 24 x 22 in pipe, 60 ft in sand phi 30 (tests/data/onshore_hand_calculations.py):
// unplugged V = 0.501782 ft3/ft gives f = 0.0104520 z ksf, plugged V = pi ft3/ft f = 0.0279168 z.
// With the pile first taken as unplugged, the annulus (13.32 ksf x 0.50178 ft2) plus the plug
// friction pi (22/12) 0.010452 z^2 / 2 stays below the full section (13.32 pi) down to 34 ft and
// passes it at 35 ft: segments above 35 ft are unplugged, the rest plugged.
ProjectRecords open_pipe_in_sand() {
    ProjectRecords p = fhwa_pile(24, 22, 60);
    test::add_layer(p, test::sand_layer(0, 100, 60, 30, 0.8, 20));
    return p;
}

TEST(FhwaPlugState, ComputedFromTheTipChain) {
    const ProjectRecords p = open_pipe_in_sand();
    const PhaseRun r(p);
    const CapacityCurve& c = r.curve();
    EXPECT_NEAR(c.unit_skin_friction[20], 0.209040, 1e-6);  // unplugged
    EXPECT_NEAR(c.unit_skin_friction[35], 0.365820, 1e-6);  // segment 34-35 still unplugged
    EXPECT_NEAR(c.unit_skin_friction[36], 1.005009, 1e-6);  // segment 35-36 plugged
    EXPECT_NEAR(c.unit_skin_friction[50], 1.395846, 1e-6);

    const CptProfile no_cone;
    const MethodInputs m{r.in, units_of(r.in.units), r.results.profile, r.results.pile, no_cone};
    const std::vector<bool> plugged = fhwa_plugged_segments(m);
    EXPECT_FALSE(plugged[34]);
    EXPECT_TRUE(plugged[35]);
    EXPECT_TRUE(plugged[99]);  // below the tip: the state at the tip
}

TEST(FhwaPlugState, PlugConditionDecidesForEverySegment) {
    ProjectRecords p = open_pipe_in_sand();
    p.plug_condition_code = 1;  // plugged
    EXPECT_NEAR(PhaseRun(p).curve().unit_skin_friction[20], 0.558339, 1e-6);
    p.plug_condition_code = 2;  // unplugged
    EXPECT_NEAR(PhaseRun(p).curve().unit_skin_friction[50], 0.522601, 1e-6);
}

TEST(FhwaPlugState, ClosedEndsAndNoncircularTipsDisplaceTheirWholeSection) {
    ProjectRecords p = open_pipe_in_sand();
    const PhaseRun open(p);
    EXPECT_NEAR(fhwa_displaced_volume(open.in, units_of(open.in.units), open.results.pile, false), 0.501782,
                1e-6);
    EXPECT_NEAR(fhwa_displaced_volume(open.in, units_of(open.in.units), open.results.pile, true),
                std::numbers::pi, 1e-12);

    p.enhanced_end_section_length = 0.5;  // closed end
    const PhaseRun closed(p);
    EXPECT_NEAR(fhwa_displaced_volume(closed.in, units_of(closed.in.units), closed.results.pile, false),
                std::numbers::pi, 1e-12);

    p = open_pipe_in_sand();
    p.perimeter = 48;
    p.tip_area = 144;  // a 12 x 12 in section: 1 ft2
    const PhaseRun square(p);
    EXPECT_DOUBLE_EQ(fhwa_displaced_volume(square.in, units_of(square.in.units), square.results.pile, false),
                     1.0);
    p.unit_system_code = 2;
    p.tip_area = 0.0929;  // m2: one square foot
    const PhaseRun si(p);
    EXPECT_DOUBLE_EQ(fhwa_displaced_volume(si.in, units_of(si.in.units), si.results.pile, false), 1.0);
}

}  // namespace
}  // namespace torve
