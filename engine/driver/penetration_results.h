// What the penetration phase computes: the soil segments, the pile, and each method's capacity.
#pragma once

#include <optional>
#include <vector>

#include "engine/methods/capacity_curve.h"
#include "engine/methods/pile_geometry.h"
#include "engine/methods/soil_profile.h"

namespace torve {

struct PenetrationResults {
    SoilProfile profile;
    PileGeometry pile;
    std::vector<int> printed_rows;  // penetration rows of the capacity tables and curves
    // Capacity of every selected method that ran, in table order, at every penetration row: what the
    // run's capacity tables take at the printed rows.
    std::vector<CapacityCurve> tables;
    // Capacity of the load-transfer method, the input of the t-z and Q-w curves; empty when its
    // routine did not run (a cone-based method without offshore data).
    std::optional<CapacityCurve> load_transfer;
};

}  // namespace torve
