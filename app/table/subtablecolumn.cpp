// A column whose cells hold sub-tables, made from the template of each row's choice.
#include "app/table/subtablecolumn.h"

#include "app/table/choicecolumn.h"
#include "app/table/gridtable.h"

namespace torve::app {

std::unique_ptr<GridTable> SubTableColumn::make(int row) const {
    GridTable* parent = table();
    if (!parent) return nullptr;
    int templateIndex = 0;
    if (parent->columnCount() > 0) {
        if (const auto* choice = dynamic_cast<const ChoiceColumn*>(&parent->column(0)))
            templateIndex = choice->toInt(row) - 1;
    }
    const GridTable* source = templates.resolve(templateIndex, parent->registry());
    return source ? source->createSubTable(*parent, row) : nullptr;
}

GridTable* SubTableColumn::subTable(int row) const {
    checkRow(row);
    return tables_[static_cast<std::size_t>(row)].get();
}

QString SubTableColumn::text(int row, const QLocale&) const {
    const GridTable* t = subTable(row);
    return QString::number(row + 1) + QStringLiteral(": ") + (t ? t->caption() : QString());
}

void SubTableColumn::enterText(int, const QString&, const QLocale&) {
    wrongType();
}

void SubTableColumn::insertRows(int position, int count) {
    for (int r = position; r < position + count; ++r) tables_.insert(tables_.begin() + r, make(r));
}

void SubTableColumn::deleteRows(int position, int count) {
    tables_.erase(tables_.begin() + position, tables_.begin() + position + count);
}

void SubTableColumn::convertUnits(UnitSystem, UnitSystem to) {
    for (auto& t : tables_)
        if (t) t->setUnits(to);
}

void SubTableColumn::rowsMoved() {
    for (std::size_t r = 0; r < tables_.size(); ++r)
        if (tables_[r]) tables_[r]->setRowNumber(static_cast<int>(r) + 1);
}

std::unique_ptr<Column> SubTableColumn::clone() const {
    auto c = std::make_unique<SubTableColumn>();
    copyBaseTo(*c);
    c->templates = templates;
    return c;
}

void SubTableColumn::recreate(int row) {
    checkRow(row);
    tables_[static_cast<std::size_t>(row)] = make(row);
    reportChange();
}

}  // namespace torve::app
