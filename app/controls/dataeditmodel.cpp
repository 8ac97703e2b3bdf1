// The state and exit check of a numeric entry field, apart from any widget that shows it.
#include "app/controls/dataeditmodel.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/controls/eassignerror.h"
#include "app/controls/expandunits.h"

namespace torve::app {
namespace {

// A whole-number field keeps its bounds within a signed 32-bit integer.
constexpr Extended kInt32Min = -2147483648.0L;
constexpr Extended kInt32Max = 2147483647.0L;

}  // namespace

TDataEditModel::TDataEditModel(const QLocale& locale)
    : locale_(locale),
      minVal_(std::numeric_limits<Extended>::lowest()),
      maxVal_(std::numeric_limits<Extended>::max()) {}

Extended TDataEditModel::Number() const {
    return EvaluateExpression(text_, locale_);
}

void TDataEditModel::setNumber(Extended value) {
    if (!Loading) value = std::clamp(value, minVal_, maxVal_);
    text_ = FormatEntry(value, hex_, locale_);
}

void TDataEditModel::setMaxVal(Extended value) {
    if (!Loading) {
        value = std::max(value, minVal_);
        if (integerOnly_) value = std::clamp(value, kInt32Min, kInt32Max);
        try {
            if (Number() > value) {
                maxVal_ = value;
                setNumber(value);
            }
        } catch (const EAssignError&) {
            // A text that does not evaluate is left for the exit check to report.
        }
    }
    maxVal_ = value;
}

void TDataEditModel::setMinVal(Extended value) {
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

void TDataEditModel::setIntegerOnly(bool on) {
    integerOnly_ = on;
    if (on && !Loading) {
        setMaxVal(maxVal_);
        setMinVal(minVal_);
    }
}

void TDataEditModel::setUnits(int units) {
    units_ = std::clamp(units, 1, 3);
}

QString TDataEditModel::labelText() const {
    if (UnitsString.isEmpty()) return Caption;
    return Caption + QStringLiteral(" (") + ExpandUnits(UnitsString, units_) + u')';
}

TDataEditModel::ExitCheck TDataEditModel::exitCheck() {
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
        return {false, QStringLiteral("Entry must be greater than or equal to ") +
                           FormatEntry(minVal_, false, locale_)};
    }
    if (!(x <= maxVal_)) {
        setNumber(maxVal_);
        return {false, QStringLiteral("Entry must be less than or equal to ") +
                           FormatEntry(maxVal_, false, locale_)};
    }
    text_ = FormatEntry(x, hex_, locale_);
    entryValid_ = true;
    return {true, {}};
}

bool TDataEditModel::appendsToValue(QChar key) {
    return QStringView(u"+-/*^=%!").contains(key);
}

}  // namespace torve::app
