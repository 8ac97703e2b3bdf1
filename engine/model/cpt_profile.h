// The CPT data file's records: the cone penetration profile of a project.
#pragma once

#include <vector>

#include "engine/model/cpt_point.h"

namespace torve {

struct CptProfile {
    int unit_code = 0;  // as written by the desktop program; not used by the analysis
    std::vector<CptPoint> points;
};

}  // namespace torve
