// The plot data file's blocks from the results of a run, in file order.
#include "engine/driver/plot_blocks.h"

namespace torve {
namespace {

void write_tz_curves(PlotWriter& plot, const std::vector<const TransferCurve*>& curves) {
    plot.tz_count(static_cast<int>(curves.size()));
    int number = 0;
    for (const TransferCurve* c : curves) {
        plot.tz_curve_header(++number, kPointsPerTzCurve, c->depth);
        for (std::size_t k = 0; k < kPointsPerTzCurve; ++k)
            plot.tz_point(c->load_transfer[k], c->movement[k]);
    }
}

}  // namespace

void write_capacity_blocks(PlotWriter& plot, const RunResult& r) {
    plot.header(static_cast<int>(r.methods.size()), r.printed_rows, code_of(unit_system_of(r)),
                code_of(r.load_transfer_method));
    for (const CapacityTable& t : r.methods) {
        for (std::size_t i = 0; i < t.depth.size(); ++i) {
            plot.capacity_row(t.depth[i], t.skin_friction[i], t.end_bearing[i], t.total[i],
                              t.unit_skin_friction[i]);
        }
    }
}

void write_load_settlement_blocks(PlotWriter& plot, const InputData& in, const RunResult& r) {
    std::vector<const TransferCurve*> shaft;
    shaft.reserve(r.tz_curves.size());
    for (const TransferCurve& c : r.tz_curves) shaft.push_back(&c);
    write_tz_curves(plot, shaft);
    for (const LoadLevelResult& level : r.load_levels) {
        for (const PileState& p : level.distribution) plot.load_distribution_row(p.depth, p.load, p.movement);
    }
    for (const LoadLevelResult& level : r.load_levels)
        plot.load_settlement_row(level.head_load, level.head_movement, level.tip_load, level.tip_movement);
    if (in.t_z_print_flag != 1) return;
    std::vector<const TransferCurve*> checks;
    for (const PrintDepthCurve& c : r.extra_tz_curves)
        if (c.curve) checks.push_back(&*c.curve);
    write_tz_curves(plot, checks);
}

}  // namespace torve
