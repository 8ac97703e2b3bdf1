// qc per segment from the soil data, the CPT profile or the blow count, read within the segment's
// own layer.
#include "engine/methods/cone_resistance.h"

#include <algorithm>

#include "engine/model/rounded_constants.h"

namespace torve {

namespace {

// Linear value between the points a .. b (inclusive) of `p` at `depth`, held beyond them. A step
// (two points at one depth) met exactly is read on `side` of it.
double profile_value(const std::vector<CptPoint>& p, std::size_t a, std::size_t b, double depth,
                     ProfileSide side) {
    if (depth < p[a].depth) return p[a].qc;
    if (depth > p[b].depth) return p[b].qc;
    const auto begin = p.begin() + static_cast<std::ptrdiff_t>(a);
    const auto end = p.begin() + static_cast<std::ptrdiff_t>(b) + 1;
    // The first point below `depth` reads a step there at its lower value; the first point at or
    // below it, at its upper value.
    const auto upper = side == ProfileSide::Below
                           ? std::upper_bound(begin, end, depth,
                                              [](double d, const CptPoint& point) { return d < point.depth; })
                           : std::lower_bound(begin, end, depth, [](const CptPoint& point, double d) {
                                 return point.depth < d;
                             });
    if (upper == end) return p[b].qc;
    if (upper == begin) return p[a].qc;
    const CptPoint& hi = *upper;
    const CptPoint& lo = *(upper - 1);
    const double span = hi.depth - lo.depth;
    if (span <= 0) return hi.qc;
    return lo.qc + (hi.qc - lo.qc) * (depth - lo.depth) / span;
}

double from_profile(double qc, double to_ksf) {
    // Soundings often read slightly negative near the mudline (zero drift); a negative qc would
    // turn the logarithms and powers of the cone-based rules into NaN.
    return std::max(qc, 0.0) / to_ksf;
}

double linear_within(double top_value, double bottom_value, const Segment& s, double depth) {
    const double span = s.bottom - s.top;
    if (!(span > 0)) return bottom_value;
    return top_value + (bottom_value - top_value) * (depth - s.top) / span;
}

// The profile read within the segment's layer; a layer without a point of its own takes the
// profile across it, the only reading there is.
double profile_in_layer(const Segment& s, double depth, const CptProfile& cpt, const Units& units,
                        ProfileSide side) {
    const std::size_t last = cpt.points.size() - 1;
    if (!(s.layer_bottom > s.layer_top))  // no layer of any extent
        return profile_value(cpt.points, 0, last, depth, side);
    const CptRange r = cpt_points_in_layer(cpt, s.layer_top, s.layer_bottom, layer_boundary_band(units));
    if (r.empty()) return profile_value(cpt.points, 0, last, depth, side);
    return profile_value(cpt.points, r.first, r.last, depth, side);
}

}  // namespace

double cpt_profile_at(const CptProfile& cpt, double depth) {
    return profile_value(cpt.points, 0, cpt.points.size() - 1, depth, ProfileSide::Below);
}

double layer_boundary_band(const Units& units) {
    constexpr double kBandMetres = 0.005;
    return units.english() ? kBandMetres / 0.3048 : kBandMetres;
}

CptRange cpt_points_in_layer(const CptProfile& cpt, double top, double bottom, double band) {
    const auto& p = cpt.points;
    CptRange r;
    if (p.empty()) return r;
    const auto deeper = [](double d, const CptPoint& point) { return d < point.depth; };
    const auto shallower = [](const CptPoint& point, double d) { return point.depth < d; };
    // Within a thin layer the bands meet; each keeps to its own half.
    band = std::min(band, 0.25 * (bottom - top));
    // First point below the top's band; the deepest one within the band, if any, belongs to the
    // layer as well.
    auto first = std::upper_bound(p.begin(), p.end(), top + band, deeper);
    if (first != p.begin() && (first - 1)->depth >= top - band) --first;
    // First point within or below the bottom's band: those before it lie inside; the shallowest
    // one within the band belongs to the layer too.
    auto end = std::lower_bound(p.begin(), p.end(), bottom - band, shallower);
    if (end != p.end() && end->depth <= bottom + band) ++end;
    if (end <= first) return r;
    r.first = static_cast<std::size_t>(first - p.begin());
    r.last = static_cast<std::size_t>(end - p.begin()) - 1;
    return r;
}

double cpt_range_at(const CptProfile& cpt, const CptRange& range, double depth) {
    return profile_value(cpt.points, range.first, range.last, depth, ProfileSide::Below);
}

double segment_cone_resistance_at(const Segment& s, double depth, const CptProfile& cpt, const Units& units,
                                  ProfileSide side) {
    const double to_ksf = units.read_stress_per_stress;
    // A layer's own values hold beyond its soil points, as the last reading of a sounding within
    // the layer does, where a segment reaches past a boundary between two segment ends.
    const double within =
        s.layer_bottom > s.layer_top ? std::clamp(depth, s.layer_top, s.layer_bottom) : depth;
    if (has_own_cone_resistance(s.cone_resistance))
        return std::max(linear_within(s.cone_resistance_top, s.cone_resistance_bottom, s, within), 0.0) /
               to_ksf;
    if (!cpt.points.empty()) return from_profile(profile_in_layer(s, depth, cpt, units, side), to_ksf);
    if (!s.sand) return 0.0;  // clay keeps its yield stress ratio where sand has its blow count
    const double blow_count = linear_within(s.blow_count_top, s.blow_count_bottom, s, within);
    return 2.8 * units.atmospheric_pressure * std::max(blow_count, 0.0);
}

double segment_cone_resistance(const Segment& s, const CptProfile& cpt, const Units& units) {
    return segment_cone_resistance_at(s, 0.5 * (s.top + s.bottom), cpt, units);
}

std::vector<double> segment_cone_resistances(const SoilProfile& profile, const CptProfile& cpt,
                                             const Units& units) {
    std::vector<double> qc(profile.segments.size());
    for (std::size_t k = 0; k < qc.size(); ++k)
        qc[k] = segment_cone_resistance(profile.segments[k], cpt, units);
    return qc;
}

std::vector<ConeNode> segment_cone_nodes(const Segment& s, const CptProfile& cpt, const Units& units) {
    std::vector<ConeNode> nodes;
    nodes.push_back({s.top, segment_cone_resistance_at(s, s.top, cpt, units)});
    const bool own = has_own_cone_resistance(s.cone_resistance) || cpt.points.empty();
    if (own && s.layer_bottom > s.layer_top) {
        // The layer's line ends at its soil points: a point inside the segment is a reading.
        for (const double z : {s.layer_top, s.layer_bottom})
            if (z - s.top > kGridAllowance && s.bottom - z > kGridAllowance)
                nodes.push_back({z, segment_cone_resistance_at(s, z, cpt, units)});
    }
    if (!own && s.layer_bottom > s.layer_top) {
        const CptRange r = cpt_points_in_layer(cpt, s.layer_top, s.layer_bottom, layer_boundary_band(units));
        for (std::size_t i = r.first; i <= r.last && !r.empty(); ++i) {
            const CptPoint& p = cpt.points[i];
            if (p.depth - s.top > kGridAllowance && s.bottom - p.depth > kGridAllowance)
                nodes.push_back({p.depth, from_profile(p.qc, units.read_stress_per_stress)});
        }
    }
    // A step on the segment's bottom belongs to the segment below: this one ends at its upper value,
    // as it would a hair above.
    nodes.push_back({s.bottom, segment_cone_resistance_at(s, s.bottom, cpt, units, ProfileSide::Above)});
    return nodes;
}

}  // namespace torve
