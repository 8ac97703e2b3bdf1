// The FHWA charts, transcribed once; every lookup is linear and held at the ends of a chart.
#include "engine/methods/fhwa_charts.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "engine/methods/chart_lookup.h"

namespace torve::fhwa {
namespace {

template <std::size_t N>
using Row = std::array<double, N>;

// Tomlinson (1979), adhesion factors for piles driven into clay, as digitized for the FHWA
// driven-pile manual (Hannigan et al.): one su axis (ksf) for every curve.
constexpr Row<10> kAdhesionSu = {0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 3.5, 4.0, 4.5};
constexpr Row<10> kSandCurveA = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
constexpr Row<10> kSandCurveB = {1, 1, 1, 1, 0.95, 0.875, 0.75, 0.75, 0.75, 0.75};
constexpr Row<10> kSandCurveC = {1, 1, 0.9, 0.815, 0.68, 0.5, 0.44, 0.4, 0.4, 0.4};
constexpr Row<10> kSoftClayShort = {0.7, 0.519, 0.398, 0.334, 0.298, 0.272, 0.246, 0.226, 0.206, 0.186};
constexpr Row<10> kSoftClayLong = {0.97, 0.84, 0.746, 0.694, 0.675, 0.656, 0.626, 0.599, 0.568, 0.54};
constexpr Row<10> kStiffClayShort = {1, 0.984, 0.923, 0.829, 0.688, 0.443, 0.303, 0.245, 0.238, 0.238};
constexpr Row<10> kStiffClayLong = {1, 1, 1, 1, 0.9, 0.701, 0.502, 0.388, 0.315, 0.299};

// Nordlund (1979), delta/phi against the displaced volume (ft3/ft), one row per pile-type code.
constexpr Row<13> kDisplacedVolume = {0.08, 0.1, 0.2, 0.3, 0.4, 0.52, 0.6, 0.8, 1, 1.2, 1.4, 1.6, 1.9};
constexpr std::array<Row<13>, 7> kDeltaRatio = {{
    {0.342, 0.342, 0.342, 0.342, 0.41, 0.476, 0.516, 0.593, 0.652, 0.697, 0.733, 0.763, 0.798},
    {0.404, 0.404, 0.404, 0.404, 0.466, 0.527, 0.562, 0.637, 0.693, 0.734, 0.766, 0.793, 0.825},
    {0.466, 0.466, 0.466, 0.466, 0.525, 0.59, 0.63, 0.708, 0.767, 0.813, 0.848, 0.877, 0.914},
    {0.571, 0.571, 0.571, 0.571, 0.637, 0.699, 0.736, 0.814, 0.873, 0.917, 0.953, 0.985, 1.024},
    {0.801, 0.801, 0.801, 0.801, 0.845, 0.895, 0.925, 0.994, 1.053, 1.11, 1.159, 1.207, 1.27},
    {0.727, 0.747, 0.827, 0.8875, 0.933, 0.972, 0.98, 0.98, 0.98, 0.98, 0.98, 0.98, 0.98},
    {0.643, 0.643, 0.643, 0.643, 0.696, 0.757, 0.792, 0.86, 0.916, 0.958, 0.994, 1.024, 1.062},
}};

// Nordlund (1963), correction factor for K-delta when delta differs from phi: one curve per
// delta/phi, against phi.
constexpr Row<7> kCorrectionRatio = {0.2, 0.4, 0.6, 0.8, 1.0, 1.2, 1.4};
constexpr Row<9> kCorrectionPhi = {14, 18, 22, 26, 30, 34, 38, 42, 45};
constexpr std::array<Row<9>, 7> kCorrection = {{
    {0.83, 0.77, 0.71, 0.64, 0.58, 0.5, 0.42, 0.32, 0.24},
    {0.9, 0.85, 0.8, 0.74, 0.69, 0.63, 0.56, 0.49, 0.43},
    {0.95, 0.92, 0.89, 0.85, 0.82, 0.77, 0.72, 0.66, 0.62},
    {0.99, 0.98, 0.97, 0.95, 0.94, 0.92, 0.9, 0.87, 0.84},
    {1, 1, 1, 1, 1, 1, 1, 1, 1},
    {1.01, 1.02, 1.02, 1.02, 1.03, 1.05, 1.07, 1.09, 1.12},
    {1.02, 1.03, 1.03, 1.04, 1.06, 1.08, 1.1, 1.13, 1.16},
}};

// Nordlund (1963), K-delta against the taper angle omega (degrees) for phi = 25, 30, 35 and 40
// degrees, each with curves for V = 0.1, 1 and 10 ft3/ft.
constexpr Row<14> kOmega25And30 = {0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.8, 1, 1.2, 1.4, 1.6, 1.8, 1.9};
constexpr std::array<Row<14>, 3> kKDelta25 = {{
    {0.7, 0.739, 0.817, 0.922, 1.042, 1.194, 1.4, 1.808, 2.322, 2.917, 3.383, 3.733, 3.986, 4.072},
    {0.85, 0.902, 0.992, 1.085, 1.206, 1.353, 1.536, 1.886, 2.337, 2.917, 3.383, 3.733, 3.986, 4.072},
    {1, 1.05, 1.136, 1.237, 1.349, 1.478, 1.646, 1.944, 2.316, 2.917, 3.383, 3.733, 3.986, 4.072},
}};
constexpr std::array<Row<14>, 3> kKDelta30 = {{
    {0.85, 1.043, 1.26, 1.551, 2.017, 2.56, 3.18, 4.332, 5.36, 5.934, 6.244, 6.399, 6.487, 6.494},
    {1.15, 1.408, 1.629, 1.958, 2.435, 2.928, 3.444, 4.421, 5.36, 5.934, 6.244, 6.399, 6.487, 6.494},
    {1.45, 1.745, 1.978, 2.339, 2.746, 3.18, 3.638, 4.499, 5.36, 5.934, 6.244, 6.399, 6.487, 6.494},
}};
constexpr Row<13> kOmega35 = {0, 0.1, 0.2, 0.25, 0.3, 0.4, 0.5, 0.6, 0.75, 0.88, 1, 1.11, 2};
constexpr std::array<Row<13>, 3> kKDelta35 = {{
    {1.15, 1.47, 2, 2.32, 2.9, 4.18, 5.42, 6.81, 8.55, 9.75, 10.18, 10.34, 10.34},
    {1.75, 2.01, 2.59, 2.98, 3.56, 4.66, 5.65, 6.85, 8.55, 9.75, 10.18, 10.34, 10.34},
    {2.35, 2.76, 3.37, 3.72, 4.26, 5.19, 6.08, 7.12, 8.55, 9.75, 10.18, 10.34, 10.34},
}};
constexpr Row<10> kOmega40 = {0, 0.1, 0.15, 0.22, 0.3, 0.4, 0.43, 0.5, 0.56, 2};
constexpr std::array<Row<10>, 3> kKDelta40 = {{
    {1.7, 5.12, 7.36, 10.56, 13.6, 15.84, 16.64, 17.28, 17.54, 17.54},
    {3, 6.352, 8, 10.56, 13.6, 15.84, 16.64, 17.28, 17.54, 17.54},
    {4.3, 7.04, 8.48, 10.56, 13.6, 15.84, 16.64, 17.28, 17.54, 17.54},
}};
constexpr Row<3> kKDeltaVolume = {0.1, 1, 10};

// Bearing capacity factor N'q and the factor alpha_t, after Bowles (1977) as given in the FHWA
// driven-pile manual; alpha_t has one curve per D/b = 20, 30 and 45.
constexpr Row<13> kBearingPhi = {15, 17.5, 20, 22.5, 25, 27.5, 30, 32.5, 35, 37.5, 40, 42.5, 45};
constexpr Row<13> kBearingFactor = {4.8, 6.2, 8.2, 12, 15, 21, 30, 43, 64, 98, 160, 265, 475};
constexpr Row<13> kAlphaTPhi = {20, 20.5, 22.5, 25, 27.5, 30, 32.5, 35, 36.5, 37.5, 40, 42.5, 45};
constexpr Row<3> kAlphaTDepthRatio = {20, 30, 45};
constexpr std::array<Row<13>, 3> kAlphaT = {{
    {0.177, 0.19, 0.242, 0.318, 0.4, 0.49, 0.578, 0.66, 0.7, 0.715, 0.75, 0.78, 0.8},
    {0.256, 0.267, 0.319, 0.389, 0.4, 0.52, 0.605, 0.67, 0.7, 0.715, 0.75, 0.78, 0.8},
    {0.365, 0.375, 0.416, 0.47, 0.525, 0.58, 0.637, 0.68, 0.7, 0.715, 0.75, 0.78, 0.8},
}};

// Limiting unit end bearing of sand by phi, in tsf, after Meyerhof (1976).
constexpr Row<12> kLimitPhi = {30, 31.25, 32.5, 33.75, 35, 36.25, 37.5, 38.75, 40, 41.25, 42.5, 43.75};
constexpr Row<12> kLimitTsf = {6.66, 11.25, 20, 32.5, 53.8, 81.3, 117.5, 159.5, 208.8, 262.5, 318.8, 368.8};

// A family of curves y_c(x) with one curve per value p_c of a parameter: linear in x along each
// curve, then linear in p between the two curves around it, held at the first and last curves.
template <std::size_t C, std::size_t N>
double between_curves(const Row<C>& parameter, const std::array<Row<N>, C>& curves, const Row<N>& x, double p,
                      double v) {
    Row<C> at_v{};
    for (std::size_t c = 0; c < C; ++c) at_v[c] = interpolate_clamped(x, curves[c], v);
    return interpolate_clamped(parameter, at_v, p);
}

// K-delta of one phi chart, linear in omega along each V curve and linear in V between them.
template <std::size_t N>
double k_delta_chart(const Row<N>& omega_axis, const std::array<Row<N>, 3>& chart, double volume,
                     double omega) {
    return between_curves(kKDeltaVolume, chart, omega_axis, volume, omega);
}

}  // namespace

double tomlinson_alpha(AdhesionCase chart, double su, double r) {
    const auto at = [su](const Row<10>& curve) { return interpolate_clamped(kAdhesionSu, curve, su); };
    switch (chart) {
        case AdhesionCase::SandOverStiffClay: {
            const double a = at(kSandCurveA), b = at(kSandCurveB), c = at(kSandCurveC);
            if (r < 10) return a;
            if (r < 20) return (20 - r) * (a - b) / 10 + b;
            if (r < 40) return (40 - r) * (b - c) / 20 + c;
            return c;
        }
        case AdhesionCase::SoftClayOverStiffClay: {
            const double shorter = at(kSoftClayShort), longer = at(kSoftClayLong);
            if (r < 10) return shorter;
            if (r >= 20) return longer;
            return (r - 10) * (longer - shorter) / 10 + shorter;
        }
        case AdhesionCase::NoOverlyingStrata:
        default: {
            const double shorter = at(kStiffClayShort), longer = at(kStiffClayLong);
            if (r < 10) return shorter;
            if (r >= 40) return longer;
            return (r - 10) * (longer - shorter) / 30 + shorter;
        }
    }
}

double nordlund_delta_ratio(PileType pile_type, double volume) {
    const auto row = static_cast<std::size_t>(static_cast<int>(pile_type) - 1);
    return interpolate_clamped(kDisplacedVolume, kDeltaRatio[row], volume);
}

double nordlund_correction(double delta_ratio, double phi) {
    return between_curves(kCorrectionRatio, kCorrection, kCorrectionPhi, delta_ratio, phi);
}

double nordlund_k_delta(double phi, double volume, double omega) {
    const Row<4> chart_phi = {25, 30, 35, 40};
    const Row<4> by_chart = {
        k_delta_chart(kOmega25And30, kKDelta25, volume, omega),
        k_delta_chart(kOmega25And30, kKDelta30, volume, omega),
        k_delta_chart(kOmega35, kKDelta35, volume, omega),
        k_delta_chart(kOmega40, kKDelta40, volume, omega),
    };
    return interpolate_clamped(chart_phi, by_chart, phi);
}

double bearing_factor(double phi) {
    return interpolate_clamped(kBearingPhi, kBearingFactor, phi);
}

double bearing_depth_factor(double phi, double depth_ratio) {
    return between_curves(kAlphaTDepthRatio, kAlphaT, kAlphaTPhi, depth_ratio, phi);
}

double bearing_limit_tsf(double phi) {
    return interpolate_clamped(kLimitPhi, kLimitTsf, phi);
}

}  // namespace torve::fhwa
