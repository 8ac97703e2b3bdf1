// Static resistance to driving (SRD) of a project's pile, for tip depths along its way down.
#pragma once

#include <string>
#include <vector>

#include "engine/driver/run_result.h"
#include "engine/model/input_data.h"

namespace torve {

enum class SrdMethod { AlmHamre, UnifiedSrd };

// The resistance with the tip at one depth. Depths below the ground surface in ft or m, forces in
// kips or kN. The shaft is recomputed for every tip depth: friction fatigue counts from the tip.
struct SrdAtDepth {
    double tip_depth = 0;
    double shaft = 0;
    double base = 0;
    double total() const { return shaft + base; }
    // The shaft resistance slice by slice from the ground surface down to the tip; the slices'
    // forces add up to `shaft`.
    std::vector<double> slice_top, slice_bottom, slice_shaft;
};

struct SrdProfile {
    RunStatus status = RunStatus::Completed;
    RunStop stop = RunStop::None;
    std::string message;  // why there is no answer, naming the value and the depth
    std::vector<RunWarning> warnings;
    bool english = true;
    SrdMethod method = SrdMethod::AlmHamre;
    std::vector<SrdAtDepth> depths;
};

// SRD by `method` for each of `tip_depths` (ft or m, increasing). Runs the project's checks first;
// a value the method needs and lacks stops it with a message naming the value and the depth.
// Never throws.
SrdProfile compute_srd(const InputData& in, const CptProfile& cpt, SrdMethod method,
                       const std::vector<double>& tip_depths);

// What an engineer may change in the resistance to driving: factors on the shaft and the base (a
// best estimate by default, e.g. 1.25 on the base for an upper bound) and the interface friction
// angle of the sand on the pile in Alm & Hamre's sand friction.
struct SrdOptions {
    double shaft_factor = 1;
    double base_factor = 1;
    double interface_friction_angle = 29;  // degrees
};

// The same with `options`; a factor that is negative or not a number, or an angle outside
// (0, 90) degrees, is an input error.
SrdProfile compute_srd(const InputData& in, const CptProfile& cpt, SrdMethod method,
                       const std::vector<double>& tip_depths, const SrdOptions& options);

// The longest shaft slice of compute_srd, ft or m: the project's computation increment, at most
// 1 m. Slices run from the ground surface at multiples of it, the last one ending at the tip.
double srd_slice_length(const InputData& in);

// The method's name in messages: "Alm & Hamre", "UniSand-SRD".
std::string srd_method_name(SrdMethod method);

}  // namespace torve
