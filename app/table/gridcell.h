// One cell of a grid table, as seen through its column.
#pragma once

#include <QLocale>
#include <QString>

#include "app/table/column.h"

namespace torve::app {

class GridTable;

// A light handle on a cell; it stays valid while its row exists.
class GridCell {
  public:
    GridCell(Column& column, int row) : column_(&column), row_(row) {}

    double toDouble() const { return column_->toDouble(row_); }
    void setDouble(double v) { column_->setDouble(row_, v); }
    int toInt() const { return column_->toInt(row_); }
    void setInt(int v) { column_->setInt(row_, v); }
    QString text(const QLocale& locale = QLocale::c()) const { return column_->text(row_, locale); }
    GridTable* subTable() const { return column_->subTable(row_); }

  private:
    Column* column_;
    int row_;
};

}  // namespace torve::app
