// The load-settlement phase: curves of the load-transfer method and the solver, then their output.
#pragma once

#include "engine/driver/load_settlement_results.h"
#include "engine/driver/penetration_results.h"
#include "engine/driver/plot_writer.h"
#include "engine/driver/run_result.h"
#include "engine/driver/text_out.h"
#include "engine/model/input_data.h"
#include "engine/model/units.h"

namespace torve {

// Builds the t-z and Q-w curves from the load-transfer method's capacity, solves the load
// distribution and load-settlement curve, and builds the verification curves.
LoadSettlementResults compute_load_settlement(const InputData& in, const Units& units,
                                              const PenetrationResults& penetration);

// Computes the phase, writes its report sections and plot blocks 3 to 6, and records in `result`
// the head load and movement at the largest load and the solver's warnings.
void run_load_settlement_phase(const InputData& in, const Units& units, const PenetrationResults& penetration,
                               TextOut& report, PlotWriter& plot, RunResult& result);

}  // namespace torve
