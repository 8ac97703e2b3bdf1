// The check before a run on the sand-over-clay example (sand 0-20 ft, clay 20-45 ft with PI 30 and
// YSR 2.5 / 1.8, sand 45-90 ft with blow counts; a 24 in pipe 60 ft long; 8 CPT points), changed one
// way per case.
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

struct Case {
    const char* name;
    std::function<void(Project&)> change;
    std::vector<Finding> expected;
};

TEST(Precheck, NamesWhatAMethodLacksWithItsLayerAndDepth) {
    const Case cases[] = {
        {"the example as it is", [](Project&) {}, {}},
        // Layer 1 has neither qc nor a blow count; layer 3 takes qc from its blow counts, and the
        // NGI clay rule bears on su.
        {"no qc for a cone method",
         [](Project& p) {
             change(p, [](ProjectData& d) {
                 d.setSelected(Method::Ngi, true);
                 d.cptPoints.clear();
             });
         },
         {{Severity::Error, Method::Ngi, 1, 0.0,
           QStringLiteral("no cone resistance qc: none in the layer, no CPT points, no blow count")}}},
        // The Unified method reads qc in clay as well.
        {"no qc for the Unified method",
         [](Project& p) {
             change(p, [](ProjectData& d) {
                 d.setSelected(Method::Unified, true);
                 d.cptPoints.clear();
             });
         },
         {{Severity::Error, Method::Unified, 1, 0.0,
           QStringLiteral("no cone resistance qc: none in the layer, no CPT points, no blow count")},
          {Severity::Error, Method::Unified, 2, 20.0,
           QStringLiteral("no cone resistance qc: none in the layer, no CPT points, no blow count")}}},
        {"no PI or YSR for ICP clay",
         [](Project& p) {
             change(p, [](ProjectData& d) { d.setSelected(Method::IcpMtd, true); });
             setLayerValue(p, 1, ProjectTables::PlasticityIndex, 0);
             setLayerValue(p, 1, ProjectTables::YieldStressRatio, 0);
         },
         {{Severity::Error, Method::IcpMtd, 2, 20.0, QStringLiteral("no yield stress ratio YSR")},
          {Severity::Error, Method::IcpMtd, 2, 20.0, QStringLiteral("no plasticity index PI")}}},
        // 60 ft + 2 x 24 in = 64 ft of soil are needed.
        {"soil shallower than the tip plus two diameters",
         [](Project& p) { p.tables().soilLayers.cell(ProjectTables::BottomDepthColumn, 2).setDouble(63); },
         {{Severity::Error,
           {},
           3,
           63.0,
           QStringLiteral(
               "the soil profile ends at 63, shallower than the pile tip plus two diameters, 64")}}},
        // A 12 in timber pile 60 ft long: 12 - 2 x 720 x tan 1 degree < 0; the largest angle is
        // atan(6 / 720) = 0.477 degrees.
        {"a taper that leaves a negative tip diameter",
         [](Project& p) {
             change(p, [](ProjectData& d) {
                 d.pileType = torve::PileType::Timber;
                 d.outsideDiameter = 12;
                 d.insideDiameter = d.enhancedEndSectionLength = d.enhancedEndSectionInsideDiameter = 0;
                 d.taperAngle = 1;
             });
         },
         {{Severity::Error,
           {},
           0,
           {},
           QStringLiteral(
               "the taper angle of 1 degrees gives a negative diameter at the tip; it must be below "
               "0.477 degrees")}}},
        {"CPT depths out of order",
         [](Project& p) { change(p, [](ProjectData& d) { std::swap(d.cptPoints[1], d.cptPoints[2]); }); },
         {{Severity::Error,
           {},
           0,
           5.0,
           QStringLiteral("CPT point 3 at 5 lies above the point before it at 10")}}},
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
           QStringLiteral(
               "the pile length 40 is not a whole number of computation increments of 0.3048; every "
               "table and the summary end at the penetration 39.93, short of the tip")}}},
        // 60 / 0.3 is 199.99999999999997 in binary: within the grid's allowance of 200.
        {"a whole number of increments up to rounding",
         [](Project& p) { change(p, [](ProjectData& d) { d.computationIncrement = 0.3; }); },
         {}},
        // Values the analysis refuses, named before a run although entry takes them.
        {"a negative outside diameter",
         [](Project& p) { change(p, [](ProjectData& d) { d.outsideDiameter = -24; }); },
         {{Severity::Error, {}, 0, {}, QStringLiteral("no outside diameter of the circular pile")},
          {Severity::Error,
           {},
           0,
           {},
           QStringLiteral(
               "the inside diameter of the lower end section is not smaller than the outside diameter")}}},
        {"an inside diameter as large as the outside diameter",
         [](Project& p) { change(p, [](ProjectData& d) { d.insideDiameter = d.outsideDiameter; }); },
         {{Severity::Error,
           {},
           0,
           {},
           QStringLiteral("the inside diameter is not smaller than the outside diameter")}}},
        {"a modulus of zero",
         [](Project& p) { change(p, [](ProjectData& d) { d.modulusOfElasticity = 0; }); },
         {{Severity::Error, {}, 0, {}, QStringLiteral("no modulus of elasticity")}}},
        {"an implausible friction angle only warns",
         [](Project& p) { setLayerValue(p, 0, ProjectTables::FrictionAngle, 50); },
         {{Severity::Warning,
           {},
           1,
           0.0,
           QStringLiteral("a friction angle of 50 degrees is above 45 degrees")},
          {Severity::Warning,
           {},
           1,
           20.0,
           QStringLiteral("a friction angle of 50 degrees is above 45 degrees")}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Project p;
        p.readProject(
            QString::fromStdString(torve::test::source_path("examples/sand-over-clay-pipe-english.tv6d")),
            ProjectFormat::Current);
        c.change(p);
        const std::vector<Finding> findings = precheck(p);
        EXPECT_EQ(findings.size(), c.expected.size());
        for (std::size_t i = 0; i < std::min(findings.size(), c.expected.size()); ++i) {
            EXPECT_EQ(findings[i], c.expected[i]) << findings[i].message.toStdString();
        }
        EXPECT_EQ(canRun(findings), c.expected.empty() || c.expected.front().severity == Severity::Warning);
    }
}

// The reference case whose record 9 says the soil ends at 62 ft although its layers reach 90 ft: run
// as its file stands it stops short of the 64 ft the pile needs; saved by the program it would run.
TEST(Precheck, AFileAsItStandsOrAsTheProgramSavesIt) {
    Project p;
    p.readProject(QString::fromStdString(
                      torve::test::source_path("tests/reference/cases/soil-extent-stop-english.tv6d")),
                  ProjectFormat::Current);
    EXPECT_TRUE(canRun(precheck(p)));
    const std::vector<Finding> asItStands =
        precheck(p, ProjectFile::read(QString::fromStdString(torve::test::source_path(
                                          "tests/reference/cases/soil-extent-stop-english.tv6d")),
                                      ProjectFormat::Current));
    ASSERT_EQ(asItStands.size(), 1u);
    EXPECT_EQ(
        asItStands[0].message,
        QStringLiteral("the soil profile ends at 62, shallower than the pile tip plus two diameters, 64"));
}

}  // namespace
