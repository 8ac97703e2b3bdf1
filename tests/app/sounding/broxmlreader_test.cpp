// The BRO-XML reader of cone data: the example file of examples/cpt read as written, and damaged
// files refused with the file, the line and what was expected.
#include <gtest/gtest.h>

#include "app/sounding/broxmlreader.h"
#include "app/sounding/soundingfile.h"
#include "tests/app/support/soundingrows.h"

namespace {

using namespace torve::app;
using namespace torve::app::test;
using Q = SoundingQuantity;

TEST(BroXmlReader, ExampleTakesTheDeclaredColumns) {
    const Sounding s = readSoundingFile(coneExample("sounding.xml"));
    ASSERT_EQ(s.tests.size(), 1u);
    const SoundingTest& t = s.tests[0];
    EXPECT_EQ(t.id, QStringLiteral("CPT-04"));
    EXPECT_DOUBLE_EQ(t.areaRatio, 0.75);
    ASSERT_EQ(t.rows.size(), 4u);
    expectRow(t.rows[0], {0.0, kNone, kNone, kNone, kNone});
    expectRow(t.rows[2], {0.198, 2.4, 0.02, 0.04, kNone});
    EXPECT_DOUBLE_EQ(t.rows[2][Q::PenetrationLength], 0.2);
}

// Each damaged file is refused at its line with what was expected there.
TEST(BroXmlReader, DamagedFilesAreRefusedWithFileLineAndWhatWasExpected) {
    expectEachRefused(
        readBroXmlSounding,
        {
            {"broken.xml", "<a><b></a>", 1, "well-formed XML"},
            {"no values.xml", "<a><b/></a>", 0, "cptResult with its values"},
            {"short block.xml",
             "<a>\n<values>0.1,1.0;0.2</values><parameters><penetrationLength/><coneResistance/></"
             "parameters></"
             "a>",
             2, "2 values were expected in result 2 but 1"},
            {"text value.xml",
             "<a><values>0.1,x</values><parameters><depth/><coneResistance/></parameters></a>", 1,
             "value 2 of result 1 but \"x\""},
            {"no cone.xml", "<a><values>0.1,1</values><parameters><depth/><temperature/></parameters></a>", 1,
             "a parameter coneResistance"},
            {"separators.xml", "<a><TextEncoding tokenSeparator=\";\" blockSeparator=\";\"/></a>", 1,
             "all different"},
        });
}

}  // namespace
