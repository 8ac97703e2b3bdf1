// Layout of the load-transfer and load-settlement report sections, written out by hand.
#include "engine/driver/report_load_settlement.h"

#include <gtest/gtest.h>

#include <sstream>

namespace torve {
namespace {

const UnitLabels kEnglish = unit_labels(UnitSystem::English);
const UnitLabels kSi = unit_labels(UnitSystem::SI);

TEST(ReportLoadSettlement, NoteAndBanners) {
    std::ostringstream o;
    TextOut out(o);
    write_asterisk_note(out);
    write_load_settlement_banner(out);
    const std::string rule = std::string(16, ' ') + std::string(49, '*') + "\n";
    EXPECT_EQ(o.str(),
              "\n\n            AN ASTERISK WILL BE PLACED IN THE END-BEARING COLUMN\n"
              "            IF THE TIP RESISTANCE IS CONTROLLED BY THE FRICTION\n"
              "            OF SOIL PLUG INSIDE AN OPEN-ENDED PIPE PILE.\n\n\n\n" +
                  rule + "                * COMPUTE LOAD-DISTRIBUTION AND LOAD-SETTLEMENT *\n" +
                  "                * CURVES FOR AXIAL LOADING                      *\n" + rule + "\n\n");
}

TEST(ReportLoadSettlement, TzTableInReportUnits) {
    TransferCurve c;
    c.depth = 12.5;
    c.movement = {0, 0.01, 0.02, 0.04, 0.06, 0.08, 0.09, 0.1, 0.5, 2.0};
    c.load_transfer = {0, 0.144, 0.288, 0.576, 0.864, 1.152, 1.296, 1.44, 1.44, 1.44};  // ksf
    std::ostringstream o;
    TextOut out(o);
    write_tz_table(out, {{1, &c}, {2, nullptr}}, units_of(UnitSystem::English), kEnglish);
    std::istringstream lines(o.str());
    std::vector<std::string> l;
    for (std::string s; std::getline(lines, s);) l.push_back(s);
    ASSERT_EQ(l.size(), 15u);
    EXPECT_EQ(l[0], "        T-Z CURVE   NO. OF   DEPTH TO CURVE   LOAD TRANSFER   PILE MOVEMENT");
    EXPECT_EQ(l[1], "           NO.      POINTS        FT.              KSF             IN.");
    EXPECT_EQ(l[2], "");
    EXPECT_EQ(l[3], "            1         10      0.1250E+02");
    EXPECT_EQ(l[4], std::string(40, ' ') + "       0.0000E+00      0.0000E+00");
    EXPECT_EQ(l[13], std::string(40, ' ') + "       0.1440E+01      0.2000E+01");
    EXPECT_EQ(l[14], "               CURVE NOT PRINTED SINCE DEPTH OUTSIDE SOIL RANGE");
}

// One load level of an S.I. pile with a stickup of 5 m, in the results' units (kN, m below the
// ground surface, kPa, movements in m); the report prints the movements in mm.
std::vector<LoadLevelResult> one_level() {
    LoadLevelResult l;
    l.tip_movement = 0.012;
    l.tip_load = 150;
    l.head_load = 250;
    l.head_movement = 0.0155;
    l.boundaries = {{15, 150, 0.012}, {5, 250, 0.0155}};
    SegmentSolution s;
    s.depth = 10;
    s.load_transfer = 12.5;
    s.load_increment = 100;
    s.average_load = 200;
    s.compression = 0.0035;
    s.average_movement = 0.0137;
    l.segments = {s};
    return {l};
}

TEST(ReportLoadSettlement, LoadDistributionRowsStandUnderTheirHeadings) {
    std::ostringstream o;
    TextOut out(o);
    std::vector<LoadLevelResult> two_levels = one_level();
    two_levels.push_back(two_levels.front());
    write_load_distribution(out, two_levels, units_of(UnitSystem::SI), kSi);
    // The rows follow the unit line, and each load level the one before, without a blank line.
    const std::string level =
        "     15.00                    0.150E+03                     0.120E+02\n"
        "     10.00    12.50 0.100E+03           0.200E+03 0.350E+01           0.137E+02\n"
        "      5.00                    0.250E+03                     0.155E+02\n";
    EXPECT_EQ(o.str(),
              "\n\n\n     DEPTH   LOAD     LOAD      TOTAL      AVG     COMP       TOTAL     AVG\n"
              "           TRANSFER   INCR      LOAD       LOAD    OF INCR    MVMNT     MVMNT\n"
              "      M.    KPA        KN.       KN.        KN.     MM.        MM.       MM.\n" +
                  level + level);
}

TEST(ReportLoadSettlement, TipAndSettlementCurves) {
    std::ostringstream o;
    TextOut out(o);
    const std::vector<LoadLevelResult> levels = one_level();
    write_assumed_tip_movements(out, levels, units_of(UnitSystem::SI), kSi);
    write_load_settlement_curve(out, levels, units_of(UnitSystem::SI), kSi);
    EXPECT_EQ(o.str(),
              "\n\n\n        ASSUMED TIP MOVEMENT        TIP   LOAD\n"
              "                 MM.                    KN.\n"
              "             0.1200E+02             0.1500E+03\n"
              "\n\n\n                      LOAD VERSUS SETTLEMENT CURVE\n"
              "                      ****************************\n\n\n\n"
              "        TOP  LOAD     TOP MOVEMENT       TIP  LOAD      TIP MOVEMENT\n"
              "           KN.             MM.              KN.            MM.\n"
              "       0.2500E+03      0.1550E+02      0.1500E+03      0.1200E+02\n");
}

}  // namespace
}  // namespace torve
