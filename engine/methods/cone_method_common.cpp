// Shared quantities of the cone-based offshore methods.
#include "engine/methods/cone_method_common.h"

#include "engine/methods/cone_clay_rule.h"
#include "engine/methods/cone_resistance.h"
#include "engine/model/rounded_constants.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace torve {

double tip_distance(const PileGeometry& pile, double z) {
    return std::max((pile.length - z) * pile.diameter_unit, 1.0e-5);
}

double equivalent_radius(const PileGeometry& pile) {
    const double r2 = 0.25 * (pile.od_input * pile.od_input - pile.eid_input * pile.eid_input);
    return std::sqrt(std::max(r2, 0.0));  // an inside diameter above the outside one has no wall
}

double diameter_mm(const PileGeometry& pile, const Units& units) {
    return pile.od_input * units.mm_per_diameter;
}

double tan_sand_interface_angle(double phi) {
    return std::tan(std::max(phi - 5.0, 0.0) * std::numbers::pi / 180.0);
}

bool segment_within_pile(const PileGeometry& pile, std::size_t k) {
    // Rows 0 .. rows-1; row j >= 1 takes its friction from segment j - 1.
    return static_cast<int>(k) + 1 < pile.rows;
}

std::vector<double> entered_friction_limits(const MethodInputs& m) {
    std::vector<double> lim(static_cast<std::size_t>(m.pile.rows));
    for (int j = 0; j < m.pile.rows; ++j) lim[static_cast<std::size_t>(j)] = m.profile.at(j).max_friction;
    return lim;
}

double capped_by_entered_bearing(double q, const Segment& s) {
    if (s.max_bearing != kUnlimited && s.max_bearing > 0.001) return std::min(q, s.max_bearing);
    return q;
}

namespace {
constexpr double kConeDiameterMm = 36.0;
}

double open_ended_sand_bearing(double qc, double d_mm) {
    double q = qc * (0.5 - 0.25 * std::log10(d_mm / kConeDiameterMm));
    if (d_mm > 900) q = std::max(q, 0.15 * qc);
    return q;
}

double closed_ended_sand_bearing(double qc, double d_mm) {
    double q = qc * (1.0 - 0.5 * std::log10(d_mm / kConeDiameterMm));
    if (d_mm > 900) q = std::max(q, 0.3 * qc);
    return q;
}

std::vector<double> integrate_cone_friction(const MethodInputs& m,
                                            const std::vector<std::vector<ConeNode>>& nodes,
                                            const NodeFriction& f) {
    const double tension = m.in.tension() ? m.in.tension_reduction_factor : 1.0;
    const double zfl = m.in.zero_friction_length;
    // qc is linear between two readings, but the friction is not: it curves with the distance to
    // the tip (steeply within a few radii of it) and with the stress. Readings farther apart than
    // 5 cm are therefore summed in pieces of at most 5 cm, so that a layer without CPT rows of its
    // own is integrated as finely as a sounding, whatever the increment.
    const double step = m.units.english() ? 0.05 / 0.3048 : 0.05;
    std::vector<double> integral(nodes.size(), 0.0);
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        const Segment& s = m.profile.segments[k];
        const double limit = s.max_friction;
        auto used = [&](const ConeNode& node) {
            return std::min(f(k, node, stress_within(s, node.depth)) * tension, limit);
        };
        const auto& n = nodes[k];
        double sum = 0;
        double prev_z = n.front().depth, prev_f = used(n.front());
        const auto add = [&](double z, double value) {
            // Only what lies below the zero-friction length counts; the cut piece is a trapezoid.
            if (z > zfl && z > prev_z) {
                double a = prev_z, fa = prev_f;
                if (a < zfl) {
                    fa = prev_f + (value - prev_f) * (zfl - a) / (z - a);
                    a = zfl;
                }
                sum += 0.5 * (fa + value) * (z - a);
            }
            prev_z = z;
            prev_f = value;
        };
        for (std::size_t i = 1; i < n.size(); ++i) {
            const ConeNode& lo = n[i - 1];
            const ConeNode& hi = n[i];
            const double span = hi.depth - lo.depth;
            const int pieces = span > step ? static_cast<int>(std::ceil(span / step - 1e-9)) : 1;
            for (int p = 1; p < pieces; ++p) {
                const double u = static_cast<double>(p) / pieces;
                const ConeNode inside{lo.depth + u * span, lo.qc + u * (hi.qc - lo.qc)};
                add(inside.depth, used(inside));
            }
            add(hi.depth, used(hi));
        }
        integral[k] = sum;
    }
    return integral;
}

std::vector<std::vector<ConeNode>> cone_nodes(const MethodInputs& m) {
    std::vector<std::vector<ConeNode>> nodes;
    nodes.reserve(m.profile.segments.size());
    for (const Segment& s : m.profile.segments) nodes.push_back(segment_cone_nodes(s, m.cpt, m.units));
    return nodes;
}

double stress_within(const Segment& s, double depth) {
    const double u = s.bottom > s.top ? (depth - s.top) / (s.bottom - s.top) : 0.0;
    return s.stress_top + u * (s.stress_bottom - s.stress_top);
}

std::vector<DepthReading> along_readings(
    const MethodInputs& m, const std::vector<std::vector<ConeNode>>& nodes,
    const std::function<double(std::size_t k, const ConeNode& node, double effective_stress)>& f) {
    std::vector<DepthReading> out;
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        const Segment& s = m.profile.segments[k];
        for (const ConeNode& node : nodes[k])
            out.push_back({node.depth, f(k, node, stress_within(s, node.depth))});
    }
    return out;
}

SegmentPairs cone_bearing_readings(const MethodInputs& m, const ConeBearing& q) {
    const auto nodes = cone_nodes(m);
    const std::size_t n = nodes.size();
    SegmentPairs out(n);
    for (std::size_t k = 0; k < n; ++k) {
        const Segment& s = m.profile.segments[k];
        out.set(k, q(k, nodes[k].front().qc, s.stress_top), q(k, nodes[k].back().qc, s.stress_bottom));
    }
    out.along = along_readings(
        m, nodes, [&](std::size_t k, const ConeNode& node, double stress) { return q(k, node.qc, stress); });
    return out;
}

SideFriction cone_readings_side_friction(const MethodInputs& m,
                                         const std::vector<std::vector<ConeNode>>& nodes,
                                         const NodeFriction& f, const NodeFriction& plug_f) {
    const std::size_t n = m.profile.segments.size();
    SegmentPairs ends(n), plug(n);
    for (std::size_t k = 0; k < n; ++k) {
        const Segment& s = m.profile.segments[k];
        ends.set(k, f(k, nodes[k].front(), s.stress_top), f(k, nodes[k].back(), s.stress_bottom));
        plug.set(k, plug_f(k, nodes[k].front(), s.stress_top), plug_f(k, nodes[k].back(), s.stress_bottom));
    }
    // The plug's friction is summed along the same readings by the tip chain.
    plug.along = along_readings(m, nodes, plug_f);
    const std::vector<double> integrals = integrate_cone_friction(m, nodes, f);
    return sum_side_friction(m.in, m.profile, m.pile, ends, entered_friction_limits(m), std::move(plug),
                             &integrals);
}

SideFriction cone_method_side_friction(const MethodInputs& m, const ConeSandFriction& sand_friction) {
    const auto friction = [&](std::size_t k, const ConeNode& node, double stress) {
        const Segment& s = m.profile.segments[k];
        if (!s.sand) return cone_clay_friction_at(m, s, node.depth, stress);
        return sand_friction(s, node.qc, stress, node.depth);
    };
    SideFriction out = cone_readings_side_friction(m, cone_nodes(m), friction, friction);
    for (std::size_t k = 0; k < m.profile.segments.size(); ++k)
        if (!m.profile.segments[k].sand) cone_clay_segment_warnings(m, k, out.warnings);
    return out;
}

SegmentPairs cone_method_end_bearing(const MethodInputs& m, const ConeSandBearing& sand_bearing) {
    const double eid = m.pile.eid_input;
    const bool clay_open = eid >= kOpenInClay;
    const bool sand_open = eid >= kOpenInSand;
    // Under an open end the full section bears only as a plug: when the program chooses between plug
    // and coring, the full-section leg of that choice is the plugged bearing, so the choice never
    // bears more than the plugged pile. Only a pile forced unplugged takes the coring rule.
    const bool clay_plugged = clay_open && m.in.plug_condition != PlugCondition::Unplugged;
    return cone_bearing_readings(m, [&](std::size_t k, double qc, double) {
        const Segment& s = m.profile.segments[k];
        const double value = s.sand ? sand_bearing(qc, sand_open)
                                    : cone_clay_end_bearing(qc, clay_open, clay_plugged, m.in.drained_clay());
        return capped_by_entered_bearing(value, s);
    });
}

}  // namespace torve
