// One cell of a grid table, as seen through its column.
#pragma once

#include <QLocale>
#include <QString>

#include "app/table/column.h"

namespace torve::app {

class TGridTable;

// A light handle on a cell; it stays valid while its row exists.
class TData {
  public:
    TData(TColumn& column, int row) : column_(&column), row_(row) {}

    double AsFloat() const { return column_->asFloat(row_); }
    void setAsFloat(double v) { column_->setAsFloat(row_, v); }
    int AsInteger() const { return column_->asInteger(row_); }
    void setAsInteger(int v) { column_->setAsInteger(row_, v); }
    QString AsText(const QLocale& locale = QLocale::c()) const { return column_->asText(row_, locale); }
    TGridTable* AsTable() const { return column_->asTable(row_); }

  private:
    TColumn* column_;
    int row_;
};

}  // namespace torve::app
