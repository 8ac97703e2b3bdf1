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
    if (text_ == shownText_) return shownValue_;
    return evaluateExpression(text_, locale_);
}

void NumericEditModel::setNumber(Extended value) {
    if (!loading_) value = std::clamp(value, minimum_, maximum_);
    show(value);
}

void NumericEditModel::show(Extended value) {
    text_ = formatEntry(value, hex_, locale_);
    // A hexadecimal text shows the whole number it stands for, and is that number ("NAN" is none).
    shownValue_ = hex_ && !std::isnan(value) ? evaluateExpression(text_, locale_) : value;
    shownText_ = text_;
}

QString NumericEditModel::boundText(Extended v) const {
    return formatEntry(v, false, locale_);
}

QString NumericEditModel::expandedUnits() const {
    return expandUnits(unitsTemplate(), units_);
}

void NumericEditModel::accept(Extended x) {
    show(x);
}

bool NumericEditModel::appendsToValue(QChar key) {
    return QStringView(u"+-/*^=%!").contains(key);
}

}  // namespace torve::app
