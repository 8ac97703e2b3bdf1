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

// Report title blocks in method-code order.
constexpr CapacityTableStyle kStyles[kMethodCount] = {
    {"*  FED. HWY. METHOD  *", 28, 22, false, true},
    {"* ARMY CORPS METHOD  *", 28, 22, false, true},
    {"*  LAMBDA 2 METHOD   *", 28, 22, false, true},
    {"*  API RP-2A (1994)  *", 28, 22, true, true},
    {"* GENERAL METHOD *", 29, 18, false, false},
    {"*  NORWEIGIAN GEOTECHNICAL INSTITUTE (NGI) METHOD  *", 10, 52, true, true},
    {"*  IMPERIAL COLLEGE (MTD) METHOD  *", 20, 35, true, true},
    {"*    FUGRO 2004 (FUGRO) METHOD    *", 20, 35, true, true},
    {"*  UNIV. OF WESTERN AUSTRALIA (UWA) METHOD  *", 13, 45, true, true},
};

// Order of the two passes: the onshore methods, then API RP 2A and the cone-based methods.
constexpr int kPassOne[] = {kUserSpecified, kFhwa, kUsace, kRevisedLambda};
constexpr int kPassTwo[] = {kApi, kNgi, kIcpMtd, kFugro, kUwa};

std::optional<CapacityCurve> compute_method(int code, const MethodInputs& m) {
    switch (code) {
        case kFhwa:
            return design_method_capacity(kFhwa, {1, fhwa_side_friction, fhwa_end_bearing}, m);
        case kUsace:
            return design_method_capacity(kUsace, {2, usace_side_friction, usace_end_bearing}, m);
        case kRevisedLambda:
            return design_method_capacity(kRevisedLambda, {3, revised_lambda_side_friction, api_end_bearing},
                                          m);
        case kUserSpecified:
            // Without user values the routine does not compute; its table, when selected, is all
            // zeros so that the plot header's curve count stays true.
            return user_specified_capacity(m);
        case kApi:
            return design_method_capacity(kApi, {4, api_side_friction, api_end_bearing}, m);
        case kNgi:
            return design_method_capacity(kNgi, {5, ngi_side_friction, ngi_end_bearing}, m);
        case kIcpMtd:
            return design_method_capacity(kIcpMtd, {6, icp_side_friction, icp_end_bearing}, m);
        case kFugro:
            return design_method_capacity(kFugro, {7, fugro_side_friction, fugro_end_bearing}, m);
        case kUwa:
            return design_method_capacity(kUwa, {8, uwa_side_friction, uwa_end_bearing}, m);
        default:
            return std::nullopt;
    }
}

bool writes_table(const InputData& in, int code) {
    if (!in.is_selected(code)) return false;
    return code < kFirstOffshoreMethod || in.offshore_data == 1;
}

}  // namespace

PenetrationResults run_penetration_phase(const InputData& in, const CptProfile& cpt, int segment_count,
                                         TextOut& report, PlotWriter& plot, RunResult& result) {
    PenetrationResults r;
    r.profile = build_soil_profile(in, segment_count);
    r.pile = pile_geometry(in);
    r.printed_rows = printed_rows(r.pile.rows, in.print_interval);
    const MethodInputs m{in, r.profile, r.pile, cpt};
    const UnitLabels labels = unit_labels(in.units);

    int curves = 0;
    for (int code = 1; code <= kMethodCount; ++code) curves += writes_table(in, code) ? 1 : 0;
    plot.header(curves, static_cast<int>(r.printed_rows.size()), static_cast<int>(in.units),
                in.load_transfer_method);

    auto run_method = [&](int code) {
        std::optional<CapacityCurve> curve = compute_method(code, m);
        if (!curve) return;
        if (writes_table(in, code)) {
            // A method's warnings stand only above its own table: the lines do not name the method,
            // and those of a method without a table would stand above another method's table.
            write_method_warnings(report, curve->warnings);
            write_capacity_table(report, kStyles[code - 1], *curve, r.printed_rows, in.increment, labels,
                                 in.tension());
            for (int j : r.printed_rows) {
                const auto i = static_cast<std::size_t>(j);
                plot.capacity_row(j * in.increment, curve->skin_friction[i], curve->end_bearing[i],
                                  curve->ultimate[i], curve->unit_skin_friction[i]);
            }
            const std::size_t last = curve->ultimate.size() - 1;
            result.tip_capacities.push_back({code, static_cast<double>(last) * in.increment,
                                             curve->skin_friction[last], curve->end_bearing[last],
                                             curve->ultimate[last]});
        }
        if (code == in.load_transfer_method) r.load_transfer = std::move(curve);
    };

    for (int code : kPassOne) run_method(code);
    for (int code : kPassTwo) {
        if (code >= kFirstOffshoreMethod && in.offshore_data != 1) continue;
        run_method(code);
    }
    return r;
}

}  // namespace torve
