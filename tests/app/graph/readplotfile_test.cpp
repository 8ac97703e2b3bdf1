// The word reader and the plot-file reader on hand-made plot files (tests/data/plot, written by
// make_plot_files.py beside them, whose docstring gives the value of every number).
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QStringList>

#include "app/graph/einouterror.h"
#include "app/graph/expandplotunits.h"
#include "app/graph/readplotfile.h"
#include "app/graph/wordreader.h"
#include "app/project/programdata.h"
#include "app/project/workspace.h"
#include "tests/support/scratch_dir.h"

namespace {

using namespace torve::app;

QByteArray dataFile(const char* name) {
    QFile f(QString::fromStdString(torve::test::source_path(std::string("tests/data/plot/") + name)));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

QString messageOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const EInOutError& e) {
        return e.message();
    }
    return QStringLiteral("no error");
}

TEST(WordReader, WordsLinesAndMessages) {
    TWordReader r = TWordReader::fromText("Title line\r\n  1\t2.5 ,x\n\n\n-3.0 0.123-100 7.5\n");
    EXPECT_EQ(r.ReadLine(), QStringLiteral("Title line"));
    EXPECT_EQ(r.WordCount(), 3);
    EXPECT_EQ(r.ReadInteger(), 1);
    EXPECT_EQ(r.WordsLeftOnLine(), 2);
    EXPECT_EQ(r.ReadFloat(), 2.5);
    EXPECT_EQ(messageOf([&] { r.ReadFloat(); }),
              QStringLiteral("Error on Line 2 Item 3\rA floating point number was expected but not found."));
    EXPECT_EQ(r.ReadInteger(), -3);  // the empty lines between are passed over
    // The engine drops the E of a three-digit exponent: 0.123-100 is 0.123E-100.
    EXPECT_DOUBLE_EQ(r.ReadFloat(), 0.123e-100);
    EXPECT_EQ(messageOf([&] { r.ReadInteger(); }),
              QStringLiteral("Error on Line 5 Item 3\rAn integer was expected but not found."));
    EXPECT_EQ(messageOf([&] { r.ReadWord(); }), QStringLiteral("This file either invalid or incomplete."));
    EXPECT_TRUE(r.AtEnd());

    TWordReader numbers = TWordReader::fromText("1,5 1e999 nan 3000000000 +4");
    for (const char* expected :
         {"A floating point number", "A floating point number", "A floating point number"})
        EXPECT_TRUE(messageOf([&] { numbers.ReadFloat(); }).contains(QLatin1String(expected)));
    EXPECT_TRUE(messageOf([&] { numbers.ReadInteger(); }).contains(QStringLiteral("An integer")));
    EXPECT_EQ(numbers.ReadFloat(), 4.0);
    EXPECT_TRUE(messageOf([] {
                    TWordReader(QStringLiteral("/nonexistent/x.tv6p"));
                }).startsWith(QStringLiteral("File ")));
}

// A project selecting FHWA and API, API for the load transfer, extra t-z curves, two soil layers.
struct Project {
    TWorkspace ws;
    TProgramData p{ws};
    Project() {
        p.CapacityMethods.fill(0);
        p.CapacityMethods[1] = p.CapacityMethods[4] = 1;
        p.LoadTransferMethod = 4;
        p.PrintExtraTz = 1;
        p.OuterDiameter = 24;  // circumference pi x 24 / 12 = 6.2832 ft
        ws.D.SetRowCount(2);
        ws.D.Cell(TWorkspace::LayerBottom, 0).setAsFloat(10);
        ws.D.Cell(TWorkspace::SoilType, 1).setAsInteger(2);
        ws.D.Cell(TWorkspace::LayerBottom, 1).setAsFloat(30);
    }
    bool read(const QByteArray& text, QString* error = nullptr) {
        TWordReader r = TWordReader::fromText(text);
        return ReadPlotFile(r, p, error);
    }
};

TEST(ReadPlotFile, EveryNumberLandsInItsGraph) {
    Project t;
    ASSERT_TRUE(t.read(dataFile("two-methods-english.tv6p")));
    TWorkspace& ws = t.ws;
    ASSERT_EQ(ws.pltSkin.LineCount(), 2);
    EXPECT_EQ(ws.pltSkin.Line(0).DisplayName(), QStringLiteral("FHWA"));
    EXPECT_EQ(ws.pltTotal.Line(1).DisplayName(), QStringLiteral("API"));
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 3; ++j) {
            const auto k = static_cast<std::size_t>(j);
            EXPECT_EQ(ws.pltSkin.Line(i).Points[k].X, 100 * i + 10 + j);
            EXPECT_EQ(ws.pltTip.Line(i).Points[k].X, 100 * i + 20 + j);
            EXPECT_EQ(ws.pltTotal.Line(i).Points[k].X, 100 * i + 30 + j);
            EXPECT_DOUBLE_EQ(ws.pltUSkin.Line(i).Points[k].X, i + 0.001 * (j + 1));
            for (TGraphPlot* p : {&ws.pltSkin, &ws.pltTip, &ws.pltTotal, &ws.pltUSkin})
                EXPECT_EQ(p->Line(i).Points[k].Y, j + 1);
        }
    }
    // The combined graph copies the load-transfer method's (API's) curves.
    EXPECT_EQ(ws.pltCombine.Line(1).DisplayName(), QStringLiteral("Tip Resistance"));
    EXPECT_EQ(ws.pltCombine.Line(2).Points[2].X, 132);
    EXPECT_EQ(ws.pltAxial.Line(0).DisplayName(), QStringLiteral("API"));
    ASSERT_EQ(ws.pltTZcurves.LineCount(), 2);
    EXPECT_EQ(ws.pltTZcurves.Line(1).DisplayName(), QStringLiteral("5 ft"));
    EXPECT_DOUBLE_EQ(ws.pltTZcurves.Line(1).Points[9].Y, 2.09);   // t
    EXPECT_DOUBLE_EQ(ws.pltTZcurves.Line(1).Points[9].X, 0.011);  // z
    for (int level = 0; level < 9; ++level)
        EXPECT_EQ(ws.pltLoad.Line(level).Points[2].X, 100 * (level + 1) + 20);
    EXPECT_EQ(ws.pltLoad.Line(8).Points[2].Y, 3);
    ASSERT_EQ(ws.pltAxial.Line(0).Points.size(), 10u);
    EXPECT_EQ(ws.pltAxial.Line(0).Points[0].X, 0);  // the origin
    EXPECT_DOUBLE_EQ(ws.pltAxial.Line(0).Points[9].X, 90);
    EXPECT_DOUBLE_EQ(ws.pltAxial.Line(0).Points[9].Y, 0.9);
    EXPECT_DOUBLE_EQ(ws.PltQw.Line(0).Points[4].X, 20);
    EXPECT_DOUBLE_EQ(ws.PltQw.Line(0).Points[4].Y, 0.04);
    EXPECT_EQ(ws.pltAxial.YCaption, QStringLiteral("Settlement, in."));
    ASSERT_EQ(ws.PltExtraTZ.LineCount(), 1);
    EXPECT_EQ(ws.PltExtraTZ.Line(0).DisplayName(), QStringLiteral("3.5 ft"));
    EXPECT_DOUBLE_EQ(ws.PltExtraTZ.Line(0).Points[0].Y, 51);
    // The driveability export keeps API's depths, unit skin friction x circumference and tips.
    EXPECT_EQ(t.p.PlotRows, 3);
    ASSERT_EQ(t.p.ResistanceCount, 3);
    EXPECT_EQ(t.p.ResistanceDepth[2], 3);
    EXPECT_NEAR(t.p.SideResistance[2], 1.003 * 3.1416 * 24 / 12, 1e-12);
    EXPECT_EQ(t.p.TipResistance[2], 122);
    // Layer marks at the bottoms of the soil layers.
    ASSERT_EQ(ws.pltSkin.LineCount(TGraphPlot::LayerLines), 2);
    EXPECT_EQ(ws.pltSkin.Line(TGraphPlot::LayerLines, 0).LineName, QStringLiteral(" SAND "));
    EXPECT_EQ(ws.pltSkin.Line(TGraphPlot::LayerLines, 0).Points[0].X, 7);
    EXPECT_EQ(ws.pltSkin.Line(TGraphPlot::LayerLines, 1).LineName, QStringLiteral(" CLAY "));
    EXPECT_EQ(ws.pltSkin.Line(TGraphPlot::LayerLines, 1).Points[0].Y, 30);
    EXPECT_EQ(ws.pltAxial.LineCount(TGraphPlot::LayerLines), 0);  // not a depth graph
}

TEST(ReadPlotFile, LineBreaksAndEmptyLinesDoNotMatter) {
    const QByteArray original = dataFile("two-methods-english.tv6p");
    const QList<QByteArray> words = original.simplified().split(' ');
    Project a, b, c;
    ASSERT_TRUE(a.read(original));
    ASSERT_TRUE(b.read(words.join('\n')));                            // one number per line
    ASSERT_TRUE(c.read(QByteArray(original).replace('\n', "\n\n")));  // an empty line after each
    for (Project* other : {&b, &c}) {
        EXPECT_EQ(other->ws.pltLoad.Line(4).Points[1].X, a.ws.pltLoad.Line(4).Points[1].X);
        EXPECT_EQ(other->ws.PltExtraTZ.Line(0).Points[9].X, a.ws.PltExtraTZ.Line(0).Points[9].X);
    }
    Project d;
    ASSERT_TRUE(d.read(words.join(' ')));  // all on one line
    EXPECT_EQ(d.ws.pltTZcurves.Line(0).Points[3].Y, a.ws.pltTZcurves.Line(0).Points[3].Y);
}

TEST(ReadPlotFile, SIUnitsUpliftAndOneMethod) {
    Project t;
    t.p.CapacityMethods[1] = 0;
    t.p.PrintExtraTz = 0;
    t.p.LoadingType = 1;
    ASSERT_TRUE(t.read(dataFile("api-only-si.tv6p")));
    EXPECT_EQ(t.ws.pltSkin.LineCount(), 1);
    EXPECT_EQ(t.ws.pltSkin.Line(0).DisplayName(), QStringLiteral("API"));
    EXPECT_EQ(t.ws.pltCombine.Line(0).Points[1].X, 11);
    EXPECT_EQ(t.ws.pltCombine.Line(1).DisplayName(), QStringLiteral("Self Weight"));
    EXPECT_EQ(t.ws.pltTZcurves.Line(0).DisplayName(), QStringLiteral("2.5 m"));
    EXPECT_EQ(t.ws.pltAxial.YCaption, QStringLiteral("Uplift, m"));
    EXPECT_EQ(t.ws.PltQw.YCaption, QStringLiteral("Settlement, m"));
    EXPECT_FALSE(t.ws.pltAxial.XOnTop);
    EXPECT_EQ(t.ws.pltSkin.Units(), 2);
    EXPECT_EQ(t.ws.pltSkin.XTitle(), QStringLiteral("Accumulated Skin Friction  (kN)"));
}

TEST(ReadPlotFile, DamagedFilesFailWithTheReadersMessage) {
    const QByteArray original = dataFile("two-methods-english.tv6p");
    QString error;
    Project truncated;
    EXPECT_FALSE(truncated.read(original.left(original.size() / 2), &error));
    EXPECT_EQ(error, QStringLiteral("This file either invalid or incomplete."));
    EXPECT_EQ(truncated.ws.pltSkin.Line(1).Points[2].X, 112);  // what was read stays

    Project comma;
    EXPECT_FALSE(
        comma.read(QByteArray(original).replace("     1.00      10.0", "     1,00      10.0"), &error));
    EXPECT_EQ(error,
              QStringLiteral("Error on Line 2 Item 1\rA floating point number was expected but not found."));

    Project huge;  // a damaged count is refused before room is made for it
    EXPECT_FALSE(huge.read("9 2000000000 1 4\n1 2 3\n", &error));
    EXPECT_EQ(error, QStringLiteral("This file either invalid or incomplete."));
    EXPECT_EQ(huge.ws.pltSkin.Line(0).Points.size(), 0u);

    Project missing;
    EXPECT_FALSE(ReadPlotFile(QStringLiteral("/nonexistent/p.tv6p"), missing.p, &error));
}

TEST(ReadPlotFile, LoadTransferMethodNotSelected) {
    Project t;
    t.p.LoadTransferMethod = 2;  // the file says API (4) carries the load transfer...
    t.p.CapacityMethods[4] = 0;  // ...but the project does not select it
    t.p.CapacityMethods[2] = 1;
    ASSERT_TRUE(t.read(dataFile("two-methods-english.tv6p")));
    EXPECT_EQ(t.ws.pltCombine.LineCount(), 3);
    EXPECT_TRUE(t.ws.pltCombine.Line(0).Points.empty());  // nothing to copy
    EXPECT_EQ(t.p.ResistanceCount, 0);
    EXPECT_EQ(t.ws.pltSkin.Line(1).DisplayName(), QStringLiteral("USACE"));
}

TEST(GraphPlot, LinesNamesAndUnits) {
    TGraphPlot p;
    p.SetLineCount(TGraphPlot::Lines, 3);
    EXPECT_EQ(p.Line(2).DisplayName(), QStringLiteral("Curve #3"));
    p.LineNames = {QStringLiteral("first")};
    EXPECT_EQ(p.Line(0).DisplayName(), QStringLiteral("first"));
    p.SetPointCount(TGraphPlot::Lines, 4);
    EXPECT_EQ(p.Line(1).Points.size(), 4u);
    p.SetLineCount(TGraphPlot::Lines, -1);
    EXPECT_EQ(p.LineCount(), 0);
    p.setUnits(9);
    EXPECT_EQ(p.Units(), 3);
    EXPECT_EQ(ExpandPlotUnits(QStringLiteral("F1/L2^2"), 1), QStringLiteral("kips/ft^2"));
    EXPECT_EQ(ExpandPlotUnits(QStringLiteral("F1/L2^2"), 2), QStringLiteral("kN/m^2"));
    EXPECT_EQ(ExpandPlotUnits(QStringLiteral("F/L^2"), 1), QStringLiteral("lbs/in^2"));
    EXPECT_EQ(ExpandPlotUnits(QStringLiteral("L1"), 2), QStringLiteral("mm"));
    EXPECT_EQ(ExpandPlotUnits(QStringLiteral("F/L^2"), 3), QStringLiteral("F/L^2"));
}

}  // namespace
