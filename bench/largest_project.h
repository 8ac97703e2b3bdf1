// The largest input the engine takes, shared by the benchmarks of a run.
#pragma once

#include <utility>
#include <vector>

#include "tests/support/project_text.h"

namespace torve::bench {

// 80 soil points (40 layers, sand and clay in turn), 500 segments, 100 t-z print depths,
// 100 section rows and 1000 CPT rows; all nine methods, the cone-based ones taking qc from the
// CPT profile, the user-specified one from user unit values in every layer.
inline ProjectRecords largest_project() {
    ProjectRecords p = test::project();
    p.total_pile_length = 90;
    p.outside_diameter = 24;
    p.inside_diameter = 23;
    p.computation_increment = 0.2;
    p.deepest_soil_depth = 100;
    for (int layer = 0; layer < 40; ++layer) {
        const double top = layer * 2.5, bottom = top + 2.5;
        if (layer % 2 == 0) {
            test::add_layer(p, test::sand_layer(top, bottom, 60, 30 + layer % 7, 0.8, 20));
        } else {
            auto clay = test::clay_layer(top, bottom, 50, 1000 + 50 * layer, 500);
            clay.first.yield_stress_ratio = clay.second.yield_stress_ratio = 1.5;
            clay.first.plasticity_index = clay.second.plasticity_index = 20 + layer;
            test::add_layer(p, clay);
        }
        p.soil_points.back().user_unit_skin_friction =
            p.soil_points[p.soil_points.size() - 2].user_unit_skin_friction = 400 + 20 * layer;
        p.soil_points.back().user_unit_end_bearing =
            p.soil_points[p.soil_points.size() - 2].user_unit_end_bearing = 20000 + 500 * layer;
    }
    p.t_z_print_flag = 1;
    for (int i = 0; i < 100; ++i) p.t_z_print_depths.push_back(0.9 * i);
    p.section_mode = 2;
    p.number_of_section_rows = 100;
    for (int i = 0; i < 100; ++i) p.section_rows.emplace_back(0.9 * i, 36.9 + 0.01 * i);
    p.offshore_data_flag = 1;
    p.method_selection_flags = MethodFlags{1, 1, 1, 1, 1, 1, 1, 1, 1};
    return p;
}

inline std::vector<std::pair<double, double>> cpt_rows() {
    std::vector<std::pair<double, double>> rows;
    for (int i = 0; i < 1000; ++i) rows.emplace_back(0.1 * i, 20000 + 300.0 * i);
    return rows;
}

}  // namespace torve::bench
