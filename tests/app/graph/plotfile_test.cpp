// The plot-file reader on a hand-made plot file (tests/data/plot, written by make_plot_files.py
// beside them, whose docstring gives the value of every number), and the results shown from it.
#include <gtest/gtest.h>

#include "app/graph/plotfile.h"
#include "app/graph/wordreader.h"
#include "app/project/project.h"
#include "tests/app/support/analysedproject.h"

namespace {

using namespace torve::app;
using torve::app::test::Analysed;
using torve::app::test::plotDataFile;

TEST(PlotFile, ReadIntoDataThenShown) {
    const QByteArray text = plotDataFile("two-methods-english.tv6p");
    WordReader r = WordReader::fromText(text);
    const PlotFile f = readPlotFile(r, ExtraTzBlock::Present);
    EXPECT_EQ(f.units, 1);
    EXPECT_EQ(f.loadTransferMethod, 4);
    EXPECT_EQ(f.rowCount, 3);
    ASSERT_EQ(f.capacityCurves.size(), 2u);
    EXPECT_EQ(f.capacityCurves[1][2].totalCapacity, 132);  // 100 x 1 + 30 + 2
    ASSERT_EQ(f.tzCurves.size(), 2u);
    EXPECT_EQ(f.tzCurves[1].depth, 5);                             // 2.5 x 2
    EXPECT_DOUBLE_EQ(f.tzCurves[1].points[9].loadTransfer, 2.09);  // 2 + 0.01 x 9
    EXPECT_EQ(f.loadDistribution[8][2].load, 920);                 // 100 x 9 + 10 x 2
    EXPECT_DOUBLE_EQ(f.qwCurve[3].movement, 0.04);                 // level 4: 0.01 x 4
    ASSERT_EQ(f.extraTzCurves.size(), 1u);
    EXPECT_EQ(f.extraTzCurves[0].depth, 3.5);

    Analysed t;
    t.project.setData(t.data);
    int shown = 0;
    QObject::connect(&t.project, &Project::resultsChanged, [&] { ++shown; });
    t.project.showResults(f);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(t.graph(ResultGraph::Combined).line(2).points[2], QPointF(132, 3));
    EXPECT_EQ(t.graph(ResultGraph::LoadSettlement).displayName(0), QStringLiteral("API"));
}

}  // namespace
