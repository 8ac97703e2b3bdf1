// What a cone sounding measured at a depth besides the cone resistance of the CPT data file.
#pragma once

#include <optional>

namespace torve {

// Sleeve friction fs, pore pressure u2 behind the cone and the corrected cone resistance qt at a
// depth, each absent where the sounding did not give it. Depth in ft or m, stresses in the unit of
// the CPT points they go with (lb/ft2 or kPa in the files and the engine, ksf or kPa in the desktop
// program).
struct ConeReading {
    double depth = 0;
    std::optional<double> fs;
    std::optional<double> u2;
    std::optional<double> qt;
    bool operator==(const ConeReading&) const = default;
};

}  // namespace torve
