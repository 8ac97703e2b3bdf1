// Orchestration of the load-transfer curves, the solver, the report sections and plot blocks.
#include "engine/driver/load_settlement_phase.h"

#include "engine/driver/report_load_settlement.h"
#include "engine/methods/load_settlement.h"
#include "engine/methods/load_transfer_curves.h"

namespace torve {
namespace {

LoadTransferInput load_transfer_input(const PenetrationResults& p, RunResult& result) {
    LoadTransferInput input;
    if (!p.load_transfer) {
        input.side_resistance.assign(static_cast<std::size_t>(p.pile.rows), 0.0);
        result.warnings.push_back(
            "The method for unit load transfers did not run (a cone-based method needs the offshore data, "
            "the "
            "user-specified one unit values); its t-z and Q-w curves carry no resistance.");
        return input;
    }
    input.side_resistance = p.load_transfer->side_resistance;
    input.tip_resistance = p.load_transfer->tip_unfactored.back();
    return input;
}

void write_plot_curves(PlotWriter& plot, const std::vector<const TzCurve*>& curves,
                       const OutputUnits& units) {
    plot.tz_count(static_cast<int>(curves.size()));
    int number = 0;
    for (const TzCurve* c : curves) {
        plot.tz_curve_header(++number, kPointsPerTzCurve, c->ground_depth);
        for (std::size_t k = 0; k < kPointsPerTzCurve; ++k) {
            plot.tz_point(units.stress(c->transfer[k]), units.plot_movement(c->movement[k]));
        }
    }
}

// Load and movement of a level at depths from the head, between the solved segment boundaries.
// The depths are asked in increasing order, so the walk up the boundaries only moves down.
class LevelReader {
  public:
    explicit LevelReader(const LoadLevel& level) : b_(level.boundaries), i_(b_.size() - 1) {}

    BoundaryState at(double depth) {
        if (depth >= b_.front().depth) return b_.front();  // boundaries run from the tip up to the head
        if (depth <= b_.back().depth) return b_.back();
        while (i_ > 1 && b_[i_ - 1].depth <= depth) --i_;  // b_[i_].depth <= depth < b_[i_ - 1].depth
        const BoundaryState& lo = b_[i_];
        const BoundaryState& hi = b_[i_ - 1];
        const double f = (depth - lo.depth) / (hi.depth - lo.depth);
        return {depth, lo.load + f * (hi.load - lo.load), lo.movement + f * (hi.movement - lo.movement)};
    }

  private:
    const std::vector<BoundaryState>& b_;
    std::size_t i_;
};

SolverSettings movement_tolerance(const Units& units) {
    SolverSettings s;
    s.tolerance = units.solver_tolerance;
    return s;
}

}  // namespace

void run_load_settlement_phase(const InputData& in, const Units& u, const PenetrationResults& p,
                               TextOut& report, PlotWriter& plot, RunResult& result) {
    const UnitLabels labels = unit_labels(in.units);
    const OutputUnits units{u, in.stickup_length};
    const double to_solver = u.solver_per_length;
    const LoadTransferInput input = load_transfer_input(p, result);

    const std::vector<TzCurve> curves = shaft_curves(in, u, p.pile, p.profile, input);
    const QwCurve tip = tip_curve(in, u, p.pile, p.profile, input);
    const double diameter = p.pile.od_input / u.diameter_per_solver_length;
    const double pile_length = (in.stickup_length + in.pile_length) * to_solver;
    const LoadSettlement ls = solve_load_settlement(curves, tip, axial_stiffness(in, u), pile_length,
                                                    p.profile.count(), diameter, movement_tolerance(u));

    write_asterisk_note(report);
    write_load_settlement_banner(report);
    std::vector<TzEntry> entries;
    std::vector<const TzCurve*> plotted;
    for (const TzCurve& c : curves) {
        entries.push_back({static_cast<int>(entries.size()) + 1, &c});
        plotted.push_back(&c);
    }
    write_tz_table(report, entries, units, labels);
    write_tip_curve(report, tip, units, labels);
    write_assumed_tip_movements(report, ls, units, labels);
    write_load_distribution(report, ls, units, labels);
    write_load_settlement_curve(report, ls, units, labels);

    write_plot_curves(plot, plotted, units);
    for (const LoadLevel& level : ls.levels) {
        LevelReader reader(level);
        for (int j : p.printed_rows) {
            const double ground = j * in.increment;
            const BoundaryState s = reader.at((ground + in.stickup_length) * to_solver);
            plot.load_distribution_row(ground, units.force(s.load), units.plot_movement(s.movement));
        }
    }
    for (const LoadLevel& level : ls.levels) {
        plot.load_settlement_row(units.force(level.head_load), units.plot_movement(level.head_movement),
                                 units.force(level.tip_load), units.plot_movement(level.tip_movement));
    }

    for (const LoadLevel& level : ls.levels) {
        for (const SegmentStep& step : level.steps) {
            if (!step.converged) {
                result.warnings.push_back("The settlement solver did not converge at depth " +
                                          decimals(units.ground_depth(step.mid_depth), 2) +
                                          "; see the load distribution in the report.");
            }
        }
    }
    if (!ls.levels.empty()) {
        result.max_head_load = units.force(ls.levels.back().head_load);
        result.max_head_movement = units.plot_movement(ls.levels.back().head_movement);
    }
    result.solver_max_iterations = ls.max_iterations;

    if (in.tz_print != 1) return;
    std::vector<std::optional<TzCurve>> checks;
    for (double d : in.tz_print_depths)
        checks.push_back(verification_curve(in, u, p.pile, p.profile, input, d));
    std::vector<TzEntry> check_entries;
    std::vector<const TzCurve*> check_plotted;
    for (const auto& c : checks) {
        if (c) {
            check_plotted.push_back(&*c);
            check_entries.push_back({static_cast<int>(check_plotted.size()), &*c});
        } else {
            check_entries.push_back({0, nullptr});
        }
    }
    if (!in.tz_print_depths.empty()) {
        write_verification_banner(report);
        write_tz_table(report, check_entries, units, labels);
    }
    write_plot_curves(plot, check_plotted, units);
}

}  // namespace torve
