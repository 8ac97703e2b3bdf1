// What one analysis run reports back: its status, where it stopped and the figures at the tip.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/model/file_format.h"

namespace torve {

// Status of a run, also the result of the C entry point.
enum class RunStatus : std::int32_t {
    Completed = 0,      // the run ended normally or stopped cleanly at one of its own input checks
    BadArgument = 1,    // the entry point was called with an argument other than 3
    InputError = 2,     // an input file is missing, malformed or beyond a table limit
    OutputError = 3,    // the report or plot file cannot be created or written
    InternalError = 4,  // an unexpected failure inside the engine
};

// Where a completed run stopped before its results, by the engine's own checks.
enum class RunStop {
    None,
    SoilExtent,    // stated soil depth shallower than pile length plus two diameters
    SegmentLimit,  // more soil segments than the tables hold
};

// Capacity of one selected method at the pile tip (last penetration row).
struct TipCapacity {
    Method method = Method::Api;
    double penetration = 0;
    double skin_friction = 0;
    double end_bearing = 0;  // self weight under tension
    double ultimate = 0;
};

struct RunResult {
    RunStatus status = RunStatus::Completed;
    RunStop stop = RunStop::None;
    std::string message;                // the failure or stop message, when there is one
    std::vector<std::string> warnings;  // console warnings that do not stop the run
    std::vector<TipCapacity> tip_capacities;
    bool english = true;   // unit system of the values above
    bool tension = false;  // the tip capacities hold the self weight instead of the end bearing
    // The report was created (and may hold part of the run); false when the run stopped before it.
    bool report_started = false;
    // Head load and movement at the largest load level of the load-settlement curve.
    std::optional<double> max_head_load;
    std::optional<double> max_head_movement;
    // Most iterations any pile segment of the settlement solver needed.
    int solver_max_iterations = 0;
};

}  // namespace torve
