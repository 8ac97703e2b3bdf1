// Unit labels of numeric fields: letter codes of a units template replaced by unit words.
#pragma once

class QString;

namespace torve::app {

// Unit words of the numeric field's template codes for `units` 1 (English) or 2 (S.I.); any other
// value (3) shows the template literally. Only the first force code found in the order F6, F5, F4,
// F2, F1, F is expanded (all its occurrences), then likewise the first of L2, L1, L3, L:
// "F/L2^2" gives "lbs/ft^2" or "kN/m^2".
QString expandUnits(const QString& unitsTemplate, int units);

// The combo-box field's expansion: only F (lbs | kN) and L (in | m).
QString expandComboUnits(const QString& unitsTemplate, int units);

}  // namespace torve::app
