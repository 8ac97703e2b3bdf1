// The CSV reader of cone data: the example file of examples/cpt read as written, headings and
// columns named by the user, and damaged files refused with the file, the line and what was expected.
#include <gtest/gtest.h>

#include "app/sounding/csvreader.h"
#include "app/sounding/soundingfile.h"
#include "tests/app/support/soundingrows.h"

namespace {

using namespace torve::app;
using namespace torve::app::test;
using Q = SoundingQuantity;

TEST(CsvReader, ExampleRecognisesHeadingsWithUnits) {
    const Sounding s = readSoundingFile(coneExample("sounding.csv"));
    ASSERT_EQ(s.tests.size(), 1u);
    const SoundingTest& t = s.tests[0];
    EXPECT_EQ(t.id, QStringLiteral("sounding"));
    EXPECT_EQ(t.unit(Q::Fs), QStringLiteral("kPa"));
    ASSERT_EQ(t.rows.size(), 4u);
    expectRow(t.rows[0], {0.5, 1.25, 12.5, kNone, kNone});
    expectRow(t.rows[2], {1.5, kNone, 25, 15, kNone});
}

TEST(CsvReader, HeadingsAndColumnsNamedByTheUser) {
    struct Case {
        const char* heading;
        bool recognised;
        Q quantity;
        const char* unit;
    };
    const Case cases[] = {{"depth_m", true, Q::Depth, "m"},
                          {"Qc_MPa", true, Q::Qc, "MPa"},
                          {"fs (kPa)", true, Q::Fs, "kPa"},
                          {"u2 [kN/m2]", true, Q::U2, "kN/m2"},
                          {"penetration_length_m", true, Q::PenetrationLength, "m"},
                          {"qt", true, Q::Qt, ""},
                          {"u_kPa", false, Q::Qc, ""},
                          {"remark", false, Q::Qc, ""}};
    for (const Case& c : cases) {
        const std::optional<CsvHeading> h = recognisedHeading(QString::fromLatin1(c.heading));
        ASSERT_EQ(h.has_value(), c.recognised) << c.heading;
        if (!h) continue;
        EXPECT_EQ(h->quantity, c.quantity) << c.heading;
        EXPECT_EQ(h->unit, QLatin1StringView(c.unit)) << c.heading;
    }
    // Without a unit a recognised heading does not name its column fully: the user is asked.
    const std::pair<QStringList, bool> named[] = {
        {{QStringLiteral("depth_m"), QStringLiteral("qc_MPa")}, true},
        {{QStringLiteral("penetration_length_m"), QStringLiteral("qc (kPa)")}, true},
        {{QStringLiteral("depth"), QStringLiteral("qc_MPa")}, false},
        {{QStringLiteral("depth_m"), QStringLiteral("fs_kPa")}, false},
        {{QStringLiteral("Level"), QStringLiteral("Cone")}, false}};
    for (const auto& [headings, names] : named)
        EXPECT_EQ(csvNamesConeColumns(headings), names) << headings.join(u',').toStdString();
    EXPECT_EQ(csvHeadings("\n\"Level (m)\";Cone\n1;2\n", QStringLiteral("h.csv")),
              (QStringList{QStringLiteral("Level (m)"), QStringLiteral("Cone")}));

    // Columns a program wrote under its own headings, named by the user.
    const Sounding s = readCsvSounding("Level;Cone\n1.5;2\n2.5;3\n", QStringLiteral("own.csv"),
                                       {{Q::Depth, QStringLiteral("level"), QStringLiteral("m")},
                                        {Q::Qc, QStringLiteral("Cone"), QStringLiteral("MPa")}});
    ASSERT_EQ(s.tests[0].rows.size(), 2u);
    expectRow(s.tests[0].rows[1], {2.5, 3, kNone, kNone, kNone});
    // Semicolons and decimal commas, as spreadsheets in much of Europe save them.
    const Sounding comma = readCsvSounding("depth_m;qc_MPa\n1,5;2,25\n", QStringLiteral("comma.csv"));
    expectRow(comma.tests[0].rows[0], {1.5, 2.25, kNone, kNone, kNone});
    EXPECT_EQ(s.tests[0].unit(Q::Qc), QStringLiteral("MPa"));
}

// The separator is the one the header row uses outside quotes, whatever its headings hold in their
// words; files that took the first of , ; TAB found anywhere in the row were refused ("a column of
// qc was expected") or read into the wrong columns.
TEST(CsvReader, SeparatorOfTheHeaderRowOutsideQuotes) {
    struct Case {
        const char* name;
        const char* text;
        double depth, qc;  // of the first row
        const char* lastHeading;
    };
    const Case cases[] = {
        {"semicolons, a comma in quotes", "depth_m;qc_MPa;\"note, text\"\n1,5;2,25;a, b\n", 1.5, 2.25,
         "note, text"},
        {"commas, a semicolon in quotes", "depth_m,qc_MPa,\"note; text\"\n1.5,2.25,x\n", 1.5, 2.25,
         "note; text"},
        {"TABs, a semicolon in a heading", "depth_m\tqc_MPa\tremark; text\n1.5\t2.25\tx\n", 1.5, 2.25,
         "remark; text"},
        {"TABs, a heading of several semicolons", "depth_m\tqc_MPa\tremark; a; b; c\n1.5\t2.25\t\n", 1.5,
         2.25, "remark; a; b; c"},
        {"TABs, a comma and a semicolon in quotes", "\"depth, m\"\tqc_MPa\t\"a;b\"\n", 0, 0, "a;b"},
        {"semicolons, a heading with a comma unquoted", "depth_m;qc_MPa;remark, text\n1;2;x\n", 1, 2,
         "remark, text"},
        {"commas, a doubled quote in quotes", "depth_m,\"qc_MPa\",\"say \"\"a;b\"\"\"\n1,2,x\n", 1, 2,
         "say \"a;b\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList headings = csvHeadings(c.text, QStringLiteral("s.csv"));
        ASSERT_EQ(headings.size(), 3);
        EXPECT_EQ(headings.back(), QString::fromUtf8(c.lastHeading));
        if (c.depth == 0) continue;  // headings alone, for the user to name the columns
        const Sounding s = readCsvSounding(c.text, QStringLiteral("s.csv"));
        ASSERT_EQ(s.tests[0].rows.size(), 1u);
        expectRow(s.tests[0].rows[0], {c.depth, c.qc, kNone, kNone, kNone});
    }
}

// Each damaged file is refused at its line with what was expected there.
TEST(CsvReader, DamagedFilesAreRefusedWithFileLineAndWhatWasExpected) {
    expectEachRefused(
        [](QByteArrayView b, const QString& f) { return readCsvSounding(b, f); },
        {
            {"empty.csv", "\n\n", 0, "a header row"},
            {"no qc.csv", "depth_m,fs_kPa\n1,2\n", 1, "a column of qc was expected"},
            {"no depth.csv", "qc_MPa\n1\n", 1, "a column of depth or penetration length"},
            {"fields.csv", "depth_m,qc_MPa\n1,2\n2,3,4\n", 3, "2 fields were expected"},
            {"text.csv", "depth_m,qc_MPa\n1,2\n2,abc\n", 3, "a number was expected under qc_MPa but \"abc\""},
            {"quote.csv", "depth_m,qc_MPa\n1,\"2\n", 2, "a closing double quote"},
        });
}

}  // namespace
