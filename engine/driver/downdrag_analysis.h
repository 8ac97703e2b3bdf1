// Downdrag of a project's pile: the neutral plane, the drag force and the settlement of the pile
// head in settling soil, on the springs and tip curve of the project's load-transfer method.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/driver/run_result.h"
#include "engine/model/input_data.h"
#include "engine/model/soil_settlement_file.h"

namespace torve {

// What makes a settlement profile unusable, naming its point (counted from 1); none for a profile
// of at least one point whose values are all finite and whose depths strictly increase.
std::optional<std::string> soil_settlement_fault(const SoilSettlement& soil);

// The pile under a sustained head load in settling soil. Depths below the ground surface in ft or m
// (negative in the stickup), loads in kips or kN, movements and settlements in in or mm.
struct DowndragResult {
    RunStatus status = RunStatus::Completed;
    RunStop stop = RunStop::None;
    std::string message;  // why there is no answer, when there is none
    std::vector<RunWarning> warnings;
    bool english = true;
    bool solved = false;  // false: a check stopped the run, or the pile cannot carry the head load
    double head_load = 0;
    double neutral_plane = 0;  // where pile and soil move alike
    // The neutral plane of force equilibrium alone (the peak friction of every spring, the toe load
    // as mobilised); none when the head load is beyond that equilibrium.
    std::optional<double> equilibrium_neutral_plane;
    double max_load = 0;  // the largest axial load
    double max_load_depth = 0;
    double drag_force = 0;  // the largest axial load less the head load
    double head_settlement = 0;
    double toe_movement = 0;
    double toe_penetration = 0;  // toe movement less the soil settlement at the toe
    double toe_load = 0;
    // Along the pile from the head to the toe, at the solver's segment boundaries.
    std::vector<double> depth, axial_load, pile_movement, soil_settlement;
    // The peak friction below each depth plus the toe load: the resistance from below that the axial
    // load meets at the neutral plane of equilibrium alone.
    std::vector<double> resistance;
};

// Runs the project's checks and capacity, builds its load-transfer curves and solves the pile for
// head load `head_load` (kips or kN) in soil settling as `soil` says. A profile that
// soil_settlement_fault refuses gives an input error with its message. Never throws.
DowndragResult compute_downdrag(const InputData& in, const CptProfile& cpt, const SoilSettlement& soil,
                                double head_load);

}  // namespace torve
