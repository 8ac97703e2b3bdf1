// The tip-up load-settlement solver.
#include "engine/methods/load_settlement.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/model/rounded_constants.h"

namespace torve {

static_assert(kLoadLevels == kPointsPerTzCurve - 1, "one load level per non-zero point of the Q-w curve");

double AxialStiffness::at(double d) const {
    if (depth.size() == 1 || d <= depth.front()) return ae.front();
    if (d >= depth.back()) return ae.back();
    std::size_t i = 1;
    while (depth[i] < d) ++i;
    const double span = depth[i] - depth[i - 1];
    if (span <= 0) return ae[i];
    return ae[i - 1] + (ae[i] - ae[i - 1]) * (d - depth[i - 1]) / span;
}

AxialStiffness axial_stiffness(const InputData& in, const Units& units) {
    AxialStiffness s;
    const double to_solver = units.solver_per_length;
    if (in.section_mode == SectionMode::VaryingWithDepth) {
        for (const SectionRow& row : in.sections) {
            s.depth.push_back(row.depth * to_solver);
            s.ae.push_back(in.modulus_of_elasticity * row.area);
        }
        return s;
    }
    const double area = in.section_mode == SectionMode::Constant ? in.cross_section_area
                                                                 : section_area_from_diameters(in, units);
    s.depth.push_back(0);
    s.ae.push_back(in.modulus_of_elasticity * area);
    return s;
}

namespace {

// What a segment's iteration reads, the same at every load level: its mid-depth, its spring and
// its stiffness.
struct SegmentSetting {
    double mid_depth;
    double ae;
    const TzCurve* spring;
};

}  // namespace

std::vector<BoundaryState> distribution_at(const LoadLevel& level, const std::vector<double>& depths) {
    // The boundaries run from the tip up to the head and the depths down the pile, so the walk up
    // the boundaries only moves back towards the tip.
    const std::vector<BoundaryState>& b = level.boundaries;
    std::vector<BoundaryState> out;
    out.reserve(depths.size());
    std::size_t i = b.size() - 1;
    for (double depth : depths) {
        if (depth >= b.front().depth) {
            out.push_back(b.front());
        } else if (depth <= b.back().depth) {
            out.push_back(b.back());
        } else {
            while (i > 1 && b[i - 1].depth <= depth) --i;  // b[i].depth <= depth < b[i - 1].depth
            const BoundaryState& lo = b[i];
            const BoundaryState& hi = b[i - 1];
            const double f = (depth - lo.depth) / (hi.depth - lo.depth);
            out.push_back(
                {depth, lo.load + f * (hi.load - lo.load), lo.movement + f * (hi.movement - lo.movement)});
        }
    }
    return out;
}

namespace {

// One load level's walk up the pile: load and movement at the bottom of the next segment, and the
// movement assumed at its middle (the converged value of the segment below).
struct Walk {
    double p_bottom;
    double z_bottom;
    double assumed;
};

// A segment of one load level while it iterates.
struct Iteration {
    SegmentStep step;
    double t = 0, dp = 0, p_top = 0, z_mid = 0;
    bool active = true;
};

// One iteration of the segment's mid movement: load transfer at the assumed movement, the load it
// adds, and the shortening of the lower half under the mean of its end loads.
void iterate(const SegmentSetting& segment, double h, double diameter, const SolverSettings& settings,
             Walk& walk, Iteration& it) {
    ++it.step.iterations;
    it.t = segment.spring->at(walk.assumed);
    it.dp = it.t * diameter * kPiCurves * h;
    it.p_top = walk.p_bottom + it.dp;
    it.z_mid = walk.z_bottom + ((it.p_top + walk.p_bottom) / 2 + walk.p_bottom) / 2 * (h / 2) / segment.ae;
    const bool close = std::fabs(it.z_mid - walk.assumed) <= settings.tolerance;
    walk.assumed = it.z_mid;
    if (close) {
        it.step.converged = true;
        it.active = false;
    } else if (it.step.iterations >= settings.iteration_cap) {
        it.active = false;
    }
}

// The converged (or capped) segment: its step for the report, and the walk moved up to its top.
SegmentStep finish(const SegmentSetting& segment, double h, Walk& walk, Iteration& it) {
    const double z_top = walk.z_bottom + h * (it.dp / 2 + walk.p_bottom) / segment.ae;
    SegmentStep& step = it.step;
    step.mid_depth = segment.mid_depth;
    step.load_transfer = it.t;
    step.load_increment = it.dp;
    step.average_load = (it.p_top + walk.p_bottom) / 2;
    step.compression = z_top - walk.z_bottom;
    step.average_movement = it.z_mid;
    walk.p_bottom = it.p_top;
    walk.z_bottom = z_top;
    return step;
}

std::vector<SegmentSetting> segment_settings(const std::vector<TzCurve>& springs,
                                             const AxialStiffness& stiffness, double h) {
    std::vector<SegmentSetting> settings;
    settings.reserve(springs.size());
    for (std::size_t s = 0; s < springs.size(); ++s) {
        const double mid_depth = (static_cast<double>(s) + 0.5) * h;
        settings.push_back({mid_depth, stiffness.at(mid_depth), &springs[s]});
    }
    return settings;
}

// One level per non-zero point of the Q-w curve, each starting its walk at the tip.
void start_levels(const QwCurve& tip, double pile_length, int segments, LoadSettlement& result,
                  std::array<Walk, kLoadLevels>& walks) {
    result.levels.resize(kLoadLevels);
    for (std::size_t k = 0; k < kLoadLevels; ++k) {
        LoadLevel& level = result.levels[k];
        level.tip_movement = tip.movement[k + 1];
        level.tip_load = tip.load[k + 1];
        level.steps.reserve(static_cast<std::size_t>(segments));
        level.boundaries.reserve(static_cast<std::size_t>(segments) + 1);
        level.boundaries.push_back({pile_length, level.tip_load, level.tip_movement});
        walks[k] = {level.tip_load, level.tip_movement, level.tip_movement};
    }
}

}  // namespace

LoadSettlement solve_load_settlement(const std::vector<TzCurve>& springs, const QwCurve& tip,
                                     const AxialStiffness& stiffness, double pile_length, double diameter,
                                     const SolverSettings& settings) {
    LoadSettlement result;
    if (springs.empty()) return result;
    const int segments = static_cast<int>(springs.size());
    const double h = pile_length / segments;
    const std::vector<SegmentSetting> settings_of = segment_settings(springs, stiffness, h);
    std::array<Walk, kLoadLevels> walks{};
    start_levels(tip, pile_length, segments, result, walks);
    // The levels are independent: each segment is iterated for all of them in rounds, so that the
    // processor overlaps their chains of divisions. Every level goes through exactly the arithmetic
    // of a walk on its own.
    for (int s = segments - 1; s >= 0; --s) {
        const SegmentSetting& segment = settings_of[static_cast<std::size_t>(s)];
        std::array<Iteration, kLoadLevels> its{};
        for (std::size_t k = 0; k < kLoadLevels; ++k) {
            its[k].p_top = walks[k].p_bottom;
            its[k].z_mid = walks[k].assumed;
            its[k].step.converged = false;
            its[k].active = settings.iteration_cap > 0;
        }
        for (bool any = true; any;) {
            any = false;
            for (std::size_t k = 0; k < kLoadLevels; ++k) {
                if (!its[k].active) continue;
                iterate(segment, h, diameter, settings, walks[k], its[k]);
                any = any || its[k].active;
            }
        }
        for (std::size_t k = 0; k < kLoadLevels; ++k) {
            LoadLevel& level = result.levels[k];
            const SegmentStep& step = level.steps.emplace_back(finish(segment, h, walks[k], its[k]));
            result.max_iterations = std::max(result.max_iterations, step.iterations);
            result.total_iterations += step.iterations;
            level.boundaries.push_back({s * h, walks[k].p_bottom, walks[k].z_bottom});
        }
    }
    for (std::size_t k = 0; k < kLoadLevels; ++k) {
        result.levels[k].head_load = walks[k].p_bottom;
        result.levels[k].head_movement = walks[k].z_bottom;
    }
    return result;
}

}  // namespace torve
