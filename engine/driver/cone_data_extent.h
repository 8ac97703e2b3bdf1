// The warning for cone data that end above the depth the cone methods read them to.
#pragma once

#include <optional>

#include "engine/driver/data_warning.h"
#include "engine/model/input_data.h"
#include "engine/model/units.h"

namespace torve {

// Below the deepest point of the CPT data the cone methods hold its qc. They read qc down to the
// pile tip, and their tip resistance averages it over 1.5 diameters below the tip. When the data
// end above that depth, and soil points there give no qc of their own (which would be used
// instead), the run warns once, naming how deep the last qc is held: the resistance there rests on
// a value nobody measured. Only for a project with offshore data and a cone method selected.
std::optional<DataWarning> cone_data_extent_warning(const InputData& in, const CptProfile& cpt,
                                                    const Units& units);

}  // namespace torve
