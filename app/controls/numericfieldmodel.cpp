// Bounds, the whole-number rule and the exit check of the numeric fields.
#include "app/controls/numericfieldmodel.h"

#include <algorithm>
#include <cmath>

#include "app/controls/eassignerror.h"

namespace torve::app {
namespace {

// A whole-number field keeps its bounds within a signed 32-bit integer.
constexpr Extended kInt32Min = -2147483648.0L;
constexpr Extended kInt32Max = 2147483647.0L;

}  // namespace

TNumericFieldModel::TNumericFieldModel(const QLocale& locale, Extended min, Extended max)
    : locale_(locale), minVal_(min), maxVal_(max) {}

void TNumericFieldModel::setMaxVal(Extended value) {
    if (!Loading) {
        value = std::max(value, minVal_);
        if (integerOnly_) value = std::clamp(value, kInt32Min, kInt32Max);
        try {
            if (evaluate() > value) {
                maxVal_ = value;
                setNumber(value);
            }
        } catch (const EAssignError&) {
            // A text that does not evaluate is left for the exit check to report.
        }
    }
    maxVal_ = value;
}

void TNumericFieldModel::setMinVal(Extended value) {
    if (!Loading) {
        value = std::min(value, maxVal_);
        if (integerOnly_) value = std::clamp(value, kInt32Min, kInt32Max);
    }
    minVal_ = value;
    if (!Loading) {
        try {
            if (value > evaluate()) setNumber(value);
        } catch (const EAssignError&) {
        }
    }
}

void TNumericFieldModel::setIntegerOnly(bool on) {
    integerOnly_ = on;
    if (on && !Loading) {
        setMaxVal(maxVal_);
        setMinVal(minVal_);
    }
}

void TNumericFieldModel::setUnits(int units) {
    units_ = std::clamp(units, 1, 3);
}

QString TNumericFieldModel::labelText() const {
    if (UnitsString.isEmpty()) return Caption;
    return Caption + QStringLiteral(" (") + expandedUnits() + u')';
}

TNumericFieldModel::ExitCheck TNumericFieldModel::exitCheck() {
    entryValid_ = false;
    Extended x = 0;
    try {
        x = evaluate();
    } catch (const EAssignError& e) {
        return {false, integerOnly_ ? QStringLiteral("Entry must be a valid integer.") : e.message()};
    }
    if (integerOnly_ && x != std::trunc(x)) return {false, QStringLiteral("Entry must be an integer.")};
    if (x < minVal_) {
        setNumber(minVal_);
        return {false, QStringLiteral("Entry must be greater than or equal to ") + boundText(minVal_)};
    }
    if (!(x <= maxVal_)) {
        setNumber(maxVal_);
        return {false, QStringLiteral("Entry must be less than or equal to ") + boundText(maxVal_)};
    }
    accept(x);
    entryValid_ = true;
    return {true, {}};
}

}  // namespace torve::app
