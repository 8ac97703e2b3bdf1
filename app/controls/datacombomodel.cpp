// The state and exit check of a numeric combo-box field, apart from any widget that shows it.
#include "app/controls/datacombomodel.h"

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

TDataComboModel::TDataComboModel(bool fromFormResource, const QLocale& locale)
    : TNumericFieldModel(locale, fromFormResource ? std::numeric_limits<Extended>::lowest() : 0,
                         fromFormResource ? std::numeric_limits<Extended>::max() : 0) {}

QString TDataComboModel::boundText(Extended v) const {
    return formatGeneral(v, kComboDigits, decimalPointOf(locale_));
}

Extended TDataComboModel::Number() {
    if (HasParent) {
        const qsizetype i = Items.indexOf(text_);
        if (i >= 0 && i < Values.size()) text_ = Values[i];
    }
    return EvaluateExpression(text_, locale_);
}

void TDataComboModel::setNumber(Extended value) {
    if (!Loading) value = std::clamp(value, minVal_, maxVal_);
    text_ = integerOnly_ ? QString::number(static_cast<qlonglong>(std::trunc(value))) : boundText(value);
}

QString TDataComboModel::expandedUnits() const {
    return ExpandComboUnits(UnitsString, units_);
}

std::optional<QChar> TDataComboModel::filterKey(QChar key) const {
    const QChar k = key.toUpper();
    if ((k >= u'0' && k <= u'9') || k == u'-' || k == u'.' || k == u'E' || k == u'\b' ||
        k == decimalPointOf(locale_))
        return k;
    return std::nullopt;
}

}  // namespace torve::app
