// A typed, unit-aware, nestable data table that owns its cell values.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "app/table/column.h"
#include "app/table/data.h"

class QLocale;

namespace torve::app {

class TGridTableRegistry;

// Soil layers, layer properties, t-z print depths and cross-section areas live in these tables. A
// cell of a table column may hold a whole sub-table made from a template; tables convert their
// values when the project's unit system changes. The editing window (a later part of the program)
// only shows and edits a table through this interface.
class TGridTable {
  public:
    // A top table (owner none) starts in unit system 1; a sub-table takes its owner's.
    explicit TGridTable(TGridTableRegistry& registry, TGridTable* owner = nullptr);
    ~TGridTable();
    TGridTable(const TGridTable&) = delete;
    TGridTable& operator=(const TGridTable&) = delete;

    QString Caption;
    QString Comments;
    QString TopLeft;

    int Identifier() const { return identifier_; }
    // A value >= 0 that another table of the registry holds is swapped with it; negatives are ignored.
    void setIdentifier(int identifier);

    int MinRows() const { return minRows_; }
    // Must be > 0: raises "Value must be greater than 0"; while loading, values <= 0 become 1.
    void setMinRows(int rows, bool loading = false);
    int MaxRows() const { return maxRows_; }  // 0: no limit
    void setMaxRows(int rows) { maxRows_ = rows < 0 ? 0 : rows; }
    int RowGroup() const { return rowGroup_; }
    void setRowGroup(int rows) { rowGroup_ = rows < 1 ? 1 : rows; }

    // Columns, in order; the table owns them. A TopDepth float column must be followed by a float
    // column ("If column if a topdepth then the next column must be a float column").
    template <class C>
    C& addColumn(std::unique_ptr<C> column) {
        C& c = *column;
        appendColumn(std::move(column));
        return c;
    }
    int columnCount() const { return static_cast<int>(columns_.size()); }
    TColumn& column(int i) const;  // EGridTableError "Index out of bounds"

    TData Cell(int column, int row) const;

    int RowCount() const { return rowCount_; }
    void SetRowCount(int rows);
    void AddRowGroup();
    void InsertRowGroup(int row);
    void DeleteRowGroup(int row);

    int UnitSystem() const { return unitSystem_; }
    void SetUnits(int units);

    // 1-based row of the parent row that owns this sub-table; 0 for a top table.
    int RowNumber() const { return rowNumber_; }
    TGridTable* owner() const { return owner_; }
    TGridTableRegistry& registry() const { return *registry_; }

    // Change tracking: set by the editing window on every commit and row command.
    bool Changed = false;
    bool IsChanged() const;
    void ResetChanged();

    // Whether the editing window is open: the integer columns check typed entries only then.
    bool WindowOpen = false;

    // Typed entry of `text` into a cell, as the editing window commits it. Raises EAssignError.
    void EnterText(int column, int row, const QString& text, const QLocale& locale);

    // Hooks for the editing window: after a row command, and after any cell value changed.
    std::function<void()> OnResize;
    std::function<void()> OnDataChanged;

    // A new sub-table made from this template for parent row `row` (from 0) of `parent`: caption,
    // comments, top-left text, row limits and clones of the columns, with MinRows default rows.
    std::unique_ptr<TGridTable> createSubTable(TGridTable& parent, int row) const;

    // Called by a choice column in column 0 when row `row` gets another choice: the first table
    // column replaces the row's sub-table with one from the template of the new choice.
    void choiceChanged(int row);
    void dataChanged() const;
    void setRowNumber(int number) { rowNumber_ = number; }

  private:
    void appendColumn(std::unique_ptr<TColumn> column);
    void insertRows(int position, int count);
    void deleteRows(int position, int count);

    TGridTableRegistry* registry_;
    TGridTable* owner_;
    std::vector<std::unique_ptr<TColumn>> columns_;
    int identifier_ = -1;
    int minRows_ = 1;
    int maxRows_ = 0;
    int rowGroup_ = 1;
    int rowCount_ = 0;
    int unitSystem_ = 1;
    int rowNumber_ = 0;
};

}  // namespace torve::app
