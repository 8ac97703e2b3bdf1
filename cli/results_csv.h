// The tables of a run's results as CSV texts at full precision, for `torve run --csv`.
#pragma once

#include <string>
#include <vector>

#include "engine/driver/run_result.h"

namespace torve::cli {

// One CSV file: what its name adds to the project's ("capacity" for PROJECT.capacity.csv), and its
// text: a header row naming each column with its unit, then the rows (RFC 4180, CRLF line ends).
struct CsvTable {
    std::string name;
    std::string text;
};

// The capacity tables of every method (a method column tells them apart), the load-settlement
// curve, the load distribution, the t-z curves and the tip curve; the verification t-z curves when
// the run has t-z print depths; the set-up (days after driving, and A, t0 and the factor of sand and
// of clay) when the run was asked for one. Numbers in their shortest form that reads back to the same double.
std::vector<CsvTable> results_csv(const RunResult& result);

}  // namespace torve::cli
