// A typed, unit-aware, nestable data table that owns its cell values.
#include "app/table/gridtable.h"

#include <algorithm>

#include "app/table/egridtableerror.h"
#include "app/table/floatcolumn.h"
#include "app/table/gridtableregistry.h"
#include "app/table/tablecolumn.h"

namespace torve::app {

TGridTable::TGridTable(TGridTableRegistry& registry, TGridTable* owner)
    : registry_(&registry), owner_(owner) {
    identifier_ = registry_->add(this);
    if (owner_) unitSystem_ = owner_->UnitSystem();
}

TGridTable::~TGridTable() {
    columns_.clear();  // sub-tables leave the registry before this table does
    registry_->remove(this);
}

void TGridTable::setIdentifier(int identifier) {
    if (identifier < 0) return;
    if (TGridTable* other = registry_->byIdentifier(identifier); other && other != this)
        other->identifier_ = identifier_;
    identifier_ = identifier;
}

void TGridTable::setMinRows(int rows, bool loading) {
    if (rows <= 0) {
        if (!loading) throw EGridTableError(QStringLiteral("Value must be greater than 0"));
        rows = 1;
    }
    minRows_ = rows;
}

void TGridTable::appendColumn(std::unique_ptr<TColumn> column) {
    column->table_ = this;
    columns_.push_back(std::move(column));
    // Give the new column as many rows as the others already have.
    if (rowCount_ > 0) columns_.back()->insertRows(0, rowCount_);
    for (std::size_t i = 0; i + 1 < columns_.size(); ++i) {
        const auto* f = dynamic_cast<const TFloatColumn*>(columns_[i].get());
        if (f && f->TopDepth && !dynamic_cast<const TFloatColumn*>(columns_[i + 1].get()))
            throw EGridTableError(
                QStringLiteral("If column if a topdepth then the next column must be a float column"));
    }
}

TColumn& TGridTable::column(int i) const {
    if (i < 0 || i >= columnCount()) throw EGridTableError(QStringLiteral("Index out of bounds"));
    return *columns_[static_cast<std::size_t>(i)];
}

TData TGridTable::Cell(int col, int row) const {
    TColumn& c = column(col);
    if (row < 0 || row >= rowCount_) throw EGridTableError(QStringLiteral("Index out of bounds"));
    return TData(c, row);
}

void TGridTable::insertRows(int position, int count) {
    if (count <= 0) return;
    rowCount_ += count;
    for (auto& c : columns_) c->insertRows(position, count);
    for (auto& c : columns_) c->rowsMoved();
}

void TGridTable::deleteRows(int position, int count) {
    count = std::min(count, rowCount_ - position);
    if (count <= 0) return;
    for (auto& c : columns_) c->deleteRows(position, count);
    rowCount_ -= count;
    for (auto& c : columns_) c->rowsMoved();
}

void TGridTable::SetRowCount(int rows) {
    rows = std::max(rows, 0);
    if (rows < rowCount_) deleteRows(rows, rowCount_ - rows);
    // Whole groups are appended, so a count that is not a multiple of RowGroup overshoots.
    while (rowCount_ < rows) insertRows(rowCount_, rowGroup_);
}

void TGridTable::AddRowGroup() {
    insertRows(rowCount_, rowGroup_);
    if (OnResize) OnResize();
}

void TGridTable::InsertRowGroup(int row) {
    if (row < 0 || row >= rowCount_) throw EGridTableError(QStringLiteral("Index out of bounds"));
    insertRows(row - row % rowGroup_, rowGroup_);
    if (OnResize) OnResize();
}

void TGridTable::DeleteRowGroup(int row) {
    if (row < 0 || row >= rowCount_) throw EGridTableError(QStringLiteral("Index out of bounds"));
    deleteRows(row - row % rowGroup_, rowGroup_);
    if (OnResize) OnResize();
}

void TGridTable::SetUnits(int units) {
    if (units == unitSystem_) return;
    for (auto& c : columns_) c->convertUnits(unitSystem_, units);
    unitSystem_ = units;
    if (OnResize) OnResize();
}

bool TGridTable::IsChanged() const {
    if (Changed) return true;
    return std::any_of(columns_.begin(), columns_.end(), [](const auto& c) { return c->isChanged(); });
}

void TGridTable::ResetChanged() {
    Changed = false;
    for (auto& c : columns_) c->resetChanged();
}

void TGridTable::EnterText(int col, int row, const QString& text, const QLocale& locale) {
    TColumn& c = column(col);
    if (row < 0 || row >= rowCount_) throw EGridTableError(QStringLiteral("Index out of bounds"));
    c.enterText(row, text, locale);
}

std::unique_ptr<TGridTable> TGridTable::createSubTable(TGridTable& parent, int row) const {
    auto sub = std::make_unique<TGridTable>(parent.registry(), &parent);
    sub->Caption = Caption;
    sub->Comments = Comments;
    sub->TopLeft = TopLeft;
    sub->minRows_ = minRows_;
    sub->maxRows_ = maxRows_;
    sub->rowNumber_ = row + 1;
    for (const auto& c : columns_) sub->appendColumn(c->clone());
    sub->SetRowCount(sub->minRows_);
    return sub;
}

void TGridTable::choiceChanged(int row) {
    for (auto& c : columns_) {
        if (auto* t = dynamic_cast<TTableColumn*>(c.get())) {
            t->recreate(row);
            return;
        }
    }
}

void TGridTable::dataChanged() const {
    if (OnDataChanged) OnDataChanged();
}

}  // namespace torve::app
