// Driving a project's pile with a hammer: one blow, the bearing graph at the pile's length and the
// blow count against depth from the static resistance to driving.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/driver/driving_resistance.h"
#include "engine/driver/hammer.h"
#include "engine/driver/pile_wave_model.h"
#include "engine/driver/run_result.h"
#include "engine/model/input_data.h"

namespace torve {

// One blow in the project's units: forces in kips or kN, stresses in ksi or MPa, positions along
// the pile in ft or m below its head, velocities in ft/s or m/s. The set is in metres and the
// energies in kJ in both unit systems.
struct BlowResult {
    bool english = true;
    bool refusal = false;  // the toe did not pass its quake: no permanent set
    double set_m = 0;
    double blow_count = 0;  // blows per ft (English) or per 0.25 m (S.I.); NaN at refusal
    double enthru_kj = 0;   // energy transferred to the pile head
    double impact_energy_kj = 0;
    double energy_error_kj = 0;  // of the time stepping: see BlowOutcome
    double max_compression = 0;
    double max_compression_at = 0;
    double max_tension = 0;
    double max_tension_at = 0;
    double time_step = 0;  // s
    int segments = 0;
    std::vector<double> time;  // s
    std::vector<double> head_force, head_velocity;
};

// Blows per ft (English) or per 0.25 m (S.I.) for a permanent set in metres; NaN when set <= 0.
double blow_count_of(double set_m, bool english);

// One blow on the pile with its tip at resistance.tip_depth and the resistance times `scale`.
// Raises InputError as pile_wave_model does.
BlowResult drive_one_blow(const InputData& in, const Hammer& hammer, const SrdAtDepth& resistance,
                          double scale, const DrivingSettings& settings);

// Told after each blow of a run of many that `done` of its `total` blows are driven; returning false
// stops the run. Always called on the thread that started the run, one call at a time, with `done`
// counting up by one: the blows themselves go on other threads meanwhile.
using DrivingProgress = std::function<bool(int done, int total)>;

// Blow count against assumed ultimate resistance (kips or kN), spread over shaft and toe in the
// proportions of `distribution` (the SRD at the pile's own length).
struct BearingGraph {
    RunStatus status = RunStatus::Completed;
    std::string message;
    bool english = true;
    double tip_depth = 0;
    std::vector<double> resistance;
    std::vector<BlowResult> blows;
};

// Runs the blows on `jobs` threads (0: one per core). A distribution without resistance, a value
// that is negative or not finite gives an input error naming it. `progress` (may be empty) is told
// after each resistance; when it stops the run, the status is Stopped and there are no blows. Never
// throws.
BearingGraph bearing_graph(const InputData& in, const Hammer& hammer, const SrdAtDepth& distribution,
                           const std::vector<double>& resistances, const DrivingSettings& settings,
                           unsigned jobs = 0, const DrivingProgress& progress = {});

// Per tip depth of an SRD profile: one blow with the resistance of that depth (no residual stress,
// no set-up between blows). Depths in ft or m, forces in kips or kN, stresses in ksi or MPa.
struct Driveability {
    RunStatus status = RunStatus::Completed;
    std::string message;
    bool english = true;
    SrdMethod method = SrdMethod::AlmHamre;
    std::vector<double> depth, srd_shaft, srd_base, srd_total;
    std::vector<double> blow_count;  // NaN at refusal
    // Blows from the first depth down: the trapezoid of blows per length between depths; NaN from
    // the first refusal on.
    std::vector<double> cumulative_blows;
    std::vector<double> max_compression, max_compression_at, max_tension, max_tension_at, enthru_kj;
    std::vector<bool> refusal;
};

// The profile's own failure passes on as it is. `progress` (may be empty) is told after each depth;
// when it stops the run, the status is Stopped and the table is empty. Never throws.
Driveability driveability(const InputData& in, const SrdProfile& srd, const Hammer& hammer,
                          const DrivingSettings& settings, unsigned jobs = 0,
                          const DrivingProgress& progress = {});

}  // namespace torve
