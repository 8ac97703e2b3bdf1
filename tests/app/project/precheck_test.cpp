// The check before a run on the sand-over-clay example (sand 0-20 ft, clay 20-45 ft with PI 30 and
// YSR 2.5 / 1.8, sand 45-90 ft with blow counts; a 24 in pipe 60 ft long; 8 CPT points), changed one
// way per case: the input checks over the project as a save hands it to the analysis.
#include "app/project/precheck.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/project/project.h"
#include "tests/support/scratch_dir.h"

namespace {

using namespace torve::app;
using torve::Method;
using Severity = Finding::Severity;

void setLayerValue(Project& p, int layer, int column, double value) {
    GridTable* data = p.tables().soilLayers.cell(ProjectTables::LayerDataColumn, layer).subTable();
    for (int row = 0; row < 2; ++row) data->cell(column, row).setDouble(value);
}

void change(Project& p, const std::function<void(ProjectData&)>& f) {
    ProjectData d = p.data();
    f(d);
    p.setData(d);
}

// What the check window shows of a finding.
struct Shown {
    Severity severity;
    std::optional<Method> method;
    int layer;
    std::optional<double> depth;
    std::string message;
};

struct Case {
    const char* name;
    std::function<void(Project&)> change;
    std::vector<Shown> expected;
};

void readExample(Project& p) {
    p.readProject(
        QString::fromStdString(torve::test::source_path("examples/sand-over-clay-pipe-english.tv6d")),
        ProjectFormat::Current);
}

void expectShown(const std::vector<Finding>& findings, const std::vector<Shown>& expected) {
    ASSERT_EQ(findings.size(), expected.size()) << (findings.empty() ? "" : findings.front().message);
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const Finding& f = findings[i];
        EXPECT_EQ(f.message, expected[i].message);
        EXPECT_EQ(f.severity, expected[i].severity) << f.message;
        EXPECT_EQ(f.method, expected[i].method) << f.message;
        EXPECT_EQ(f.layer, expected[i].layer) << f.message;
        EXPECT_EQ(f.depth, expected[i].depth) << f.message;
    }
}

const std::string kNoQcInSand =
    "expected a cone resistance of at least 0.00001, CPT points or an SPT blow count, found 0.";

TEST(Precheck, NamesWhatAMethodLacksWithItsLayerAndDepth) {
    const Case cases[] = {
        {"the example as it is", [](Project&) {}, {}},
        // Layer 1 has neither qc nor a blow count; layer 3 takes qc from its blow counts, and the
        // NGI clay rule bears on su and PI.
        {"no qc for a cone method",
         [](Project& p) {
             change(p, [](ProjectData& d) {
                 d.setSelected(Method::Ngi, true);
                 d.cptPoints.clear();
             });
         },
         {{Severity::Error, Method::Ngi, 1, 0.0, kNoQcInSand}}},
        // The Unified method reads qc in clay as well.
        {"no qc for the Unified method",
         [](Project& p) {
             change(p, [](ProjectData& d) {
                 d.setSelected(Method::Unified, true);
                 d.cptPoints.clear();
             });
         },
         {{Severity::Error, Method::Unified, 1, 0.0, kNoQcInSand},
          {Severity::Error, Method::Unified, 2, 20.0,
           "expected a cone resistance of at least 0.00001 or CPT points, found 0."}}},
        // The run goes on without them and warns of every clay point; the check says so first.
        {"no PI or YSR for ICP clay",
         [](Project& p) {
             change(p, [](ProjectData& d) { d.setSelected(Method::IcpMtd, true); });
             setLayerValue(p, 1, ProjectTables::PlasticityIndex, 0);
             setLayerValue(p, 1, ProjectTables::YieldStressRatio, 0);
         },
         {{Severity::Warning, Method::IcpMtd, 2, 20.0,
           "expected a yield stress ratio above 0, found 0: the method's clay friction there is zero."},
          {Severity::Warning, Method::IcpMtd, 2, 20.0,
           "expected a plasticity index above 0, found 0: the method takes the interface friction angle of "
           "PI 0."}}},
        // 60 ft + 2 x 24 in = 64 ft of soil are needed.
        {"soil shallower than the tip plus two diameters",
         [](Project& p) { p.tables().soilLayers.cell(ProjectTables::BottomDepthColumn, 2).setDouble(63); },
         {{Severity::Error,
           {},
           3,
           63.0,
           "expected a deepest soil depth of at least 64, the pile length plus two diameters, found 63: the "
           "run "
           "stops before its results."}}},
        // A 12 in timber pile 60 ft long: 12 - 2 x 720 x tan 1 degree < 0; the largest angle is
        // atan(6 / 720) = 0.47745 degrees, named rounded down.
        {"a taper that leaves a negative tip diameter",
         [](Project& p) {
             change(p, [](ProjectData& d) {
                 d.pileType = torve::PileType::Timber;
                 d.modulusOfElasticity = 1.6e6;  // a timber's 11 GPa, in lb/in^2
                 d.outsideDiameter = 12;
                 d.insideDiameter = d.enhancedEndSectionLength = d.enhancedEndSectionInsideDiameter = 0;
                 d.taperAngle = 1;
             });
         },
         {{Severity::Error,
           {},
           0,
           {},
           "expected a taper angle of at most 0.477 degrees, found 1: a larger one gives a negative tip "
           "diameter."}}},
        {"CPT depths out of order",
         [](Project& p) { change(p, [](ProjectData& d) { std::swap(d.cptPoints[1], d.cptPoints[2]); }); },
         {{Severity::Error,
           {},
           0,
           5.0,
           "expected a depth of at least 10, that of the CPT row above, found 5."}}},
        // The project holds qc in ksf, the analysis lb/ft^2: 2E+12 ksf is 2E+15 lb/ft^2, beyond what it
        // reads.
        {"CPT points as the file holds them",
         [](Project& p) { change(p, [](ProjectData& d) { d.cptPoints[0].qc = 2e12; }); },
         {{Severity::Error,
           {},
           0,
           0.0,
           "expected at most 1E+15 in magnitude for the cone resistance, found 2000000000000000."}}},
        // 40 / 0.3048 = 131.23 increments; the tables end at 131 x 0.3048 = 39.9288 ft.
        {"a pile length that is not a whole number of increments",
         [](Project& p) {
             change(p, [](ProjectData& d) {
                 d.totalPileLength = 40;
                 d.computationIncrement = 0.3048;
             });
         },
         {{Severity::Warning,
           {},
           0,
           131 * 0.3048,
           "expected a total pile length of a whole number of computation increments of 0.3048, found 40: "
           "every table and the summary end at the penetration 39.93, short of the tip."}}},
        // 60 / 0.3 is 199.99999999999997 in binary: within the grid's allowance of 200.
        {"a whole number of increments up to rounding",
         [](Project& p) { change(p, [](ProjectData& d) { d.computationIncrement = 0.3; }); },
         {}},
        // A save writes a print interval of 0 and an increment of 0 as 1.
        {"what a save sets right",
         [](Project& p) {
             change(p, [](ProjectData& d) {
                 d.printInterval = 0;
                 d.computationIncrement = 0;
             });
         },
         {}},
        // Values the analysis refuses, named before a run although entry takes them.
        {"a negative outside diameter",
         [](Project& p) { change(p, [](ProjectData& d) { d.outsideDiameter = -24; }); },
         {{Severity::Error,
           {},
           0,
           {},
           "expected a positive outside diameter for a circular pile, found -24."}}},
        {"an inside diameter as large as the outside diameter",
         [](Project& p) { change(p, [](ProjectData& d) { d.insideDiameter = d.outsideDiameter; }); },
         {{Severity::Error,
           {},
           0,
           {},
           "expected an inside diameter below the outside diameter 24, found 24."}}},
        {"a modulus of zero",
         [](Project& p) { change(p, [](ProjectData& d) { d.modulusOfElasticity = 0; }); },
         {{Severity::Error, {}, 0, {}, "expected a positive modulus of elasticity, found 0."}}},
        {"an implausible friction angle only warns",
         [](Project& p) { setLayerValue(p, 0, ProjectTables::FrictionAngle, 50); },
         {{Severity::Warning,
           {},
           1,
           0.0,
           "expected a friction angle of at most 45 degrees, found 50: the charts of every method end "
           "there."},
          {Severity::Warning,
           {},
           1,
           20.0,
           "expected a friction angle of at most 45 degrees, found 50: the charts of every method end "
           "there."}}},
        // A save zeroes the user values unless their method carries the load transfer: one error says
        // so, in place of the method's findings of every layer.
        {"user values a save zeroes",
         [](Project& p) {
             change(p, [](ProjectData& d) { d.setSelected(Method::UserSpecified, true); });
             setLayerValue(p, 0, ProjectTables::SandUserFriction, 1000);
         },
         {{Severity::Error,
           Method::UserSpecified,
           0,
           {},
           "the user-specified unit values are kept only while this method carries the load transfer, and "
           "are "
           "saved as 0"}}},
        {"user values kept",
         [](Project& p) {
             change(p, [](ProjectData& d) {
                 d.setSelected(Method::UserSpecified, true);
                 d.loadTransferMethod = Method::UserSpecified;
             });
             setLayerValue(p, 0, ProjectTables::SandUserFriction, 1000);
             setLayerValue(p, 2, ProjectTables::SandUserBearing, 50000);
         },
         {{Severity::Warning, Method::UserSpecified, 2, 20.0,
           "expected a user unit skin friction or end bearing above 0, found 0."}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Project p;
        readExample(p);
        c.change(p);
        const std::vector<Finding> findings = precheck(p);
        expectShown(findings, c.expected);
        EXPECT_EQ(canRun(findings), c.expected.empty() || c.expected.front().severity == Severity::Warning);
    }
}

// A CPT points file that could not be read comes first: the analysis would refuse it.
TEST(Precheck, ACptPointsFileItCouldNotRead) {
    torve::test::ScratchDir dir;
    const std::string example = torve::test::source_path("examples/sand-over-clay-pipe-english.tv6d");
    const std::string path = dir.write("p.tv6d", torve::test::read_file(example));
    dir.write("p.cpt", " 1 2\n  1.0  x\n");
    Project p;
    p.readProject(QString::fromStdString(path), ProjectFormat::Current);
    const std::vector<Finding> findings = precheck(p);
    ASSERT_FALSE(findings.empty());
    EXPECT_EQ(findings[0].message, "the CPT data file " + dir.file("p.cpt") + " cannot be read");
    EXPECT_FALSE(canRun(findings));
}

// The reference case whose record 9 says the soil ends at 62 ft although its layers reach 90 ft: run
// as its file stands it stops short of the 64 ft the pile needs; saved by the program it would run.
TEST(Precheck, AFileAsItStandsOrAsTheProgramSavesIt) {
    const QString path = QString::fromStdString(
        torve::test::source_path("tests/reference/cases/soil-extent-stop-english.tv6d"));
    Project p;
    p.readProject(path, ProjectFormat::Current);
    EXPECT_TRUE(canRun(precheck(p)));
    const std::vector<Finding> asItStands =
        torve::check_project(ProjectFile::read(path, ProjectFormat::Current).records, {});
    ASSERT_EQ(asItStands.size(), 1u);
    EXPECT_TRUE(asItStands[0].stops_run);
    EXPECT_EQ(
        asItStands[0].message,
        "expected a deepest soil depth of at least 64, the pile length plus two diameters, found 62: the "
        "run stops before its results.");
}

}  // namespace
