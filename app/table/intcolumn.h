// A column of whole numbers with a default for new rows and bounds for typed entries.
#pragma once

#include <vector>

#include "app/table/column.h"

namespace torve::app {

class IntColumn : public Column {
  public:
    IntColumn() = default;
    int typeNumber() const override { return 1; }

    int defaultValue = 0;
    int minValue = 0;
    int maxValue = 0;

    int rowCount() const override { return static_cast<int>(values_.size()); }
    int toInt(int row) const override;
    void setInt(int row, int value) override;
    QString text(int row, const QLocale& locale) const override;
    // The entry must be whole ("Entry must be an integer.") and within the bounds ("Entry must be
    // between %d and %d."); the value is stored rounded.
    void enterText(int row, const QString& text, const QLocale& locale) override;
    void insertRows(int position, int count) override;
    void deleteRows(int position, int count) override;
    std::unique_ptr<Column> clone() const override;

  private:
    std::vector<int> values_;
};

}  // namespace torve::app
