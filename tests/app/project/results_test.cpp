// The results of a run filling the result graphs from hand-made plot files (tests/data/plot, written
// by make_plot_files.py beside them, whose docstring gives the value of every number): every number
// in its graph, the curve names, units and uplift, damaged files, layer marks and the driveability
// points.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <string>

#include "app/controls/usererror.h"
#include "app/project/project.h"
#include "tests/app/support/analysedproject.h"

namespace {

using namespace torve::app;
using torve::LoadingType;
using torve::Method;
using torve::app::test::Analysed;
using torve::app::test::plotDataFile;

TEST(Results, EveryNumberLandsInItsGraph) {
    Analysed t;
    ASSERT_TRUE(t.read(plotDataFile("two-methods-english.tv6p")));
    const Graph& skin = t.graph(ResultGraph::SkinFriction);
    const Graph& tip = t.graph(ResultGraph::TipResistance);
    const Graph& total = t.graph(ResultGraph::TotalCapacity);
    const Graph& unitSkin = t.graph(ResultGraph::UnitSkinFriction);
    const Graph& combined = t.graph(ResultGraph::Combined);
    const Graph& axial = t.graph(ResultGraph::LoadSettlement);
    const Graph& tz = t.graph(ResultGraph::TzCurves);
    const Graph& load = t.graph(ResultGraph::LoadDistribution);
    const Graph& qw = t.graph(ResultGraph::TipQw);
    const Graph& extra = t.graph(ResultGraph::ExtraTzCurves);
    ASSERT_EQ(skin.lineCount(), 2);
    EXPECT_EQ(skin.displayName(0), QStringLiteral("FHWA"));
    EXPECT_EQ(total.displayName(1), QStringLiteral("API"));
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 3; ++j) {
            const auto k = static_cast<std::size_t>(j);
            EXPECT_EQ(skin.line(i).points[k].x(), 100 * i + 10 + j);
            EXPECT_EQ(tip.line(i).points[k].x(), 100 * i + 20 + j);
            EXPECT_EQ(total.line(i).points[k].x(), 100 * i + 30 + j);
            EXPECT_DOUBLE_EQ(unitSkin.line(i).points[k].x(), i + 0.001 * (j + 1));
            for (const Graph* g : {&skin, &tip, &total, &unitSkin})
                EXPECT_EQ(g->line(i).points[k].y(), j + 1);
        }
    }
    // The combined graph copies the load-transfer method's (API's) curves.
    EXPECT_EQ(combined.displayName(1), QStringLiteral("Tip Resistance"));
    EXPECT_EQ(combined.line(2).points[2].x(), 132);
    EXPECT_EQ(axial.displayName(0), QStringLiteral("API"));
    ASSERT_EQ(tz.lineCount(), 2);
    EXPECT_EQ(tz.displayName(1), QStringLiteral("5 ft"));
    EXPECT_DOUBLE_EQ(tz.line(1).points[9].y(), 2.09);   // t
    EXPECT_DOUBLE_EQ(tz.line(1).points[9].x(), 0.011);  // z
    for (int level = 0; level < 9; ++level) EXPECT_EQ(load.line(level).points[2].x(), 100 * (level + 1) + 20);
    EXPECT_EQ(load.line(8).points[2].y(), 3);
    ASSERT_EQ(axial.line(0).points.size(), 10u);
    EXPECT_EQ(axial.line(0).points[0].x(), 0);  // the origin
    EXPECT_DOUBLE_EQ(axial.line(0).points[9].x(), 90);
    EXPECT_DOUBLE_EQ(axial.line(0).points[9].y(), 0.9);
    EXPECT_DOUBLE_EQ(qw.line(0).points[4].x(), 20);
    EXPECT_DOUBLE_EQ(qw.line(0).points[4].y(), 0.04);
    EXPECT_EQ(axial.yCaption, QStringLiteral("Settlement, in."));
    ASSERT_EQ(extra.lineCount(), 1);
    EXPECT_EQ(extra.displayName(0), QStringLiteral("3.5 ft"));
    EXPECT_DOUBLE_EQ(extra.line(0).points[0].y(), 51);
    // The driveability export keeps API's depths, unit skin friction x circumference and tips.
    const Results& results = t.project.results();
    EXPECT_EQ(results.plotRows(), 3);
    ASSERT_EQ(results.driveability().size(), 3u);
    EXPECT_EQ(results.driveability()[2].depth, 3);
    EXPECT_NEAR(results.driveability()[2].sideResistance, 1.003 * 3.1416 * 24 / 12, 1e-12);
    EXPECT_EQ(results.driveability()[2].tipResistance, 122);
    // Layer marks at the bottoms of the soil layers.
    ASSERT_EQ(skin.lineCount(Graph::LayerMarks), 2);
    EXPECT_EQ(skin.line(0, Graph::LayerMarks).name, QStringLiteral(" SAND "));
    EXPECT_EQ(skin.line(0, Graph::LayerMarks).points[0].x(), 7);
    EXPECT_EQ(skin.line(1, Graph::LayerMarks).name, QStringLiteral(" CLAY "));
    EXPECT_EQ(skin.line(1, Graph::LayerMarks).points[0].y(), 30);
    EXPECT_EQ(axial.lineCount(Graph::LayerMarks), 0);  // not a depth graph
}

TEST(Results, LoadDistributionCurvesNamedByTheirHeadLoad) {
    // The file's load levels carry 10, 20, ... 90 kips at the head (the load-settlement curve's
    // points after the origin); the curves of the load distribution are named by them, and their
    // axis is the axial load in the pile.
    Analysed t;
    ASSERT_TRUE(t.read(plotDataFile("two-methods-english.tv6p")));
    Graph& load = t.project.graph(ResultGraph::LoadDistribution);
    EXPECT_EQ(load.displayName(0), QStringLiteral("10 kips"));
    EXPECT_EQ(load.displayName(8), QStringLiteral("90 kips"));
    EXPECT_EQ(load.xCaption.trimmed(), QStringLiteral("Axial Load"));
    // A name the user gave survives the next run; the others follow the new loads.
    load.line(0).name = QStringLiteral("Service load");
    ASSERT_TRUE(t.read(plotDataFile("two-methods-english.tv6p")));
    EXPECT_EQ(load.displayName(0), QStringLiteral("Service load"));
    EXPECT_EQ(load.displayName(1), QStringLiteral("20 kips"));
}

TEST(Results, LineBreaksAndEmptyLinesDoNotMatter) {
    const QByteArray original = plotDataFile("two-methods-english.tv6p");
    const QList<QByteArray> words = original.simplified().split(' ');
    Analysed a, b, c;
    ASSERT_TRUE(a.read(original));
    ASSERT_TRUE(b.read(words.join('\n')));                            // one number per line
    ASSERT_TRUE(c.read(QByteArray(original).replace('\n', "\n\n")));  // an empty line after each
    for (Analysed* other : {&b, &c}) {
        EXPECT_EQ(other->graph(ResultGraph::LoadDistribution).line(4).points[1].x(),
                  a.graph(ResultGraph::LoadDistribution).line(4).points[1].x());
        EXPECT_EQ(other->graph(ResultGraph::ExtraTzCurves).line(0).points[9].x(),
                  a.graph(ResultGraph::ExtraTzCurves).line(0).points[9].x());
    }
    Analysed d;
    ASSERT_TRUE(d.read(words.join(' ')));  // all on one line
    EXPECT_EQ(d.graph(ResultGraph::TzCurves).line(0).points[3].y(),
              a.graph(ResultGraph::TzCurves).line(0).points[3].y());
}

TEST(Results, SIUnitsUpliftAndOneMethod) {
    Analysed t;
    t.data.setSelected(Method::Fhwa, false);
    t.data.printExtraTz = false;
    t.data.loadingType = LoadingType::Tension;
    ASSERT_TRUE(t.read(plotDataFile("api-only-si.tv6p")));
    const Graph& skin = t.graph(ResultGraph::SkinFriction);
    EXPECT_EQ(skin.lineCount(), 1);
    EXPECT_EQ(skin.displayName(0), QStringLiteral("API"));
    EXPECT_EQ(t.graph(ResultGraph::Combined).line(0).points[1].x(), 11);
    EXPECT_EQ(t.graph(ResultGraph::Combined).displayName(1), QStringLiteral("Self Weight"));
    EXPECT_EQ(t.graph(ResultGraph::TzCurves).displayName(0), QStringLiteral("2.5 m"));
    EXPECT_EQ(t.graph(ResultGraph::LoadSettlement).yCaption, QStringLiteral("Uplift, mm"));
    // Tip movements in millimetres, as every movement the program shows: the axis says so once.
    EXPECT_EQ(t.graph(ResultGraph::TipQw).yTitle(), QStringLiteral("Settlement, mm"));
    EXPECT_EQ(t.graph(ResultGraph::TzCurves).xTitle(), QStringLiteral("Displacement, z (mm)"));
    EXPECT_FALSE(t.graph(ResultGraph::LoadSettlement).xOnTop);
    EXPECT_EQ(skin.units(), 2);
    EXPECT_EQ(skin.xTitle(), QStringLiteral("Accumulated Skin Friction  (kN)"));
}

// The plot files hold movements in in or m (make_plot_files.py): head 0.1 k and tip 0.01 k at level
// k, t-z curve 1 point 9 at z = 0.001 x (1 + 9) = 0.010. The graphs show in, or mm: S.I. x 1000.
TEST(Results, MovementsInInchesOrMillimetres) {
    struct Case {
        const char* file;
        bool english;
        double head3, tip3, tz9;  // level 3's head and tip movements, t-z curve 1's last z
        const char* tzAxis;
    } cases[] = {
        {"two-methods-english.tv6p", true, 0.3, 0.03, 0.010, "Displacement, z (in)"},
        {"api-only-si.tv6p", false, 300, 30, 10, "Displacement, z (mm)"},
    };
    for (const Case& c : cases) {
        Analysed t;
        if (!c.english) {
            t.data.setSelected(Method::Fhwa, false);
            t.data.printExtraTz = false;
        }
        ASSERT_TRUE(t.read(plotDataFile(c.file))) << c.file;
        EXPECT_NEAR(t.graph(ResultGraph::LoadSettlement).line(0).points[3].y(), c.head3, 1e-9) << c.file;
        EXPECT_NEAR(t.graph(ResultGraph::TipQw).line(0).points[3].y(), c.tip3, 1e-9) << c.file;
        EXPECT_NEAR(t.graph(ResultGraph::TzCurves).line(0).points[9].x(), c.tz9, 1e-9) << c.file;
        EXPECT_EQ(t.graph(ResultGraph::TzCurves).xTitle(), QLatin1String(c.tzAxis)) << c.file;
        // The loads stay as the file holds them: 10 k at level k.
        EXPECT_EQ(t.graph(ResultGraph::LoadSettlement).line(0).points[3].x(), 30) << c.file;
    }
}

TEST(Results, WorkingLoadsMarkedOnTheLoadSettlementCurve) {
    Analysed t;
    t.project.setData(t.data);
    WordReader reader = WordReader::fromText(plotDataFile("two-methods-english.tv6p"));
    const PlotFile file = readPlotFile(reader, ExtraTzBlock::Present);
    // A load beyond the curve has no movement and no mark; the others stand at (load, movement).
    t.project.showResults(file, {{QStringLiteral("API RP 2A"), 0.5, 15, 0.15},
                                 {QStringLiteral("API RP 2A"), 1.0 / 3, 10, 0.1},
                                 {QStringLiteral("FHWA"), 0.5, 500, std::nullopt}});
    const std::vector<GraphMark>& marks = t.graph(ResultGraph::LoadSettlement).marks;
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[0].at, QPointF(15, 0.15));
    EXPECT_EQ(marks[0].label, QString::fromUtf8("API RP 2A \u00d7 0.5"));
    EXPECT_EQ(marks[1].label, QString::fromUtf8("API RP 2A \u00d7 0.333"));
    // Results shown without working loads carry none of the last run's marks.
    t.project.showResults(file);
    EXPECT_TRUE(t.graph(ResultGraph::LoadSettlement).marks.empty());
}

TEST(Results, DamagedFilesFailWithTheReadersMessage) {
    const QByteArray original = plotDataFile("two-methods-english.tv6p");
    QString error;
    Analysed truncated;
    EXPECT_FALSE(truncated.read(original.left(original.size() / 2), &error));
    EXPECT_EQ(error, QStringLiteral("This file either invalid or incomplete."));
    // Nothing of a file that fails reaches the graphs.
    EXPECT_EQ(truncated.graph(ResultGraph::SkinFriction).lineCount(), 0);

    Analysed comma;
    EXPECT_FALSE(
        comma.read(QByteArray(original).replace("     1.00      10.0", "     1,00      10.0"), &error));
    EXPECT_EQ(error,
              QStringLiteral("Error on Line 2 Item 1\rA floating point number was expected but not found."));

    // Damaged counts are refused before room is made for them; the first two once ended the program
    // with bad_alloc, the third asks for more than the rest of the file holds.
    // As many curves as there are methods at most.
    const std::string curves = "Error on Line 1 Item 1\rA number of capacity curves from 0 to " +
                               std::to_string(torve::kMethodCount) + " ";
    for (const auto& [header, message] :
         {std::pair{"100000000 0 1 4", curves.c_str()},
          {"0 100000000 1 4", "Error on Line 1 Item 2\rA number of rows per curve from 0 to 501 "},
          {"9 501 1 4", "This file either invalid or incomplete."},
          {"-1 2 1 4", "Error on Line 1 Item 1\rA number of capacity curves"}}) {
        Analysed huge;
        EXPECT_FALSE(huge.read(QByteArray(header) + "\n" + original.mid(original.indexOf('\n') + 1), &error));
        EXPECT_TRUE(error.startsWith(QLatin1String(message))) << error.toStdString();
    }

    // Reading the project's results from a file that fails clears those of an earlier run.
    Analysed missing;
    ASSERT_TRUE(missing.read(original));
    EXPECT_THROW(missing.project.readResults(QStringLiteral("/nonexistent/p.tv6p")), UserError);
    EXPECT_EQ(missing.graph(ResultGraph::SkinFriction).lineCount(), 0);
    EXPECT_TRUE(missing.project.results().driveability().empty());
}

// A second file whose depth graphs hold no curves leaves them without the first file's layer marks.
TEST(Results, LayerMarksGoWithTheCurves) {
    Analysed t;
    ASSERT_TRUE(t.read(plotDataFile("two-methods-english.tv6p")));
    ASSERT_EQ(t.graph(ResultGraph::SkinFriction).lineCount(Graph::LayerMarks), 2);
    std::string empty = "0 0 1 4\n0\n";
    for (int level = 1; level <= 9; ++level) empty += std::to_string(10 * level) + " 0.1 5 0.01\n";
    ASSERT_TRUE(t.read(QByteArray::fromStdString(empty + "0\n")));
    for (ResultGraph g :
         {ResultGraph::SkinFriction, ResultGraph::UnitSkinFriction, ResultGraph::TipResistance,
          ResultGraph::TotalCapacity, ResultGraph::Combined, ResultGraph::LoadDistribution})
        EXPECT_EQ(t.graph(g).lineCount(Graph::LayerMarks), 0) << static_cast<int>(g);
}

TEST(Results, LoadTransferMethodNotSelected) {
    Analysed t;
    t.data.loadTransferMethod = Method::Usace;  // the file says API (4) carries the load transfer...
    t.data.setSelected(Method::Api, false);     // ...but the project does not select it
    t.data.setSelected(Method::Usace, true);
    ASSERT_TRUE(t.read(plotDataFile("two-methods-english.tv6p")));
    EXPECT_EQ(t.graph(ResultGraph::Combined).lineCount(), 3);
    EXPECT_TRUE(t.graph(ResultGraph::Combined).line(0).points.empty());  // nothing to copy
    EXPECT_TRUE(t.project.results().driveability().empty());
    EXPECT_EQ(t.graph(ResultGraph::SkinFriction).displayName(1), QStringLiteral("USACE"));
}

}  // namespace

// The combined graph shows one method's curves and says whose, in its caption and, unless the user
// titled it, its title; with no curves to copy it names none.
TEST(Results, CombinedGraphNamesItsMethod) {
    Analysed t;
    ASSERT_TRUE(t.read(plotDataFile("two-methods-english.tv6p")));
    Graph& combined = t.project.graph(ResultGraph::Combined);
    EXPECT_EQ(combined.caption, QStringLiteral("Axial Capacity vs Depth - API"));
    EXPECT_EQ(combined.title, QStringLiteral("Method: API"));
    // A title of the user's own stays through the next run; the caption still names the method.
    combined.title = QStringLiteral("Pier 7");
    ASSERT_TRUE(t.read(plotDataFile("two-methods-english.tv6p")));
    EXPECT_EQ(combined.title, QStringLiteral("Pier 7"));

    Analysed none;
    none.data.loadTransferMethod = Method::Usace;
    none.data.setSelected(Method::Api, false);
    none.data.setSelected(Method::Usace, true);
    ASSERT_TRUE(none.read(plotDataFile("two-methods-english.tv6p")));
    EXPECT_EQ(none.graph(ResultGraph::Combined).caption, QStringLiteral("Axial Capacity vs Depth"));
    EXPECT_TRUE(none.graph(ResultGraph::Combined).title.isEmpty());
}
