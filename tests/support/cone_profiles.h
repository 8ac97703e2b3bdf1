// Cone profiles the engine's tests build again and again.
#pragma once

#include "engine/model/cpt_profile.h"

namespace torve::test {

// An S.I. sounding (kPa and m; the desktop program's unit code 2) whose qc runs straight from `top`
// at the ground surface to `bottom` at `depth`, and on at `bottom` below it.
inline CptProfile straight_cone(double top, double depth, double bottom) {
    return CptProfile{2, {{0, top}, {depth, bottom}}};
}

}  // namespace torve::test
