// A warning about the project's data that a run writes before its results.
#pragma once

#include <string>

namespace torve {

// The report and console line, and the same in a sentence for the run's summary.
struct DataWarning {
    std::string line;
    std::string sentence;
};

}  // namespace torve
