// The CPT data file's records: the cone penetration profile of a project.
#pragma once

#include <vector>

#include "engine/model/cone_reading.h"
#include "engine/model/cpt_point.h"

namespace torve {

// A qc entered for a soil layer is used when at least this (psf or kPa); below it the layer takes
// qc from the CPT profile or the blow count.
inline constexpr double kLeastOwnConeResistance = 1.0e-5;
inline bool has_own_cone_resistance(double entered_qc) {
    return entered_qc >= kLeastOwnConeResistance;
}

struct CptProfile {
    int unit_code = 0;  // as written by the desktop program; not used by the analysis
    std::vector<CptPoint> points;
    // The sounding's other readings, in depth order, in the units of the points; empty where the
    // project keeps none (the cone readings file beside it).
    std::vector<ConeReading> readings{};
};

}  // namespace torve
