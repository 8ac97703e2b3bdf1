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

// A 90 ft open pipe in sand, clay and dense sand: 500 segments of 0.2 ft, every row printed, user
// unit values in every layer; API RP 2A alone unless the caller selects more.
torve::test::ProjectText pipe_500_segments() {
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

torve::test::ProjectText onshore_500_segments() {
    torve::test::ProjectText p = pipe_500_segments();
    p.selected = {1, 1, 1, 1, 1, 0, 0, 0, 0};
    p.load_transfer = 5;
    return p;
}

// A complete run from files to files, as `torve run` does it.
void complete_run(benchmark::State& state, const torve::test::ProjectText& p,
                  const std::vector<std::pair<double, double>>& cpt, std::size_t methods) {
    torve::test::ScratchDir dir;
    const torve::RunFiles files{dir.write("bench.tv6d", p.text()), dir.file("bench.tv6o"),
                                dir.file("bench.tv6p"),
                                dir.write("bench.cpt", torve::test::cpt_text(p.units, cpt))};
    for (auto _ : state) {
        std::ostringstream console;
        const torve::RunResult r = torve::run_analysis(files, console);
        if (r.status != torve::RunStatus::Completed || r.stop != torve::RunStop::None ||
            r.tip_capacities.size() != methods) {
            state.SkipWithError(r.message.empty() ? "methods missing" : r.message.c_str());
            break;
        }
        state.counters["solver_max_iterations"] = r.solver_max_iterations;
    }
}

// The capacity part alone: the penetration phase of every method into memory, from parsed input.
void capacity_phase(benchmark::State& state, const torve::test::ProjectText& p,
                    const std::vector<std::pair<double, double>>& rows, std::size_t methods) {
    torve::InputData in = torve::parse_input_data(p.text(), "bench.tv6d");
    torve::CptProfile cpt;
    for (const auto& [d, q] : rows) cpt.points.push_back({d, q});
    const long long n = torve::segment_count(in.deepest_soil_depth, in.increment);
    torve::align_soil_points(in.soil, in.increment);
    for (auto _ : state) {
        std::ostringstream report, plot;
        torve::TextOut out(report);
        torve::PlotWriter writer(plot);
        torve::RunResult result;
        torve::run_penetration_phase(in, torve::units_of(in.units), cpt, static_cast<int>(n), out, writer,
                                     result);
        if (result.tip_capacities.size() != methods) {
            state.SkipWithError("methods missing");
            break;
        }
        benchmark::DoNotOptimize(report.tellp());
    }
}

void BM_CompleteRunLargestInput(benchmark::State& state) {
    complete_run(state, largest_project(), cpt_rows(), 9);
}
void BM_ApiRun500Segments(benchmark::State& state) {
    complete_run(state, pipe_500_segments(), {}, 1);
}
void BM_OnshoreRun500Segments(benchmark::State& state) {
    complete_run(state, onshore_500_segments(), {}, 5);
}
void BM_ApiCapacity500Segments(benchmark::State& state) {
    capacity_phase(state, pipe_500_segments(), {}, 1);
}
void BM_OnshoreCapacity500Segments(benchmark::State& state) {
    capacity_phase(state, onshore_500_segments(), {}, 5);
}
void BM_AllMethodsCapacityLargestInput(benchmark::State& state) {
    capacity_phase(state, largest_project(), cpt_rows(), 9);
}

// Reading the largest input and echoing it, the work of a run before any computation.
void BM_ReadAndEchoLargestInput(benchmark::State& state) {
    const std::string text = largest_project().text();
    const std::string cpt_text = torve::test::cpt_text(1, cpt_rows());
    for (auto _ : state) {
        const torve::InputData in = torve::parse_input_data(text, "bench.tv6d");
        const torve::CptProfile cpt = torve::parse_cpt_data(cpt_text, "bench.cpt");
        std::ostringstream report;
        torve::TextOut out(report);
        torve::write_input_echo(out, in, torve::unit_labels(in.units));
        benchmark::DoNotOptimize(cpt.points.size());
    }
}

BENCHMARK(BM_CompleteRunLargestInput)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApiRun500Segments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OnshoreRun500Segments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApiCapacity500Segments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OnshoreCapacity500Segments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllMethodsCapacityLargestInput)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndEchoLargestInput)->Unit(benchmark::kMillisecond);

}  // namespace
