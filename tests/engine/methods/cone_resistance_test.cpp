// qc of a segment: its own value, the CPT profile, or the estimate from the blow count.
#include "engine/methods/cone_resistance.h"

#include <gtest/gtest.h>

namespace torve {
namespace {

Segment segment(double top, double bottom, bool sand, double qc, double n_or_ysr) {
    Segment s;
    s.top = top;
    s.bottom = bottom;
    s.sand = sand;
    s.cone_resistance = qc;
    s.blow_count_ysr = n_or_ysr;
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

}  // namespace
}  // namespace torve
