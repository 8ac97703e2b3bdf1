// The head movement at a working load: the search on a pile whose head moves as its tip, worked by
// hand, and the working loads of a run.
#include "engine/driver/working_loads.h"

#include <gtest/gtest.h>

#include "engine/driver/input_reader.h"
#include "engine/driver/run_analysis.h"
#include "tests/support/project_text.h"

namespace torve {
namespace {

// A tip curve through (0, 0), (0.1, 10), (0.2, 15), (0.4, 20), then the points given after it.
QwCurve tip_curve(std::array<double, 6> movements, std::array<double, 6> loads) {
    QwCurve q;
    const double first_m[] = {0, 0.1, 0.2, 0.4}, first_l[] = {0, 10, 15, 20};
    for (std::size_t k = 0; k < 4; ++k) q.movement[k] = first_m[k], q.load[k] = first_l[k];
    for (std::size_t k = 0; k < 6; ++k) q.movement[k + 4] = movements[k], q.load[k + 4] = loads[k];
    return q;
}

// A rigid pile without shaft friction: the head carries the tip load and moves as the tip, twice
// as far (so that the head and tip movements are told apart).
LoadSettlement rigid(const QwCurve& q) {
    LoadSettlement s;
    for (std::size_t k = 1; k < kPointsPerTzCurve; ++k) {
        LoadLevel level;
        level.tip_movement = q.movement[k];
        level.tip_load = q.load[k];
        level.head_load = q.load[k];
        level.head_movement = 2 * q.movement[k];
        s.levels.push_back(level);
    }
    return s;
}

TEST(WorkingLoads, HeadMovementAtAHeadLoad) {
    const QwCurve rising = tip_curve({0.6, 0.8, 1.0, 1.2, 1.4, 1.6}, {22, 24, 26, 28, 30, 30});
    // Past its peak of 25 at 0.6 the curve softens to 21.
    const QwCurve softening = tip_curve({0.6, 0.8, 1.0, 1.2, 1.4, 1.6}, {25, 23, 22, 21, 21, 21});
    const struct {
        const char* what;
        const QwCurve& tip;
        double load;
        std::optional<double> tip_movement;  // worked by hand on the straight pieces of the curve
    } cases[] = {
        // 5 lies on the first piece, at half its 10: 0.05, where the solved levels have none.
        {"below the first level", rising, 5, 0.05},
        // 12.5 between (0.1, 10) and (0.2, 15): 0.1 + 0.1 x 2.5 / 5 = 0.15.
        {"between two levels", rising, 12.5, 0.15},
        {"at a level", rising, 20, 0.4},
        // 29 between (1.2, 28) and (1.4, 30): 1.3.
        {"near the top", rising, 29, 1.3},
        {"above every head load", rising, 31, std::nullopt},
        // 23 is reached on the way up, between (0.4, 20) and (0.6, 25): 0.4 + 0.2 x 3 / 5 = 0.52, and
        // again past the peak at 0.8; the way up counts.
        {"first crossing of a softening curve", softening, 23, 0.52},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto head = head_at_load(c.load, c.tip, rigid(c.tip), rigid, 1e-9);
        ASSERT_EQ(head.has_value(), c.tip_movement.has_value());
        if (!head) continue;
        EXPECT_NEAR(head->tip_movement, *c.tip_movement, 1e-9);
        EXPECT_NEAR(head->head_movement, 2 * *c.tip_movement, 2e-9);
    }
}

TEST(WorkingLoads, TipLoadOfTheCurve) {
    const QwCurve q = tip_curve({0.6, 0.8, 1.0, 1.2, 1.4, 1.6}, {22, 24, 26, 28, 30, 30});
    const struct { double movement, load; } cases[] = {{0, 0}, {0.05, 5}, {0.3, 17.5}, {1.6, 30}, {5, 30}};
    for (const auto& c : cases) EXPECT_NEAR(tip_load_at(q, c.movement), c.load, 1e-12) << c.movement;
}

// A 24 in closed pipe 60 ft into sand (FHWA and API RP 2A): each working load is its fraction of its
// method's capacity at the tip, and its head movement lies between those of the curve's points
// around it.
TEST(WorkingLoads, OfARunAreFractionsOfEachMethodsCapacity) {
    ProjectRecords p = test::project();
    p.inside_diameter = 0;
    test::add_layer(p, test::sand_layer(0, 100, 60, 30, 0.8, 20));
    (*p.method_selection_flags)[index_of(Method::Fhwa)] = 1;
    p.working_load_fractions = std::vector<double>{0.5, 0.25};
    const InputData in = parse_input_data(test::text_of(p), "p.tv6d");
    const RunResult r = compute_analysis(in, {});
    ASSERT_EQ(r.status, RunStatus::Completed) << r.message;
    ASSERT_EQ(r.working_loads.size(), 4u);  // FHWA and API, two fractions each, in table order
    const Method order[] = {Method::Fhwa, Method::Fhwa, Method::Api, Method::Api};
    for (std::size_t i = 0; i < 4; ++i) {
        const WorkingLoad& w = r.working_loads[i];
        const CapacityTable& t = r.methods[i / 2];
        EXPECT_EQ(w.method, order[i]);
        EXPECT_EQ(w.fraction, i % 2 == 0 ? 0.5 : 0.25);
        EXPECT_DOUBLE_EQ(w.load, w.fraction * t.total.back());
        ASSERT_TRUE(w.head_movement && w.tip_movement);
        // Between the neighbouring points of the load-settlement curve (from the origin).
        double below = 0, above = 0;
        for (const LoadLevelResult& level : r.load_levels) {
            if (level.head_load < w.load) below = level.head_movement;
            if (level.head_load >= w.load && above == 0) above = level.head_movement;
        }
        EXPECT_GT(*w.head_movement, below);
        EXPECT_LT(*w.head_movement, above);
    }
    // Without fractions of its own, the project's are half and a third.
    p.working_load_fractions.reset();
    const RunResult defaults = compute_analysis(parse_input_data(test::text_of(p), "p.tv6d"), {});
    ASSERT_EQ(defaults.working_loads.size(), 4u);
    EXPECT_EQ(defaults.working_loads[1].fraction, 1.0 / 3.0);
}

}  // namespace
}  // namespace torve
