// Soil segments of one increment each, with properties at mid-depth and effective stresses.
#pragma once

#include <vector>

#include "engine/model/input_data.h"
#include "engine/model/units.h"

namespace torve {

struct Segment {
    double top = 0;
    double bottom = 0;
    bool sand = true;  // soil type of the soil point above the segment's interval
    // Soil properties interpolated at mid-depth; stresses in ksf (English) or kPa (S.I.).
    double earth_pressure = 0;
    double unit_weight = 0;  // lb/ft3 or kN/m3
    double friction_angle = 0;
    double bearing_factor = 0;
    double max_friction = 0;
    double max_bearing = 0;
    double su = 0;
    double sur = 0;
    double blow_count_ysr = 0;  // sand: SPT blow count; clay: yield stress ratio
    double lrfd_friction = 0;
    double lrfd_bearing = 0;
    double plasticity_index = 0;  // as read
    double cone_resistance = 0;   // qc as read (psf or kPa)
    double soil_type_factor = 1;  // Fst of the Unified clay friction
    // The entered qc and blow count at the segment's top and bottom, on the same line through the
    // layer as the mid-depth values, so that a layer's own readings vary within a segment as they do
    // along the layer.
    double cone_resistance_top = 0;
    double cone_resistance_bottom = 0;
    double blow_count_top = 0;
    double blow_count_bottom = 0;
    // Depths of the two soil points whose interval the segment lies in: the cone readings of the
    // segment come from this layer alone.
    double layer_top = 0;
    double layer_bottom = 0;
    // User unit skin friction and end bearing, in ksf or kPa, times the tension reduction factor.
    double user_friction = 0;
    double user_bearing = 0;
    // Vertical effective stress at the segment top and bottom.
    double stress_top = 0;
    double stress_bottom = 0;
    // Depth below which the USACE side friction holds the effective stress constant.
    double critical_depth = 0;
    // The project's own constants of the soil point above the segment's interval, as its soil type.
    LayerConstants constants;
};

struct SoilProfile {
    double increment = 0;
    std::vector<Segment> segments;
    // Number of segments above the first one with a non-zero user unit value; the user-specified
    // load transfer runs only when has_user_values is set.
    int leading_empty = 0;
    bool has_user_values = false;

    int count() const { return static_cast<int>(segments.size()); }
    // Segment `i`, or the deepest one when `i` lies below the profile.
    const Segment& at(int i) const {
        return segments[static_cast<std::size_t>(i < count() ? i : count() - 1)];
    }
};

// Builds `count` segments from the (aligned) soil points, prepares effective stresses, the
// critical depth of every sand segment, and friction angles from blow counts.
SoilProfile build_soil_profile(const InputData& in, const Units& units, int count);

}  // namespace torve
