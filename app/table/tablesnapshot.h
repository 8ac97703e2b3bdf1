// The values of a grid table at one moment, to put back later (undo and redo of edits).
#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace torve::app {

class GridTable;

// Every cell of a table and of its sub-tables, by column kind: choices and whole numbers as
// integers, numbers as doubles (exactly as held, so that putting them back loses no digit), texts,
// and sub-tables as snapshots of their own. The table's units are not part of it: the project
// puts them back for all its tables at once.
class TableSnapshot {
  public:
    static TableSnapshot of(const GridTable& table);
    // Gives `table` the rows and values of the snapshot. Choices go first, since a changed choice
    // gives its row a new sub-table, whose values then follow.
    void restoreInto(GridTable& table) const;

    int rowCount() const { return rows_; }
    bool operator==(const TableSnapshot& other) const;

  private:
    struct Cell {
        double number = 0;
        int whole = 0;
        QString text;
        std::shared_ptr<const TableSnapshot> sub;
        bool operator==(const Cell& other) const;
    };
    struct ColumnValues {
        int type = 0;  // the column's type number
        std::vector<Cell> cells;
        bool operator==(const ColumnValues&) const = default;
    };

    int rows_ = 0;
    std::vector<ColumnValues> columns_;
};

}  // namespace torve::app
