// The numbers of a plot data file, block by block, as the arrays the Python module hands out.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "engine/model/file_format.h"

namespace torve::python {

// One capacity curve: a column per quantity, a row per printed penetration depth.
struct CapacityColumns {
    std::vector<double> depth, skin_friction, end_bearing, total, unit_skin_friction;
};

// A t-z (or Q-w) curve at a depth below the ground surface.
struct TransferCurve {
    double depth = 0;
    std::vector<double> load_transfer, movement;
};

struct PlotArrays {
    int units = 1;
    int load_transfer_method = 0;
    int rows = 0;
    std::vector<CapacityColumns> capacity;  // in the order of the report's capacity tables
    std::vector<TransferCurve> tz_curves;
    // One row per load level, one column per printed depth.
    std::vector<std::vector<double>> distribution_depth, distribution_load, distribution_movement;
    // One value per load level: at the pile head and at the tip.
    std::vector<double> head_load, head_movement, tip_load, tip_movement;
    std::vector<TransferCurve> extra_tz_curves;
    bool complete = false;  // every block the run writes was there
};

// Reads the plot text of a completed run; `extra_tz` says whether it ends with the curves at the
// extra print depths. A text that stops early (a run stopped by its own checks) gives the blocks
// that are whole, with `complete` false.
PlotArrays read_plot_arrays(std::string_view text, bool extra_tz);

}  // namespace torve::python
