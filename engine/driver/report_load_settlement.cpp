// Report sections after the capacity tables: curves, load distribution, load-settlement curve.
#include "engine/driver/report_load_settlement.h"

#include <string>

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

void write_tz_table(TextOut& out, const std::vector<TzEntry>& entries, const OutputUnits& units,
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
        out.line(Line().x(8).i(e.number, 5).i(kPointsPerTzCurve, 11).e(e.curve->ground_depth, 16, 4));
        for (int k = 0; k < kPointsPerTzCurve; ++k) {
            const auto i = static_cast<std::size_t>(k);
            out.line(Line()
                         .x(40)
                         .e(units.stress(e.curve->transfer[i]), 17, 4)
                         .e(units.report_movement(e.curve->movement[i]), 16, 4));
        }
    }
}

void write_tip_curve(TextOut& out, const QwCurve& tip, const OutputUnits& units, const UnitLabels& u) {
    out.blank(3);
    out.line(Line().x(8).text("TIP   LOAD").x(8).text("TIP MOVEMENT"));
    out.line(Line().x(12).text(u.force).x(15).text(u.diameter));
    out.blank();
    for (std::size_t k = 0; k < kPointsPerTzCurve; ++k) {
        out.line(Line().e(units.force(tip.load[k]), 18, 4).e(units.report_movement(tip.movement[k]), 19, 4));
    }
}

void write_assumed_tip_movements(TextOut& out, const LoadSettlement& ls, const OutputUnits& units,
                                 const UnitLabels& u) {
    out.blank(3);
    out.line(Line().x(8).text("ASSUMED TIP MOVEMENT").x(8).text("TIP   LOAD"));
    out.line(Line().x(17).text(u.diameter).x(20).text(u.force));
    for (const LoadLevel& level : ls.levels) {
        out.line(
            Line().e(units.report_movement(level.tip_movement), 23, 4).e(units.force(level.tip_load), 23, 4));
    }
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

void boundary_row(TextOut& out, const BoundaryState& b, const OutputUnits& units) {
    out.line(Line()
                 .x(3)
                 .f(units.ground_depth(b.depth), 7, 2)
                 .x(19)
                 .e(units.force(b.load), 10, 3)
                 .x(20)
                 .e(units.report_movement(b.movement), 10, 3));
}

void segment_row(TextOut& out, const SegmentStep& step, const OutputUnits& units) {
    out.line(Line()
                 .x(3)
                 .f(units.ground_depth(step.mid_depth), 7, 2)
                 .f(units.stress(step.load_transfer), 9, 2)
                 .e(units.force(step.load_increment), 10, 3)
                 .x(10)
                 .e(units.force(step.average_load), 10, 3)
                 .e(units.report_movement(step.compression), 10, 3)
                 .x(10)
                 .e(units.report_movement(step.average_movement), 10, 3));
}

// A line for every segment of the level whose movement did not converge.
void convergence_warnings(TextOut& out, const LoadLevel& level, int level_number, const OutputUnits& units,
                          const UnitLabels& u) {
    for (const SegmentStep& step : level.steps) {
        if (step.converged) continue;
        out.line(Line()
                     .x(3)
                     .text("WARNING - THE MOVEMENT DID NOT CONVERGE IN ")
                     .text(std::to_string(step.iterations))
                     .text(" ITERATIONS AT LOAD LEVEL ")
                     .text(std::to_string(level_number))
                     .text(", DEPTH ")
                     .text(decimals(units.ground_depth(step.mid_depth), 2))
                     .x(1)
                     .text(u.length));
    }
}

}  // namespace

void write_load_distribution(TextOut& out, const LoadSettlement& ls, const OutputUnits& units,
                             const UnitLabels& u) {
    load_distribution_headings(out, u);
    int level_number = 0;
    for (const LoadLevel& level : ls.levels) {
        ++level_number;
        // From the tip up: a boundary, then each segment above it and its top boundary.
        boundary_row(out, level.boundaries.front(), units);
        for (std::size_t s = 0; s < level.steps.size(); ++s) {
            segment_row(out, level.steps[s], units);
            boundary_row(out, level.boundaries[s + 1], units);
        }
        convergence_warnings(out, level, level_number, units, u);
    }
}

void write_load_settlement_curve(TextOut& out, const LoadSettlement& ls, const OutputUnits& units,
                                 const UnitLabels& u) {
    out.blank(3);
    out.line(Line().x(22).text("LOAD VERSUS SETTLEMENT CURVE"));
    out.line(Line().x(22).text(std::string(28, '*')));
    out.blank(3);
    out.line(Line().x(8).text("TOP  LOAD     TOP MOVEMENT       TIP  LOAD ").x(5).text("TIP MOVEMENT"));
    out.line(Line().x(11).text(u.force).x(13).text(u.diameter).x(14).text(u.force).x(12).text(u.diameter));
    for (const LoadLevel& level : ls.levels) {
        out.line(Line()
                     .e(units.force(level.head_load), 17, 4)
                     .e(units.report_movement(level.head_movement), 16, 4)
                     .e(units.force(level.tip_load), 16, 4)
                     .e(units.report_movement(level.tip_movement), 16, 4));
    }
}

void write_load_settlement_report(TextOut& out, const InputData& in, const Units& units,
                                  const LoadSettlementResults& r) {
    const UnitLabels labels = unit_labels(in.units);
    const OutputUnits converted{units, in.stickup_length};
    write_asterisk_note(out);
    write_load_settlement_banner(out);
    if (!r.transfer_method_ran) {
        write_load_transfer_not_run(out);
        out.blank();
    }
    std::vector<TzEntry> entries;
    for (const TzCurve& c : r.shaft) entries.push_back({static_cast<int>(entries.size()) + 1, &c});
    write_tz_table(out, entries, converted, labels);
    write_tip_curve(out, r.tip, converted, labels);
    write_assumed_tip_movements(out, r.solution, converted, labels);
    write_load_distribution(out, r.solution, converted, labels);
    write_load_settlement_curve(out, r.solution, converted, labels);
    if (r.checks.empty()) return;
    // The verification curves are numbered among themselves, skipping depths outside the soil.
    std::vector<TzEntry> checks;
    int number = 0;
    for (const std::optional<TzCurve>& c : r.checks)
        checks.push_back(c ? TzEntry{++number, &*c} : TzEntry{0, nullptr});
    write_verification_banner(out);
    write_tz_table(out, checks, converted, labels);
}

}  // namespace torve
