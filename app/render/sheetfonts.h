// The sans-serif font of the printed pages' texts and tables, apart from the graphs' own.
#pragma once

#include <QFont>

namespace torve::app {

// Sized in points for an output of `ppiY` pixels per inch.
QFont sheetFont(double pointSize, double ppiY, bool bold = false);

}  // namespace torve::app
