// The characteristic capacity from several soundings, checked against capacities worked by hand for a
// square precast pile (a = 0.4 m, tip at 15 m in sand, alpha_p 0.7, alpha_s 0.010):
//   N1 uniform qc 10 MPa:                      R_b 1120.0 + R_s 2400.0 = 3520.0 kN
//   N2 a soft 2 MPa layer 1.5-2.5 m above tip: R_b  858.1 + R_s 2272.0 = 3130.1 kN
//   N3 20 MPa bands cut to 12 and 15 MPa:      R_b 1120.0 + R_s 2579.2 = 3699.2 kN
// and for ten uniform soundings of qc 9.0, 9.2 ... 10.8 MPa, whose capacity is 352 kN per MPa
// (0.7 * 0.5 * 2 qc * 0.16 m2 = 112 kN/MPa at the base, 0.010 * qc * 1.6 m * 15 m = 240 kN/MPa on
// the shaft).
#include "engine/model/characteristic_capacity.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/model/correlation_factors.h"
#include "engine/model/input_error.h"

namespace torve {
namespace {

TEST(CorrelationFactors, ByTheNumberOfSoundingsAndTheStiffness) {
    struct Case {
        int soundings;
        bool stiff;
        double xi3, xi4;
    };
    const Case cases[] = {
        {1, false, 1.39, 1.39},
        {2, false, 1.32, 1.32},
        {3, false, 1.30, 1.30},
        {4, false, 1.28, 1.03},
        {5, false, 1.28, 1.03},
        {6, false, 1.27, 1.01},
        {7, false, 1.27, 1.01},
        // No values are tabled for 8 and 9: those of 7, the larger.
        {8, false, 1.27, 1.01},
        {9, false, 1.27, 1.01},
        {10, false, 1.25, 1.00},
        {25, false, 1.25, 1.00},
        // A stiff structure: both divided by 1.1 (1.39 / 1.1 = 1.2636, 1.00 / 1.1 = 0.9091).
        {1, true, 1.39 / 1.1, 1.39 / 1.1},
        {3, true, 1.30 / 1.1, 1.30 / 1.1},
        {10, true, 1.25 / 1.1, 1.00 / 1.1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.soundings) + (c.stiff ? " stiff" : ""));
        const CorrelationFactors xi = correlation_factors(c.soundings, c.stiff);
        EXPECT_DOUBLE_EQ(xi.xi3, c.xi3);
        EXPECT_DOUBLE_EQ(xi.xi4, c.xi4);
    }
    EXPECT_NEAR(correlation_factors(1, true).xi3, 1.2636, 5e-5);
    EXPECT_NEAR(correlation_factors(10, true).xi4, 0.9091, 5e-5);
    EXPECT_THROW(correlation_factors(0, false), InputError);
    EXPECT_THROW(correlation_factors(-3, true), InputError);
}

SoundingCapacity at_tip(const std::string& name, double capacity) {
    return {name, {15.0}, {capacity}};
}

std::vector<SoundingCapacity> ten_uniform_soundings() {
    std::vector<SoundingCapacity> s;
    for (int i = 0; i < 10; ++i) {
        const double qc = 9.0 + 0.2 * i;
        s.push_back(at_tip("qc " + std::to_string(qc), 352.0 * qc));
    }
    return s;
}

TEST(CharacteristicCapacity, WorkedSetsOfOneThreeAndTenSoundings) {
    struct Case {
        const char* set;
        std::vector<SoundingCapacity> soundings;
        bool stiff;
        double mean, minimum, xi3, xi4, characteristic, design;
    };
    const Case cases[] = {
        // 3520.0 / 1.39 = 2532.4; / 1.2 = 2110.3
        {"N1", {at_tip("N1", 3520.0)}, false, 3520.0, 3520.0, 1.39, 1.39, 2532.4, 2110.3},
        // 3520.0 / 1.2636 = 2785.6
        {"N1 stiff", {at_tip("N1", 3520.0)}, true, 3520.0, 3520.0, 1.2636, 1.2636, 2785.6, 2321.3},
        // mean 10349.3 / 3 = 3449.8: 3449.8 / 1.30 = 2653.7 > 3130.1 / 1.30 = 2407.8, the least governs
        {"N1-N3",
         {at_tip("N1", 3520.0), at_tip("N2", 3130.1), at_tip("N3", 3699.2)},
         false,
         3449.8,
         3130.1,
         1.30,
         1.30,
         2407.8,
         2006.5},
        // 3130.1 / 1.1818 = 2648.6
        {"N1-N3 stiff",
         {at_tip("N1", 3520.0), at_tip("N2", 3130.1), at_tip("N3", 3699.2)},
         true,
         3449.8,
         3130.1,
         1.1818,
         1.1818,
         2648.6,
         2207.1},
        // mean 352 * 9.9 = 3484.8, least 352 * 9.0 = 3168.0: 3484.8 / 1.25 = 2787.8 < 3168.0 / 1.00,
        // the mean governs
        {"ten", ten_uniform_soundings(), false, 3484.8, 3168.0, 1.25, 1.00, 2787.8, 2323.2},
        // 3484.8 / 1.1364 = 3066.6 < 3168.0 / 0.9091 = 3484.8
        {"ten stiff", ten_uniform_soundings(), true, 3484.8, 3168.0, 1.1364, 0.9091, 3066.6, 2555.5},
    };
    // The capacities in and the figures out are rounded to 0.1 kN (the rounded 3130.1 gives the stiff
    // value as 2648.55 where the unrounded capacities give 2648.6): within 0.1 kN.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.set);
        const CharacteristicCapacity k = characteristic_capacity(c.soundings, c.stiff);
        ASSERT_EQ(k.depth.size(), 1u);
        EXPECT_EQ(k.capacity.size(), c.soundings.size());
        EXPECT_NEAR(k.mean[0], c.mean, 0.1);
        EXPECT_NEAR(k.minimum[0], c.minimum, 0.1);
        EXPECT_NEAR(k.xi.xi3, c.xi3, 5e-5);
        EXPECT_NEAR(k.xi.xi4, c.xi4, 5e-5);
        EXPECT_NEAR(k.characteristic[0], c.characteristic, 0.1);
        EXPECT_NEAR(k.design[0], c.design, 0.1);
    }
}

TEST(CharacteristicCapacity, TakesTheDepthsEveryTableHolds) {
    // The second table starts a row deeper and the third stops a row shorter; 1.5 m is in one only.
    const std::vector<SoundingCapacity> s = {
        {"A", {0.0, 1.0, 1.5, 2.0, 3.0}, {0.0, 100.0, 120.0, 200.0, 300.0}},
        {"B", {1.0, 2.0, 3.0}, {110.0, 190.0, 330.0}},
        {"C", {0.0, 1.0, 2.0 + 1e-9}, {0.0, 90.0, 210.0}},
    };
    const CharacteristicCapacity k = characteristic_capacity(s, false);
    ASSERT_EQ(k.depth, (std::vector<double>{1.0, 2.0}));
    EXPECT_EQ(k.capacity[1], (std::vector<double>{110.0, 190.0}));
    EXPECT_EQ(k.capacity[2], (std::vector<double>{90.0, 210.0}));
    // At 2 m: mean 200, least 190; 200 / 1.30 = 153.85 < 190 / 1.30 = 146.15, the least governs.
    EXPECT_DOUBLE_EQ(k.mean[1], 200.0);
    EXPECT_DOUBLE_EQ(k.minimum[1], 190.0);
    EXPECT_DOUBLE_EQ(k.characteristic[1], 190.0 / 1.30);
}

TEST(CharacteristicCapacity, RefusesSoundingsThatGiveNoRow) {
    struct Case {
        const char* what;
        std::vector<SoundingCapacity> soundings;
        std::string message;
    };
    const Case cases[] = {
        {"none", {}, "The characteristic capacity needs at least one sounding."},
        {"uneven",
         {{"A", {1.0, 2.0}, {5.0}}},
         "A: 2 depths and 1 capacities; each depth needs one capacity."},
        {"apart",
         {{"A", {1.0, 2.0}, {5.0, 6.0}}, {"B", {1.0}, {4.0}}, {"C", {7.0, 8.0}, {5.0, 6.0}}},
         "C: no depth of its capacity table is in every other table, so the soundings give no "
         "characteristic capacity."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            characteristic_capacity(c.soundings, false);
            ADD_FAILURE() << "not refused";
        } catch (const InputError& e) {
            EXPECT_EQ(e.what(), c.message);
        }
    }
}

}  // namespace
}  // namespace torve
