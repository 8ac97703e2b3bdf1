// Writer of the plot data file (.tv6p): the numbers the desktop program draws, block by block.
#pragma once

#include <ostream>

#include "engine/driver/text_out.h"

namespace torve {

// Every line has a fixed layout; the desktop program tokenizes the file, so the order and count
// of the numbers are what matter. Blocks in file order:
//   1 header, 2 capacity curves, 3 t-z curves, 4 load distribution, 5 load-settlement,
//   6 additional t-z curves.
class PlotWriter {
  public:
    explicit PlotWriter(std::ostream& os, Flush flush = Flush::EveryLine) : out_(os, flush) {}

    // Block 1: capacity curve count, rows per curve, unit-system code, load-transfer method code.
    void header(int curves, int rows, int unit_code, int load_transfer_method);

    // Block 2, one row of a capacity curve (48 characters).
    void capacity_row(double depth, double skin_friction, double end_bearing, double total,
                      double unit_skin_friction);

    // Blocks 3 and 6: the curve count line, then per curve its header line and its points.
    void tz_count(int curves);
    void tz_curve_header(int number, int points, double depth);
    void tz_point(double load_transfer, double movement);

    // Block 4, one evaluated depth of one load level.
    void load_distribution_row(double depth, double load, double movement);

    // Block 5, one load level.
    void load_settlement_row(double top_load, double top_movement, double tip_load, double tip_movement);

  private:
    TextOut out_;
};

}  // namespace torve
