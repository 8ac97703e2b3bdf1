// Speed of reading the largest plot data file the engine can write and filling the result graphs.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <sstream>

#include "app/controls/usererror.h"
#include "app/graph/plotfile.h"
#include "app/project/project.h"
#include "engine/driver/plot_writer.h"
#include "tests/support/scratch_dir.h"

namespace {

// 9 selected methods with the offshore edition, 501 rows each (500 segments and the surface),
// 500 t-z curves along the shaft, and 100 extra t-z curves at the print depths, in the engine's
// own block layouts.
std::string largestPlotFile() {
    constexpr int kMethods = 9, kRows = 501, kTz = 500, kExtraTz = 100;
    std::ostringstream os;
    torve::PlotWriter w(os);
    w.header(kMethods, kRows, 1, 4);
    for (int m = 0; m < kMethods; ++m)
        for (int r = 0; r < kRows; ++r)
            w.capacity_row(0.2 * r, 10.0 * r + m, 5.0 * r, 15.0 * r + m, 0.001 * r + 0.1 * m);
    auto tz = [&](int curves) {
        w.tz_count(curves);
        for (int c = 1; c <= curves; ++c) {
            w.tz_curve_header(c, 10, 0.2 * c);
            for (int k = 0; k < 10; ++k) w.tz_point(0.1 * k + c, 0.01 * k);
        }
    };
    tz(kTz);
    for (int level = 1; level <= 9; ++level)
        for (int r = 0; r < kRows; ++r) w.load_distribution_row(0.2 * r, 100.0 * level - 0.1 * r, 0.001 * r);
    for (int level = 1; level <= 9; ++level)
        w.load_settlement_row(100.0 * level, 0.01 * level, 20.0 * level, 0.005 * level);
    tz(kExtraTz);
    return os.str();
}

void BM_ReadLargestPlotFile(benchmark::State& state) {
    torve::test::ScratchDir dir;
    const QString path = QString::fromStdString(dir.write("largest.tv6p", largestPlotFile()));
    using namespace torve::app;
    Project project;
    ProjectData data = project.data();
    data.selectedMethods.fill(true);
    data.printExtraTz = true;
    data.outsideDiameter = 24;
    project.setData(data);
    project.tables().soilLayers.setRowCount(40);
    for (auto _ : state) {
        try {
            project.showResults(readPlotFile(path, ExtraTzBlock::Present));
        } catch (const UserError& e) {
            state.SkipWithError(e.what());
            break;
        }
        benchmark::DoNotOptimize(project.graph(ResultGraph::TotalCapacity).line(8).points.back().x());
    }
}
BENCHMARK(BM_ReadLargestPlotFile)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
