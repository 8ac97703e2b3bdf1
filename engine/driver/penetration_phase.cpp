// The method order of the penetration phase, and the phase's steps.
#include "engine/driver/penetration_phase.h"

#include <stdexcept>

#include "engine/driver/report_sections.h"
#include "engine/methods/method_rules.h"
#include "engine/methods/tip_resistance.h"

namespace torve {
namespace {

// A cone-based method runs only on a project with offshore data.
bool runs(const InputData& in, Method method) {
    return !is_cone_based(method) || in.has_offshore_data();
}

// The method's capacity at the printed rows, as its report table and plot curve show it.
CapacityTable capacity_table(const InputData& in, const PenetrationResults& r, CapacityCurve& c) {
    // A method routine that left a column short would have it read past its end.
    const std::size_t rows = c.ultimate.size();
    for (const std::vector<double>* column :
         {&c.skin_friction, &c.end_bearing, &c.unit_skin_friction, &c.unit_end_bearing})
        if (column->size() != rows) throw std::logic_error("a capacity column of a method is incomplete");
    if (c.tip_control.size() != rows) throw std::logic_error("a capacity column of a method is incomplete");
    CapacityTable t;
    t.method = c.method;
    const std::size_t n = r.printed_rows.size();
    for (std::vector<double>* column :
         {&t.depth, &t.skin_friction, &t.end_bearing, &t.total, &t.unit_skin_friction, &t.unit_end_bearing})
        column->reserve(n);
    t.plug_controlled.reserve(n);
    const bool plug_marker = method_info(c.method).plug_marker;
    for (int j : r.printed_rows) {
        const auto i = static_cast<std::size_t>(j);
        t.depth.push_back(j * in.computation_increment);
        t.skin_friction.push_back(c.skin_friction[i]);
        t.end_bearing.push_back(c.end_bearing[i]);
        t.total.push_back(c.ultimate[i]);
        t.unit_skin_friction.push_back(c.unit_skin_friction[i]);
        t.unit_end_bearing.push_back(c.unit_end_bearing[i]);
        t.plug_controlled.push_back(plug_marker && c.tip_control[i] == kSoilPlug);
        if (i < c.koppejan.size()) t.koppejan.push_back(c.koppejan[i]);
    }
    t.warnings = std::move(c.warnings);
    t.first_depth_without_cone = c.first_depth_without_cone;
    return t;
}

}  // namespace

PenetrationResults compute_penetration(const InputData& in, const Units& units, const CptProfile& cpt,
                                       int segment_count, const std::optional<SetupRates>& setup) {
    PenetrationResults r;
    r.profile = build_soil_profile(in, units, segment_count);
    r.pile = pile_geometry(in, units);
    r.printed_rows = printed_rows(r.pile.rows, in.print_interval);
    const MethodInputs m{in, units, r.profile, r.pile, cpt};
    for (Method method : kTableOrder) {
        if (!runs(in, method)) continue;
        CapacityCurve curve = method_capacity(method, m);
        if (setup) apply_setup(curve, r.profile, *setup);
        if (method == in.load_transfer_method) r.load_transfer = curve;
        if (in.is_selected(method)) r.tables.push_back(std::move(curve));
    }
    return r;
}

PenetrationResults run_penetration_phase(const InputData& in, const Units& units, const CptProfile& cpt,
                                         int segment_count, RunResult& result,
                                         const std::optional<SetupRates>& setup) {
    PenetrationResults r = compute_penetration(in, units, cpt, segment_count, setup);
    result.printed_rows = static_cast<int>(r.printed_rows.size());
    result.methods.reserve(r.tables.size());
    for (CapacityCurve& c : r.tables) result.methods.push_back(capacity_table(in, r, c));
    // The load-settlement phase needs only the load-transfer method's capacity, and its results
    // then take the memory of the tables.
    r.tables = {};
    return r;
}

}  // namespace torve
