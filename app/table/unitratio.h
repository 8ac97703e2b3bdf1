// Conversion factors of unit templates between English and S.I. units.
#pragma once

#include "engine/model/file_format.h"

class QString;

namespace torve::app {

// English units per S.I. unit of a template such as "F/L2^2" (lbs/ft^2 per kN/m^2): numerator
// and denominator (split at the first slash) each a force term F[digit][^power] and a length term
// L[digit][^power]. A value goes from English to S.I. divided by this ratio, back multiplied. An
// empty template gives 1.
double unitRatio(const QString& unitsTemplate);

// Every code of a template replaced by the unit words of `units`, in the order F2, F1, F4, F5, F6,
// F, L3, L2, L1, L: the grid table's column headings.
QString expandTableUnits(const QString& unitsTemplate, UnitSystem units);

}  // namespace torve::app
