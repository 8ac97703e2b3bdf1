// Input data files built in code, value by value as the desktop program writes them.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace torve::test {

// One soil point as written in the file (psf or kPa, before any conversion by the reader).
struct RawSoilPoint {
    double depth = 0;
    double type = 1;  // 1 sand, 2 clay
    double k = 0, gamma = 0, phi = 0, nq = 0;
    double max_friction = 0, max_bearing = 0, su = 0, sur_or_n = 0, ysr = 0, pi = 0, qc = 0;
    double user_friction = 0, user_bearing = 0, lrfd_friction = 1, lrfd_bearing = 1;
};

// A sand or clay layer as two points with the same properties at top and bottom.
std::pair<RawSoilPoint, RawSoilPoint> sand_layer(double top, double bottom, double gamma, double phi,
                                                 double k, double nq);
std::pair<RawSoilPoint, RawSoilPoint> clay_layer(double top, double bottom, double gamma, double su,
                                                 double sur);

struct ProjectText {
    std::string title = "Test pile", designer = "Tester", job = "T-1";
    int units = 1, print_interval = 1;
    double perimeter = 0, tip_area = 0, od = 24, id = 0, modulus = 29e6, length = 60, stickup = 0;
    double end_length = 0, end_id = 0;
    double zfl = 0, increment = 1;
    int pile_type = 1;
    double taper = 0;
    int load_transfer = 4, offshore = 0, reduced = 0;
    std::array<int, 10> selected{0, 0, 0, 1, 0, 0, 0, 0, 0, 0};  // the tenth written only when set
    double deepest = 100, section_area = 0;
    std::vector<RawSoilPoint> soil;
    int tz_flag = 0;
    std::vector<double> tz_depths;
    int loading = 0;
    double tension_factor = 1;
    int drained = 0, plug = 0;
    int section_rows = 0, section_mode = 0;
    std::vector<std::pair<double, double>> sections;
    int critical_option = 0;
    double critical_depth = 0;

    void add_layer(const std::pair<RawSoilPoint, RawSoilPoint>& layer);
    std::string text() const;  // the input data file
};

// A CPT data file with the given depth/qc rows.
std::string cpt_text(int units, const std::vector<std::pair<double, double>>& rows);

}  // namespace torve::test
