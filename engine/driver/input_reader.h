// Readers of the input data file (.tv6d) and the CPT data file (.cpt).
#pragma once

#include <string>
#include <string_view>

#include "engine/model/input_data.h"

namespace torve {

// Parses the input data file and applies the reader's conversions (tip area to ft2, equivalent
// diameter of a noncircular section, absent end section, psf to ksf, unlimited-value markers).
// Input the analysis cannot use (a count over its table limit, a missing or non-numeric value, a
// value out of its range) raises InputError naming the file, record, line and what was expected.
InputData parse_input_data(std::string_view text, const std::string& file_name);

// Parses the CPT data file: unit code, row count, then one depth/qc pair per row.
CptProfile parse_cpt_data(std::string_view text, const std::string& file_name);

// Reads a whole text file; a missing or unreadable file raises InputError naming `what`.
std::string read_text_file(const std::string& path, std::string_view what);

}  // namespace torve
