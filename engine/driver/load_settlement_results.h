// What the load-settlement phase computes from the load-transfer method's capacity.
#pragma once

#include <optional>
#include <vector>

#include "engine/methods/load_settlement.h"
#include "engine/methods/load_transfer_curves.h"

namespace torve {

// Load and movement of a load level at a depth below the ground surface (ft or m); load and
// movement in the solver's units.
struct DistributionPoint {
    double ground_depth = 0;
    double load = 0;
    double movement = 0;
};

struct LoadSettlementResults {
    // False when the load-transfer method did not run: its curves then carry no resistance.
    bool transfer_method_ran = true;
    std::vector<TzCurve> shaft;  // t-z curves along the shaft, in depth order
    QwCurve tip;
    LoadSettlement solution;
    // Each load level at the depths of the printed penetration rows.
    std::vector<std::vector<DistributionPoint>> distribution;
    // Verification curves at the t-z print depths (when asked for); none for a depth outside the soil.
    std::vector<std::optional<TzCurve>> checks;
};

}  // namespace torve
