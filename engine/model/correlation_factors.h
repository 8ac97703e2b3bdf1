// The correlation factors xi3 and xi4 that turn the capacities calculated from several soundings
// into a characteristic capacity (EN 1997-1 7.6.2.3, values of the Dutch national annex).
#pragma once

namespace torve {

struct CorrelationFactors {
    double xi3 = 0;  // on the mean of the calculated capacities
    double xi4 = 0;  // on the least of them
};

// The factors for `soundings` soundings (at least 1): 1.39/1.39 for one, falling to 1.25/1.00 for
// ten and more. The table gives no values for eight and nine soundings; they take those of seven,
// the larger factors, until the values of the annex for them are known. A structure stiff enough
// to move load from weak piles to strong ones divides both by 1.1. Fewer than one sounding raises
// InputError.
CorrelationFactors correlation_factors(int soundings, bool stiff_structure);

}  // namespace torve
