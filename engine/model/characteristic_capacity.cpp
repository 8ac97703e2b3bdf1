#include "engine/model/characteristic_capacity.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/model/input_error.h"

namespace torve {
namespace {

std::optional<std::size_t> row_at(const SoundingCapacity& s, double depth) {
    const auto at = std::lower_bound(s.depth.begin(), s.depth.end(), depth - kSameDepth);
    if (at == s.depth.end() || std::abs(*at - depth) > kSameDepth) return std::nullopt;
    return static_cast<std::size_t>(at - s.depth.begin());
}

}  // namespace

CharacteristicCapacity characteristic_capacity(const std::vector<SoundingCapacity>& soundings,
                                               bool stiff_structure) {
    if (soundings.empty()) throw InputError("The characteristic capacity needs at least one sounding.");
    for (const SoundingCapacity& s : soundings)
        if (s.depth.size() != s.capacity.size())
            throw InputError(s.name + ": " + std::to_string(s.depth.size()) + " depths and " +
                             std::to_string(s.capacity.size()) +
                             " capacities; each depth needs one capacity.");

    CharacteristicCapacity c;
    c.stiff_structure = stiff_structure;
    c.xi = correlation_factors(static_cast<int>(soundings.size()), stiff_structure);
    c.capacity.resize(soundings.size());
    for (const SoundingCapacity& s : soundings) c.names.push_back(s.name);

    for (double depth : soundings.front().depth) {
        std::vector<double> row;
        for (const SoundingCapacity& s : soundings) {
            const std::optional<std::size_t> at = row_at(s, depth);
            if (!at) break;
            row.push_back(s.capacity[*at]);
        }
        if (row.size() != soundings.size()) continue;
        double sum = 0;
        for (std::size_t i = 0; i < row.size(); ++i) {
            c.capacity[i].push_back(row[i]);
            sum += row[i];
        }
        const double mean = sum / static_cast<double>(row.size());
        const double least = *std::min_element(row.begin(), row.end());
        const double characteristic = std::min(mean / c.xi.xi3, least / c.xi.xi4);
        c.depth.push_back(depth);
        c.mean.push_back(mean);
        c.minimum.push_back(least);
        c.characteristic.push_back(characteristic);
        c.design.push_back(characteristic / kBearingResistanceFactor);
    }
    if (c.depth.empty()) {
        std::string apart = soundings.size() > 1 ? soundings[1].name : soundings.front().name;
        for (const SoundingCapacity& s : soundings) {
            bool shares = false;
            for (double d : soundings.front().depth) shares = shares || row_at(s, d).has_value();
            if (!shares) {
                apart = s.name;
                break;
            }
        }
        throw InputError(apart + ": no depth of its capacity table is in every other table, so the " +
                         "soundings give no characteristic capacity.");
    }
    return c;
}

}  // namespace torve
