// Piles, hammers and resistances built by hand for the tests of driving.
#pragma once

#include <cmath>

#include "engine/driver/driving_resistance.h"
#include "engine/driver/hammer.h"
#include "engine/model/input_data.h"

namespace torve::test {

// Steel pipe 914 x 20 mm, 40 m, E = 210 GPa, in sand, no stickup (S.I.).
inline InputData check_pile_si() {
    InputData in;
    in.units = UnitSystem::SI;
    in.outside_diameter = 914;
    in.inside_diameter = 874;
    in.modulus_of_elasticity = 210e6;  // kPa
    in.total_pile_length = 40;
    in.pile_type = PileType::SteelPipe;
    in.section_mode = SectionMode::FromDiameters;
    SoilPoint top, bottom;
    top.depth = 0;
    bottom.depth = 60;
    in.soil = {top, bottom};
    return in;
}

// The same pile in English units: 35.984 x 0.787 in, 131.23 ft, 30458 ksi.
inline InputData check_pile_english() {
    InputData in = check_pile_si();
    in.units = UnitSystem::English;
    in.outside_diameter = 914 / 25.4;
    in.inside_diameter = 874 / 25.4;
    in.modulus_of_elasticity = 210e9 / 6894.757293168;  // lb/in2
    in.total_pile_length = 40 / 0.3048;
    in.soil[1].depth = 60 / 0.3048;
    return in;
}

// A ram of `mass` kg striking at `velocity` m/s: no cushion, no helmet, efficiency 1.
inline Hammer drop_hammer(double mass, double velocity) {
    Hammer h;
    h.name = "check ram";
    h.ram_mass_kg = mass;
    h.energy_kj = 0.5 * mass * velocity * velocity / 1000;
    h.efficiency = 1;
    return h;
}

// The shaft spread evenly from the ground surface to the tip, the base at the toe.
inline SrdAtDepth uniform_resistance(double tip, double shaft, double base) {
    SrdAtDepth r;
    r.tip_depth = tip;
    r.shaft = shaft;
    r.base = base;
    return r;
}

}  // namespace torve::test
