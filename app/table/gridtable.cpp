// A typed, unit-aware, nestable data table that owns its cell values.
#include "app/table/gridtable.h"

#include <algorithm>
#include <stdexcept>

#include "app/table/floatcolumn.h"
#include "app/table/gridtableregistry.h"
#include "app/table/subtablecolumn.h"
#include "app/table/texts.h"

namespace torve::app {

GridTable::GridTable(GridTableRegistry& registry, GridTable* owner) : registry_(&registry), owner_(owner) {
    identifier_ = registry_->add(this);
    if (owner_) units_ = owner_->units();
}

GridTable::~GridTable() {
    columns_.clear();  // sub-tables leave the registry before this table does
    registry_->remove(this);
}

void GridTable::setIdentifier(int identifier) {
    if (identifier < 0) return;
    if (GridTable* other = registry_->byIdentifier(identifier); other && other != this)
        other->identifier_ = identifier_;
    identifier_ = identifier;
}

void GridTable::setMinRows(int rows, bool whileLoading) {
    if (rows <= 0) {
        if (!whileLoading) throw std::logic_error(texts::kMinRowsNotPositive);
        rows = 1;
    }
    minRows_ = rows;
}

void GridTable::appendColumn(std::unique_ptr<Column> column) {
    column->table_ = this;
    columns_.push_back(std::move(column));
    // Give the new column as many rows as the others already have.
    if (rowCount_ > 0) columns_.back()->insertRows(0, rowCount_);
    for (std::size_t i = 0; i + 1 < columns_.size(); ++i) {
        const auto* f = dynamic_cast<const FloatColumn*>(columns_[i].get());
        if (f && f->topDepth && !dynamic_cast<const FloatColumn*>(columns_[i + 1].get()))
            throw std::logic_error(texts::kTopDepthNeedsFloat);
    }
}

Column& GridTable::column(int i) const {
    if (i < 0 || i >= columnCount()) throw std::out_of_range(texts::kIndexOutOfBounds);
    return *columns_[static_cast<std::size_t>(i)];
}

GridCell GridTable::cell(int col, int row) const {
    Column& c = column(col);
    if (row < 0 || row >= rowCount_) throw std::out_of_range(texts::kIndexOutOfBounds);
    return GridCell(c, row);
}

void GridTable::insertRows(int position, int count) {
    if (count <= 0) return;
    rowCount_ += count;
    for (auto& c : columns_) c->insertRows(position, count);
    for (auto& c : columns_) c->rowsMoved();
}

void GridTable::deleteRows(int position, int count) {
    count = std::min(count, rowCount_ - position);
    if (count <= 0) return;
    for (auto& c : columns_) c->deleteRows(position, count);
    rowCount_ -= count;
    for (auto& c : columns_) c->rowsMoved();
}

void GridTable::setRowCount(int rows) {
    rows = std::max(rows, 0);
    if (rows == rowCount_) return;
    if (rows < rowCount_) deleteRows(rows, rowCount_ - rows);
    // Whole groups are appended, so a count that is not a multiple of the row group overshoots.
    while (rowCount_ < rows) insertRows(rowCount_, rowGroup_);
    emit changed();
}

void GridTable::addRowGroup() {
    insertRows(rowCount_, rowGroup_);
    emit changed();
}

void GridTable::insertRowGroup(int row) {
    if (row < 0 || row >= rowCount_) throw std::out_of_range(texts::kIndexOutOfBounds);
    insertRows(row - row % rowGroup_, rowGroup_);
    emit changed();
}

void GridTable::deleteRowGroup(int row) {
    if (row < 0 || row >= rowCount_) throw std::out_of_range(texts::kIndexOutOfBounds);
    deleteRows(row - row % rowGroup_, rowGroup_);
    emit changed();
}

void GridTable::setUnits(UnitSystem units) {
    if (units == units_) return;
    for (auto& c : columns_) c->convertUnits(units_, units);
    units_ = units;
    emit unitsChanged();
}

void GridTable::enterText(int col, int row, const QString& text, const QLocale& locale) {
    Column& c = column(col);
    if (row < 0 || row >= rowCount_) throw std::out_of_range(texts::kIndexOutOfBounds);
    c.enterText(row, text, locale);
}

std::unique_ptr<GridTable> GridTable::createSubTable(GridTable& parent, int row) const {
    auto sub = std::make_unique<GridTable>(parent.registry(), &parent);
    sub->caption_ = caption_;
    sub->comments_ = comments_;
    sub->topLeft_ = topLeft_;
    sub->minRows_ = minRows_;
    sub->maxRows_ = maxRows_;
    sub->rowNumber_ = row + 1;
    for (const auto& c : columns_) sub->appendColumn(c->clone());
    sub->setRowCount(sub->minRows_);
    connect(sub.get(), &GridTable::changed, &parent, &GridTable::changed);
    return sub;
}

void GridTable::choiceChanged(int row) {
    for (auto& c : columns_) {
        if (auto* t = dynamic_cast<SubTableColumn*>(c.get())) {
            t->recreate(row);
            return;
        }
    }
}

void GridTable::setColumnShown(int col, bool shown) {
    Column& c = column(col);
    if (c.shown == shown) return;
    c.shown = shown;
    emit columnsChanged();
}

void GridTable::notifyChanged() {
    emit changed();
}

}  // namespace torve::app
