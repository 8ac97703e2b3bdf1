// Speed of complete runs (read, checks, echo, results, write) and of their phases alone.
#include <benchmark/benchmark.h>

#include <sstream>

#include "engine/driver/input_reader.h"
#include "engine/driver/penetration_phase.h"
#include "engine/driver/report_sections.h"
#include "engine/driver/run_analysis.h"
#include "engine/driver/soil_spacing.h"
#include "tests/support/project_text.h"
#include "tests/support/scratch_dir.h"

namespace {

// 80 soil points (40 layers, sand and clay in turn), 500 segments, 100 t-z print depths,
// 100 section rows and 1000 CPT rows; all nine methods, the cone-based ones taking qc from the
// CPT profile, the user-specified one from user unit values in every layer.
torve::test::ProjectText largest_project() {
    torve::test::ProjectText p;
    p.length = 90;
    p.od = 24;
    p.id = 23;
    p.increment = 0.2;
    p.deepest = 100;
    for (int layer = 0; layer < 40; ++layer) {
        const double top = layer * 2.5, bottom = top + 2.5;
        if (layer % 2 == 0) {
            p.add_layer(torve::test::sand_layer(top, bottom, 60, 30 + layer % 7, 0.8, 20));
        } else {
            auto clay = torve::test::clay_layer(top, bottom, 50, 1000 + 50 * layer, 500);
            clay.first.ysr = clay.second.ysr = 1.5;
            clay.first.pi = clay.second.pi = 20 + layer;
            p.add_layer(clay);
        }
        p.soil.back().user_friction = p.soil[p.soil.size() - 2].user_friction = 400 + 20 * layer;
        p.soil.back().user_bearing = p.soil[p.soil.size() - 2].user_bearing = 20000 + 500 * layer;
    }
    p.tz_flag = 1;
    for (int i = 0; i < 100; ++i) p.tz_depths.push_back(0.9 * i);
    p.section_mode = 2;
    p.section_rows = 100;
    for (int i = 0; i < 100; ++i) p.sections.emplace_back(0.9 * i, 36.9 + 0.01 * i);
    p.offshore = 1;
    p.selected = {1, 1, 1, 1, 1, 1, 1, 1, 1};
    return p;
}

std::vector<std::pair<double, double>> cpt_rows() {
    std::vector<std::pair<double, double>> rows;
    for (int i = 0; i < 1000; ++i) rows.emplace_back(0.1 * i, 20000 + 300.0 * i);
    return rows;
}

void BM_CompleteRunLargestInput(benchmark::State& state) {
    torve::test::ScratchDir dir;
    torve::RunFiles files;
    files.input = dir.write("big.tv6d", largest_project().text());
    files.cpt = dir.write("big.cpt", torve::test::cpt_text(1, cpt_rows()));
    files.report = dir.file("big.tv6o");
    files.plot = dir.file("big.tv6p");
    for (auto _ : state) {
        std::ostringstream console;
        const torve::RunResult r = torve::run_analysis(files, console);
        if (r.status != torve::RunStatus::Completed || r.stop != torve::RunStop::None) {
            state.SkipWithError(r.message.c_str());
            break;
        }
        state.counters["solver_max_iterations"] = r.solver_max_iterations;
    }
}
BENCHMARK(BM_CompleteRunLargestInput)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// A complete API RP 2A run: 500 segments of 0.2 ft, a 90 ft pile, every row printed.
void BM_ApiRun500Segments(benchmark::State& state) {
    torve::test::ScratchDir dir;
    torve::test::ProjectText p;
    p.length = 90;
    p.od = 24;
    p.id = 22;
    p.increment = 0.2;
    p.deepest = 100;
    p.print_interval = 1;
    p.add_layer(torve::test::sand_layer(0, 30, 60, 32, 0.8, 20));
    p.add_layer(torve::test::clay_layer(30, 60, 50, 1500, 700));
    p.add_layer(torve::test::sand_layer(60, 100, 62, 36, 1.0, 40));
    torve::RunFiles files;
    files.input = dir.write("api.tv6d", p.text());
    files.cpt = dir.write("api.cpt", " 1 0\n");
    files.report = dir.file("api.tv6o");
    files.plot = dir.file("api.tv6p");
    for (auto _ : state) {
        std::ostringstream console;
        const torve::RunResult r = torve::run_analysis(files, console);
        if (r.status != torve::RunStatus::Completed || r.tip_capacities.size() != 1) {
            state.SkipWithError("run failed");
            break;
        }
    }
}
BENCHMARK(BM_ApiRun500Segments)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// A complete run with the five onshore methods (FHWA, USACE, Revised Lambda, API RP 2A and the
// user-specified load transfer): 500 segments of 0.2 ft, a 90 ft open pipe, every row printed.
void BM_OnshoreRun500Segments(benchmark::State& state) {
    torve::test::ScratchDir dir;
    torve::test::ProjectText p;
    p.length = 90;
    p.od = 24;
    p.id = 22;
    p.increment = 0.2;
    p.deepest = 100;
    p.print_interval = 1;
    p.selected = {1, 1, 1, 1, 1, 0, 0, 0, 0};
    p.load_transfer = 5;
    p.add_layer(torve::test::sand_layer(0, 30, 60, 32, 0.8, 20));
    p.add_layer(torve::test::clay_layer(30, 60, 50, 1500, 700));
    p.add_layer(torve::test::sand_layer(60, 100, 62, 36, 1.0, 40));
    for (auto& point : p.soil) {
        point.user_friction = 900;
        point.user_bearing = 40000;
    }
    torve::RunFiles files;
    files.input = dir.write("onshore.tv6d", p.text());
    files.cpt = dir.write("onshore.cpt", " 1 0\n");
    files.report = dir.file("onshore.tv6o");
    files.plot = dir.file("onshore.tv6p");
    for (auto _ : state) {
        std::ostringstream console;
        const torve::RunResult r = torve::run_analysis(files, console);
        if (r.status != torve::RunStatus::Completed || r.tip_capacities.size() != 5) {
            state.SkipWithError("run failed");
            break;
        }
    }
}
BENCHMARK(BM_OnshoreRun500Segments)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

}  // namespace

namespace {

// The capacity part alone: the penetration phase of every method into memory, from parsed input.
void capacity_phase(benchmark::State& state, const torve::test::ProjectText& p, const torve::CptProfile& cpt,
                    std::size_t methods) {
    torve::InputData in = torve::parse_input_data(p.text(), "bench.tv6d");
    const long long n = torve::segment_count(in.deepest_soil_depth, in.increment);
    torve::align_soil_points(in.soil, in.increment);
    for (auto _ : state) {
        std::ostringstream report, plot;
        torve::TextOut out(report);
        torve::PlotWriter writer(plot);
        torve::RunResult result;
        torve::run_penetration_phase(in, cpt, static_cast<int>(n), out, writer, result);
        if (result.tip_capacities.size() != methods) {
            state.SkipWithError("methods missing");
            break;
        }
        benchmark::DoNotOptimize(report.tellp());
    }
}

torve::test::ProjectText api_project() {
    torve::test::ProjectText p;
    p.length = 90;
    p.od = 24;
    p.id = 22;
    p.increment = 0.2;
    p.deepest = 100;
    p.add_layer(torve::test::sand_layer(0, 30, 60, 32, 0.8, 20));
    p.add_layer(torve::test::clay_layer(30, 60, 50, 1500, 700));
    p.add_layer(torve::test::sand_layer(60, 100, 62, 36, 1.0, 40));
    for (auto& point : p.soil) {
        point.user_friction = 900;
        point.user_bearing = 40000;
    }
    return p;
}

void BM_ApiCapacity500Segments(benchmark::State& state) {
    capacity_phase(state, api_project(), {}, 1);
}
BENCHMARK(BM_ApiCapacity500Segments)->Unit(benchmark::kMillisecond);

void BM_OnshoreCapacity500Segments(benchmark::State& state) {
    torve::test::ProjectText p = api_project();
    p.selected = {1, 1, 1, 1, 1, 0, 0, 0, 0};
    capacity_phase(state, p, {}, 5);
}
BENCHMARK(BM_OnshoreCapacity500Segments)->Unit(benchmark::kMillisecond);

void BM_AllMethodsCapacityLargestInput(benchmark::State& state) {
    torve::CptProfile cpt;
    for (const auto& [d, q] : cpt_rows()) cpt.points.push_back({d, q});
    capacity_phase(state, largest_project(), cpt, 9);
}
BENCHMARK(BM_AllMethodsCapacityLargestInput)->Unit(benchmark::kMillisecond);

// Reading the largest input and echoing it, the work of a run before any computation.
void BM_ReadAndEchoLargestInput(benchmark::State& state) {
    const std::string text = largest_project().text();
    std::string cpt_text;
    {
        std::ostringstream o;
        o << " 1 1000\n";
        for (const auto& [d, q] : cpt_rows()) o << "  " << d << "  " << q << "\n";
        cpt_text = o.str();
    }
    for (auto _ : state) {
        const torve::InputData in = torve::parse_input_data(text, "bench.tv6d");
        const torve::CptProfile cpt = torve::parse_cpt_data(cpt_text, "bench.cpt");
        std::ostringstream report;
        torve::TextOut out(report);
        torve::write_input_echo(out, in, torve::unit_labels(in.units));
        benchmark::DoNotOptimize(cpt.points.size());
    }
}
BENCHMARK(BM_ReadAndEchoLargestInput)->Unit(benchmark::kMillisecond);

}  // namespace
