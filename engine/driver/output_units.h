// The solver's values in the units of the results, and the results' movements as the report prints them.
#pragma once

#include "engine/model/units.h"

namespace torve {

// Converts the solver's values (pounds and inches, or kN and metres) to the results' units: kips,
// ksf and inches (English); kN, kPa and metres (S.I.). Movements keep the solver's unit.
struct OutputUnits {
    const Units& units;
    double stickup = 0;  // ft or m

    double force(double v) const { return v / units.solver_force_per_force; }
    double stress(double v) const { return v * units.solver_area_per_area / units.solver_force_per_force; }
    // Depth from the pile head (in or m) to depth below the ground surface (ft or m).
    double ground_depth(double solver_depth) const {
        return solver_depth / units.solver_per_length - stickup;
    }
};

// A movement of the results (in or m) as the report prints it: inches, or millimetres where its
// label says MM.; the plot file keeps the results' unit.
inline double report_movement(double movement, const Units& units) {
    return movement * units.diameter_per_solver_length;
}

}  // namespace torve
