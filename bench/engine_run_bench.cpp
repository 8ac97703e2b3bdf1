// Speed of complete runs (read, checks, echo, results, write) and of their phases alone.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <sstream>

#include "bench/largest_project.h"
#include "engine/driver/input_reader.h"
#include "engine/driver/penetration_phase.h"
#include "engine/driver/report_sections.h"
#include "engine/driver/run_analysis.h"
#include "engine/driver/soil_spacing.h"
#include "tests/support/project_text.h"
#include "tests/support/scratch_dir.h"

namespace {

using torve::MethodFlags;
using torve::ProjectRecords;
namespace test = torve::test;

// A 90 ft open pipe in sand, clay and dense sand: 500 segments of 0.2 ft, every row printed, user
// unit values in every layer; API RP 2A alone unless the caller selects more.
ProjectRecords pipe_500_segments() {
    ProjectRecords p = test::project();
    p.total_pile_length = 90;
    p.outside_diameter = 24;
    p.inside_diameter = 22;
    p.computation_increment = 0.2;
    p.deepest_soil_depth = 100;
    test::add_layer(p, torve::test::sand_layer(0, 30, 60, 32, 0.8, 20));
    test::add_layer(p, torve::test::clay_layer(30, 60, 50, 1500, 700));
    test::add_layer(p, torve::test::sand_layer(60, 100, 62, 36, 1.0, 40));
    for (auto& point : p.soil_points) {
        point.user_unit_skin_friction = 900;
        point.user_unit_end_bearing = 40000;
    }
    return p;
}

ProjectRecords onshore_500_segments() {
    ProjectRecords p = pipe_500_segments();
    p.method_selection_flags = MethodFlags{1, 1, 1, 1, 1, 0, 0, 0, 0};
    p.load_transfer_method_code = 5;
    return p;
}

// A complete run from files to files, as `torve run` does it.
void complete_run(benchmark::State& state, const ProjectRecords& p,
                  const std::vector<std::pair<double, double>>& cpt, std::size_t methods) {
    torve::test::ScratchDir dir;
    const torve::RunFiles files{dir.write("bench.tv6d", test::text_of(p)), dir.file("bench.tv6o"),
                                dir.file("bench.tv6p"),
                                dir.write("bench.cpt", torve::test::cpt_text(p.unit_system_code, cpt))};
    for (auto _ : state) {
        std::ostringstream console;
        const torve::RunResult r = torve::run_analysis(files, console);
        if (r.status != torve::RunStatus::Completed || r.stop != torve::RunStop::None ||
            r.methods.size() != methods) {
            state.SkipWithError(r.message.empty() ? "methods missing" : r.message.c_str());
            break;
        }
        state.counters["solver_max_iterations"] = r.solver_max_iterations;
    }
}

// The capacity part alone: the penetration phase of every method into its tables, from parsed input.
void capacity_phase(benchmark::State& state, const ProjectRecords& p,
                    const std::vector<std::pair<double, double>>& rows, std::size_t methods) {
    torve::InputData in = torve::parse_input_data(test::text_of(p), "bench.tv6d");
    torve::CptProfile cpt;
    for (const auto& [d, q] : rows) cpt.points.push_back({d, q});
    const long long n = torve::segment_count(in.deepest_soil_depth, in.computation_increment);
    torve::align_soil_points(in.soil, in.computation_increment);
    for (auto _ : state) {
        torve::RunResult result;
        torve::run_penetration_phase(in, torve::units_of(in.units), cpt, static_cast<int>(n), result);
        if (result.methods.size() != methods) {
            state.SkipWithError("methods missing");
            break;
        }
        benchmark::DoNotOptimize(result.methods.data());
    }
}

void BM_CompleteRunLargestInput(benchmark::State& state) {
    complete_run(state, torve::bench::largest_project(), torve::bench::cpt_rows(), 9);
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
    capacity_phase(state, torve::bench::largest_project(), torve::bench::cpt_rows(), 9);
}

// Reading the largest input and echoing it, the work of a run before any computation.
void BM_ReadAndEchoLargestInput(benchmark::State& state) {
    const std::string text = torve::test::text_of(torve::bench::largest_project());
    const std::string cpt_text = torve::test::cpt_text(1, torve::bench::cpt_rows());
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

// With TORVE_BENCH_ITERATIONS set, the two largest-input benchmarks also run that many times exactly
// (as ".../fixed"): scripts/instructions counts their instructions at two counts, so that the
// difference is the cost of the runs alone, without the setup.
[[maybe_unused]] const bool kFixedRegistered = [] {
    const char* text = std::getenv("TORVE_BENCH_ITERATIONS");
    const long long n = text ? std::atoll(text) : 0;
    if (n <= 0) return false;
    benchmark::RegisterBenchmark("BM_CompleteRunLargestInput/fixed", BM_CompleteRunLargestInput)
        ->Iterations(n);
    benchmark::RegisterBenchmark("BM_AllMethodsCapacityLargestInput/fixed", BM_AllMethodsCapacityLargestInput)
        ->Iterations(n);
    return true;
}();

}  // namespace
