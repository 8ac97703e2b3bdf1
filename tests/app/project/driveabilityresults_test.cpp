// The driveability results file between the engine and the desktop: what the engine writes, read
// back by the desktop's reader to the same doubles, and lines that are not the engine's refused.
#include "app/project/driveabilityresults.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/controls/usererror.h"
#include "engine/driver/driveability_results_file.h"

namespace {

using namespace torve::app;
using torve::BearingGraph;
using torve::BlowResult;
using torve::Driveability;

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

// Two depths driven and a third at refusal; values with many digits, so that a writer that rounds
// would be caught on the way back.
Driveability handDriveability() {
    Driveability d;
    d.english = false;
    d.method = torve::SrdMethod::UnifiedSrd;
    d.depth = {1, 2.5, 4};
    d.srd_shaft = {10.1, 1.0 / 3, 300};
    d.srd_base = {5, 1e-7, 600.25};
    d.srd_total = {15.1, 1.0 / 3 + 1e-7, 900.25};
    d.blow_count = {2.5, 12.0 / 7, kNan};
    d.cumulative_blows = {0, 13.39285714285714, kNan};
    d.max_compression = {101.5, 150.75, 201};
    d.max_compression_at = {0, 0.5, 1};
    d.max_tension = {3.25, 0, 12};
    d.max_tension_at = {2, 0, 3.75};
    d.enthru_kj = {30.125, 31, 29.5};
    d.refusal = {false, false, true};
    return d;
}

BlowResult handBlow() {
    BlowResult b;
    b.time = {0, 1e-4, 2.0e-4};
    b.head_force = {0, 5123.456789, -12.5};
    b.head_velocity = {3.13, 2.9, -0.01};
    return b;
}

BearingGraph handBearing(bool english) {
    BearingGraph g;
    g.english = english;
    g.tip_depth = 4;
    g.resistance = {100, 2000};
    g.blows.resize(2);
    g.blows[0].set_m = 0.0254;  // 1 in, 25.4 mm
    g.blows[0].blow_count = 12;
    g.blows[0].max_compression = 150;
    g.blows[0].max_tension = 10;
    g.blows[1].set_m = 0;  // refusal
    g.blows[1].blow_count = kNan;
    g.blows[1].max_compression = 250;
    g.blows[1].max_tension = 0;
    return g;
}

void expectSame(const std::vector<double>& read, const std::vector<double>& written, const char* what) {
    ASSERT_EQ(read.size(), written.size()) << what;
    for (std::size_t i = 0; i < read.size(); ++i) {
        if (std::isnan(written[i]))
            EXPECT_TRUE(std::isnan(read[i])) << what << " " << i;
        else
            EXPECT_EQ(read[i], written[i]) << what << " " << i;  // the same double, not a near one
    }
}

TEST(DriveabilityResults, TheEnginesTextIsWhatTheHeaderSays) {
    Driveability d;
    d.english = true;
    d.depth = {3};
    d.srd_shaft = {10};
    d.srd_base = {2.5};
    d.srd_total = {12.5};
    d.blow_count = {kNan};
    d.cumulative_blows = {0};
    d.max_compression = {20};
    d.max_compression_at = {0};
    d.max_tension = {1};
    d.max_tension_at = {6};
    d.enthru_kj = {9};
    d.refusal = {true};
    BlowResult b;
    b.time = {0};
    b.head_force = {0};
    b.head_velocity = {10};
    BearingGraph g = handBearing(true);
    g.resistance.resize(1);
    g.blows.resize(1);
    g.tip_depth = 30;
    EXPECT_EQ(torve::driveability_results_text(d, &b, &g, 30, "ram\r\n5 t"),
              "solved,1\nmessage,\nunits,English\nmethod,Alm & Hamre\nhammer,ram  5 t\npile_length,30\n"
              "depth,srd shaft,srd base,srd total,blow count,cumulative blows,max compression,"
              "max compression at,max tension,max tension at,enthru,refusal\n"
              "3,10,2.5,12.5,,0,20,0,1,6,9,1\n"
              "blow at,3\ntime,head force,head velocity\n0,0,10\n"
              "bearing graph at,30\nresistance,blow count,max compression,max tension,set\n"
              "100,12,150,10,1\n");  // the set of 0.0254 m in inches
    Driveability failed;
    failed.status = torve::RunStatus::InputError;
    failed.message = "The hammer file h.json, line 2:\nthe field \"ram_mass_kg\" is missing.";
    EXPECT_EQ(torve::driveability_results_text(failed, &b, &g, 30, "x"),
              "solved,0\nmessage,The hammer file h.json, line 2: the field \"ram_mass_kg\" is missing.\n");
}

TEST(DriveabilityResults, ReadBackToTheSameDoubles) {
    const Driveability d = handDriveability();
    const BlowResult b = handBlow();
    const BearingGraph g = handBearing(false);
    const std::string text = torve::driveability_results_text(d, &b, &g, 4.25, "ram 7 t, 70 kJ");
    const DriveabilityResults r =
        parseDriveabilityResults(QByteArray::fromStdString(text), QStringLiteral("p.drive.txt"));
    EXPECT_TRUE(r.solved);
    EXPECT_TRUE(r.message.isEmpty());
    EXPECT_FALSE(r.english);
    EXPECT_EQ(r.method, QStringLiteral("UniSand-SRD"));
    EXPECT_EQ(r.hammer, QStringLiteral("ram 7 t, 70 kJ"));  // a comma of the name stays in it
    EXPECT_EQ(r.pileLength, 4.25);
    expectSame(r.depth, d.depth, "depth");
    expectSame(r.srdShaft, d.srd_shaft, "srd shaft");
    expectSame(r.srdBase, d.srd_base, "srd base");
    expectSame(r.srdTotal, d.srd_total, "srd total");
    expectSame(r.blowCount, d.blow_count, "blow count");
    expectSame(r.cumulativeBlows, d.cumulative_blows, "cumulative blows");
    expectSame(r.maxCompression, d.max_compression, "max compression");
    expectSame(r.maxCompressionAt, d.max_compression_at, "max compression at");
    expectSame(r.maxTension, d.max_tension, "max tension");
    expectSame(r.maxTensionAt, d.max_tension_at, "max tension at");
    expectSame(r.enthru, d.enthru_kj, "enthru");
    EXPECT_EQ(r.refusal, (std::vector<bool>{false, false, true}));
    EXPECT_EQ(r.blowAt, 4.0);
    expectSame(r.time, b.time, "time");
    expectSame(r.headForce, b.head_force, "head force");
    expectSame(r.headVelocity, b.head_velocity, "head velocity");
    EXPECT_EQ(r.bearingAt, 4.0);
    expectSame(r.bearingResistance, {100, 2000}, "resistance");
    expectSame(r.bearingBlowCount, {12, kNan}, "bearing blow count");
    expectSame(r.bearingMaxCompression, {150, 250}, "bearing compression");
    expectSame(r.bearingMaxTension, {10, 0}, "bearing tension");
    // 0.0254 m is 25.4 mm; the product of the conversion is the double the reader gets
    expectSame(r.bearingSet, {0.0254 * 1000, 0}, "set");
}

TEST(DriveabilityResults, ARunWithoutASolutionGivesItsMessage) {
    Driveability failed;
    failed.status = torve::RunStatus::InputError;
    failed.message = "The input data file p.tv6d, record 3: no pile length.";
    const DriveabilityResults r = parseDriveabilityResults(
        QByteArray::fromStdString(torve::driveability_results_text(failed, nullptr, nullptr, 0, {})), {});
    EXPECT_FALSE(r.solved);
    EXPECT_EQ(r.message, QStringLiteral("The input data file p.tv6d, record 3: no pile length."));
    EXPECT_TRUE(r.depth.empty());
}

TEST(DriveabilityResults, ALineThatIsNotTheEnginesIsRefusedWithItsNumber) {
    const BlowResult b = handBlow();
    const BearingGraph g = handBearing(false);
    const QByteArray good =
        QByteArray::fromStdString(torve::driveability_results_text(handDriveability(), &b, &g, 4, "ram"));
    // Lines of `good`: 1 solved ... 6 pile_length, 7 the table's header, 8-10 the depths, 11 blow at,
    // 12 its header, 13-15 the head, 16 bearing graph at, 17 its header, 18-19 the resistances.
    struct Case {
        QByteArray text;
        int line;
    };
    const Case cases[] = {
        {QByteArray("solved,yes\n"), 1},
        {QByteArray("solved,1\nunits,metric\n"), 2},
        {QByteArray("solved,1\npile_length\n"), 2},
        {QByteArray(good).replace("\n2.5,", "\n2.5;"), 9},                // a depth row of 11 cells
        {QByteArray(good).replace(",0\n2.5,", ",2\n2.5,"), 8},            // refusal neither 0 nor 1
        {QByteArray(good).replace("\n4,300,", "\n,300,"), 10},            // a depth that is empty
        {QByteArray(good).replace("blow at,4\n", "blow at,deep\n"), 11},  // no depth of the blow
        {QByteArray(good).replace("time,head force", "time,force"), 12},  // not the blow's header
        {QByteArray(good).replace("\n0.0002,", "\n,"), 15},               // a time that is empty
        {QByteArray(good).replace("\n100,12,", "\n100,twelve,"), 18},     // a bearing graph row
        {QByteArray(good).replace("resistance,blow count", "resistance,blows"), 17},
        {QByteArray("solved,1\nmessage,\n"), 3},  // solved without a table: the end of the file
        {QByteArray(good).left(good.indexOf("resistance,blow count")), 17},  // a header never given
    };
    for (const Case& c : cases) {
        try {
            parseDriveabilityResults(c.text, QStringLiteral("a.drive.txt"));
            ADD_FAILURE() << c.text.toStdString();
        } catch (const UserError& e) {
            EXPECT_EQ(e.message(),
                      QStringLiteral("The driveability results file a.drive.txt cannot be read at line %1.")
                          .arg(c.line))
                << c.text.toStdString();
        }
    }
}

TEST(DriveabilityResults, LiesBesideTheProject) {
    EXPECT_EQ(driveabilityResultsFileOf(QStringLiteral("/p/pile one.tv6d")),
              QStringLiteral("/p/pile one.drive.txt"));
    EXPECT_EQ(driveabilityResultsFileOf(QStringLiteral("/p/a.b.tv6d")), QStringLiteral("/p/a.b.drive.txt"));
}

}  // namespace
