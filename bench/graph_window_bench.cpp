// Speed of opening the largest graphs a run can make in a graph window and painting them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "app/graph/graph.h"
#include "app/project/project.h"
#include "app/views/graphwindow.h"
#include "app/widgets/appsettings.h"
#include "app/widgets/windowhost.h"

namespace {

using namespace torve::app;

// The window needs a host for its project's signals, nothing more.
class BenchHost : public WindowHost {
  public:
    BenchHost() : settings_(QDir::temp().filePath(QStringLiteral("torve-bench.ini"))) {}
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

QApplication& application() {
    static int argc = 1;
    static char name[] = "torve_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// 600 t-z curves of 10 points (500 along the shaft and 100 at the print depths, the most a run
// writes), or 9 methods of 501 rows (500 segments and the surface), markers on every point.
void fill(Graph& g, bool tzCurves) {
    const int lines = tzCurves ? 600 : 9, points = tzCurves ? 10 : 501;
    g.setLineCount(lines);
    g.setPointCount(points);
    for (int i = 0; i < lines; ++i)
        for (int k = 0; k < points; ++k)
            g.line(i).points[static_cast<std::size_t>(k)] =
                tzCurves ? QPointF(0.01 * k * k, 0.1 * i + 0.2 * k) : QPointF(10.0 * k + 50 * i, 0.2 * k);
}

// Opens the window as the main window does (its first 20 curves active, or all of them after
// "Activate All") and paints it at 1200 x 800 pixels.
void openAndPaint(benchmark::State& state, bool tzCurves, bool allActive) {
    application();
    BenchHost host;
    Graph& g = host.project().graph(tzCurves ? ResultGraph::TzCurves : ResultGraph::TotalCapacity);
    fill(g, tzCurves);
    for (auto _ : state) {
        GraphWindow window(g, host);
        if (allActive) window.applyActivation(QStringList(g.lineCount(), QStringLiteral(" yes : ")));
        window.resize(1200, 800);
        const QPixmap picture = window.grab();
        benchmark::DoNotOptimize(picture.cacheKey());
    }
}

void BM_OpenTzCurves(benchmark::State& state) {
    openAndPaint(state, true, false);
}
void BM_OpenTzCurvesAllActive(benchmark::State& state) {
    openAndPaint(state, true, true);
}
void BM_OpenNineMethods(benchmark::State& state) {
    openAndPaint(state, false, false);
}
BENCHMARK(BM_OpenTzCurves)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenTzCurvesAllActive)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenNineMethods)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
