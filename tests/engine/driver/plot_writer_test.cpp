// Plot data file lines, checked column by column against their layouts.
#include "engine/driver/plot_writer.h"

#include <gtest/gtest.h>

#include <sstream>

namespace torve {
namespace {

TEST(PlotWriter, HeaderAndCapacityRow) {
    std::ostringstream o;
    PlotWriter w(o);
    w.header(2, 31, 1, 4);
    // 2X F7.2 2X F8.1 2X F8.1 2X F9.1 2X F9.3
    w.capacity_row(15.0, 123.456, 78.9, 202.356, 1.2346);
    EXPECT_EQ(o.str(),
              "     2    31     1     4\n"
              "    15.00     123.5      78.9      202.4      1.235\n");
}

TEST(PlotWriter, TzCurveBlocks) {
    std::ostringstream o;
    PlotWriter w(o);
    w.tz_count(3);
    w.tz_curve_header(1, 10, 12.0);  // 8X I5 I11 E16.4
    w.tz_point(0.5, 0.01);           // 40X E17.4 E16.4
    EXPECT_EQ(o.str(),
              "     3\n"
              "            1         10      0.1200E+02\n"
              "                                               0.5000E+00      0.1000E-01\n");
}

TEST(PlotWriter, LoadDistributionAndSettlementRows) {
    std::ostringstream o;
    PlotWriter w(o);
    w.load_distribution_row(10.5, 250.0, 0.0123);  // 3X E10.3, three times
    w.load_settlement_row(500.0, 0.25, 120.0, 0.1);
    EXPECT_EQ(o.str(),
              "    0.105E+02    0.250E+03    0.123E-01\n"
              "       0.5000E+03      0.2500E+00      0.1200E+03      0.1000E+00\n");
}

}  // namespace
}  // namespace torve
