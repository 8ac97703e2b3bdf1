// A column of free texts.
#pragma once

#include <vector>

#include "app/table/column.h"

namespace torve::app {

class TextColumn : public Column {
  public:
    TextColumn() = default;
    int typeNumber() const override { return 4; }

    QString defaultText;
    double widthInches = 1.0;

    int rowCount() const override { return static_cast<int>(values_.size()); }
    QString text(int row, const QLocale& locale) const override;
    void enterText(int row, const QString& text, const QLocale& locale) override;  // stored as typed
    void insertRows(int position, int count) override;
    void deleteRows(int position, int count) override;
    std::unique_ptr<Column> clone() const override;

  private:
    std::vector<QString> values_;
};

}  // namespace torve::app
