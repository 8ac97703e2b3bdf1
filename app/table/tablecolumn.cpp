// A column whose cells hold sub-tables, made from the template of each row's choice.
#include "app/table/tablecolumn.h"

#include "app/table/enumcolumn.h"
#include "app/table/gridtable.h"

namespace torve::app {

std::unique_ptr<TGridTable> TTableColumn::make(int row) const {
    TGridTable* parent = table();
    if (!parent) return nullptr;
    int templateIndex = 0;
    if (parent->columnCount() > 0) {
        if (const auto* choice = dynamic_cast<const TEnumColumn*>(&parent->column(0)))
            templateIndex = choice->asInteger(row) - 1;
    }
    const TGridTable* source = Templates.resolve(templateIndex, parent->registry());
    return source ? source->createSubTable(*parent, row) : nullptr;
}

TGridTable* TTableColumn::asTable(int row) const {
    checkRow(row);
    return tables_[static_cast<std::size_t>(row)].get();
}

QString TTableColumn::asText(int row, const QLocale&) const {
    const TGridTable* t = asTable(row);
    return QString::number(row + 1) + QStringLiteral(": ") + (t ? t->Caption : QString());
}

void TTableColumn::enterText(int, const QString&, const QLocale&) {
    wrongType();
}

void TTableColumn::insertRows(int position, int count) {
    for (int r = position; r < position + count; ++r) tables_.insert(tables_.begin() + r, make(r));
}

void TTableColumn::deleteRows(int position, int count) {
    tables_.erase(tables_.begin() + position, tables_.begin() + position + count);
}

void TTableColumn::convertUnits(int, int to) {
    for (auto& t : tables_)
        if (t) t->SetUnits(to);
}

bool TTableColumn::isChanged() const {
    for (const auto& t : tables_)
        if (t && t->IsChanged()) return true;
    return false;
}

void TTableColumn::resetChanged() {
    for (auto& t : tables_)
        if (t) t->ResetChanged();
}

void TTableColumn::rowsMoved() {
    for (std::size_t r = 0; r < tables_.size(); ++r)
        if (tables_[r]) tables_[r]->setRowNumber(static_cast<int>(r) + 1);
}

std::unique_ptr<TColumn> TTableColumn::clone() const {
    auto c = std::make_unique<TTableColumn>();
    copyBaseTo(*c);
    c->Templates = Templates;
    return c;
}

void TTableColumn::recreate(int row) {
    checkRow(row);
    tables_[static_cast<std::size_t>(row)] = make(row);
    reportChange();
}

}  // namespace torve::app
