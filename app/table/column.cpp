// A typed column of a grid table: its headings, visibility, grouping and one cell per row.
#include "app/table/column.h"

#include "app/table/egridtableerror.h"
#include "app/table/gridtable.h"

namespace torve::app {

int TColumn::index() const {
    if (!table_) return -1;
    for (int i = 0; i < table_->columnCount(); ++i)
        if (&table_->column(i) == this) return i;
    return -1;
}

double TColumn::asFloat(int) const {
    wrongType();
}

void TColumn::setAsFloat(int, double) {
    wrongType();
}

int TColumn::asInteger(int) const {
    wrongType();
}

void TColumn::setAsInteger(int, int) {
    wrongType();
}

TGridTable* TColumn::asTable(int) const {
    wrongType();
}

QString TColumn::headingText(int line) const {
    return line >= 0 && line < Headings.size() ? Headings[line] : QString();
}

void TColumn::copyBaseTo(TColumn& other) const {
    other.Headings = Headings;
    other.Shown = Shown;
    other.Grouped = Grouped;
}

void TColumn::checkRow(int row) const {
    if (row < 0 || row >= rowCount()) throw EGridTableError(QStringLiteral("Index out of bounds"));
}

void TColumn::wrongType() {
    throw EGridTableError(QStringLiteral("Data of wrong type"));
}

void TColumn::reportChange() const {
    if (table_) table_->dataChanged();
}

TColumn* TColumn::neighbour(int offset) const {
    if (!table_) return nullptr;
    const int i = index() + offset;
    return i >= 0 && i < table_->columnCount() ? &table_->column(i) : nullptr;
}

}  // namespace torve::app
