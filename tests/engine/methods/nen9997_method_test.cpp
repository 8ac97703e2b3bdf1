// Dutch cone method against the values of its formula worked out by hand. The capacity cases are a
// square precast pile, side 0.4 m (A = 0.16 m2, O = 1.6 m, D_eq = 2 sqrt(0.16 / pi) = 0.45135 m,
// 8 D_eq = 3.611 m), tip at 15 m in sand, alpha_p = 0.7, alpha_s = 0.010, beta = s = 1.
#include "engine/methods/nen9997_method.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "tests/engine/methods/method_fixture.h"

namespace torve {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kDeq = nen_equivalent_diameter(0.16);

// 10 MPa from the ground to 25 m, with `inserts` of other values (top, bottom, qc) as steps.
struct Insert {
    double top, bottom, qc;
};
NenSounding sounding_of(std::initializer_list<Insert> inserts, double base_qc = 10, double end = 25) {
    NenSounding s{{0, base_qc}};
    for (const Insert& i : inserts) {
        s.push_back({i.top, base_qc});
        s.push_back({i.top, i.qc});
        s.push_back({i.bottom, i.qc});
        s.push_back({i.bottom, base_qc});
    }
    s.push_back({end, base_qc});
    return s;
}

TEST(NenGeometry, EquivalentDiameterAndSectionFactor) {
    EXPECT_NEAR(kDeq, 0.451352, 1e-6);  // 1.128 x 0.4
    EXPECT_NEAR(8 * kDeq, 3.611, 5e-4);
    struct Case {
        double perimeter, area;
        bool known;
    };
    const Case cases[] = {
        {0, 0.1257, true},     // circular, nothing entered
        {1.6, 0.16, true},     // square 0.4 m
        {1.6048, 0.16, true},  // square within 0.5 %
        {1.8, 0.18, false},    // rectangle 0.3 x 0.6: 4 sqrt(0.18) = 1.697
    };
    for (const Case& c : cases) {
        const auto s = nen_section_factor(c.perimeter, c.area);
        EXPECT_EQ(s.has_value(), c.known) << c.perimeter;
        if (s) {
            EXPECT_DOUBLE_EQ(*s, 1.0);
        }
    }
}

TEST(NenPileClasses, FactorsOfTheClassTable) {
    // alpha_p, alpha_s of the 2017 class table: driven precast 0.7, 0.010; screw injection 0.63,
    // 0.009; vibrated cast-in-place 0.7, 0.014.
    struct Case {
        NenPileClass c;
        double alpha_p, alpha_s;
    };
    const Case cases[] = {{NenPileClass::DrivenPrecast, 0.7, 0.010},
                          {NenPileClass::ScrewInjection, 0.63, 0.009},
                          {NenPileClass::VibratedCastInPlace, 0.7, 0.014}};
    for (const Case& c : cases) {
        EXPECT_EQ(nen_class_factors(c.c).pile_class, c.c);
        EXPECT_DOUBLE_EQ(nen_class_factors(c.c).alpha_p, c.alpha_p);
        EXPECT_DOUBLE_EQ(nen_class_factors(c.c).alpha_s, c.alpha_s);
    }
    EXPECT_EQ(nen_pile_class_of(PileType::PrecastConcrete), NenPileClass::DrivenPrecast);
    for (PileType t : {PileType::SteelPipe, PileType::Timber, PileType::RaymondStepTaper,
                       PileType::RaymondUniformTaper, PileType::HPile, PileType::MonotubeTaper})
        EXPECT_FALSE(nen_pile_class_of(t)) << nen_pile_type_name(t);
}

TEST(NenMinimumPath, NeverRisesUpwardAndStartsFromBelow) {
    // qc = z (rising with depth) or 20 - z (falling), window 5 to 10 m.
    const NenSounding rising{{0, 0}, {20, 20}};
    const NenSounding falling{{0, 20}, {20, 0}};
    struct Case {
        const NenSounding* s;
        double start, mean, end;
    };
    const Case cases[] = {
        {&rising, kInf, 7.5, 5},  // the path is qc itself: mean of 10 .. 5
        // min(6, z): 6 from 10 up to 6 m, then z: (4 x 6 + 0.5 (6 + 5) x 1) / 5 = 5.9
        {&rising, 6, 5.9, 5},
        {&rising, 3, 3, 3},        // below every reading of the window
        {&falling, kInf, 10, 10},  // qc rises upward: the path holds qc at 10 m
        {&falling, 12, 10, 10},
    };
    for (const Case& c : cases) {
        const NenPath p = nen_minimum_path(*c.s, 5, 10, c.start);
        EXPECT_NEAR(p.mean, c.mean, 1e-12) << c.start;
        EXPECT_NEAR(p.end, c.end, 1e-12) << c.start;
    }
    // A step at the lower end of the window is read from inside it: 10 above 20 m, 2 below.
    const NenSounding step{{0, 10}, {20, 10}, {20, 2}, {30, 2}};
    EXPECT_DOUBLE_EQ(nen_minimum_path(step, 15, 20, kInf).mean, 10);
    EXPECT_DOUBLE_EQ(nen_plain_mean(step, 15, 25), 6);  // (5 x 10 + 5 x 2) / 10
}

TEST(NenBase, KoppejanAveragesOfWorkedSoundings) {
    struct Case {
        const char* what;
        NenSounding sounding;
        double tip;
        double qc_i, qc_ii, qc_iii, q_b;
        bool complete = true;
    };
    const Case cases[] = {
        // N1: 0.35 (10 + 10) = 7 MPa.
        {"uniform 10 MPa", sounding_of({}), 15, 10, 10, 10, 7.0},
        // N2: the upper path holds 10 from the tip to 13.5 m and 2 from there to 11.389 m:
        // qc,III = (1.5 x 10 + 2.111 x 2) / 3.611 = 5.324, q = 0.35 (10 + 5.324) = 5.363. A plain
        // mean over 8 D (7.78 MPa, q = 6.22) would have missed the rule.
        {"soft layer within 8 D above", sounding_of({{12.5, 13.5, 2}}), 15, 10, 10,
         (1.5 * 10 + (8 * kDeq - 1.5) * 2) / (8 * kDeq),
         0.35 * (10 + (1.5 * 10 + (8 * kDeq - 1.5) * 2) / (8 * kDeq))},
        // Soft 2 MPa at 0.5 to 1.0 m below the tip: for d in (0.5, 1] qc,I = (5 + 2 (d - 0.5)) / d falls
        // while qc,II = qc,III = 2; beyond 1 m both rise again, so d = 1 m: qc,I = 6,
        // q = 0.35 (0.5 (6 + 2) + 2) = 2.1 MPa.
        {"soft layer below the tip", sounding_of({{15.5, 16.0, 2}}), 15, 6, 2, 2, 2.1},
        // A soft layer wholly above 8 D (at 10 to 11 m) is not seen.
        {"soft layer above 8 D", sounding_of({{10, 11, 2}}), 15, 10, 10, 10, 7.0},
        // 0.35 (30 + 30) = 21 MPa, capped.
        {"uniform 30 MPa", sounding_of({}, 30), 15, 30, 30, 30, kNenBaseCeiling},
        // Tip 1 m deep: the upper zone is cut at the ground.
        {"shallow tip", sounding_of({}), 1, 10, 10, 10, 7.0},
        // Readings to 1 m below the tip (0.7 D = 0.316 m, 4 D = 1.805 m): d is sought to their end.
        {"readings to 1 m below", sounding_of({}, 10, 16), 15, 10, 10, 10, 7.0},
        // Readings to 0.2 m below the tip, less than 0.7 D: no base.
        {"readings to 0.2 m below", sounding_of({}, 10, 15.2), 15, 0, 0, 0, 0.0, false},
    };
    for (const Case& c : cases) {
        const NenBase b = nen_base_resistance(c.sounding, c.tip, kDeq, 0.7);
        EXPECT_EQ(b.complete, c.complete) << c.what;
        EXPECT_NEAR(b.qc_i, c.qc_i, 1e-9) << c.what;
        EXPECT_NEAR(b.qc_ii, c.qc_ii, 1e-9) << c.what;
        EXPECT_NEAR(b.qc_iii, c.qc_iii, 1e-9) << c.what;
        EXPECT_NEAR(b.q_b_max, c.q_b, 1e-9) << c.what;
    }
    // With 8 D = 3.61082 m: (15 + 2.11082 x 2) / 3.61082 = 5.3234 (5.324 when 8 D is rounded first).
    EXPECT_NEAR(nen_base_resistance(sounding_of({{12.5, 13.5, 2}}), 15, kDeq, 0.7).qc_iii, 5.3234, 1e-4);
    EXPECT_NEAR(nen_base_resistance(sounding_of({{12.5, 13.5, 2}}), 15, kDeq, 0.7).q_b_max, 5.363, 5e-4);
    EXPECT_NEAR(nen_base_resistance(sounding_of({{15.5, 16.0, 2}}), 15, kDeq, 0.7).lower_depth, 1.0, 1e-12);
}

TEST(NenShaft, HardLayersAreCutByThickness) {
    struct Case {
        const char* what;
        NenSounding sounding;
        std::vector<NenHardLayer> layers;
    };
    const Case cases[] = {
        // N3: 0.6 m of 20 MPa is thin (12), 2 m is thick (15).
        {"N3", sounding_of({{5.0, 5.6, 20}, {8.0, 10.0, 20}}), {{5.0, 5.6, 12}, {8.0, 10.0, 15}}},
        // 10 at 0 m rising to 14 at 4 m: above 12 from 2 m to the end of the readings.
        {"ramp", {{0, 10}, {4, 14}}, {{2, 4, 15}}},
        // 10, 13 at 1.5 m, 10 at 3 m: above 12 from 1 to 2 m, exactly 1 m, so not thinner.
        {"1 m peak", {{0, 10}, {1.5, 13}, {3, 10}}, {{1, 2, 15}}},
        // 12 MPa itself is not above 12.
        {"at 12", {{0, 12}, {5, 12}}, {}},
    };
    for (const Case& c : cases) {
        const auto layers = nen_hard_layers(c.sounding);
        ASSERT_EQ(layers.size(), c.layers.size()) << c.what;
        for (std::size_t i = 0; i < layers.size(); ++i) {
            EXPECT_NEAR(layers[i].top, c.layers[i].top, 1e-12) << c.what;
            EXPECT_NEAR(layers[i].bottom, c.layers[i].bottom, 1e-12) << c.what;
            EXPECT_DOUBLE_EQ(layers[i].ceiling, c.layers[i].ceiling) << c.what;
        }
    }
    const auto n3 = nen_hard_layers(sounding_of({{5.0, 5.6, 20}, {8.0, 10.0, 20}}));
    EXPECT_DOUBLE_EQ(nen_shaft_cone_resistance(n3, 5.3, 20), 12);
    EXPECT_DOUBLE_EQ(nen_shaft_cone_resistance(n3, 9.0, 20), 15);
    EXPECT_DOUBLE_EQ(nen_shaft_cone_resistance(n3, 7.0, 10), 10);
}

// The square pile in one sand layer to 24 m, with the sounding given in kPa (S.I.) or psf
// (English, converted exactly: 1 ksf = 47.88025898 kPa, 1 ft = 0.3048 m).
struct SquarePile {
    static ProjectRecords project(bool english, int loading = 0, double increment = 0.6) {
        const double m = english ? 1 / 0.3048 : 1;
        ProjectRecords p = test::project();
        p.unit_system_code = english ? 1 : 2;
        p.pile_type_code = static_cast<int>(PileType::PrecastConcrete);
        p.perimeter = english ? 1600 / 25.4 : 1600;
        p.tip_area = english ? 0.16 / (0.0254 * 0.0254) : 0.16;
        p.modulus_of_elasticity = english ? 4.35e6 : 3e7;
        p.total_pile_length = 15 * m;
        p.computation_increment = increment * m;
        p.deepest_soil_depth = 24 * m;
        p.offshore_data_flag = 1;
        p.loading_type_code = loading;
        p.load_transfer_method_code = code_of(Method::Nen9997);
        p.method_selection_flags = MethodFlags{};
        (*p.method_selection_flags)[index_of(Method::Nen9997)] = 1;
        test::add_layer(p, test::sand_layer(0, 24 * m, english ? 63.66 : 10, 32, 0.8, 20));
        return p;
    }
    static CptProfile cpt(bool english, const NenSounding& s) {
        CptProfile c{english ? 1 : 2, {}};
        for (const NenReading& r : s)
            c.points.push_back({english ? r.depth / 0.3048 : r.depth,
                                english ? r.qc * 1e6 / 47.88025898033584 : r.qc * 1000});
        return c;
    }
};

TEST(NenCapacity, WorkedCasesInBothUnitSystems) {
    struct Case {
        const char* what;
        NenSounding sounding;
        double base, shaft;  // kN
    };
    const Case cases[] = {
        // N1: 7 MPa x 0.16 = 1120 kN; 0.010 x 10 MPa x 15 m x 1.6 m = 2400 kN.
        {"N1", sounding_of({}), 1120.0, 2400.0},
        // N2: 5.3634 x 0.16 = 858.1 kN; 0.010 x (150 - 8) x 1.6 = 2272 kN.
        {"N2", sounding_of({{12.5, 13.5, 2}}), 858.1, 2272.0},
        // N3: 1120 kN; 0.010 x (150 - 26 + 0.6 x 12 + 2 x 15) x 1.6 = 2579.2 kN.
        {"N3", sounding_of({{5.0, 5.6, 20}, {8.0, 10.0, 20}}), 1120.0, 2579.2},
    };
    constexpr double kKnPerKip = 4.4482216152605;
    for (const Case& c : cases) {
        for (bool english : {false, true}) {
            const test::PhaseRun run(SquarePile::project(english), SquarePile::cpt(english, c.sounding));
            const CapacityCurve& curve = run.curve();
            ASSERT_EQ(curve.method, Method::Nen9997);
            const double k = english ? kKnPerKip : 1.0;
            // The perimeter is held as a diameter (1600 / 3.1416 mm) and given back with pi = 3.14159:
            // 1.6 m less 4 mm/km, 0.01 kN on the shaft.
            EXPECT_NEAR(curve.end_bearing.back() * k, c.base, 0.05) << c.what << english;
            EXPECT_NEAR(curve.skin_friction.back() * k, c.shaft, 0.05) << c.what << english;
            EXPECT_NEAR(curve.ultimate.back() * k, c.base + c.shaft, 0.1) << c.what << english;
        }
    }
}

// Segments of 0.5 m put the steps of N2 (12.5 and 13.5 m) and N3 (5.0 and 10.0 m) on segment
// ends: the segment above a step reads the value above it down to its end, as with 0.6 m segments
// where the steps fall inside them. Read as a ramp from 2 MPa at 13.0 m to the 10 MPa under the
// step at 13.5 m, N2's upper path would follow the ramp: qc,III = (1.5 x 10 + 0.5 x 6 + 1.611 x 2)
// / 3.611 = 5.877 instead of 5.323, and R_b = 0.35 (10 + 5.877) x 160 = 889 kN instead of 858.1.
TEST(NenCapacity, AStepOnASegmentEndIsReadOnEachSide) {
    const NenSounding soundings[] = {sounding_of({{12.5, 13.5, 2}}),
                                     sounding_of({{5.0, 5.6, 20}, {8.0, 10.0, 20}})};
    // Sand split into layers at 12 m: the step at 12.5 m is then the first row of the lower layer,
    // which the shared readings give the segment from 12.5 m at its top, above the step.
    ProjectRecords split = SquarePile::project(false, 0, 0.5);
    split.soil_points.clear();
    test::add_layer(split, test::sand_layer(0, 12, 10, 32, 0.8, 20));
    test::add_layer(split, test::sand_layer(12, 24, 10, 32, 0.8, 20));
    for (const NenSounding& s : soundings) {
        const test::PhaseRun fine(SquarePile::project(false, 0, 0.6), SquarePile::cpt(false, s));
        for (const ProjectRecords& p : {SquarePile::project(false, 0, 0.5), split}) {
            const test::PhaseRun on_ends(p, SquarePile::cpt(false, s));
            EXPECT_NEAR(on_ends.curve().end_bearing.back(), fine.curve().end_bearing.back(), 1e-6);
            EXPECT_NEAR(on_ends.curve().skin_friction.back(), fine.curve().skin_friction.back(), 0.02);
            ASSERT_FALSE(on_ends.curve().koppejan.empty());
            EXPECT_NEAR(on_ends.curve().koppejan.back().qc_iii, fine.curve().koppejan.back().qc_iii, 1e-9);
        }
    }
}

// A sounding that ends 1 m below the tip (0.7 D = 0.316 m, 4 D = 1.805 m): the lower zone is
// sought down to the last row, not over values held below it; the sounding of 10 MPa down to
// 16 m and 2 MPa held beyond would otherwise pull qc,I down. One that ends 0.2 m below it has no
// base, whatever the segments hold below.
TEST(NenCapacity, TheBaseSeesWhereTheSoundingEnds) {
    struct Case {
        double last_depth;
        bool complete;
        double base;  // kN
    };
    const Case cases[] = {{16.0, true, 1120.0}, {15.2, false, 0.0}};
    for (const Case& c : cases) {
        const NenSounding s{{0, 10}, {c.last_depth, 10}, {c.last_depth, 2}};
        const test::PhaseRun run(SquarePile::project(false), SquarePile::cpt(false, s));
        ASSERT_FALSE(run.curve().koppejan.empty());
        EXPECT_EQ(run.curve().koppejan.back().complete, c.complete) << c.last_depth;
        EXPECT_NEAR(run.curve().end_bearing.back(), c.base, 0.05) << c.last_depth;
    }
}

TEST(NenCapacity, NoCapacityForAPileClassWithoutFactors) {
    ProjectRecords p = SquarePile::project(false);
    p.pile_type_code = static_cast<int>(PileType::SteelPipe);
    p.perimeter = 0;
    p.tip_area = 0;
    p.outside_diameter = 450;
    const test::PhaseRun run(p, SquarePile::cpt(false, sounding_of({})));
    EXPECT_DOUBLE_EQ(run.curve().ultimate.back(), 0.0);
}

}  // namespace
}  // namespace torve
