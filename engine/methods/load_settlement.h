// Load distribution and load-settlement curve by the tip-up method on the t-z and Q-w curves.
#pragma once

#include <vector>

#include "engine/methods/load_transfer_curves.h"
#include "engine/methods/pile_geometry.h"
#include "engine/model/input_data.h"
#include "engine/model/units.h"

namespace torve {

// Axial stiffness AE along the pile, by depth from the pile head (in or m); lb or kN.
struct AxialStiffness {
    std::vector<double> depth;
    std::vector<double> ae;

    double at(double depth_from_head) const;  // linear between rows, held beyond the ends
};

// AE from the modulus and the section: the area from the diameters (mode 0), the constant area
// (mode 1) or the area table whose depths count from the pile head (mode 2).
AxialStiffness axial_stiffness(const InputData& in, const Units& units);

// One pile segment of one load level, as solved.
struct SegmentStep {
    double mid_depth = 0;         // from the pile head, in or m
    double load_transfer = 0;     // lb/in2 or kPa
    double load_increment = 0;    // lb or kN
    double average_load = 0;      // lb or kN
    double compression = 0;       // elastic shortening of the segment, in or m
    double average_movement = 0;  // movement at mid-segment, in or m
    int iterations = 0;
    bool converged = true;
};

// Axial load and movement at a segment boundary.
struct BoundaryState {
    double depth = 0;  // from the pile head
    double load = 0;
    double movement = 0;
};

struct LoadLevel {
    double tip_movement = 0;
    double tip_load = 0;
    double head_load = 0;
    double head_movement = 0;
    std::vector<BoundaryState> boundaries;  // from the tip up to the head
    std::vector<SegmentStep> steps;         // from the tip segment up
};

struct LoadSettlement {
    std::vector<LoadLevel> levels;  // kLoadLevels, one per non-zero point of the Q-w curve
    int max_iterations = 0;         // most mid-segment iterations any segment needed
    long total_iterations = 0;
};

struct SolverSettings {
    double tolerance = 0.0001;  // on movement, in or m
    int iteration_cap = 100;
};

// Solves the pile of total length `pile_length` (stickup plus embedded, in or m) in equal segments,
// one per shaft spring (from the head down), walking up from the tip for each assumed tip movement
// of the Q-w curve. Without springs there is nothing to solve and no level.
LoadSettlement solve_load_settlement(const std::vector<TzCurve>& springs, const QwCurve& tip,
                                     const AxialStiffness& stiffness, double pile_length, double diameter,
                                     const SolverSettings& settings = {});

// Load and movement of a solved level at depths from the pile head (in increasing order), linear
// between the segment boundaries and held at the head and the tip beyond them.
std::vector<BoundaryState> distribution_at(const LoadLevel& level, const std::vector<double>& depths);

}  // namespace torve
