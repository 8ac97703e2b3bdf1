// CPT import and CPT points file, and the driveability export, line by line.
#include <gtest/gtest.h>

#include <QStringList>
#include <tuple>

#include "app/controls/usererror.h"
#include "app/graph/graph.h"
#include "app/graph/plotfile.h"
#include "app/project/cptimport.h"
#include "app/project/cptpointsfile.h"
#include "app/project/cptprofile.h"
#include "app/project/driveabilityexport.h"
#include "app/project/project.h"
#include "tests/support/scratch_dir.h"

namespace {

using namespace torve::app;
using torve::CptPoint;
using torve::PileType;
using torve::UnitSystem;

QStringList lines(const QByteArray& text) {
    return QString::fromUtf8(text).split(u'\n', Qt::SkipEmptyParts);
}

QString messageOf(CptImport& import) {
    try {
        import.read();
    } catch (const UserError& e) {
        return e.message();
    }
    return {};
}

void setImport(Project& p, const std::string& file, int dataLines, int columns, int headerLines = 0) {
    ProjectData data = p.data();
    data.cptImport = {QString::fromStdString(file), dataLines, headerLines, columns};
    p.setData(data);
}

TEST(CptImport, HeaderLinesColumnsAndFactor) {
    torve::test::ScratchDir dir;
    std::string file = "site A\ncone 12\ndepth qc(MPa)\n";
    for (int i = 0; i < 100; ++i)
        file += std::to_string(0.5 * i) + " " + std::to_string(5 + 0.1 * i) + " 7 8\n";
    Project p;
    p.setUnits(UnitSystem::SI);
    // The 7 and 8 of each line are skipped with the rest of it.
    setImport(p, dir.write("cone.txt", file), 100, 2, 3);
    CptImport import(p);
    import.stressFactor = 1000;  // MPa to kPa
    ASSERT_NO_THROW(import.read());
    const std::vector<CptPoint>& points = p.data().cptPoints;
    ASSERT_EQ(points.size(), 100u);
    EXPECT_EQ(points[1].qc, 5100);  // 5.1 MPa = 5100 kPa
    EXPECT_EQ(points[99].depth, 49.5);
    Graph graph;
    showCptProfile(graph, p.data(), CptProfile::Qc);
    EXPECT_EQ(graph.xCaption, QStringLiteral("Qc, kPa"));
    EXPECT_EQ(graph.displayName(0), QStringLiteral("CPT Data"));
    const QStringList out = lines(cptPointsFileText(p.data()));
    ASSERT_EQ(out.size(), 101);
    EXPECT_EQ(out[0], QStringLiteral(" 2 100"));
    EXPECT_EQ(out[2], QStringLiteral("  5.00E-01  5.10E+03"));
}

TEST(CptImport, ConvertedProfilesStayApartFromQc) {
    torve::test::ScratchDir dir;
    Project p;
    setImport(p, dir.write("cone.txt", "0.5 123.4\n10 28\n"), 2, 2);
    CptImport import(p);
    ASSERT_NO_THROW(import.read());
    Graph converted;
    showCptProfile(converted, p.data(), CptProfile::Spt);
    // 28 ksf x 47.875 / 280 = 4.7875 blows; the qc points keep 28 ksf.
    EXPECT_DOUBLE_EQ(converted.line(0).points[1].x(), 4.7875);
    EXPECT_EQ(converted.caption, QStringLiteral("Converted SPT from CPT Data"));
    EXPECT_EQ(converted.displayName(0), QStringLiteral("Converted SPT"));
    EXPECT_EQ(p.data().cptPoints[1].qc, 28);
    // English qc in ksf goes to the engine in lb/ft^2: 123.4 ksf is 1.234E+05, 0.5 ft is 5.00E-01.
    EXPECT_EQ(lines(cptPointsFileText(p.data())),
              (QStringList{QStringLiteral(" 1 2"), QStringLiteral("  5.00E-01  1.234E+05"),
                           QStringLiteral("  1.00E+01  2.80E+04")}));
    showCptProfile(converted, p.data(), CptProfile::Su);
    EXPECT_DOUBLE_EQ(converted.line(0).points[1].x(), 28.0 / 15);
    EXPECT_EQ(converted.xCaption, QStringLiteral("Undrained Shear Strength Su, k/ft^2"));
    p.setUnits(UnitSystem::SI);  // qc and Su are stresses: 28 ksf = 28 x 47.880263 kPa; depths in m
    Graph qc;
    showCptProfile(qc, p.data(), CptProfile::Qc);
    showCptProfile(converted, p.data(), CptProfile::Su);
    EXPECT_NEAR(qc.line(0).points[1].x(), 1340.647, 1e-3);
    EXPECT_NEAR(converted.line(0).points[1].x(), 1340.647 / 15, 1e-3);
    EXPECT_NEAR(qc.line(0).points[1].y(), 3.048, 1e-9);
    EXPECT_EQ(converted.xCaption, QStringLiteral("Undrained Shear Strength Su, kPa"));
}

TEST(CptImport, FailuresChangeNothing) {
    torve::test::ScratchDir dir;
    Project p;
    const std::string cone = dir.write("cone.txt", "1 10\n2 20\n3 30\n");
    setImport(p, cone, 3, 2);
    CptImport import(p);
    ASSERT_NO_THROW(import.read());
    setImport(p, cone, 4, 2);  // one more than the file holds
    EXPECT_EQ(messageOf(import), QStringLiteral("There was an error reading the input CPT file."));
    // Counts beyond the dialog's limits are refused before any room is made for them.
    for (const auto& [lines, columns, header, message] : {std::tuple{1001, 2, 0, "At most 1000 data lines"},
                                                          {3, 1000000000, 0, "At most 20 data columns"},
                                                          {3, 21, 0, "At most 20 data columns"},
                                                          {3, 2, 51, "At most 50 header lines"}}) {
        setImport(p, cone, lines, columns, header);
        EXPECT_TRUE(messageOf(import).startsWith(QLatin1String(message))) << message;
    }
    setImport(p, dir.file("absent.txt"), 3, 2);
    EXPECT_EQ(messageOf(import),
              QStringLiteral("File ") + p.data().cptImport.dataFile + QStringLiteral(" does not exists"));
    ASSERT_EQ(p.data().cptPoints.size(), 3u);
    EXPECT_EQ(p.data().cptPoints[2].qc, 30);

    const std::string big = " 1 1001\n" + std::string(1001 * 4, '1');
    EXPECT_THROW(readCptPointsFile(QString::fromStdString(dir.write("big.cpt", big))), UserError);
}

// qc = 1e306 is a double, but not once an English project writes it in lb/ft^2 (x 1000), and 1e400 is
// none at all: such cone data are refused whole, and a point that got in by another path stops the
// save instead of being written as a word nothing reads back.
TEST(CptImport, ValuesTheCptPointsFileCannotHoldAreRefused) {
    torve::test::ScratchDir dir;
    const struct {
        const char* what;
        UnitSystem units;
        double factor;
        const char* file;
        bool refused;
    } cases[] = {
        {"English, factor 1: 1e309 lb/ft^2", UnitSystem::English, 1, "1 1e306\n2 3\n", true},
        {"S.I., factor 1000 after it", UnitSystem::SI, 1000, "1 1e306\n2 3\n", true},
        {"S.I., factor 1: 1e306 kPa is written as it is", UnitSystem::SI, 1, "1 1e306\n2 3\n", false},
        {"a depth beyond a double", UnitSystem::SI, 1, "2 3\n1e400 5\n", true},  // the reader refuses it
    };
    for (const auto& c : cases) {
        Project p;
        p.setUnits(c.units);
        setImport(p, dir.write("cone.txt", c.file), 2, 2);
        CptImport import(p);
        import.stressFactor = c.factor;
        const QString message = messageOf(import);
        EXPECT_EQ(message.isEmpty(), !c.refused) << c.what << ": " << message.toStdString();
        EXPECT_EQ(p.data().cptPoints.empty(), c.refused) << c.what;
    }
    Project english;  // the reported file: a header line, then qc = 1e306 in the first of three rows
    setImport(english, torve::test::source_path("tests/data/reproducers/cpt-import-huge-qc.txt"), 3, 2, 1);
    CptImport huge(english);
    EXPECT_EQ(messageOf(huge).left(64),
              QString(QStringLiteral("The cone data of ") + english.data().cptImport.dataFile +
                      QStringLiteral(" at data line 1 hold"))
                  .left(64));
    ProjectData d;
    d.units = UnitSystem::English;
    d.cptPoints = {{1, 3}, {2, 1e306}};
    EXPECT_THROW(cptPointsFileText(d), UserError);
}

// Soundings listed from the bottom up reach the project, and the engine, in order of depth.
TEST(CptImport, PointsGivenDeepestFirstAreSortedAndTheImportSaysSo) {
    torve::test::ScratchDir dir;
    Project p;
    setImport(p, dir.write("up.txt", "3 30\n2 20\n1 10\n"), 3, 2);
    CptImport import(p);
    const QStringList notices = import.read();
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains(QStringLiteral("sorted by depth"))) << notices[0].toStdString();
    EXPECT_EQ(p.data().cptPoints, (std::vector<CptPoint>{{1, 10}, {2, 20}, {3, 30}}));
    setImport(p, dir.write("down.txt", "1 10\n1 11\n2 20\n"), 3, 2);
    EXPECT_TRUE(import.read().isEmpty());  // equal depths are in order
}

// Saving keeps every digit of real cone data: 10.00, 10.02 and 10.04 m stay apart (three digits
// made all of them 1.00E+01), and English qc, written in lb/ft^2, comes back to the same ksf.
TEST(CptPointsFile, ReadsBackTheSameValues) {
    torve::test::ScratchDir dir;
    for (UnitSystem units : {UnitSystem::SI, UnitSystem::English}) {
        ProjectData d;
        d.units = units;
        d.cptPoints = {{10.0, 4123.7}, {10.02, 0.1234567}, {10.04, 1e-3 / 3}, {33.333333333333336, 17.3}};
        const std::string path = dir.write("p.cpt", cptPointsFileText(d).toStdString());
        EXPECT_EQ(cptPointsIn(readCptPointsFile(QString::fromStdString(path)), units), d.cptPoints);
        EXPECT_EQ(lines(cptPointsFileText(d))[1].left(12),
                  QStringLiteral("  1.00E+01  "));  // short when exact
    }
}

// An English steel pipe, OD 24 in, ID 23 in, E 29,000,000 lb/in^2.
ProjectData pipe() {
    ProjectData d;
    d.title = QStringLiteral("Pipe ");
    d.outsideDiameter = 24;
    d.insideDiameter = 23;
    d.modulusOfElasticity = 29000000;
    return d;
}

// A plot file of one API curve whose rows hold depth, unit skin friction and tip resistance.
PlotFile apiCurve(std::vector<CapacityRow> rows) {
    PlotFile f;
    f.loadTransferMethod = 4;
    f.rowCount = static_cast<int>(rows.size());
    f.capacityCurves = {std::move(rows)};
    for (auto& level : f.loadDistribution) level.resize(static_cast<std::size_t>(f.rowCount));
    return f;
}

TEST(DriveabilityExport, ProjectNeverAnalysed) {
    const QStringList out = lines(driveabilityExportText(pipe(), {}));
    ASSERT_EQ(out.size(), 17);  // 10 head lines, no resistance lines, 2 + 4 + 1 closing lines
    EXPECT_EQ(out[0], QStringLiteral("Pipe GRLWeap Driviability file VER. 2  VER. 1994 1 1"));
    // (24^2 - 23^2) x 0.7854 = 36.9 in^2; 29000 ksi; 492 lb/ft^3; 3.1416 x 24 / 12 = 6.28 ft.
    EXPECT_EQ(
        out[5],
        QStringLiteral("  0.00E+00  3.69E+01  2.90E+04  4.92E+02  6.28E+00     4.000     1.000     0.010"));
    for (int i = 12; i < 16; ++i)
        EXPECT_EQ(out[i],
                  QStringLiteral(
                      "  0.00E+00      0.00      0.00     0.000      0.00    0.0000    0.0000    0.0000"));
    EXPECT_EQ(
        out[16],
        QStringLiteral("      0.00      0.00      0.00     0.000      0.00    0.0000    0.0000    0.0000"));
}

TEST(DriveabilityExport, ResistanceLinesAndUnits) {
    Project p;
    p.setData(pipe());
    // Side resistance is unit skin friction x circumference 3.1416 x 24 / 12 = 6.2832 ft: a unit
    // friction of 1.25 / 6.2832 ksf gives 1.25 kips/ft.
    p.showResults(apiCurve({{1, 0, 10, 0, 0.5 / 6.2832}, {24.5, 0, 245, 0, 1.25 / 6.2832}}));
    QStringList out = lines(driveabilityExportText(p.data(), p.results().driveability()));
    ASSERT_EQ(out.size(), 19);
    EXPECT_TRUE(out[5].startsWith(QStringLiteral("  2.45E+01  ")));  // D, the deepest point
    EXPECT_EQ(
        out[11],
        QStringLiteral(" 2.45E+1 1.25E+0 2.45E+2   0.100   0.600   0.200   0.150   2.000    6.56    1.00"));
    EXPECT_TRUE(out[14].startsWith(QStringLiteral("  6.12E+00  ")));  // D / 4 = 6.125 exactly: half to even
    p.setUnits(UnitSystem::SI);
    out = lines(driveabilityExportText(p.data(), p.results().driveability()));
    EXPECT_TRUE(out[0].endsWith(QStringLiteral("VER. 1994 1 0")));
    EXPECT_TRUE(out[11].endsWith(QStringLiteral("   2.540   5.000   0.160   0.500   1.000    1.50    1.00")));
    EXPECT_TRUE(out[11].startsWith(QStringLiteral(" 7.47E+0 ")));  // 24.5 ft = 7.4676 m
    // 609.6^2 - 584.2^2 mm^2 x 0.7854 / 100 = 238 cm^2; 199948 MPa; 77.28 kN/m^3; 1.915 m.
    EXPECT_EQ(out[5].mid(10),
              QStringLiteral("  2.38E+02  2.00E+05  7.73E+01  1.92E+00     4.000     1.000     0.010"));
}

// An HP14x73 H-pile, depth 13.61 in and flange 14.585 in: its box perimeter is
// 2 x (13.61 + 14.585) = 56.39 in, 56.39 / 12 = 4.699167 ft around. A noncircular pile has no outer
// diameter, so the circumference pi x OD / 12 of a circular pile would be 0 and so would every side
// resistance; the perimeter is the pile's circumference.
TEST(DriveabilityExport, NoncircularPilesUseTheirPerimeter) {
    torve::test::ScratchDir dir;
    Project p;
    ProjectData d = pipe();
    d.fileName = QString::fromStdString(dir.file("h.tv6d"));
    d.circular = false;
    d.pileType = PileType::HPile;
    d.outsideDiameter = d.insideDiameter = 0;
    d.perimeter = 56.39;
    p.setData(d);
    EXPECT_DOUBLE_EQ(p.data().circumference(), 56.39 / 12);
    // At 20 ft the unit skin friction is 0.75 ksf: 0.75 x 4.699167 = 3.524375 kips/ft.
    p.showResults(apiCurve({{20, 0, 15, 0, 0.75}}));
    EXPECT_DOUBLE_EQ(p.results().driveability()[0].sideResistance, 0.75 * 56.39 / 12);
    p.saveProject();
    const QStringList out = lines(QByteArray::fromStdString(torve::test::read_file(dir.file("h.gwi"))));
    ASSERT_EQ(out.size(), 18);
    // D 20 ft, area 0 (no diameters), E 29000 ksi, 492 lb/ft^3, circumference 4.70 ft.
    EXPECT_EQ(
        out[5],
        QStringLiteral("  2.00E+01  0.00E+00  2.90E+04  4.92E+02  4.70E+00     4.000     1.000     0.010"));
    EXPECT_EQ(
        out[10],
        QStringLiteral(" 2.00E+1 3.52E+0 1.50E+1   0.100   0.600   0.200   0.150   2.000    6.56    1.00"));
    EXPECT_EQ(p.data().perimeter, 56.39);  // a noncircular pile keeps its own perimeter
}

}  // namespace
