// Downdrag on the pile's own springs: the axial load and movement of a pile in settling soil under a
// sustained head load, and its neutral plane.
#pragma once

#include <optional>
#include <vector>

#include "engine/methods/load_settlement.h"

namespace torve {

// Settlement of the soil against depth, in the solver's units: depths from the pile head and
// settlements in in or m. Linear between the points, held above the first and below the last.
struct SettlementProfile {
    std::vector<double> depth;  // strictly increasing
    std::vector<double> settlement;

    double at(double depth_from_head) const;
};

// Axial load, pile movement and soil settlement at a segment boundary.
struct DowndragNode {
    double depth = 0;  // from the pile head
    double load = 0;
    double movement = 0;
    double soil_settlement = 0;
    // What holds the pile up from below the boundary: the peak friction of every spring below it and
    // the toe load as mobilised. The axial load meets it at the neutral plane of equilibrium alone.
    double resistance = 0;
};

struct DowndragSolution {
    bool solved = false;              // false: the head load lies above what the pile can carry
    std::vector<DowndragNode> nodes;  // from the head down to the toe
    double head_load = 0;             // as solved, within a millionth of the load asked for
    double head_movement = 0;
    double toe_load = 0;
    double toe_movement = 0;
    double toe_penetration = 0;  // toe movement less the soil settlement there: what the Q-w curve reads
    // Where the pile and the soil move alike: the soil settles past the pile above it (negative
    // friction) and the pile moves down past the soil below it. Depth from the pile head.
    double neutral_plane = 0;
    double max_load = 0;
    double max_load_depth = 0;
    // The neutral plane of force equilibrium alone, on the springs' peak resistance and the toe load
    // as mobilised: head load plus the peak friction above it equals the peak friction below it
    // plus the toe load.
    std::optional<double> equilibrium_neutral_plane;
    int walks = 0;                 // walks up the pile the search took
    int unconverged_segments = 0;  // of the last walk, that reached the iteration cap
    double capacity = 0;           // peak shaft resistance plus the toe's largest load
};

// Solves the pile of total length `pile_length` (from the head, in or m), in equal segments one per
// spring, with the soil from `ground_depth` (the stickup, from the head) down, for the sustained
// `head_load` (lb or kN). Each segment's friction is its spring read at the relative movement of
// pile and soil, odd about zero; the toe load is the Q-w curve at the toe penetration, none where the
// soil settles past the toe. The toe movement is searched by bisection until the walk up the pile
// gives the head load.
DowndragSolution solve_downdrag(const std::vector<TzCurve>& springs, const QwCurve& tip,
                                const AxialStiffness& stiffness, double pile_length, double diameter,
                                double ground_depth, const SettlementProfile& soil, double head_load,
                                const SolverSettings& settings = {});

}  // namespace torve
