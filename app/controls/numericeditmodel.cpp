// The state and exit check of a numeric entry field, apart from any widget that shows it.
#include "app/controls/numericeditmodel.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/controls/expandunits.h"
#include "app/controls/texts.h"
#include "app/controls/usererror.h"

namespace torve::app {
namespace {

// A whole-number field keeps its bounds within a signed 32-bit integer.
constexpr Extended kInt32Min = -2147483648.0L;
constexpr Extended kInt32Max = 2147483647.0L;

}  // namespace

NumericEditModel::NumericEditModel(const QLocale& locale)
    : locale_(locale),
      minimum_(std::numeric_limits<Extended>::lowest()),
      maximum_(std::numeric_limits<Extended>::max()) {}

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

void NumericEditModel::setMaximum(Extended value) {
    if (!loading_) {
        value = std::max(value, minimum_);
        if (integerOnly_) value = std::clamp(value, kInt32Min, kInt32Max);
        try {
            if (number() > value) {
                maximum_ = value;
                setNumber(value);
            }
        } catch (const UserError&) {
            // A text that does not evaluate is left for the exit check to report.
        }
    }
    maximum_ = value;
}

void NumericEditModel::setMinimum(Extended value) {
    if (!loading_) {
        value = std::min(value, maximum_);
        if (integerOnly_) value = std::clamp(value, kInt32Min, kInt32Max);
    }
    minimum_ = value;
    if (!loading_) {
        try {
            if (value > number()) setNumber(value);
        } catch (const UserError&) {
        }
    }
}

void NumericEditModel::setIntegerOnly(bool on) {
    integerOnly_ = on;
    if (on && !loading_) {
        setMaximum(maximum_);
        setMinimum(minimum_);
    }
}

void NumericEditModel::setUnits(int units) {
    units_ = std::clamp(units, 1, 3);
}

QString NumericEditModel::labelText() const {
    if (unitsTemplate_.isEmpty()) return caption_;
    return caption_ + QStringLiteral(" (") + expandUnits(unitsTemplate_, units_) + u')';
}

NumericEditModel::ExitCheck NumericEditModel::exitCheck() {
    entryValid_ = false;
    Extended x = 0;
    try {
        x = number();
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
        return {false, texts::kBelowMinimum + formatEntry(minimum_, false, locale_)};
    }
    if (!(x <= maximum_)) {
        setNumber(maximum_);
        return {false, texts::kAboveMaximum + formatEntry(maximum_, false, locale_)};
    }
    show(x);
    entryValid_ = true;
    return {true, {}};
}

bool NumericEditModel::appendsToValue(QChar key) {
    return QStringView(u"+-/*^=%!").contains(key);
}

}  // namespace torve::app
