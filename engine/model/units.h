// The factors of a project's unit system, chosen once per run from its unit-system code.
#pragma once

#include "engine/model/file_format.h"

namespace torve {

// English projects are read in lb/ft2, ft and in and computed in kips, ft, in and ksf; the
// settlement solver works in pounds and inches. S.I. projects are read and computed in kN, m, mm
// and kPa; the solver works in kN and metres. The factors convert between these units, so that
// every routine is written once for both systems. L is the length unit (ft, m), D the diameter
// unit (in, mm), S the solver's length unit (in, m).
struct Units {
    UnitSystem system;

    // Lengths.
    double diameter_per_length;         // D per L
    double solver_per_length;           // S per L
    double diameter_per_solver_length;  // D per S: movements of the report, diameters of the solver
    double mm_per_diameter;             // mm per D: rules written against the 36 mm cone
    double diameter_per_inch;           // D per in: movements given in inches
    double inches_per_solver_length;    // in per S: t-z movements tabulated in inches

    // Areas. Tip and section areas are entered in S2 (in2, m2).
    double solver_area_per_area;      // S2 per L2: entered areas, solver stresses
    double square_diameter_per_area;  // D2 per L2
    double area_per_square_diameter;  // entered area unit per D2: a section from its diameters
    double area_per_square_foot;      // L2 per ft2: the FHWA charts of displaced volume in ft3/ft

    // Stresses and forces. The routines work in ksf and kips, or kPa and kN.
    double read_stress_per_stress;  // stress as read (psf, kPa) per routine stress
    double read_stress_per_psi;     // stress as read per lb/in2: the blow-count chart
    double stress_per_ksf;          // routine stress per ksf: rules and charts written in ksf or tsf
    double solver_force_per_force;  // solver force (lb, kN) per routine force
    double psf_per_solver_stress;   // lb/ft2 per solver stress (lb/in2, kPa): Mosher's sand curve
    double stiffness_per_force;     // modulus times area (lb, kPa mm2) per force of stress times L2

    // Stresses of the rules, in the routine stress unit.
    double critical_stress;       // 3,500 lb/ft2, where the stress-based critical depth lies
    double atmospheric_pressure;  // pa of the cone-based rules

    // Unit weights of the pile materials and of water, kips/ft3 or kN/m3.
    double steel_unit_weight;
    double concrete_unit_weight;
    double timber_unit_weight;
    double water_unit_weight;

    // Movements.
    double dilation_shift;    // radial dilation of 0.02 mm in D (ICP-05, UWA-05)
    double solver_tolerance;  // 0.0001 in in S: two solver iterations agree within it

    bool english() const { return system == UnitSystem::English; }
};

// The factors of a unit system.
const Units& units_of(UnitSystem system);

}  // namespace torve
