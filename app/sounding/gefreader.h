// Reading a cone penetration test of a GEF file.
#pragma once

#include <QByteArrayView>
#include <QString>

#include "app/sounding/sounding.h"

namespace torve::app {

// The most columns a GEF file may number; a column number beyond it is taken for damage.
inline constexpr int kGefMostColumns = 1000;

// The one test of a GEF-CPT file: the columns #COLUMNINFO names by quantity number (1 penetration
// length, 2 qc, 3 fs, 6 u2, 11 depth, 13 qt), their #COLUMNVOID values read as missing, the
// #COLUMNSEPARATOR (blanks when none) and #RECORDSEPARATOR, the area ratio of #MEASUREMENTVAR 3, the
// level of #ZID and the first #TESTID. Raises UserError naming `file` and the line for a damaged file.
Sounding readGefSounding(QByteArrayView bytes, const QString& file);

}  // namespace torve::app
