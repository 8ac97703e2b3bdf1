// The solver's values in the units the report and the plot file print them in.
#pragma once

#include "engine/model/units.h"

namespace torve {

// Converts the solver's values (pounds and inches, or kN and metres) to what the report and the
// plot file print: kips, ksf, inches (English); kN, kPa, and millimetres in the report where its
// label says MM., metres in the plot file (S.I.).
struct OutputUnits {
    const Units& units;
    double stickup = 0;  // ft or m

    double force(double v) const { return v / units.solver_force_per_force; }
    double stress(double v) const { return v * units.solver_area_per_area / units.solver_force_per_force; }
    double report_movement(double v) const { return v * units.diameter_per_solver_length; }
    double plot_movement(double v) const { return v; }
    // Depth from the pile head (in or m) to depth below the ground surface (ft or m).
    double ground_depth(double solver_depth) const {
        return solver_depth / units.solver_per_length - stickup;
    }
};

}  // namespace torve
