// Set-up of the shaft: the gain of skin friction with time after driving (Skov & Denver 1988),
//   Q(t) / Q(t0) = 1 + A log10(t / t0)   for t >= t0, and 1 for t < t0,
// applied to the skin friction of every segment by the soil type of that segment, the end bearing
// (and the friction of a soil plug, which bears as the base) left as it is.
#pragma once

#include <optional>
#include <string>

#include "engine/methods/capacity_curve.h"
#include "engine/methods/soil_profile.h"
#include "engine/model/layer_constants.h"

namespace torve {

// The gain of one soil type: A per log cycle of time, after the reference time t0 in days.
struct SetupRate {
    double a = 0;
    double t0_days = 1;
};

// Skov & Denver's values: sand gains 20 % per log cycle after half a day, clay 60 % after a day.
inline constexpr SetupRate kSandSetup{kSandSetupA, kSandSetupT0Days};
inline constexpr SetupRate kClaySetup{kClaySetupA, kClaySetupT0Days};

// What a run is asked for: the time after driving, and values of A or t0 that replace those of
// both soil types when given.
struct SetupRequest {
    double days = 0;
    std::optional<double> a;
    std::optional<double> t0_days;
};

// The rates a request gives each soil type.
struct SetupRates {
    double days = 0;
    SetupRate sand;
    SetupRate clay;
};

// The request's rates; a time that is negative or not finite, a negative or infinite A, or a t0
// that is not positive and finite raises InputError with a sentence naming the value.
SetupRates setup_rates(const SetupRequest& request);

// 1 + A log10(t / t0), or 1 before t0: set-up never takes capacity away.
double setup_factor(const SetupRate& rate, double days);

// The rate of soil of a type whose soil point gives constants of its own: its A and t0 where it gives
// them, each else the request's for its soil type.
SetupRate setup_rate_of(const SetupRates& rates, bool sand, const LayerConstants& own);

// Multiplies the skin friction that each segment adds to the curve by its soil's factor (its own A
// and t0 where its soil point gives them, else its soil type's): the
// cumulative columns (factored, and the load-transfer input) rise by the aged increments, the unit
// skin friction of each row by the factor of the segment above it, and the ultimate capacity with them.
void apply_setup(CapacityCurve& curve, const SoilProfile& profile, const SetupRates& rates);

}  // namespace torve
