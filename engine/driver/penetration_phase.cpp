// The method order of the penetration phase, and the phase's steps.
#include "engine/driver/penetration_phase.h"

#include "engine/driver/plot_blocks.h"
#include "engine/driver/report_sections.h"
#include "engine/methods/method_rules.h"

namespace torve {
namespace {

// A cone-based method runs only on a project with offshore data.
bool runs(const InputData& in, Method method) {
    return !is_cone_based(method) || in.has_offshore_data();
}

void record_tip_capacities(const InputData& in, const PenetrationResults& r, RunResult& result) {
    for (const CapacityCurve& c : r.tables) {
        const std::size_t last = c.ultimate.size() - 1;
        result.tip_capacities.push_back({c.method, static_cast<double>(last) * in.increment,
                                         c.skin_friction[last], c.end_bearing[last], c.ultimate[last]});
    }
}

}  // namespace

PenetrationResults compute_penetration(const InputData& in, const Units& units, const CptProfile& cpt,
                                       int segment_count) {
    PenetrationResults r;
    r.profile = build_soil_profile(in, units, segment_count);
    r.pile = pile_geometry(in, units);
    r.printed_rows = printed_rows(r.pile.rows, in.print_interval);
    const MethodInputs m{in, units, r.profile, r.pile, cpt};
    for (Method method : kTableOrder) {
        if (!runs(in, method)) continue;
        CapacityCurve curve = method_capacity(method, m);
        if (method == in.load_transfer_method) r.load_transfer = curve;
        if (in.is_selected(method)) r.tables.push_back(std::move(curve));
    }
    return r;
}

PenetrationResults run_penetration_phase(const InputData& in, const Units& units, const CptProfile& cpt,
                                         int segment_count, TextOut& report, PlotWriter& plot,
                                         RunResult& result) {
    PenetrationResults r = compute_penetration(in, units, cpt, segment_count);
    write_capacity_tables(report, in, r);
    write_capacity_blocks(plot, in, r);
    record_tip_capacities(in, r, result);
    // Written: the load-settlement phase needs only the load-transfer method's capacity, and its
    // results then take the memory of the tables.
    r.tables = {};
    return r;
}

}  // namespace torve
