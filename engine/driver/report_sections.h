// The sections of the text report (and the console lines that mirror some of them).
#pragma once

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "engine/driver/run_result.h"
#include "engine/driver/text_out.h"
#include "engine/driver/unit_labels.h"
#include "engine/methods/method_warning.h"
#include "engine/model/input_data.h"

namespace torve {

// Banner with the version string; written to the console and to the report.
void write_banner(TextOut& out, std::string_view version);

// Folder of the input file and the names of the input, report and plot files.
void write_file_names(TextOut& out, const std::string& input, const std::string& report,
                      const std::string& plot);

// "Time and Date of Analysis" block for the given local time.
void write_date_block(TextOut& out, const std::tm& when);

// Console warning when the deepest soil point is shallower than pile length plus two diameters.
void write_soil_extent_warning(TextOut& console, double required_depth, const UnitLabels& u);

// Report message when the stated soil depth is too shallow; the run ends after it.
void write_soil_extent_stop(TextOut& out, double stated_depth, double required_depth, const UnitLabels& u);

// "INPUT INFORMATION": the echo of every input value.
void write_input_echo(TextOut& out, const InputData& in, const UnitLabels& u);

// "COMPUTATION RESULT" heading.
void write_result_heading(TextOut& out);

// Message when the soil profile needs more segments than the tables hold; console and report.
void write_segment_limit(TextOut& out, long long segment_count);

// The warnings a method raised while it computed, one line each, above its capacity table.
void write_method_warnings(TextOut& out, const std::vector<MethodWarning>& warnings);

// Rows printed with print interval p: 0, p, 2p, ... and always the last row.
std::vector<int> printed_rows(int rows, int print_interval);

// A method's capacity table under its framed title: penetration, skin friction, end bearing (or
// self weight), the plug's asterisk, ultimate capacity.
void write_capacity_table(TextOut& out, const CapacityTable& table, const UnitLabels& u, bool tension);

// The time after driving and the set-up of each soil type, when the run was asked for them.
void write_setup_lines(TextOut& out, const SetupApplied& setup);

// The capacity table of every selected method that ran, each under the warnings of its method,
// after the set-up lines when there is a set-up.
void write_capacity_tables(TextOut& out, const RunResult& result);

}  // namespace torve
