// The tip-up solver against physical checks worked by hand, on one spring per segment.
#include "engine/methods/load_settlement.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/model/units.h"

namespace torve {
namespace {

// A t-z curve at a depth that mobilises `tmax` linearly up to 0.1 in and holds it.
TzCurve linear_curve(double depth, double tmax) {
    TzCurve c;
    c.depth = depth;
    for (int k = 0; k < kPointsPerTzCurve; ++k) {
        const auto i = static_cast<std::size_t>(k);
        c.movement[i] = 0.1 * k / 9.0 * 10;  // 0 .. 1 in
        c.transfer[i] = tmax * std::min(1.0, c.movement[i] / 0.1);
    }
    return c;
}

// One spring per segment, each a copy of `curve`, for a pile of `segments` segments of h in.
std::vector<TzCurve> springs(int segments, double h, const TzCurve& curve) {
    std::vector<TzCurve> out(static_cast<std::size_t>(segments), curve);
    for (int s = 0; s < segments; ++s) out[static_cast<std::size_t>(s)].depth = (s + 0.5) * h;
    return out;
}

QwCurve linear_tip(double q_max) {
    QwCurve q;
    for (int k = 0; k < kPointsPerTzCurve; ++k) {
        q.movement[static_cast<std::size_t>(k)] = 0.05 * k;
        q.load[static_cast<std::size_t>(k)] = q_max * k / 9.0;
    }
    return q;
}

AxialStiffness constant_ae(double ae) {
    AxialStiffness s;
    s.depth = {0};
    s.ae = {ae};
    return s;
}

TEST(LoadSettlement, RigidPileMovesAsItsTip) {
    const LoadSettlement ls = solve_load_settlement(springs(60, 12, linear_curve(0, 5)), linear_tip(50000),
                                                    constant_ae(1e18), 720, 24);
    ASSERT_EQ(ls.levels.size(), 9u);
    for (const LoadLevel& l : ls.levels) {
        EXPECT_NEAR(l.head_movement, l.tip_movement, 1e-6);
        EXPECT_GT(l.head_load, l.tip_load);
    }
    // At tip movement 0.45 in every spring is at its 5 psi plateau: shaft 5 x 3.1416 x 24 x 720 lb
    EXPECT_NEAR(ls.levels.back().head_load - ls.levels.back().tip_load, 5 * 3.1416 * 24 * 720, 1e-6);
}

TEST(LoadSettlement, EndBearingPileShortensElastically) {
    const double ae = 29e6 * 36.91;  // lb
    const LoadSettlement ls = solve_load_settlement(springs(60, 12, linear_curve(0, 0)), linear_tip(300000),
                                                    constant_ae(ae), 720, 24);
    for (const LoadLevel& l : ls.levels) {
        EXPECT_DOUBLE_EQ(l.head_load, l.tip_load);  // no side resistance: the tip load reaches the head
        EXPECT_NEAR(l.head_movement - l.tip_movement, l.tip_load * 720 / ae, 1e-12);  // P L / (A E)
        for (const SegmentStep& s : l.steps) EXPECT_LE(s.iterations, 2);
    }
}

TEST(LoadSettlement, StiffnessFollowsItsTableFromTheHead) {
    AxialStiffness s;
    s.depth = {0, 600, 720};
    s.ae = {1.0e9, 1.0e9, 2.0e9};
    EXPECT_DOUBLE_EQ(s.at(300), 1.0e9);
    EXPECT_DOUBLE_EQ(s.at(660), 1.5e9);
    EXPECT_DOUBLE_EQ(s.at(800), 2.0e9);
    // Two halves of different stiffness: the shortening adds up half by half.
    AxialStiffness halves;
    halves.depth = {0, 360, 360.0000001, 720};
    halves.ae = {1.0e9, 1.0e9, 3.0e9, 3.0e9};
    const LoadSettlement ls =
        solve_load_settlement(springs(72, 10, linear_curve(0, 0)), linear_tip(90000), halves, 720, 24);
    const LoadLevel& l = ls.levels.back();
    EXPECT_NEAR(l.head_movement - l.tip_movement, 90000 * 360 / 1.0e9 + 90000 * 360 / 3.0e9, 1e-9);
}

TEST(LoadSettlement, SpringsWithoutResistanceCarryNoLoad) {
    // 780 in in 78 segments of 10 in: the 6 in the 60 in of stickup carry nothing, the 72 below 5 psi.
    std::vector<TzCurve> s = springs(78, 10, linear_curve(0, 5));
    for (std::size_t k = 0; k < 6; ++k) s[k] = linear_curve(s[k].depth, 0);
    const LoadSettlement ls = solve_load_settlement(s, linear_tip(0), constant_ae(1e18), 780, 24);
    for (const SegmentStep& step : ls.levels.back().steps)
        EXPECT_EQ(step.load_transfer == 0.0, step.mid_depth < 60);
    // the embedded 720 in at the plateau: 5 x 3.1416 x 24 x 720 lb
    EXPECT_NEAR(ls.levels.back().head_load, 5 * 3.1416 * 24 * 720, 1e-6);
}

TEST(LoadSettlement, NoSpringsNoLevels) {
    EXPECT_TRUE(solve_load_settlement({}, linear_tip(100), constant_ae(1e9), 720, 24).levels.empty());
}

TEST(LoadSettlement, NonConvergenceIsCappedAndReported) {
    // A brittle curve: 1000 lb/in2 up to 0.2 in, nothing from 0.21 in. On a soft pile a segment that
    // mobilises it shortens past 0.21 in, loses it, springs back and mobilises it again: the
    // fixed-point iteration cycles and must stop at its cap and say so.
    TzCurve brittle;
    brittle.movement = {0, 0.001, 0.1, 0.2, 0.21, 0.5, 1, 2, 5, 10};
    brittle.transfer = {0, 1000, 1000, 1000, 0, 0, 0, 0, 0, 0};
    SolverSettings settings;
    settings.iteration_cap = 25;
    const LoadSettlement ls = solve_load_settlement(springs(10, 72, brittle), linear_tip(1000),
                                                    constant_ae(1e7), 720, 24, settings);
    EXPECT_FALSE(ls.levels[0].steps[0].converged);  // tip movement 0.05 in: the cycle
    EXPECT_EQ(ls.levels[0].steps[0].iterations, 25);
    EXPECT_TRUE(ls.levels[8].steps[0].converged);  // 0.45 in: beyond the curve, nothing to cycle on
    EXPECT_EQ(ls.max_iterations, 25);
    for (const LoadLevel& l : ls.levels) EXPECT_TRUE(std::isfinite(l.head_movement));
}

// One segment (h = 720 in, D = 24 in) with t = 10 z (lb/in2, z in in), no load at the tip, and
// AE = 10 x 24 x 3.1416 x 720^2 / 4 = 97 716 326.4 lb. Each iteration gives
//   z' = z_tip + t(z) D pi h / 4 x (h/2) / AE = 0.05 + 0.5 z,
// so from z0 = 0.05 (the tip movement) z_m = 0.1 - 0.05 x 0.5^m, and iteration m stops when
// 0.05 x 0.5^m <= tolerance: m = 9 for 0.0001 (0.5^9 = 0.00195 <= 0.002 < 0.5^8), m = 15 for
// 0.0001/39.37 (5.08e-5), m = 6 for a tolerance ten times coarser.
TEST(LoadSettlement, IterationsStopAtTheToleranceWorkedByHand) {
    TzCurve linear;
    for (int k = 0; k < kPointsPerTzCurve; ++k) {
        const auto i = static_cast<std::size_t>(k);
        linear.movement[i] = 0.1 * k;
        linear.transfer[i] = 10 * linear.movement[i];
    }
    const double ae = 10 * 24 * 3.1416 * 720.0 * 720.0 / 4;
    const struct {
        const char* what;
        double tolerance;
        int iterations;
    } cases[] = {
        {"the solver's own", SolverSettings{}.tolerance, 9},
        {"English runs", units_of(UnitSystem::English).solver_tolerance, 9},
        {"S.I. runs: 0.0001 in in metres", units_of(UnitSystem::SI).solver_tolerance, 15},
        {"ten times coarser", 0.001, 6},
    };
    for (const auto& c : cases) {
        SolverSettings settings;
        settings.tolerance = c.tolerance;
        const LoadSettlement ls =
            solve_load_settlement(springs(1, 720, linear), linear_tip(0), constant_ae(ae), 720, 24, settings);
        const SegmentStep& step = ls.levels[0].steps[0];
        EXPECT_EQ(step.iterations, c.iterations) << c.what;
        EXPECT_TRUE(step.converged) << c.what;
        EXPECT_NEAR(step.average_movement, 0.1 - 0.05 * std::pow(0.5, c.iterations), 1e-12) << c.what;
    }
}

}  // namespace
}  // namespace torve
