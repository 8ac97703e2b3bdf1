// The results at a glance: the tip values, the head and the warnings of a run, and their CSV and
// tab-separated texts.
#include <gtest/gtest.h>

#include <QStringList>

#include "app/project/resultssummary.h"
#include "tests/app/support/analysedproject.h"

namespace {

using namespace torve::app;
using torve::app::test::Analysed;
using torve::app::test::plotDataFile;

TEST(ResultsSummary, TipValuesHeadAndWarningsOfARun) {
    // FHWA and API at the deepest row (depth 3): skin 10 + 2 and 110 + 2, tip 22 and 122, total 32
    // and 132; the head at the largest level 90 kips and 0.9 in, from API's load-settlement curve.
    Analysed t;
    ASSERT_TRUE(t.read(plotDataFile("two-methods-english.tv6p")));
    const QStringList report = {QStringLiteral("  RESULTS"),
                                QStringLiteral("   WARNING - THE MOVEMENT DID NOT CONVERGE IN 50 ITERATIONS"),
                                QStringLiteral("WARNING - THE MOVEMENT DID NOT CONVERGE IN 50   ITERATIONS")};
    const ResultsSummary s = summarizeResults(t.project.results(), false, report);
    ASSERT_EQ(s.methods.size(), 2u);
    EXPECT_EQ(s.methods[0].name, QStringLiteral("FHWA"));
    EXPECT_EQ(s.methods[1].name, QStringLiteral("API"));
    EXPECT_EQ(s.methods[1].tipDepth, 3);
    EXPECT_EQ(s.methods[0].skinFriction, 12);
    EXPECT_EQ(s.methods[1].skinFriction, 112);
    EXPECT_EQ(s.methods[1].endBearing, 122);
    EXPECT_EQ(s.methods[1].totalCapacity, 132);
    ASSERT_TRUE(s.head.has_value());
    EXPECT_EQ(s.head->method, QStringLiteral("API"));
    EXPECT_DOUBLE_EQ(s.head->load, 90);
    EXPECT_DOUBLE_EQ(s.head->movement, 0.9);
    // Run notes without the engine's list: the report's lines, the same warning twice (blanks
    // aside) listed once.
    ASSERT_EQ(s.warnings.size(), 1u);
    EXPECT_EQ(s.warnings[0].text, QStringLiteral("WARNING - THE MOVEMENT DID NOT CONVERGE IN 50 ITERATIONS"));

    const QStringList lines = s.tabSeparated().split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[0], QStringLiteral("Method\tTip Depth (ft)\tSkin Friction (kips)\tEnd Bearing (kips)\t"
                                       "Total Capacity (kips)"));
    EXPECT_EQ(lines[2], QStringLiteral("API\t3.00\t112.0\t122.0\t132.0"));
    EXPECT_EQ(lines[5], QStringLiteral("API\t90.0\t0.9000"));
    EXPECT_EQ(lines[7], QStringLiteral("Warnings"));
    EXPECT_EQ(lines[8], QStringLiteral("Method\tDepth (ft)\tWarning"));
    EXPECT_EQ(lines[9], QStringLiteral("\t\tWARNING - THE MOVEMENT DID NOT CONVERGE IN 50 ITERATIONS"));
    // Under tension the tip column is the pile's self weight, and the head moves up.
    const ResultsSummary uplift = summarizeResults(t.project.results(), true, {});
    EXPECT_EQ(uplift.methodColumns()[3], QStringLiteral("Self Weight (kips)"));
    EXPECT_EQ(uplift.headMovementCaption(), QStringLiteral("Head Uplift (in)"));
    EXPECT_TRUE(uplift.csv().endsWith(QStringLiteral("Warnings\r\nNone\r\n")));
}

TEST(ResultsSummary, CsvAndTabTextKeepEveryCellWhole) {
    // A name with a comma, a quote and a tab, and a warning with a line break: the CSV quotes them
    // (quotes doubled), the tab-separated text puts blanks for the tab and the break.
    ResultsSummary s;
    s.methods.push_back({QStringLiteral("My \"best\", method\t1"), 10, 1, 2, 3});
    s.warnings.push_back({QString(), std::nullopt, QStringLiteral("WARNING - two\nlines")});
    const QStringList csv = s.csv().split(QStringLiteral("\r\n"));
    EXPECT_EQ(csv[1], QStringLiteral("\"My \"\"best\"\", method\t1\",10.00,1.0,2.0,3.0"));
    EXPECT_EQ(csv[5], QStringLiteral(",,\"WARNING - two\nlines\""));
    const QStringList tabs = s.tabSeparated().split(QStringLiteral("\r\n"));
    EXPECT_EQ(tabs[1], QStringLiteral("My \"best\", method 1\t10.00\t1.0\t2.0\t3.0"));
    EXPECT_EQ(tabs[5], QStringLiteral("\t\tWARNING - two lines"));
    // Nothing read yet: no methods, no head, no warnings.
    const ResultsSummary empty = summarizeResults(Results(), false, {});
    EXPECT_TRUE(empty.methods.empty());
    EXPECT_FALSE(empty.head.has_value());
}

// The engine ends its console lines (the run notes) with the run's warnings; the summary takes
// them, method and depth apart, before the report's lines.
TEST(ResultsSummary, WarningsOfTheRunNotesWithMethodAndDepth) {
    const struct {
        const char* line;
        bool taken;
        const char* method;
        std::optional<double> depth;
        const char* text;
    } cases[] = {
        {"Warning [UWA; 27.50 m]: A clay segment.", true, "UWA", 27.5, "A clay segment."},
        {"Warning [API RP 2A]: The solver.", true, "API RP 2A", std::nullopt, "The solver."},
        {"Warning [12.00 ft]: record 10: expected.", true, "", 12.0, "record 10: expected."},
        {"Warning: The whole project.", true, "", std::nullopt, "The whole project."},
        {" WARNING - h/R SHOULD BE GREATER THAN 8.", false, "", std::nullopt, ""},
        {"COMPUTATION IS PROCEEDING........", false, "", std::nullopt, ""},
    };
    for (const auto& c : cases) {
        const auto w = warningOfConsoleLine(QString::fromLatin1(c.line));
        ASSERT_EQ(w.has_value(), c.taken) << c.line;
        if (!w) continue;
        EXPECT_EQ(w->method, QLatin1String(c.method)) << c.line;
        EXPECT_EQ(w->depth, c.depth) << c.line;
        EXPECT_EQ(w->text, QLatin1String(c.text)) << c.line;
    }
    const QStringList notes = {QStringLiteral("COMPUTATION IS PROCEEDING........"), QString(),
                               QStringLiteral("Warning [UWA; 27.50 m]: A clay segment.")};
    const QStringList report = {QStringLiteral(" WARNING - h/R SHOULD BE GREATER THAN 8.")};
    ResultsSummary s = summarizeResults(Results(), false, report, notes);
    s.english = false;
    ASSERT_EQ(s.warnings.size(), 1u);
    EXPECT_EQ(s.warningSentence(s.warnings[0]), QStringLiteral("UWA, at 27.50 m: A clay segment."));
}

// The report ends with the head movement the run solved at each working load; the summary lists it
// in the report's unit (mm for S.I.), "beyond the curve" where the load lies above the curve.
TEST(ResultsSummary, WorkingLoadsOfTheReport) {
    const QStringList report = {
        QStringLiteral("       0.1393E+05      0.2233E+03      0.6614E+04      0.1828E+03"),
        QString(),
        QStringLiteral("                      SETTLEMENT AT WORKING LOADS"),
        QStringLiteral("                      ***************************"),
        QString(),
        QStringLiteral("        METHOD              FRACTION OF      HEAD LOAD   HEAD MOVEMENT"),
        QStringLiteral("                            CAPACITY AT TIP      KN.             MM."),
        QStringLiteral("        API RP 2A               0.5000      0.7054E+04      0.1827E+02"),
        QStringLiteral("        ICP/MTD                 0.3333      0.3116E+04      0.7193E+01"),
        QStringLiteral("        UWA                     1.0000      0.9164E+04     BEYOND THE CURVE"),
    };
    ResultsSummary s;
    s.english = false;
    s.workingLoads = readWorkingLoads(report);
    ASSERT_EQ(s.workingLoads.size(), 3u);
    EXPECT_EQ(s.workingLoadCells(s.workingLoads[0]),
              (QStringList{QStringLiteral("API RP 2A"), QStringLiteral("0.5000"), QStringLiteral("7054.0"),
                           QStringLiteral("18.27")}));
    EXPECT_EQ(s.workingLoads[1].method, QStringLiteral("ICP/MTD"));
    EXPECT_FALSE(s.workingLoads[2].movement);
    EXPECT_EQ(s.workingLoadCells(s.workingLoads[2])[3], QStringLiteral("beyond the curve"));
    EXPECT_EQ(s.workingLoadColumns()[3], QStringLiteral("Head Movement (mm)"));
    // A report without the section (a stopped run) has none.
    EXPECT_TRUE(readWorkingLoads(report.mid(0, 1)).empty());
}

}  // namespace
