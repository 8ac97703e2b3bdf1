// The settlement file kept beside a project: its head load line, what it writes and reads back.
#include "engine/model/soil_settlement_file.h"

#include <gtest/gtest.h>

#include <limits>

#include "engine/model/input_error.h"

namespace torve {
namespace {

TEST(SettlementRecord, WrittenAndReadBackUnchanged) {
    struct Case {
        SettlementRecord record;
        bool english;
        const char* text;
    };
    // 0.1 + 0.2 has no short decimal: its shortest exact form, 0.30000000000000004, goes to the file.
    const Case cases[] = {
        {{{{0, 20}, {1000, 0}}, 600.0},
         false,
         "# depth (m), settlement (mm)\n# head load (kN): 600\n0,1000\n20,0\n"},
        {{{{0, 0.1 + 0.2, 60}, {10, 5.5, 0}}, std::nullopt},
         true,
         "# depth (ft), settlement (in)\n0,10\n0.30000000000000004,5.5\n60,0\n"},
        {{{{-2.5}, {3}}, 0.0}, true, "# depth (ft), settlement (in)\n# head load (kips): 0\n-2.5,3\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string text = settlement_record_text(c.record, c.english);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(parse_settlement_record(text, "p.settlement.csv"), c.record);
        // A plain settlement file reads the same profile and has no head load.
        EXPECT_EQ(parse_soil_settlement(text, "p.settlement.csv"), c.record.soil);
    }
}

TEST(SettlementRecord, RefusesAHeadLoadItCannotTakeNamingItsLine) {
    for (const char* line : {"# head load (kN): -5", "# head load (kN): many",
                             "# head load (kN):", "# head load (kN): nan", "# head load 100"}) {
        SCOPED_TRACE(line);
        const std::string text = std::string("0,10\n") + line + "\n20,0\n";
        try {
            parse_settlement_record(text, "s.csv");
            ADD_FAILURE() << "taken";
        } catch (const InputError& e) {
            EXPECT_EQ(e.place().line, 2u);
            EXPECT_NE(
                std::string(e.what()).find("The soil settlement file \"s.csv\", line 2: expected a head "
                                           "load of 0 or more"),
                std::string::npos)
                << e.what();
        }
    }
    // A head load entered before any settlement stands alone; without one the file has no point.
    EXPECT_EQ(parse_settlement_record("# head load (kN): 600\n", "s.csv"), (SettlementRecord{{}, 600.0}));
    EXPECT_THROW(parse_settlement_record("# depth (m), settlement (mm)\n", "s.csv"), InputError);
    // Other comments stay comments.
    EXPECT_FALSE(parse_settlement_record("# head of the pile at 0\n0,1\n", "s.csv").head_load);
}

TEST(SettlementRecord, KeptBesideTheProjectUnderItsName) {
    EXPECT_EQ(settlement_file_beside("/p/pile.tv6d"), "/p/pile.settlement.csv");
    EXPECT_EQ(settlement_file_beside("/p.d/pile"), "/p.d/pile.settlement.csv");
    EXPECT_EQ(settlement_file_beside("C:\\p\\a.b.tv6d"), "C:\\p\\a.b.settlement.csv");
    EXPECT_EQ(settlement_file_beside("/p/.hidden"), "/p/.hidden.settlement.csv");
}

}  // namespace
}  // namespace torve
