// A column whose cells hold sub-tables, made from the template of each row's choice.
#pragma once

#include <memory>
#include <vector>

#include "app/table/column.h"
#include "app/table/templatelist.h"

namespace torve::app {

// When the table's first column is a choice column, row r's sub-table comes from template
// (choice - 1); otherwise every row uses the single template. A row without a template holds none.
class SubTableColumn : public Column {
  public:
    SubTableColumn() = default;
    int typeNumber() const override { return 3; }

    TemplateList templates;

    int rowCount() const override { return static_cast<int>(tables_.size()); }
    GridTable* subTable(int row) const override;
    // The button caption: the row number, ": " and the sub-table's caption.
    QString text(int row, const QLocale& locale) const override;
    void enterText(int row, const QString& text, const QLocale& locale) override;  // "Data of wrong type"
    void insertRows(int position, int count) override;
    void deleteRows(int position, int count) override;
    void convertUnits(UnitSystem from, UnitSystem to) override;
    void rowsMoved() override;
    std::unique_ptr<Column> clone() const override;

    // Replaces row `row`'s sub-table by a new one from the template of the row's current choice.
    void recreate(int row);

  private:
    std::unique_ptr<GridTable> make(int row) const;

    std::vector<std::unique_ptr<GridTable>> tables_;
};

}  // namespace torve::app
