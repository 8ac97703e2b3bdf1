// The routines of a design method, which its own header gives as method_rules<Method::X>, and the
// lookup of a method's routines by its code.
#pragma once

#include "engine/methods/capacity_curve.h"
#include "engine/methods/load_transfer_curves.h"
#include "engine/methods/method_inputs.h"
#include "engine/methods/side_friction.h"

namespace torve {

// A method's capacity comes either from its side friction and unit end bearing, which the common tip
// chain, self weight and capacity table complete, or from a capacity routine of its own. A method
// whose row in the method table has curves of its own gives them here; in clay it takes the API
// RP 2A shapes.
struct MethodRules {
    SideFriction (*side_friction)(const MethodInputs&) = nullptr;
    SegmentPairs (*end_bearing)(const MethodInputs&) = nullptr;
    CapacityCurve (*capacity)(const MethodInputs&) = nullptr;
    // The t-z curve in sand at a depth below the ground (ft or m) for the maximum transfer tmax, from
    // qc at every segment's top and bottom as its capacity curve left it.
    TzCurve (*sand_shaft_curve)(const InputData& in, const Units& units, const PileGeometry& pile,
                                const SoilProfile& profile, const SegmentPairs& cone_resistance,
                                double ground_depth, double tmax) = nullptr;
    // The Q-w curve of a sand tip for the tip resistance q_max (lb or kN).
    QwCurve (*sand_base_curve)(const Units& units, const PileGeometry& pile, double q_max) = nullptr;
};

// No method has rules until its own header specialises this for its code; the lookup below refuses
// to build while a method of the table has none.
template <Method M>
inline constexpr MethodRules method_rules{};

// The routines of a method.
const MethodRules& rules_of(Method m);

// A method's capacity against penetration, by its own routine or by the common tip chain.
CapacityCurve method_capacity(Method m, const MethodInputs& inputs);

}  // namespace torve
