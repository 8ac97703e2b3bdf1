// The driveability export written beside a project, line by line: a project never analysed, the
// resistance lines in both unit systems, and the perimeter of a noncircular pile.
#include <gtest/gtest.h>

#include <QStringList>

#include "app/graph/plotfile.h"
#include "app/project/driveabilityexport.h"
#include "app/project/project.h"
#include "tests/app/support/textlines.h"
#include "tests/support/scratch_dir.h"

namespace {

using namespace torve::app;
using torve::PileType;
using torve::UnitSystem;
using torve::app::test::nonEmptyLines;

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
    const QStringList out = nonEmptyLines(driveabilityExportText(pipe(), {}));
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
    QStringList out = nonEmptyLines(driveabilityExportText(p.data(), p.results().driveability()));
    ASSERT_EQ(out.size(), 19);
    EXPECT_TRUE(out[5].startsWith(QStringLiteral("  2.45E+01  ")));  // D, the deepest point
    EXPECT_EQ(
        out[11],
        QStringLiteral(" 2.45E+1 1.25E+0 2.45E+2   0.100   0.600   0.200   0.150   2.000    6.56    1.00"));
    EXPECT_TRUE(out[14].startsWith(QStringLiteral("  6.12E+00  ")));  // D / 4 = 6.125 exactly: half to even
    p.setUnits(UnitSystem::SI);
    out = nonEmptyLines(driveabilityExportText(p.data(), p.results().driveability()));
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
    const QStringList out =
        nonEmptyLines(QByteArray::fromStdString(torve::test::read_file(dir.file("h.gwi"))));
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
