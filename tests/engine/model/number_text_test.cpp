// Numbers of messages: limits rounded toward the values they let through.
#include "engine/model/number_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace torve {
namespace {

// A limit shown rounded must never pass the limit itself, whatever the binary product of v and the
// scale gives: 0.954 * 1000 is 953.9999999999999, 1.005 * 100 is 100.49999999999999.
TEST(NumberText, RoundedTowardTheValuesALimitLetsThrough) {
    const struct {
        double v;
        int d;
        double down, up;
    } cases[] = {
        {0.9548412538721887, 3, 0.954, 0.955},  // the largest taper of a 24 in pile 60 ft long
        {0.954, 3, 0.954, 0.954},
        {1.005, 2, 1.0, 1.01},  // 1.005 is 1.00499999999999989 in binary
        {64.0833, 2, 64.08, 64.09},
        {-0.5004, 3, -0.501, -0.5},
        {64, 3, 64, 64},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rounded_down(c.v, c.d), c.down) << c.v;
        EXPECT_EQ(rounded_up(c.v, c.d), c.up) << c.v;
        EXPECT_LE(rounded_down(c.v, c.d), c.v);
        EXPECT_GE(rounded_up(c.v, c.d), c.v);
    }
    // Just below a step: the step is beyond the value and not taken.
    const double below = std::nextafter(0.954, 0.0);
    EXPECT_EQ(rounded_down(below, 3), 0.953);
}

}  // namespace
}  // namespace torve
