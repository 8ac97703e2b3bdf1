// The state and exit check of a numeric entry field, apart from any widget that shows it.
#include "app/controls/numericeditmodel.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/controls/expandunits.h"

namespace torve::app {

NumericEditModel::NumericEditModel(const QLocale& locale)
    : NumericFieldModel(locale, std::numeric_limits<Extended>::lowest(),
                        std::numeric_limits<Extended>::max()) {}

Extended NumericEditModel::number() const {
    return evaluateExpression(text_, locale_);
}

void NumericEditModel::setNumber(Extended value) {
    if (!loading_) value = std::clamp(value, minimum_, maximum_);
    text_ = formatEntry(value, hex_, locale_);
}

QString NumericEditModel::boundText(Extended v) const {
    return formatEntry(v, false, locale_);
}

QString NumericEditModel::expandedUnits() const {
    return expandUnits(unitsTemplate(), units_);
}

void NumericEditModel::accept(Extended x) {
    text_ = formatEntry(x, hex_, locale_);
}

bool NumericEditModel::appendsToValue(QChar key) {
    return QStringView(u"+-/*^=%!").contains(key);
}

}  // namespace torve::app
