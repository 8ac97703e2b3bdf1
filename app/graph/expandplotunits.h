// Unit words of the graphs' axis templates.
#pragma once

class QString;

namespace torve::app {

// For units 1 F, F1, F2, L, L1, L2 become "lbs", "kips", "tons", "in", "in", "ft"; for units 2
// "kN", "kN", "kN", "m", "mm", "m"; units 3 leaves the template. Only the first force code found
// in the order F2, F1, F is expanded (all its occurrences), then the first of L2, L1, L:
// "F1/L2^2" gives "kips/ft^2" or "kN/m^2".
QString expandPlotUnits(const QString& unitsTemplate, int units);

}  // namespace torve::app
