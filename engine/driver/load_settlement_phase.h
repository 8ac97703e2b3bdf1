// The load-settlement phase: curves of the load-transfer method, the solver, and their output.
#pragma once

#include "engine/driver/penetration_phase.h"
#include "engine/driver/plot_writer.h"
#include "engine/driver/run_analysis.h"
#include "engine/driver/text_out.h"

namespace torve {

// Builds the t-z and Q-w curves from the load-transfer method's capacity, solves the load
// distribution and load-settlement curve, and writes the report sections and plot blocks 3 to 6
// (block 4 holds, for each load level, one line per printed capacity row).
void run_load_settlement_phase(const InputData& in, const Units& units, const PenetrationResults& penetration,
                               TextOut& report, PlotWriter& plot, RunResult& result);

}  // namespace torve
