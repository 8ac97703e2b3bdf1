// Friction angle from blow counts: points worked out by hand from the three stress curves.
#include "engine/methods/spt_friction_angle.h"

#include <gtest/gtest.h>

namespace torve {
namespace {

TEST(SptFrictionAngle, LowOverburdenBlendsCurvesAAndB) {
    EXPECT_DOUBLE_EQ(friction_angle_from_spt(10, 0), 38);    // curve A
    EXPECT_DOUBLE_EQ(friction_angle_from_spt(10, 20), 32);   // 38 - (38 - 32) x 20/20
    EXPECT_DOUBLE_EQ(friction_angle_from_spt(4, 10), 32);    // 34 - (34 - 30) x 10/20
    EXPECT_DOUBLE_EQ(friction_angle_from_spt(30, 10), 42);   // 39 + (45 - 39) x 10/20
    EXPECT_DOUBLE_EQ(friction_angle_from_spt(12.5, 0), 40);  // A between 10 and 15
    EXPECT_DOUBLE_EQ(friction_angle_from_spt(0, 0), 0);
    EXPECT_DOUBLE_EQ(friction_angle_from_spt(1, 0), 16);  // A between 0 and 2
}

TEST(SptFrictionAngle, MiddleOverburdenBlendsCurvesBAndC) {
    EXPECT_DOUBLE_EQ(friction_angle_from_spt(10, 30), 31.5);  // 32 - (32 - 31) x 10/20
    EXPECT_DOUBLE_EQ(friction_angle_from_spt(8, 25), 31);     // 30 + 0.5 x 2
    EXPECT_DOUBLE_EQ(friction_angle_from_spt(5, 25), 30);
    EXPECT_DOUBLE_EQ(friction_angle_from_spt(100, 30), 50);
    EXPECT_DOUBLE_EQ(friction_angle_from_spt(60, 30), 42.5);  // C(60) = 40: 40 + 5 x 10/20
    EXPECT_DOUBLE_EQ(friction_angle_from_spt(55, 30), 42);    // B(55) = 45, C(55) = 39
    // N of 55 or more at low stress follows the middle band with the same stress
    EXPECT_DOUBLE_EQ(friction_angle_from_spt(60, 10), 47.5);  // 40 + 5 x 30/20
}

TEST(SptFrictionAngle, HighOverburdenUsesCurveCClampedAtItsEnds) {
    EXPECT_DOUBLE_EQ(friction_angle_from_spt(30, 40), 36);
    EXPECT_DOUBLE_EQ(friction_angle_from_spt(42.5, 60), 37.5);
    EXPECT_DOUBLE_EQ(friction_angle_from_spt(10, 50), 31);  // N at or below 10: C(10)
    EXPECT_DOUBLE_EQ(friction_angle_from_spt(3, 50), 31);
    EXPECT_DOUBLE_EQ(friction_angle_from_spt(95, 45), 44);  // N at or above 90: C(90)
}

}  // namespace
}  // namespace torve
