// Pile quantities derived once per run from the input, in the units the routines work in.
#pragma once

#include "engine/model/input_data.h"
#include "engine/model/units.h"

namespace torve {

struct PileGeometry {
    double diameter_unit = 12;  // in per ft, or mm per m
    double od = 0;              // outside diameter, ft or m
    double od_input = 0;        // outside diameter as entered, in or mm
    double id_input = 0;        // inside diameter, in or mm
    double eid_input = 0;       // inside diameter of the (enhanced) end section, in or mm
    double perimeter = 0;       // pi D, ft or m
    double tip_area = 0;        // noncircular tip area, ft2 or m2 (0 for a circular pile)
    double length = 0;          // embedded pile length, ft or m
    double increment = 0;       // computation increment, ft or m
    int rows = 0;               // penetration rows 0, dz, ... L (P + 1 of them)

    double row_depth(int i) const { return i * increment; }
};

PileGeometry pile_geometry(const InputData& in, const Units& units);

// Cross-section area from the diameters (section mode 0): in2 for English, m2 for S.I. projects.
double section_area_from_diameters(const InputData& in, const Units& units);

// Number of penetration increments P = trunc(L / dz + 1e-6); there are P + 1 rows.
int penetration_increments(double length, double increment);

}  // namespace torve
