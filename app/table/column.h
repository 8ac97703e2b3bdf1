// A typed column of a grid table: its headings, visibility, grouping and one cell per row.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "engine/model/file_format.h"

class QLocale;

namespace torve::app {

class GridTable;

// Abstract base of the five column kinds. Cells are addressed by row from 0; asking a column for a
// kind of value it does not hold raises std::logic_error "Data of wrong type", a row outside the
// table std::out_of_range "Index out of bounds".
class Column {
  public:
    virtual ~Column() = default;
    Column(const Column&) = delete;
    Column& operator=(const Column&) = delete;

    // Type numbers of the column declarations: 0 choice, 1 integer, 2 float, 3 sub-table, 4 text.
    virtual int typeNumber() const = 0;

    QStringList headings;
    bool shown = true;     // a hidden column keeps its data but has no grid column
    bool grouped = false;  // a value set in any row of a row group goes to all rows of the group

    GridTable* table() const { return table_; }
    int index() const;  // position in its table
    virtual int rowCount() const = 0;

    virtual double toDouble(int row) const;
    virtual void setDouble(int row, double value);
    virtual int toInt(int row) const;
    virtual void setInt(int row, int value);
    virtual QString text(int row, const QLocale& locale) const = 0;
    virtual GridTable* subTable(int row) const;

    // Typed entry from the table window: the text as the user typed it, in the user's locale.
    // Raises UserError with the message to show.
    virtual void enterText(int row, const QString& text, const QLocale& locale) = 0;

    // The heading line as the table window shows it (a float column adds its units to the last).
    virtual QString headingText(int line) const;

    // Structure operations, called by the table for every column in order.
    virtual void insertRows(int position, int count) = 0;
    virtual void deleteRows(int position, int count) = 0;
    virtual void convertUnits(UnitSystem from, UnitSystem to) {
        (void)from;
        (void)to;
    }
    virtual void rowsMoved() {}

    // A copy of the column's attributes without its data, for a sub-table made from a template.
    virtual std::unique_ptr<Column> clone() const = 0;

  protected:
    Column() = default;
    void copyBaseTo(Column& other) const;
    void checkRow(int row) const;  // std::out_of_range "Index out of bounds"
    [[noreturn]] static void wrongType();
    void reportChange() const;  // tells the table that a cell changed
    Column* neighbour(int offset) const;

  private:
    friend class GridTable;
    GridTable* table_ = nullptr;
};

}  // namespace torve::app
