// Capacity tables of the report: framed title, headings and the printed penetration rows.
#include "engine/driver/report_sections.h"

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

void write_capacity_table(TextOut& out, const CapacityTableStyle& style, const CapacityCurve& curve,
                          const std::vector<int>& rows, double increment, const UnitLabels& u, bool tension) {
    const std::string frame(static_cast<std::size_t>(style.frame), '*');
    out.blank(3);
    out.line(Line().x(style.indent).text(frame));
    out.line(Line().x(style.indent).text(style.title));
    out.line(Line().x(style.indent).text(frame));
    out.blank();
    if (tension && style.tension_headings) {
        out.line(Line().x(10).text("   PILE       TOTAL SKIN       SELF      ULTIMATE"));
        out.line(Line().x(10).text("PENETRATION   FRICTION        WEIGHT     CAPACITY"));
    } else {
        out.line(Line().x(10).text("   PILE       TOTAL SKIN       END       ULTIMATE"));
        out.line(Line().x(10).text("PENETRATION   FRICTION       BEARING     CAPACITY"));
    }
    out.line(Line().x(14).text(u.length).x(10).text(u.force).x(11).text(u.force).x(10).text(u.force));
    for (int j : rows) {
        const auto i = static_cast<std::size_t>(j);
        const bool plug = style.plug_marker && curve.tip_control[i] == 2;
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

}  // namespace torve
