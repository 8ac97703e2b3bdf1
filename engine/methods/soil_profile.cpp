// Segment properties by linear interpolation between soil points, and the stress preparation.
#include "engine/methods/soil_profile.h"

#include <limits>

#include "engine/methods/spt_friction_angle.h"
#include "engine/model/rounded_constants.h"

namespace torve {
namespace {

// Soil-point fields carried into segments, each interpolated at the segment's mid-depth.
constexpr double SoilPoint::*kPointFields[] = {
    &SoilPoint::earth_pressure,
    &SoilPoint::unit_weight,
    &SoilPoint::friction_angle,
    &SoilPoint::bearing_factor,
    &SoilPoint::max_friction,
    &SoilPoint::max_bearing,
    &SoilPoint::su,
    &SoilPoint::sur,
    &SoilPoint::blow_count_ysr,
    &SoilPoint::lrfd_friction,
    &SoilPoint::lrfd_bearing,
    &SoilPoint::plasticity_index,
    &SoilPoint::cone_resistance,
    &SoilPoint::soil_type_factor,
    &SoilPoint::user_friction_read,
    &SoilPoint::user_bearing_read,
};
constexpr double Segment::*kSegmentFields[] = {
    &Segment::earth_pressure,
    &Segment::unit_weight,
    &Segment::friction_angle,
    &Segment::bearing_factor,
    &Segment::max_friction,
    &Segment::max_bearing,
    &Segment::su,
    &Segment::sur,
    &Segment::blow_count_ysr,
    &Segment::lrfd_friction,
    &Segment::lrfd_bearing,
    &Segment::plasticity_index,
    &Segment::cone_resistance,
    &Segment::soil_type_factor,
    &Segment::user_friction,
    &Segment::user_bearing,
};
static_assert(std::size(kPointFields) == std::size(kSegmentFields));

// A friction angle below it counts as not entered (a single-precision literal, as kGridAllowance).
constexpr double kTinyAngle = static_cast<double>(1.0e-10f);

void interpolate_properties(const std::vector<SoilPoint>& soil, std::size_t c, double mid, Segment& s) {
    const SoilPoint& p0 = soil[c];
    const SoilPoint& p1 = soil[c + 1];
    const double span = p1.depth - p0.depth;
    for (std::size_t f = 0; f < std::size(kPointFields); ++f) {
        const double v0 = p0.*kPointFields[f];
        const double v1 = p1.*kPointFields[f];
        // Coincident points (a layer of no thickness at the bottom of the profile) give the lower
        // point's value instead of a division by zero.
        s.*kSegmentFields[f] = span > 0 ? v0 + (v1 - v0) / span * (mid - p0.depth) : v1;
    }
    auto at = [&](double SoilPoint::*field, double z) {
        const double v0 = p0.*field, v1 = p1.*field;
        return span > 0 ? v0 + (v1 - v0) / span * (z - p0.depth) : v1;
    };
    s.cone_resistance_top = at(&SoilPoint::cone_resistance, s.top);
    s.cone_resistance_bottom = at(&SoilPoint::cone_resistance, s.bottom);
    s.blow_count_top = at(&SoilPoint::blow_count_ysr, s.top);
    s.blow_count_bottom = at(&SoilPoint::blow_count_ysr, s.bottom);
    s.layer_top = p0.depth;
    s.layer_bottom = p1.depth;
}

// USACE critical depth for sand by the density implied by the friction angle (10, 15 or 20
// diameters), or the stress-based or user-specified depth of the other options.
double density_critical_depth(double phi, double od) {
    if (phi < 33) return 10 * od;
    if (phi < 36) return 15 * od;
    return 20 * od;
}

}  // namespace

SoilProfile build_soil_profile(const InputData& in, const Units& units, int count) {
    SoilProfile profile;
    profile.increment = in.computation_increment;
    profile.segments.resize(static_cast<std::size_t>(count));
    const double dz = in.computation_increment;

    std::size_t c = 0;
    for (int k = 0; k < count; ++k) {
        Segment& s = profile.segments[static_cast<std::size_t>(k)];
        s.top = k * dz;
        s.bottom = (k + 1) * dz;
        while (c + 2 < in.soil.size() && in.soil[c + 1].depth - s.top <= kGridAllowance) ++c;
        s.sand = in.soil[c].is_sand();
        s.constants = in.soil[c].constants;
        interpolate_properties(in.soil, c, s.top + 0.5 * dz, s);
        // The user values were interpolated as read; bring them to ksf. The tension reduction factor
        // applies under tension only: a factor left in the project from an earlier tension run must
        // not reduce a compression run.
        const double reduction = in.tension() ? in.tension_reduction_factor : 1.0;
        s.user_friction = s.user_friction * reduction / units.read_stress_per_stress;
        s.user_bearing = s.user_bearing * reduction / units.read_stress_per_stress;
        if (!profile.has_user_values && (s.user_friction != 0 || s.user_bearing != 0)) {
            profile.has_user_values = true;
            profile.leading_empty = k;
        }
    }

    // Effective stress walk from the surface, with friction angles from blow counts and the
    // critical depth of each sand segment.
    const double od = in.outside_diameter / units.diameter_per_length;
    const double threshold = units.critical_stress;
    double stress_critical = std::numeric_limits<double>::infinity();
    double stress = 0;
    for (Segment& s : profile.segments) {
        s.stress_top = stress;
        stress += dz * s.unit_weight / units.read_stress_per_stress;
        s.stress_bottom = stress;
        if (s.sand && s.friction_angle < kTinyAngle && s.blow_count_ysr > 0) {
            const double s_psi = s.stress_bottom * units.read_stress_per_stress / units.read_stress_per_psi;
            s.friction_angle = friction_angle_from_spt(s.blow_count_ysr, s_psi);
        }
        if (s.stress_bottom > threshold && s.stress_top <= threshold &&
            stress_critical == std::numeric_limits<double>::infinity()) {
            // Depth at which the stress reaches the threshold, inside this segment.
            stress_critical = s.top + (threshold - s.stress_top) / (s.stress_bottom - s.stress_top) * dz;
        }
    }
    for (Segment& s : profile.segments) {
        switch (in.critical_depth_option) {
            case CriticalDepthOption::FromDensity:
                s.critical_depth = density_critical_depth(s.friction_angle, od);
                break;
            case CriticalDepthOption::FromStress:
                s.critical_depth = stress_critical;
                break;
            case CriticalDepthOption::UserSpecified:
                s.critical_depth = in.critical_depth;
                break;
        }
    }
    return profile;
}

}  // namespace torve
