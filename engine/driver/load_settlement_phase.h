// The load-settlement phase: curves of the load-transfer method and the solver, into the results.
#pragma once

#include "engine/driver/penetration_results.h"
#include "engine/driver/run_result.h"
#include "engine/model/input_data.h"
#include "engine/model/units.h"

namespace torve {

// Builds the t-z and Q-w curves from the load-transfer method's capacity, solves the load
// distribution and load-settlement curve, builds the verification curves at the t-z print depths
// (when asked for), and puts them all into `result` with the solver's warnings.
void run_load_settlement_phase(const InputData& in, const Units& units, const PenetrationResults& penetration,
                               RunResult& result);

}  // namespace torve
