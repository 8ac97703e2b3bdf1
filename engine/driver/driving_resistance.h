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

}  // namespace torve
