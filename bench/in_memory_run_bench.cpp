// Speed of a run over texts in memory (the Python module's way with texts) against the run over
// files, on an example, with and without keeping the report; and of the computation alone, which
// the Python module runs without texts.
//
// Instructions per run of the computation alone against a Python run without texts, counted by
// callgrind with scripts/instructions (open-pipe-offshore-si, g++ 12 -O3, Python 3.11, LOW=3 HIGH=23):
//   computation alone (example_computed/fixed)          2,118,990 instructions
//   torve.run(project) (bench/python_run_many.py)       2,617,354 instructions
//   ratio                                               1.235
// The Python run adds the reading of the project's records (about 85,000), the arrays and dicts of
// the results and the Python objects over them. Its count moves by a few per cent with the counts
// of runs (the interpreter's memory), 1.22 to 1.27 over 2/6, 2/12 and 3/23 runs.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <sstream>

#include "engine/driver/input_reader.h"
#include "engine/driver/run_analysis.h"
#include "tests/support/scratch_dir.h"

namespace {

const char* const kExample = "examples/open-pipe-offshore-si";

void example_from_files(benchmark::State& state) {
    torve::test::ScratchDir dir;
    const std::string base = torve::test::source_path(kExample);
    const torve::RunFiles files{base + ".tv6d", dir.file("bench.tv6o"), dir.file("bench.tv6p"),
                                base + ".cpt"};
    for (auto _ : state) {
        std::ostringstream console;
        if (torve::run_analysis(files, console).status != torve::RunStatus::Completed) {
            state.SkipWithError("run failed");
            break;
        }
    }
}

void example_in_memory(benchmark::State& state) {
    const bool keep_report = state.range(0) != 0;
    const std::string base = torve::test::source_path(kExample);
    const std::string input = torve::test::read_file(base + ".tv6d");
    const std::string cpt = torve::test::read_file(base + ".cpt");
    const torve::RunFiles names{base + ".tv6d", "bench.tv6o", "bench.tv6p", base + ".cpt"};
    for (auto _ : state) {
        std::ostringstream console, report, plot;
        const torve::RunOutputs outputs{keep_report ? &report : nullptr, &plot};
        if (torve::run_analysis(names, torve::RunTexts{input, cpt}, outputs, console).status !=
            torve::RunStatus::Completed) {
            state.SkipWithError("run failed");
            break;
        }
    }
}

// The capacity phase, the curves and the solver from input already read, into the results.
void example_computed(benchmark::State& state) {
    const std::string base = torve::test::source_path(kExample);
    const torve::InputData in =
        torve::parse_input_data(torve::test::read_file(base + ".tv6d"), base + ".tv6d");
    const torve::CptProfile cpt = torve::parse_cpt_data(torve::test::read_file(base + ".cpt"), base + ".cpt");
    for (auto _ : state) {
        const torve::RunResult r = torve::compute_analysis(in, cpt);
        if (r.status != torve::RunStatus::Completed || r.methods.empty()) {
            state.SkipWithError("run failed");
            break;
        }
        benchmark::DoNotOptimize(r.methods.data());
    }
}

}  // namespace

BENCHMARK(example_from_files)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
// Argument 1 keeps the report, 0 lets it go.
BENCHMARK(example_in_memory)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(example_computed)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// With TORVE_BENCH_ITERATIONS set, the computation also runs that many times exactly (as
// "example_computed/fixed"), for scripts/instructions.
[[maybe_unused]] static const bool kComputedFixed = [] {
    const char* text = std::getenv("TORVE_BENCH_ITERATIONS");
    const long long n = text ? std::atoll(text) : 0;
    if (n > 0) benchmark::RegisterBenchmark("example_computed/fixed", example_computed)->Iterations(n);
    return n > 0;
}();
