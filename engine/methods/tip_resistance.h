// Tip resistance against penetration: full section, annulus plus soil plug, and self weight.
#pragma once

#include <vector>

#include "engine/methods/method_inputs.h"
#include "engine/methods/side_friction.h"

namespace torve {

// Tip-control indicator of a row: which mechanism gives the tip resistance.
enum TipControl : int {
    kFullSection = 1,  // the full (plugged) section governs
    kSoilPlug = 2,     // the annulus plus the friction of the soil plug governs (unplugged)
};

struct TipResistance {
    std::vector<double> force;  // tip resistance at each penetration row
    std::vector<int> control;   // TipControl of each row
};

// What bears on the annulus of an open pile: the method's own unit end bearing, or for the
// cone-based methods the cone resistance qc itself.
enum class AnnulusBearing { UnitEndBearing, ConeResistance };

constexpr AnnulusBearing annulus_bearing(Method m) {
    return is_cone_based(m) ? AnnulusBearing::ConeResistance : AnnulusBearing::UnitEndBearing;
}

// Tip resistance of a method from its unit end bearing per segment and the unit friction inside
// the soil plug. The full-section force is averaged over three diameters centred on the row, and
// limited by the same average of the entered maximum unit bearing.
TipResistance tip_resistance(AnnulusBearing annulus, const MethodInputs& m,
                             const SegmentPairs& unit_end_bearing, const SegmentPairs& plug_friction);

// Weight of the embedded pile at each penetration row, for tension loading (buoyant below 0.1).
std::vector<double> pile_self_weight(const MethodInputs& m);

}  // namespace torve
