// A column of real values with a units template, a default, and optional top-depth linking.
#include "app/table/floatcolumn.h"

#include <QLocale>
#include <algorithm>
#include <cfloat>
#include <cmath>

#include "app/controls/expression.h"
#include "app/controls/numbertext.h"
#include "app/controls/texts.h"
#include "app/controls/usererror.h"
#include "app/table/gridtable.h"
#include "app/table/unitratio.h"
#include "app/table/units.h"

namespace torve::app {

FloatColumn* FloatColumn::floatNeighbour(int offset) const {
    return dynamic_cast<FloatColumn*>(neighbour(offset));
}

double FloatColumn::toDouble(int row) const {
    checkRow(row);
    return values_[static_cast<std::size_t>(row)];
}

void FloatColumn::setRaw(int row, double value) {
    double& cell = values_[static_cast<std::size_t>(row)];
    if (cell == value) return;
    cell = value;
    reportChange();
}

void FloatColumn::setDouble(int row, double value) {
    checkRow(row);
    if (grouped) {
        const int group = table() ? table()->rowGroup() : 1;
        const int first = row - row % group;
        for (int r = first; r < std::min(first + group, rowCount()); ++r) setRaw(r, value);
        return;
    }
    setRaw(row, value);
    FloatColumn* next = floatNeighbour(1);
    FloatColumn* prev = floatNeighbour(-1);
    if (topDepth && next && row - 1 >= 0 && row - 1 < next->rowCount()) {
        next->setRaw(row - 1, value);  // this layer's top is the bottom of the layer above
    } else if (prev && prev->topDepth && row + 1 < prev->rowCount()) {
        prev->setRaw(row + 1, value);  // this layer's bottom is the top of the layer below
    }
}

QString FloatColumn::text(int row, const QLocale& locale) const {
    const QString dp = locale.decimalPoint();
    return formatGeneral(toDouble(row), kTableDigits, dp.isEmpty() ? QChar(u'.') : dp.front());
}

void FloatColumn::enterText(int row, const QString& text, const QLocale& locale) {
    const Extended x = evaluateExpression(text, locale);
    // The cell keeps a double: a value beyond its range would become infinite.
    if (std::fabs(x) > DBL_MAX) throw UserError(QString(texts::kNotEvaluated) + texts::kOverflow);
    setDouble(row, static_cast<double>(x));
}

QString FloatColumn::headingText(int line) const {
    QString h = Column::headingText(line);
    if (!unitsTemplate.isEmpty() && line == headings.size() - 1) {
        const UnitSystem units = table() ? table()->units() : UnitSystem::English;
        h += QStringLiteral(" (") + expandTableUnits(unitsTemplate, units) + QStringLiteral(")  ");
    }
    return h;
}

void FloatColumn::insertRows(int position, int count) {
    values_.insert(values_.begin() + position, static_cast<std::size_t>(count), defaultValue);
    FloatColumn* next = floatNeighbour(1);
    FloatColumn* prev = floatNeighbour(-1);
    for (int r = position; r < position + count; ++r) {
        double& v = values_[static_cast<std::size_t>(r)];
        // Columns take their new rows left to right: the next column has not yet grown, the
        // previous one has.
        if (topDepth && next && r - 1 >= 0 && r - 1 < next->rowCount()) {
            v = next->values_[static_cast<std::size_t>(r - 1)];  // top of a new layer: bottom above
        } else if (prev && prev->topDepth) {
            if (r + 1 < prev->rowCount()) v = prev->values_[static_cast<std::size_t>(r + 1)];
        }
    }
}

void FloatColumn::deleteRows(int position, int count) {
    const int end = position + count;
    // Removing layers from the middle: the layer below starts where the layer above now ends.
    if (topDepth && position > 0 && end < rowCount()) {
        if (FloatColumn* next = floatNeighbour(1); next && position - 1 < next->rowCount())
            values_[static_cast<std::size_t>(end)] = next->values_[static_cast<std::size_t>(position - 1)];
    }
    values_.erase(values_.begin() + position, values_.begin() + end);
}

void FloatColumn::convertUnits(UnitSystem from, UnitSystem to) {
    if (from == to || unitsTemplate.isEmpty()) return;
    const double ratio = unitRatio(unitsTemplate);
    const double factor = to == UnitSystem::SI ? 1 / ratio : ratio;
    for (double& v : values_) v = converted(v, factor);
}

std::unique_ptr<Column> FloatColumn::clone() const {
    auto c = std::make_unique<FloatColumn>();
    copyBaseTo(*c);
    c->topDepth = topDepth;
    c->unitsTemplate = unitsTemplate;
    c->defaultValue = defaultValue;
    return c;
}

}  // namespace torve::app
