// The state and exit check of a numeric entry field, apart from any widget that shows it.
#include "app/controls/dataeditmodel.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/controls/expandunits.h"

namespace torve::app {

TDataEditModel::TDataEditModel(const QLocale& locale)
    : TNumericFieldModel(locale, std::numeric_limits<Extended>::lowest(),
                         std::numeric_limits<Extended>::max()) {}

Extended TDataEditModel::Number() const {
    return EvaluateExpression(text_, locale_);
}

void TDataEditModel::setNumber(Extended value) {
    if (!Loading) value = std::clamp(value, minVal_, maxVal_);
    text_ = FormatEntry(value, hex_, locale_);
}

QString TDataEditModel::boundText(Extended v) const {
    return FormatEntry(v, false, locale_);
}

QString TDataEditModel::expandedUnits() const {
    return ExpandUnits(UnitsString, units_);
}

void TDataEditModel::accept(Extended x) {
    text_ = FormatEntry(x, hex_, locale_);
}

bool TDataEditModel::appendsToValue(QChar key) {
    return QStringView(u"+-/*^=%!").contains(key);
}

}  // namespace torve::app
