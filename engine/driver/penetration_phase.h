// The penetration phase: every method's capacity against penetration, then its tables and curves.
#pragma once

#include "engine/driver/penetration_results.h"
#include "engine/driver/plot_writer.h"
#include "engine/driver/run_result.h"
#include "engine/driver/text_out.h"
#include "engine/model/input_data.h"
#include "engine/model/units.h"

namespace torve {

// Builds the soil segments and runs every method routine in table order; the cone-based methods
// only with offshore data.
PenetrationResults compute_penetration(const InputData& in, const Units& units, const CptProfile& cpt,
                                       int segment_count);

// Computes the phase, writes the capacity table of each selected method to the report and its curve
// to the plot file (after the plot header), and records the tip capacities in `result`. The tables
// are not kept in the results returned.
PenetrationResults run_penetration_phase(const InputData& in, const Units& units, const CptProfile& cpt,
                                         int segment_count, TextOut& report, PlotWriter& plot,
                                         RunResult& result);

}  // namespace torve
