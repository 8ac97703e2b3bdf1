// The penetration phase: every method's capacity against penetration, in two passes.
#pragma once

#include <optional>

#include "engine/driver/plot_writer.h"
#include "engine/driver/run_analysis.h"
#include "engine/driver/text_out.h"
#include "engine/methods/capacity_curve.h"
#include "engine/methods/pile_geometry.h"
#include "engine/methods/soil_profile.h"
#include "engine/model/input_data.h"

namespace torve {

struct PenetrationResults {
    SoilProfile profile;
    PileGeometry pile;
    std::vector<int> printed_rows;
    // Capacity of the load-transfer method, the input of the t-z and Q-w curves; empty when its
    // routine did not run (an offshore method without offshore data).
    std::optional<CapacityCurve> load_transfer;
};

// Builds the soil segments, runs every method routine in the fixed order of the two passes, and
// writes the capacity table and plot curve of each selected method. Tip capacities of the written
// tables go to `result`.
PenetrationResults run_penetration_phase(const InputData& in, const Units& units, const CptProfile& cpt,
                                         int segment_count, TextOut& report, PlotWriter& plot,
                                         RunResult& result);

}  // namespace torve
