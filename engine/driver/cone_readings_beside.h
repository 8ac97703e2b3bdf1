// The cone readings file beside a project, read for a run that needs the sounding's fs or qt.
#pragma once

#include <string>

#include "engine/model/cpt_profile.h"

namespace torve {

// Gives `cpt` the readings of PROJECT.cone.csv beside `project_path` (the .tv6d or its .cpt) when
// that file exists, in the units of the points; leaves it as it is when there is none. A file that
// cannot be read raises InputError naming it and the line.
void read_cone_readings_beside(const std::string& project_path, CptProfile& cpt);

}  // namespace torve
