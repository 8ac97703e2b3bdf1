// Warnings for clay points that the methods of the ICP-05 clay rule cannot use as they stand.
#pragma once

#include <vector>

#include "engine/driver/data_warning.h"
#include "engine/model/input_data.h"

namespace torve {

// For each selected method whose row in the method table asks for them (only on a project with
// offshore data), one warning per clay point whose YSR or PI is not above zero. YSR not above zero makes the
// clay friction of the method zero there; PI not above zero takes the chart's first angle. A negative PI
// keeps its own line above the method's table as well.
std::vector<DataWarning> clay_data_warnings(const InputData& in);

}  // namespace torve
