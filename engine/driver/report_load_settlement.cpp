// Report sections after the capacity tables: curves, load distribution, load-settlement curve.
#include "engine/driver/report_load_settlement.h"

#include <string>

#include "engine/driver/output_units.h"

namespace torve {
namespace {

void boxed(TextOut& out, const char* first, const char* second) {
    const std::string rule(49, '*');
    out.line(Line().x(16).text(rule));
    out.line(Line().x(16).text(first));
    out.line(Line().x(16).text(second));
    out.line(Line().x(16).text(rule));
}

}  // namespace

void write_asterisk_note(TextOut& out) {
    out.blank(2);
    out.line(Line().x(12).text("AN ASTERISK WILL BE PLACED IN THE END-BEARING COLUMN"));
    out.line(Line().x(12).text("IF THE TIP RESISTANCE IS CONTROLLED BY THE FRICTION"));
    out.line(Line().x(12).text("OF SOIL PLUG INSIDE AN OPEN-ENDED PIPE PILE."));
    out.blank();
}

void write_load_settlement_banner(TextOut& out) {
    out.blank(2);
    boxed(out, "* COMPUTE LOAD-DISTRIBUTION AND LOAD-SETTLEMENT *",
          "* CURVES FOR AXIAL LOADING                      *");
    out.blank(2);
}

void write_load_transfer_not_run(TextOut& out) {
    out.line(Line().x(8).text("WARNING - THE METHOD FOR UNIT LOAD TRANSFERS DID NOT RUN: THE CONE-BASED"));
    out.line(Line().x(8).text("METHODS NEED OFFSHORE DATA. ITS T-Z AND TIP CURVES CARRY NO RESISTANCE."));
}

void write_verification_banner(TextOut& out) {
    out.blank(2);
    boxed(out, "* COMPUTE INTERNALLY-GENERATED LOAD-TRANSFER    *",
          "* (t-z) CURVES FOR VERIFICATION                 *");
    out.blank(2);
}

void write_tz_table(TextOut& out, const std::vector<TzEntry>& entries, const Units& units,
                    const UnitLabels& u) {
    out.line(Line().x(8).text("T-Z CURVE   NO. OF   DEPTH TO CURVE   LOAD TRANSFER   PILE MOVEMENT"));
    out.line(Line().x(11).text("NO.").x(6).text("POINTS").x(8).text(u.length).x(14).text(u.stress).x(13).text(
        u.diameter));
    out.blank();
    for (const TzEntry& e : entries) {
        if (!e.curve) {
            out.line(Line().x(15).text("CURVE NOT PRINTED SINCE DEPTH OUTSIDE SOIL RANGE"));
            continue;
        }
        out.line(Line().x(8).i(e.number, 5).i(kPointsPerTzCurve, 11).e(e.curve->depth, 16, 4));
        for (std::size_t k = 0; k < kPointsPerTzCurve; ++k) {
            out.line(Line()
                         .x(40)
                         .e(e.curve->load_transfer[k], 17, 4)
                         .e(report_movement(e.curve->movement[k], units), 16, 4));
        }
    }
}

void write_tip_curve(TextOut& out, const TipCurve& tip, const Units& units, const UnitLabels& u) {
    out.blank(3);
    out.line(Line().x(8).text("TIP   LOAD").x(8).text("TIP MOVEMENT"));
    out.line(Line().x(12).text(u.force).x(15).text(u.diameter));
    out.blank();
    for (std::size_t k = 0; k < kPointsPerTzCurve; ++k) {
        out.line(Line().e(tip.load[k], 18, 4).e(report_movement(tip.movement[k], units), 19, 4));
    }
}

void write_assumed_tip_movements(TextOut& out, const std::vector<LoadLevelResult>& levels, const Units& units,
                                 const UnitLabels& u) {
    out.blank(3);
    out.line(Line().x(8).text("ASSUMED TIP MOVEMENT").x(8).text("TIP   LOAD"));
    out.line(Line().x(17).text(u.diameter).x(20).text(u.force));
    for (const LoadLevelResult& level : levels)
        out.line(Line().e(report_movement(level.tip_movement, units), 23, 4).e(level.tip_load, 23, 4));
}

namespace {

void load_distribution_headings(TextOut& out, const UnitLabels& u) {
    out.blank(3);
    out.line(Line()
                 .x(5)
                 .text("DEPTH   LOAD")
                 .x(5)
                 .text("LOAD")
                 .x(6)
                 .text("TOTAL")
                 .x(6)
                 .text("AVG")
                 .x(5)
                 .text("COMP")
                 .x(7)
                 .text("TOTAL     AVG"));
    out.line(Line()
                 .x(11)
                 .text("TRANSFER   INCR")
                 .x(6)
                 .text("LOAD")
                 .x(7)
                 .text("LOAD")
                 .x(4)
                 .text("OF INCR    MVMNT     MVMNT"));
    out.line(Line()
                 .x(6)
                 .a(u.length, 3)
                 .x(3)
                 .a(u.stress, 3)
                 .x(8)
                 .a(u.force, 3)
                 .x(7)
                 .a(u.force, 3)
                 .x(8)
                 .a(u.force, 3)
                 .x(5)
                 .a(u.diameter, 3)
                 .x(8)
                 .a(u.diameter, 3)
                 .x(7)
                 .a(u.diameter, 3));
}

void boundary_row(TextOut& out, const PileState& b, const Units& units) {
    out.line(Line()
                 .x(3)
                 .f(b.depth, 7, 2)
                 .x(19)
                 .e(b.load, 10, 3)
                 .x(20)
                 .e(report_movement(b.movement, units), 10, 3));
}

void segment_row(TextOut& out, const SegmentSolution& s, const Units& units) {
    out.line(Line()
                 .x(3)
                 .f(s.depth, 7, 2)
                 .f(s.load_transfer, 9, 2)
                 .e(s.load_increment, 10, 3)
                 .x(10)
                 .e(s.average_load, 10, 3)
                 .e(report_movement(s.compression, units), 10, 3)
                 .x(10)
                 .e(report_movement(s.average_movement, units), 10, 3));
}

// A line for every segment of the level whose movement did not converge.
void convergence_warnings(TextOut& out, const LoadLevelResult& level, int level_number, const UnitLabels& u) {
    for (const SegmentSolution& step : level.segments) {
        if (step.converged) continue;
        out.line(Line()
                     .x(3)
                     .text("WARNING - THE MOVEMENT DID NOT CONVERGE IN ")
                     .text(std::to_string(step.iterations))
                     .text(" ITERATIONS AT LOAD LEVEL ")
                     .text(std::to_string(level_number))
                     .text(", DEPTH ")
                     .text(decimals(step.depth, 2))
                     .x(1)
                     .text(u.length));
    }
}

}  // namespace

void write_load_distribution(TextOut& out, const std::vector<LoadLevelResult>& levels, const Units& units,
                             const UnitLabels& u) {
    load_distribution_headings(out, u);
    int level_number = 0;
    for (const LoadLevelResult& level : levels) {
        ++level_number;
        // From the tip up: a boundary, then each segment above it and its top boundary.
        boundary_row(out, level.boundaries.front(), units);
        for (std::size_t s = 0; s < level.segments.size(); ++s) {
            segment_row(out, level.segments[s], units);
            boundary_row(out, level.boundaries[s + 1], units);
        }
        convergence_warnings(out, level, level_number, u);
    }
}

void write_load_settlement_curve(TextOut& out, const std::vector<LoadLevelResult>& levels, const Units& units,
                                 const UnitLabels& u) {
    out.blank(3);
    out.line(Line().x(22).text("LOAD VERSUS SETTLEMENT CURVE"));
    out.line(Line().x(22).text(std::string(28, '*')));
    out.blank(3);
    out.line(Line().x(8).text("TOP  LOAD     TOP MOVEMENT       TIP  LOAD ").x(5).text("TIP MOVEMENT"));
    out.line(Line().x(11).text(u.force).x(13).text(u.diameter).x(14).text(u.force).x(12).text(u.diameter));
    for (const LoadLevelResult& level : levels) {
        out.line(Line()
                     .e(level.head_load, 17, 4)
                     .e(report_movement(level.head_movement, units), 16, 4)
                     .e(level.tip_load, 16, 4)
                     .e(report_movement(level.tip_movement, units), 16, 4));
    }
}

void write_working_loads(TextOut& out, const std::vector<WorkingLoad>& loads, const Units& units,
                         const UnitLabels& u) {
    if (loads.empty()) return;
    out.blank(3);
    out.line(Line().x(22).text(kWorkingLoadsHeading));
    out.line(Line().x(22).text(std::string(kWorkingLoadsHeading.size(), '*')));
    out.blank();
    out.line(Line().x(8).text("METHOD              FRACTION OF      HEAD LOAD   HEAD MOVEMENT"));
    out.line(
        Line().x(8).text("                    CAPACITY AT TIP").x(6).text(u.force).x(13).text(u.diameter));
    for (const WorkingLoad& w : loads) {
        Line line;
        line.x(8).a(method_info(w.method).name, 18).f(w.fraction, 12, 4).e(w.load, 16, 4);
        if (w.head_movement)
            line.e(report_movement(*w.head_movement, units), 16, 4);
        else
            line.x(5).text("BEYOND THE CURVE");
        out.line(line);
    }
}

void write_load_settlement_report(TextOut& out, const InputData& in, const RunResult& r) {
    const UnitLabels labels = unit_labels(in.units);
    const Units& units = units_of(in.units);
    write_asterisk_note(out);
    write_load_settlement_banner(out);
    if (!r.load_transfer_ran) {
        write_load_transfer_not_run(out);
        out.blank();
    }
    std::vector<TzEntry> entries;
    entries.reserve(r.tz_curves.size());
    for (const TransferCurve& c : r.tz_curves) entries.push_back({static_cast<int>(entries.size()) + 1, &c});
    write_tz_table(out, entries, units, labels);
    write_tip_curve(out, r.tip_curve, units, labels);
    write_assumed_tip_movements(out, r.load_levels, units, labels);
    write_load_distribution(out, r.load_levels, units, labels);
    write_load_settlement_curve(out, r.load_levels, units, labels);
    if (r.extra_tz_curves.empty()) return write_working_loads(out, r.working_loads, units, labels);
    // The verification curves are numbered among themselves, skipping depths outside the soil.
    std::vector<TzEntry> checks;
    int number = 0;
    for (const PrintDepthCurve& c : r.extra_tz_curves)
        checks.push_back(c.curve ? TzEntry{++number, &*c.curve} : TzEntry{0, nullptr});
    write_verification_banner(out);
    write_tz_table(out, checks, units, labels);
    write_working_loads(out, r.working_loads, units, labels);
}

}  // namespace torve
