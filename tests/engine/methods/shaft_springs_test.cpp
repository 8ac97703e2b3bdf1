// The settlement solver's shaft springs, worked by hand on a pile with a stickup.
#include "engine/methods/shaft_springs.h"

#include <gtest/gtest.h>

#include "engine/driver/input_reader.h"
#include "engine/driver/soil_spacing.h"
#include "tests/support/project_text.h"

namespace torve {
namespace {

// 24 in pile, 60 ft embedded with 5 ft of stickup, increments of 1 ft, soil to 100 ft: sand from 0
// to 20 ft (phi 30 at the top, 34 at the bottom), clay below. The solver cuts the 65 ft into the 100
// soil segments' count of pieces: h = 780 in / 100 = 7.8 in, a shaft area of 3.1416 x 24 x 7.8 in2.
struct Pile {
    InputData in;
    PileGeometry pile;
    SoilProfile profile;
    Pile() {
        ProjectRecords p = test::project();
        p.stickup_length = 5;
        test::add_layer(p, test::sand_layer(0, 20, 60, 30, 0.8, 20));
        p.soil_points[1].friction_angle = 34;
        test::add_layer(p, test::clay_layer(20, 100, 50, 1500, 700));
        in = parse_input_data(test::text_of(p), "p.tv6d");
        const long long n = segment_count(in.deepest_soil_depth, in.computation_increment);
        align_soil_points(in.soil, in.computation_increment);
        pile = pile_geometry(in, units_of(in.units));
        profile = build_soil_profile(in, units_of(in.units), static_cast<int>(n));
    }
    std::vector<TzCurve> springs(const std::vector<double>& side_resistance) const {
        LoadTransferInput input;
        input.side_resistance = side_resistance;
        return shaft_springs(in, units_of(in.units), pile, profile, input, 780, profile.count());
    }
};

constexpr double kShaftArea = 3.1416 * 24 * 7.8;  // in2 of one solver segment

TEST(ShaftSprings, SideResistanceBetweenRows) {
    const std::vector<double> q = {0, 2, 4, 10};  // kips at rows 0, 0.5, 1.0, 1.5 ft
    const struct {
        double depth, expected;
    } cases[] = {{-1, 0}, {0, 0}, {0.25, 1}, {0.5, 2}, {1.25, 7}, {1.5, 10}, {3, 10}};
    for (const auto& c : cases)
        EXPECT_NEAR(side_resistance_at(q, 0.5, c.depth), c.expected, 1e-12) << c.depth;
    EXPECT_EQ(side_resistance_at({}, 0.5, 1), 0.0);
}

TEST(ShaftSprings, UniformFrictionWorkedByHand) {
    const Pile s;
    std::vector<double> q;  // 2 kips per foot of penetration
    for (int i = 0; i < s.pile.rows; ++i) q.push_back(2.0 * i);
    const std::vector<TzCurve> springs = s.springs(q);
    ASSERT_EQ(springs.size(), 100u);
    const struct {
        std::size_t segment;
        double tmax;  // lb/in2
        const char* why;
    } cases[] = {
        // bottom at 7 x 0.65 = 4.55 ft from the head, 0.45 ft above the ground
        {6, 0.0, "wholly in the stickup"},
        // from 0.45 ft above to 0.2 ft below the ground: 0.2 ft x 2 kips/ft = 400 lb
        {7, 400 / kShaftArea, "across the ground surface"},
        // 27.5 to 28.15 ft: 0.65 ft x 2 kips/ft = 1300 lb, i.e. 2000 / (3.1416 x 24 x 12) lb/in2
        {50, 1300 / kShaftArea, "in the clay"},
        // 59.35 to 60 ft
        {99, 1300 / kShaftArea, "at the tip"},
    };
    for (const auto& c : cases) EXPECT_NEAR(springs[c.segment].tmax, c.tmax, 1e-9) << c.why;
    double carried = 0;  // lb, fully mobilised
    for (const TzCurve& c : springs) carried += c.tmax * kShaftArea;
    EXPECT_NEAR(carried, 120000, 1e-6);  // 120 kips at the tip
    // Each spring at its segment's middle: spring 50 at 50.5 x 7.8 in, 32.825 - 5 ft below the ground.
    EXPECT_DOUBLE_EQ(springs[50].depth, 50.5 * 7.8);
    EXPECT_NEAR(springs[50].ground_depth, 27.825, 1e-12);
}

TEST(ShaftSprings, SoilKindAndFrictionAngleOfTheLayerAtMidSegment) {
    const Pile s;
    std::vector<double> q;
    for (int i = 0; i < s.pile.rows; ++i) q.push_back(2.0 * i);
    const std::vector<TzCurve> springs = s.springs(q);
    // Segment 37 has its middle 19.375 ft below the ground (sand), 38 at 20.025 ft (clay).
    EXPECT_TRUE(springs[37].sand);
    EXPECT_DOUBLE_EQ(springs[37].movement[7], 0.1);  // API sand: full at 0.1 in
    EXPECT_FALSE(springs[38].sand);
    EXPECT_DOUBLE_EQ(springs[38].movement[5], 0.24);  // API clay: peak at 0.01 D
    // Segment 23 at 15.275 - 5 = 10.275 ft: phi = 30 + 4 x 10.275 / 20
    EXPECT_NEAR(springs[23].friction_angle, 30 + 4 * 10.275 / 20, 1e-12);
    // The stickup's springs carry nothing at any movement.
    for (double t : springs[3].transfer) EXPECT_EQ(t, 0.0);
}

TEST(ShaftSprings, FrictionConcentratedAtTheTipStaysThere) {
    // 50 kips gained in the last foot only (59 to 60 ft), as a friction that falls off steeply with
    // the height above the tip gives. Curves at three depths per layer, read between, spread it
    // over the lower half of the layer; the springs keep it in the two segments that hold it:
    // 59.35 - 59 = 0.35 ft of it in segment 98 (58.7 to 59.35 ft), 0.65 ft in segment 99.
    const Pile s;
    std::vector<double> q(static_cast<std::size_t>(s.pile.rows), 0.0);
    q.back() = 50;
    const std::vector<TzCurve> springs = s.springs(q);
    for (std::size_t k = 0; k < 98; ++k) EXPECT_EQ(springs[k].tmax, 0.0) << k;
    EXPECT_NEAR(springs[98].tmax * kShaftArea, 17500, 1e-6);
    EXPECT_NEAR(springs[99].tmax * kShaftArea, 32500, 1e-6);
}

}  // namespace
}  // namespace torve
