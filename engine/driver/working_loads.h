// Head movement at a given head load, solved on the pile's load-transfer curves.
#pragma once

#include <functional>
#include <optional>

#include "engine/methods/load_settlement.h"

namespace torve {

// Movements at a head load, in the solver's unit (in or m).
struct HeadAtLoad {
    double head_movement = 0;
    double tip_movement = 0;
};

// Solves the load levels of the tip movements a Q-w curve gives (its points 1 to 9).
using LevelSolver = std::function<LoadSettlement(const QwCurve&)>;

// The head movement at head load `load` (solver force): the pile is solved at tip movements that
// close in on the one whose head load it is, starting from the bracket of the levels already
// solved (`solved`, whose curve starts at the origin), nine tip movements a round, until the head
// movements of the bracket agree within `tolerance`. None when the load lies above every head load
// the tip curve reaches. The search takes the first crossing of the load, so that a curve that
// softens after its peak gives the movement on the way up.
std::optional<HeadAtLoad> head_at_load(double load, const QwCurve& tip, const LoadSettlement& solved,
                                       const LevelSolver& solve, double tolerance);

// Tip load of the Q-w curve at a tip movement: linear between its points, the last held beyond.
double tip_load_at(const QwCurve& tip, double movement);

}  // namespace torve
