// Unified CPT-based method against values worked out by hand from its equations, and against a
// published check (the TzSandCPT/QbSandCPT pages of the OpenSees manual: 84.3 / 63.2 kPa and
// 7.63 MPa). The sand capacities of an open 2 m pipe and a closed 0.5 m pile in sand with
// qc = 2 + z MPa and s'v0 = 10 z kPa are near-exact integrals on a 1 mm grid.
#include "engine/methods/unified_method.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "tests/engine/methods/method_fixture.h"
#include "tests/support/cone_profiles.h"

namespace torve {
namespace {

constexpr double kCone = 0.0357;  // m

TEST(UnifiedGeometry, PlugLengthAreaRatioAndClayDiameter) {
    struct Case {
        double d, di, plr, are, d_star;
    };
    // PLR = tanh(0.3 sqrt(Di / 0.0357)), Are = 1 - PLR (Di/D)^2, D* = sqrt(D^2 - Di^2)
    const Case cases[] = {
        {2.44, 2.351, 0.98476, 0.085773, 0.652992},  // 2.44 m x 44.5 mm
        {2.0, 1.9, 0.975190, 0.119891, 0.624500},    // 2 m x 50 mm
        {0.3, 0.28, 0.686, 0.4025, 0.107703},        // 0.3 m x 10 mm: 1 - 0.6864 x 0.8711
        {0.5, 0.0, 0.0, 1.0, 0.5},                   // closed end
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(unified_plug_length_ratio(c.di, kCone), c.plr, 5e-4) << c.d;
        EXPECT_NEAR(unified_area_ratio(c.d, c.di, kCone), c.are, 5e-4) << c.d;
        EXPECT_NEAR(unified_clay_diameter(c.d, c.di), c.d_star, 1e-6) << c.d;
    }
}

TEST(UnifiedFriction, SandAndClayUnitValues) {
    struct Case {
        bool sand;
        double q, stress, h_over_d, are, d;
        bool tension;
        double expected;  // kPa
        double fst = 1;
    };
    const double are_a = unified_area_ratio(2.0, 1.9, kCone);
    const double are_check = unified_area_ratio(2.44, 2.351, kCone);
    const Case cases[] = {
        // Published check: s'rc = 141.893, ds'rd = 10.237, (s'rc + ds'rd) tan 29 = 84.33; x 0.75 = 63.25
        {true, 39928, 203.8, 40 / 2.44, are_check, 2.44, false, 84.327},
        {true, 39928, 203.8, 40 / 2.44, are_check, 2.44, true, 63.245},
        // Open 2 m pipe, tip at 20 m: z = 2 (h/D = 9), z = 10 (5), z = 19 (0.5 -> 1), z = 20 (0 -> 1)
        {true, 4000, 20, 9, are_a, 2.0, false, 11.763},
        {true, 4000, 20, 9, are_a, 2.0, true, 8.822},
        {true, 12000, 100, 5, are_a, 2.0, false, 44.473},
        {true, 21000, 190, 0.5, are_a, 2.0, false, 144.407},
        {true, 22000, 200, 0, are_a, 2.0, true, 113.468},
        // Closed 0.5 m pile: Are = 1
        {true, 4000, 20, 36, 1, 0.5, false, 14.773},
        {true, 21000, 190, 2, 1, 0.5, false, 218.089},
        {true, 22000, 200, 0, 1, 0.5, false, 295.614},
        // Clay 0.07 qt max(1, h/D*)^-0.25, the same in tension
        {false, 440, 0, 18 / 0.6245, 0, 0, false, 13.293},
        {false, 1400, 0, 10 / 0.6245, 0, 0, true, 48.990},
        {false, 2600, 0, 0, 0, 0, false, 182.000},
        {false, 2480, 0, 2, 0, 0, false, 145.980},
        // Sensitive clay: Fst = 0.5 and 0.3 scale it, 0.07 x 0.5 x 2600 = 91.0, 0.3 x 145.980 = 43.794
        {false, 2600, 0, 0, 0, 0, false, 91.000, 0.5},
        {false, 2480, 0, 2, 0, 0, true, 43.794, 0.3},
    };
    for (const Case& c : cases) {
        const double f =
            c.sand ? unified_sand_friction({c.q, c.stress, c.h_over_d, c.are, kCone / c.d, c.tension})
                   : unified_clay_friction(c.q, c.h_over_d, c.fst);
        EXPECT_NEAR(f, c.expected, 6e-4) << c.q << (c.tension ? " tension" : "");
    }
}

TEST(UnifiedFriction, NoStressOrConeResistanceStaysFinite) {
    // At the surface (q/s'v0)^-0.33 goes to 0: the radial term alone, (4000/44) tan 29 = 50.39.
    EXPECT_NEAR(unified_sand_friction({4000, 0, 10, 1, 0.1, false}),
                4000 / 44.0 * std::pow(10, -0.4) * std::tan(29 * std::numbers::pi / 180), 1e-9);
    EXPECT_EQ(unified_sand_friction({0, 100, 10, 1, 0.1, false}), 0.0);
    EXPECT_EQ(unified_clay_friction(0, 10), 0.0);
}

TEST(UnifiedBase, SandAndClayAtTenPercentOfTheDiameter) {
    const double are_check = unified_area_ratio(2.44, 2.351, kCone);
    const double are_a = unified_area_ratio(2.0, 1.9, kCone);
    // (0.12 + 0.38 x 0.085773) x 50 000 = 7 629.7 kPa (printed as "7.629 MN" in the source)
    EXPECT_NEAR(unified_sand_base(50000, are_check), 7629.7, 0.05);
    EXPECT_DOUBLE_EQ(unified_sand_base(22000, 1), 11000);         // closed: 0.5 qp
    EXPECT_NEAR(unified_sand_base(22000, are_a), 3642.29, 0.01);  // open 2 m: 0.16556 qp
}

TEST(UnifiedBase, ClayByTheEffectiveAreaRatioOrByTheLoadTests) {
    struct Case {
        double qp, are;
        UnifiedClayBase rule;
        bool open;
        double expected;  // kPa
    };
    // 762 x 700 mm: PLR = tanh(0.3 sqrt(700 / 35.7)) = tanh(1.32842) = 0.868863,
    // (Di/D)^2 = 0.843891, Are = 1 - 0.868863 x 0.843891 = 0.266775;
    // (0.2 + 0.6 x 0.266775) x 2000 = 720.13 kPa (the wall ratio 1 - (Di/D)^2 would give 587.3).
    const double are_762 = unified_area_ratio(762, 700, 35.7);
    // 2 m x 50 mm: Are = 0.119891, (0.2 + 0.6 x 0.119891) x 2600 = 707.03 kPa (672.1 by the wall ratio).
    const double are_2m = unified_area_ratio(2.0, 1.9, kCone);
    const Case cases[] = {
        {2000, are_762, UnifiedClayBase::AreaRatio, true, 720.129},
        {2600, are_2m, UnifiedClayBase::AreaRatio, true, 707.030},
        {1400, 1, UnifiedClayBase::AreaRatio, false, 1120},     // closed: Are = 1, 0.8 qp
        {2000, are_762, UnifiedClayBase::LoadTest, true, 800},  // 0.4 qp whatever the wall
        {2600, are_2m, UnifiedClayBase::LoadTest, true, 1040},
        {1400, 1, UnifiedClayBase::LoadTest, false, 1120},  // 0.8 qp
    };
    for (const Case& c : cases)
        EXPECT_NEAR(unified_clay_base(c.qp, c.are, c.rule, c.open), c.expected, 5e-4) << c.qp;
}

TEST(UnifiedBase, WindowMeanOfALinearProfileIsItsMidValue) {
    SoilProfile profile;
    profile.increment = 1;
    SegmentPairs q(4);
    for (int k = 0; k < 4; ++k) {
        Segment s;
        s.top = k;
        s.bottom = k + 1.0;
        profile.segments.push_back(s);
        q.set(static_cast<std::size_t>(k), 2 + k, 3 + k);  // q = 2 + z
    }
    EXPECT_DOUBLE_EQ(mean_over_depths(q, profile, 0.3, 3.7), 4.0);
    EXPECT_DOUBLE_EQ(mean_over_depths(q, profile, -1, 1), 2.5);  // clipped at the surface: [0, 1]
    EXPECT_DOUBLE_EQ(mean_over_depths(q, profile, 3, 9), 5.5);   // clipped at the bottom: [3, 4]
    EXPECT_EQ(mean_over_depths(q, profile, 5, 6), 0.0);
}

// Sand to 50 m, qc = 2 + z MPa from the CPT points, s'v0 = 10 z kPa; rows every 0.1 m.
struct SandRun {
    test::PhaseRun run;
    SandRun(double od_mm, double id_mm, double length, int loading)
        : run(project(od_mm, id_mm, length, loading), test::straight_cone(2000, 50, 52000)) {}

    static ProjectRecords project(double od_mm, double id_mm, double length, int loading) {
        ProjectRecords p = test::project();
        p.unit_system_code = 2;
        p.outside_diameter = od_mm;
        p.inside_diameter = id_mm;
        p.modulus_of_elasticity = 2e8;
        p.total_pile_length = length;
        p.computation_increment = 0.1;
        p.deepest_soil_depth = 50;
        p.offshore_data_flag = 1;
        p.loading_type_code = loading;
        p.load_transfer_method_code = 10;
        p.method_selection_flags = MethodFlags{0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
        test::add_layer(p, test::sand_layer(0, 50, 10, 32, 0.8, 20));
        return p;
    }
    double shaft() const { return run.curve().skin_friction.back(); }
    double base() const { return run.curve().end_bearing.back(); }
};

TEST(UnifiedCapacity, SandCasesOfTheWorkedExample) {
    struct Case {
        double od, id, length;
        double base, shaft_compression, shaft_tension;  // kN, near-exact
    };
    const Case cases[] = {
        {2000, 1900, 10, 6241.4, 2461.0, 1845.8},    {2000, 1900, 20, 11442.6, 7159.1, 5369.3},
        {2000, 1900, 30, 16643.8, 13609.9, 10207.4}, {500, 0, 10, 1178.1, 827.0, 620.2},
        {500, 0, 20, 2159.8, 2348.9, 1761.7},        {500, 0, 30, 3141.6, 4445.6, 3334.2},
    };
    for (const Case& c : cases) {
        const SandRun compression(c.od, c.id, c.length, 0);
        const SandRun tension(c.od, c.id, c.length, 1);
        // The base: qp = qc at the tip for a linear profile, times the gross area, to 0.01 %.
        EXPECT_NEAR(compression.base(), c.base, 1e-4 * c.base) << c.od << " " << c.length;
        // The shaft within 0.015 % (0.008 % at most): the trapezoid rule in 5 cm pieces of the 0.1 m
        // segments, with the unit friction exact at each, and the perimeter's pi of 3.14159.
        EXPECT_NEAR(compression.shaft(), c.shaft_compression, 1.5e-4 * c.shaft_compression)
            << c.od << " " << c.length;
        EXPECT_NEAR(tension.shaft(), c.shaft_tension, 1.5e-4 * c.shaft_tension) << c.od << " " << c.length;
    }
}

TEST(UnifiedCapacity, ClayBaseOfAnOpenPipeByEitherRule) {
    // A 762 x 700 mm pipe 20 m into clay with qc 2000 kPa to 40 m: the 1.5 D window lies in the
    // clay, so qp = 2000 kPa, on the gross area pi/4 0.762^2 = 0.456037 m2.
    //   area ratio: 720.129 kPa x 0.456037 = 328.41 kN (the wall ratio gave 267.84 kN)
    //   load tests: 0.4 x 2000 x 0.456037 = 364.83 kN; closed 0.8 x 2000 x 0.456037 = 729.66 kN,
    //   as by the area ratio (Are = 1).
    struct Case {
        double id;
        int option;
        double base;  // kN
    };
    const Case cases[] = {{700, 0, 328.405}, {700, 1, 364.829}, {0, 0, 729.659}, {0, 1, 729.659}};
    for (const Case& c : cases) {
        ProjectRecords p = SandRun::project(762, c.id, 20, 0);
        p.computation_increment = 0.5;
        p.soil_points.clear();
        auto clay = test::clay_layer(0, 40, 8, 100, 50);
        clay.first.cone_resistance = clay.second.cone_resistance = 2000;
        test::add_layer(p, clay);
        p.unified_clay_base_option = c.option;
        EXPECT_NEAR(test::PhaseRun(p).curve().end_bearing.back(), c.base, 1e-3) << c.id << " " << c.option;
    }
}

TEST(UnifiedCapacity, SoilTypeFactorScalesTheFrictionOfItsClayLayerOnly) {
    // Closed 762 mm pile, 20 m; clay 0..10 m and 10..40 m, both qc 2000 kPa. Fst = 0.5 in the upper
    // layer halves its unit friction and the friction summed down to 10 m; the lower layer's unit
    // friction (from 10.5 m, clear of the segment at the boundary) and the base stay as they were.
    ProjectRecords p = SandRun::project(762, 0, 20, 0);
    p.computation_increment = 0.5;
    p.soil_points.clear();
    for (const auto& [top, bottom] : {std::pair{0.0, 10.0}, std::pair{10.0, 40.0}}) {
        auto clay = test::clay_layer(top, bottom, 8, 100, 50);
        clay.first.cone_resistance = clay.second.cone_resistance = 2000;
        test::add_layer(p, clay);
    }
    const test::PhaseRun insensitive(p);
    p.soil_points[0].soil_type_factor_fst = p.soil_points[1].soil_type_factor_fst = 0.5;
    const test::PhaseRun sensitive(p);
    const CapacityCurve& a = insensitive.curve();
    const CapacityCurve& b = sensitive.curve();
    for (std::size_t j = 1; j <= 20; ++j) {
        EXPECT_NEAR(b.unit_skin_friction[j], 0.5 * a.unit_skin_friction[j], 1e-9) << j;
        EXPECT_NEAR(b.skin_friction[j], 0.5 * a.skin_friction[j], 1e-9) << j;
    }
    for (std::size_t j = 22; j < a.unit_skin_friction.size(); ++j)
        EXPECT_DOUBLE_EQ(b.unit_skin_friction[j], a.unit_skin_friction[j]) << j;
    EXPECT_DOUBLE_EQ(b.end_bearing.back(), a.end_bearing.back());
}

TEST(UnifiedCapacity, PlugOptionDoesNotChangeTheBase) {
    ProjectRecords p = SandRun::project(2000, 1900, 20, 0);
    const CptProfile cpt = test::straight_cone(2000, 50, 52000);
    const double computed = test::PhaseRun(p, cpt).curve().end_bearing.back();
    for (int plug : {1, 2}) {
        p.plug_condition_code = plug;
        EXPECT_DOUBLE_EQ(test::PhaseRun(p, cpt).curve().end_bearing.back(), computed) << plug;
    }
}

TEST(UnifiedCapacity, SegmentsWithoutConeResistanceAreNamedOnce) {
    // Without CPT points the sand takes 2.8 pa N from its blow count and the clay from 5 m has no qc.
    ProjectRecords p = SandRun::project(500, 0, 10, 0);
    p.soil_points.clear();
    auto sand = test::sand_layer(0, 5, 10, 32, 0.8, 20);
    sand.first.remolded_shear_strength_or_blow_count = sand.second.remolded_shear_strength_or_blow_count = 20;
    test::add_layer(p, sand);
    test::add_layer(p, test::clay_layer(5, 50, 8, 50, 25));
    const test::PhaseRun run(p);
    ASSERT_TRUE(run.curve().first_depth_without_cone.has_value());
    EXPECT_DOUBLE_EQ(*run.curve().first_depth_without_cone, 5.0);
    EXPECT_NE(
        run.report.find(" WARNING - NO CONE RESISTANCE FROM DEPTH    5.00 M.; NO RESISTANCE IS TAKEN THERE."),
        std::string::npos)
        << run.report;
    // The sand above still carries friction (qc = 2.8 x 100 x 20 = 5.6 MPa); the clay adds none.
    const CapacityCurve& c = run.curve();
    EXPECT_GT(c.skin_friction[50], 0.0);
    EXPECT_DOUBLE_EQ(c.skin_friction.back(), c.skin_friction[51]);  // the last sand value reaches 5.1 m
    EXPECT_EQ(c.end_bearing.back(), 0.0);
}

// Sand over clay over sand (tests/data/cone_layer_profiles.py): an open 1220 x 1170 mm pipe, tip at
// 35 m; sand qc = 4 + z MPa to 15 m, clay 2 + 0.1 (z - 15) MPa to 25 m, sand 20 + 0.5 (z - 25) MPa
// below; CPT rows 4 cm apart, each qc step given as two rows 0.1 mm above or below the boundary.
struct LayeredRun {
    // qc of layer 0, 1, 2 at z, each on its own line (kPa)
    static double qc_of(int layer, double z) {
        if (layer == 0) return 1000 * (4 + z);
        if (layer == 1) return 1000 * (2 + 0.1 * (z - 15));
        return 1000 * (20 + 0.5 * (z - 25));
    }
    static CptProfile cpt(double offset) {
        CptProfile p{2, {}};
        for (int i = 0; i <= 950; ++i) {
            const double z = 0.04 * i;
            const int layer = z < 15 - 1e-9 ? 0 : z < 25 - 1e-9 ? 1 : 2;
            bool skip = false;
            for (double b : {15.0, 25.0})
                if (z >= std::min(b, b + offset) - 1e-9 && z <= std::max(b, b + offset) + 1e-9) skip = true;
            if (!skip) p.points.push_back({z, qc_of(layer, z)});
        }
        int upper = 0;
        for (double b : {15.0, 25.0}) {
            const double step = b + offset;
            // the row on the boundary reads the side of the step it lies on
            const CptPoint on{b, qc_of(offset > 0 ? upper : upper + 1, b)};
            const CptPoint top{step, qc_of(upper, step)}, bottom{step, qc_of(upper + 1, step)};
            const std::vector<CptPoint> add =
                offset > 0 ? std::vector<CptPoint>{on, top, bottom} : std::vector<CptPoint>{top, bottom, on};
            const auto at = std::lower_bound(p.points.begin(), p.points.end(), b - 1e-3,
                                             [](const CptPoint& q, double d) { return q.depth < d; });
            p.points.insert(at, add.begin(), add.end());
            ++upper;
        }
        return p;
    }
    static ProjectRecords project(double increment) {
        ProjectRecords p = test::project();
        p.unit_system_code = 2;
        p.outside_diameter = 1220;
        p.inside_diameter = 1170;
        p.modulus_of_elasticity = 2.1e8;
        p.total_pile_length = 35;
        p.computation_increment = increment;
        p.deepest_soil_depth = 38;
        p.offshore_data_flag = 1;
        p.load_transfer_method_code = 10;
        p.method_selection_flags = MethodFlags{0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
        test::add_layer(p, test::sand_layer(0, 15, 10, 32, 0.8, 40));
        test::add_layer(p, test::clay_layer(15, 25, 8, 80, 40));
        test::add_layer(p, test::sand_layer(25, 38, 10, 32, 0.8, 40));
        return p;
    }
};

TEST(UnifiedCapacity, ShaftOfLayersWhateverTheStepPlacementAndTheIncrement) {
    // The integral of the script: 8424.5 kN at the tip. Before the readings were kept to their
    // layer and summed over the sounding's rows, the program gave 8428.6 / 8443.2 kN (step below,
    // 0.1 / 0.5 m) and 8608.6 / 9343.3 kN (step above).
    for (double offset : {-1e-4, 1e-4}) {
        for (double increment : {0.1, 0.2, 0.25, 0.5}) {
            const test::PhaseRun run(LayeredRun::project(increment), LayeredRun::cpt(offset));
            EXPECT_NEAR(run.curve().skin_friction.back(), 8424.5, 5e-4 * 8424.5)
                << offset << " " << increment;
        }
    }
}

TEST(UnifiedCapacity, BoundaryRowsAndCurvesReadTheirOwnLayer) {
    for (double offset : {-1e-4, 1e-4}) {
        const test::PhaseRun run(LayeredRun::project(0.1), LayeredRun::cpt(offset));
        const CapacityCurve& c = run.curve();
        // The row at 25 m ends the clay: 0.07 x 3000 x (10 / 0.345688)^-0.25 = 90.55 kPa (with the
        // sand's 20 MPa read across the boundary it was 603.67 kPa).
        EXPECT_NEAR(c.unit_skin_friction[250], 90.55, 0.01) << offset;
        // The sand curve at the top of the lower sand: wf = 1220 (20000/100)^0.5 (230/100)^0.25 /
        // 1250 = 16.998 mm (the clay's 3 MPa gave 6.583 mm). Its last point lies at 2 wf.
        const TzCurve tz = unified_sand_shaft_curve(run.in, units_of(UnitSystem::SI), run.results.pile,
                                                    run.results.profile, c.cone_resistance, 25.0, 1.0);
        EXPECT_NEAR(tz.movement.back() * 1000, 2 * 16.998, 0.005) << offset;
    }
}

TEST(UnifiedCapacity, LayerQcAndTheSameProfileAsCptPointsGiveOneCapacity) {
    // A closed 24 in pile, 60 ft, in tension, English: sand with qc 40 + 2 z ksf (entered in psf at
    // the layer's points) to 30 ft, over sand with 120 + z ksf. Entered as the layers' own qc or as
    // CPT points at the same depths, the profile is one line per layer, read at each segment's top
    // and bottom: the two capacities agree.
    ProjectRecords p = test::project();
    p.offshore_data_flag = 1;
    p.loading_type_code = 1;
    p.tension_reduction_factor = 1.0;
    p.computation_increment = 1;
    p.load_transfer_method_code = 10;
    p.method_selection_flags = MethodFlags{0, 0, 0, 1, 0, 0, 0, 0, 0, 1};
    auto upper = test::sand_layer(0, 30, 120, 32, 0.8, 40);
    auto lower = test::sand_layer(30, 100, 125, 34, 0.8, 40);
    const CptProfile cpt{1, {{0, 40000}, {30, 100000}, {30, 150000}, {100, 220000}}};
    ProjectRecords as_cpt = p;
    test::add_layer(as_cpt, upper);
    test::add_layer(as_cpt, lower);
    upper.first.cone_resistance = 40000;
    upper.second.cone_resistance = 100000;
    lower.first.cone_resistance = 150000;
    lower.second.cone_resistance = 220000;
    test::add_layer(p, upper);
    test::add_layer(p, lower);
    const test::PhaseRun own(p), points(as_cpt, cpt);
    const double shaft = points.curve().skin_friction.back();
    EXPECT_GT(shaft, 0.0);
    EXPECT_NEAR(own.curve().skin_friction.back(), shaft, 1e-9 * shaft);
    for (std::size_t j = 0; j < own.curve().unit_skin_friction.size(); ++j)
        EXPECT_NEAR(own.curve().unit_skin_friction[j], points.curve().unit_skin_friction[j], 1e-9) << j;
}

}  // namespace
}  // namespace torve
