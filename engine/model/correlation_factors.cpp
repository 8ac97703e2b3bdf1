#include "engine/model/correlation_factors.h"

#include <algorithm>
#include <array>
#include <string>

#include "engine/model/input_error.h"

namespace torve {
namespace {

// Soundings 1 to 7; the row of 7 serves 8 and 9 as well.
constexpr std::array<CorrelationFactors, 7> kByCount = {{
    {1.39, 1.39},
    {1.32, 1.32},
    {1.30, 1.30},
    {1.28, 1.03},
    {1.28, 1.03},
    {1.27, 1.01},
    {1.27, 1.01},
}};
constexpr CorrelationFactors kTenAndMore = {1.25, 1.00};
constexpr double kStiffStructureDivisor = 1.1;

}  // namespace

CorrelationFactors correlation_factors(int soundings, bool stiff_structure) {
    if (soundings < 1)
        throw InputError("The characteristic capacity needs at least one sounding, found " +
                         std::to_string(soundings) + ".");
    CorrelationFactors xi =
        soundings >= 10 ? kTenAndMore : kByCount[static_cast<std::size_t>(std::min(soundings, 7) - 1)];
    if (stiff_structure) {
        xi.xi3 /= kStiffStructureDivisor;
        xi.xi4 /= kStiffStructureDivisor;
    }
    return xi;
}

}  // namespace torve
