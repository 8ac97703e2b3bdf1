// A project's pile under a hammer as Smith's lumped masses: ram, cushions, helmet, the pile in
// segments and the soil along the embedded part, from a resistance to driving at one tip depth.
#pragma once

#include <optional>
#include <string>

#include "engine/driver/driving_resistance.h"
#include "engine/driver/hammer.h"
#include "engine/driver/wave_equation.h"
#include "engine/model/input_data.h"

namespace torve {

struct DrivingSettings {
    double segment_length_m = 1.0;       // the pile's segments are this long or shorter, at least 10
    std::optional<double> pile_density;  // kg/m3; otherwise by the pile's material
    BlowSettings blow;
};

// The density of the pile's material: steel 7850 kg/m3 (pipe, H-pile, monotube and the driven
// shells of the step- and uniform-taper piles), precast concrete 2400 kg/m3, timber 800 kg/m3.
double pile_density(const InputData& in, const DrivingSettings& settings);

// The whole pile from head to toe, stickup included: its tip at resistance.tip_depth (ft or m below
// the ground surface) and its head that far less its length. The shaft slices of `resistance` (kips
// or kN), times `scale`, go to the segments they overlap; where it has no slices, its shaft spreads
// evenly over the embedded length. The toe takes the base. Quakes and damping are the soil's at each
// segment's middle. An InputError names what makes the pile unusable (no area, no modulus, a tip
// below the pile's length, a resistance that is negative or not finite).
WaveModel pile_wave_model(const InputData& in, const Hammer& hammer, const SrdAtDepth& resistance,
                          double scale, const DrivingSettings& settings);

}  // namespace torve
