// Unit labels of numeric fields and graph axes: letter codes of a units template replaced by unit words.
#pragma once

class QString;

namespace torve::app {

// The codes a template's expansion knows. A numeric field knows force codes F6, F5, F4, F2, F1, F
// and length codes L2, L1, L3, L; a graph axis only F2, F1, F and L2, L1, L, so that there "F4"
// reads as F followed by 4.
enum class UnitCodes { Field, Axis };

// The unit words of `unitsTemplate` for `units` 1 (English) or 2 (S.I.); any other value (3) shows
// the template literally. Only the first force code found in the order above is expanded (all its
// occurrences), then likewise the first length code: "F/L2^2" gives "lbs/ft^2" or "kN/m^2", and
// "F1 F" gives "kips F".
QString expandUnits(const QString& unitsTemplate, int units, UnitCodes codes = UnitCodes::Field);

}  // namespace torve::app
