// Speed of what an engineer waits for after pressing Run on the largest input: the run command to
// a painted graph window, and the results summary opened and painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "app/main/analysisrun.h"
#include "app/main/resultssummarywindow.h"
#include "app/project/project.h"
#include "app/views/graphwindow.h"
#include "app/widgets/appsettings.h"
#include "app/widgets/windowhost.h"
#include "bench/largest_project.h"
#include "tests/support/scratch_dir.h"

namespace {

using namespace torve::app;

class GlanceHost : public WindowHost {
  public:
    GlanceHost() : settings_(QDir::temp().filePath(QStringLiteral("torve-bench-glance.ini"))) {}
    Project& project() override { return project_; }
    AppSettings& settings() override { return settings_; }
    void showDialog(DialogId) override {}
    void showTable(GridTable&) override {}
    void showGraph(Graph&) override {}
    void viewFile(const QString&) override {}

  private:
    Project project_;
    AppSettings settings_;
};

void ensureApplication() {
    static int argc = 1;
    static char name[] = "torve_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
}

// The largest project saved in `dir` and read into the host's project; the input file's path.
QString prepare(torve::test::ScratchDir& dir, GlanceHost& host) {
    const std::string input = dir.write("bench.tv6d", torve::test::text_of(torve::bench::largest_project()));
    dir.write("bench.cpt", torve::test::cpt_text(1, torve::bench::cpt_rows()));
    host.project().readProject(QString::fromStdString(input), ProjectFormat::Current);
    return QString::fromStdString(input);
}

bool run(benchmark::State& state, Project& project) {
    project.saveProject();
    const RunOutcome outcome = AnalysisRun(project, QStringLiteral(TORVE_ENGINE_DIR)).execute();
    if (outcome.kind == RunOutcome::Kind::Completed && outcome.plotLoaded) return true;
    state.SkipWithError(outcome.message.toStdString().c_str());
    return false;
}

// Save, run, read back, then the total-capacity graph opened and painted at 1200 x 800.
void BM_RunToPaintedGraph(benchmark::State& state) {
    ensureApplication();
    torve::test::ScratchDir dir;
    GlanceHost host;
    prepare(dir, host);
    for (auto _ : state) {
        if (!run(state, host.project())) break;
        GraphWindow window(host.project().graph(ResultGraph::TotalCapacity), host);
        window.resize(1200, 800);
        const QPixmap picture = window.grab();
        benchmark::DoNotOptimize(picture.cacheKey());
    }
}

// After a run: the summary window made from the results and the report, and painted.
void BM_OpenResultsSummary(benchmark::State& state) {
    ensureApplication();
    torve::test::ScratchDir dir;
    GlanceHost host;
    const QString input = prepare(dir, host);
    if (!run(state, host.project())) return;
    const QString report = besideProject(input, ".tv6o");
    for (auto _ : state) {
        ResultsSummaryWindow window(host.project(), report);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        const QPixmap picture = window.grab();
        benchmark::DoNotOptimize(picture.cacheKey());
    }
}

BENCHMARK(BM_RunToPaintedGraph)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenResultsSummary)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
