// Speed of a run over texts in memory (the Python module's way) against the run over files, on the
// largest example, with and without keeping the report.
#include <benchmark/benchmark.h>

#include <sstream>

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

}  // namespace

BENCHMARK(example_from_files)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
// Argument 1 keeps the report, 0 lets it go.
BENCHMARK(example_in_memory)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
