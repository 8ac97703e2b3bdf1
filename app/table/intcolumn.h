// A column of whole numbers with a default for new rows and bounds for typed entries.
#pragma once

#include <vector>

#include "app/table/column.h"

namespace torve::app {

class TIntColumn : public TColumn {
  public:
    TIntColumn() = default;
    int TypeNumber() const override { return 1; }

    int DefaultValue = 0;
    int MinValue = 0;
    int MaxValue = 0;

    int rowCount() const override { return static_cast<int>(values_.size()); }
    int asInteger(int row) const override;
    void setAsInteger(int row, int value) override;
    QString asText(int row, const QLocale& locale) const override;
    // While the editing window is open the entry must be whole ("Entry must be an integer.") and
    // within the bounds ("Entry must be between %d and %d."); the value is stored rounded.
    void enterText(int row, const QString& text, const QLocale& locale) override;
    void insertRows(int position, int count) override;
    void deleteRows(int position, int count) override;
    std::unique_ptr<TColumn> clone() const override;

  private:
    std::vector<int> values_;
};

}  // namespace torve::app
