// Dutch cone method: Koppejan's averages for the base, qc times the class factor for the shaft.
#include "engine/methods/nen9997_method.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "engine/methods/cone_method_common.h"
#include "engine/methods/tip_resistance.h"
#include "engine/model/rounded_constants.h"

namespace torve {
namespace {

constexpr double kHardQc = 12.0;        // MPa: qc above it is a hard layer of the shaft
constexpr double kThinHardQc = 12.0;    // MPa: ceiling of a hard layer thinner than 1 m
constexpr double kThickHardQc = 15.0;   // MPa: ceiling of a thicker one
constexpr double kThinHardLayer = 1.0;  // m
// A tolerance on depths in m, well below the 1 cm of a sounding's rows.
constexpr double kDepthTolerance = 1e-9;

// The readings of the window [top, bottom] in increasing depth: its ends, read from inside the
// window, and every reading strictly between them.
NenSounding window_readings(const NenSounding& sounding, double top, double bottom) {
    NenSounding w;
    w.push_back({top, nen_qc_at(sounding, top, false)});
    for (const NenReading& r : sounding)
        if (r.depth > top && r.depth < bottom) w.push_back(r);
    w.push_back({bottom, nen_qc_at(sounding, bottom, true)});
    return w;
}

// qc of a segment that reads the CPT rows at depth z, on one side of a step there: the first row of
// the segment's layer at z from above, the last from below; `held` where no row lies at z or the
// segment reads values of its own.
double qc_at_step(const Segment& s, double z, bool from_above, const CptProfile& cpt, const Units& units,
                  double held) {
    if (cpt.points.empty() || has_own_cone_resistance(s.cone_resistance) || !(s.layer_bottom > s.layer_top))
        return held;
    const CptRange r = cpt_points_in_layer(cpt, s.layer_top, s.layer_bottom, layer_boundary_band(units));
    std::optional<double> found;
    for (std::size_t i = r.first; i <= r.last && !r.empty(); ++i) {
        const CptPoint& p = cpt.points[i];
        if (std::abs(p.depth - z) > kGridAllowance) continue;
        found = std::max(p.qc, 0.0) / units.read_stress_per_stress;
        if (from_above) break;
    }
    return found.value_or(held);
}

}  // namespace

double nen_qc_at(const NenSounding& sounding, double z, bool from_above) {
    if (sounding.empty()) return 0;
    const auto first_at = std::lower_bound(sounding.begin(), sounding.end(), z,
                                           [](const NenReading& r, double d) { return r.depth < d; });
    if (first_at == sounding.end()) return sounding.back().qc;
    if (first_at->depth == z) {
        if (from_above) return first_at->qc;
        auto last_at = first_at;
        while (std::next(last_at) != sounding.end() && std::next(last_at)->depth == z) ++last_at;
        return last_at->qc;
    }
    if (first_at == sounding.begin()) return first_at->qc;
    const NenReading& a = *std::prev(first_at);
    const NenReading& b = *first_at;
    return a.qc + (b.qc - a.qc) * (z - a.depth) / (b.depth - a.depth);
}

double nen_plain_mean(const NenSounding& sounding, double top, double bottom) {
    if (!(bottom > top)) return nen_qc_at(sounding, top, false);
    const NenSounding w = window_readings(sounding, top, bottom);
    double integral = 0;
    for (std::size_t i = 1; i < w.size(); ++i)
        integral += 0.5 * (w[i - 1].qc + w[i].qc) * (w[i].depth - w[i - 1].depth);
    return integral / (bottom - top);
}

NenPath nen_minimum_path(const NenSounding& sounding, double top, double bottom, double start) {
    if (!(bottom > top)) {
        const double v = std::min(start, nen_qc_at(sounding, top, false));
        return {v, v};
    }
    const NenSounding w = window_readings(sounding, top, bottom);
    double path = std::min(start, w.back().qc);
    double integral = 0;
    // Upward along each linear piece the path is min(path at its lower end, qc), exactly: the
    // integral is a rectangle until qc falls below the path, and a trapezoid of qc after that.
    for (std::size_t i = w.size() - 1; i > 0; --i) {
        const NenReading& lower = w[i];
        const NenReading& upper = w[i - 1];
        const double length = lower.depth - upper.depth;
        const double p = std::min(path, lower.qc);
        if (upper.qc >= p) {
            integral += p * length;
        } else {
            // qc falls from lower.qc (>= p) to upper.qc (< p): it crosses p at a fraction t.
            const double t = lower.qc > p ? (lower.qc - p) / (lower.qc - upper.qc) : 0.0;
            integral += p * t * length + 0.5 * (p + upper.qc) * (1 - t) * length;
        }
        path = std::min(p, upper.qc);
    }
    return {integral / (bottom - top), path};
}

NenBase nen_base_resistance(const NenSounding& sounding, double tip, double d_eq, double alpha_p, double beta,
                            double s) {
    NenBase best;
    if (sounding.empty() || !(d_eq > 0)) return best;
    const double available = sounding.back().depth - tip;
    const double least = kNenLowerZoneLeast * d_eq;
    if (available < least - kDepthTolerance) return best;
    const double most = std::min(kNenLowerZoneMost * d_eq, std::max(available, least));
    std::vector<double> trials{least, most};
    for (const NenReading& r : sounding)
        if (r.depth - tip > least && r.depth - tip < most) trials.push_back(r.depth - tip);
    const double upper_top = std::max(tip - kNenUpperZone * d_eq, sounding.front().depth);
    double least_q = std::numeric_limits<double>::infinity();
    for (double d : trials) {
        const double qc_i = nen_plain_mean(sounding, tip, tip + d);
        const NenPath lower =
            nen_minimum_path(sounding, tip, tip + d, std::numeric_limits<double>::infinity());
        const NenPath upper = nen_minimum_path(sounding, upper_top, tip, lower.end);
        const double q = 0.5 * alpha_p * beta * s * (0.5 * (qc_i + lower.mean) + upper.mean);
        if (q < least_q) {
            least_q = q;
            best = {qc_i, lower.mean, upper.mean, d, q, true};
        }
    }
    best.q_b_max = std::min(best.q_b_max, kNenBaseCeiling);
    return best;
}

std::vector<NenHardLayer> nen_hard_layers(const NenSounding& sounding) {
    std::vector<NenHardLayer> layers;
    bool inside = false;
    double top = 0;
    // Depth where the piece from a to b crosses 12 MPa (a step crosses at its depth).
    auto crossing = [](const NenReading& a, const NenReading& b) {
        if (b.depth <= a.depth) return a.depth;
        return a.depth + (kHardQc - a.qc) / (b.qc - a.qc) * (b.depth - a.depth);
    };
    auto close = [&](double bottom) {
        const double ceiling = bottom - top < kThinHardLayer - kDepthTolerance ? kThinHardQc : kThickHardQc;
        layers.push_back({top, bottom, ceiling});
        inside = false;
    };
    for (std::size_t i = 0; i < sounding.size(); ++i) {
        const NenReading& r = sounding[i];
        const bool hard = r.qc > kHardQc;
        if (hard && !inside) {
            top = i == 0 ? r.depth : crossing(sounding[i - 1], r);
            inside = true;
        } else if (!hard && inside) {
            close(crossing(sounding[i - 1], r));
        }
    }
    if (inside) close(sounding.back().depth);
    return layers;
}

double nen_shaft_cone_resistance(const std::vector<NenHardLayer>& layers, double z, double qc) {
    for (const NenHardLayer& l : layers)
        if (z >= l.top - kDepthTolerance && z <= l.bottom + kDepthTolerance) return std::min(qc, l.ceiling);
    return qc;
}

std::vector<std::vector<ConeNode>> nen_cone_nodes(const MethodInputs& m) {
    std::vector<std::vector<ConeNode>> nodes = cone_nodes(m);
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        const Segment& s = m.profile.segments[k];
        ConeNode& top = nodes[k].front();
        ConeNode& bottom = nodes[k].back();
        top.qc = qc_at_step(s, top.depth, false, m.cpt, m.units, top.qc);
        bottom.qc = qc_at_step(s, bottom.depth, true, m.cpt, m.units, bottom.qc);
    }
    return nodes;
}

NenSounding nen_sounding(const MethodInputs& m, const std::vector<std::vector<ConeNode>>& nodes) {
    const bool english = m.units.english();
    const double metres_per_length = english ? kNenMetresPerFoot : 1.0;
    const double mpa_per_stress = english ? kNenKpaPerKsf / 1000.0 : 1.0 / 1000.0;
    const auto& rows = m.cpt.points;
    NenSounding sounding;
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        const Segment& s = m.profile.segments[k];
        const bool own = rows.empty() || has_own_cone_resistance(s.cone_resistance);
        for (const ConeNode& node : nodes[k]) {
            const bool measured = own || (node.depth >= rows.front().depth - kGridAllowance &&
                                          node.depth <= rows.back().depth + kGridAllowance);
            if (measured) sounding.push_back({node.depth * metres_per_length, node.qc * mpa_per_stress});
        }
    }
    return sounding;
}

CapacityCurve nen9997_capacity(const MethodInputs& m) {
    const PileGeometry& pile = m.pile;
    const bool english = m.units.english();
    // The method's own units: m and MPa.
    const double metres_per_length = english ? kNenMetresPerFoot : 1.0;
    const double mpa_per_stress = english ? kNenKpaPerKsf / 1000.0 : 1.0 / 1000.0;
    const double metres_per_diameter = english ? 0.0254 : 0.001;

    const std::vector<std::vector<ConeNode>> nodes = nen_cone_nodes(m);
    const std::size_t n = m.profile.segments.size();
    const NenSounding sounding = nen_sounding(m, nodes);
    SegmentPairs qc(n);
    for (std::size_t k = 0; k < n; ++k) {
        qc.set(k, nodes[k].front().qc, nodes[k].back().qc);
        for (const ConeNode& node : nodes[k]) qc.along.push_back({node.depth, node.qc});
    }

    // The real tip area; a circular pile has none entered.
    const double area = pile.tip_area > 1e-4 ? pile.tip_area : std::numbers::pi / 4 * pile.od * pile.od;
    const double area_m2 = area * metres_per_length * metres_per_length;
    const double d_eq = nen_equivalent_diameter(area_m2);
    const std::optional<NenPileClass> pile_class = nen_pile_class_of(m.in.pile_type);
    const std::optional<double> s = nen_section_factor(m.in.perimeter * metres_per_diameter, area_m2);
    const bool factors_known = pile_class.has_value() && s.has_value();
    const double alpha_s = factors_known ? nen_class_factors(*pile_class).alpha_s : 0.0;

    const std::vector<NenHardLayer> hard = nen_hard_layers(sounding);
    auto friction = [&](std::size_t k, const ConeNode& node, double) {
        if (!m.profile.segments[k].sand) return 0.0;
        const double q =
            nen_shaft_cone_resistance(hard, node.depth * metres_per_length, node.qc * mpa_per_stress);
        return alpha_s * q / mpa_per_stress;
    };
    SegmentPairs f(n);
    for (std::size_t k = 0; k < n; ++k) {
        const Segment& seg = m.profile.segments[k];
        f.set(k, friction(k, nodes[k].front(), seg.stress_top),
              friction(k, nodes[k].back(), seg.stress_bottom));
    }
    const std::vector<double> integrals = integrate_cone_friction(m, nodes, friction);
    const SideFriction side =
        sum_side_friction(m.in, m.profile, pile, f, entered_friction_limits(m), SegmentPairs(n), &integrals);

    const auto rows = static_cast<std::size_t>(pile.rows);
    std::vector<double> unit(rows, 0.0), end(rows, 0.0);
    std::vector<NenBase> bases(rows);
    if (factors_known) {
        for (int j = 0; j < pile.rows; ++j) {
            const auto i = static_cast<std::size_t>(j);
            bases[i] = nen_base_resistance(sounding, pile.row_depth(j) * metres_per_length, d_eq,
                                           nen_class_factors(*pile_class).alpha_p, 1.0, *s);
            unit[i] = capped_by_entered_bearing(bases[i].q_b_max / mpa_per_stress, m.profile.at(j));
            end[i] = unit[i] * area;
        }
    }
    if (m.in.tension()) end = pile_self_weight(m);
    CapacityCurve c = assemble_capacity(Method::Nen9997, m, side, end, std::vector<int>(rows, kFullSection),
                                        std::move(unit));
    c.cone_resistance = qc;
    c.koppejan.reserve(rows);
    for (const NenBase& b : bases)
        c.koppejan.push_back({b.qc_i / mpa_per_stress, b.qc_ii / mpa_per_stress, b.qc_iii / mpa_per_stress,
                              b.lower_depth / metres_per_length, b.complete});
    return c;
}

}  // namespace torve
