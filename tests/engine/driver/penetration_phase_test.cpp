// Printed rows, the plot header and the table layout of the penetration phase.
#include <gtest/gtest.h>

#include "engine/driver/report_sections.h"
#include "tests/engine/methods/method_fixture.h"

namespace torve {
namespace {

using test::PhaseRun;

ProjectRecords sand_pile() {
    ProjectRecords p = test::project();
    p.outside_diameter = 24;
    p.inside_diameter = 0;
    p.total_pile_length = 60;
    p.deepest_soil_depth = 100;
    test::add_layer(p, test::sand_layer(0, 100, 60, 30, 0.8, 20));
    return p;
}

TEST(PrintedRows, EveryNthRowAndTheLast) {
    // L = 60, increment 1: 61 rows
    const std::vector<int> five = printed_rows(61, 5);
    ASSERT_EQ(five.size(), 13u);
    EXPECT_EQ(five.front(), 0);
    EXPECT_EQ(five[1], 5);
    EXPECT_EQ(five.back(), 60);
    const std::vector<int> seven = printed_rows(61, 7);
    EXPECT_EQ(seven, (std::vector<int>{0, 7, 14, 21, 28, 35, 42, 49, 56, 60}));
    EXPECT_EQ(printed_rows(61, 1).size(), 61u);
    EXPECT_EQ(printed_rows(1, 3), (std::vector<int>{0}));
}

TEST(PenetrationPhase, PlotHeaderAndRowsMatchTheReportTable) {
    ProjectRecords p = sand_pile();
    p.print_interval = 7;
    const PhaseRun r(p);
    std::istringstream plot(r.plot);
    std::string header;
    std::getline(plot, header);
    EXPECT_EQ(header, "     1    10     1     4");
    int rows = 0;
    for (std::string line; std::getline(plot, line);) ++rows;
    EXPECT_EQ(rows, 10);
    EXPECT_NE(r.plot.find("\n    56.00"), std::string::npos);
    EXPECT_NE(r.plot.find("\n    60.00"), std::string::npos);
    EXPECT_NE(r.report.find("\n             56.00"), std::string::npos);
    ASSERT_EQ(r.run.methods.size(), 1u);
    EXPECT_EQ(r.run.methods[0].method, Method::Api);
    EXPECT_DOUBLE_EQ(r.run.methods[0].depth.back(), 60);
}

TEST(PenetrationPhase, TableLayout) {
    const PhaseRun r(sand_pile());
    EXPECT_NE(r.report.find("\n\n\n                            **********************\n"
                            "                            *  API RP-2A (1994)  *\n"
                            "                            **********************\n\n"
                            "             PILE       TOTAL SKIN       END       ULTIMATE\n"
                            "          PENETRATION   FRICTION       BEARING     CAPACITY\n"
                            "              FT.          KIP           KIP          KIP\n"
                            "              0.00           0.0           2.8          2.8\n"),
              std::string::npos)
        << r.report;
}

TEST(PenetrationPhase, UnselectedMethodsWriteNothing) {
    ProjectRecords p = sand_pile();
    p.method_selection_flags = MethodFlags{0, 0, 0, 0, 0, 1, 0, 0, 0};  // NGI selected, offshore data off
    const PhaseRun r(p);
    EXPECT_EQ(r.plot, "     0    61     1     4\n");
    EXPECT_EQ(r.report, "");
    EXPECT_TRUE(r.results.load_transfer.has_value());  // the load-transfer method runs regardless
}

TEST(PenetrationPhase, SiUnitsLabels) {
    ProjectRecords p = sand_pile();
    p.unit_system_code = 2;
    p.outside_diameter = 610;
    p.total_pile_length = 20;
    p.deepest_soil_depth = 30;
    p.soil_points[1].depth = 30;
    p.soil_points[0].effective_unit_weight = p.soil_points[1].effective_unit_weight = 9;
    const PhaseRun r(p);
    EXPECT_NE(r.report.find("              M.           KN.           KN.          KN.\n"),
              std::string::npos);
    EXPECT_EQ(r.plot.substr(0, 25), "     1    21     2     4\n");
}

}  // namespace
}  // namespace torve
