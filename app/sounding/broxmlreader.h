// Reading the cone penetration tests of a BRO-XML document.
#pragma once

#include <QByteArrayView>
#include <QString>

#include "app/sounding/sounding.h"

namespace torve::app {

// The tests of a BRO-XML CPT document: each cptResult's values, split by its TextEncoding's
// separators into the columns the document's parameters list declares (in their order; the 25
// columns of the register when a document lists none), -999999 read as missing and a column whose
// parameter is "nee" (not measured) left out. Depth, penetration length, qc (coneResistance), qt
// (correctedConeResistance), fs (localFriction) and u2 (porePressureU2) are kept, in m and MPa; the
// area ratio is the coneSurfaceQuotient. Raises UserError naming `file` and the line for a damaged
// document.
Sounding readBroXmlSounding(QByteArrayView bytes, const QString& file);

}  // namespace torve::app
