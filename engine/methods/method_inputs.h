// What every method routine reads: the input, the soil segments, the pile and the CPT profile.
#pragma once

#include "engine/methods/pile_geometry.h"
#include "engine/methods/soil_profile.h"
#include "engine/model/input_data.h"

namespace torve {

struct MethodInputs {
    const InputData& in;
    const SoilProfile& profile;
    const PileGeometry& pile;
    const CptProfile& cpt;
};

}  // namespace torve
