// t-z and Q-w curves: shapes, positions, maximum load transfer, worked by hand.
#include "engine/methods/load_transfer_curves.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/driver/input_reader.h"
#include "engine/driver/soil_spacing.h"
#include "tests/support/project_text.h"

namespace torve {
namespace {

struct Prepared {
    InputData in;
    PileGeometry pile;
    SoilProfile profile;
    explicit Prepared(const ProjectRecords& p) : in(parse_input_data(test::text_of(p), "p.tv6d")) {
        const long long n = segment_count(in.deepest_soil_depth, in.computation_increment);
        align_soil_points(in.soil, in.computation_increment);
        pile = pile_geometry(in, units_of(in.units));
        profile = build_soil_profile(in, units_of(in.units), static_cast<int>(n));
    }
};

ProjectRecords two_layers() {
    ProjectRecords p = test::project();  // 24 in pile, 60 ft, soil to 100 ft
    test::add_layer(p, test::sand_layer(0, 20, 60, 30, 0.8, 20));
    test::add_layer(p, test::clay_layer(20, 100, 50, 1500, 700));
    return p;
}

// Side resistance rising by 2 kips per foot: a unit friction of 2 / (3.1416 x 2 ft) ksf.
LoadTransferInput uniform_friction(int rows) {
    LoadTransferInput input;
    for (int i = 0; i < rows; ++i) input.side_resistance.push_back(2.0 * i);
    input.tip_resistance = 100;
    return input;
}

TEST(LoadTransferCurves, ApiShapes) {
    const Prepared s(two_layers());
    const TzCurve clay = shaped_curve(units_of(s.in.units), false, false, 0, 10.0, s.pile);  // D = 24 in
    EXPECT_DOUBLE_EQ(clay.movement[5], 0.24);                                                // peak at 0.01 D
    EXPECT_DOUBLE_EQ(clay.transfer[5], 10.0);
    EXPECT_DOUBLE_EQ(clay.at(0.2 * 24), 9.0);  // residual 0.9 tmax at 0.2 D ...
    EXPECT_DOUBLE_EQ(clay.at(10 * 24), 9.0);   // ... and beyond the last point
    // between 0.0031 D (0.5 tmax) and 0.0057 D (0.75 tmax)
    EXPECT_DOUBLE_EQ(clay.at(0.12), 10.0 * (0.5 + (0.75 - 0.5) * (0.12 - 0.0744) / (0.1368 - 0.0744)));
    const TzCurve sand = shaped_curve(units_of(s.in.units), false, true, 30, 4.0, s.pile);
    EXPECT_DOUBLE_EQ(sand.movement[7], 0.1);  // full resistance at 0.1 in
    EXPECT_DOUBLE_EQ(sand.at(0.05), 2.0);
    EXPECT_DOUBLE_EQ(sand.at(3.0), 4.0);
}

TEST(LoadTransferCurves, UsaceShapes) {
    const Prepared s(two_layers());
    // Mosher: phi 30 gives Es = 6000 + 1333.3 x 2 = 8666.6; T = 2 psi x 144 = 288 psf;
    // at z = 0.04 in: t = 0.04 / (1/8666.6 + 0.04/288) psf, back to lb/in2 by 144
    const TzCurve sand = shaped_curve(units_of(s.in.units), true, true, 30, 2.0, s.pile);
    EXPECT_NEAR(sand.transfer[3], 0.04 / (1 / 8666.6 + 0.04 / 288.0) / 144.0, 1e-12);
    EXPECT_DOUBLE_EQ(sand.movement[9], 10.0);
    const TzCurve flat = shaped_curve(units_of(s.in.units), true, true, 30, 0.0, s.pile);
    for (double t : flat.transfer) EXPECT_EQ(t, 0.0);
    const TzCurve clay = shaped_curve(units_of(s.in.units), true, false, 0, 5.0, s.pile);
    EXPECT_DOUBLE_EQ(clay.transfer[6], 0.97 * 5.0);
    EXPECT_DOUBLE_EQ(clay.at(20.0), 0.93 * 5.0);
}

TEST(LoadTransferCurves, SiMovementsInMetres) {
    ProjectRecords p = two_layers();
    p.unit_system_code = 2;
    p.outside_diameter = 610;
    const Prepared s(p);
    const TzCurve sand = shaped_curve(units_of(s.in.units), false, true, 30, 50.0, s.pile);
    EXPECT_DOUBLE_EQ(sand.movement[7], 0.1 / 39.37);
    const TzCurve clay = shaped_curve(units_of(s.in.units), false, false, 0, 50.0, s.pile);
    EXPECT_DOUBLE_EQ(clay.movement[5], 0.01 * 0.61);
}

TEST(LoadTransferCurves, MaximumLoadTransferFromTheSlope) {
    const Prepared s(two_layers());
    const LoadTransferInput input = uniform_friction(s.pile.rows);
    // 2 kips/ft x 1000 / (3.1416 x 24 in) / 12 = lb/in2
    const double expected = 2000.0 / (3.1416 * 24) / 12;
    EXPECT_NEAR(maximum_load_transfer(units_of(s.in.units), s.pile, input.side_resistance, 30), expected,
                1e-12);
    EXPECT_NEAR(maximum_load_transfer(units_of(s.in.units), s.pile, input.side_resistance, 0), expected,
                1e-12);  // forward at the top
    EXPECT_NEAR(maximum_load_transfer(units_of(s.in.units), s.pile, input.side_resistance, 90), expected,
                1e-12);  // below the tip: last
    std::vector<double> none(static_cast<std::size_t>(s.pile.rows), 0.0);
    EXPECT_EQ(maximum_load_transfer(units_of(s.in.units), s.pile, none, 10), 0.0);
}

TEST(LoadTransferCurves, PositionsPerLayerAndStickup) {
    ProjectRecords p = two_layers();
    p.stickup_length = 5;
    test::add_layer(p, test::sand_layer(100, 100.1, 60, 30, 0.8, 20));  // thinner than 0.11: no curves
    p.deepest_soil_depth = 101;
    const Prepared s(p);
    const auto curves =
        shaft_curves(s.in, units_of(s.in.units), s.pile, s.profile, uniform_friction(s.pile.rows));
    ASSERT_EQ(curves.size(), 9u);  // 3 in the stickup, 3 per layer of two
    EXPECT_DOUBLE_EQ(curves[0].depth, 0);
    EXPECT_DOUBLE_EQ(curves[2].depth, 60);
    EXPECT_EQ(curves[1].tmax, 0.0);
    // sand layer 0..20 ft: top 0 in, bottom 240 - 0.5 in, middle (0 + 239.5 + 1.1)/2, each + 60 in
    EXPECT_DOUBLE_EQ(curves[3].depth, 60);
    EXPECT_DOUBLE_EQ(curves[4].depth, (0 + 239.5 + 1.1) / 2 + 60);
    EXPECT_DOUBLE_EQ(curves[5].depth, 239.5 + 60);
    EXPECT_TRUE(curves[3].sand);
    EXPECT_FALSE(curves[6].sand);
    EXPECT_DOUBLE_EQ(curves[6].ground_depth, 20);
}

TEST(LoadTransferCurves, VerificationCurveInsideAndOutsideTheSoil) {
    const Prepared s(two_layers());
    const LoadTransferInput input = uniform_friction(s.pile.rows);
    EXPECT_FALSE(verification_curve(s.in, units_of(s.in.units), s.pile, s.profile, input, 100.5).has_value());
    EXPECT_FALSE(verification_curve(s.in, units_of(s.in.units), s.pile, s.profile, input, -1).has_value());
    const auto sand = verification_curve(s.in, units_of(s.in.units), s.pile, s.profile, input, 10);
    ASSERT_TRUE(sand.has_value());
    EXPECT_TRUE(sand->sand);
    const auto clay = verification_curve(s.in, units_of(s.in.units), s.pile, s.profile, input, 20.5);
    ASSERT_TRUE(clay.has_value());
    EXPECT_FALSE(clay->sand);
}

TEST(LoadTransferCurves, TipCurves) {
    ProjectRecords p = two_layers();
    const Prepared api(p);
    LoadTransferInput input = uniform_friction(api.pile.rows);
    const QwCurve q = tip_curve(api.in, units_of(api.in.units), api.pile, api.profile, input);
    EXPECT_DOUBLE_EQ(q.movement[4], 0.013 * 24);
    EXPECT_DOUBLE_EQ(q.load[4], 0.5 * 100000);  // lb
    EXPECT_DOUBLE_EQ(q.load[9], 100000);

    p.load_transfer_method_code =
        2;  // USACE clay tip: 0.5 Qmax sqrt(w / (0.01 D)), capped at Qmax from w = 0.04 D
    const Prepared usace(p);
    const QwCurve c = tip_curve(usace.in, units_of(usace.in.units), usace.pile, usace.profile, input);
    EXPECT_DOUBLE_EQ(c.load[4], 100000 * 0.5 * std::sqrt(0.05 / 0.24));
    EXPECT_DOUBLE_EQ(c.load[9], 100000);

    p.soil_points[2].soil_type_code = p.soil_points[3].soil_type_code =
        1;  // sand at the tip, phi 0 -> exponent 0.5, wc = 0.05 D = 1.2 in
    p.soil_points[2].friction_angle = p.soil_points[3].friction_angle = 30;
    p.soil_points[2].coefficient_of_lateral_earth_pressure =
        p.soil_points[3].coefficient_of_lateral_earth_pressure = 0.8;
    const Prepared sand(p);
    const QwCurve t = tip_curve(sand.in, units_of(sand.in.units), sand.pile, sand.profile, input);
    EXPECT_DOUBLE_EQ(t.load[5], 100000 * std::sqrt(0.1 / 1.2));
    EXPECT_DOUBLE_EQ(t.load[9], 100000);  // 2 in is beyond wc: the whole tip resistance, not more
}

}  // namespace
}  // namespace torve
