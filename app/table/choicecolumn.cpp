// A column of choices: each cell holds the 1-based number of one of the column's choice texts.
#include "app/table/choicecolumn.h"

#include <cmath>

#include "app/controls/expression.h"
#include "app/controls/usererror.h"
#include "app/table/gridtable.h"
#include "app/table/texts.h"

namespace torve::app {

int ChoiceColumn::toInt(int row) const {
    checkRow(row);
    return values_[static_cast<std::size_t>(row)];
}

void ChoiceColumn::setInt(int row, int value) {
    checkRow(row);
    int& cell = values_[static_cast<std::size_t>(row)];
    if (cell == value) return;
    cell = value;
    if (index() == 0 && table()) table()->choiceChanged(row);
    reportChange();
}

QString ChoiceColumn::text(int row, const QLocale&) const {
    const int v = toInt(row);
    return v >= 1 && v <= choices.size() ? choices[v - 1] : QString();
}

void ChoiceColumn::enterText(int row, const QString& text, const QLocale& locale) {
    const Extended x = evaluateExpression(text, locale);
    if (x != std::trunc(x)) throw UserError(texts::kValueNotAnInteger);
    if (x < 1 || x > choices.size())
        throw UserError(QString(texts::kEntryBetween).arg(1).arg(choices.size()));
    setInt(row, static_cast<int>(x));
}

void ChoiceColumn::insertRows(int position, int count) {
    values_.insert(values_.begin() + position, static_cast<std::size_t>(count), 1);
}

void ChoiceColumn::deleteRows(int position, int count) {
    values_.erase(values_.begin() + position, values_.begin() + position + count);
}

std::unique_ptr<Column> ChoiceColumn::clone() const {
    auto c = std::make_unique<ChoiceColumn>();
    copyBaseTo(*c);
    c->choices = choices;
    return c;
}

}  // namespace torve::app
