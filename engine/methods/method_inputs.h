// What every method routine reads: the input, the soil segments, the pile and the CPT profile.
#pragma once

#include "engine/methods/pile_geometry.h"
#include "engine/methods/soil_profile.h"
#include "engine/model/input_data.h"
#include "engine/model/units.h"

namespace torve {

struct MethodInputs {
    const InputData& in;
    const Units& units;
    const SoilProfile& profile;
    const PileGeometry& pile;
    const CptProfile& cpt;
};

}  // namespace torve
