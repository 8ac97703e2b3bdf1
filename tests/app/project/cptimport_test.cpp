// The import of plain column cone data into a project: header lines, columns and the stress factor,
// the converted profiles, refused files and values, and points sorted by depth.
#include <gtest/gtest.h>

#include <QStringList>
#include <tuple>

#include "app/controls/usererror.h"
#include "app/graph/graph.h"
#include "app/project/cptimport.h"
#include "app/project/cptpointsfile.h"
#include "app/project/cptprofile.h"
#include "app/project/project.h"
#include "tests/app/support/textlines.h"
#include "tests/support/scratch_dir.h"

namespace {

using namespace torve::app;
using torve::CptPoint;
using torve::UnitSystem;
using torve::app::test::nonEmptyLines;

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
    const QStringList out = nonEmptyLines(cptPointsFileText(p.data()));
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
    EXPECT_EQ(nonEmptyLines(cptPointsFileText(p.data())),
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
// none at all; and what the CPT points file holds beyond 1E+15 in magnitude the next run refuses:
// such cone data are refused whole (1e306 kPa used to be imported, and the run then stopped on the
// CPT points file), and a point that got in by another path stops the save instead of being written
// as a word nothing reads back.
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
        {"S.I., factor 1: 1e306 kPa, beyond what a run takes", UnitSystem::SI, 1, "1 1e306\n2 3\n", true},
        {"S.I., 1e15 kPa, the most a run takes", UnitSystem::SI, 1, "1 1e15\n2 3\n", false},
        {"English, 1e12 ksf, 1e15 lb/ft^2 in the file", UnitSystem::English, 1, "1 1e12\n2 3\n", false},
        {"English, 1.1e12 ksf, beyond it in the file", UnitSystem::English, 1, "1 1.1e12\n2 3\n", true},
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

}  // namespace
