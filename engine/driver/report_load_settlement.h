// Report sections of the load-transfer curves, load distribution and load-settlement curve.
#pragma once

#include <vector>

#include "engine/driver/text_out.h"
#include "engine/driver/unit_labels.h"
#include "engine/methods/load_settlement.h"
#include "engine/methods/load_transfer_curves.h"
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

// One entry of a t-z table: a curve, or none for a depth outside the soil.
struct TzEntry {
    int number = 0;
    const TzCurve* curve = nullptr;
};

void write_asterisk_note(TextOut& out);
void write_load_settlement_banner(TextOut& out);
void write_verification_banner(TextOut& out);
void write_tz_table(TextOut& out, const std::vector<TzEntry>& entries, const OutputUnits& units,
                    const UnitLabels& u);
void write_tip_curve(TextOut& out, const QwCurve& tip, const OutputUnits& units, const UnitLabels& u);
void write_assumed_tip_movements(TextOut& out, const LoadSettlement& ls, const OutputUnits& units,
                                 const UnitLabels& u);
void write_load_distribution(TextOut& out, const LoadSettlement& ls, const OutputUnits& units,
                             const UnitLabels& u);
void write_load_settlement_curve(TextOut& out, const LoadSettlement& ls, const OutputUnits& units,
                                 const UnitLabels& u);

}  // namespace torve
