// The downdrag solver against the rigid-plastic closed form worked by hand and against the
// load-settlement solver where the soil does not settle.
#include "engine/driver/downdrag_solution.h"

#include <gtest/gtest.h>

#include <cmath>

namespace torve {
namespace {

// The hand pile, S.I. (kN, m): closed-end, D = 0.6 m, L = 20 m, E = 2.0e8 kPa, A = pi/4 0.6^2 =
// 0.28274 m2, so AE = 5.6549e7 kN. Uniform unit friction f = 50 kPa, mobilised linearly over 2.5 mm
// and held; perimeter P = 3.1416 x 0.6 = 1.88496 m, so F = f P = 94.248 kN/m. Unit end bearing
// 3000 kPa on 0.28274 m2: R_t = 848.23 kN, mobilised linearly over 0.1 D = 60 mm.
constexpr double kLength = 20, kDiameter = 0.6, kAe = 2.0e8 * 0.282743, kF = 50 * 3.1416 * 0.6;
constexpr double kToe = 848.23;

std::vector<TzCurve> hand_springs(int segments) {
    TzCurve c;
    c.sand = true;
    c.tmax = 50;
    for (std::size_t k = 0; k < kPointsPerTzCurve; ++k) {
        c.movement[k] = 0.0025 * static_cast<double>(k) / 4;  // 0 .. 5.6 mm, the peak at point 4
        c.transfer[k] = 50 * std::min(1.0, static_cast<double>(k) / 4);
    }
    std::vector<TzCurve> out(static_cast<std::size_t>(segments), c);
    const double h = kLength / segments;
    for (int s = 0; s < segments; ++s) out[static_cast<std::size_t>(s)].depth = (s + 0.5) * h;
    return out;
}

QwCurve hand_tip() {
    QwCurve q;
    for (std::size_t k = 0; k < kPointsPerTzCurve; ++k) {
        q.movement[k] = 0.06 * static_cast<double>(k) / 9;
        q.load[k] = kToe * static_cast<double>(k) / 9;
    }
    return q;
}

AxialStiffness hand_stiffness() {
    AxialStiffness s;
    s.depth = {0};
    s.ae = {kAe};
    return s;
}

// Settlement linear from `at_head` (m) at the ground to nothing at the toe.
SettlementProfile linear_settlement(double at_head) {
    return {{0, kLength}, {at_head, 0}};
}

DowndragSolution solve_hand(double head_load, double at_head, int segments = 200) {
    return solve_downdrag(hand_springs(segments), hand_tip(), hand_stiffness(), kLength, kDiameter, 0,
                          linear_settlement(at_head), head_load);
}

TEST(DowndragSolution, LargeSettlementReachesTheRigidPlasticClosedForm) {
    // z_n = (F L + R_t - Q_d) / (2F), Q_max = Q_d + F z_n, DF = F z_n; the soil settles 1000 mm at the
    // ground, so every spring away from z_n is far past its peak and the toe, moving about 430 mm,
    // is fully mobilised.
    struct Case {
        double head_load, neutral_plane, max_load, drag_force;
    };
    for (const Case c : {Case{200, 13.439, 1466.6, 1266.6}, Case{600, 11.317, 1666.6, 1066.6},
                         Case{1000, 9.195, 1866.6, 866.6}}) {
        SCOPED_TRACE(c.head_load);
        const DowndragSolution s = solve_hand(c.head_load, 1.0);
        ASSERT_TRUE(s.solved);
        EXPECT_NEAR(s.head_load, c.head_load, 1e-6 * c.head_load);
        EXPECT_NEAR(s.neutral_plane, c.neutral_plane, 0.01 * c.neutral_plane);
        EXPECT_NEAR(s.max_load_depth, c.neutral_plane, 0.01 * c.neutral_plane);
        EXPECT_NEAR(s.max_load, c.max_load, 0.01 * c.max_load);
        EXPECT_NEAR(s.max_load - s.head_load, c.drag_force, 0.01 * c.drag_force);
        EXPECT_NEAR(s.toe_load, kToe, 1e-9);
        // Equilibrium alone on the same peak friction and toe load: the closed form, linear within
        // a segment, so to rounding.
        ASSERT_TRUE(s.equilibrium_neutral_plane);
        EXPECT_NEAR(*s.equilibrium_neutral_plane, (kF * kLength + kToe - c.head_load) / (2 * kF), 1e-9);
        // The resistance from below, R_t + F (L - z): the whole capacity 94.248 x 20 + 848.23 =
        // 2733.2 kN at the head, the toe load at the toe, and the maximum load where the neutral
        // plane of equilibrium lies (Q_d + F z_n = R_t + F (L - z_n)).
        EXPECT_NEAR(s.nodes.front().resistance, 2733.2, 0.1);
        EXPECT_NEAR(s.nodes.back().resistance, kToe, 1e-9);
        const std::size_t at = static_cast<std::size_t>(std::lround(c.neutral_plane / (kLength / 200)));
        EXPECT_NEAR(s.nodes[at].resistance, c.max_load, 0.01 * c.max_load);
    }
}

TEST(DowndragSolution, HeadSettlesAsTheSoilAtTheNeutralPlanePlusTheShorteningAbove) {
    // Q_d = 600 kN: soil settlement at z_n = 1000 (1 - 11.317/20) = 434.2 mm; shortening from the head
    // to z_n = (Q_d z_n + F z_n^2 / 2) / AE = (6790 + 6035) / 5.655e7 = 0.23 mm; head 434.4 mm.
    const DowndragSolution s = solve_hand(600, 1.0);
    ASSERT_TRUE(s.solved);
    EXPECT_NEAR(s.head_movement, 0.4344, 0.01 * 0.4344);
    // The toe moves down with the soil above it less the shortening below z_n, far past 0.1 D.
    EXPECT_GT(s.toe_movement, 0.40);
    EXPECT_DOUBLE_EQ(s.toe_penetration, s.toe_movement);  // no soil settlement at the toe
    // Loads grow down to the neutral plane and fall below it.
    for (std::size_t i = 1; i < s.nodes.size(); ++i) {
        if (s.nodes[i].depth < s.neutral_plane - 0.2) {
            EXPECT_GT(s.nodes[i].load, s.nodes[i - 1].load);
        }
        if (s.nodes[i - 1].depth > s.neutral_plane + 0.2) {
            EXPECT_LT(s.nodes[i].load, s.nodes[i - 1].load);
        }
    }
}

TEST(DowndragSolution, SoilThatDoesNotSettleGivesTheLoadSettlementCurve) {
    const std::vector<TzCurve> springs = hand_springs(40);
    const LoadSettlement ls =
        solve_load_settlement(springs, hand_tip(), hand_stiffness(), kLength, kDiameter);
    for (const LoadLevel& level : ls.levels) {
        SCOPED_TRACE(level.head_load);
        const DowndragSolution s = solve_downdrag(springs, hand_tip(), hand_stiffness(), kLength, kDiameter,
                                                  0, {{0}, {0}}, level.head_load);
        ASSERT_TRUE(s.solved);
        EXPECT_NEAR(s.head_movement, level.head_movement, 1e-6);
        EXPECT_NEAR(s.toe_movement, level.tip_movement, 1e-6);
        EXPECT_DOUBLE_EQ(s.max_load, s.head_load);  // no drag force: the load only falls down the pile
        EXPECT_DOUBLE_EQ(s.neutral_plane, 0);       // the pile moves past the soil all along
    }
}

TEST(DowndragSolution, NeutralPlaneRisesWithTheHeadLoadAndSinksWithTheSettlement) {
    double above = kLength + 1;
    for (double q : {0.0, 300.0, 600.0, 1200.0, 1800.0, 2400.0}) {
        const DowndragSolution s = solve_hand(q, 0.1);
        ASSERT_TRUE(s.solved) << q;
        EXPECT_LT(s.neutral_plane, above) << q;
        above = s.neutral_plane;
    }
    // Small settlements mobilise only part of the toe: the plane moves down as the toe takes more.
    double below = -1;
    for (double at_head : {0.003, 0.01, 0.03, 0.1, 0.3, 1.0}) {
        const DowndragSolution s = solve_hand(600, at_head);
        ASSERT_TRUE(s.solved) << at_head;
        EXPECT_GE(s.neutral_plane, below - 1e-9) << at_head;
        EXPECT_GT(s.max_load - s.head_load, 0) << at_head;
        below = s.neutral_plane;
    }
}

TEST(DowndragSolution, LoadBeyondCapacityHasNoSolution) {
    // Capacity F L + R_t = 1884.96 + 848.23 = 2733.2 kN.
    const DowndragSolution s = solve_hand(2800, 1.0);
    EXPECT_FALSE(s.solved);
    EXPECT_NEAR(s.capacity, kF * kLength + kToe, 1e-6);
    EXPECT_TRUE(solve_hand(2700, 1.0).solved);
}

}  // namespace
}  // namespace torve
