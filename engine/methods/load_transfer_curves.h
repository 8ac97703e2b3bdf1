// Load-transfer (t-z) curves along the shaft and the tip load-movement (Q-w) curve.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "engine/methods/pile_geometry.h"
#include "engine/methods/side_friction.h"
#include "engine/methods/soil_profile.h"
#include "engine/model/input_data.h"
#include "engine/model/units.h"

namespace torve {

// Units of the curves are the settlement solver's: English curves work in pounds and inches (t in
// lb/in2, depth and movement in in), S.I. curves in kN and metres (t in kPa, movement in m).
struct TzCurve {
    double depth = 0;         // from the pile head, in or m
    double ground_depth = 0;  // below the ground surface, ft or m
    bool sand = false;
    double friction_angle = 0;
    double tmax = 0;  // maximum unit load transfer, lb/in2 or kPa
    std::array<double, kPointsPerTzCurve> movement{};
    std::array<double, kPointsPerTzCurve> transfer{};

    // Load transfer at a movement: linear between points, the last value beyond the last point.
    double at(double movement) const;
};

struct QwCurve {
    std::array<double, kPointsPerTzCurve> movement{};  // tip movement, in or m
    std::array<double, kPointsPerTzCurve> load{};      // tip load, lb or kN
};

// What the curves are built from: the load-transfer method's cumulative side resistance at every
// penetration row (kips or kN) and its tip resistance at the pile tip (kips or kN).
struct LoadTransferInput {
    std::vector<double> side_resistance;
    double tip_resistance = 0;
    SegmentPairs cone_resistance;  // Unified method: qc at every segment's top and bottom
};

// Curves along the shaft: three extra curves with no resistance in the stickup, then three per soil
// layer at least 0.11 thick (top, middle, bottom), in depth order.
std::vector<TzCurve> shaft_curves(const InputData& in, const Units& units, const PileGeometry& pile,
                                  const SoilProfile& profile, const LoadTransferInput& input);

// The verification curve at a depth below the ground surface (ft or m); none when the depth lies
// outside the soil profile.
std::optional<TzCurve> verification_curve(const InputData& in, const Units& units, const PileGeometry& pile,
                                          const SoilProfile& profile, const LoadTransferInput& input,
                                          double ground_depth);

// The Q-w curve at the pile tip.
QwCurve tip_curve(const InputData& in, const Units& units, const PileGeometry& pile,
                  const SoilProfile& profile, const LoadTransferInput& input);

// Maximum unit load transfer at a depth below the ground (ft or m): the slope of the cumulative side
// resistance divided by the perimeter, in lb/in2 (English) or kPa (S.I.).
double maximum_load_transfer(const Units& units, const PileGeometry& pile,
                             const std::vector<double>& side_resistance, double ground_depth);

// A curve of the load-transfer method at a depth below the ground (ft or m) for the maximum transfer
// tmax: the method's own sand curve where it has one, else the API RP 2A or USACE shape.
TzCurve method_curve(const InputData& in, const Units& units, const PileGeometry& pile,
                     const SoilProfile& profile, const LoadTransferInput& input, bool sand,
                     double friction_angle, double ground_depth, double tmax);

// Friction angle of a curve: the soil point's (`point_angle`), or for sand given by blow counts
// (`point_angle` 0) the angle derived for the segment at the depth below the ground (ft or m).
double curve_friction_angle(double point_angle, const SoilProfile& profile, double ground_depth);

// The shape of a curve: 10 movements and load transfers for the given maximum.
TzCurve shaped_curve(const Units& units, bool usace_shapes, bool sand, double friction_angle, double tmax,
                     const PileGeometry& pile);

}  // namespace torve
