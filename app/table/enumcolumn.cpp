// A column of choices: each cell holds the 1-based number of one of the column's choice texts.
#include "app/table/enumcolumn.h"

#include <cmath>

#include "app/controls/eassignerror.h"
#include "app/controls/expression.h"
#include "app/table/gridtable.h"

namespace torve::app {

int TEnumColumn::asInteger(int row) const {
    checkRow(row);
    return values_[static_cast<std::size_t>(row)];
}

void TEnumColumn::setAsInteger(int row, int value) {
    checkRow(row);
    int& cell = values_[static_cast<std::size_t>(row)];
    if (cell == value) return;
    cell = value;
    if (index() == 0 && table()) table()->choiceChanged(row);
    reportChange();
}

QString TEnumColumn::asText(int row, const QLocale&) const {
    const int v = asInteger(row);
    return v >= 1 && v <= Choices.size() ? Choices[v - 1] : QString();
}

void TEnumColumn::enterText(int row, const QString& text, const QLocale& locale) {
    const Extended x = EvaluateExpression(text, locale);
    if (x != std::trunc(x)) throw EAssignError(QStringLiteral("Value must be an integer."));
    if (x < 1 || x > Choices.size())
        throw EAssignError(QStringLiteral("Entry must be between %1 and %2.").arg(1).arg(Choices.size()));
    setAsInteger(row, static_cast<int>(x));
}

void TEnumColumn::insertRows(int position, int count) {
    values_.insert(values_.begin() + position, static_cast<std::size_t>(count), 1);
}

void TEnumColumn::deleteRows(int position, int count) {
    values_.erase(values_.begin() + position, values_.begin() + position + count);
}

std::unique_ptr<TColumn> TEnumColumn::clone() const {
    auto c = std::make_unique<TEnumColumn>();
    copyBaseTo(*c);
    c->Choices = Choices;
    return c;
}

}  // namespace torve::app
