// The AGS4 reader of cone data: the example file of examples/cpt read as written, and damaged files
// refused with the file, the line and what was expected.
#include <gtest/gtest.h>

#include "app/sounding/agsreader.h"
#include "app/sounding/soundingfile.h"
#include "tests/app/support/soundingrows.h"

namespace {

using namespace torve::app;
using namespace torve::app::test;
using Q = SoundingQuantity;

TEST(AgsReader, ExampleHasTwoTestsWithTheirAreaRatiosAndUnits) {
    const Sounding s = readSoundingFile(coneExample("two-soundings.ags"));
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

// Each damaged file is refused at its line with what was expected there.
TEST(AgsReader, DamagedFilesAreRefusedWithFileLineAndWhatWasExpected) {
    const QByteArray scpt =
        "\"GROUP\",\"SCPT\"\n\"HEADING\",\"LOCA_ID\",\"SCPT_DPTH\",\"SCPT_RES\"\n\"UNIT\",\"\",\"m\","
        "\"MPa\"\n";
    expectEachRefused(
        readAgsSounding,
        {
            {"unquoted.ags", "\"GROUP\",\"SCPT\"\nHEADING,LOCA_ID\n", 2, "fields in double quotes"},
            {"open quote.ags", "\"GROUP\",\"SCPT\n", 1, "fields in double quotes"},
            {"kind.ags", "\"GROUP\",\"SCPT\"\n\"HEADER\",\"LOCA_ID\"\n", 2, "GROUP, HEADING, UNIT"},
            {"no group.ags", "\"HEADING\",\"LOCA_ID\"\n", 1, "GROUP row was expected before"},
            {"short row.ags", scpt + "\"DATA\",\"A\",\"1.0\"\n", 4,
             "4 fields were expected, as many as the group's HEADING row has, but 3"},
            {"long row.ags", scpt + "\"DATA\",\"A\",\"1.0\",\"2\",\"3\"\n", 4, "but 5 were found"},
            {"text.ags", scpt + "\"DATA\",\"A\",\"1.0\",\"hard\"\n", 4,
             "a number was expected under SCPT_RES"},
            {"inf.ags", scpt + "\"DATA\",\"A\",\"1.0\",\"inf\"\n", 4, "a number was expected"},
            {"huge.ags", scpt + "\"DATA\",\"A\",\"1.0\",\"1e999\"\n", 4, "a number was expected"},
            {"no qc.ags", "\"GROUP\",\"SCPT\"\n\"HEADING\",\"LOCA_ID\",\"SCPT_DPTH\"\n", 2,
             "column SCPT_RES"},
            {"no scpt.ags", "\"GROUP\",\"PROJ\"\n\"HEADING\",\"PROJ_ID\"\n", 0, "a group SCPT"},
            {"data first.ags", "\"GROUP\",\"SCPT\"\n\"DATA\",\"A\"\n", 2,
             "HEADING row was expected before the DATA"},
        });
}

}  // namespace
