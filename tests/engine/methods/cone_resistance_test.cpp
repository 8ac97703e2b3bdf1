// qc of a segment: its own value, the CPT profile, or the estimate from the blow count.
#include "engine/methods/cone_resistance.h"

#include <gtest/gtest.h>

#include <tuple>

namespace torve {
namespace {

Segment segment(double top, double bottom, bool sand, double qc, double n_or_ysr) {
    Segment s;
    s.top = top;
    s.bottom = bottom;
    s.sand = sand;
    s.cone_resistance = qc;
    s.cone_resistance_top = s.cone_resistance_bottom = qc;
    s.blow_count_ysr = n_or_ysr;
    s.blow_count_top = s.blow_count_bottom = n_or_ysr;
    return s;
}

CptProfile profile(std::initializer_list<CptPoint> points) {
    CptProfile p;
    p.points = points;
    return p;
}

TEST(ConeResistance, OwnValueBeforeTheProfileBeforeTheEstimate) {
    const CptProfile cpt = profile({{10, 100000}, {30, 200000}});
    EXPECT_DOUBLE_EQ(
        segment_cone_resistance(segment(19, 20, true, 50000, 20), cpt, units_of(UnitSystem::English)),
        50.0);  // psf -> ksf
    EXPECT_DOUBLE_EQ(segment_cone_resistance(segment(19, 20, true, 50000, 20), cpt, units_of(UnitSystem::SI)),
                     50000);
    // No own value: the profile at the mid-depth 19.5 ft, 100 000 + 9.5/20 x 100 000 psf
    EXPECT_DOUBLE_EQ(
        segment_cone_resistance(segment(19, 20, true, 0, 20), cpt, units_of(UnitSystem::English)), 147.5);
    EXPECT_DOUBLE_EQ(
        segment_cone_resistance(segment(19, 20, true, 9e-6, 20), cpt, units_of(UnitSystem::English)), 147.5);
    // Neither: 2.8 pa N, pa = 2.0885546 ksf or 100 kPa
    EXPECT_DOUBLE_EQ(segment_cone_resistance(segment(19, 20, true, 0, 20), {}, units_of(UnitSystem::SI)),
                     5600);
    EXPECT_DOUBLE_EQ(segment_cone_resistance(segment(19, 20, true, 0, 20), {}, units_of(UnitSystem::English)),
                     2.8 * static_cast<double>(2.0885546f) * 20);
    // A clay segment carries its YSR where sand has N: no estimate
    EXPECT_EQ(segment_cone_resistance(segment(19, 20, false, 0, 2.5), {}, units_of(UnitSystem::SI)), 0.0);
}

TEST(ConeResistance, ProfileLookup) {
    const CptProfile cpt = profile({{2, 1000}, {4, 3000}, {4, 5000}, {10, 8000}});
    EXPECT_DOUBLE_EQ(cpt_profile_at(cpt, 0), 1000);  // above the first point
    EXPECT_DOUBLE_EQ(cpt_profile_at(cpt, 2), 1000);
    EXPECT_DOUBLE_EQ(cpt_profile_at(cpt, 3), 2000);
    EXPECT_DOUBLE_EQ(cpt_profile_at(cpt, 4), 5000);  // a step: the lower of two points at one depth
    EXPECT_DOUBLE_EQ(cpt_profile_at(cpt, 7), 6500);
    EXPECT_DOUBLE_EQ(cpt_profile_at(cpt, 12), 8000);  // below the last point
    const CptProfile single = profile({{5, 700}});
    EXPECT_DOUBLE_EQ(cpt_profile_at(single, 1), 700);
    EXPECT_DOUBLE_EQ(cpt_profile_at(single, 9), 700);
}

TEST(ConeResistance, ProfileOfThousandRowsMatchesLinearSearch) {
    CptProfile cpt;
    for (int i = 0; i < 1000; ++i) cpt.points.push_back({0.1 * i, 20000 + 300.0 * i + (i % 7) * 50.0});
    for (double z = -0.05; z < 101; z += 0.37) {
        const auto& p = cpt.points;
        double expected = z <= p.front().depth ? p.front().qc : p.back().qc;
        for (std::size_t i = 1; i < p.size(); ++i) {
            if (z > p[i - 1].depth && z <= p[i].depth) {
                expected = p[i - 1].qc +
                           (p[i].qc - p[i - 1].qc) * (z - p[i - 1].depth) / (p[i].depth - p[i - 1].depth);
                break;
            }
        }
        EXPECT_NEAR(cpt_profile_at(cpt, z), expected, 1e-9) << z;
    }
}

TEST(ConeResistance, WholeProfileWalkAgreesWithTheLookupOfEachSegment) {
    // Segments of 0.2 m against soundings at 0.35 m with a step and points shared with mid-depths;
    // some segments have their own qc.
    CptProfile cpt;
    for (int i = 1; i < 60; ++i) cpt.points.push_back({0.35 * i, 1000.0 * i - (i == 20 ? 5000 : 0)});
    cpt.points.push_back({0.35 * 59, 90000});
    SoilProfile profile;
    for (int k = 0; k < 120; ++k) {
        profile.segments.push_back(segment(0.2 * k, 0.2 * (k + 1), k % 3 != 0, k % 17 == 0 ? 4000 : 0, 10));
    }
    for (UnitSystem system : {UnitSystem::English, UnitSystem::SI}) {
        const std::vector<double> all = segment_cone_resistances(profile, cpt, units_of(system));
        for (std::size_t k = 0; k < all.size(); ++k) {
            EXPECT_DOUBLE_EQ(all[k], segment_cone_resistance(profile.segments[k], cpt, units_of(system)))
                << k;
        }
    }
    const std::vector<double> estimated = segment_cone_resistances(profile, {}, units_of(UnitSystem::SI));
    EXPECT_DOUBLE_EQ(estimated[1], 2800);  // sand, N = 10
    EXPECT_EQ(estimated[3], 0.0);          // clay
}

TEST(ConeResistance, NegativeReadingsCountAsZero) {
    // Near the mudline soundings can read below zero.
    const CptProfile cpt = profile({{0, -40}, {1, 60}});
    EXPECT_EQ(segment_cone_resistance(segment(0, 0.2, true, 0, 0), cpt, units_of(UnitSystem::SI)), 0.0);
    EXPECT_DOUBLE_EQ(segment_cone_resistance(segment(0.6, 0.8, true, 0, 0), cpt, units_of(UnitSystem::SI)),
                     30);
}

// A segment of the layer from `layer_top` to `layer_bottom` that takes its qc from the profile.
Segment in_layer(double top, double bottom, double layer_top, double layer_bottom) {
    Segment s = segment(top, bottom, true, 0, 0);
    s.layer_top = layer_top;
    s.layer_bottom = layer_bottom;
    return s;
}

TEST(ConeResistance, EachLayerReadsItsOwnSideOfAStep) {
    // Sand (20 MPa) over clay (3 MPa) at 25 m, the step given as two rows at one depth just above,
    // on or just below the boundary, between rows 4 cm apart. Whichever side the step lies, the
    // sand ends on 20 000 kPa and the clay starts on 3000 kPa; mid-depths read their own layer.
    struct Case {
        const char* placement;
        double step;
    };
    const Units& si = units_of(UnitSystem::SI);
    for (const Case& c : {Case{"0.1 mm above", 24.9999}, Case{"on", 25.0}, Case{"0.1 mm below", 25.0001},
                          Case{"4 mm below", 25.004}}) {
        const CptProfile cpt = profile({{24.96, 20000}, {c.step, 20000}, {c.step, 3000}, {25.04, 3000}});
        const Segment sand = in_layer(24.9, 25.0, 0, 25);
        const Segment clay = in_layer(25.0, 25.1, 25, 30);
        EXPECT_DOUBLE_EQ(segment_cone_resistance_at(sand, 25.0, cpt, si), 20000) << c.placement;
        EXPECT_DOUBLE_EQ(segment_cone_resistance_at(clay, 25.0, cpt, si), 3000) << c.placement;
        EXPECT_DOUBLE_EQ(segment_cone_resistance(sand, cpt, si), 20000) << c.placement;
        EXPECT_DOUBLE_EQ(segment_cone_resistance(clay, cpt, si), 3000) << c.placement;
        // Without the layer the profile read across the boundary takes the other side's value at
        // 25 m for a step above it: the fault the layer bounds mend.
        if (c.step < 25) {
            EXPECT_DOUBLE_EQ(cpt_profile_at(cpt, 25.0), 3000);
        }
    }
}

TEST(ConeResistance, LayerRangeOfPoints) {
    const CptProfile cpt = profile({{1, 10}, {2, 20}, {4.999, 40}, {4.999, 50}, {6, 60}, {9, 90}});
    struct Case {
        double top, bottom;
        std::size_t first, last;  // last < first: none
    };
    const Case cases[] = {
        {0, 5, 0, 2},      // 4.999 lies within 5 mm of the bottom: the first of its two rows
        {5, 8, 3, 4},      // ... and the second opens the layer below
        {2, 6, 1, 4},      // points on both boundaries belong to the layer
        {6.5, 8.5, 1, 0},  // no point inside
        {9, 12, 5, 5},     // the last point, on the top
    };
    for (const Case& c : cases) {
        const CptRange r = cpt_points_in_layer(cpt, c.top, c.bottom, 0.005);
        if (c.last < c.first) {
            EXPECT_TRUE(r.empty()) << c.top;
        } else {
            EXPECT_EQ(r.first, c.first) << c.top;
            EXPECT_EQ(r.last, c.last) << c.top;
        }
    }
}

TEST(ConeResistance, LayerReadingsHeldAtItsBoundariesOrTakenAcrossAnEmptyLayer) {
    const Units& si = units_of(UnitSystem::SI);
    // Rows 1 m apart straddle the boundary at 15 m: the sand holds 23 200 kPa from 14.8 m to its
    // bottom and the clay 616 kPa from its top to 15.2 m, instead of the ramp between them
    // (23 200 - 22 584 x 0.2/0.4 = 11 908 kPa at 15 m).
    const CptProfile cpt = profile({{14, 22000}, {14.8, 23200}, {15.2, 616}, {17, 760}});
    EXPECT_DOUBLE_EQ(cpt_profile_at(cpt, 15.0), 11908);
    EXPECT_DOUBLE_EQ(segment_cone_resistance_at(in_layer(14.5, 15, 0, 15), 15.0, cpt, si), 23200);
    EXPECT_DOUBLE_EQ(segment_cone_resistance_at(in_layer(15, 15.5, 15, 45), 15.0, cpt, si), 616);
    // Within the layer the rows are linear as before: at 14.4 m 22 000 + 1200 x 0.4/0.8 = 22 600
    EXPECT_DOUBLE_EQ(segment_cone_resistance_at(in_layer(14, 14.5, 0, 15), 14.4, cpt, si), 22600);
    // A layer between two rows (15.5 to 16.5 m) has none of its own: the profile across it.
    EXPECT_DOUBLE_EQ(segment_cone_resistance_at(in_layer(15.5, 16, 15.5, 16.5), 16.1, cpt, si), 688);
}

TEST(ConeResistance, NodesOfASegment) {
    const Units& si = units_of(UnitSystem::SI);
    const CptProfile cpt = profile({{0.96, 5}, {1.0, 6}, {1.04, 7}, {1.08, 8}, {1.08, 2}, {1.12, 1}});
    // The segment's own rows between its ends, the step at 1.08 m with both its values; a row on
    // the segment top is its top node.
    const std::vector<ConeNode> n = segment_cone_nodes(in_layer(1.0, 1.1, 0, 2), cpt, si);
    const std::vector<std::pair<double, double>> expected = {
        {1.0, 6}, {1.04, 7}, {1.08, 8}, {1.08, 2}, {1.1, 1.5}};
    ASSERT_EQ(n.size(), expected.size());
    for (std::size_t i = 0; i < n.size(); ++i) {
        EXPECT_DOUBLE_EQ(n[i].depth, expected[i].first) << i;
        EXPECT_DOUBLE_EQ(n[i].qc, expected[i].second) << i;
    }
    // The same step on the end shared by two segments: the segment above ends at its upper value
    // and the one below starts at its lower, so that moving the step a hair into either segment
    // changes neither (the friction summed over the nodes moved by 5 kN in a 25 m sand before).
    const std::vector<ConeNode> above = segment_cone_nodes(in_layer(1.0, 1.08, 0, 2), cpt, si);
    const std::vector<ConeNode> below = segment_cone_nodes(in_layer(1.08, 1.16, 0, 2), cpt, si);
    ASSERT_EQ(above.size(), 3u);
    EXPECT_DOUBLE_EQ(above.back().qc, 8);
    ASSERT_EQ(below.size(), 3u);
    EXPECT_DOUBLE_EQ(below.front().qc, 2);
    EXPECT_DOUBLE_EQ(below.back().qc, 1);  // held below the last row
    // Read directly on either side of the step, and at the sounding's ends.
    const Segment whole = in_layer(0, 2, 0, 2);
    for (const auto& [depth, side, qc] :
         std::vector<std::tuple<double, ProfileSide, double>>{{1.08, ProfileSide::Below, 2},
                                                              {1.08, ProfileSide::Above, 8},
                                                              {1.0, ProfileSide::Below, 6},
                                                              {1.0, ProfileSide::Above, 6},
                                                              {0.96, ProfileSide::Above, 5},
                                                              {1.12, ProfileSide::Below, 1},
                                                              {1.2, ProfileSide::Above, 1}})
        EXPECT_DOUBLE_EQ(segment_cone_resistance_at(whole, depth, cpt, si, side), qc) << depth;

    // A layer's own qc and a blow count are linear through the layer: the two ends alone, each at
    // its own depth (qc 1000 + 100 z kPa; N 10 + z, 2.8 x 100 x N).
    Segment own = segment(2, 2.5, true, 1225, 12.25);
    own.cone_resistance_top = 1200;
    own.cone_resistance_bottom = 1250;
    own.blow_count_top = 12;
    own.blow_count_bottom = 12.5;
    const std::vector<ConeNode> ends = segment_cone_nodes(own, cpt, si);
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_DOUBLE_EQ(ends[0].qc, 1200);
    EXPECT_DOUBLE_EQ(ends[1].qc, 1250);
    own.cone_resistance = own.cone_resistance_top = own.cone_resistance_bottom = 0;
    EXPECT_DOUBLE_EQ(segment_cone_resistance_at(own, 2.0, {}, si), 3360);
    EXPECT_DOUBLE_EQ(segment_cone_resistance_at(own, 2.5, {}, si), 3500);

    // A segment 2.0 .. 2.5 m that reaches past its layer's bottom point at 2.3 m (a boundary
    // between segment ends): the layer's line 1000 + 100 z ends there, 1230 kPa, which holds down
    // to the segment bottom, and the point is a reading of its own.
    Segment past = segment(2, 2.5, true, 1225, 0);
    past.cone_resistance_top = 1200;
    past.cone_resistance_bottom = 1250;
    past.layer_top = 0;
    past.layer_bottom = 2.3;
    const std::vector<ConeNode> held = segment_cone_nodes(past, {}, si);
    const std::vector<std::pair<double, double>> line = {{2.0, 1200}, {2.3, 1230}, {2.5, 1230}};
    ASSERT_EQ(held.size(), line.size());
    for (std::size_t i = 0; i < held.size(); ++i) {
        EXPECT_DOUBLE_EQ(held[i].depth, line[i].first) << i;
        EXPECT_NEAR(held[i].qc, line[i].second, 1e-9) << i;
    }
}

}  // namespace
}  // namespace torve
