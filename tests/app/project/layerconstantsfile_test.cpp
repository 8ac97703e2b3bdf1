// The soil layer constants with a desktop project: opened, saved and converted with it, the project
// file byte for byte the same with or without them, an old file removed once no layer gives any, a
// file that does not fit refused whole, and the GRLWeap export.
#include <gtest/gtest.h>

#include <QFile>
#include <filesystem>

#include "app/controls/usererror.h"
#include "app/project/driveabilityexport.h"
#include "app/project/project.h"
#include "app/project/projectfile.h"
#include "tests/support/scratch_dir.h"

namespace {

using namespace torve::app;
using torve::UnitSystem;
using Tables = ProjectTables;
namespace fs = std::filesystem;

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

void open(Project& p, const std::string& path) {
    p.readProject(q(path), ProjectFormat::Current);
}

double cell(Project& p, int column, int layer) {
    return p.tables().soilLayers.cell(column, layer).toDouble();
}

TEST(LayerConstantsWithTheProject, SavedBesideOnlyWhileGivenAndTheProjectFileUnchanged) {
    const torve::test::ScratchDir dir;
    const std::string path = torve::test::copy_example(dir, "sand-over-clay-pipe-english");
    Project p;
    open(p, path);
    EXPECT_EQ(cell(p, Tables::ToeQuakeColumn, 1), Tables::kNotGiven);
    p.saveProject();
    const std::string original = torve::test::read_file(path);
    EXPECT_FALSE(fs::exists(dir.file("sand-over-clay-pipe-english.layers.csv")));

    // Layer 2 (clay, soil points 3 and 4): toe quake 0.2 in, A 0.3; both points carry them.
    p.tables().soilLayers.cell(Tables::ToeQuakeColumn, 1).setDouble(0.2);
    p.tables().soilLayers.cell(Tables::SetupAColumn, 1).setDouble(0.3);
    EXPECT_TRUE(p.isModified());
    p.saveProject();
    EXPECT_EQ(torve::test::read_file(path), original);
    const std::string layers = torve::test::read_file(dir.file("sand-over-clay-pipe-english.layers.csv"));
    EXPECT_NE(layers.find("\n3,"), std::string::npos);
    const std::string row3 = layers.substr(
        layers.find("\n3,") + 1, layers.find('\n', layers.find("\n3,") + 1) - layers.find("\n3,") - 1);
    EXPECT_EQ(row3.substr(row3.find(',', 2)), ",,0.2,,,0.3,");

    // Opened again: the same values, and a save writes both files byte for byte as they were.
    Project again;
    open(again, path);
    EXPECT_EQ(cell(again, Tables::ToeQuakeColumn, 1), 0.2);
    EXPECT_EQ(cell(again, Tables::SetupAColumn, 1), 0.3);
    EXPECT_EQ(cell(again, Tables::ShaftQuakeColumn, 1), Tables::kNotGiven);
    EXPECT_EQ(cell(again, Tables::ToeQuakeColumn, 0), Tables::kNotGiven);
    again.saveProject();
    EXPECT_EQ(torve::test::read_file(path), original);
    EXPECT_EQ(torve::test::read_file(dir.file("sand-over-clay-pipe-english.layers.csv")), layers);

    // Every constant back to its default: the file of the earlier save goes.
    again.tables().soilLayers.cell(Tables::ToeQuakeColumn, 1).setDouble(Tables::kNotGiven);
    again.tables().soilLayers.cell(Tables::SetupAColumn, 1).setDouble(Tables::kNotGiven);
    again.saveProject();
    EXPECT_FALSE(fs::exists(dir.file("sand-over-clay-pipe-english.layers.csv")));
    EXPECT_EQ(torve::test::read_file(path), original);
}

// A file that belongs to other soil layers, or holds a cell that is not a number, keeps the project
// from opening: opened without them, the next save would drop the user's values.
TEST(LayerConstantsWithTheProject, FileThatDoesNotFitIsRefusedAndTheOpenProjectStays) {
    const torve::test::ScratchDir dir;
    const std::string path = torve::test::copy_example(dir, "sand-over-clay-pipe-english");
    Project p;
    open(p, path);
    p.tables().soilLayers.cell(Tables::ShaftDampingColumn, 0).setDouble(0.05);
    p.saveProject();
    const std::string csv = dir.file("sand-over-clay-pipe-english.layers.csv");
    std::string text = torve::test::read_file(csv);
    dir.write("sand-over-clay-pipe-english.layers.csv", text.replace(text.find("0.05"), 4, "0.o5"));
    Project other;
    const QString before = other.data().fileName;
    try {
        open(other, path);
        FAIL() << "opened";
    } catch (const UserError& e) {
        EXPECT_TRUE(
            e.message().contains(QStringLiteral(", line 2, column 5 (shaft_damping_s_per_ft): expected a "
                                                "number or an empty cell, found \"0.o5\".")))
            << e.message().toStdString();
        ASSERT_TRUE(e.location());
        EXPECT_EQ(e.location()->line, 2);
    }
    EXPECT_EQ(other.data().fileName, before);
}

// Converted with the units: 0.2 in = 5.08 mm, 0.05 s/ft = 0.164042 s/m, A and t0 as they are.
TEST(LayerConstantsWithTheProject, ConvertedWithTheUnits) {
    Project p;
    p.tables().soilLayers.cell(Tables::ToeQuakeColumn, 0).setDouble(0.2);
    p.tables().soilLayers.cell(Tables::ShaftDampingColumn, 0).setDouble(0.05);
    p.tables().soilLayers.cell(Tables::SetupT0Column, 0).setDouble(2);
    p.setUnits(UnitSystem::SI);
    EXPECT_NEAR(cell(p, Tables::ToeQuakeColumn, 0), 5.08, 1e-12);
    EXPECT_NEAR(cell(p, Tables::ShaftDampingColumn, 0), 0.05 / 0.3048, 1e-12);
    EXPECT_EQ(cell(p, Tables::SetupT0Column, 0), 2);
    EXPECT_LT(cell(p, Tables::ShaftQuakeColumn, 0), 0);  // not given stays not given
}

// The export carries a layer's own quakes and damping on the lines of its depths; without any it is
// byte for byte the export of before.
TEST(LayerConstantsWithTheProject, DriveabilityExportCarriesTheLayersValues) {
    ProjectData d;
    d.outsideDiameter = 24;
    d.insideDiameter = 23;
    d.modulusOfElasticity = 29000000;
    const std::vector<DriveabilityPoint> points = {{5, 1.0, 10.0}, {40, 2.0, 20.0}};
    torve::ProjectRecords r;
    r.soil_points.resize(4);
    r.soil_points[1].depth = 30;
    r.soil_points[2].depth = 30;
    r.soil_points[3].depth = 100;
    const QByteArray plain = driveabilityExportText(d, points);
    EXPECT_EQ(driveabilityExportText(d, points, r.soil_points), plain);
    for (std::size_t i : {2u, 3u}) {
        r.soil_points[i].constants.toe_quake = 0.25;
        r.soil_points[i].constants.shaft_damping = 0.065;
    }
    const QList<QByteArray> lines = driveabilityExportText(d, points, r.soil_points).split('\n');
    EXPECT_EQ(lines[10], plain.split('\n')[10]);  // 5 ft: the sand, defaults
    EXPECT_EQ(lines[11],
              QByteArray(" 4.00E+1 2.00E+0 2.00E+1   0.100   0.250   0.065   0.150   2.000    6.56    1.00"));
}

}  // namespace
