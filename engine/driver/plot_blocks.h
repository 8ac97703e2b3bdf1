// The blocks of the plot data file, each written from the results of its phase.
#pragma once

#include "engine/driver/load_settlement_results.h"
#include "engine/driver/penetration_results.h"
#include "engine/driver/plot_writer.h"
#include "engine/model/input_data.h"
#include "engine/model/units.h"

namespace torve {

// Block 1, the header, and block 2, the capacity curve of every selected method that ran.
void write_capacity_blocks(PlotWriter& plot, const InputData& in, const PenetrationResults& r);

// Blocks 3 to 5: the t-z curves along the shaft, the load distribution of every load level at the
// printed penetration rows, and the load-settlement curve; block 6, the verification curves, when
// t-z print depths were asked for.
void write_load_settlement_blocks(PlotWriter& plot, const InputData& in, const Units& units,
                                  const LoadSettlementResults& r);

}  // namespace torve
