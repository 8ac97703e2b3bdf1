// The project: defaults, reading current and old files, saving, unit switches and the taper check,
// on every example project and on small files written here.
#include <gtest/gtest.h>

#include <sstream>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <cmath>
#include <filesystem>

#include "app/graph/einouterror.h"
#include "app/project/programdata.h"
#include "app/project/workspace.h"
#include "tests/support/scratch_dir.h"

namespace {

using namespace torve::app;
namespace fs = std::filesystem;

std::vector<fs::path> examples() {
    std::vector<fs::path> out;
    for (const auto& e : fs::directory_iterator(torve::test::source_path("examples")))
        if (e.path().extension() == ".tv6d") out.push_back(e.path());
    std::sort(out.begin(), out.end());
    return out;
}

QString q(const fs::path& p) {
    return QString::fromStdString(p.string());
}

// Every value of a project by name: its fields and every cell of its tables, with the CPT points.
std::vector<std::pair<std::string, double>> values(const TProgramData& p) {
    std::vector<std::pair<std::string, double>> v = {{"Units", p.Units},
                                                     {"PrintEvery", p.PrintEvery},
                                                     {"Circular", p.Circular},
                                                     {"Perimeter", p.Perimeter},
                                                     {"TipArea", p.TipArea},
                                                     {"OuterDiameter", p.OuterDiameter},
                                                     {"InnerDiameter", p.InnerDiameter},
                                                     {"Modulus", p.Modulus},
                                                     {"TotalLength", p.TotalLength},
                                                     {"StickupLength", p.StickupLength},
                                                     {"EndSectionLength", p.EndSectionLength},
                                                     {"EndSectionInnerDiameter", p.EndSectionInnerDiameter},
                                                     {"ZeroFrictionLength", p.ZeroFrictionLength},
                                                     {"IncrementLength", p.IncrementLength},
                                                     {"PileType", p.PileType},
                                                     {"TaperAngle", p.TaperAngle},
                                                     {"LoadTransferMethod", p.LoadTransferMethod},
                                                     {"ReducedCurves", p.ReducedCurves},
                                                     {"LastLayerBottom", p.LastLayerBottom},
                                                     {"AreaMode", p.AreaMode},
                                                     {"SectionArea", p.SectionArea},
                                                     {"PrintExtraTz", p.PrintExtraTz},
                                                     {"LoadingType", p.LoadingType},
                                                     {"TensionReduction", p.TensionReduction},
                                                     {"DrainedClay", p.DrainedClay},
                                                     {"PlugCondition", p.PlugCondition},
                                                     {"CriticalDepthOption", p.CriticalDepthOption},
                                                     {"CriticalDepth", p.CriticalDepth},
                                                     {"CptCount", p.CptCount}};
    for (int m = 1; m <= 9; ++m)
        v.emplace_back("CapacityMethods" + std::to_string(m), p.CapacityMethods[static_cast<std::size_t>(m)]);
    TWorkspace& ws = p.workspace();
    auto table = [&](const std::string& name, const TGridTable& t) {
        v.emplace_back(name + ".rows", t.RowCount());
        for (int c = 0; c < t.columnCount(); ++c) {
            for (int r = 0; r < t.RowCount(); ++r) {
                const std::string at = name + "[" + std::to_string(c) + "," + std::to_string(r) + "]";
                const int type = t.column(c).TypeNumber();
                if (type == 2) v.emplace_back(at, t.Cell(c, r).AsFloat());
                if (type == 0 || type == 1) v.emplace_back(at, t.Cell(c, r).AsInteger());
            }
        }
    };
    table("D", ws.D);
    for (int r = 0; r < ws.D.RowCount(); ++r)
        if (const TGridTable* s = ws.D.Cell(TWorkspace::LayerData, r).AsTable())
            table("layer" + std::to_string(r + 1), *s);
    table("TblTZDepth", ws.TblTZDepth);
    table("Sectionaldata", ws.Sectionaldata);
    if (ws.MotionInput.LineCount() > 0)
        for (const TFloatPoint& pt : ws.MotionInput.Line(0).Points) {
            v.emplace_back("cpt.depth", pt.Y);
            v.emplace_back("cpt.qc", pt.X);
        }
    return v;
}

void expectSame(const TProgramData& a, const TProgramData& b, double relative) {
    const auto va = values(a), vb = values(b);
    ASSERT_EQ(va.size(), vb.size());
    for (std::size_t i = 0; i < va.size(); ++i) {
        EXPECT_EQ(va[i].first, vb[i].first);
        EXPECT_NEAR(va[i].second, vb[i].second, relative * std::max(1.0, std::fabs(va[i].second)))
            << va[i].first;
    }
    EXPECT_EQ(a.Title, b.Title);
    EXPECT_EQ(a.Designer, b.Designer);
    EXPECT_EQ(a.JobNumber, b.JobNumber);
}

TEST(ProgramData, Defaults) {
    TWorkspace ws;
    TProgramData p(ws);
    EXPECT_EQ(p.FileName, QStringLiteral("NewTORVE.tv6d"));
    EXPECT_EQ(p.Title, QStringLiteral("New Pile"));
    EXPECT_EQ(p.Units, 1);
    EXPECT_EQ(p.IncrementLength, 1.0);
    EXPECT_EQ(p.LoadTransferMethod, 4);
    EXPECT_EQ(p.OffshoreEdition, 1);
    EXPECT_EQ(p.TensionReduction, 1.0);
    EXPECT_EQ(p.CapacityMethods, (std::array<int, 10>{0, 0, 0, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ws.D.RowCount(), 1);
    EXPECT_EQ(ws.Sectionaldata.RowCount(), 2);
    EXPECT_EQ(p.CptCount, 0);
    EXPECT_FALSE(ws.IsModified());
}

TEST(ProgramData, ExamplesReadSaveAndReadAgainIdentically) {
    for (const fs::path& example : examples()) {
        SCOPED_TRACE(example.string());
        torve::test::ScratchDir dir;
        TWorkspace ws1, ws2;
        TProgramData first(ws1), second(ws2);
        first.ReadProject(q(example), true);
        // The CPT points file beside the example comes along: its row count is the second number.
        fs::path cpt_file = example;
        cpt_file.replace_extension(".cpt");
        std::istringstream cpt_head(torve::test::read_file(cpt_file));
        int cpt_units = 0, cpt_rows = -1;
        cpt_head >> cpt_units >> cpt_rows;
        EXPECT_EQ(first.CptCount, cpt_rows);
        const auto read = values(first);
        first.FileName = QString::fromStdString(dir.file("copy.tv6d"));
        first.SaveProject();
        second.ReadProject(first.FileName, true);
        EXPECT_EQ(values(second), read);
        EXPECT_EQ(second.Title, first.Title);
        EXPECT_EQ(second.Designer, first.Designer);
        EXPECT_EQ(second.JobNumber, first.JobNumber);
        // The CPT points go back out exactly as they came in.
        fs::path cpt = example;
        cpt.replace_extension(".cpt");
        EXPECT_EQ(torve::test::read_file(dir.file("copy.cpt")), torve::test::read_file(cpt));
        // A second save of what was read writes the same bytes.
        const std::string text = torve::test::read_file(dir.file("copy.tv6d"));
        second.FileName = QString::fromStdString(dir.file("again.tv6d"));
        second.SaveProject();
        EXPECT_EQ(torve::test::read_file(dir.file("again.tv6d")), text);
    }
}

TEST(ProgramData, ExamplesSurviveAUnitRoundTrip) {
    for (const fs::path& example : examples()) {
        SCOPED_TRACE(example.string());
        TWorkspace ws1, ws2;
        TProgramData original(ws1), converted(ws2);
        original.ReadProject(q(example), true);
        converted.ReadProject(q(example), true);
        const int units = converted.Units;
        converted.SetUnits(3 - units);
        EXPECT_EQ(converted.Units, 3 - units);
        EXPECT_EQ(ws2.D.UnitSystem(), 3 - units);
        converted.SetUnits(units);
        expectSame(original, converted, 1e-9);
    }
}

TEST(ProgramData, SetUnitsConvertsEveryLengthAreaAndStress) {
    TWorkspace ws;
    TProgramData p(ws);
    p.OuterDiameter = 24;   // in
    p.StickupLength = 10;   // ft
    p.CriticalDepth = 10;   // ft
    p.SectionArea = 36.91;  // in^2
    p.Modulus = 29000000;   // lb/in^2
    p.TotalLength = 60;     // ft
    p.SetUnits(2);
    EXPECT_NEAR(p.OuterDiameter, 609.6, 1e-9);   // 24 x 25.4
    EXPECT_NEAR(p.StickupLength, 3.048, 1e-12);  // 10 x 0.3048: no longer left as 10 "m"
    EXPECT_NEAR(p.CriticalDepth, 3.048, 1e-12);
    EXPECT_NEAR(p.SectionArea, 36.91 * 0.0254 * 0.0254, 1e-15);  // 0.023813 m^2
    EXPECT_NEAR(p.Modulus, 199947978.8, 0.1);                    // 29e6 x 0.00444822199911631 / 0.0254^2
    EXPECT_NEAR(p.IncrementLength, 0.3048, 1e-12);
    const auto before = values(p);
    p.SetUnits(2);  // the system already in force: nothing changes
    p.SetUnits(5);  // counts as 2
    EXPECT_EQ(values(p), before);
    p.SetUnits(-1);  // counts as 1
    EXPECT_EQ(p.Units, 1);
    EXPECT_NEAR(p.OuterDiameter, 24, 1e-9);
    EXPECT_NEAR(p.StickupLength, 10, 1e-9);
}

TEST(ProgramData, OldProjectFilesGetTheirDefaults) {
    torve::test::ScratchDir dir;
    // The previous version's layout: no stickup, no reduced-curves flag or method flags, nine values
    // on a soil point's second line, and no critical-depth record. Load transfer by method 5.
    const std::string old =
        "Old pile\nDesigner\nJob\n"
        "1 2 4\n"
        "0 0 18 0 4000000 40\n"
        "0 0\n"
        "0 1 3 0 5 0\n"
        "50 0\n"
        "0 1 0.8 60 32 20\n0 0 0 12 0 0 0 1500 40000\n"
        "20 1 0.8 60 32 20\n0 0 0 14 0 0 0 1500 40000\n"
        "20 2 0 55 0 0\n0 0 1000 500 2 25 0 900 20000\n"
        "50 2 0 55 0 0\n0 0 1400 700 2 25 0 900 20000\n"
        "0\n0 1\n0 0\n3\n0 0.5\n20 0.6\n40 0.7\n";
    TWorkspace ws;
    TProgramData p(ws);
    p.ReadProject(QString::fromStdString(dir.write("old.tvd", old)), false);
    EXPECT_EQ(p.StickupLength, 0);
    EXPECT_EQ(p.ReducedCurves, 0);
    EXPECT_EQ(p.CriticalDepthOption, 0);
    EXPECT_EQ(p.CapacityMethods, (std::array<int, 10>{0, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(p.TotalLength, 40);
    EXPECT_EQ(p.PileType, 3);
    EXPECT_EQ(ws.D.RowCount(), 2);
    EXPECT_EQ(ws.D.Cell(TWorkspace::SideFactor, 1).AsFloat(), 1.0);  // not in the file: the table's default
    const TGridTable* clay = ws.D.Cell(TWorkspace::LayerData, 1).AsTable();
    EXPECT_EQ(clay->Caption, QStringLiteral("Clay Layer Data"));
    EXPECT_EQ(clay->Cell(TWorkspace::ClayUndrained, 1).AsFloat(), 1400);
    EXPECT_EQ(clay->Cell(TWorkspace::ClayUserBearing, 0).AsFloat(), 20000);
    const TGridTable* sand = ws.D.Cell(TWorkspace::LayerData, 0).AsTable();
    EXPECT_EQ(sand->Cell(TWorkspace::SandBlowCount, 1).AsInteger(), 14);
    // The section line holds only the count: 3 rows give mode 2.
    EXPECT_EQ(p.AreaMode, 2);
    EXPECT_EQ(ws.Sectionaldata.RowCount(), 3);
    EXPECT_EQ(ws.Sectionaldata.Cell(1, 2).AsFloat(), 0.7);
    EXPECT_FALSE(ws.IsModified());
}

// A current-format file with one sand layer, its section line given in full.
std::string smallProject(const std::string& sectionLine, double sectionArea = 0,
                         const std::string& layers = "2") {
    std::string s = "Pile\nD\nJ\n1 0 " + layers +
                    "\n0 0 24 23 29000000 60 5\n0 0\n0 0 1 0 4 1 0\n0 0 0 1 0 0 0 0 0\n" + "90 " +
                    std::to_string(sectionArea) + "\n";
    for (int i = 0; i < std::stoi(layers); ++i)
        s += std::to_string(i * 45) + " 1 0.8 60 30 20\n100 0 0 0 0 0 0 7 8 0.5 0.6\n";
    return s + "0\n0 1\n0 0\n" + sectionLine + "\n0 0\n";
}

TEST(ProgramData, AreaModeWhenTheFileOmitsIt) {
    torve::test::ScratchDir dir;
    TWorkspace ws;
    TProgramData p(ws);
    p.ReadProject(QString::fromStdString(dir.write("a.tv6d", smallProject("1", 12.5))), true);
    EXPECT_EQ(p.AreaMode, 1);  // a non-zero constant area
    p.ReadProject(QString::fromStdString(dir.write("b.tv6d", smallProject("0"))), true);
    EXPECT_EQ(p.AreaMode, 0);
    EXPECT_EQ(ws.Sectionaldata.RowCount(), 2);  // brought up to the minimum
    p.ReadProject(QString::fromStdString(dir.write("c.tv6d", smallProject("2\n0 30\n60 40"))), true);
    EXPECT_EQ(p.AreaMode, 2);
    p.ReadProject(QString::fromStdString(dir.write("d.tv6d", smallProject("0 0", 0, "0"))), true);
    EXPECT_EQ(ws.D.RowCount(), 1);  // a file without layers still gets one row
}

TEST(ProgramData, SavingNormalisesTheProject) {
    torve::test::ScratchDir dir;
    TWorkspace ws;
    TProgramData p(ws);
    p.ReadProject(QString::fromStdString(dir.write("p.tv6d", smallProject("0 0", 0, "4"))), true);
    EXPECT_EQ(p.PrintEvery, 0);
    EXPECT_EQ(ws.D.Cell(TWorkspace::LayerData, 0).AsTable()->Cell(6, 0).AsFloat(), 7);
    p.IncrementLength = 0;
    p.TipArea = 5;  // a circular pile keeps no tip area
    p.Perimeter = 80;
    p.SaveProject();
    EXPECT_EQ(p.PrintEvery, 1);
    EXPECT_EQ(p.IncrementLength, 1.0);
    EXPECT_EQ(p.TipArea, 0);
    // Not method 5: the user-specified values are zeroed in the project itself.
    EXPECT_EQ(ws.D.Cell(TWorkspace::LayerData, 0).AsTable()->Cell(6, 0).AsFloat(), 0);
    EXPECT_EQ(ws.D.Cell(TWorkspace::LayerData, 1).AsTable()->Cell(7, 1).AsFloat(), 0);
    EXPECT_NEAR(p.Perimeter, 3.1416 * 24, 1e-12);  // set for the driveability export
    EXPECT_EQ(p.GrlweapFileName, QString::fromStdString(dir.file("p.gwi")));
    EXPECT_EQ(p.CptFileName, QString::fromStdString(dir.file("p.cpt")));
    const std::string text = torve::test::read_file(dir.file("p.tv6d"));
    EXPECT_EQ(text.substr(0, 43),
              "Pile\nD\nJ\n1 1 4\n0 0 24 23 29000000 60 5\n0 0\n");    // perimeter, tip area 0
    EXPECT_NE(text.find("\n0 1 1 0 4 1 0\n"), std::string::npos);      // increment 1
    EXPECT_NE(text.find("\n45 1 0.8 60 30 20\n"), std::string::npos);  // top of layer 2: bottom of layer 1
    TWorkspace ws2;
    TProgramData back(ws2);
    back.ReadProject(p.FileName, true);
    EXPECT_EQ(back.Circular, 1);
    EXPECT_EQ(back.CptCount, 0);  // an empty CPT points file
    EXPECT_EQ(torve::test::read_file(dir.file("p.cpt")), " 1 0\n");
}

TEST(ProgramData, UnreadableFilesLeaveTheOpenProjectAlone) {
    torve::test::ScratchDir dir;
    TWorkspace ws;
    TProgramData p(ws);
    const fs::path example = examples().front();
    p.ReadProject(q(example), true);
    const auto before = values(p);
    std::string broken = smallProject("0 0");
    broken.replace(broken.find("24 23"), 5, "24 x");
    try {
        p.ReadProject(QString::fromStdString(dir.write("broken.tv6d", broken)), true);
        FAIL();
    } catch (const EInOutError& e) {
        EXPECT_EQ(
            e.message(),
            QStringLiteral("Error on Line 5 Item 4\rA floating point number was expected but not found."));
    }
    const std::string whole = smallProject("0 0");
    EXPECT_THROW(
        p.ReadProject(QString::fromStdString(dir.write("short.tv6d", whole.substr(0, whole.size() / 2))),
                      true),
        EInOutError);
    EXPECT_THROW(
        p.ReadProject(QString::fromStdString(dir.write("odd.tv6d", smallProject("0 0", 0, "3"))), true),
        EInOutError);
    EXPECT_THROW(p.ReadProject(QString::fromStdString(dir.file("absent.tv6d")), true), EInOutError);
    EXPECT_EQ(values(p), before);
    EXPECT_EQ(p.FileName, q(example));
}

TEST(ProgramData, FailedSavesReportAndLeaveNoHalfFiles) {
    torve::test::ScratchDir dir;
    TWorkspace ws;
    TProgramData p(ws);
    p.ReadProject(q(examples().front()), true);
    p.FileName = QString::fromStdString(dir.file("missing-folder/p.tv6d"));
    EXPECT_THROW(p.SaveProject(), EInOutError);
    // The export's place is taken by a folder: the save stops there, the input file already written
    // is complete and no temporary file is left behind.
    fs::create_directory(dir.path() / "p.gwi");
    p.FileName = QString::fromStdString(dir.file("p.tv6d"));
    try {
        p.SaveProject();
        FAIL();
    } catch (const EInOutError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("p.gwi")));
    }
    TWorkspace ws2;
    TProgramData back(ws2);
    back.ReadProject(p.FileName, true);
    int files = 0;
    for (const auto& e : fs::directory_iterator(dir.path())) files += e.is_regular_file();
    EXPECT_EQ(files, 1);
}

TEST(ProgramData, TaperCheckBeforeARun) {
    TWorkspace ws;
    TProgramData p(ws);
    p.CapacityMethods[1] = 1;  // FHWA
    p.PileType = 2;            // timber
    p.OuterDiameter = 12;
    p.TotalLength = 60;
    p.TaperAngle = 1;
    // 12 - 2 x 720 x tan(0.01745) < 0; the largest angle is atan(6 / 720) / 0.01745 = 0.4775.
    EXPECT_EQ(
        p.ValidateBeforeRun(QLocale::c()),
        QStringLiteral("Taper angle is large since it generates a negative diameter at tip of pile.\rTaper "
                       "angle should be smaller than 0.478 degrees.\rPlease check input data "));
    EXPECT_TRUE(p.ValidateBeforeRun(QLocale(QLocale::German)).contains(QStringLiteral("0,478 degrees")));
    p.TaperAngle = 0.4;
    EXPECT_TRUE(p.ValidateBeforeRun(QLocale::c()).isEmpty());
    p.TaperAngle = 1;
    p.PileType = 1;  // a steel pipe is never tapered
    EXPECT_TRUE(p.ValidateBeforeRun(QLocale::c()).isEmpty());
    p.PileType = 7;
    p.CapacityMethods[1] = 0;
    EXPECT_TRUE(p.ValidateBeforeRun(QLocale::c()).isEmpty());
}

}  // namespace
