// The soil settlement file: a depth and a settlement on each line, in the project's units.
#pragma once

#include <string>
#include <string_view>

#include "engine/driver/downdrag_analysis.h"

namespace torve {

// Parses the text of a soil settlement file: on each line a depth (ft or m below the ground surface)
// and a settlement (in or mm), separated by a comma, a semicolon, a tab or spaces; blank lines and
// lines starting with "#" are skipped. The depths must increase from line to line. A line with text,
// a value that is not a finite number, more or fewer than two values, or a depth not below the one
// before raises InputError naming the file and the line.
SoilSettlement parse_soil_settlement(std::string_view text, const std::string& file_name);

}  // namespace torve
