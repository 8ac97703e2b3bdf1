// Writing test projects in the input data file layout.
#include "tests/support/project_text.h"

#include <locale>
#include <sstream>

namespace torve::test {

std::pair<RawSoilPoint, RawSoilPoint> sand_layer(double top, double bottom, double gamma, double phi,
                                                 double k, double nq) {
    RawSoilPoint p;
    p.type = 1;
    p.gamma = gamma;
    p.phi = phi;
    p.k = k;
    p.nq = nq;
    RawSoilPoint a = p, b = p;
    a.depth = top;
    b.depth = bottom;
    return {a, b};
}

std::pair<RawSoilPoint, RawSoilPoint> clay_layer(double top, double bottom, double gamma, double su,
                                                 double sur) {
    RawSoilPoint p;
    p.type = 2;
    p.gamma = gamma;
    p.su = su;
    p.sur_or_n = sur;
    RawSoilPoint a = p, b = p;
    a.depth = top;
    b.depth = bottom;
    return {a, b};
}

void ProjectText::add_layer(const std::pair<RawSoilPoint, RawSoilPoint>& layer) {
    soil.push_back(layer.first);
    soil.push_back(layer.second);
}

std::string ProjectText::text() const {
    std::ostringstream o;
    o.imbue(std::locale::classic());
    o.precision(10);
    o << title << '\n' << designer << '\n' << job << '\n';
    o << units << ' ' << print_interval << ' ' << soil.size() << '\n';
    o << perimeter << ' ' << tip_area << ' ' << od << ' ' << id << ' ' << modulus << ' ' << length << ' '
      << stickup << '\n';
    o << end_length << ' ' << end_id << '\n';
    o << zfl << ' ' << increment << ' ' << pile_type << ' ' << taper << ' ' << load_transfer << ' '
      << offshore << ' ' << reduced << '\n';
    for (std::size_t m = 0; m < 9; ++m) o << selected[m] << ' ';
    if (selected[9] != 0) o << selected[9];
    o << '\n' << deepest << ' ' << section_area << '\n';
    for (const RawSoilPoint& p : soil) {
        o << p.depth << ' ' << p.type << ' ' << p.k << ' ' << p.gamma << ' ' << p.phi << ' ' << p.nq << '\n';
        o << p.max_friction << ' ' << p.max_bearing << ' ' << p.su << ' ' << p.sur_or_n << ' ' << p.ysr << ' '
          << p.pi << ' ' << p.qc << ' ' << p.user_friction << ' ' << p.user_bearing << ' ' << p.lrfd_friction
          << ' ' << p.lrfd_bearing << '\n';
    }
    o << tz_flag;
    if (tz_flag == 1) {
        o << ' ' << tz_depths.size() << '\n';
        for (double d : tz_depths) o << d << '\n';
    } else {
        o << '\n';
    }
    o << loading << ' ' << tension_factor << '\n';
    o << drained << ' ' << plug << '\n';
    o << section_rows << ' ' << section_mode << '\n';
    if (section_mode >= 2) {
        for (const auto& [d, a] : sections) o << d << ' ' << a << '\n';
    }
    o << critical_option << ' ' << critical_depth << '\n';
    return o.str();
}

std::string cpt_text(int units, const std::vector<std::pair<double, double>>& rows) {
    std::ostringstream o;
    o.imbue(std::locale::classic());
    o.precision(10);
    o << ' ' << units << ' ' << rows.size() << '\n';
    for (const auto& [d, q] : rows) o << "  " << d << "  " << q << '\n';
    return o.str();
}

}  // namespace torve::test
