// The soil's own constants of driving and ageing at a soil point, each absent unless the project
// gives it: the quakes and Smith damping a wave-equation analysis takes for the soil, and the set-up
// rate A and reference time t0 of the shaft's gain with time after driving.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace torve {

struct LayerConstants {
    std::optional<double> shaft_quake;    // in or mm
    std::optional<double> toe_quake;      // in or mm
    std::optional<double> shaft_damping;  // Smith damping, s/ft or s/m
    std::optional<double> toe_damping;    // s/ft or s/m
    std::optional<double> setup_a;        // gain per log cycle of time
    std::optional<double> setup_t0_days;  // reference time of the gain, days

    bool any() const {
        return shaft_quake || toe_quake || shaft_damping || toe_damping || setup_a || setup_t0_days;
    }
    bool operator==(const LayerConstants&) const = default;
};

// The constants in the order of their file's columns, for readers, writers and checks that go
// through all of them.
inline constexpr std::array<std::optional<double> LayerConstants::*, 6> kLayerConstantFields = {
    &LayerConstants::shaft_quake, &LayerConstants::toe_quake, &LayerConstants::shaft_damping,
    &LayerConstants::toe_damping, &LayerConstants::setup_a,   &LayerConstants::setup_t0_days};

// The values a soil takes where the project gives none. Quakes and damping (S.I.): 2.5 mm on shaft
// and toe, Smith damping 0.16 s/m along the shaft in sand, 0.65 s/m in clay, 0.50 s/m at the toe
// (Lehane et al. 2022; common wave-equation practice). Set-up (Skov & Denver 1988): sand gains 20 %
// per log cycle of time after half a day, clay 60 % after a day.
inline constexpr double kDefaultQuakeMm = 2.5;
inline constexpr double kSandShaftDamping = 0.16;  // s/m
inline constexpr double kClayShaftDamping = 0.65;  // s/m
inline constexpr double kToeDamping = 0.50;        // s/m
inline constexpr double kSandSetupA = 0.2;
inline constexpr double kSandSetupT0Days = 0.5;
inline constexpr double kClaySetupA = 0.6;
inline constexpr double kClaySetupT0Days = 1.0;
// English units per S.I. unit: in per mm of a quake, s/ft per s/m of a damping.
inline constexpr double kQuakeInchesPerMillimetre = 1 / 25.4;
inline constexpr double kDampingPerFootPerMetre = 0.3048;

// Their names in words, as the checks and messages name them.
inline constexpr std::array<std::string_view, 6> kLayerConstantNames = {
    "shaft quake", "toe quake", "shaft damping", "toe damping", "set-up factor A", "set-up time t0"};

}  // namespace torve
