// The tip-up load-settlement solver.
#include "engine/methods/load_settlement.h"

#include <algorithm>
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
            s.ae.push_back(in.modulus * row.area);
        }
        return s;
    }
    const double area =
        in.section_mode == SectionMode::Constant ? in.section_area : section_area_from_diameters(in, units);
    s.depth.push_back(0);
    s.ae.push_back(in.modulus * area);
    return s;
}

double load_transfer_at(const std::vector<TzCurve>& curves, double depth, double movement) {
    if (curves.empty()) return 0;
    if (depth <= curves.front().depth) return curves.front().at(movement);
    if (depth >= curves.back().depth) return curves.back().at(movement);
    std::size_t i = 1;
    while (curves[i].depth < depth) ++i;  // curves[i - 1].depth < depth <= curves[i].depth
    const double span = curves[i].depth - curves[i - 1].depth;
    const double upper = curves[i - 1].at(movement);
    const double lower = curves[i].at(movement);
    if (span <= 0) return lower;
    return upper + (lower - upper) * (depth - curves[i - 1].depth) / span;
}

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

LoadSettlement solve_load_settlement(const std::vector<TzCurve>& curves, const QwCurve& tip,
                                     const AxialStiffness& stiffness, double pile_length, int segments,
                                     double diameter, const SolverSettings& settings) {
    LoadSettlement result;
    const double h = pile_length / segments;
    for (int k = 1; k <= kLoadLevels; ++k) {
        LoadLevel level;
        level.tip_movement = tip.movement[static_cast<std::size_t>(k)];
        level.tip_load = tip.load[static_cast<std::size_t>(k)];
        double p_bottom = level.tip_load;
        double z_bottom = level.tip_movement;
        double assumed = level.tip_movement;
        level.boundaries.push_back({pile_length, p_bottom, z_bottom});
        for (int s = segments - 1; s >= 0; --s) {
            SegmentStep step;
            step.mid_depth = (s + 0.5) * h;
            const double ae = stiffness.at(step.mid_depth);
            double t = 0, dp = 0, p_top = p_bottom, z_mid = assumed;
            step.converged = false;
            while (step.iterations < settings.iteration_cap) {
                ++step.iterations;
                t = load_transfer_at(curves, step.mid_depth, assumed);
                dp = t * diameter * kPiCurves * h;
                p_top = p_bottom + dp;
                // Shortening of the lower half under the mean of its end loads.
                z_mid = z_bottom + ((p_top + p_bottom) / 2 + p_bottom) / 2 * (h / 2) / ae;
                const bool close = std::fabs(z_mid - assumed) <= settings.tolerance;
                assumed = z_mid;
                if (close) {
                    step.converged = true;
                    break;
                }
            }
            const double z_top = z_bottom + h * (dp / 2 + p_bottom) / ae;
            step.load_transfer = t;
            step.load_increment = dp;
            step.average_load = (p_top + p_bottom) / 2;
            step.compression = z_top - z_bottom;
            step.average_movement = z_mid;
            result.max_iterations = std::max(result.max_iterations, step.iterations);
            result.total_iterations += step.iterations;
            level.steps.push_back(step);
            p_bottom = p_top;
            z_bottom = z_top;
            level.boundaries.push_back({s * h, p_bottom, z_bottom});
        }
        level.head_load = p_bottom;
        level.head_movement = z_bottom;
        result.levels.push_back(std::move(level));
    }
    return result;
}

}  // namespace torve
