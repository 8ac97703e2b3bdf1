// CPT import and CPT points file, and the driveability export, line by line.
#include <gtest/gtest.h>

#include <QStringList>

#include "app/graph/readplotfile.h"
#include "app/graph/wordreader.h"
#include "app/project/cptimport.h"
#include "app/project/cptpointsfile.h"
#include "app/project/driveabilityexport.h"
#include "app/project/programdata.h"
#include "app/project/workspace.h"
#include "tests/support/scratch_dir.h"

namespace {

using namespace torve::app;

QStringList lines(const QByteArray& text) {
    return QString::fromUtf8(text).split(u'\n', Qt::SkipEmptyParts);
}

TEST(CptImport, HeaderLinesColumnsAndFactor) {
    torve::test::ScratchDir dir;
    std::string file = "site A\ncone 12\ndepth qc(MPa)\n";
    for (int i = 0; i < 100; ++i)
        file += std::to_string(0.5 * i) + " " + std::to_string(5 + 0.1 * i) + " 7 8\n";
    TWorkspace ws;
    TProgramData p(ws);
    p.SetUnits(2);
    p.CptDataFile = QString::fromStdString(dir.write("cone.txt", file));
    p.CptHeaderLines = 3;
    p.CptDataLines = 100;
    p.CptColumns = 2;  // the 7 and 8 of each line are skipped with the rest of it
    TCptImport import(p);
    import.Ua = 1000;  // MPa to kPa
    ASSERT_EQ(import.Read(TCptImport::Qc), QString());
    EXPECT_EQ(p.CptCount, 100);
    EXPECT_EQ(ws.MotionInput.Line(0).Points[1].X, 5100);  // 5.1 MPa = 5100 kPa
    EXPECT_EQ(ws.MotionInput.Line(0).Points[99].Y, 49.5);
    EXPECT_EQ(ws.MotionInput.XCaption, QStringLiteral("Qc, kPa"));
    EXPECT_EQ(ws.MotionInput.Line(0).DisplayName(), QStringLiteral("CPT Data"));
    const QStringList out = lines(CptPointsFileText(p));
    ASSERT_EQ(out.size(), 101);
    EXPECT_EQ(out[0], QStringLiteral(" 2 100"));
    EXPECT_EQ(out[2], QStringLiteral("  5.00E-01  5.10E+03"));
}

TEST(CptImport, ConvertedProfilesStayApartFromQc) {
    torve::test::ScratchDir dir;
    TWorkspace ws;
    TProgramData p(ws);
    p.CptDataFile = QString::fromStdString(dir.write("cone.txt", "0.5 123.4\n10 28\n"));
    p.CptDataLines = 2;
    p.CptColumns = 2;
    TCptImport import(p);
    ASSERT_EQ(import.Read(TCptImport::Spt), QString());
    // 28 ksf x 47.875 / 280 = 4.7875 blows; the qc points keep 28 ksf.
    EXPECT_DOUBLE_EQ(ws.MotionConverted.Line(0).Points[1].X, 4.7875);
    EXPECT_EQ(ws.MotionConverted.Caption, QStringLiteral("Converted SPT from CPT Data"));
    EXPECT_EQ(ws.MotionConverted.Line(0).DisplayName(), QStringLiteral("Converted SPT"));
    EXPECT_EQ(ws.MotionInput.Line(0).Points[1].X, 28);
    // English qc in ksf goes to the engine in lb/ft^2: 123.4 ksf is 1.23E+05, 0.5 ft is 5.00E-01.
    EXPECT_EQ(lines(CptPointsFileText(p)),
              (QStringList{QStringLiteral(" 1 2"), QStringLiteral("  5.00E-01  1.23E+05"),
                           QStringLiteral("  1.00E+01  2.80E+04")}));
    ASSERT_EQ(import.Read(TCptImport::Su), QString());
    EXPECT_DOUBLE_EQ(ws.MotionConverted.Line(0).Points[1].X, 28.0 / 15);
    EXPECT_EQ(ws.MotionConverted.XCaption, QStringLiteral("Undrained Shear Strength Su, k/ft^2"));
    p.SetUnits(2);  // qc and Su are stresses: 28 ksf = 28 x 47.880263 kPa; depths in m
    EXPECT_NEAR(ws.MotionInput.Line(0).Points[1].X, 1340.647, 1e-3);
    EXPECT_NEAR(ws.MotionConverted.Line(0).Points[1].X, 1340.647 / 15, 1e-3);
    EXPECT_NEAR(ws.MotionInput.Line(0).Points[1].Y, 3.048, 1e-9);
    EXPECT_EQ(ws.MotionConverted.XCaption, QStringLiteral("Undrained Shear Strength Su, kPa"));
}

TEST(CptImport, FailuresChangeNothing) {
    torve::test::ScratchDir dir;
    TWorkspace ws;
    TProgramData p(ws);
    p.CptDataFile = QString::fromStdString(dir.write("cone.txt", "1 10\n2 20\n3 30\n"));
    p.CptDataLines = 3;
    p.CptColumns = 2;
    TCptImport import(p);
    ASSERT_EQ(import.Read(TCptImport::Qc), QString());
    p.CptDataLines = 4;  // one more than the file holds
    EXPECT_EQ(import.Read(TCptImport::Qc), QStringLiteral("There was an error reading the input CPT file."));
    p.CptDataLines = 1001;
    EXPECT_TRUE(import.Read(TCptImport::Qc).startsWith(QStringLiteral("At most 1000 data lines")));
    p.CptDataFile = QString::fromStdString(dir.file("absent.txt"));
    EXPECT_EQ(import.Read(TCptImport::Qc),
              QStringLiteral("File ") + p.CptDataFile + QStringLiteral(" does not exists"));
    EXPECT_EQ(p.CptCount, 3);
    EXPECT_EQ(ws.MotionInput.Line(0).Points[2].X, 30);

    const std::string big = " 1 1001\n" + std::string(1001 * 4, '1');
    EXPECT_ANY_THROW(ReadCptPointsFile(QString::fromStdString(dir.write("big.cpt", big))));
}

// An English steel pipe, OD 24 in, ID 23 in, E 29,000,000 lb/in^2.
struct Pipe {
    TWorkspace ws;
    TProgramData p{ws};
    Pipe() {
        p.Title = QStringLiteral("Pipe ");
        p.OuterDiameter = 24;
        p.InnerDiameter = 23;
        p.Modulus = 29000000;
    }
};

TEST(DriveabilityExport, ProjectNeverAnalysed) {
    Pipe t;
    const QStringList out = lines(DriveabilityExportText(t.p));
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
    Pipe t;
    t.p.ResistanceCount = 2;
    t.p.ResistanceDepth = {1, 24.5};
    t.p.SideResistance = {0.5, 1.25};
    t.p.TipResistance = {10, 245};
    QStringList out = lines(DriveabilityExportText(t.p));
    ASSERT_EQ(out.size(), 19);
    EXPECT_TRUE(out[5].startsWith(QStringLiteral("  2.45E+01  ")));  // D, the deepest point
    EXPECT_EQ(
        out[11],
        QStringLiteral(" 2.45E+1 1.25E+0 2.45E+2   0.100   0.600   0.200   0.150   2.000    6.56    1.00"));
    EXPECT_TRUE(out[14].startsWith(QStringLiteral("  6.12E+00  ")));  // D / 4 = 6.125 exactly: half to even
    t.p.SetUnits(2);
    out = lines(DriveabilityExportText(t.p));
    EXPECT_TRUE(out[0].endsWith(QStringLiteral("VER. 1994 1 0")));
    EXPECT_TRUE(out[11].endsWith(QStringLiteral("   2.540   5.000   0.160   0.500   1.000    1.50    1.00")));
    EXPECT_TRUE(out[11].startsWith(QStringLiteral(" 7.47E+0 ")));  // 24.5 ft = 7.4676 m
    // 609.6^2 - 584.2^2 mm^2 x 0.7854 / 100 = 238 cm^2; 199948 MPa; 77.28 kN/m^3; 1.915 m.
    EXPECT_EQ(out[5].mid(10),
              QStringLiteral("  2.38E+02  2.00E+05  7.73E+01  1.92E+00     4.000     1.000     0.010"));
}

TEST(DriveabilityExport, NoncircularPilesUseTheirPerimeter) {
    Pipe t;
    t.p.Circular = 0;
    t.p.PileType = 6;
    t.p.OuterDiameter = 0;
    t.p.Perimeter = 48;  // in: 4 ft around
    EXPECT_DOUBLE_EQ(t.p.Circumference(), 4.0);
    // The side resistance read from a plot file is unit friction times that circumference.
    t.p.CapacityMethods.fill(0);
    t.p.CapacityMethods[4] = 1;
    TWordReader r = TWordReader::fromText("1 1 1 4\n10 1 2 3 0.5\n0\n" + QByteArray("1 1 1\n").repeated(9) +
                                          QByteArray("1 1 1 1\n").repeated(9));
    ASSERT_TRUE(ReadPlotFile(r, t.p));
    EXPECT_DOUBLE_EQ(t.p.SideResistance[0], 2.0);
}

}  // namespace
