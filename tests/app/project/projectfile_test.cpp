// What a save writes: values switched to the other unit system and back are written as they were
// entered, and a value that is no finite number is never written.
#include <gtest/gtest.h>

#include <QString>
#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>

#include "app/controls/usererror.h"
#include "app/project/project.h"
#include "tests/support/scratch_dir.h"

namespace {

using namespace torve::app;
using torve::UnitSystem;
namespace fs = std::filesystem;

std::vector<fs::path> examples() {
    std::vector<fs::path> out;
    for (const auto& e : fs::directory_iterator(torve::test::source_path("examples")))
        if (e.path().extension() == ".tv6d") out.push_back(e.path());
    std::sort(out.begin(), out.end());
    return out;
}

void saveAs(Project& p, const std::string& path) {
    ProjectData data = p.data();
    data.fileName = QString::fromStdString(path);
    p.setData(data);
    p.saveProject();
}

// The three files of a save, in one string.
std::string savedFiles(const torve::test::ScratchDir& dir, const std::string& base) {
    std::string all;
    for (const char* ext : {".tv6d", ".cpt", ".gwi"})
        all += torve::test::read_file(dir.file(base + ext)) + "\n----\n";
    return all;
}

// An S.I. project of round figures: a 1500 mm pipe, layers down to 15 and 50 m, qc 15000 kPa.
// Converted with the factors alone, it came back as 1499.999999994 mm and qc 15000.000000000002.
const char* const kSiProject =
    "Open-ended pipe, dense sand over stiff clay\nDesigner\nJ-1\n"
    "2 1 4\n"
    "0 0 1500 1424 210000000 40 0\n"
    "0 0\n"
    "0 0.3048 1 0 4 1 0\n"
    "0 0 0 1 0 0 0 0 1\n"
    "50 0\n"
    "0.0 1 0.8 10 35 40\n"
    "0 0 0.0 0 0.0 0.0 15000 0 0 1 1\n"
    "15 1 0.8 10 36 40\n"
    "0 0 0.0 0 0.0 0.0 25000 0 0 1 1\n"
    "15 2 0.0 9 0.0 0.0\n"
    "0 0 100 50 0 0 2000 0 0 1 1\n"
    "50 2 0.0 9 0.0 0.0\n"
    "0 0 200 100 0 0 3500 0 0 1 1\n"
    "0\n0 1\n0 0\n0 0\n0 0\n";

// Every example (English and S.I.) and the S.I. project above, switched to the other system and
// back, saves the very bytes it saved before: project file, CPT points and driveability export.
TEST(ProjectFileUnits, ARoundTripSavesWhatWasEntered) {
    torve::test::ScratchDir dir;
    std::vector<std::string> inputs;
    for (const fs::path& e : examples()) inputs.push_back(e.string());
    inputs.push_back(dir.write("si.tv6d", kSiProject));
    for (const std::string& input : inputs) {
        SCOPED_TRACE(input);
        Project p;
        p.readProject(QString::fromStdString(input), ProjectFormat::Current);
        if (p.data().cptPoints.empty()) {
            const bool si = p.data().units == UnitSystem::SI;
            // qc 15000 kPa at 10.02 m, or 300 ksf at 32.9 ft
            p.setCptPoints(
                {{0, 0}, {si ? 10.02 : 32.9, si ? 15000.0 : 300.0}, {si ? 15.5 : 50, si ? 2000.0 : 45.5}});
        }
        saveAs(p, dir.file("before.tv6d"));
        const UnitSystem units = p.data().units;
        p.setUnits(units == UnitSystem::SI ? UnitSystem::English : UnitSystem::SI);
        p.setUnits(units);
        saveAs(p, dir.file("after.tv6d"));
        EXPECT_EQ(savedFiles(dir, "after"), savedFiles(dir, "before"));
    }
}

// A value that is no finite number stops the save with the field's name, and all three files stay
// as the last save left them; a later save of sound values goes through.
TEST(ProjectFileUnits, ValuesThatAreNotFiniteAreNeverSaved) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* change;
        std::function<void(Project&)> apply;
        const char* message;
    };
    auto data = [](Project& p, const std::function<void(ProjectData&)>& f) {
        ProjectData d = p.data();
        f(d);
        p.setData(d);
    };
    const Case cases[] = {
        {"outside diameter typed as 1e400",
         [&](Project& p) { data(p, [](ProjectData& d) { d.outsideDiameter = inf; }); },
         "the outside diameter is INF"},
        {"modulus 0/0", [&](Project& p) { data(p, [](ProjectData& d) { d.modulusOfElasticity = nan; }); },
         "the modulus of elasticity is NAN"},
        {"increment 1e400",
         [&](Project& p) { data(p, [](ProjectData& d) { d.computationIncrement = inf; }); },
         "the computation increment is INF"},
        {"taper angle -1e400", [&](Project& p) { data(p, [](ProjectData& d) { d.taperAngle = -inf; }); },
         "the taper angle is -INF"},
        {"bottom of the first layer",
         [](Project& p) { p.tables().soilLayers.cell(ProjectTables::BottomDepthColumn, 0).setDouble(inf); },
         "the depth of soil point 2 is INF"},
        // 1e306 ksf is finite in the program but not as the lb/ft2 of the file.
        {"English qc of 1e306 ksf",
         [](Project& p) {
             p.setCptPoints({{0, 0}, {10, 1e306}});
         },
         "the cone resistance of CPT point 2 is INF"},
        {"CPT depth",
         [](Project& p) {
             p.setCptPoints({{nan, 0}});
         },
         "the depth of CPT point 1 is NAN"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        torve::test::ScratchDir dir;
        Project p;
        p.readProject(
            QString::fromStdString(torve::test::source_path("examples/sand-over-clay-pipe-english.tv6d")),
            ProjectFormat::Current);
        ASSERT_EQ(p.data().units, UnitSystem::English);
        saveAs(p, dir.file("p.tv6d"));
        const std::string before = savedFiles(dir, "p");
        c.apply(p);
        QString message;
        try {
            p.saveProject();
        } catch (const UserError& e) {
            message = e.message();
        }
        EXPECT_TRUE(message.contains(QLatin1String(c.message))) << message.toStdString();
        EXPECT_TRUE(message.startsWith(QLatin1String("The project was not saved"))) << message.toStdString();
        EXPECT_EQ(savedFiles(dir, "p"), before);
        EXPECT_TRUE(p.isModified());
    }
}

// The desktop reads the three texts as every other reader does: UTF-8 as it stands, a legacy file in
// Latin-1, a byte-order mark dropped, control characters as blanks; and saves them in UTF-8.
TEST(ProjectFileTexts, ReadAsTheEngineReadsThem) {
    const std::string rest = std::string(kSiProject).substr(std::string(kSiProject).find("2 1 4\n"));
    const struct {
        std::string texts;
        const char* title;  // UTF-8
        const char* designer;
        const char* why;
    } cases[] = {
        {"Caf\xc3\xa9 pier\nJ. M\xc3\xbcller\nJ-1\n", "Caf\xc3\xa9 pier", "J. M\xc3\xbcller", "UTF-8"},
        {"Caf\xe9 pier\nJ. M\xfcller\nJ-1\n", "Caf\xc3\xa9 pier", "J. M\xc3\xbcller", "Latin-1"},
        {"\xef\xbb\xbfPier\nA\nJ-1\n", "Pier", "A", "byte-order mark"},
        {"Pier\tA\x01\nB\x7f\nJ-1\n", "Pier A ", "B ", "control characters"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const QByteArray text = QByteArray::fromStdString(c.texts + rest);
        const ProjectFile file = ProjectFile::fromText(text, ProjectFormat::Current);
        const ProjectData d = file.data({}, true);
        EXPECT_EQ(d.title.toStdString(), c.title);
        EXPECT_EQ(d.designer.toStdString(), c.designer);
        const std::string saved = file.text().toStdString();
        EXPECT_TRUE(saved.starts_with(std::string(c.title) + "\n" + c.designer + "\n"))
            << saved.substr(0, 40);
    }
}

}  // namespace
