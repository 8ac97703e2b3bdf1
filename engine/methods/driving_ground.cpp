// The ground a pile is driven through.
#include "engine/methods/driving_ground.h"

#include <algorithm>

#include "engine/methods/cone_resistance.h"
#include "engine/model/unit_conversion.h"
#include "engine/model/units.h"

namespace torve {
namespace {

CptProfile readings_of(const CptProfile& cpt, std::optional<double> ConeReading::*field) {
    CptProfile p;
    for (const ConeReading& r : cpt.readings)
        if (r.*field) p.points.push_back({r.depth, *(r.*field)});
    return p;
}

// The weight of the soil from the top of a layer down to `dz` below it, per unit area, as read
// (lb/ft2 or kPa): unit weight linear from g0 at the top with `slope` per depth unit.
double weight_down(double g0, double slope, double dz) {
    return dz * (g0 + 0.5 * slope * dz);
}

}  // namespace

DrivingGround::DrivingGround(const InputData& in, const CptProfile& cpt)
    : soil_(in.soil),
      qc_{cpt.unit_code, cpt.points, {}},
      qt_(readings_of(cpt, &ConeReading::qt)),
      fs_(readings_of(cpt, &ConeReading::fs)) {
    const bool english = in.units == UnitSystem::English;
    metres_ = english ? kMetresPerFoot : 1;
    // lb/ft2 to kPa: 4.4482216152605 N over 0.3048^2 m2.
    kpa_ = english ? kNewtonsPerPound / 1000 / (kMetresPerFoot * kMetresPerFoot) : 1;
    band_ = layer_boundary_band(units_of(in.units));
    stress_at_point_.assign(soil_.size(), 0);
    for (std::size_t i = 1; i < soil_.size(); ++i) {
        const double span = soil_[i].depth - soil_[i - 1].depth;
        const double g0 = soil_[i - 1].unit_weight, g1 = soil_[i].unit_weight;
        const double slope = span > 0 ? (g1 - g0) / span : 0;
        stress_at_point_[i] = stress_at_point_[i - 1] + kpa_ * weight_down(g0, slope, std::max(span, 0.0));
    }
}

std::size_t DrivingGround::layer_at(double depth) const {
    std::size_t c = 0;
    while (c + 2 < soil_.size() && soil_[c + 1].depth <= depth) ++c;
    return c;
}

std::vector<double> DrivingGround::boundaries() const {
    std::vector<double> b;
    for (std::size_t i = 1; i + 1 < soil_.size(); ++i)
        if (soil_[i].depth > soil_.front().depth) b.push_back(soil_[i].depth);
    return b;
}

std::vector<double> DrivingGround::reading_depths() const {
    std::vector<double> d;
    for (const CptProfile* p : {&qc_, &qt_, &fs_})
        for (const CptPoint& point : p->points) d.push_back(point.depth);
    return d;
}

double DrivingGround::effective_stress(double depth) const {
    const std::size_t c = layer_at(depth);
    const SoilPoint& p0 = soil_[c];
    const SoilPoint& p1 = soil_[c + 1];
    const double span = p1.depth - p0.depth;
    const double slope = span > 0 ? (p1.unit_weight - p0.unit_weight) / span : 0;
    const double dz = depth - p0.depth;
    if (dz <= 0) return stress_at_point_[c];
    return stress_at_point_[c] + kpa_ * weight_down(p0.unit_weight, slope, dz);
}

std::optional<double> DrivingGround::sounding(const CptProfile& readings, std::size_t layer,
                                              double depth) const {
    if (readings.points.empty()) return std::nullopt;
    const double top = layer_top(layer), bottom = layer_bottom(layer);
    double v = 0;
    const CptRange r = bottom > top ? cpt_points_in_layer(readings, top, bottom, band_) : CptRange{};
    v = r.empty() ? cpt_profile_at(readings, depth) : cpt_range_at(readings, r, depth);
    return std::max(v, 0.0) * kpa_;
}

std::optional<double> DrivingGround::cone_resistance(std::size_t layer, double depth) const {
    const SoilPoint& p0 = soil_[layer];
    const SoilPoint& p1 = soil_[layer + 1];
    const double span = p1.depth - p0.depth;
    const double z = span > 0 ? std::clamp(depth, p0.depth, p1.depth) : depth;
    const double own =
        span > 0 ? p0.cone_resistance + (p1.cone_resistance - p0.cone_resistance) * (z - p0.depth) / span
                 : p1.cone_resistance;
    if (has_own_cone_resistance(own)) return std::max(own, 0.0) * kpa_;
    if (auto qt = sounding(qt_, layer, depth)) return qt;
    return sounding(qc_, layer, depth);
}

std::optional<double> DrivingGround::sleeve_friction(std::size_t layer, double depth) const {
    return sounding(fs_, layer, depth);
}

}  // namespace torve
