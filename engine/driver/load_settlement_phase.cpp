// The steps of the load-settlement phase: curves, solver, verification curves, into the results.
#include "engine/driver/load_settlement_phase.h"

#include "engine/driver/fixed_format.h"
#include "engine/driver/output_units.h"
#include "engine/driver/working_loads.h"
#include "engine/methods/load_settlement.h"
#include "engine/methods/load_transfer_curves.h"
#include "engine/methods/shaft_springs.h"

namespace torve {

LoadTransferInput load_transfer_input(const PenetrationResults& p) {
    LoadTransferInput input;
    if (!p.load_transfer) {
        input.side_resistance.assign(static_cast<std::size_t>(p.pile.rows), 0.0);
        return input;
    }
    input.side_resistance = p.load_transfer->side_resistance;
    input.tip_resistance = p.load_transfer->tip_unfactored.back();
    input.cone_resistance = p.load_transfer->cone_resistance;
    return input;
}

// The solver works on springs of its own segments, not on the curves at the layers' three depths:
// read between those, friction concentrated near the tip would be spread over half a layer and the
// pile could carry more than the method's capacity.
SolverPile solver_pile(const InputData& in, const Units& units, const PenetrationResults& p,
                       const LoadTransferInput& input) {
    SolverPile pile;
    pile.diameter = p.pile.od_input / units.diameter_per_solver_length;
    pile.length = (in.stickup_length + in.total_pile_length) * units.solver_per_length;
    pile.springs = shaft_springs(in, units, p.pile, p.profile, input, pile.length, p.profile.count());
    pile.tip = tip_curve(in, units, p.pile, p.profile, input);
    pile.stiffness = axial_stiffness(in, units);
    pile.settings.tolerance = units.solver_tolerance;
    return pile;
}

namespace {

LoadSettlement solve(const InputData& in, const Units& units, const PenetrationResults& p,
                     const LoadTransferInput& input, const QwCurve& tip) {
    const SolverPile pile = solver_pile(in, units, p, input);
    return solve_load_settlement(pile.springs, tip, pile.stiffness, pile.length, pile.diameter,
                                 pile.settings);
}

TransferCurve transfer_curve(const TzCurve& c, const OutputUnits& out) {
    TransferCurve t;
    t.depth = c.ground_depth;
    for (std::size_t k = 0; k < kPointsPerTzCurve; ++k) {
        t.load_transfer[k] = out.stress(c.transfer[k]);
        t.movement[k] = c.movement[k];
    }
    return t;
}

TipCurve tip_of(const QwCurve& q, const OutputUnits& out) {
    TipCurve t;
    for (std::size_t k = 0; k < kPointsPerTzCurve; ++k) {
        t.load[k] = out.force(q.load[k]);
        t.movement[k] = q.movement[k];
    }
    return t;
}

// A solved level in the results' units, with its load distribution at the printed penetration rows.
LoadLevelResult level_of(const LoadLevel& level, const std::vector<double>& row_depths,
                         const std::vector<double>& rows_from_head, const OutputUnits& out) {
    LoadLevelResult r;
    r.head_load = out.force(level.head_load);
    r.head_movement = level.head_movement;
    r.tip_load = out.force(level.tip_load);
    r.tip_movement = level.tip_movement;
    const std::vector<BoundaryState> at = distribution_at(level, rows_from_head);
    r.distribution.reserve(at.size());
    for (std::size_t k = 0; k < at.size(); ++k)
        r.distribution.push_back({row_depths[k], out.force(at[k].load), at[k].movement});
    r.boundaries.reserve(level.boundaries.size());
    for (const BoundaryState& b : level.boundaries)
        r.boundaries.push_back({out.ground_depth(b.depth), out.force(b.load), b.movement});
    r.segments.reserve(level.steps.size());
    for (const SegmentStep& s : level.steps) {
        r.segments.push_back({out.ground_depth(s.mid_depth), out.stress(s.load_transfer),
                              out.force(s.load_increment), out.force(s.average_load), s.compression,
                              s.average_movement, s.iterations, s.converged});
    }
    return r;
}

// Each selected method's working loads, solved on the load-transfer method's curves.
void solve_working_loads(const InputData& in, const Units& units, const PenetrationResults& p,
                         const LoadTransferInput& input, const QwCurve& tip, const LoadSettlement& solution,
                         RunResult& result) {
    const LevelSolver at = [&](const QwCurve& grid) { return solve(in, units, p, input, grid); };
    for (const CapacityTable& t : result.methods) {
        for (double fraction : in.working_load_fractions) {
            WorkingLoad w;
            w.method = t.method;
            w.fraction = fraction;
            w.load = fraction * t.total.back();
            // The solver's own tolerance on a movement, a hundredth of it for the head.
            if (const auto head = head_at_load(w.load * units.solver_force_per_force, tip, solution, at,
                                               units.solver_tolerance / 100)) {
                w.head_movement = head->head_movement;
                w.tip_movement = head->tip_movement;
            } else {
                result.warnings.push_back(
                    {t.method, std::nullopt,
                     "The working load of " + decimals(w.load, 1) + (result.english ? " kips" : " kN") +
                         " lies above every head load of the load-settlement curve; no movement is given."});
            }
            result.working_loads.push_back(w);
        }
    }
}

void record_warnings(RunResult& result) {
    if (!result.load_transfer_ran) {
        result.warnings.push_back(
            {result.load_transfer_method, std::nullopt,
             "The method for unit load transfers did not run (a cone-based method needs the offshore data); "
             "its t-z and Q-w curves carry no resistance."});
    }
    for (const LoadLevelResult& level : result.load_levels) {
        for (const SegmentSolution& s : level.segments) {
            if (!s.converged) {
                result.warnings.push_back({result.load_transfer_method, s.depth,
                                           "The settlement solver did not converge at depth " +
                                               decimals(s.depth, 2) +
                                               "; see the load distribution in the report."});
            }
        }
    }
}

}  // namespace

void run_load_settlement_phase(const InputData& in, const Units& units, const PenetrationResults& p,
                               RunResult& result) {
    const OutputUnits out{units, in.stickup_length};
    result.load_transfer_ran = p.load_transfer.has_value();
    const LoadTransferInput input = load_transfer_input(p);
    const std::vector<TzCurve> shaft = shaft_curves(in, units, p.pile, p.profile, input);
    const QwCurve tip = tip_curve(in, units, p.pile, p.profile, input);
    const LoadSettlement solution = solve(in, units, p, input, tip);

    result.tz_curves.reserve(shaft.size());
    for (const TzCurve& c : shaft) result.tz_curves.push_back(transfer_curve(c, out));
    result.tip_curve = tip_of(tip, out);
    // The printed penetration rows, below the ground and from the pile head.
    std::vector<double> row_depths, rows_from_head;
    row_depths.reserve(p.printed_rows.size());
    rows_from_head.reserve(p.printed_rows.size());
    for (int j : p.printed_rows) {
        row_depths.push_back(j * in.computation_increment);
        rows_from_head.push_back((j * in.computation_increment + in.stickup_length) *
                                 units.solver_per_length);
    }
    result.load_levels.reserve(solution.levels.size());
    for (const LoadLevel& level : solution.levels)
        result.load_levels.push_back(level_of(level, row_depths, rows_from_head, out));
    result.solver_max_iterations = solution.max_iterations;
    if (in.t_z_print_flag == 1) {
        result.extra_tz_curves.reserve(in.t_z_print_depths.size());
        for (double d : in.t_z_print_depths) {
            PrintDepthCurve& c = result.extra_tz_curves.emplace_back();
            c.depth = d;
            if (auto curve = verification_curve(in, units, p.pile, p.profile, input, d))
                c.curve = transfer_curve(*curve, out);
        }
    }
    record_warnings(result);
    solve_working_loads(in, units, p, input, tip, solution, result);
}

}  // namespace torve
