// Integral of readings linear between their depths, with steps and the value held below the last.
#include <gtest/gtest.h>

#include "engine/methods/depth_readings.h"

namespace torve {
namespace {

TEST(ReadingsIntegral, LinearPiecesStepsAndTheEnds) {
    // Readings 10 at 0 m rising to 30 at 2 m, a step down to 5 at 2 m, 5 down to 3 m.
    const ReadingsIntegral r({{0, 10}, {2, 30}, {2, 5}, {3, 5}});
    struct Case {
        double z;
        double integral;  // worked by hand
    };
    const Case cases[] = {
        {-1, 0},      // nothing above the first reading
        {0, 0},       //
        {1, 15},      // (10 + 20) / 2 x 1
        {2, 40},      // (10 + 30) / 2 x 2
        {2.5, 42.5},  // the step adds nothing; 5 x 0.5
        {3, 45},      // 40 + 5
        {4, 50},      // the last value held below: 45 + 5 x 1
    };
    for (const Case& c : cases) EXPECT_NEAR(r.at(c.z), c.integral, 1e-12) << c.z;
    EXPECT_NEAR(r.between(1, 2.5), 27.5, 1e-12);
    EXPECT_TRUE(ReadingsIntegral({}).empty());
    EXPECT_EQ(ReadingsIntegral({}).at(5), 0.0);
}

}  // namespace
}  // namespace torve
