// A warning about the project's data that a run writes before its results.
#pragma once

#include <optional>
#include <string>

#include "engine/model/method_table.h"

namespace torve {

// The report and console line, and the same in a sentence for the run's summary, with the method
// and the depth it concerns where it has them.
struct DataWarning {
    std::string line;
    std::string sentence;
    std::optional<Method> method = {};
    std::optional<double> depth = {};
};

}  // namespace torve
