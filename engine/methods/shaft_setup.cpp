// The set-up factor and its application to a method's skin friction.
#include "engine/methods/shaft_setup.h"

#include <cmath>

#include "engine/model/input_error.h"
#include "engine/model/number_text.h"

namespace torve {
namespace {

std::string shown(double v) {
    return std::isfinite(v) ? shortest_real(v) : std::string(std::isnan(v) ? "not a number" : "infinite");
}

// An increment column (cumulative from the surface) whose every step is multiplied by the factor
// of the segment it crosses.
void age_cumulative(std::vector<double>& column, const std::vector<double>& factors) {
    double before = 0;
    double aged = 0;
    for (std::size_t j = 0; j < column.size(); ++j) {
        const double step = column[j] - before;
        before = column[j];
        aged += step * factors[j];
        column[j] = aged;
    }
}

}  // namespace

SetupRates setup_rates(const SetupRequest& request) {
    if (!std::isfinite(request.days) || request.days < 0)
        throw InputError("The time after driving for the set-up (" + shown(request.days) +
                         " days) must be zero or more days.");
    if (request.a && (!std::isfinite(*request.a) || *request.a < 0))
        throw InputError("The set-up factor A (" + shown(*request.a) + ") must be zero or more.");
    if (request.t0_days && (!std::isfinite(*request.t0_days) || *request.t0_days <= 0))
        throw InputError("The reference time t0 of the set-up (" + shown(*request.t0_days) +
                         " days) must be more than zero days.");
    SetupRates r;
    r.days = request.days;
    r.sand = kSandSetup;
    r.clay = kClaySetup;
    for (SetupRate* rate : {&r.sand, &r.clay}) {
        if (request.a) rate->a = *request.a;
        if (request.t0_days) rate->t0_days = *request.t0_days;
    }
    return r;
}

double setup_factor(const SetupRate& rate, double days) {
    if (!(days > rate.t0_days)) return 1.0;
    return 1.0 + rate.a * std::log10(days / rate.t0_days);
}

SetupRate setup_rate_of(const SetupRates& rates, bool sand, const LayerConstants& own) {
    SetupRate rate = sand ? rates.sand : rates.clay;
    rate.a = own.setup_a.value_or(rate.a);
    rate.t0_days = own.setup_t0_days.value_or(rate.t0_days);
    return rate;
}

void apply_setup(CapacityCurve& curve, const SoilProfile& profile, const SetupRates& rates) {
    if (profile.count() == 0) return;
    // Row j lies at the bottom of segment j - 1: the friction the pile gains down to it is that
    // segment's, and so is its unit friction (row 0 takes the first segment's).
    const std::size_t rows = curve.skin_friction.size();
    std::vector<double> factors(rows);
    for (std::size_t j = 0; j < rows; ++j) {
        const Segment& s = profile.at(j == 0 ? 0 : static_cast<int>(j) - 1);
        factors[j] = setup_factor(setup_rate_of(rates, s.sand, s.constants), rates.days);
    }
    age_cumulative(curve.skin_friction, factors);
    if (curve.side_resistance.size() == rows) age_cumulative(curve.side_resistance, factors);
    for (std::size_t j = 0; j < curve.unit_skin_friction.size() && j < rows; ++j)
        curve.unit_skin_friction[j] *= factors[j];
    for (std::size_t j = 0; j < curve.ultimate.size() && j < rows; ++j)
        curve.ultimate[j] = curve.skin_friction[j] + curve.end_bearing[j];
}

}  // namespace torve
