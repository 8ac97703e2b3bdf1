// Unified CPT-based side friction and end bearing.
#include "engine/methods/unified_method.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/methods/cone_method_common.h"
#include "engine/methods/cone_resistance.h"
#include "engine/methods/tip_resistance.h"

namespace torve {
namespace {

// tan 29 deg: the ultimate interface friction angle of sand when no interface shear test is at hand.
const double kTanInterfaceAngle = std::tan(29.0 * std::numbers::pi / 180.0);
// An inside diameter below this (in or mm) is a closed end, as for the other cone methods.
constexpr double kOpenEnd = 1e-4;

double cone_diameter(const Units& units) {
    return kUnifiedConeDiameterMm / units.mm_per_diameter;
}

// Inside diameter at the tip; 0 for a closed end.
double tip_inside_diameter(const PileGeometry& pile) {
    return pile.eid_input >= kOpenEnd ? pile.eid_input : 0.0;
}

}  // namespace

double unified_plug_length_ratio(double inside_diameter, double cone_diameter) {
    if (inside_diameter <= 0) return 0;
    return std::tanh(0.3 * std::sqrt(inside_diameter / cone_diameter));
}

double unified_area_ratio(double outside_diameter, double inside_diameter, double cone_diameter) {
    const double ratio = inside_diameter / outside_diameter;
    return 1 - unified_plug_length_ratio(inside_diameter, cone_diameter) * ratio * ratio;
}

double unified_clay_diameter(double outside_diameter, double inside_diameter) {
    return std::sqrt(std::max(outside_diameter * outside_diameter - inside_diameter * inside_diameter, 0.0));
}

double unified_sand_friction(const UnifiedSandInput& s) {
    if (!(s.qc > 0)) return 0;
    const double radial = s.qc / 44 * std::pow(s.area_ratio, 0.3) * std::pow(std::max(1.0, s.h_over_d), -0.4);
    // (qc/s'v0)^-0.33 vanishes as the stress goes to zero at the surface. A ratio that comes to 0 (a
    // subnormal qc) gives the term's limit, 0, where the power would be infinite and the product NaN.
    const double ratio = s.effective_stress > 0 ? s.qc / s.effective_stress : 0.0;
    const double dilation = ratio > 0 ? s.qc / 10 * std::pow(ratio, -0.33) * s.cone_over_d : 0.0;
    const double f = (radial + dilation) * kTanInterfaceAngle;
    return s.tension ? 0.75 * f : f;
}

double unified_clay_friction(double qt, double h_over_d_star, double fst) {
    if (!(qt > 0)) return 0;
    return 0.07 * fst * qt * std::pow(std::max(1.0, h_over_d_star), -0.25);
}

double unified_sand_base(double qp, double area_ratio) {
    return (0.12 + 0.38 * area_ratio) * qp;
}

double unified_clay_base(double qp, double area_ratio, UnifiedClayBase rule, bool open_ended) {
    if (rule == UnifiedClayBase::LoadTest) return (open_ended ? 0.4 : 0.8) * qp;
    return (0.2 + 0.6 * area_ratio) * qp;
}

double mean_over_depths(const SegmentPairs& values, const SoilProfile& profile, double from, double to) {
    const double dz = profile.increment;
    const double bottom = dz * profile.count();
    from = std::max(from, 0.0);
    to = std::min(to, bottom);
    if (!(to > from)) return 0;
    if (!values.along.empty()) return mean_over_depths(ReadingsIntegral(values.along), profile, from, to);
    // Exact integral of the linear pieces between `from` and `to`.
    double integral = 0;
    for (int k = std::max(static_cast<int>(from / dz) - 1, 0); k < profile.count(); ++k) {
        const Segment& s = profile.segments[static_cast<std::size_t>(k)];
        const double a = std::max(from, s.top), b = std::min(to, s.bottom);
        if (s.top >= to) break;
        if (b <= a) continue;
        const auto i = static_cast<std::size_t>(k);
        auto at = [&](double z) {
            return values.top[i] + (values.bottom[i] - values.top[i]) * (z - s.top) / (s.bottom - s.top);
        };
        integral += 0.5 * (at(a) + at(b)) * (b - a);
    }
    return integral / (to - from);
}

double mean_over_depths(const ReadingsIntegral& values, const SoilProfile& profile, double from, double to) {
    from = std::max(from, 0.0);
    to = std::min(to, profile.increment * profile.count());
    if (!(to > from)) return 0;
    return values.between(from, to) / (to - from);
}

std::optional<double> first_depth_without_cone(const MethodInputs& m, const SegmentPairs& qc) {
    for (std::size_t k = 0; k < qc.top.size() && segment_within_pile(m.pile, k); ++k)
        if (!(qc.top[k] > 0) && !(qc.bottom[k] > 0)) return m.profile.segments[k].top;
    return std::nullopt;
}

CapacityCurve unified_capacity(const MethodInputs& m) {
    const PileGeometry& pile = m.pile;
    const double d = pile.od_input;
    const double di = tip_inside_diameter(pile);
    const double are = unified_area_ratio(d, di, cone_diameter(m.units));
    const double d_star = unified_clay_diameter(d, di);
    const std::vector<std::vector<ConeNode>> nodes = cone_nodes(m);
    const std::size_t n = m.profile.segments.size();
    SegmentPairs qc(n);
    for (std::size_t k = 0; k < n; ++k) qc.set(k, nodes[k].front().qc, nodes[k].back().qc);
    for (const auto& segment : nodes)
        for (const ConeNode& node : segment) qc.along.push_back({node.depth, node.qc});

    // Unit shaft friction at a reading of segment k, with the height above the final tip.
    auto friction = [&](std::size_t k, const ConeNode& node, double stress) {
        const Segment& s = m.profile.segments[k];
        const double h = (pile.length - node.depth) * pile.diameter_unit;  // in the diameter unit
        if (!s.sand) return unified_clay_friction(node.qc, h / d_star, s.soil_type_factor);
        return unified_sand_friction(
            {node.qc, stress, h / d, are, cone_diameter(m.units) / d, m.in.tension()});
    };
    // The rows show the friction at the segment ends; the sums follow the readings between them.
    SegmentPairs f(n);
    for (std::size_t k = 0; k < n; ++k) {
        const Segment& s = m.profile.segments[k];
        f.set(k, friction(k, nodes[k].front(), s.stress_top), friction(k, nodes[k].back(), s.stress_bottom));
    }
    const std::vector<double> integrals = integrate_cone_friction(m, nodes, friction);
    // The method has no internal friction: the base acts on the gross area whatever the plug does.
    const SideFriction side =
        sum_side_friction(m.in, m.profile, pile, f, entered_friction_limits(m), SegmentPairs(n), &integrals);

    // The unit base resistance at every row, on the gross area; under tension the pile's self
    // weight takes the base's place in the end-bearing column.
    const double area = pile.tip_area > 1e-4 ? pile.tip_area : std::numbers::pi / 4 * pile.od * pile.od;
    const double sand_half_window = 1.5 * pile.od * std::sqrt(are);
    const double clay_half_window = 1.5 * pile.od;
    const auto rows = static_cast<std::size_t>(pile.rows);
    const ReadingsIntegral qc_readings(qc.along);
    std::vector<double> unit(rows), end(rows);
    for (int j = 0; j < pile.rows; ++j) {
        const double z = pile.row_depth(j);
        const Segment& below = m.profile.at(j);
        const double w = below.sand ? sand_half_window : clay_half_window;
        const double qp = mean_over_depths(qc_readings, m.profile, z - w, z + w);
        const double q = below.sand ? unified_sand_base(qp, are)
                                    : unified_clay_base(qp, are, m.in.unified_clay_base, di > 0);
        unit[static_cast<std::size_t>(j)] = capped_by_entered_bearing(q, below);
        end[static_cast<std::size_t>(j)] = unit[static_cast<std::size_t>(j)] * area;
    }
    if (m.in.tension()) end = pile_self_weight(m);
    CapacityCurve c = assemble_capacity(Method::Unified, m, side, end, std::vector<int>(rows, kFullSection),
                                        std::move(unit));
    c.cone_resistance = qc;
    c.first_depth_without_cone = first_depth_without_cone(m, qc);
    return c;
}

}  // namespace torve
