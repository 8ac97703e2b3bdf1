// The short account `torve run` prints for each project.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "engine/driver/run_analysis.h"

namespace torve::cli {

// `csv` names the CSV files written of the run's tables, when there are any.
void print_run_summary(std::ostream& out, const std::string& project, const std::string& report,
                       const std::string& plot, const std::vector<std::string>& csv, const RunResult& result);

}  // namespace torve::cli
