// The load-settlement phase: curves of the load-transfer method and the solver, into the results.
#pragma once

#include "engine/driver/penetration_results.h"
#include "engine/driver/run_result.h"
#include "engine/methods/load_settlement.h"
#include "engine/model/input_data.h"
#include "engine/model/units.h"

namespace torve {

// The load-transfer method's skin friction and tip resistance; none when it did not run.
LoadTransferInput load_transfer_input(const PenetrationResults& p);

// What the settlement solver works on: a shaft spring per segment, the tip curve and the stiffness
// of the pile (stickup plus embedded length, from the head), in the solver's units.
struct SolverPile {
    std::vector<TzCurve> springs;
    QwCurve tip;
    AxialStiffness stiffness;
    double length = 0;
    double diameter = 0;
    SolverSettings settings;
};

SolverPile solver_pile(const InputData& in, const Units& units, const PenetrationResults& p,
                       const LoadTransferInput& input);

// Builds the t-z and Q-w curves from the load-transfer method's capacity, solves the load
// distribution and load-settlement curve, builds the verification curves at the t-z print depths
// (when asked for), and puts them all into `result` with the solver's warnings.
void run_load_settlement_phase(const InputData& in, const Units& units, const PenetrationResults& penetration,
                               RunResult& result);

}  // namespace torve
