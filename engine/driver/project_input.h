// The input of a project as `torve run` reads it, for the commands and entries that analyse it
// themselves.
#pragma once

#include <optional>
#include <string>

#include "engine/driver/input_reader.h"

namespace torve {

// Reads PROJECT.tv6d, and beside it the CPT data file PROJECT.cpt and the soil layer constants file
// (a project goes on without either), through parse_run_input, with `only_method` its only method
// when given. Raises InputError naming the file that cannot be read or the first value the checks
// refuse.
RunInput read_project_input(const std::string& project, std::optional<Method> only_method = std::nullopt);

}  // namespace torve
