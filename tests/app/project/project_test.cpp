// The project: defaults, reading current and old files, saving, unit switches, the taper check and the
// signals of the document, on every example project and on small files written here.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include <sstream>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <cmath>
#include <filesystem>

#include "app/controls/usererror.h"
#include "app/project/project.h"
#include "engine/model/project_codec.h"
#include "engine/model/taper_limit.h"
#include "engine/model/unit_conversion.h"
#include "tests/support/scratch_dir.h"

namespace {

using namespace torve::app;
using torve::CptPoint;
using torve::LoadingType;
using torve::Method;
using torve::PileType;
using torve::SectionMode;
using torve::UnitSystem;
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

// Every value of a project's tables by name, every cell; with the project's data this is every
// value the project holds.
std::vector<std::pair<std::string, double>> tableValues(const Project& p) {
    std::vector<std::pair<std::string, double>> v;
    auto table = [&](const std::string& name, const GridTable& t) {
        v.emplace_back(name + ".rows", t.rowCount());
        for (int c = 0; c < t.columnCount(); ++c) {
            for (int r = 0; r < t.rowCount(); ++r) {
                const std::string at = name + "[" + std::to_string(c) + "," + std::to_string(r) + "]";
                const int type = t.column(c).typeNumber();
                if (type == 2) v.emplace_back(at, t.cell(c, r).toDouble());
                if (type == 0 || type == 1) v.emplace_back(at, t.cell(c, r).toInt());
            }
        }
    };
    const ProjectTables& tables = p.tables();
    table("soilLayers", tables.soilLayers);
    for (int r = 0; r < tables.soilLayers.rowCount(); ++r)
        if (const GridTable* s = tables.soilLayers.cell(ProjectTables::LayerDataColumn, r).subTable())
            table("layer" + std::to_string(r + 1), *s);
    table("tzPrintDepths", tables.tzPrintDepths);
    table("sectionAreas", tables.sectionAreas);
    return v;
}

// The unit-dependent values of the data by name, for comparisons within rounding.
std::vector<std::pair<std::string, double>> numbers(const ProjectData& d) {
    std::vector<std::pair<std::string, double>> v = {
        {"perimeter", d.perimeter},
        {"tipArea", d.tipArea},
        {"outerDiameter", d.outsideDiameter},
        {"innerDiameter", d.insideDiameter},
        {"modulus", d.modulusOfElasticity},
        {"totalLength", d.totalPileLength},
        {"stickupLength", d.stickupLength},
        {"endSectionLength", d.enhancedEndSectionLength},
        {"endSectionInnerDiameter", d.enhancedEndSectionInsideDiameter},
        {"zeroFrictionLength", d.zeroFrictionLength},
        {"incrementLength", d.computationIncrement},
        {"lastLayerBottom", d.deepestSoilDepth},
        {"sectionArea", d.crossSectionArea},
        {"criticalDepth", d.criticalDepth}};
    for (const CptPoint& pt : d.cptPoints) {
        v.emplace_back("cpt.depth", pt.depth);
        v.emplace_back("cpt.qc", pt.qc);
    }
    return v;
}

void expectNear(const std::vector<std::pair<std::string, double>>& a,
                const std::vector<std::pair<std::string, double>>& b, double relative) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].first, b[i].first);
        EXPECT_NEAR(a[i].second, b[i].second, relative * std::max(1.0, std::fabs(a[i].second))) << a[i].first;
    }
}

// Everything but the numbers compared within rounding is equal.
void expectSame(const Project& a, const Project& b, double relative) {
    expectNear(tableValues(a), tableValues(b), relative);
    expectNear(numbers(a.data()), numbers(b.data()), relative);
    ProjectData da = a.data(), db = b.data();
    for (ProjectData* d : {&da, &db}) {
        d->perimeter = d->tipArea = d->outsideDiameter = d->insideDiameter = d->modulusOfElasticity =
            d->totalPileLength = 0;
        d->stickupLength = d->enhancedEndSectionLength = d->enhancedEndSectionInsideDiameter =
            d->zeroFrictionLength = 0;
        d->computationIncrement = d->deepestSoilDepth = d->crossSectionArea = d->criticalDepth = 0;
        d->cptPoints.clear();
    }
    EXPECT_TRUE(da == db);
}

void readInto(Project& p, const std::string& path, ProjectFormat format = ProjectFormat::Current) {
    p.readProject(QString::fromStdString(path), format);
}

void saveAs(Project& p, const std::string& path) {
    ProjectData data = p.data();
    data.fileName = QString::fromStdString(path);
    p.setData(data);
    p.saveProject();
}

TEST(Project, Defaults) {
    Project p;
    const ProjectData& d = p.data();
    EXPECT_EQ(d.fileName, QStringLiteral("NewTORVE.tv6d"));
    EXPECT_EQ(d.title, QStringLiteral("New Pile"));
    EXPECT_EQ(d.units, UnitSystem::English);
    EXPECT_EQ(d.computationIncrement, 1.0);
    EXPECT_EQ(d.loadTransferMethod, Method::Api);
    EXPECT_TRUE(d.offshoreEdition);
    EXPECT_EQ(d.tensionReductionFactor, 1.0);
    EXPECT_EQ(d.selectedMethods, (std::array<bool, torve::kMethodCount>{false, false, false, true}));
    EXPECT_EQ(p.tables().soilLayers.rowCount(), 1);
    EXPECT_EQ(p.tables().sectionAreas.rowCount(), 2);
    EXPECT_TRUE(d.cptPoints.empty());
    EXPECT_FALSE(p.isModified());
}

// File > New in either system: what a first run can use is set, and nothing else.
TEST(Project, ANewProjectStartsWithTheValuesOfItsUnitSystem) {
    const struct {
        UnitSystem units;
        double increment;  // ft | m
        double modulus;    // lb/in^2 | kN/m^2: steel, the pile type a project starts with
    } cases[] = {{UnitSystem::English, 1.0, 29.0e6}, {UnitSystem::SI, 0.25, 210.0e6}};
    for (const auto& c : cases) {
        Project p(c.units);
        EXPECT_EQ(p.data().units, c.units);
        EXPECT_EQ(p.tables().soilLayers.units(), c.units);
        EXPECT_EQ(p.data().computationIncrement, c.increment);
        EXPECT_EQ(p.data().modulusOfElasticity, c.modulus);
        EXPECT_EQ(p.data().pileType, PileType::SteelPipe);
        EXPECT_FALSE(p.isModified());
        // A sand layer starts with API's Ko of an open-ended pipe.
        const GridTable* sand = p.tables().soilLayers.cell(ProjectTables::LayerDataColumn, 0).subTable();
        ASSERT_NE(sand, nullptr);
        EXPECT_EQ(sand->cell(ProjectTables::EarthPressure, 0).toDouble(), 0.8);
        EXPECT_EQ(sand->cell(ProjectTables::EarthPressure, 1).toDouble(), 0.8);
    }
}

// A value converted to the other system is saved exactly: a switch, a save (as every run makes)
// and a switch back give the value that was typed. 45 m is 147.6377952755906 ft; saved with 10
// digits, 147.6377953 ft, it came back as 45.00000000744 m and was saved as 45.00000001.
TEST(Project, ASwitchASaveAndASwitchBackGiveTheValuesAsTyped) {
    torve::test::ScratchDir dir;
    Project p(UnitSystem::SI);
    ProjectData d = p.data();
    d.totalPileLength = 45;         // m
    d.outsideDiameter = 1830;       // mm
    d.insideDiameter = 1730;        // mm
    d.zeroFrictionLength = 2.5;     // m
    d.crossSectionArea = 0.2796;    // m^2
    d.modulusOfElasticity = 2.1e8;  // kPa
    p.setData(d);
    saveAs(p, dir.file("typed.tv6d"));
    const std::string typed = torve::test::read_file(dir.file("typed.tv6d"));

    p.setUnits(UnitSystem::English);
    saveAs(p, dir.file("english.tv6d"));
    Project reopened;
    readInto(reopened, dir.file("english.tv6d"));
    EXPECT_EQ(reopened.data().totalPileLength, 45 / 0.3048);
    reopened.setUnits(UnitSystem::SI);
    EXPECT_EQ(reopened.data().totalPileLength, 45.0);
    EXPECT_EQ(reopened.data().outsideDiameter, 1830.0);
    EXPECT_EQ(reopened.data().modulusOfElasticity, 2.1e8);
    saveAs(reopened, dir.file("typed.tv6d"));
    EXPECT_EQ(torve::test::read_file(dir.file("typed.tv6d")), typed);

    // The jacket pile of a user's report (a 1500 mm pipe, qc 15000 and 2000 kPa in the layers):
    // S.I., English, saved, opened again, S.I., and saved gives the file it was.
    Project jacket;
    readInto(jacket, torve::test::source_path("tests/data/reproducers/unit-round-trip.tv6d"));
    saveAs(jacket, dir.file("jacket.tv6d"));
    const std::string asSaved = torve::test::read_file(dir.file("jacket.tv6d"));
    jacket.setUnits(UnitSystem::English);
    saveAs(jacket, dir.file("jacket-english.tv6d"));
    Project back;
    readInto(back, dir.file("jacket-english.tv6d"));
    back.setUnits(UnitSystem::SI);
    saveAs(back, dir.file("jacket.tv6d"));
    EXPECT_EQ(torve::test::read_file(dir.file("jacket.tv6d")), asSaved);
}

// The Python tests mend an untouched new project of the program: tests/data/untouched-new-project.tv6d
// is what a save of one from File > New in English units writes, byte for byte, and its CPT points
// file the empty one beside it.
TEST(Project, AnUntouchedNewProjectSavesAsTheFixture) {
    torve::test::ScratchDir dir;
    Project p(UnitSystem::English);
    saveAs(p, dir.file("untouched-new-project.tv6d"));
    for (const char* extension : {".tv6d", ".cpt"}) {
        const std::string name = std::string("untouched-new-project") + extension;
        EXPECT_EQ(torve::test::read_file(dir.file(name)),
                  torve::test::read_file(torve::test::source_path("tests/data/" + name)))
            << name;
    }
}

TEST(Project, ExamplesReadSaveAndReadAgainIdentically) {
    for (const fs::path& example : examples()) {
        SCOPED_TRACE(example.string());
        torve::test::ScratchDir dir;
        Project first, second;
        readInto(first, example.string());
        // The CPT points file beside the example comes along: its row count is the second number.
        fs::path cpt_file = example;
        cpt_file.replace_extension(".cpt");
        std::istringstream cpt_head(torve::test::read_file(cpt_file));
        int cpt_units = 0, cpt_rows = -1;
        cpt_head >> cpt_units >> cpt_rows;
        EXPECT_EQ(static_cast<int>(first.data().cptPoints.size()), cpt_rows);
        const auto read = tableValues(first);
        const ProjectData asRead = first.data();
        saveAs(first, dir.file("copy.tv6d"));
        readInto(second, dir.file("copy.tv6d"));
        EXPECT_EQ(tableValues(second), read);
        ProjectData back = second.data();
        back.fileName = asRead.fileName;
        EXPECT_TRUE(back == asRead);
        // The CPT points go back out exactly as they came in.
        EXPECT_EQ(torve::test::read_file(dir.file("copy.cpt")), torve::test::read_file(cpt_file));
        // A second save of what was read writes the same bytes.
        const std::string text = torve::test::read_file(dir.file("copy.tv6d"));
        saveAs(second, dir.file("again.tv6d"));
        EXPECT_EQ(torve::test::read_file(dir.file("again.tv6d")), text);
    }
}

TEST(Project, ExamplesSurviveAUnitRoundTrip) {
    for (const fs::path& example : examples()) {
        SCOPED_TRACE(example.string());
        Project original, converted;
        readInto(original, example.string());
        readInto(converted, example.string());
        const UnitSystem units = converted.data().units;
        const UnitSystem other = units == UnitSystem::English ? UnitSystem::SI : UnitSystem::English;
        converted.setUnits(other);
        EXPECT_EQ(converted.data().units, other);
        EXPECT_EQ(converted.tables().soilLayers.units(), other);
        converted.setUnits(units);
        expectSame(original, converted, 1e-9);
    }
}

TEST(Project, SetUnitsConvertsEveryLengthAreaAndStress) {
    Project p;
    ProjectData d = p.data();
    d.outsideDiameter = 24;            // in
    d.stickupLength = 10;              // ft
    d.criticalDepth = 10;              // ft
    d.crossSectionArea = 36.91;        // in^2
    d.modulusOfElasticity = 29000000;  // lb/in^2
    d.totalPileLength = 60;            // ft
    p.setData(d);
    p.setUnits(UnitSystem::SI);
    EXPECT_NEAR(p.data().outsideDiameter, 609.6, 1e-9);  // 24 x 25.4
    EXPECT_NEAR(p.data().stickupLength, 3.048, 1e-12);   // 10 x 0.3048: no longer left as 10 "m"
    EXPECT_NEAR(p.data().criticalDepth, 3.048, 1e-12);
    EXPECT_NEAR(p.data().crossSectionArea, 36.91 * 0.0254 * 0.0254, 1e-15);  // 0.023813 m^2
    EXPECT_NEAR(p.data().modulusOfElasticity, 199947961.5, 0.1);  // 29e6 x 0.0044482216152605 / 0.0254^2
    EXPECT_NEAR(p.data().computationIncrement, 0.3048, 1e-12);
    const ProjectData before = p.data();
    p.setUnits(UnitSystem::SI);         // the system already in force: nothing changes
    p.setUnits(unitSystemFromCode(5));  // counts as 2
    EXPECT_TRUE(p.data() == before);
    p.setUnits(unitSystemFromCode(-1));  // counts as 1
    EXPECT_EQ(p.data().units, UnitSystem::English);
    EXPECT_NEAR(p.data().outsideDiameter, 24, 1e-9);
    EXPECT_NEAR(p.data().stickupLength, 10, 1e-9);
}

TEST(Project, OldProjectFilesGetTheirDefaults) {
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
    Project p;
    readInto(p, dir.write("old.tvd", old), ProjectFormat::Previous);
    const ProjectData& d = p.data();
    EXPECT_EQ(d.stickupLength, 0);
    EXPECT_FALSE(d.reducedResistance);
    EXPECT_EQ(d.criticalDepthOption, torve::CriticalDepthOption::FromDensity);
    // An earlier file selected every method it knew, which leaves Unified out.
    EXPECT_EQ(d.selectedMethods,
              (std::array<bool, torve::kMethodCount>{true, true, true, true, true, true, true, true, true}));
    EXPECT_EQ(d.totalPileLength, 40);
    EXPECT_EQ(d.pileType, PileType::PrecastConcrete);
    const GridTable& layers = p.tables().soilLayers;
    EXPECT_EQ(layers.rowCount(), 2);
    // Not in the file: the table's default.
    EXPECT_EQ(layers.cell(ProjectTables::SideFactorColumn, 1).toDouble(), 1.0);
    const GridTable* clay = layers.cell(ProjectTables::LayerDataColumn, 1).subTable();
    EXPECT_EQ(clay->caption(), QStringLiteral("Clay Layer Data"));
    EXPECT_EQ(clay->cell(ProjectTables::UndrainedStrength, 1).toDouble(), 1400);
    EXPECT_EQ(clay->cell(ProjectTables::ClayUserBearing, 0).toDouble(), 20000);
    const GridTable* sand = layers.cell(ProjectTables::LayerDataColumn, 0).subTable();
    EXPECT_EQ(sand->cell(ProjectTables::BlowCount, 1).toInt(), 14);
    // The section line holds only the count: 3 rows give mode 2.
    EXPECT_EQ(d.sectionMode, SectionMode::VaryingWithDepth);
    EXPECT_EQ(p.tables().sectionAreas.rowCount(), 3);
    EXPECT_EQ(p.tables().sectionAreas.cell(1, 2).toDouble(), 0.7);
    EXPECT_FALSE(p.isModified());
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

TEST(Project, AreaModeWhenTheFileOmitsIt) {
    torve::test::ScratchDir dir;
    Project p;
    readInto(p, dir.write("a.tv6d", smallProject("1", 12.5)));
    EXPECT_EQ(p.data().sectionMode, SectionMode::Constant);  // a non-zero constant area
    readInto(p, dir.write("b.tv6d", smallProject("0")));
    EXPECT_EQ(p.data().sectionMode, SectionMode::FromDiameters);
    EXPECT_EQ(p.tables().sectionAreas.rowCount(), 2);  // brought up to the minimum
    readInto(p, dir.write("c.tv6d", smallProject("2\n0 30\n60 40")));
    EXPECT_EQ(p.data().sectionMode, SectionMode::VaryingWithDepth);
    readInto(p, dir.write("d.tv6d", smallProject("0 0", 0, "0")));
    EXPECT_EQ(p.tables().soilLayers.rowCount(), 1);  // a file without layers still gets one row
}

TEST(Project, SavingNormalisesTheProject) {
    torve::test::ScratchDir dir;
    Project p;
    readInto(p, dir.write("p.tv6d", smallProject("0 0", 0, "4")));
    EXPECT_EQ(p.data().printInterval, 0);
    const GridTable& layers = p.tables().soilLayers;
    EXPECT_EQ(layers.cell(ProjectTables::LayerDataColumn, 0).subTable()->cell(6, 0).toDouble(), 7);
    ProjectData d = p.data();
    d.computationIncrement = 0;
    d.tipArea = 5;  // a circular pile keeps no tip area
    d.perimeter = 80;
    p.setData(d);
    p.saveProject();
    EXPECT_EQ(p.data().printInterval, 1);
    EXPECT_EQ(p.data().computationIncrement, 1.0);
    EXPECT_EQ(p.data().tipArea, 0);
    // Not method 5: the user-specified values are zeroed in the project itself.
    EXPECT_EQ(layers.cell(ProjectTables::LayerDataColumn, 0).subTable()->cell(6, 0).toDouble(), 0);
    EXPECT_EQ(layers.cell(ProjectTables::LayerDataColumn, 1).subTable()->cell(7, 1).toDouble(), 0);
    EXPECT_NEAR(p.data().perimeter, 3.1416 * 24, 1e-12);  // set for the driveability export
    EXPECT_EQ(p.data().driveabilityFileName, QString::fromStdString(dir.file("p.gwi")));
    EXPECT_EQ(p.data().cptFileName, QString::fromStdString(dir.file("p.cpt")));
    const std::string text = torve::test::read_file(dir.file("p.tv6d"));
    EXPECT_EQ(text.substr(0, 43),
              "Pile\nD\nJ\n1 1 4\n0 0 24 23 29000000 60 5\n0 0\n");    // perimeter, tip area 0
    EXPECT_NE(text.find("\n0 1 1 0 4 1 0\n"), std::string::npos);      // increment 1
    EXPECT_NE(text.find("\n45 1 0.8 60 30 20\n"), std::string::npos);  // top of layer 2: bottom of layer 1
    Project back;
    readInto(back, dir.file("p.tv6d"));
    EXPECT_TRUE(back.data().circular);
    EXPECT_TRUE(back.data().cptPoints.empty());  // an empty CPT points file
    EXPECT_EQ(torve::test::read_file(dir.file("p.cpt")), " 1 0\n");
}

TEST(Project, UnreadableFilesLeaveTheOpenProjectAlone) {
    torve::test::ScratchDir dir;
    Project p;
    const fs::path example = examples().front();
    readInto(p, example.string());
    const auto before = tableValues(p);
    const ProjectData data = p.data();
    std::string broken = smallProject("0 0");
    broken.replace(broken.find("24 23"), 5, "24 x");
    try {
        readInto(p, dir.write("broken.tv6d", broken));
        FAIL();
    } catch (const UserError& e) {
        EXPECT_EQ(
            e.message(),
            QStringLiteral("Error on Line 5 Item 4\rA floating point number was expected but not found."));
        ASSERT_TRUE(e.location());
        EXPECT_EQ(e.location()->file, QString::fromStdString(dir.file("broken.tv6d")));
    }
    const std::string whole = smallProject("0 0");
    EXPECT_THROW(readInto(p, dir.write("short.tv6d", whole.substr(0, whole.size() / 2))), UserError);
    EXPECT_THROW(readInto(p, dir.write("odd.tv6d", smallProject("0 0", 0, "3"))), UserError);
    EXPECT_THROW(readInto(p, dir.file("absent.tv6d")), UserError);
    // A device without end and a pipe without writer are refused unread: the one would fill the
    // memory, the other hold the program for ever.
    const std::string pipe = dir.file("pipe.tv6d");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path : {std::string("/dev/zero"), pipe}) {
        try {
            readInto(p, path);
            ADD_FAILURE() << path << " was read";
        } catch (const UserError& e) {
            EXPECT_EQ(e.message(),
                      QStringLiteral("File %1 cannot be opened: it is not a regular file (a folder, "
                                     "a device or a pipe)")
                          .arg(QString::fromStdString(path)));
        }
    }
    EXPECT_EQ(tableValues(p), before);
    EXPECT_TRUE(p.data() == data);
    EXPECT_EQ(p.data().fileName, q(example));
}

TEST(Project, FailedSavesReportAndLeaveNoHalfFiles) {
    torve::test::ScratchDir dir;
    Project p;
    readInto(p, examples().front().string());
    EXPECT_THROW(saveAs(p, dir.file("missing-folder/p.tv6d")), UserError);
    // The export's place is taken by a folder: the save stops there; the project file and the CPT
    // points, which go together with the export, are not written either, and no temporary file is
    // left behind.
    fs::create_directory(dir.path() / "p.gwi");
    try {
        saveAs(p, dir.file("p.tv6d"));
        FAIL();
    } catch (const UserError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("p.gwi")));
    }
    EXPECT_TRUE(p.isModified());  // not saved
    int files = 0;
    for (const auto& e : fs::directory_iterator(dir.path())) files += e.is_regular_file();
    EXPECT_EQ(files, 0);
}

// The CPT points file is the last of the three and could not be written (its place is taken by a
// folder): the project and the driveability export saved before stay as they were, so the project
// never runs on the CPT points of an older save.
TEST(Project, TheThreeFilesOfASaveAreReplacedTogether) {
    torve::test::ScratchDir dir;
    Project p;
    readInto(p, examples().front().string());
    saveAs(p, dir.file("p.tv6d"));
    const std::string project = torve::test::read_file(dir.file("p.tv6d"));
    const std::string exported = torve::test::read_file(dir.file("p.gwi"));
    fs::remove(dir.file("p.cpt"));
    fs::create_directory(dir.path() / "p.cpt");
    ProjectData d = p.data();
    d.title = QStringLiteral("Changed");
    d.outsideDiameter += 1;
    p.setData(d);
    EXPECT_THROW(p.saveProject(), UserError);
    EXPECT_EQ(torve::test::read_file(dir.file("p.tv6d")), project);
    EXPECT_EQ(torve::test::read_file(dir.file("p.gwi")), exported);
    EXPECT_TRUE(p.isModified());
    int files = 0;
    for (const auto& e : fs::directory_iterator(dir.path())) files += e.is_regular_file();
    EXPECT_EQ(files, 2);  // no temporary file left
}

// A write that fails part way, as on a full disk (here a file-size limit of 64 bytes): QSaveFile
// buffers the text and in Qt 6.4 its commit reported success over a truncated file. The project
// file keeps its old text, the message says why, and no temporary file is left.
TEST(Project, SaveOnAFullDiskKeepsTheOldFile) {
    torve::test::ScratchDir dir;
    Project p;
    readInto(p, examples().front().string());
    saveAs(p, dir.file("p.tv6d"));
    const std::string before = torve::test::read_file(dir.file("p.tv6d"));
    ProjectData d = p.data();
    d.title = QStringLiteral("Changed");
    p.setData(d);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);  // a write beyond the limit fails with EFBIG
    rlimit small = old;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    QString message;
    try {
        p.saveProject();
    } catch (const UserError& e) {
        message = e.message();
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
    EXPECT_TRUE(message.contains(QStringLiteral("File too large"))) << message.toStdString();
    EXPECT_TRUE(message.contains(q(dir.file("p.tv6d"))));
    EXPECT_EQ(torve::test::read_file(dir.file("p.tv6d")), before);
    EXPECT_TRUE(p.isModified());
    int files = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 3);  // p.tv6d, p.gwi and p.cpt of the first save
}

TEST(Project, ModifiedStateAndSignals) {
    torve::test::ScratchDir dir;
    Project p;
    std::vector<bool> modified;
    std::vector<UnitSystem> units;
    int changed = 0;
    QObject::connect(&p, &Project::modifiedChanged, [&](bool m) { modified.push_back(m); });
    QObject::connect(&p, &Project::unitsChanged, [&](UnitSystem u) { units.push_back(u); });
    QObject::connect(&p, &Project::changed, [&] { ++changed; });

    ProjectData d = p.data();
    d.title = QStringLiteral("Quay wall");
    d.fileName = QString::fromStdString(dir.file("p.tv6d"));
    p.setData(d);
    p.setData(d);  // the same values again: no change
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(modified, (std::vector<bool>{true}));
    p.saveProject();
    EXPECT_EQ(modified, (std::vector<bool>{true, false}));
    p.tables().tzPrintDepths.cell(0, 0).setDouble(12);  // a table edit, as from a table window
    EXPECT_TRUE(p.isModified());
    p.readProject(d.fileName, ProjectFormat::Current);
    EXPECT_EQ(modified, (std::vector<bool>{true, false, true, false}));

    p.setUnits(UnitSystem::English);  // the system in force
    EXPECT_TRUE(units.empty());
    p.setUnits(UnitSystem::SI);
    p.setUnits(UnitSystem::SI);
    EXPECT_EQ(units, (std::vector<UnitSystem>{UnitSystem::SI}));
    EXPECT_FALSE(p.isModified());  // a conversion changes no value the user gave
}

// An open CPT graph follows the points and the unit system: 100 ksf at 10 ft becomes
// 100 x 47.880259 = 4788.0 kPa at 10 x 0.3048 = 3.048 m.
TEST(Project, CptGraphsFollowThePointsAndTheUnits) {
    Project p;
    int redrawn = 0;
    QObject::connect(&p, &Project::cptGraphsChanged, [&] { ++redrawn; });
    p.setCptPoints({{10, 100}});
    const Graph& qc = p.cptGraph(CptProfile::Qc);
    ASSERT_EQ(qc.line(0).points.size(), 1u);
    EXPECT_EQ(qc.xCaption, QStringLiteral("Qc, ksf"));
    p.setUnits(UnitSystem::SI);
    EXPECT_EQ(redrawn, 2);
    EXPECT_EQ(qc.xCaption, QStringLiteral("Qc, kPa"));
    EXPECT_NEAR(qc.line(0).points[0].x(), 4788.03, 0.01);
    EXPECT_NEAR(qc.line(0).points[0].y(), 3.048, 1e-9);
}

// The table window shows the user-specified unit values only while that method carries the load
// transfer, on the sand and clay templates and on every layer's own data alike.
TEST(Project, SoilColumnsFollowTheLoadTransferMethod) {
    Project p;
    GridTable& layers = p.tables().soilLayers;
    layers.setRowCount(2);
    layers.cell(ProjectTables::SoilTypeColumn, 1).setInt(2);
    auto shown = [&](int column) {
        std::vector<bool> v{p.tables().sandLayerData.column(column).shown,
                            p.tables().clayLayerData.column(column).shown};
        for (int i = 0; i < layers.rowCount(); ++i)
            v.push_back(layers.cell(ProjectTables::LayerDataColumn, i).subTable()->column(column).shown);
        return v;
    };
    const std::vector<bool> none(4, false), all(4, true);
    EXPECT_EQ(shown(ProjectTables::SandUserFriction), none);
    EXPECT_EQ(shown(ProjectTables::SandQc), all);  // the edition with the cone-based methods
    int relaid = 0;
    QObject::connect(layers.cell(ProjectTables::LayerDataColumn, 0).subTable(), &GridTable::columnsChanged,
                     [&] { ++relaid; });
    ProjectData d = p.data();
    d.loadTransferMethod = Method::UserSpecified;
    p.setData(d);
    EXPECT_EQ(shown(ProjectTables::SandUserFriction), all);
    EXPECT_EQ(shown(ProjectTables::SandUserBearing), all);
    EXPECT_EQ(relaid, 2);
    EXPECT_TRUE(p.tables().clayLayerData.comments().endsWith(
        QStringLiteral("PI and YSR are required only for Offshore-Pile Design Methods.")));
}

// A CPT points file the program cannot read does not keep the project from opening: the warning
// names the file and the line, the project has no CPT points, and the file stays as it is until
// the user imports CPT data; saved under a new name, the project takes it along unread.
TEST(Project, DamagedCptFilesOpenWithAWarning) {
    const struct {
        const char* name;
        std::string text;
        int line;
    } cases[] = {
        {"damaged", " 1 2\n  1.00E+00  x\n  2.00E+00  5.00E+03\n", 2},       // qc of point 1 is no number
        {"short", " 1 3\n  1.00E+00  4.00E+03\n  2.00E+00  5.00E+03\n", 3},  // ends before point 3
        {"oversized", " 1 1001\n  1.00E+00  4.00E+03\n", 1},                 // more rows than a run takes
    };
    const fs::path example = examples().front();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        torve::test::ScratchDir dir;
        fs::copy_file(example, dir.path() / "p.tv6d");
        const std::string cpt = dir.write("p.cpt", c.text);
        Project p;
        const QStringList notices =
            p.readProject(QString::fromStdString(dir.file("p.tv6d")), ProjectFormat::Current);
        ASSERT_EQ(notices.size(), 1);
        EXPECT_TRUE(notices[0].startsWith(QStringLiteral("The CPT data file %1 cannot be read at line %2.")
                                              .arg(QString::fromStdString(cpt))
                                              .arg(c.line)))
            << notices[0].toStdString();
        EXPECT_TRUE(p.data().cptPoints.empty());
        EXPECT_FALSE(p.isModified());
        p.saveProject();
        EXPECT_EQ(torve::test::read_file(cpt), c.text);  // the same name: left as it is
        saveAs(p, dir.file("q.tv6d"));
        EXPECT_EQ(torve::test::read_file(dir.file("q.cpt")), c.text);  // a new name: taken along
        p.setCptPoints({{1.0, 4.0}});  // imported CPT data are written at the next save
        p.saveProject();
        EXPECT_EQ(torve::test::read_file(dir.file("q.cpt")),
                  " 2 1\n  1.00E+00  4.00E+00\n");  // an S.I. project
        EXPECT_EQ(torve::test::read_file(cpt), c.text);
    }
}

// A CPT data file of the other unit system opens converted, with a notice naming it, to the very
// points the engine's run of the file takes: one reading of the code in every reader.
TEST(Project, ACptFileOfTheOtherSystemOpensConverted) {
    const fs::path example = examples().front();  // an S.I. project
    torve::test::ScratchDir dir;
    fs::copy_file(example, dir.path() / "p.tv6d");
    // 10 ft and 1000 lb/ft2 are 3.048 m and 47.88025898033584 kPa.
    const torve::CptProfile english{1, {{0, 500}, {10, 1000}, {131.23359580052494, 20885.434233150132}}};
    const std::string cpt = dir.write("p.cpt", torve::write_cpt_records(english));
    Project p;
    const QStringList notices =
        p.readProject(QString::fromStdString(dir.file("p.tv6d")), ProjectFormat::Current);
    ASSERT_EQ(p.data().units, UnitSystem::SI);
    EXPECT_TRUE(notices.contains(QStringLiteral("The CPT data file %1 holds English units: its points were "
                                                "converted to the project's S.I. units.")
                                     .arg(QString::fromStdString(cpt))))
        << notices.join(u'|').toStdString();
    EXPECT_EQ(p.data().cptPoints, torve::cpt_profile_in(english, UnitSystem::SI).points);
    EXPECT_DOUBLE_EQ(p.data().cptPoints[1].depth, 3.048);
    EXPECT_DOUBLE_EQ(p.data().cptPoints[1].qc, 47.88025898033584);
    EXPECT_DOUBLE_EQ(p.data().cptPoints[2].depth, 40);
    EXPECT_DOUBLE_EQ(p.data().cptPoints[2].qc, 1000);
}

// The sounding's fs, u2 and qt live in a file of their own beside the project: saved with it, read
// back with it, converted with the units, removed when points without them replace the points; the
// CPT points file is the same as without them, and a project without readings writes no such file.
TEST(Project, ConeReadingsTravelBesideTheProject) {
    const fs::path example = examples().front();  // an S.I. project
    torve::test::ScratchDir dir;
    Project p;
    readInto(p, example.string());
    saveAs(p, dir.file("plain.tv6d"));
    const std::string plain = torve::test::read_file(dir.file("plain.tv6d"));
    EXPECT_FALSE(fs::exists(dir.file("plain.cone.csv")));

    const std::vector<CptPoint> points{{1, 1000}, {2, 2000}};
    const std::vector<torve::ConeReading> readings{{1, 12.5, std::nullopt, 1010.0}, {2, 20.0, 35.0, 2007.0}};
    p.setCptPoints(points, readings);
    saveAs(p, dir.file("with.tv6d"));
    EXPECT_EQ(torve::test::read_file(dir.file("with.cone.csv")),
              "depth_m,fs_kPa,u2_kPa,qt_kPa\n1,12.5,,1010\n2,20,35,2007\n");
    EXPECT_EQ(torve::test::read_file(dir.file("with.tv6d")), plain);  // the project file is as before
    Project q;
    readInto(q, dir.file("with.tv6d"));
    EXPECT_EQ(q.data().cptPoints, points);
    EXPECT_EQ(q.data().coneReadings, readings);
    const std::string cpt = torve::test::read_file(dir.file("with.cpt"));
    p.setCptPoints(points);
    saveAs(p, dir.file("without.tv6d"));
    EXPECT_EQ(torve::test::read_file(dir.file("without.cpt")), cpt);  // the points file the engine reads

    // English: ft and lb/ft2 in the file, ksf in the program (1 m = 3.2808 ft, 12.5 kPa = 0.26107 ksf).
    q.setUnits(UnitSystem::English);
    EXPECT_NEAR(q.data().coneReadings[0].depth, 1 / 0.3048, 1e-12);
    EXPECT_NEAR(*q.data().coneReadings[0].fs, 12.5 / 47.88025898033584, 1e-12);
    saveAs(q, dir.file("feet.tv6d"));
    EXPECT_TRUE(
        torve::test::read_file(dir.file("feet.cone.csv")).starts_with("depth_ft,fs_psf,u2_psf,qt_psf\n"));
    Project feet;
    readInto(feet, dir.file("feet.tv6d"));
    ASSERT_EQ(feet.data().coneReadings.size(), 2u);
    EXPECT_NEAR(*feet.data().coneReadings[0].fs, *q.data().coneReadings[0].fs, 1e-12);

    // New points without readings: the file of the old ones goes at the next save.
    q.setCptPoints({{1, 20}});
    q.saveProject();
    EXPECT_FALSE(fs::exists(dir.file("feet.cone.csv")));

    // A readings file that cannot be read opens the project with a notice and stays as it is.
    dir.write("with.cone.csv", "depth_m,fs_kPa,u2_kPa,qt_kPa\n1,x,,\n");
    Project r;
    const QStringList notices =
        r.readProject(QString::fromStdString(dir.file("with.tv6d")), ProjectFormat::Current);
    EXPECT_TRUE(r.data().coneReadings.empty());
    ASSERT_EQ(notices.size(), 1) << notices.join(u'|').toStdString();
    EXPECT_TRUE(notices[0].contains(QStringLiteral("cannot be read"))) << notices[0].toStdString();
    r.saveProject();
    EXPECT_EQ(torve::test::read_file(dir.file("with.cone.csv")), "depth_m,fs_kPa,u2_kPa,qt_kPa\n1,x,,\n");
}

TEST(Project, TaperCheckBeforeARun) {
    ProjectData p;
    p.setSelected(Method::Fhwa, true);
    p.pileType = PileType::Timber;
    p.outsideDiameter = 12;
    p.totalPileLength = 60;
    p.taperAngle = 1;
    // 12 - 2 x 720 x tan(1 degree) < 0; the largest angle is atan(6 / 720) = 0.47745 degrees, shown
    // rounded down: an angle of 0.4776 is refused, so the warning may not allow it with 0.478.
    EXPECT_EQ(
        p.taperWarning(QLocale::c()),
        QStringLiteral("Taper angle is large since it generates a negative diameter at tip of pile.\rTaper "
                       "angle should be smaller than 0.477 degrees.\rPlease check input data "));
    EXPECT_TRUE(p.taperWarning(QLocale(QLocale::German))->contains(QStringLiteral("0,477 degrees")));
    // Just below, at and just above the limit, the check's own rule.
    const double largest = torve::largest_taper_angle(12, 720);
    for (const auto& [angle, refused] : {std::pair{0.4774, false},
                                         {largest, false},
                                         {std::nextafter(largest, 90.0), true},
                                         {0.4776, true}}) {
        p.taperAngle = angle;
        EXPECT_EQ(p.taperWarning(QLocale::c()).has_value(), refused) << angle;
    }
    p.taperAngle = 0.4;
    EXPECT_FALSE(p.taperWarning(QLocale::c()));
    p.taperAngle = 1;
    p.pileType = PileType::SteelPipe;  // a steel pipe is never tapered
    EXPECT_FALSE(p.taperWarning(QLocale::c()));
    p.pileType = PileType::MonotubeTaper;
    p.setSelected(Method::Fhwa, false);
    EXPECT_FALSE(p.taperWarning(QLocale::c()));
}

}  // namespace

namespace {

// Every kind of change the user can make, one after the other.
void changeEverything(Project& p) {
    GridTable& layers = p.tables().soilLayers;
    const int type = layers.cell(ProjectTables::SoilTypeColumn, 0).toInt();
    layers.cell(ProjectTables::SoilTypeColumn, 0).setInt(type == 1 ? 2 : 1);  // new layer data
    layers.cell(ProjectTables::BottomDepthColumn, 0).setDouble(1.25);
    layers.addRowGroup();
    layers.cell(ProjectTables::LayerDataColumn, 0).subTable()->cell(0, 1).setDouble(123.456);
    p.tables().sectionAreas.setRowCount(p.tables().sectionAreas.rowCount() + 3);
    ProjectData d = p.data();
    d.totalPileLength += 7;
    d.title = QStringLiteral("Changed");
    d.setSelected(Method::Fhwa, !d.isSelected(Method::Fhwa));
    p.setData(d);
    p.setCptPoints({{1, 2}, {3, 4}});
    p.setUnits(d.units == UnitSystem::English ? UnitSystem::SI : UnitSystem::English);
}

}  // namespace

// A state put back gives every value and table cell exactly as it was, after changes of values,
// rows, soil types (a layer's data made anew) and the unit system; the file names stay.
TEST(Project, AStatePutBackUndoesEveryChange) {
    for (const fs::path& example : examples()) {
        SCOPED_TRACE(example.string());
        Project p;
        readInto(p, example.string());
        const ProjectState before = p.state();
        const auto values = tableValues(p);
        const ProjectData data = p.data();
        changeEverything(p);
        ASSERT_FALSE(p.state().sameInputs(before));
        ProjectData renamed = p.data();
        renamed.fileName = QStringLiteral("/elsewhere/renamed.tv6d");
        p.setData(renamed);
        const ProjectState after = p.state();

        p.restoreState(before);
        EXPECT_EQ(tableValues(p), values);  // exactly: no conversion round trip
        ProjectData back = p.data();
        EXPECT_EQ(back.fileName, QStringLiteral("/elsewhere/renamed.tv6d"));
        back.fileName = data.fileName;
        EXPECT_TRUE(back == data);
        EXPECT_EQ(p.tables().soilLayers.units(), data.units);
        EXPECT_TRUE(p.isModified());

        p.restoreState(after);  // and forward again
        EXPECT_TRUE(p.state().sameInputs(after));
    }
}
