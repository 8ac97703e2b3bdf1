// What one analysis run gives: its status and stop, and every table and curve it computed, in
// doubles, in the quantities and units the report and the plot file show them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/driver/run_warning.h"
#include "engine/methods/capacity_curve.h"
#include "engine/methods/method_warning.h"
#include "engine/methods/shaft_setup.h"
#include "engine/model/file_format.h"

namespace torve {

// Status of a run, also the result of the C entry point.
enum class RunStatus : std::int32_t {
    Completed = 0,      // the run ended normally or stopped cleanly at one of its own input checks
    BadArgument = 1,    // the entry point was called with an argument other than 3
    InputError = 2,     // an input file is missing, malformed or beyond a table limit
    OutputError = 3,    // the report or plot file cannot be created or written
    InternalError = 4,  // an unexpected failure inside the engine
    Stopped = 5,        // its caller stopped a run of many blows before its end: no results
};

// Where a completed run stopped before its results, by the engine's own checks.
enum class RunStop {
    None,
    SoilExtent,    // stated soil depth shallower than pile length plus two diameters
    SegmentLimit,  // more soil segments than the tables hold
};

// The capacity table of one selected method, one entry per printed penetration row from the ground
// surface down to the pile tip (the rows of the report's table and of the plot file's curve).
// Depths in ft or m, forces in kips or kN, unit values in ksf or kPa.
struct CapacityTable {
    Method method = Method::Api;
    std::vector<double> depth;          // penetration
    std::vector<double> skin_friction;  // cumulative, with the LRFD factors on unit friction
    // Tip resistance times the LRFD factor on unit bearing; under tension the pile's self weight.
    std::vector<double> end_bearing;
    std::vector<double> total;               // skin friction + end bearing
    std::vector<double> unit_skin_friction;  // as summed: after its limit and the tension factor
    // The method's own unit end bearing at the row's tip depth, before the LRFD factor on unit
    // bearing: the value that bears on the full section, whose force the tip chain averages over
    // three diameters about the tip. Where the soil plug controls the tip, the end-bearing column is
    // instead the force on the annulus (this value, or qc for the cone-based methods) plus the
    // friction of the plug; under tension the column holds the self weight and this stays what the
    // base would bear in compression. The Unified method gives its unit base resistance from the
    // cone resistance averaged about the tip, the user-specified method the user unit end bearing.
    std::vector<double> unit_end_bearing;
    // Rows whose tip resistance is controlled by the friction of the soil plug inside an open pile
    // (the asterisk of the report's table).
    std::vector<bool> plug_controlled;
    std::vector<MethodWarning> warnings;  // in the order the segments raised them
    // Depth of the first segment of the pile without cone resistance (Unified method only).
    std::optional<double> first_depth_without_cone;
    // The averages of qc its base comes from at every printed row (Dutch cone method only).
    std::vector<KoppejanAverages> koppejan;
};

// A t-z curve: load transfer (ksf or kPa) against pile movement (in or m).
struct TransferCurve {
    double depth = 0;  // below the ground surface, ft or m; negative in the stickup
    std::array<double, kPointsPerTzCurve> load_transfer{};
    std::array<double, kPointsPerTzCurve> movement{};
};

// The verification t-z curve at one of the t-z print depths.
struct PrintDepthCurve {
    double depth = 0;                    // the print depth below the ground surface, ft or m
    std::optional<TransferCurve> curve;  // absent where the depth lies outside the soil
};

// The Q-w curve at the pile tip: tip load (kips or kN) against tip movement (in or m).
struct TipCurve {
    std::array<double, kPointsPerTzCurve> load{};
    std::array<double, kPointsPerTzCurve> movement{};
};

// Axial load (kips or kN) and movement (in or m) at a depth below the ground surface (ft or m).
struct PileState {
    double depth = 0;
    double load = 0;
    double movement = 0;
};

// One segment of the settlement solver's walk up the pile at one load level.
struct SegmentSolution {
    double depth = 0;             // mid-segment, below the ground surface, ft or m
    double load_transfer = 0;     // ksf or kPa
    double load_increment = 0;    // kips or kN
    double average_load = 0;      // kips or kN
    double compression = 0;       // elastic shortening of the segment, in or m
    double average_movement = 0;  // movement at mid-segment, in or m
    int iterations = 0;
    bool converged = true;
};

// One assumed tip movement of the load-settlement solution.
struct LoadLevelResult {
    double head_load = 0;  // kips or kN
    double head_movement = 0;
    double tip_load = 0;
    double tip_movement = 0;  // in or m
    // The load distribution at the depths of the printed penetration rows (the plot file's).
    std::vector<PileState> distribution;
    // The solver's own walk, from the tip up: the segment boundaries and the segments between them.
    std::vector<PileState> boundaries;
    std::vector<SegmentSolution> segments;
};

// The settlement of the pile head at a working load: a fraction of one method's capacity at the tip,
// on the load-settlement solution of the load-transfer method.
struct WorkingLoad {
    Method method = Method::Api;  // whose capacity at the tip the load is a fraction of
    double fraction = 0;
    double load = 0;  // kips or kN
    // Solved at that head load, in or m; none when the load lies above every head load the curve
    // reaches.
    std::optional<double> head_movement;
    std::optional<double> tip_movement;
};

// The set-up a run was asked for: its skin friction (and the t-z curves built on it) is that of the
// time after driving, each soil type's gain by its own rate.
struct SetupApplied {
    double days = 0;
    SetupRate sand;
    SetupRate clay;
    double sand_factor = 1;  // the factor on the skin friction of the sand segments
    double clay_factor = 1;
    // The soil between two soil points whose top point gives an A or a t0 of its own: it gains by
    // that rate instead of its soil type's.
    struct OwnRate {
        int layer = 0;  // counted from 1, two soil points a layer
        double top = 0;
        double bottom = 0;  // ft or m
        bool sand = true;
        SetupRate rate;
        double factor = 1;
    };
    std::vector<OwnRate> own_rates;
};

struct RunResult {
    RunStatus status = RunStatus::Completed;
    RunStop stop = RunStop::None;
    std::string message;  // the failure or stop message, when there is one
    // Every warning of the run that does not stop it, each with its method and depth where it has
    // them: the checks' notes on the input, the data, every method's own, the solver's.
    std::vector<RunWarning> warnings;
    bool english = true;                        // unit system of every value: English, else S.I.
    bool tension = false;                       // the end-bearing columns hold the self weight
    Method load_transfer_method = Method::Api;  // the method of the curves and the solution
    // The report was created (and may hold part of the run); false when the run stopped before it.
    bool report_started = false;

    // Printed penetration rows of every capacity table and of every level's load distribution.
    int printed_rows = 0;
    // The selected methods that ran, in the order of the report's tables.
    std::vector<CapacityTable> methods;
    // False when the load-transfer method did not run (a cone-based method without offshore data):
    // its curves then carry no resistance.
    bool load_transfer_ran = true;
    std::vector<TransferCurve> tz_curves;  // along the shaft, in depth order
    TipCurve tip_curve;
    std::vector<LoadLevelResult> load_levels;  // kLoadLevels of them after a full run
    // One per t-z print depth, when they were asked for.
    std::vector<PrintDepthCurve> extra_tz_curves;
    // Per selected method (in the order of the tables) and per fraction of the project, in that order.
    std::vector<WorkingLoad> working_loads;
    // Most iterations any pile segment of the settlement solver needed.
    int solver_max_iterations = 0;
    // None for the capacity at the end of driving.
    std::optional<SetupApplied> setup;
};

inline UnitSystem unit_system_of(const RunResult& r) {
    return r.english ? UnitSystem::English : UnitSystem::SI;
}

// The warnings of a method's table for the run's list: the segments next to each other that raised
// the same warning give one entry, at the depth of the first, naming the depths they span.
std::vector<RunWarning> method_run_warnings(const CapacityTable& table, bool english);

// The warnings of a method in sentences, as a summary or a table of results shows them.
std::vector<std::string> method_warning_sentences(const CapacityTable& table, bool english);

}  // namespace torve
