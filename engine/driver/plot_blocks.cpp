// The plot data file's blocks from the phases' results, in file order.
#include "engine/driver/plot_blocks.h"

#include "engine/driver/output_units.h"

namespace torve {
namespace {

void write_tz_curves(PlotWriter& plot, const std::vector<const TzCurve*>& curves, const OutputUnits& units) {
    plot.tz_count(static_cast<int>(curves.size()));
    int number = 0;
    for (const TzCurve* c : curves) {
        plot.tz_curve_header(++number, kPointsPerTzCurve, c->ground_depth);
        for (std::size_t k = 0; k < kPointsPerTzCurve; ++k) {
            plot.tz_point(units.stress(c->transfer[k]), units.plot_movement(c->movement[k]));
        }
    }
}

}  // namespace

void write_capacity_blocks(PlotWriter& plot, const InputData& in, const PenetrationResults& r) {
    plot.header(static_cast<int>(r.tables.size()), static_cast<int>(r.printed_rows.size()), code_of(in.units),
                code_of(in.load_transfer_method));
    for (const CapacityCurve& c : r.tables) {
        for (int j : r.printed_rows) {
            const auto i = static_cast<std::size_t>(j);
            plot.capacity_row(j * in.increment, c.skin_friction[i], c.end_bearing[i], c.ultimate[i],
                              c.unit_skin_friction[i]);
        }
    }
}

void write_load_settlement_blocks(PlotWriter& plot, const InputData& in, const Units& units,
                                  const LoadSettlementResults& r) {
    const OutputUnits out{units, in.stickup_length};
    std::vector<const TzCurve*> shaft;
    for (const TzCurve& c : r.shaft) shaft.push_back(&c);
    write_tz_curves(plot, shaft, out);
    for (const std::vector<DistributionPoint>& level : r.distribution) {
        for (const DistributionPoint& p : level)
            plot.load_distribution_row(p.ground_depth, out.force(p.load), out.plot_movement(p.movement));
    }
    for (const LoadLevel& level : r.solution.levels) {
        plot.load_settlement_row(out.force(level.head_load), out.plot_movement(level.head_movement),
                                 out.force(level.tip_load), out.plot_movement(level.tip_movement));
    }
    if (in.tz_print != 1) return;
    std::vector<const TzCurve*> checks;
    for (const std::optional<TzCurve>& c : r.checks)
        if (c) checks.push_back(&*c);
    write_tz_curves(plot, checks, out);
}

}  // namespace torve
