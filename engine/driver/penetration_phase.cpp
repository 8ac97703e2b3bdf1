// Method order, capacity tables and plot curves of the penetration phase.
#include "engine/driver/penetration_phase.h"

#include "engine/driver/report_sections.h"
#include "engine/methods/api_method.h"
#include "engine/methods/fhwa_method.h"
#include "engine/methods/fugro_method.h"
#include "engine/methods/icp_method.h"
#include "engine/methods/ngi_method.h"
#include "engine/methods/revised_lambda_method.h"
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
    }
    return user_specified_capacity(m);
}

bool writes_table(const InputData& in, Method method) {
    return in.is_selected(method) && runs(in, method);
}

}  // namespace

PenetrationResults run_penetration_phase(const InputData& in, const Units& units, const CptProfile& cpt,
                                         int segment_count, TextOut& report, PlotWriter& plot,
                                         RunResult& result) {
    PenetrationResults r;
    r.profile = build_soil_profile(in, units, segment_count);
    r.pile = pile_geometry(in, units);
    r.printed_rows = printed_rows(r.pile.rows, in.print_interval);
    const MethodInputs m{in, units, r.profile, r.pile, cpt};
    const UnitLabels labels = unit_labels(in.units);

    int curves = 0;
    for (Method method : kTableOrder) curves += writes_table(in, method) ? 1 : 0;
    plot.header(curves, static_cast<int>(r.printed_rows.size()), code_of(in.units),
                code_of(in.load_transfer_method));

    auto run_method = [&](Method method) {
        CapacityCurve curve = compute_method(method, m);
        if (writes_table(in, method)) {
            // A method's warnings stand only above its own table: the lines do not name the method,
            // and those of a method without a table would stand above another method's table.
            write_method_warnings(report, curve.warnings);
            write_capacity_table(report, method, curve, r.printed_rows, in.increment, labels, in.tension());
            for (int j : r.printed_rows) {
                const auto i = static_cast<std::size_t>(j);
                plot.capacity_row(j * in.increment, curve.skin_friction[i], curve.end_bearing[i],
                                  curve.ultimate[i], curve.unit_skin_friction[i]);
            }
            const std::size_t last = curve.ultimate.size() - 1;
            result.tip_capacities.push_back({method, static_cast<double>(last) * in.increment,
                                             curve.skin_friction[last], curve.end_bearing[last],
                                             curve.ultimate[last]});
        }
        if (method == in.load_transfer_method) r.load_transfer = std::move(curve);
    };

    for (Method method : kTableOrder) {
        if (runs(in, method)) run_method(method);
    }
    return r;
}

}  // namespace torve
