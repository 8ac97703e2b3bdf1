// The results of a run at a glance, as the calculation sheet and the desktop's summary give them.
#pragma once

#include "app/project/resultssummary.h"
#include "engine/driver/run_result.h"

namespace torve::cli {

// Per method the values at the pile tip (the last row of its table), the head at the largest load
// level, the working loads (movements in in or mm) and every warning with its method and depth.
app::ResultsSummary summary_of_run(const RunResult& result);

}  // namespace torve::cli
