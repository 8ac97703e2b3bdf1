// The characteristic capacity of a pile from the capacities calculated with one sounding each: per
// depth R_c,k = min(mean / xi3, least / xi4), and the design capacity R_c,k / 1.2 beside it.
#pragma once

#include <string>
#include <vector>

#include "engine/model/correlation_factors.h"

namespace torve {

// The resistance factor of a bearing pile's capacity, the same on base and shaft, so that the
// design capacity is the characteristic one divided by it.
inline constexpr double kBearingResistanceFactor = 1.2;

// The capacity of the pile calculated with one sounding, at each depth of its table (kips or kN;
// ft or m, the depths increasing).
struct SoundingCapacity {
    std::string name;  // the project or sounding, as messages and tables name it
    std::vector<double> depth;
    std::vector<double> capacity;
};

// One row per depth that every sounding's table holds, in the first sounding's order.
struct CharacteristicCapacity {
    bool stiff_structure = false;
    CorrelationFactors xi;  // for the number of soundings, the same at every depth
    std::vector<std::string> names;
    std::vector<double> depth;
    std::vector<std::vector<double>> capacity;  // capacity[sounding][row]
    std::vector<double> mean;
    std::vector<double> minimum;
    std::vector<double> characteristic;  // R_c,k
    std::vector<double> design;          // R_c,d = R_c,k / kBearingResistanceFactor
};

// Two depths of tables are one row when they lie closer than this (ft or m): the tables of one pile
// print the same depths, each read back from its own text.
inline constexpr double kSameDepth = 1e-6;

// Combines the soundings' capacities. Raises InputError when there is no sounding, a sounding's
// depths and capacities differ in number, or no depth is common to all of them (naming the sounding
// that shares none with the first).
CharacteristicCapacity characteristic_capacity(const std::vector<SoundingCapacity>& soundings,
                                               bool stiff_structure);

}  // namespace torve
