// A typed column of a grid table: its headings, visibility, grouping and one cell per row.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QLocale;

namespace torve::app {

class TGridTable;

// Abstract base of the five column kinds. Cells are addressed by row from 0; asking a column for a
// kind of value it does not hold raises EGridTableError "Data of wrong type".
class TColumn {
  public:
    virtual ~TColumn() = default;
    TColumn(const TColumn&) = delete;
    TColumn& operator=(const TColumn&) = delete;

    // Type numbers of the column declarations: 0 choice, 1 integer, 2 float, 3 table, 4 text.
    virtual int TypeNumber() const = 0;

    QStringList Headings;
    bool Shown = true;
    bool Grouped = false;  // a value set in any row of a row group goes to all rows of the group

    TGridTable* table() const { return table_; }
    int index() const;  // position in its table
    virtual int rowCount() const = 0;

    virtual double asFloat(int row) const;
    virtual void setAsFloat(int row, double value);
    virtual int asInteger(int row) const;
    virtual void setAsInteger(int row, int value);
    virtual QString asText(int row, const QLocale& locale) const = 0;
    virtual TGridTable* asTable(int row) const;

    // Typed entry from the table window: the text as the user typed it, in the user's locale.
    // Raises EAssignError with the message to show.
    virtual void enterText(int row, const QString& text, const QLocale& locale) = 0;

    // The heading line as the table window shows it (a float column adds its units to the last).
    virtual QString headingText(int line) const;

    // Structure operations, called by the table for every column in order.
    virtual void insertRows(int position, int count) = 0;
    virtual void deleteRows(int position, int count) = 0;
    virtual void convertUnits(int from, int to) {
        (void)from;
        (void)to;
    }
    virtual bool isChanged() const { return false; }
    virtual void resetChanged() {}
    virtual void rowsMoved() {}

    // A copy of the column's attributes without its data, for a sub-table made from a template.
    virtual std::unique_ptr<TColumn> clone() const = 0;

  protected:
    TColumn() = default;
    void copyBaseTo(TColumn& other) const;
    void checkRow(int row) const;  // EGridTableError "Index out of bounds"
    [[noreturn]] static void wrongType();
    void reportChange() const;  // tells the table that a cell changed (an open window redraws)
    TColumn* neighbour(int offset) const;

  private:
    friend class TGridTable;
    TGridTable* table_ = nullptr;
};

}  // namespace torve::app
