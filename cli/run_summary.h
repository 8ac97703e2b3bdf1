// The short account `torve run` prints for each project.
#pragma once

#include <ostream>
#include <string>

#include "engine/driver/run_analysis.h"

namespace torve::cli {

void print_run_summary(std::ostream& out, const std::string& project, const std::string& report,
                       const std::string& plot, const RunResult& result);

}  // namespace torve::cli
