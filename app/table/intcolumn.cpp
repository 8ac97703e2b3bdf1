// A column of whole numbers with a default for new rows and bounds for typed entries.
#include "app/table/intcolumn.h"

#include <algorithm>
#include <cmath>

#include "app/controls/expression.h"
#include "app/controls/texts.h"
#include "app/controls/usererror.h"
#include "app/table/gridtable.h"
#include "app/table/texts.h"

namespace torve::app {

int IntColumn::toInt(int row) const {
    checkRow(row);
    return values_[static_cast<std::size_t>(row)];
}

void IntColumn::setInt(int row, int value) {
    checkRow(row);
    const int size = rowCount();
    const int group = table() ? table()->rowGroup() : 1;
    const int first = grouped ? row - row % group : row;
    const int last = grouped ? std::min(first + group, size) : row + 1;
    for (int r = first; r < last; ++r) values_[static_cast<std::size_t>(r)] = value;
    reportChange();
}

QString IntColumn::text(int row, const QLocale&) const {
    return QString::number(toInt(row));
}

void IntColumn::enterText(int row, const QString& text, const QLocale& locale) {
    const Extended x = evaluateExpression(text, locale);
    // A fraction below 1e-10 is what the evaluator's 18 digits leave of an exact whole number.
    if (std::fabs(x - std::round(x)) > 1e-10L) throw UserError(texts::kNotAnInteger);
    if (x < minValue || x > maxValue)
        throw UserError(QString(texts::kEntryBetween).arg(minValue).arg(maxValue));
    setInt(row, static_cast<int>(std::round(x)));
}

void IntColumn::insertRows(int position, int count) {
    values_.insert(values_.begin() + position, static_cast<std::size_t>(count), defaultValue);
}

void IntColumn::deleteRows(int position, int count) {
    values_.erase(values_.begin() + position, values_.begin() + position + count);
}

std::unique_ptr<Column> IntColumn::clone() const {
    auto c = std::make_unique<IntColumn>();
    copyBaseTo(*c);
    c->defaultValue = defaultValue;
    c->minValue = minValue;
    c->maxValue = maxValue;
    return c;
}

}  // namespace torve::app
