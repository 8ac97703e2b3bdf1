// The GEF reader of cone data: the example file of examples/cpt read as written, void columns, and
// damaged files refused with the file, the line and what was expected.
#include <gtest/gtest.h>

#include "app/sounding/gefreader.h"
#include "app/sounding/soundingfile.h"
#include "tests/app/support/soundingrows.h"

namespace {

using namespace torve::app;
using namespace torve::app::test;
using Q = SoundingQuantity;

TEST(GefReader, ExampleReadsVoidsAsMissingAndTheAreaRatio) {
    const Sounding s = readSoundingFile(coneExample("sounding.gef"));
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

// A column void in every row is absent, and the rows keep their other values.
TEST(GefReader, ColumnVoidInEveryRowIsAbsent) {
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
TEST(GefReader, DamagedFilesAreRefusedWithFileLineAndWhatWasExpected) {
    const QByteArray gefHead =
        "#COLUMNINFO= 1, m, l, 1\n#COLUMNINFO= 2, MPa, qc, 2\n#COLUMNSEPARATOR= ;\n#EOH=\n";
    expectEachRefused(
        readGefSounding,
        {
            {"no end.gef", "#COLUMNINFO= 1, m, l, 1\n", 0, "#EOH="},
            {"not header.gef", "#GEFID= 1\n0.1 1.0\n", 2, "beginning with #"},
            {"column 0.gef", "#COLUMNINFO= 0, m, l, 1\n#EOH=\n", 1, "column number from 1 to 1000"},
            {"column huge.gef", "#COLUMNINFO= 99999999999, m, l, 1\n#EOH=\n", 1, "column number from 1"},
            {"info short.gef", "#COLUMNINFO= 1, m\n#EOH=\n", 1, "#COLUMNINFO= column number, unit"},
            {"no qc.gef", "#COLUMNINFO= 1, m, l, 1\n#EOH=\n", 2, "qc (quantity number 2)"},
            // A quantity number beyond any int (found by the fuzzer) or not whole names no quantity used.
            {"quantity huge.gef", "#COLUMNINFO= 1, m, l, 1\n#COLUMNINFO= 2, MPa, qc, 1e102\n#EOH=\n", 3,
             "qc (quantity number 2)"},
            {"quantity fraction.gef", "#COLUMNINFO= 1, m, l, 1\n#COLUMNINFO= 2, MPa, qc, 2.5\n#EOH=\n", 3,
             "qc (quantity number 2)"},
            {"no depth.gef", "#COLUMNINFO= 2, MPa, qc, 2\n#EOH=\n", 2,
             "penetration length (quantity number 1)"},
            {"few.gef", gefHead + "0.1;1.0\n0.2\n", 6, "at least 2 values were expected but 1"},
            {"text.gef", gefHead + "0.1;x\n", 5, "a number was expected in column 2 but \"x\""},
            {"separator.gef", "#COLUMNSEPARATOR= ;;\n", 1, "a separator of one character"},
        });
}

}  // namespace
