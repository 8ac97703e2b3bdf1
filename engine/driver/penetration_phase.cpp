// The method order of the penetration phase, and the phase's steps.
#include "engine/driver/penetration_phase.h"

#include "engine/driver/plot_blocks.h"
#include "engine/driver/report_sections.h"
#include "engine/methods/api_method.h"
#include "engine/methods/fhwa_method.h"
#include "engine/methods/fugro_method.h"
#include "engine/methods/icp_method.h"
#include "engine/methods/ngi_method.h"
#include "engine/methods/revised_lambda_method.h"
#include "engine/methods/unified_method.h"
#include "engine/methods/usace_method.h"
#include "engine/methods/user_specified_method.h"
#include "engine/methods/uwa_method.h"

namespace torve {
namespace {

// A cone-based method runs only on a project with offshore data.
bool runs(const InputData& in, Method method) {
    return !is_cone_based(method) || in.has_offshore_data();
}

CapacityCurve compute_method(Method method, const MethodInputs& m) {
    switch (method) {
        case Method::Fhwa:
            return design_method_capacity({method, fhwa_side_friction, fhwa_end_bearing}, m);
        case Method::Usace:
            return design_method_capacity({method, usace_side_friction, usace_end_bearing}, m);
        case Method::RevisedLambda:
            return design_method_capacity({method, revised_lambda_side_friction, api_end_bearing}, m);
        case Method::UserSpecified:
            // Without user values the routine does not compute; its table, when selected, is all
            // zeros so that the plot header's curve count stays true.
            return user_specified_capacity(m);
        case Method::Api:
            return design_method_capacity({method, api_side_friction, api_end_bearing}, m);
        case Method::Ngi:
            return design_method_capacity({method, ngi_side_friction, ngi_end_bearing}, m);
        case Method::IcpMtd:
            return design_method_capacity({method, icp_side_friction, icp_end_bearing}, m);
        case Method::Fugro:
            return design_method_capacity({method, fugro_side_friction, fugro_end_bearing}, m);
        case Method::Uwa:
            return design_method_capacity({method, uwa_side_friction, uwa_end_bearing}, m);
        case Method::Unified:
            return unified_capacity(m);
    }
    return user_specified_capacity(m);
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
        CapacityCurve curve = compute_method(method, m);
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
