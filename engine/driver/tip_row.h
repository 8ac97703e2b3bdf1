// The last penetration row, which every table, summary and curve presents as the pile tip.
#pragma once

#include <optional>

#include "engine/driver/data_warning.h"
#include "engine/model/input_data.h"

namespace torve {

// Depth of the last penetration row: the last whole computation increment not below the tip.
double tip_row_depth(const InputData& in);

// The rows stop at the last whole increment: a pile length that is not a whole number of
// increments leaves the tip itself without a row, and every capacity "at the tip" is that of a
// shallower penetration. The run then warns once, naming both depths.
std::optional<DataWarning> tip_row_warning(const InputData& in);

}  // namespace torve
