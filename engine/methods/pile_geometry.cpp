// Derived pile quantities.
#include "engine/methods/pile_geometry.h"

#include <cmath>
#include <numbers>

namespace torve {

int penetration_increments(double length, double increment) {
    return static_cast<int>(std::trunc(length / increment + static_cast<double>(1.0e-6f)));
}

PileGeometry pile_geometry(const InputData& in) {
    PileGeometry g;
    g.english = in.english();
    g.diameter_unit = in.english() ? 12.0 : 1000.0;
    g.od_input = in.outside_diameter;
    g.id_input = in.inside_diameter;
    g.eid_input = in.end_section_inside_diameter;
    g.od = in.outside_diameter / g.diameter_unit;
    g.perimeter = 3.14159 * g.od;  // the summation's own value of pi
    g.tip_area = in.tip_area;
    g.length = in.pile_length;
    g.increment = in.increment;
    g.rows = penetration_increments(in.pile_length, in.increment) + 1;
    return g;
}

double section_area_from_diameters(const InputData& in) {
    const double to_area_unit = in.english() ? 1.0 : 1.0e-6;  // mm2 to m2
    const double od = in.outside_diameter;
    const double id = in.inside_diameter;
    return std::numbers::pi / 4.0 * (od * od - id * id) * to_area_unit;
}

}  // namespace torve
