// The blocks of the plot data file, each written from the results of a run.
#pragma once

#include "engine/driver/plot_writer.h"
#include "engine/driver/run_result.h"
#include "engine/model/input_data.h"

namespace torve {

// Block 1, the header, and block 2, the capacity curve of every selected method that ran.
void write_capacity_blocks(PlotWriter& plot, const RunResult& r);

// Blocks 3 to 5: the t-z curves along the shaft, the load distribution of every load level at the
// printed penetration rows, and the load-settlement curve; block 6, the verification curves, when
// the input asks for t-z print depths.
void write_load_settlement_blocks(PlotWriter& plot, const InputData& in, const RunResult& r);

}  // namespace torve
