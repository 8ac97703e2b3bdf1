// Reading a project and its hammer for driving, and the depths the pile is driven to.
#include "engine/driver/driving_project.h"

#include <algorithm>
#include <cmath>

#include "engine/driver/cone_readings_beside.h"
#include "engine/driver/hammer_file.h"
#include "engine/driver/project_input.h"

namespace torve {

DrivingProject read_driving_project(const std::string& project, const std::string& hammer_file) {
    DrivingProject p;
    p.input = read_project_input(project);
    read_cone_readings_beside(project, p.input.cpt);
    p.hammer = parse_hammer(read_text_file(hammer_file, "hammer file"), hammer_file);
    return p;
}

std::vector<double> driving_tip_depths(const InputData& in, std::optional<TipDepthRange> range) {
    const bool english = in.units == UnitSystem::English;
    const double length = in.total_pile_length;
    if (!range) range = TipDepthRange{english ? 3.0 : 1.0, length, english ? 3.0 : 1.0};
    range->from = std::min(range->from, length);
    std::vector<double> d;
    // The tolerance keeps a last depth that the steps reach but for rounding (0.1 * 3 < 0.3).
    const int n = static_cast<int>(std::floor((range->to - range->from) / range->step + 1e-9));
    for (int i = 0; i <= n; ++i) d.push_back(range->from + i * range->step);
    if (range->to - d.back() > 1e-9 * std::max(1.0, range->to)) d.push_back(range->to);
    return d;
}

std::vector<double> default_bearing_resistances(double srd_total) {
    std::vector<double> r;
    for (int k = 1; k <= 10; ++k) r.push_back(srd_total * k / 5);  // 0.2, 0.4, ... 2 times it
    return r;
}

}  // namespace torve
