// A column of real values with a units template, a default, and optional top-depth linking.
#pragma once

#include <vector>

#include "app/table/column.h"

namespace torve::app {

// With topDepth, the column holds the tops of layers whose bottoms are in the next column: a
// layer's top is the bottom of the layer above, and setting either one moves the other.
class FloatColumn : public Column {
  public:
    FloatColumn() = default;
    int typeNumber() const override { return 2; }

    bool topDepth = false;
    QString unitsTemplate;
    double defaultValue = 0;

    int rowCount() const override { return static_cast<int>(values_.size()); }
    double toDouble(int row) const override;
    // Sets a row (or its whole group), then the linked top or bottom of the neighbouring row.
    void setDouble(int row, double value) override;
    QString text(int row, const QLocale& locale) const override;  // 8 significant digits
    void enterText(int row, const QString& text, const QLocale& locale) override;
    // The last heading line carries the expanded units: line + " (" + units + ")" + two blanks.
    QString headingText(int line) const override;
    void insertRows(int position, int count) override;
    void deleteRows(int position, int count) override;
    void convertUnits(UnitSystem from, UnitSystem to) override;
    std::unique_ptr<Column> clone() const override;

  private:
    void setRaw(int row, double value);
    FloatColumn* floatNeighbour(int offset) const;

    std::vector<double> values_;
};

}  // namespace torve::app
