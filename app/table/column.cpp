// A typed column of a grid table: its headings, visibility, grouping and one cell per row.
#include "app/table/column.h"

#include <stdexcept>

#include "app/table/gridtable.h"
#include "app/table/texts.h"

namespace torve::app {

int Column::index() const {
    if (!table_) return -1;
    for (int i = 0; i < table_->columnCount(); ++i)
        if (&table_->column(i) == this) return i;
    return -1;
}

double Column::toDouble(int) const {
    wrongType();
}

void Column::setDouble(int, double) {
    wrongType();
}

int Column::toInt(int) const {
    wrongType();
}

void Column::setInt(int, int) {
    wrongType();
}

GridTable* Column::subTable(int) const {
    wrongType();
}

QString Column::headingText(int line) const {
    return line >= 0 && line < headings.size() ? headings[line] : QString();
}

void Column::copyBaseTo(Column& other) const {
    other.headings = headings;
    other.shown = shown;
    other.grouped = grouped;
}

void Column::checkRow(int row) const {
    if (row < 0 || row >= rowCount()) throw std::out_of_range(texts::kIndexOutOfBounds);
}

void Column::wrongType() {
    throw std::logic_error(texts::kWrongType);
}

void Column::reportChange() const {
    if (table_) table_->notifyChanged();
}

Column* Column::neighbour(int offset) const {
    if (!table_) return nullptr;
    const int i = index() + offset;
    return i >= 0 && i < table_->columnCount() ? &table_->column(i) : nullptr;
}

}  // namespace torve::app
