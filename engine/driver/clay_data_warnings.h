// Warnings for clay points that the clay rule of ICP/MTD, Fugro and UWA cannot use as they stand.
#pragma once

#include <string>
#include <vector>

#include "engine/model/input_data.h"

namespace torve {

// One clay point that a selected method meets without a yield stress ratio or plasticity index
// above zero: the report and console line, and the same in a sentence for the run's summary.
struct ClayDataWarning {
    std::string line;
    std::string sentence;
};

// For each selected method of the shared clay rule (only on a project with offshore data), one
// warning per clay point whose YSR or PI is not above zero. YSR not above zero makes the clay
// friction of the method zero there; PI not above zero takes the chart's first angle. A negative PI
// keeps its own line above the method's table as well.
std::vector<ClayDataWarning> clay_data_warnings(const InputData& in);

}  // namespace torve
