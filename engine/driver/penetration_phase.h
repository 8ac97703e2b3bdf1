// The penetration phase: every method's capacity against penetration, and the tables of the run.
#pragma once

#include "engine/driver/penetration_results.h"
#include "engine/driver/run_result.h"
#include "engine/methods/shaft_setup.h"
#include "engine/model/input_data.h"
#include "engine/model/units.h"

namespace torve {

// Builds the soil segments and runs every method routine in table order; the cone-based methods
// only with offshore data. With `setup`, every method's skin friction is that many days after driving.
PenetrationResults compute_penetration(const InputData& in, const Units& units, const CptProfile& cpt,
                                       int segment_count,
                                       const std::optional<SetupRates>& setup = std::nullopt);

// Computes the phase and puts the capacity table of each selected method that ran, at the printed
// rows, into `result`; the tables are not kept in the results returned.
PenetrationResults run_penetration_phase(const InputData& in, const Units& units, const CptProfile& cpt,
                                         int segment_count, RunResult& result,
                                         const std::optional<SetupRates>& setup = std::nullopt);

}  // namespace torve
