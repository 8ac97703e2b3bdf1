// Speed of the desktop program's run command on the largest input: save, file of names, the engine
// library bound and called, the plot data file read back into the result graphs.
#include <benchmark/benchmark.h>

#include <QFile>

#include "app/main/analysisrun.h"
#include "app/project/project.h"
#include "bench/largest_project.h"
#include "tests/support/scratch_dir.h"

namespace {

void BM_RunCommandLargestInput(benchmark::State& state) {
    torve::test::ScratchDir dir;
    const std::string input = dir.write("bench.tv6d", torve::test::text_of(torve::bench::largest_project()));
    dir.write("bench.cpt", torve::test::cpt_text(1, torve::bench::cpt_rows()));
    torve::app::Project project;
    project.readProject(QString::fromStdString(input), torve::app::ProjectFormat::Current);
    for (auto _ : state) {
        project.saveProject();
        const torve::app::RunOutcome outcome =
            torve::app::AnalysisRun(project, QStringLiteral(TORVE_ENGINE_DIR)).execute();
        if (outcome.kind != torve::app::RunOutcome::Kind::Completed || !outcome.plotLoaded) {
            state.SkipWithError(outcome.message.toStdString().c_str());
            break;
        }
    }
    state.counters["plot_rows"] = project.results().plotRows();
}

BENCHMARK(BM_RunCommandLargestInput)->Unit(benchmark::kMillisecond);

}  // namespace
