// The tip chain: annulus force, plug friction, windowed full-section force, tip choice, weight.
#include "engine/methods/tip_resistance.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "engine/methods/cone_resistance.h"

namespace torve {
namespace {

constexpr double kQuarterPi = std::numbers::pi / 4.0;

// Running integral along the pile of a quantity that is linear within each segment.
class DepthIntegral {
  public:
    DepthIntegral(const SoilProfile& profile, SegmentPairs values)
        : profile_(profile), v_(std::move(values)) {
        if (!v_.along.empty()) readings_.emplace(v_.along);
        cumulative_.assign(v_.top.size() + 1, 0.0);
        for (std::size_t k = 0; k < v_.top.size(); ++k) {
            cumulative_[k + 1] = cumulative_[k] + 0.5 * (v_.top[k] + v_.bottom[k]) * profile.increment;
        }
    }

    // Integral from the surface to z; nothing above the surface, the deepest value held below the
    // profile.
    double at(double z) const {
        if (z < 0.0001) return 0.0;
        if (readings_) return readings_->at(z);
        const double dz = profile_.increment;
        const std::size_t n = v_.top.size();
        const double bottom = static_cast<double>(n) * dz;
        if (z >= bottom) return cumulative_[n] + v_.bottom[n - 1] * (z - bottom);
        const auto k = static_cast<std::size_t>(z / dz);
        const double u = z - static_cast<double>(k) * dz;
        return cumulative_[k] + v_.top[k] * u + (v_.bottom[k] - v_.top[k]) * u * u / (2 * dz);
    }

  private:
    const SoilProfile& profile_;
    SegmentPairs v_;
    std::vector<double> cumulative_;
    std::optional<ReadingsIntegral> readings_;
};

double full_section_area(const InputData& in, const PileGeometry& pile) {
    if (pile.tip_area > 1e-4) return pile.tip_area;
    double d = pile.od;
    if (in.taper_angle > 0) d -= 2 * pile.length * std::tan(in.taper_angle * std::numbers::pi / 180.0);
    return kQuarterPi * d * d;
}

}  // namespace

TipResistance tip_resistance(AnnulusBearing annulus, const MethodInputs& m, const SegmentPairs& q,
                             const SegmentPairs& plug) {
    const InputData& in = m.in;
    const PileGeometry& pile = m.pile;
    const std::size_t n = m.profile.segments.size();
    const double du = pile.diameter_unit;
    const double eid = pile.eid_input;
    const double annulus_area = kQuarterPi * (pile.od_input * pile.od_input - eid * eid) / (du * du);
    const bool cone_on_annulus = annulus == AnnulusBearing::ConeResistance && eid > 1e-4;

    // Annulus force plus the friction of the plug above, at every segment top and bottom.
    SegmentPairs annulus_plus_plug(n);
    double plug_total = 0;
    const ReadingsIntegral plug_readings(plug.along);
    for (std::size_t k = 0; k < n; ++k) {
        const Segment& s = m.profile.segments[k];
        double qt = q.top[k], qb = q.bottom[k];
        if (cone_on_annulus) {
            qt = segment_cone_resistance_at(s, s.top, m.cpt, m.units);
            qb = segment_cone_resistance_at(s, s.bottom, m.cpt, m.units);
        }
        double at = qt * annulus_area, ab = qb * annulus_area;
        if (pile.tip_area > 1e-4) {
            at = qt * pile.tip_area;
            ab = qb * pile.tip_area;
        }
        const double plug_above = plug_total;
        const double plug_integral = plug_readings.empty()
                                         ? (s.bottom - s.top) * 0.5 * (plug.top[k] + plug.bottom[k])
                                         : plug_readings.between(s.top, s.bottom);
        plug_total += plug_integral * std::numbers::pi * eid / du;
        const bool count_plug = in.plug_condition != PlugCondition::Unplugged;
        annulus_plus_plug.set(k, at + (count_plug ? plug_above : 0.0), ab + (count_plug ? plug_total : 0.0));
    }

    // Full-section force and its limit, integrated along the pile and averaged over 3 D.
    const double area = full_section_area(in, pile);
    SegmentPairs force(n), limit(n);
    for (std::size_t k = 0; k < n; ++k) {
        force.set(k, area * q.top[k], area * q.bottom[k]);
        const double lim = area * m.profile.segments[k].max_bearing;
        limit.set(k, lim, lim);
    }
    for (const DepthReading& r : q.along) force.along.push_back({r.depth, area * r.value});
    const DepthIntegral force_integral(m.profile, std::move(force));
    const DepthIntegral limit_integral(m.profile, std::move(limit));
    const double half_window = 1.5 * pile.od;

    const bool closed = pile.id_input < 1e-10 || eid < 1e-10;
    TipResistance tip;
    tip.force.resize(static_cast<std::size_t>(pile.rows));
    tip.control.resize(static_cast<std::size_t>(pile.rows));
    for (int j = 0; j < pile.rows; ++j) {
        const double z = pile.row_depth(j);
        double full =
            (force_integral.at(z + half_window) - force_integral.at(z - half_window)) / (2 * half_window);
        const double full_limit =
            (limit_integral.at(z + half_window) - limit_integral.at(z - half_window)) / (2 * half_window);
        if (full - full_limit > 1e-6) full = full_limit;
        const double open = value_at_depth(annulus_plus_plug, m.profile, z);

        double value = full;
        int control = kFullSection;
        if (!closed) {
            if (in.plug_condition == PlugCondition::Unplugged) {
                value = open;
                control = kSoilPlug;
            } else if (in.plug_condition != PlugCondition::Plugged && open - full <= 1e-6) {
                value = open;
                // A nearly closed end section keeps the full-section indicator.
                control = (eid < 1e-4 && in.enhanced_end_section_length > 1e-4) ? kFullSection : kSoilPlug;
            }
        }
        tip.force[static_cast<std::size_t>(j)] = value;
        tip.control[static_cast<std::size_t>(j)] = control;
    }
    return tip;
}

std::vector<double> pile_self_weight(const MethodInputs& m) {
    const InputData& in = m.in;
    const PileGeometry& pile = m.pile;
    double steel_area = kQuarterPi * (pile.od_input * pile.od_input - pile.id_input * pile.id_input) /
                        (pile.diameter_unit * pile.diameter_unit);
    // An entered cross-section area is in in2 (English) or m2 (S.I.).
    if (in.cross_section_area > 1e-6) steel_area = in.cross_section_area / m.units.solver_area_per_area;
    // Steel, precast concrete or timber; buoyant below the water level.
    double gamma = m.units.steel_unit_weight;
    if (in.pile_type == PileType::PrecastConcrete) gamma = m.units.concrete_unit_weight;
    if (in.pile_type == PileType::Timber) gamma = m.units.timber_unit_weight;
    const double buoyant = gamma - m.units.water_unit_weight;
    const double water_depth = 0.1;  // no input sets it; every value below 1.0 is taken as 0.1
    std::vector<double> w(static_cast<std::size_t>(pile.rows));
    for (int j = 0; j < pile.rows; ++j) {
        const double z = pile.row_depth(j);
        w[static_cast<std::size_t>(j)] =
            z <= water_depth ? steel_area * gamma * z
                             : steel_area * gamma * water_depth + steel_area * buoyant * (z - water_depth);
    }
    return w;
}

}  // namespace torve
