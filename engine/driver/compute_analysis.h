// The computation of a run, which the text run formats and the computation alone returns.
#pragma once

#include <optional>
#include <vector>

#include "engine/driver/data_warning.h"
#include "engine/driver/penetration_results.h"
#include "engine/driver/run_result.h"
#include "engine/methods/shaft_setup.h"
#include "engine/model/input_data.h"
#include "engine/model/units.h"

namespace torve {

// Fills `result` with every table, curve and warning of the analysis, or with the stop of one of
// its checks. `in` is as the input reader gives it; the soil points move onto the computation grid
// in a copy. Input without soil points or increment raises InputError; an unexpected failure
// may throw too, leaving what was computed. With `setup` the skin friction is that many days after
// driving; a request out of range raises InputError before anything is computed.
void compute_results(const InputData& in, const CptProfile& cpt, RunResult& result,
                     const std::optional<SetupRequest>& setup = std::nullopt);

// The checks and the penetration phase of compute_results: each method's capacity and the warnings
// in `result`, and the input with its soil points on the computation grid in `aligned`. None when a
// check stopped the run (the stop is in `result`).
std::optional<PenetrationResults> compute_penetration(
    const InputData& in, const CptProfile& cpt, RunResult& result, InputData& aligned,
    const std::optional<SetupRequest>& setup = std::nullopt);

// Depth the soil must reach: the pile length plus two outside diameters, ft or m.
double required_soil_depth(const InputData& in, const Units& units);

// Whether the deepest soil point lies above the required depth: the soil below it is extrapolated.
bool soil_points_short(const InputData& in, const Units& units);

// The warnings about the project's data a run gives before its results, taken on the soil points
// as entered: the clay data of the shared clay rule, and the extent of the cone data.
std::vector<DataWarning> data_warnings(const InputData& in, const CptProfile& cpt, const Units& units);

}  // namespace torve
