// A column of whole numbers with a default for new rows and bounds for typed entries.
#include "app/table/intcolumn.h"

#include <algorithm>
#include <cmath>

#include "app/controls/eassignerror.h"
#include "app/controls/expression.h"
#include "app/table/gridtable.h"

namespace torve::app {

int TIntColumn::asInteger(int row) const {
    checkRow(row);
    return values_[static_cast<std::size_t>(row)];
}

void TIntColumn::setAsInteger(int row, int value) {
    checkRow(row);
    const int size = rowCount();
    const int group = table() ? table()->RowGroup() : 1;
    const int first = Grouped ? row - row % group : row;
    const int last = Grouped ? std::min(first + group, size) : row + 1;
    for (int r = first; r < last; ++r) values_[static_cast<std::size_t>(r)] = value;
    reportChange();
}

QString TIntColumn::asText(int row, const QLocale&) const {
    return QString::number(asInteger(row));
}

void TIntColumn::enterText(int row, const QString& text, const QLocale& locale) {
    const Extended x = EvaluateExpression(text, locale);
    if (table() && table()->WindowOpen) {
        // A fraction below 1e-10 is what the evaluator's 18 digits leave of an exact whole number.
        if (std::fabs(x - std::round(x)) > 1e-10L)
            throw EAssignError(QStringLiteral("Entry must be an integer."));
        if (x < MinValue || x > MaxValue)
            throw EAssignError(
                QStringLiteral("Entry must be between %1 and %2.").arg(MinValue).arg(MaxValue));
    }
    // Outside the window the value is only brought into the 32-bit range, never wrapped.
    const Extended r = std::clamp(std::round(x), -2147483648.0L, 2147483647.0L);
    setAsInteger(row, static_cast<int>(r));
}

void TIntColumn::insertRows(int position, int count) {
    values_.insert(values_.begin() + position, static_cast<std::size_t>(count), DefaultValue);
}

void TIntColumn::deleteRows(int position, int count) {
    values_.erase(values_.begin() + position, values_.begin() + position + count);
}

std::unique_ptr<TColumn> TIntColumn::clone() const {
    auto c = std::make_unique<TIntColumn>();
    copyBaseTo(*c);
    c->DefaultValue = DefaultValue;
    c->MinValue = MinValue;
    c->MaxValue = MaxValue;
    return c;
}

}  // namespace torve::app
