// Capacity tables of the report: framed title, headings and the printed penetration rows.
#include "engine/driver/report_sections.h"

#include <utility>

namespace torve {

std::vector<int> printed_rows(int rows, int print_interval) {
    std::vector<int> out;
    for (int j = 0; j < rows; j += print_interval) out.push_back(j);
    if (out.back() != rows - 1) out.push_back(rows - 1);
    return out;
}

void write_method_warnings(TextOut& out, const std::vector<MethodWarning>& warnings) {
    for (const MethodWarning& w : warnings) {
        switch (w.kind) {
            case MethodWarning::MissingPlasticityIndex:
                out.line(" ERROR - NO DATA FOUND FOR PLASTIC INDEX.");
                break;
            case MethodWarning::CloseToTip:
                out.line(" WARNING - h/R SHOULD BE GREATER THAN 8.");
                break;
        }
    }
}

void write_capacity_table(TextOut& out, const CapacityTable& table, const UnitLabels& u, bool tension) {
    const MethodInfo& info = method_info(table.method);
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
    for (std::size_t i = 0; i < table.depth.size(); ++i) {
        out.line(Line()
                     .x(11)
                     .f(table.depth[i], 7, 2)
                     .x(6)
                     .f(table.skin_friction[i], 8, 1)
                     .x(6)
                     .f(table.end_bearing[i], 8, 1)
                     .text(table.plug_controlled[i] ? "*   " : "    ")
                     .f(table.total[i], 9, 1));
    }
}

// The averages of qc under and over the tip that a Koppejan base comes from, row by row, with the
// depth of the lower zone that gave the least base; a row whose readings end too close below the
// tip shows no averages.
void write_koppejan_averages(TextOut& out, const CapacityTable& table, const UnitLabels& u) {
    out.blank();
    out.line(Line().x(10).text("   PILE        QC,I       QC,II      QC,III     LOWER      UNIT END"));
    out.line(Line().x(10).text("PENETRATION                                     ZONE       BEARING"));
    out.line(Line()
                 .x(14)
                 .text(u.length)
                 .x(8)
                 .text(u.stress)
                 .x(8)
                 .text(u.stress)
                 .x(8)
                 .text(u.stress)
                 .x(8)
                 .text(u.length)
                 .x(8)
                 .text(u.stress));
    for (std::size_t i = 0; i < table.depth.size() && i < table.koppejan.size(); ++i) {
        const KoppejanAverages& k = table.koppejan[i];
        Line line;
        line.x(11).f(table.depth[i], 7, 2);
        if (k.complete)
            line.x(1)
                .f(k.qc_i, 10, 1)
                .x(1)
                .f(k.qc_ii, 10, 1)
                .x(1)
                .f(k.qc_iii, 10, 1)
                .x(1)
                .f(k.lower_depth, 9, 2)
                .x(1)
                .f(table.unit_end_bearing[i], 10, 1);
        else
            line.x(3).text("READINGS END TOO CLOSE BELOW THE TIP");
        out.line(line);
    }
}

void write_setup_lines(TextOut& out, const SetupApplied& setup) {
    out.blank();
    out.line(Line()
                 .text(" SKIN FRICTION AND LOAD TRANSFER AT")
                 .f(setup.days, 9, 2)
                 .text(" DAYS AFTER DRIVING, SET-UP 1 + A LOG10(t/t0):"));
    const std::pair<const char*, const SetupRate*> types[] = {{"SAND", &setup.sand}, {"CLAY", &setup.clay}};
    const double factors[] = {setup.sand_factor, setup.clay_factor};
    for (std::size_t k = 0; k < 2; ++k) {
        out.line(Line()
                     .x(3)
                     .text(types[k].first)
                     .text(": A =")
                     .f(types[k].second->a, 6, 3)
                     .text(", t0 =")
                     .f(types[k].second->t0_days, 8, 2)
                     .text(" DAYS, FACTOR")
                     .f(factors[k], 7, 4));
    }
    if (setup.own_rates.empty()) return;
    out.line(Line().x(3).text("LAYERS WITH A OR t0 OF THEIR OWN, IN PLACE OF THEIR SOIL TYPE'S:"));
    for (const SetupApplied::OwnRate& own : setup.own_rates) {
        out.line(Line()
                     .x(3)
                     .text("LAYER")
                     .i(own.layer, 3)
                     .text(own.sand ? " SAND" : " CLAY")
                     .f(own.top, 8, 2)
                     .text(" TO")
                     .f(own.bottom, 8, 2)
                     .text(": A =")
                     .f(own.rate.a, 6, 3)
                     .text(", t0 =")
                     .f(own.rate.t0_days, 8, 2)
                     .text(" DAYS, FACTOR")
                     .f(own.factor, 7, 4));
    }
}

void write_capacity_tables(TextOut& out, const RunResult& result) {
    const UnitLabels labels = unit_labels(unit_system_of(result));
    if (result.setup) write_setup_lines(out, *result.setup);
    for (const CapacityTable& t : result.methods) {
        // A method's warnings stand only above its own table: the lines do not name the method, and
        // those of a method without a table would stand above another method's table.
        write_method_warnings(out, t.warnings);
        if (t.first_depth_without_cone) {
            out.line(Line()
                         .text(" WARNING - NO CONE RESISTANCE FROM DEPTH")
                         .f(*t.first_depth_without_cone, 8, 2)
                         .x(1)
                         .text(labels.length.substr(0, labels.length.find_last_not_of(' ') + 1))
                         .text("; NO RESISTANCE IS TAKEN THERE."));
        }
        write_capacity_table(out, t, labels, result.tension);
        if (!t.koppejan.empty()) write_koppejan_averages(out, t, labels);
    }
}

}  // namespace torve
