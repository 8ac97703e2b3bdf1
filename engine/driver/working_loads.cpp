// Head movement at a given head load.
#include "engine/driver/working_loads.h"

#include <cmath>

namespace torve {
namespace {

// A point of the load-settlement curve.
struct Head {
    double tip_movement = 0;
    double load = 0;
    double movement = 0;
};

constexpr int kRounds = 8;

}  // namespace

double tip_load_at(const QwCurve& tip, double movement) {
    if (movement <= tip.movement.front()) return tip.load.front();
    for (std::size_t k = 1; k < kPointsPerTzCurve; ++k) {
        if (movement > tip.movement[k]) continue;
        const double span = tip.movement[k] - tip.movement[k - 1];
        if (span <= 0) return tip.load[k];
        return tip.load[k - 1] + (tip.load[k] - tip.load[k - 1]) * (movement - tip.movement[k - 1]) / span;
    }
    return tip.load.back();
}

std::optional<HeadAtLoad> head_at_load(double load, const QwCurve& tip, const LoadSettlement& solved,
                                       const LevelSolver& solve, double tolerance) {
    // The bracket [low, high] of the first crossing: head load below `load` at low, not below at high.
    Head low, high;
    bool found = false;
    for (const LoadLevel& level : solved.levels) {
        const Head h{level.tip_movement, level.head_load, level.head_movement};
        if (h.load >= load) {
            high = h;
            found = true;
            break;
        }
        low = h;
    }
    if (!found) return std::nullopt;
    for (int round = 0; round < kRounds && std::fabs(high.movement - low.movement) > tolerance; ++round) {
        QwCurve grid;
        const std::size_t levels = kPointsPerTzCurve - 1;
        for (std::size_t k = 1; k <= levels; ++k) {
            grid.movement[k] = low.tip_movement + (high.tip_movement - low.tip_movement) *
                                                      static_cast<double>(k) /
                                                      static_cast<double>(levels + 1);
            grid.load[k] = tip_load_at(tip, grid.movement[k]);
        }
        const LoadSettlement inside = solve(grid);
        for (const LoadLevel& level : inside.levels) {
            const Head h{level.tip_movement, level.head_load, level.head_movement};
            if (h.load >= load) {
                high = h;
                break;
            }
            low = h;
        }
    }
    // Linear between the ends of the bracket, which now lie close together.
    const double span = high.load - low.load;
    const double f = span > 0 ? (load - low.load) / span : 1.0;
    return HeadAtLoad{low.movement + f * (high.movement - low.movement),
                      low.tip_movement + f * (high.tip_movement - low.tip_movement)};
}

}  // namespace torve
