// The state and exit check of a numeric combo-box field, apart from any widget that shows it.
#include "app/controls/numericcombomodel.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/controls/expandunits.h"
#include "app/controls/numbertext.h"

namespace torve::app {
namespace {

constexpr int kComboDigits = 8;

QChar decimalPointOf(const QLocale& locale) {
    const QString dp = locale.decimalPoint();
    return dp.isEmpty() ? QChar(u'.') : dp.front();
}

}  // namespace

NumericComboModel::NumericComboModel(Origin origin, const QLocale& locale)
    : NumericFieldModel(locale, origin == CreatedFromForm ? std::numeric_limits<Extended>::lowest() : 0,
                        origin == CreatedFromForm ? std::numeric_limits<Extended>::max() : 0) {}

QString NumericComboModel::boundText(Extended v) const {
    return formatGeneral(v, kComboDigits, decimalPointOf(locale_));
}

Extended NumericComboModel::number() {
    if (hasParent_) {
        const qsizetype i = items_.indexOf(text_);
        if (i >= 0 && i < values_.size()) text_ = values_[i];
    }
    return evaluateExpression(text_, locale_);
}

void NumericComboModel::setNumber(Extended value) {
    if (!loading_) value = std::clamp(value, minimum_, maximum_);
    text_ = integerOnly_ ? QString::number(static_cast<qlonglong>(std::trunc(value))) : boundText(value);
}

QString NumericComboModel::expandedUnits() const {
    return expandComboUnits(unitsTemplate(), units_);
}

std::optional<QChar> NumericComboModel::filterKey(QChar key) const {
    const QChar k = key.toUpper();
    if ((k >= u'0' && k <= u'9') || k == u'-' || k == u'.' || k == u'E' || k == u'\b' ||
        k == decimalPointOf(locale_))
        return k;
    return std::nullopt;
}

}  // namespace torve::app
