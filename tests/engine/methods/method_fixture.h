// Runs the penetration phase of a project built in code and keeps its report and plot lines.
#pragma once

#include <sstream>
#include <string>

#include "engine/driver/input_reader.h"
#include "engine/driver/penetration_phase.h"
#include "engine/driver/plot_blocks.h"
#include "engine/driver/report_sections.h"
#include "engine/driver/soil_spacing.h"
#include "tests/support/project_text.h"

namespace torve::test {

struct PhaseRun {
    InputData in;
    PenetrationResults results;
    RunResult run;
    std::string report;
    std::string plot;

    explicit PhaseRun(const ProjectRecords& p, const CptProfile& cpt = {})
        : in(parse_input_data(test::text_of(p), "p.tv6d")) {
        const long long n = segment_count(in.deepest_soil_depth, in.computation_increment);
        align_soil_points(in.soil, in.computation_increment);
        run.english = in.units == UnitSystem::English;
        run.tension = in.tension();
        run.load_transfer_method = in.load_transfer_method;
        results = run_penetration_phase(in, units_of(in.units), cpt, static_cast<int>(n), run);
        std::ostringstream report_stream, plot_stream;
        TextOut out(report_stream);
        PlotWriter writer(plot_stream);
        write_capacity_tables(out, run);
        write_capacity_blocks(writer, run);
        report = report_stream.str();
        plot = plot_stream.str();
    }

    const CapacityCurve& curve() const { return *results.load_transfer; }
};

}  // namespace torve::test
