// A typed, unit-aware, nestable data table that owns its cell values.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "app/table/column.h"
#include "app/table/gridcell.h"
#include "engine/model/file_format.h"

class QLocale;

namespace torve::app {

class GridTableRegistry;

// Soil layers, layer properties, t-z print depths and cross-section areas live in these tables. A
// cell of a sub-table column may hold a whole sub-table made from a template; tables convert their
// values when the project's unit system changes. A view (the table window's model) only shows and
// edits a table through this interface and learns of changes made elsewhere from its signals.
class GridTable : public QObject {
    Q_OBJECT

  public:
    // A top table (owner none) starts in English units; a sub-table takes its owner's.
    explicit GridTable(GridTableRegistry& registry, GridTable* owner = nullptr);
    ~GridTable() override;

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption) { caption_ = caption; }
    const QString& comments() const { return comments_; }
    void setComments(const QString& comments) { comments_ = comments; }
    // Heading of the row-number column of the table window.
    const QString& topLeft() const { return topLeft_; }
    void setTopLeft(const QString& text) { topLeft_ = text; }

    int identifier() const { return identifier_; }
    // A value >= 0 that another table of the registry holds is swapped with it; negatives are ignored.
    void setIdentifier(int identifier);

    int minRows() const { return minRows_; }
    // Must be > 0: raises std::logic_error "Value must be greater than 0"; while a declaration is
    // being loaded, values <= 0 become 1.
    void setMinRows(int rows, bool whileLoading = false);
    int maxRows() const { return maxRows_; }  // 0: no limit
    void setMaxRows(int rows) { maxRows_ = rows < 0 ? 0 : rows; }
    int rowGroup() const { return rowGroup_; }
    void setRowGroup(int rows) { rowGroup_ = rows < 1 ? 1 : rows; }

    // Columns, in order; the table owns them. A topDepth float column must be followed by a float
    // column ("If column if a topdepth then the next column must be a float column").
    template <class C>
    C& addColumn(std::unique_ptr<C> column) {
        C& c = *column;
        appendColumn(std::move(column));
        return c;
    }
    int columnCount() const { return static_cast<int>(columns_.size()); }
    Column& column(int i) const;  // std::out_of_range "Index out of bounds"
    // Shows or hides a column (its data stay); an open window lays its grid out again.
    void setColumnShown(int column, bool shown);

    GridCell cell(int column, int row) const;

    int rowCount() const { return rowCount_; }
    void setRowCount(int rows);
    void addRowGroup();
    void insertRowGroup(int row);
    void deleteRowGroup(int row);

    UnitSystem units() const { return units_; }
    void setUnits(UnitSystem units);

    // 1-based row of the parent row that owns this sub-table; 0 for a top table.
    int rowNumber() const { return rowNumber_; }
    GridTable* owner() const { return owner_; }
    GridTableRegistry& registry() const { return *registry_; }

    // Typed entry of `text` into a cell, as the editing window commits it. Raises UserError.
    void enterText(int column, int row, const QString& text, const QLocale& locale);

    // A new sub-table made from this template for parent row `row` (from 0) of `parent`: caption,
    // comments, top-left text, row limits and clones of the columns, with minRows default rows. Its
    // changes are reported as changes of the parent.
    std::unique_ptr<GridTable> createSubTable(GridTable& parent, int row) const;

    // For the columns: a choice in column 0 changed in row `row` (the first sub-table column
    // replaces the row's sub-table with one from the template of the new choice); a cell changed;
    // the parent's rows moved.
    void choiceChanged(int row);
    void notifyChanged();
    void setRowNumber(int number) { rowNumber_ = number; }

  signals:
    // A cell value or the rows changed, here or in a sub-table.
    void changed();
    // The values were converted into another unit system; headings show other units.
    void unitsChanged();
    // Columns were shown or hidden.
    void columnsChanged();

  private:
    void appendColumn(std::unique_ptr<Column> column);
    void insertRows(int position, int count);
    void deleteRows(int position, int count);

    GridTableRegistry* registry_;
    GridTable* owner_;
    std::vector<std::unique_ptr<Column>> columns_;
    QString caption_;
    QString comments_;
    QString topLeft_;
    int identifier_ = -1;
    int minRows_ = 1;
    int maxRows_ = 0;
    int rowGroup_ = 1;
    int rowCount_ = 0;
    UnitSystem units_ = UnitSystem::English;
    int rowNumber_ = 0;
};

}  // namespace torve::app
