// The largest input the engine takes, shared by the benchmarks of a run.
#pragma once

#include <utility>
#include <vector>

#include "tests/support/project_text.h"

namespace torve::bench {

// 80 soil points (40 layers, sand and clay in turn), 500 segments, 100 t-z print depths,
// 100 section rows and 1000 CPT rows; all nine methods, the cone-based ones taking qc from the
// CPT profile, the user-specified one from user unit values in every layer.
inline test::ProjectText largest_project() {
    test::ProjectText p;
    p.length = 90;
    p.od = 24;
    p.id = 23;
    p.increment = 0.2;
    p.deepest = 100;
    for (int layer = 0; layer < 40; ++layer) {
        const double top = layer * 2.5, bottom = top + 2.5;
        if (layer % 2 == 0) {
            p.add_layer(test::sand_layer(top, bottom, 60, 30 + layer % 7, 0.8, 20));
        } else {
            auto clay = test::clay_layer(top, bottom, 50, 1000 + 50 * layer, 500);
            clay.first.ysr = clay.second.ysr = 1.5;
            clay.first.pi = clay.second.pi = 20 + layer;
            p.add_layer(clay);
        }
        p.soil.back().user_friction = p.soil[p.soil.size() - 2].user_friction = 400 + 20 * layer;
        p.soil.back().user_bearing = p.soil[p.soil.size() - 2].user_bearing = 20000 + 500 * layer;
    }
    p.tz_flag = 1;
    for (int i = 0; i < 100; ++i) p.tz_depths.push_back(0.9 * i);
    p.section_mode = 2;
    p.section_rows = 100;
    for (int i = 0; i < 100; ++i) p.sections.emplace_back(0.9 * i, 36.9 + 0.01 * i);
    p.offshore = 1;
    p.selected = {1, 1, 1, 1, 1, 1, 1, 1, 1};
    return p;
}

inline std::vector<std::pair<double, double>> cpt_rows() {
    std::vector<std::pair<double, double>> rows;
    for (int i = 0; i < 1000; ++i) rows.emplace_back(0.1 * i, 20000 + 300.0 * i);
    return rows;
}

}  // namespace torve::bench
