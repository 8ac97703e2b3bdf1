// A column of choices: each cell holds the 1-based number of one of the column's choice texts.
#pragma once

#include <vector>

#include "app/table/column.h"

namespace torve::app {

class ChoiceColumn : public Column {
  public:
    ChoiceColumn() = default;
    int typeNumber() const override { return 0; }

    QStringList choices;

    int rowCount() const override { return static_cast<int>(values_.size()); }
    int toInt(int row) const override;
    // In column 0, a new choice replaces the row's sub-table with one of the new kind.
    void setInt(int row, int value) override;
    QString text(int row, const QLocale& locale) const override;
    // The entry must evaluate to a whole number ("Value must be an integer.") naming a choice.
    void enterText(int row, const QString& text, const QLocale& locale) override;
    void insertRows(int position, int count) override;
    void deleteRows(int position, int count) override;
    std::unique_ptr<Column> clone() const override;

  private:
    std::vector<int> values_;
};

}  // namespace torve::app
