// Fugro-05 unit side friction of sand and unit end bearing against hand calculations
// (tests/data/offshore_hand_calculations.py).
#include "engine/methods/fugro_method.h"

#include <gtest/gtest.h>

#include "tests/engine/methods/offshore_test_values.h"

namespace torve {
namespace {

using namespace test;

double fugro(double h_over_r, bool tension) {
    return fugro_sand_friction({kSandQc, kSandStress, kPa, h_over_r, tension});
}

TEST(FugroSand, CompressionAndTension) {
    // 0.08 qc 1.6^0.05 134.16^-0.9, and 0.045 qc 1.6^0.15 134.16^-0.85
    EXPECT_NEAR(fugro(kSandH / kEquivalentRadius, false), 14.94648413, 1e-8);
    EXPECT_NEAR(fugro(kSandH / kEquivalentRadius, true), 11.25781288, 1e-8);
}

TEST(FugroSand, CloseToTheTip) {
    // h/R* = 4 takes the h/(4R*) branch with factor 1: 0.08 qc 1.6^0.05 4^-0.9
    EXPECT_NEAR(fugro(4, false), 352.803799, 1e-6);
    EXPECT_NEAR(fugro(4.4, false), 323.8022307, 1e-6);  // above 4: (h/R*)^-0.9
    EXPECT_NEAR(fugro(2, false), 176.4018995, 1e-6);    // below 4: falls linearly to the tip
    EXPECT_NEAR(fugro(2, true), 222.9311609, 1e-6);     // tension holds max(h/R*, 4)
}

TEST(FugroSand, EndBearing) {
    EXPECT_DOUBLE_EQ(fugro_sand_end_bearing(kSandQc, 914, true, false), 2250);  // 0.15 qc bound
    EXPECT_DOUBLE_EQ(fugro_sand_end_bearing(kSandQc, 914, true, true), 2250);   // plugged: the same rule
    EXPECT_DOUBLE_EQ(fugro_sand_end_bearing(kSandQc, 914, false, false), 4500);
    EXPECT_NEAR(fugro_sand_end_bearing(kSandQc, 610, false, false), 5782.294993, 1e-6);
}

}  // namespace
}  // namespace torve
