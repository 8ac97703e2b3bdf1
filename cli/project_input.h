// Reading a project for the commands that analyse it in memory: the input data file and, beside it,
// its CPT data file where there is one.
#pragma once

#include <string>

#include "engine/driver/input_reader.h"

namespace torve::cli {

// The project at `path` and PROJECT.cpt beside it; as torve run, a project goes on without its CPT
// data file. Raises InputError naming the file and the place that cannot be read.
RunInput read_project_input(const std::string& path);

}  // namespace torve::cli
