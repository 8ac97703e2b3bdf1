// Capacity tables of the report: framed title, headings and the printed penetration rows.
#include "engine/driver/report_sections.h"
#include "engine/methods/tip_resistance.h"

namespace torve {

std::vector<int> printed_rows(int rows, int print_interval) {
    std::vector<int> out;
    for (int j = 0; j < rows; j += print_interval) out.push_back(j);
    if (out.back() != rows - 1) out.push_back(rows - 1);
    return out;
}

void write_method_warnings(TextOut& out, const std::vector<MethodWarning>& warnings) {
    for (MethodWarning w : warnings) {
        switch (w) {
            case MethodWarning::MissingPlasticityIndex:
                out.line(" ERROR - NO DATA FOUND FOR PLASTIC INDEX.");
                break;
            case MethodWarning::CloseToTip:
                out.line(" WARNING - h/R SHOULD BE GREATER THAN 8.");
                break;
        }
    }
}

void write_capacity_table(TextOut& out, Method method, const CapacityCurve& curve,
                          const std::vector<int>& rows, double increment, const UnitLabels& u, bool tension) {
    const MethodInfo& info = method_info(method);
    const std::string frame(info.report_title.size(), '*');
    out.blank(3);
    out.line(Line().x(info.title_indent).text(frame));
    out.line(Line().x(info.title_indent).text(info.report_title));
    out.line(Line().x(info.title_indent).text(frame));
    out.blank();
    if (tension && info.self_weight_heading) {
        out.line(Line().x(10).text("   PILE       TOTAL SKIN       SELF      ULTIMATE"));
        out.line(Line().x(10).text("PENETRATION   FRICTION        WEIGHT     CAPACITY"));
    } else {
        out.line(Line().x(10).text("   PILE       TOTAL SKIN       END       ULTIMATE"));
        out.line(Line().x(10).text("PENETRATION   FRICTION       BEARING     CAPACITY"));
    }
    out.line(Line().x(14).text(u.length).x(10).text(u.force).x(11).text(u.force).x(10).text(u.force));
    for (int j : rows) {
        const auto i = static_cast<std::size_t>(j);
        const bool plug = info.plug_marker && curve.tip_control[i] == kSoilPlug;
        out.line(Line()
                     .x(11)
                     .f(j * increment, 7, 2)
                     .x(6)
                     .f(curve.skin_friction[i], 8, 1)
                     .x(6)
                     .f(curve.end_bearing[i], 8, 1)
                     .text(plug ? "*   " : "    ")
                     .f(curve.ultimate[i], 9, 1));
    }
}

void write_capacity_tables(TextOut& out, const InputData& in, const PenetrationResults& r) {
    const UnitLabels labels = unit_labels(in.units);
    for (const CapacityCurve& c : r.tables) {
        // A method's warnings stand only above its own table: the lines do not name the method, and
        // those of a method without a table would stand above another method's table.
        write_method_warnings(out, c.warnings);
        if (c.first_depth_without_cone) {
            out.line(Line()
                         .text(" WARNING - NO CONE RESISTANCE FROM DEPTH")
                         .f(*c.first_depth_without_cone, 8, 2)
                         .x(1)
                         .text(labels.length.substr(0, labels.length.find_last_not_of(' ') + 1))
                         .text("; NO RESISTANCE IS TAKEN THERE."));
        }
        write_capacity_table(out, c.method, c, r.printed_rows, in.increment, labels, in.tension());
    }
}

}  // namespace torve
