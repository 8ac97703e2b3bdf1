// The state and exit check of a numeric combo-box field, apart from any widget that shows it.
#include "app/controls/datacombomodel.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/controls/eassignerror.h"
#include "app/controls/expandunits.h"
#include "app/controls/numbertext.h"

namespace torve::app {
namespace {

constexpr Extended kInt32Min = -2147483648.0L;
constexpr Extended kInt32Max = 2147483647.0L;
constexpr int kComboDigits = 8;

QChar decimalPointOf(const QLocale& locale) {
    const QString dp = locale.decimalPoint();
    return dp.isEmpty() ? QChar(u'.') : dp.front();
}

}  // namespace

TDataComboModel::TDataComboModel(bool fromFormResource, const QLocale& locale)
    : locale_(locale),
      minVal_(fromFormResource ? std::numeric_limits<Extended>::lowest() : 0),
      maxVal_(fromFormResource ? std::numeric_limits<Extended>::max() : 0) {}

QString TDataComboModel::bound(Extended v) const {
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
    text_ = integerOnly_ ? QString::number(static_cast<qlonglong>(std::trunc(value))) : bound(value);
}

void TDataComboModel::setMaxVal(Extended value) {
    if (!Loading) {
        value = std::max(value, minVal_);
        if (integerOnly_) value = std::clamp(value, kInt32Min, kInt32Max);
        try {
            if (Number() > value) {
                maxVal_ = value;
                setNumber(value);
            }
        } catch (const EAssignError&) {
        }
    }
    maxVal_ = value;
}

void TDataComboModel::setMinVal(Extended value) {
    if (!Loading) {
        value = std::min(value, maxVal_);
        if (integerOnly_) value = std::clamp(value, kInt32Min, kInt32Max);
    }
    minVal_ = value;
    if (!Loading) {
        try {
            if (value > Number()) setNumber(value);
        } catch (const EAssignError&) {
        }
    }
}

void TDataComboModel::setIntegerOnly(bool on) {
    integerOnly_ = on;
    if (on && !Loading) {
        setMaxVal(maxVal_);
        setMinVal(minVal_);
    }
}

void TDataComboModel::setUnits(int units) {
    units_ = std::clamp(units, 1, 3);
}

QString TDataComboModel::labelText() const {
    if (UnitsString.isEmpty()) return Caption;
    return Caption + QStringLiteral(" (") + ExpandComboUnits(UnitsString, units_) + u')';
}

TDataComboModel::ExitCheck TDataComboModel::exitCheck() {
    entryValid_ = false;
    Extended x = 0;
    try {
        x = Number();
    } catch (const EAssignError& e) {
        return {false, integerOnly_ ? QStringLiteral("Entry must be a valid integer.") : e.message()};
    }
    if (integerOnly_ && x != std::trunc(x)) return {false, QStringLiteral("Entry must be an integer.")};
    if (x < minVal_) {
        setNumber(minVal_);
        return {false, QStringLiteral("Entry must be greater than or equal to ") + bound(minVal_)};
    }
    if (!(x <= maxVal_)) {
        setNumber(maxVal_);
        return {false, QStringLiteral("Entry must be less than or equal to ") + bound(maxVal_)};
    }
    entryValid_ = true;
    return {true, {}};
}

std::optional<QChar> TDataComboModel::filterKey(QChar key) const {
    const QChar k = key.toUpper();
    if ((k >= u'0' && k <= u'9') || k == u'-' || k == u'.' || k == u'E' || k == u'\b' ||
        k == decimalPointOf(locale_))
        return k;
    return std::nullopt;
}

}  // namespace torve::app
