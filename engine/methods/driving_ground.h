// The ground a pile is driven through, as the resistance to driving reads it at any depth: layers,
// vertical effective stress and the cone's readings, in kPa whatever the project's unit system.
#pragma once

#include <optional>
#include <vector>

#include "engine/model/input_data.h"

namespace torve {

class DrivingGround {
  public:
    // `in` as the input reader gives it, `cpt` in the project's units (cpt_profile_in). Needs two
    // soil points.
    DrivingGround(const InputData& in, const CptProfile& cpt);

    // Metres per depth unit (ft or m) and kPa per stress as read (lb/ft2 or kPa).
    double metres_per_depth() const { return metres_; }
    double kpa_per_read_stress() const { return kpa_; }

    // The layer at `depth` (ft or m): that of the pair of soil points around it, the lower one on a
    // boundary, the deepest below the last point.
    std::size_t layer_at(double depth) const;
    bool sand(std::size_t layer) const { return soil_[layer].is_sand(); }
    double layer_top(std::size_t layer) const { return soil_[layer].depth; }
    double layer_bottom(std::size_t layer) const { return soil_[layer + 1].depth; }
    // Depths of the boundaries between layers of some thickness, from the top down.
    std::vector<double> boundaries() const;
    // Depths of every cone reading (CPT points and the other readings).
    std::vector<double> reading_depths() const;

    // Vertical effective stress at `depth`, kPa: the unit weights, linear within each layer (and
    // beyond the last point along the last layer), summed from the ground surface.
    double effective_stress(double depth) const;

    // Cone resistance in `layer` at `depth`, kPa, none where the project gives none: the layer's own
    // qc where entered, else the sounding's qt where known, else its qc; readings from the layer's
    // own part of the sounding, linear between them, a layer without one taking the sounding across
    // it. A negative reading counts as 0.
    std::optional<double> cone_resistance(std::size_t layer, double depth) const;
    // Sleeve friction fs in `layer` at `depth`, kPa, read the same way; none without any.
    std::optional<double> sleeve_friction(std::size_t layer, double depth) const;

  private:
    std::optional<double> sounding(const CptProfile& readings, std::size_t layer, double depth) const;

    std::vector<SoilPoint> soil_;
    std::vector<double> stress_at_point_;  // kPa at each soil point
    CptProfile qc_, qt_, fs_;              // depth, value as read
    double metres_ = 1;
    double kpa_ = 1;
    double band_ = 0;
};

}  // namespace torve
