// A column of real values with a units template, a default, and optional top-depth linking.
#pragma once

#include <vector>

#include "app/table/column.h"

namespace torve::app {

// With TopDepth, the column holds the tops of layers whose bottoms are in the next column: a
// layer's top is the bottom of the layer above, and setting either one moves the other.
class TFloatColumn : public TColumn {
  public:
    TFloatColumn() = default;
    int TypeNumber() const override { return 2; }

    bool TopDepth = false;
    QString UnitsTemplate;
    double DefaultValue = 0;

    int rowCount() const override { return static_cast<int>(values_.size()); }
    double asFloat(int row) const override;
    // Sets a row (or its whole group), then the linked top or bottom of the neighbouring row.
    void setAsFloat(int row, double value) override;
    QString asText(int row, const QLocale& locale) const override;  // 8 significant digits
    void enterText(int row, const QString& text, const QLocale& locale) override;
    // The last heading line carries the expanded units: line + " (" + units + ")" + two blanks.
    QString headingText(int line) const override;
    void insertRows(int position, int count) override;
    void deleteRows(int position, int count) override;
    void convertUnits(int from, int to) override;
    std::unique_ptr<TColumn> clone() const override;

  private:
    void setRaw(int row, double value);
    TFloatColumn* floatNeighbour(int offset) const;

    std::vector<double> values_;
};

}  // namespace torve::app
