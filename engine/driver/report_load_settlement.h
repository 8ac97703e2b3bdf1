// Report sections of the load-transfer curves, load distribution and load-settlement curve.
#pragma once

#include <string_view>
#include <vector>

#include "engine/driver/run_result.h"
#include "engine/driver/text_out.h"
#include "engine/driver/unit_labels.h"
#include "engine/model/input_data.h"
#include "engine/model/units.h"

namespace torve {

// One entry of a t-z table: a curve, or none for a depth outside the soil.
struct TzEntry {
    int number = 0;
    const TransferCurve* curve = nullptr;
};

void write_asterisk_note(TextOut& out);
void write_load_settlement_banner(TextOut& out);
void write_verification_banner(TextOut& out);
// Warning, in the report and on the console, that the load-transfer method did not run, so that its
// curves and the load-settlement results carry no resistance.
void write_load_transfer_not_run(TextOut& out);
// The sections below take the results' values; `units` gives the report's unit of movement.
void write_tz_table(TextOut& out, const std::vector<TzEntry>& entries, const Units& units,
                    const UnitLabels& u);
void write_tip_curve(TextOut& out, const TipCurve& tip, const Units& units, const UnitLabels& u);
void write_assumed_tip_movements(TextOut& out, const std::vector<LoadLevelResult>& levels, const Units& units,
                                 const UnitLabels& u);
void write_load_distribution(TextOut& out, const std::vector<LoadLevelResult>& levels, const Units& units,
                             const UnitLabels& u);
void write_load_settlement_curve(TextOut& out, const std::vector<LoadLevelResult>& levels, const Units& units,
                                 const UnitLabels& u);

// The heading of the working loads' section, which readers of the report look for.
inline constexpr std::string_view kWorkingLoadsHeading = "SETTLEMENT AT WORKING LOADS";
// The head movement at each working load, after every other section: method, fraction of its
// capacity at the tip, head load (E16.4) and head movement (E16.4, in or mm) or "BEYOND THE CURVE".
void write_working_loads(TextOut& out, const std::vector<WorkingLoad>& loads, const Units& units,
                         const UnitLabels& u);

// Every section of the load-settlement phase in report order, from the asterisk note to the
// verification curves (when the input asks for t-z print depths).
void write_load_settlement_report(TextOut& out, const InputData& in, const RunResult& r);

}  // namespace torve
