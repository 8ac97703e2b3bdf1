// Bounds, the whole-number rule and the exit check of the numeric fields.
#include "app/controls/numericfieldmodel.h"

#include <algorithm>
#include <cmath>

#include "app/controls/texts.h"
#include "app/controls/usererror.h"

namespace torve::app {
namespace {

// A whole-number field keeps its bounds within a signed 32-bit integer.
constexpr Extended kInt32Min = -2147483648.0L;
constexpr Extended kInt32Max = 2147483647.0L;

}  // namespace

NumericFieldModel::NumericFieldModel(const QLocale& locale, Extended minimum, Extended maximum)
    : locale_(locale), minimum_(minimum), maximum_(maximum) {}

void NumericFieldModel::setMaximum(Extended value) {
    if (!loading_) {
        value = std::max(value, minimum_);
        if (integerOnly_) value = std::clamp(value, kInt32Min, kInt32Max);
        try {
            if (evaluate() > value) {
                maximum_ = value;
                setNumber(value);
            }
        } catch (const UserError&) {
            // A text that does not evaluate is left for the exit check to report.
        }
    }
    maximum_ = value;
}

void NumericFieldModel::setMinimum(Extended value) {
    if (!loading_) {
        value = std::min(value, maximum_);
        if (integerOnly_) value = std::clamp(value, kInt32Min, kInt32Max);
    }
    minimum_ = value;
    if (!loading_) {
        try {
            if (value > evaluate()) setNumber(value);
        } catch (const UserError&) {
        }
    }
}

void NumericFieldModel::setIntegerOnly(bool on) {
    integerOnly_ = on;
    if (on && !loading_) {
        setMaximum(maximum_);
        setMinimum(minimum_);
    }
}

void NumericFieldModel::setUnits(int units) {
    units_ = std::clamp(units, 1, 3);
}

QString NumericFieldModel::labelText() const {
    if (unitsTemplate_.isEmpty()) return caption_;
    return caption_ + QStringLiteral(" (") + expandedUnits() + u')';
}

NumericFieldModel::ExitCheck NumericFieldModel::exitCheck() {
    entryValid_ = false;
    Extended x = 0;
    try {
        x = evaluate();
    } catch (const UserError& e) {
        return {false, integerOnly_ ? QString(texts::kNotAValidInteger) : e.message()};
    }
    // The evaluator works in extended precision, so 1e400 or 1e308*10 still evaluate; the project
    // holds doubles, where they are infinite and would make a file no reader takes back.
    if (!std::isfinite(static_cast<double>(x))) {
        text_ = previous_;
        return {false, texts::kNotEvaluated + texts::kOverflow};
    }
    if (integerOnly_ && x != std::trunc(x)) return {false, texts::kNotAnInteger};
    if (x < minimum_) {
        setNumber(minimum_);
        return {false, texts::kBelowMinimum + boundText(minimum_)};
    }
    if (!(x <= maximum_)) {
        setNumber(maximum_);
        return {false, texts::kAboveMaximum + boundText(maximum_)};
    }
    accept(x);
    entryValid_ = true;
    return {true, {}};
}

}  // namespace torve::app
