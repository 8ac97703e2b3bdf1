// Revised Lambda (lambda-2): side resistance from the mean effective stress and mean strength over
// the penetration, with lambda depending on the pile's compressibility.
#pragma once

#include "engine/methods/api_method.h"
#include "engine/methods/method_inputs.h"
#include "engine/methods/method_rules.h"
#include "engine/methods/side_friction.h"

namespace torve {

// Pile compressibility term at penetration z (ft or m) for the mean strength cm (ksf or kPa).
// English: pi D z2 cm 1000 / (0.1 E A), D in in, E in lb/in2, A in in2, the peak friction taken
// as mobilized at a movement of 0.1 in. S.I.: the same in mm and kPa, with 2.54 mm for 0.1 in.
// A is the section of the pile shaft, or the noncircular tip area when one is entered.
double pile_compressibility(const InputData& in, const Units& units, const PileGeometry& pile, double z,
                            double cm);

// lambda for the compressibility term and cm / s'm: 0.178 - 0.016 ln(Pi) below 0.4 (normally
// consolidated), 0.232 - 0.032 ln(Pi) from 0.4 on (overconsolidated), at least 0.14; 0 when Pi is 0.
double revised_lambda(double compressibility, double strength_ratio);

// Side friction of Revised Lambda at every penetration row: the total side resistance
// lambda (s'm + 2 cm) P z turned into unit friction row by row, limited and summed again. The
// soil plug of an open pile is taken with the API unit friction, as the end bearing is API's.
SideFriction revised_lambda_side_friction(const MethodInputs& m);

// The end bearing is API RP 2A's.
template <>
inline constexpr MethodRules method_rules<Method::RevisedLambda> = {
    .side_friction = revised_lambda_side_friction, .end_bearing = api_end_bearing};

}  // namespace torve
