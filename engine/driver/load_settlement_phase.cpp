// The steps of the load-settlement phase: curves, solver, verification curves, output.
#include "engine/driver/load_settlement_phase.h"

#include "engine/driver/fixed_format.h"
#include "engine/driver/output_units.h"
#include "engine/driver/plot_blocks.h"
#include "engine/driver/report_load_settlement.h"

namespace torve {
namespace {

// The load-transfer method's skin friction and tip resistance; none when it did not run.
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

LoadSettlement solve(const InputData& in, const Units& units, const PenetrationResults& p,
                     const LoadSettlementResults& r) {
    const double diameter = p.pile.od_input / units.diameter_per_solver_length;
    const double pile_length = (in.stickup_length + in.pile_length) * units.solver_per_length;
    SolverSettings settings;
    settings.tolerance = units.solver_tolerance;
    return solve_load_settlement(r.shaft, r.tip, axial_stiffness(in, units), pile_length, p.profile.count(),
                                 diameter, settings);
}

// Each load level at the printed penetration rows, for the plot file's load distribution.
std::vector<std::vector<DistributionPoint>> distribution_at_rows(const InputData& in, const Units& units,
                                                                 const PenetrationResults& p,
                                                                 const LoadSettlement& solution) {
    std::vector<double> from_head;
    from_head.reserve(p.printed_rows.size());
    for (int j : p.printed_rows)
        from_head.push_back((j * in.increment + in.stickup_length) * units.solver_per_length);
    std::vector<std::vector<DistributionPoint>> out;
    out.reserve(solution.levels.size());
    for (const LoadLevel& level : solution.levels) {
        const std::vector<BoundaryState> at = distribution_at(level, from_head);
        std::vector<DistributionPoint>& points = out.emplace_back();
        points.reserve(at.size());
        for (std::size_t k = 0; k < at.size(); ++k)
            points.push_back({p.printed_rows[k] * in.increment, at[k].load, at[k].movement});
    }
    return out;
}

void record_outcome(const InputData& in, const Units& units, const LoadSettlementResults& r,
                    RunResult& result) {
    const OutputUnits out{units, in.stickup_length};
    if (!r.transfer_method_ran) {
        result.warnings.push_back(
            "The method for unit load transfers did not run (a cone-based method needs the offshore data); "
            "its "
            "t-z and Q-w curves carry no resistance.");
    }
    const LoadSettlement& ls = r.solution;
    for (const LoadLevel& level : ls.levels) {
        for (const SegmentStep& step : level.steps) {
            if (!step.converged) {
                result.warnings.push_back("The settlement solver did not converge at depth " +
                                          decimals(out.ground_depth(step.mid_depth), 2) +
                                          "; see the load distribution in the report.");
            }
        }
    }
    if (!ls.levels.empty()) {
        result.max_head_load = out.force(ls.levels.back().head_load);
        result.max_head_movement = out.plot_movement(ls.levels.back().head_movement);
    }
    result.solver_max_iterations = ls.max_iterations;
}

}  // namespace

LoadSettlementResults compute_load_settlement(const InputData& in, const Units& units,
                                              const PenetrationResults& p) {
    LoadSettlementResults r;
    r.transfer_method_ran = p.load_transfer.has_value();
    const LoadTransferInput input = load_transfer_input(p);
    r.shaft = shaft_curves(in, units, p.pile, p.profile, input);
    r.tip = tip_curve(in, units, p.pile, p.profile, input);
    r.solution = solve(in, units, p, r);
    r.distribution = distribution_at_rows(in, units, p, r.solution);
    if (in.tz_print == 1) {
        r.checks.reserve(in.tz_print_depths.size());
        for (double d : in.tz_print_depths)
            r.checks.push_back(verification_curve(in, units, p.pile, p.profile, input, d));
    }
    return r;
}

void run_load_settlement_phase(const InputData& in, const Units& units, const PenetrationResults& p,
                               TextOut& report, PlotWriter& plot, RunResult& result) {
    const LoadSettlementResults r = compute_load_settlement(in, units, p);
    write_load_settlement_report(report, in, units, r);
    write_load_settlement_blocks(plot, in, units, r);
    record_outcome(in, units, r, result);
}

}  // namespace torve
