// A column of real values with a units template, a default, and optional top-depth linking.
#include "app/table/floatcolumn.h"

#include <QLocale>
#include <algorithm>
#include <cfloat>
#include <cmath>

#include "app/controls/eassignerror.h"
#include "app/controls/expression.h"
#include "app/controls/numbertext.h"
#include "app/table/gridtable.h"
#include "app/table/unitratio.h"

namespace torve::app {

TFloatColumn* TFloatColumn::floatNeighbour(int offset) const {
    return dynamic_cast<TFloatColumn*>(neighbour(offset));
}

double TFloatColumn::asFloat(int row) const {
    checkRow(row);
    return values_[static_cast<std::size_t>(row)];
}

void TFloatColumn::setRaw(int row, double value) {
    double& cell = values_[static_cast<std::size_t>(row)];
    if (cell == value) return;
    cell = value;
    reportChange();
}

void TFloatColumn::setAsFloat(int row, double value) {
    checkRow(row);
    if (Grouped) {
        const int group = table() ? table()->RowGroup() : 1;
        const int first = row - row % group;
        for (int r = first; r < std::min(first + group, rowCount()); ++r) setRaw(r, value);
        return;
    }
    setRaw(row, value);
    TFloatColumn* next = floatNeighbour(1);
    TFloatColumn* prev = floatNeighbour(-1);
    if (TopDepth && next && row - 1 >= 0 && row - 1 < next->rowCount()) {
        next->setRaw(row - 1, value);  // this layer's top is the bottom of the layer above
    } else if (prev && prev->TopDepth && row + 1 < prev->rowCount()) {
        prev->setRaw(row + 1, value);  // this layer's bottom is the top of the layer below
    }
}

QString TFloatColumn::asText(int row, const QLocale& locale) const {
    const QString dp = locale.decimalPoint();
    return formatGeneral(asFloat(row), 8, dp.isEmpty() ? QChar(u'.') : dp.front());
}

void TFloatColumn::enterText(int row, const QString& text, const QLocale& locale) {
    const Extended x = EvaluateExpression(text, locale);
    // The cell keeps a double: a value beyond its range would become infinite.
    if (std::fabs(x) > DBL_MAX) throw EAssignError(QStringLiteral("Entry could not be evaluated:\roverflow"));
    setAsFloat(row, static_cast<double>(x));
}

QString TFloatColumn::headingText(int line) const {
    QString h = TColumn::headingText(line);
    if (!UnitsTemplate.isEmpty() && line == Headings.size() - 1) {
        const int units = table() ? table()->UnitSystem() : 1;
        h += QStringLiteral(" (") + ExpandTableUnits(UnitsTemplate, units) + QStringLiteral(")  ");
    }
    return h;
}

void TFloatColumn::insertRows(int position, int count) {
    values_.insert(values_.begin() + position, static_cast<std::size_t>(count), DefaultValue);
    TFloatColumn* next = floatNeighbour(1);
    TFloatColumn* prev = floatNeighbour(-1);
    for (int r = position; r < position + count; ++r) {
        double& v = values_[static_cast<std::size_t>(r)];
        // Columns take their new rows left to right: the next column has not yet grown, the
        // previous one has.
        if (TopDepth && next && r - 1 >= 0 && r - 1 < next->rowCount()) {
            v = next->values_[static_cast<std::size_t>(r - 1)];  // top of a new layer: bottom above
        } else if (prev && prev->TopDepth) {
            if (r + 1 < prev->rowCount()) v = prev->values_[static_cast<std::size_t>(r + 1)];
        }
    }
}

void TFloatColumn::deleteRows(int position, int count) {
    const int end = position + count;
    // Removing layers from the middle: the layer below starts where the layer above now ends.
    if (TopDepth && position > 0 && end < rowCount()) {
        if (TFloatColumn* next = floatNeighbour(1); next && position - 1 < next->rowCount())
            values_[static_cast<std::size_t>(end)] = next->values_[static_cast<std::size_t>(position - 1)];
    }
    values_.erase(values_.begin() + position, values_.begin() + end);
}

void TFloatColumn::convertUnits(int from, int to) {
    if (from == to || UnitsTemplate.isEmpty()) return;
    const double ratio = UnitRatio(UnitsTemplate);
    for (double& v : values_) v = to == 2 ? v / ratio : v * ratio;
}

std::unique_ptr<TColumn> TFloatColumn::clone() const {
    auto c = std::make_unique<TFloatColumn>();
    copyBaseTo(*c);
    c->TopDepth = TopDepth;
    c->UnitsTemplate = UnitsTemplate;
    c->DefaultValue = DefaultValue;
    return c;
}

}  // namespace torve::app
