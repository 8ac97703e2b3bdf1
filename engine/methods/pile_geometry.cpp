// Derived pile quantities.
#include "engine/methods/pile_geometry.h"

#include <cmath>
#include <numbers>

#include "engine/model/rounded_constants.h"

namespace torve {

int penetration_increments(double length, double increment) {
    return static_cast<int>(std::trunc(length / increment + kGridAllowance));
}

PileGeometry pile_geometry(const InputData& in, const Units& units) {
    PileGeometry g;
    g.diameter_unit = units.diameter_per_length;
    g.od_input = in.outside_diameter;
    g.id_input = in.inside_diameter;
    g.eid_input = in.enhanced_end_section_inside_diameter;
    g.od = in.outside_diameter / g.diameter_unit;
    g.perimeter = kPiPerimeter * g.od;
    g.tip_area = in.tip_area;
    g.length = in.total_pile_length;
    g.increment = in.computation_increment;
    g.rows = penetration_increments(in.total_pile_length, in.computation_increment) + 1;
    return g;
}

double section_area_from_diameters(const InputData& in, const Units& units) {
    const double od = in.outside_diameter;
    const double id = in.inside_diameter;
    return std::numbers::pi / 4.0 * (od * od - id * id) * units.area_per_square_diameter;
}

}  // namespace torve
