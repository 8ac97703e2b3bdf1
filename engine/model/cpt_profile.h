// The CPT data file's records: the cone penetration profile of a project.
#pragma once

#include <vector>

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
};

}  // namespace torve
