// The driveability graphs drawn from the results of a run, and the request file a desktop run hands
// the engine.
#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>
#include <limits>

#include "app/controls/usererror.h"
#include "app/project/driveabilityrequest.h"
#include "app/project/driveabilityresults.h"
#include "app/project/results.h"

namespace {

using namespace torve::app;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Three tip depths of an S.I. run, the last at refusal, and a bearing graph whose last resistance
// the hammer cannot move. The head's time series in seconds. The blows to drive from 10 to 20 m: the
// mean of 2.1 and 4.0 blows per 0.25 m over 40 quarter metres, 3.05 x 40 = 122.
DriveabilityResults handResults(bool english = false) {
    DriveabilityResults d;
    d.solved = true;
    d.english = english;
    d.method = QStringLiteral("Alm & Hamre");
    d.hammer = QStringLiteral("ram 35 t");
    d.pileLength = 40;
    d.depth = {10, 20, 30};
    d.srdShaft = {793.4, 1742.7, 3325.8};
    d.srdBase = {47.5, 260.4, 649.1};
    d.srdTotal = {840.9, 2003.1, 3974.9};
    d.blowCount = {2.1, 4.0, kNaN};
    d.cumulativeBlows = {0, 122, kNaN};
    d.maxCompression = {236.4, 233.6, 231.9};
    d.maxCompressionAt = {10, 10, 10};
    d.maxTension = {135.2, 111.8, 79.2};
    d.maxTensionAt = {25, 30, 35};
    d.enthru = {330, 331, 332};
    d.refusal = {false, false, true};
    d.blowAt = 30;
    d.time = {0, 0.0005, 0.001};
    d.headForce = {0, 5000, 2000};
    d.headVelocity = {0, 2.5, 1};
    d.bearingAt = 40;
    d.bearingResistance = {5000, 10000, 20000};
    d.bearingBlowCount = {7.3, 19.8, kNaN};
    d.bearingMaxCompression = {231.3, 232, 233.2};
    d.bearingMaxTension = {83.3, 31.6, 42.6};
    d.bearingSet = {34.47, 12.63, 0};
    return d;
}

TEST(DriveabilityGraphs, CurvesAgainstDepthWithTheRefusalsLeftOutAndMarked) {
    Results r;
    r.fillDriveability(handResults());
    const Graph& srd = r.graph(ResultGraph::DriveSrd);
    EXPECT_EQ(srd.identifier, QStringLiteral("pltDriveSrd"));
    ASSERT_EQ(srd.lineCount(), 3);
    EXPECT_EQ(srd.line(0).name, QStringLiteral("Shaft"));
    EXPECT_EQ(srd.line(1).name, QStringLiteral("Base"));
    EXPECT_EQ(srd.line(2).name, QStringLiteral("Total"));
    // SRD along x, the tip's depth down y.
    EXPECT_EQ(srd.line(2).points, (std::vector<QPointF>{{840.9, 10}, {2003.1, 20}, {3974.9, 30}}));
    EXPECT_TRUE(srd.xOnTop);
    EXPECT_EQ(srd.xTitle(), QStringLiteral("SRD (kN)"));
    EXPECT_EQ(srd.yTitle(), QStringLiteral("Depth (m)"));
    EXPECT_EQ(srd.title, QStringLiteral("Alm & Hamre, ram 35 t"));

    // The blow at 30 m left no set: no point there, a mark at the largest blow count drawn.
    const Graph& blows = r.graph(ResultGraph::DriveBlows);
    ASSERT_EQ(blows.lineCount(), 1);
    EXPECT_EQ(blows.line(0).points, (std::vector<QPointF>{{2.1, 10}, {4.0, 20}}));
    EXPECT_EQ(blows.marks, (std::vector<GraphMark>{{QPointF(4.0, 30), QStringLiteral("Refusal")}}));
    EXPECT_EQ(blows.xTitle(), QStringLiteral("Blow Count, blows/0.25 m"));
    // The blows to drive end at the first refusal.
    EXPECT_EQ(r.graph(ResultGraph::DriveCumulative).line(0).points,
              (std::vector<QPointF>{{0, 10}, {122, 20}}));

    const Graph& stress = r.graph(ResultGraph::DriveStress);
    ASSERT_EQ(stress.lineCount(), 2);
    EXPECT_EQ(stress.line(0).name, QStringLiteral("Compression"));
    EXPECT_EQ(stress.line(1).points.back(), QPointF(79.2, 30));
    EXPECT_EQ(stress.xTitle(), QStringLiteral("Stress, MPa"));
    for (const Graph* g : {&srd, &blows, &stress})
        for (int i = 0; i < g->lineCount(); ++i) EXPECT_EQ(g->line(i).number, i + 1);
}

TEST(DriveabilityGraphs, TheBearingGraphAndTheHeadThroughTheLastBlow) {
    Results r;
    r.fillDriveability(handResults());
    const Graph& bearing = r.graph(ResultGraph::Bearing);
    ASSERT_EQ(bearing.lineCount(), 1);
    // Blow count along x, the assumed resistance up y; 20000 kN moved the pile no more.
    EXPECT_EQ(bearing.line(0).points, (std::vector<QPointF>{{7.3, 5000}, {19.8, 10000}}));
    EXPECT_EQ(bearing.marks, (std::vector<GraphMark>{{QPointF(19.8, 20000), QStringLiteral("Refusal")}}));
    EXPECT_FALSE(bearing.xOnTop);
    EXPECT_EQ(bearing.yTitle(), QStringLiteral("Ultimate Resistance (kN)"));
    EXPECT_EQ(bearing.title, QStringLiteral("Alm & Hamre, ram 35 t, at 40 m"));

    // 0.5 ms is 0.0005 s.
    const Graph& force = r.graph(ResultGraph::DriveHeadForce);
    EXPECT_EQ(force.identifier, QStringLiteral("pltDriveHead"));
    EXPECT_EQ(force.line(0).points, (std::vector<QPointF>{{0, 0}, {0.5, 5000}, {1, 2000}}));
    EXPECT_EQ(force.yTitle(), QStringLiteral("Force (kN)"));
    EXPECT_EQ(force.xTitle(), QStringLiteral("Time, ms"));
    EXPECT_EQ(force.title, QStringLiteral("ram 35 t, blow at 30 m"));
    EXPECT_EQ(force.markers, 0);
    const Graph& velocity = r.graph(ResultGraph::DriveHeadVelocity);
    EXPECT_EQ(velocity.line(0).points, (std::vector<QPointF>{{0, 0}, {0.5, 2.5}, {1, 1}}));
    EXPECT_EQ(velocity.yTitle(), QStringLiteral("Velocity, m/s"));
}

TEST(DriveabilityGraphs, EnglishUnitsInEveryTitle) {
    Results r;
    r.fillDriveability(handResults(true));
    EXPECT_EQ(r.graph(ResultGraph::DriveSrd).xTitle(), QStringLiteral("SRD (kips)"));
    EXPECT_EQ(r.graph(ResultGraph::DriveSrd).yTitle(), QStringLiteral("Depth (ft)"));
    EXPECT_EQ(r.graph(ResultGraph::DriveBlows).xTitle(), QStringLiteral("Blow Count, blows/ft"));
    EXPECT_EQ(r.graph(ResultGraph::DriveStress).xTitle(), QStringLiteral("Stress, ksi"));
    EXPECT_EQ(r.graph(ResultGraph::Bearing).xTitle(), QStringLiteral("Blow Count, blows/ft"));
    EXPECT_EQ(r.graph(ResultGraph::Bearing).title, QStringLiteral("Alm & Hamre, ram 35 t, at 40 ft"));
    EXPECT_EQ(r.graph(ResultGraph::DriveHeadForce).yTitle(), QStringLiteral("Force (kips)"));
    EXPECT_EQ(r.graph(ResultGraph::DriveHeadVelocity).yTitle(), QStringLiteral("Velocity, ft/s"));
}

TEST(DriveabilityGraphs, ResultsWithoutASolutionEmptyThemMarksAndAll) {
    Results r;
    r.fillDriveability(handResults());
    DriveabilityResults unsolved;
    unsolved.message = QStringLiteral("Alm & Hamre needs the sleeve friction fs in clay");
    r.fillDriveability(unsolved);
    for (int g = kFirstDriveGraph; g < kResultGraphCount; ++g) {
        EXPECT_EQ(r.graph(static_cast<ResultGraph>(g)).lineCount(), 0) << g;
        EXPECT_TRUE(r.graph(static_cast<ResultGraph>(g)).marks.empty()) << g;
    }
    // A run whose blows all drive leaves no mark of the run before.
    DriveabilityResults driven = handResults();
    driven.blowCount = {2.1, 4.0, 6.1};
    r.fillDriveability(driven);
    EXPECT_TRUE(r.graph(ResultGraph::DriveBlows).marks.empty());
    EXPECT_EQ(r.graph(ResultGraph::DriveBlows).line(0).points.size(), 3u);
    // The other results of the project stay as they were.
    EXPECT_EQ(r.graph(ResultGraph::Downdrag).lineCount(), 0);
}

// --- The request file ------------------------------------------------------------------------------

TEST(DriveabilityRequest, EveryEntryOnItsLineWithAPointWhateverTheLocale) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    DriveabilitySettings s;
    s.hammer = QStringLiteral("/h/ram, 35 t.json");
    s.srd = DriveabilitySettings::Srd::UnifiedSrd;
    s.from = 2.5;
    s.to = 40;
    s.step = 0.1;  // 17 digits: 0.10000000000000001 reads back to the same double
    s.segmentLength = 0.5;
    s.baseFactor = 1.25;
    s.frictionAngle = 25;
    const QByteArray text =
        driveabilityRequestText(s, QStringLiteral("/p/a.tv6d"), QStringLiteral("/t/r.txt"));
    QLocale::setDefault(before);
    EXPECT_EQ(text.toStdString(),
              "project,/p/a.tv6d\nhammer,/h/ram, 35 t.json\nresults,/t/r.txt\nsrd,unified-srd\n"
              "from,2.5\nto,40\nstep,0.10000000000000001\nsegment_length,0.5\nbase_factor,1.25\n"
              "friction_angle,25\n");
    // Blank entries leave the engine's defaults: no line at all.
    DriveabilitySettings blank;
    blank.hammer = QStringLiteral("h.json");
    EXPECT_EQ(driveabilityRequestText(blank, QStringLiteral("a.tv6d"), QStringLiteral("r")).toStdString(),
              "project,a.tv6d\nhammer,h.json\nresults,r\nsrd,alm-hamre\n");
    blank.hammer = QStringLiteral("h\n.json");
    EXPECT_THROW(driveabilityRequestText(blank, QStringLiteral("a"), QStringLiteral("r")), UserError);
}

TEST(DriveabilityRequest, EntriesThatCannotRunAreNamed) {
    const auto with = [](auto change) {
        DriveabilitySettings s;
        s.hammer = QStringLiteral("h.json");
        change(s);
        return driveabilitySettingsProblem(s);
    };
    EXPECT_EQ(with([](DriveabilitySettings&) {}), QString());
    EXPECT_EQ(with([](DriveabilitySettings& s) { s.hammer = QStringLiteral("  "); }),
              QStringLiteral("Choose a hammer file (examples/hammers holds a few)."));
    EXPECT_TRUE(
        with([](DriveabilitySettings& s) { s.from = 1; }).startsWith(u"Give the depths From, To and Step"));
    EXPECT_TRUE(with([](DriveabilitySettings& s) {
                    s.from = 1;
                    s.to = 5;
                }).startsWith(u"Give the depths"));
    const auto depths = [&](double from, double to, double step) {
        return with([=](DriveabilitySettings& s) {
            s.from = from;
            s.to = to;
            s.step = step;
        });
    };
    EXPECT_TRUE(depths(0, 40, 1).startsWith(u"The depths From and To are below the ground"));
    EXPECT_EQ(depths(0.5, 40, 1), QString());
    EXPECT_EQ(depths(5, 5, 1), QString());  // one depth
    EXPECT_TRUE(depths(-1, 40, 1).startsWith(u"The depths From and To are below the ground"));
    EXPECT_EQ(depths(1, 40, 0), QStringLiteral("The depth Step is above 0."));
    EXPECT_EQ(depths(1, 40, kNaN), QStringLiteral("The depth Step is above 0."));
    EXPECT_TRUE(depths(40, 10, 1).startsWith(u"The depth To is less than the depth From"));
    EXPECT_EQ(with([](DriveabilitySettings& s) { s.segmentLength = 0; }),
              QStringLiteral("The segment length is above 0."));
    EXPECT_EQ(with([](DriveabilitySettings& s) { s.shaftFactor = -0.5; }),
              QStringLiteral("The SRD shaft and base factors are 0 or more."));
    EXPECT_EQ(with([](DriveabilitySettings& s) { s.baseFactor = 0; }), QString());
    for (double angle : {0.0, 90.0, -5.0, kNaN})
        EXPECT_EQ(with([=](DriveabilitySettings& s) { s.frictionAngle = angle; }),
                  QStringLiteral("The interface friction angle lies between 0 and 90 degrees."))
            << angle;
    EXPECT_EQ(with([](DriveabilitySettings& s) { s.frictionAngle = 29; }), QString());
}

}  // namespace
