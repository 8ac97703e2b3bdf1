// The hammer file: a hammer as a JSON object, every field checked and named when refused.
#pragma once

#include <string>
#include <string_view>

#include "engine/driver/hammer.h"

namespace torve {

// Parses a hammer file:
//   {"name": "...", "ram_mass_kg": M, "stroke_m": H or "energy_kj": E, "efficiency": eta,
//    "hammer_cushion": {"area_m2": A, "thickness_m": t, "modulus_mpa": E, "cor": e} or null,
//    "helmet_mass_kg": m, "pile_cushion": {...} or null}
// ram_mass_kg > 0; exactly one of stroke_m > 0 and energy_kj > 0; 0 < efficiency <= 1; a cushion's
// area, thickness and modulus > 0 and 0 < cor <= 1 (0.8 when not given); helmet_mass_kg >= 0 (0 when
// not given); the cushions may be left out. A field missing, of the wrong type, out of range, not a
// finite number (NaN or Infinity written in the file, which JSON itself does not allow), given
// twice or unknown raises InputError naming the file, the field and its line.
Hammer parse_hammer(std::string_view text, const std::string& file_name);

}  // namespace torve
