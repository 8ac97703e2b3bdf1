// The word reader, the plot-file reader and the filling of the result graphs on hand-made plot files
// (tests/data/plot, written by make_plot_files.py beside them, whose docstring gives the value of
// every number).
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QStringList>

#include "app/controls/usererror.h"
#include "app/graph/plotfile.h"
#include "app/graph/wordreader.h"
#include "app/project/project.h"
#include "app/project/resultssummary.h"
#include "tests/support/scratch_dir.h"

namespace {

using namespace torve::app;
using torve::LoadingType;
using torve::Method;

QByteArray dataFile(const char* name) {
    QFile f(QString::fromStdString(torve::test::source_path(std::string("tests/data/plot/") + name)));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

QString messageOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const UserError& e) {
        return e.message();
    }
    return QStringLiteral("no error");
}

TEST(WordReader, WordsLinesAndMessages) {
    WordReader r = WordReader::fromText("Title line\r\n  1\t2.5 ,x\n\n\n-3.0 0.123-100 7.5\n");
    EXPECT_EQ(r.readLine(), QStringLiteral("Title line"));
    EXPECT_EQ(r.wordCount(), 3);
    EXPECT_EQ(r.readInt(), 1);
    EXPECT_EQ(r.wordsLeftOnLine(), 2);
    EXPECT_EQ(r.readDouble(), 2.5);
    EXPECT_EQ(messageOf([&] { r.readDouble(); }),
              QStringLiteral("Error on Line 2 Item 3\rA floating point number was expected but not found."));
    EXPECT_EQ(r.readInt(), -3);  // the empty lines between are passed over
    // The engine drops the E of a three-digit exponent: 0.123-100 is 0.123E-100.
    EXPECT_DOUBLE_EQ(r.readDouble(), 0.123e-100);
    EXPECT_EQ(messageOf([&] { r.readInt(); }),
              QStringLiteral("Error on Line 5 Item 3\rAn integer was expected but not found."));
    try {
        r.readWord();
        FAIL();
    } catch (const UserError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("This file either invalid or incomplete."));
        ASSERT_TRUE(e.location());
        EXPECT_EQ(e.location()->line, 5);  // the end of the file: its last line
    }
    EXPECT_TRUE(r.atEnd());

    WordReader numbers = WordReader::fromText("1,5 1e999 nan 3000000000 +4");
    for (const char* expected :
         {"A floating point number", "A floating point number", "A floating point number"})
        EXPECT_TRUE(messageOf([&] { numbers.readDouble(); }).contains(QLatin1String(expected)));
    EXPECT_TRUE(messageOf([&] { numbers.readInt(); }).contains(QStringLiteral("An integer")));
    EXPECT_EQ(numbers.readDouble(), 4.0);
    EXPECT_TRUE(messageOf([] {
                    WordReader(QStringLiteral("/nonexistent/x.tv6p"));
                }).startsWith(QStringLiteral("File ")));
}

// A project selecting FHWA and API, API for the load transfer, extra t-z curves, two soil layers.
struct Analysed {
    Project project;
    ProjectData data = project.data();
    Analysed() {
        data.selectedMethods.fill(false);
        data.setSelected(Method::Fhwa, true);
        data.setSelected(Method::Api, true);
        data.loadTransferMethod = Method::Api;
        data.printExtraTz = true;
        data.outsideDiameter = 24;  // circumference pi x 24 / 12 = 6.2832 ft
        GridTable& layers = project.tables().soilLayers;
        layers.setRowCount(2);
        layers.cell(ProjectTables::BottomDepthColumn, 0).setDouble(10);
        layers.cell(ProjectTables::SoilTypeColumn, 1).setInt(2);
        layers.cell(ProjectTables::BottomDepthColumn, 1).setDouble(30);
    }
    // Reads the text as a plot file of the project and shows it; false with the message on failure.
    bool read(const QByteArray& text, QString* error = nullptr) {
        project.setData(data);
        WordReader r = WordReader::fromText(text);
        try {
            project.showResults(
                readPlotFile(r, data.printExtraTz ? ExtraTzBlock::Present : ExtraTzBlock::Absent));
        } catch (const UserError& e) {
            if (error) *error = e.message();
            return false;
        }
        return true;
    }
    const Graph& graph(ResultGraph g) const { return project.graph(g); }
};

TEST(PlotFile, ReadIntoDataThenShown) {
    const QByteArray text = dataFile("two-methods-english.tv6p");
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

TEST(Results, EveryNumberLandsInItsGraph) {
    Analysed t;
    ASSERT_TRUE(t.read(dataFile("two-methods-english.tv6p")));
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
    ASSERT_TRUE(t.read(dataFile("two-methods-english.tv6p")));
    Graph& load = t.project.graph(ResultGraph::LoadDistribution);
    EXPECT_EQ(load.displayName(0), QStringLiteral("10 kips"));
    EXPECT_EQ(load.displayName(8), QStringLiteral("90 kips"));
    EXPECT_EQ(load.xCaption.trimmed(), QStringLiteral("Axial Load"));
    // A name the user gave survives the next run; the others follow the new loads.
    load.line(0).name = QStringLiteral("Service load");
    ASSERT_TRUE(t.read(dataFile("two-methods-english.tv6p")));
    EXPECT_EQ(load.displayName(0), QStringLiteral("Service load"));
    EXPECT_EQ(load.displayName(1), QStringLiteral("20 kips"));
}

TEST(ResultsSummary, TipValuesHeadAndWarningsOfARun) {
    // FHWA and API at the deepest row (depth 3): skin 10 + 2 and 110 + 2, tip 22 and 122, total 32
    // and 132; the head at the largest level 90 kips and 0.9 in, from API's load-settlement curve.
    Analysed t;
    ASSERT_TRUE(t.read(dataFile("two-methods-english.tv6p")));
    const QStringList report = {QStringLiteral("  RESULTS"),
                                QStringLiteral("   WARNING - THE MOVEMENT DID NOT CONVERGE IN 50 ITERATIONS"),
                                QStringLiteral("WARNING - THE MOVEMENT DID NOT CONVERGE IN 50   ITERATIONS")};
    const ResultsSummary s = summarizeResults(t.project.results(), false, report);
    ASSERT_EQ(s.methods.size(), 2u);
    EXPECT_EQ(s.methods[0].name, QStringLiteral("FHWA"));
    EXPECT_EQ(s.methods[1].name, QStringLiteral("API"));
    EXPECT_EQ(s.methods[1].tipDepth, 3);
    EXPECT_EQ(s.methods[0].skinFriction, 12);
    EXPECT_EQ(s.methods[1].skinFriction, 112);
    EXPECT_EQ(s.methods[1].endBearing, 122);
    EXPECT_EQ(s.methods[1].totalCapacity, 132);
    ASSERT_TRUE(s.head.has_value());
    EXPECT_EQ(s.head->method, QStringLiteral("API"));
    EXPECT_DOUBLE_EQ(s.head->load, 90);
    EXPECT_DOUBLE_EQ(s.head->movement, 0.9);
    // The same warning twice (blanks aside) is listed once.
    EXPECT_EQ(s.warnings,
              QStringList{QStringLiteral("WARNING - THE MOVEMENT DID NOT CONVERGE IN 50 ITERATIONS")});

    const QStringList lines = s.tabSeparated().split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[0], QStringLiteral("Method\tTip Depth (ft)\tSkin Friction (kips)\tEnd Bearing (kips)\t"
                                       "Total Capacity (kips)"));
    EXPECT_EQ(lines[2], QStringLiteral("API\t3.00\t112.0\t122.0\t132.0"));
    EXPECT_EQ(lines[5], QStringLiteral("API\t90.0\t0.9000"));
    EXPECT_EQ(lines[7], QStringLiteral("Warnings"));
    // Under tension the tip column is the pile's self weight, and the head moves up.
    const ResultsSummary uplift = summarizeResults(t.project.results(), true, {});
    EXPECT_EQ(uplift.methodColumns()[3], QStringLiteral("Self Weight (kips)"));
    EXPECT_EQ(uplift.headMovementCaption(), QStringLiteral("Head Uplift (in)"));
    EXPECT_TRUE(uplift.csv().endsWith(QStringLiteral("Warnings\r\nNone\r\n")));
}

TEST(ResultsSummary, CsvAndTabTextKeepEveryCellWhole) {
    // A name with a comma, a quote and a tab, and a warning with a line break: the CSV quotes them
    // (quotes doubled), the tab-separated text puts blanks for the tab and the break.
    ResultsSummary s;
    s.methods.push_back({QStringLiteral("My \"best\", method\t1"), 10, 1, 2, 3});
    s.warnings << QStringLiteral("WARNING - two\nlines");
    const QStringList csv = s.csv().split(QStringLiteral("\r\n"));
    EXPECT_EQ(csv[1], QStringLiteral("\"My \"\"best\"\", method\t1\",10.00,1.0,2.0,3.0"));
    EXPECT_EQ(csv[4], QStringLiteral("\"WARNING - two\nlines\""));
    const QStringList tabs = s.tabSeparated().split(QStringLiteral("\r\n"));
    EXPECT_EQ(tabs[1], QStringLiteral("My \"best\", method 1\t10.00\t1.0\t2.0\t3.0"));
    EXPECT_EQ(tabs[4], QStringLiteral("WARNING - two lines"));
    // Nothing read yet: no methods, no head, no warnings.
    const ResultsSummary empty = summarizeResults(Results(), false, {});
    EXPECT_TRUE(empty.methods.empty());
    EXPECT_FALSE(empty.head.has_value());
}

TEST(Results, LineBreaksAndEmptyLinesDoNotMatter) {
    const QByteArray original = dataFile("two-methods-english.tv6p");
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
    ASSERT_TRUE(t.read(dataFile("api-only-si.tv6p")));
    const Graph& skin = t.graph(ResultGraph::SkinFriction);
    EXPECT_EQ(skin.lineCount(), 1);
    EXPECT_EQ(skin.displayName(0), QStringLiteral("API"));
    EXPECT_EQ(t.graph(ResultGraph::Combined).line(0).points[1].x(), 11);
    EXPECT_EQ(t.graph(ResultGraph::Combined).displayName(1), QStringLiteral("Self Weight"));
    EXPECT_EQ(t.graph(ResultGraph::TzCurves).displayName(0), QStringLiteral("2.5 m"));
    EXPECT_EQ(t.graph(ResultGraph::LoadSettlement).yCaption, QStringLiteral("Uplift, m"));
    // The file's tip movements are metres: the axis says so once, without a units template's "(mm)".
    EXPECT_EQ(t.graph(ResultGraph::TipQw).yTitle(), QStringLiteral("Settlement, m"));
    EXPECT_FALSE(t.graph(ResultGraph::LoadSettlement).xOnTop);
    EXPECT_EQ(skin.units(), 2);
    EXPECT_EQ(skin.xTitle(), QStringLiteral("Accumulated Skin Friction  (kN)"));
}

TEST(Results, DamagedFilesFailWithTheReadersMessage) {
    const QByteArray original = dataFile("two-methods-english.tv6p");
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
    ASSERT_TRUE(t.read(dataFile("two-methods-english.tv6p")));
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
    ASSERT_TRUE(t.read(dataFile("two-methods-english.tv6p")));
    EXPECT_EQ(t.graph(ResultGraph::Combined).lineCount(), 3);
    EXPECT_TRUE(t.graph(ResultGraph::Combined).line(0).points.empty());  // nothing to copy
    EXPECT_TRUE(t.project.results().driveability().empty());
    EXPECT_EQ(t.graph(ResultGraph::SkinFriction).displayName(1), QStringLiteral("USACE"));
}

TEST(Graph, LinesNamesAndUnits) {
    Graph p;
    p.setLineCount(3);
    EXPECT_EQ(p.displayName(2), QStringLiteral("Curve #3"));
    p.lineNames = {QStringLiteral("first")};
    EXPECT_EQ(p.displayName(0), QStringLiteral("first"));
    p.setPointCount(4);
    EXPECT_EQ(p.line(1).points.size(), 4u);
    p.setLineCount(-1);
    EXPECT_EQ(p.lineCount(), 0);
    p.setUnits(9);
    EXPECT_EQ(p.units(), 3);
    p.xCaption = QStringLiteral("Unit Skin Friction");
    p.xUnits = QStringLiteral("F1/L2^2");
    p.yCaption = QStringLiteral("Depth");
    EXPECT_EQ(p.xTitle(), QStringLiteral("Unit Skin Friction (F1/L2^2)"));
    EXPECT_EQ(p.yTitle(), QStringLiteral("Depth"));  // no template, no brackets
    p.setUnits(1);
    EXPECT_EQ(p.xTitle(), QStringLiteral("Unit Skin Friction (kips/ft^2)"));
    p.setUnits(2);
    EXPECT_EQ(p.xTitle(), QStringLiteral("Unit Skin Friction (kN/m^2)"));
    p.xUnits = QStringLiteral("F4");  // an axis knows no F4: F and a 4
    EXPECT_EQ(p.xTitle(), QStringLiteral("Unit Skin Friction (kN4)"));
}

}  // namespace
