// The readers of AGS4, GEF, BRO-XML and CSV cone data: the example files of examples/cpt read as
// written, and damaged files refused with the file, the line and what was expected.
#include <gtest/gtest.h>

#include <QFile>
#include <cmath>

#include "app/controls/usererror.h"
#include "app/sounding/agsreader.h"
#include "app/sounding/broxmlreader.h"
#include "app/sounding/csvreader.h"
#include "app/sounding/gefreader.h"
#include "app/sounding/soundingfile.h"

namespace {

using namespace torve::app;
using Q = SoundingQuantity;

QString example(const char* name) {
    return QStringLiteral(TORVE_SOURCE_DIR "/examples/cpt/") + QLatin1StringView(name);
}

// A row as (depth or penetration length, qc, fs, u2, qt), NaN where the file gives none.
void expectRow(const SoundingRow& row, std::array<double, 5> expected, Q depth = Q::Depth) {
    const Q qs[] = {depth, Q::Qc, Q::Fs, Q::U2, Q::Qt};
    for (std::size_t i = 0; i < 5; ++i) {
        const std::string what =
            "line " + std::to_string(row.line) + " " + soundingQuantityName(qs[i]).toStdString();
        if (std::isnan(expected[i])) {
            EXPECT_TRUE(std::isnan(row[qs[i]])) << what;
        } else {
            EXPECT_DOUBLE_EQ(row[qs[i]], expected[i]) << what;
        }
    }
}

constexpr double kNone = kSoundingMissing;

TEST(SoundingReaders, AgsExampleHasTwoTestsWithTheirAreaRatiosAndUnits) {
    const Sounding s = readSoundingFile(example("two-soundings.ags"));
    EXPECT_EQ(s.format, QStringLiteral("AGS4"));
    ASSERT_EQ(s.tests.size(), 2u);
    const SoundingTest& a = s.tests[0];
    EXPECT_EQ(a.id, QStringLiteral("CPT-01/1"));
    EXPECT_DOUBLE_EQ(a.areaRatio, 0.80);
    EXPECT_EQ(a.unit(Q::Qc), QStringLiteral("MN/m2"));
    EXPECT_EQ(a.unit(Q::U2), QStringLiteral("kN/m2"));
    ASSERT_EQ(a.rows.size(), 5u);
    expectRow(a.rows[0], {0.5, 1.2, kNone, kNone, 1.2});
    expectRow(a.rows[3], {2.0, kNone, kNone, 60, kNone});
    EXPECT_EQ(a.rows[0].line, 18);
    EXPECT_EQ(s.tests[1].id, QStringLiteral("CPT-02/1"));
    EXPECT_DOUBLE_EQ(s.tests[1].areaRatio, 0.75);
    EXPECT_EQ(s.tests[1].rows.size(), 3u);
}

TEST(SoundingReaders, GefExampleReadsVoidsAsMissingAndTheAreaRatio) {
    const Sounding s = readSoundingFile(example("sounding.gef"));
    ASSERT_EQ(s.tests.size(), 1u);
    const SoundingTest& t = s.tests[0];
    EXPECT_EQ(t.id, QStringLiteral("CPT-03"));
    EXPECT_DOUBLE_EQ(t.areaRatio, 0.70);
    EXPECT_DOUBLE_EQ(t.startLevel, 1.25);
    EXPECT_FALSE(t.has(Q::Depth));
    ASSERT_EQ(t.rows.size(), 5u);
    expectRow(t.rows[0], {0.2, kNone, kNone, kNone, kNone}, Q::PenetrationLength);
    expectRow(t.rows[3], {0.8, 4.0, 0.03, -0.01, kNone}, Q::PenetrationLength);
    expectRow(t.rows[4], {1.0, 3.0, kNone, 0.1, kNone}, Q::PenetrationLength);
}

TEST(SoundingReaders, BroXmlExampleTakesTheDeclaredColumns) {
    const Sounding s = readSoundingFile(example("sounding.xml"));
    ASSERT_EQ(s.tests.size(), 1u);
    const SoundingTest& t = s.tests[0];
    EXPECT_EQ(t.id, QStringLiteral("CPT-04"));
    EXPECT_DOUBLE_EQ(t.areaRatio, 0.75);
    ASSERT_EQ(t.rows.size(), 4u);
    expectRow(t.rows[0], {0.0, kNone, kNone, kNone, kNone});
    expectRow(t.rows[2], {0.198, 2.4, 0.02, 0.04, kNone});
    EXPECT_DOUBLE_EQ(t.rows[2][Q::PenetrationLength], 0.2);
}

TEST(SoundingReaders, CsvExampleRecognisesHeadingsWithUnits) {
    const Sounding s = readSoundingFile(example("sounding.csv"));
    ASSERT_EQ(s.tests.size(), 1u);
    const SoundingTest& t = s.tests[0];
    EXPECT_EQ(t.id, QStringLiteral("sounding"));
    EXPECT_EQ(t.unit(Q::Fs), QStringLiteral("kPa"));
    ASSERT_EQ(t.rows.size(), 4u);
    expectRow(t.rows[0], {0.5, 1.25, 12.5, kNone, kNone});
    expectRow(t.rows[2], {1.5, kNone, 25, 15, kNone});
}

TEST(SoundingReaders, CsvHeadingsAndColumnsNamedByTheUser) {
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

// A column void in every row is absent, and the rows keep their other values.
TEST(SoundingReaders, ColumnVoidInEveryRowIsAbsent) {
    const QByteArray gef =
        "#COLUMNINFO= 1, m, length, 1\r\n#COLUMNINFO= 2, MPa, qc, 2\r\n#COLUMNINFO= 3, MPa, fs, 3\r\n"
        "#COLUMNVOID= 3, -9999.0\r\n#COLUMNSEPARATOR=;\t\r\n#EOH=\r\n0.1;1.5;-9999\r\n0.2;1.7;-9999.0\r\n";
    const Sounding s = readGefSounding(gef, QStringLiteral("void.gef"));
    const SoundingTest& t = s.tests[0];
    EXPECT_FALSE(t.has(Q::Fs));
    ASSERT_EQ(t.rows.size(), 2u);
    expectRow(t.rows[1], {0.2, 1.7, kNone, kNone, kNone}, Q::PenetrationLength);
    EXPECT_EQ(t.rows[1].line, 8);
}

// Each damaged file is refused at its line with what was expected there.
TEST(SoundingReaders, DamagedFilesAreRefusedWithFileLineAndWhatWasExpected) {
    using Reader = Sounding (*)(QByteArrayView, const QString&);
    const Reader ags = readAgsSounding;
    const Reader gef = readGefSounding;
    const Reader xml = readBroXmlSounding;
    const Reader csv = [](QByteArrayView b, const QString& f) { return readCsvSounding(b, f); };
    const QByteArray scpt =
        "\"GROUP\",\"SCPT\"\n\"HEADING\",\"LOCA_ID\",\"SCPT_DPTH\",\"SCPT_RES\"\n\"UNIT\",\"\",\"m\","
        "\"MPa\"\n";
    const QByteArray gefHead =
        "#COLUMNINFO= 1, m, l, 1\n#COLUMNINFO= 2, MPa, qc, 2\n#COLUMNSEPARATOR= ;\n#EOH=\n";
    struct Case {
        const char* name;
        Reader read;
        QByteArray bytes;
        int line;  // 0: at the end
        const char* expected;
    };
    const Case cases[] = {
        {"unquoted.ags", ags, "\"GROUP\",\"SCPT\"\nHEADING,LOCA_ID\n", 2, "fields in double quotes"},
        {"open quote.ags", ags, "\"GROUP\",\"SCPT\n", 1, "fields in double quotes"},
        {"kind.ags", ags, "\"GROUP\",\"SCPT\"\n\"HEADER\",\"LOCA_ID\"\n", 2, "GROUP, HEADING, UNIT"},
        {"no group.ags", ags, "\"HEADING\",\"LOCA_ID\"\n", 1, "GROUP row was expected before"},
        {"short row.ags", ags, scpt + "\"DATA\",\"A\",\"1.0\"\n", 4,
         "4 fields were expected, as many as the group's HEADING row has, but 3"},
        {"long row.ags", ags, scpt + "\"DATA\",\"A\",\"1.0\",\"2\",\"3\"\n", 4, "but 5 were found"},
        {"text.ags", ags, scpt + "\"DATA\",\"A\",\"1.0\",\"hard\"\n", 4,
         "a number was expected under SCPT_RES"},
        {"inf.ags", ags, scpt + "\"DATA\",\"A\",\"1.0\",\"inf\"\n", 4, "a number was expected"},
        {"huge.ags", ags, scpt + "\"DATA\",\"A\",\"1.0\",\"1e999\"\n", 4, "a number was expected"},
        {"no qc.ags", ags, "\"GROUP\",\"SCPT\"\n\"HEADING\",\"LOCA_ID\",\"SCPT_DPTH\"\n", 2,
         "column SCPT_RES"},
        {"no scpt.ags", ags, "\"GROUP\",\"PROJ\"\n\"HEADING\",\"PROJ_ID\"\n", 0, "a group SCPT"},
        {"data first.ags", ags, "\"GROUP\",\"SCPT\"\n\"DATA\",\"A\"\n", 2,
         "HEADING row was expected before the DATA"},
        {"no end.gef", gef, "#COLUMNINFO= 1, m, l, 1\n", 0, "#EOH="},
        {"not header.gef", gef, "#GEFID= 1\n0.1 1.0\n", 2, "beginning with #"},
        {"column 0.gef", gef, "#COLUMNINFO= 0, m, l, 1\n#EOH=\n", 1, "column number from 1 to 1000"},
        {"column huge.gef", gef, "#COLUMNINFO= 99999999999, m, l, 1\n#EOH=\n", 1, "column number from 1"},
        {"info short.gef", gef, "#COLUMNINFO= 1, m\n#EOH=\n", 1, "#COLUMNINFO= column number, unit"},
        {"no qc.gef", gef, "#COLUMNINFO= 1, m, l, 1\n#EOH=\n", 2, "qc (quantity number 2)"},
        // A quantity number beyond any int (found by the fuzzer) or not whole names no quantity used.
        {"quantity huge.gef", gef, "#COLUMNINFO= 1, m, l, 1\n#COLUMNINFO= 2, MPa, qc, 1e102\n#EOH=\n", 3,
         "qc (quantity number 2)"},
        {"quantity fraction.gef", gef, "#COLUMNINFO= 1, m, l, 1\n#COLUMNINFO= 2, MPa, qc, 2.5\n#EOH=\n", 3,
         "qc (quantity number 2)"},
        {"no depth.gef", gef, "#COLUMNINFO= 2, MPa, qc, 2\n#EOH=\n", 2,
         "penetration length (quantity number 1)"},
        {"few.gef", gef, gefHead + "0.1;1.0\n0.2\n", 6, "at least 2 values were expected but 1"},
        {"text.gef", gef, gefHead + "0.1;x\n", 5, "a number was expected in column 2 but \"x\""},
        {"separator.gef", gef, "#COLUMNSEPARATOR= ;;\n", 1, "a separator of one character"},
        {"broken.xml", xml, "<a><b></a>", 1, "well-formed XML"},
        {"no values.xml", xml, "<a><b/></a>", 0, "cptResult with its values"},
        {"short block.xml", xml,
         "<a>\n<values>0.1,1.0;0.2</values><parameters><penetrationLength/><coneResistance/></parameters></"
         "a>",
         2, "2 values were expected in result 2 but 1"},
        {"text value.xml", xml,
         "<a><values>0.1,x</values><parameters><depth/><coneResistance/></parameters></a>", 1,
         "value 2 of result 1 but \"x\""},
        {"no cone.xml", xml, "<a><values>0.1,1</values><parameters><depth/><temperature/></parameters></a>",
         1, "a parameter coneResistance"},
        {"separators.xml", xml, "<a><TextEncoding tokenSeparator=\";\" blockSeparator=\";\"/></a>", 1,
         "all different"},
        {"empty.csv", csv, "\n\n", 0, "a header row"},
        {"no qc.csv", csv, "depth_m,fs_kPa\n1,2\n", 1, "a column of qc was expected"},
        {"no depth.csv", csv, "qc_MPa\n1\n", 1, "a column of depth or penetration length"},
        {"fields.csv", csv, "depth_m,qc_MPa\n1,2\n2,3,4\n", 3, "2 fields were expected"},
        {"text.csv", csv, "depth_m,qc_MPa\n1,2\n2,abc\n", 3,
         "a number was expected under qc_MPa but \"abc\""},
        {"quote.csv", csv, "depth_m,qc_MPa\n1,\"2\n", 2, "a closing double quote"},
    };
    for (const Case& c : cases) {
        const QString name = QString::fromLatin1(c.name);
        try {
            c.read(c.bytes, name);
            ADD_FAILURE() << c.name << " was read";
        } catch (const UserError& e) {
            const std::string m = e.message().toStdString();
            EXPECT_TRUE(e.message().contains(name)) << c.name << ": " << m;
            EXPECT_TRUE(e.message().contains(QLatin1StringView(c.expected))) << c.name << ": " << m;
            const QString where =
                c.line > 0 ? QStringLiteral("at line %1:").arg(c.line) : QStringLiteral("at its end");
            EXPECT_TRUE(e.message().contains(where)) << c.name << ": " << m;
        }
    }
}

}  // namespace
