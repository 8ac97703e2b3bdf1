// Snapshots of grid tables.
#include "app/table/tablesnapshot.h"

#include <QLocale>

#include "app/controls/usererror.h"
#include "app/table/gridtable.h"

namespace torve::app {
namespace {

// Type numbers of the column kinds.
constexpr int kChoice = 0, kInteger = 1, kFloat = 2, kSubTable = 3, kText = 4;

}  // namespace

bool TableSnapshot::Cell::operator==(const Cell& other) const {
    if (number != other.number || whole != other.whole || text != other.text) return false;
    if (!sub || !other.sub) return !sub && !other.sub;
    return *sub == *other.sub;
}

bool TableSnapshot::operator==(const TableSnapshot& other) const {
    return rows_ == other.rows_ && columns_ == other.columns_;
}

TableSnapshot TableSnapshot::of(const GridTable& table) {
    TableSnapshot s;
    s.rows_ = table.rowCount();
    for (int c = 0; c < table.columnCount(); ++c) {
        const Column& column = table.column(c);
        ColumnValues values{column.typeNumber(), {}};
        for (int row = 0; row < s.rows_; ++row) {
            Cell cell;
            switch (values.type) {
                case kChoice:
                case kInteger:
                    cell.whole = column.toInt(row);
                    break;
                case kFloat:
                    cell.number = column.toDouble(row);
                    break;
                case kSubTable:
                    if (const GridTable* sub = column.subTable(row))
                        cell.sub = std::make_shared<const TableSnapshot>(of(*sub));
                    break;
                default:
                    cell.text = column.text(row, QLocale::c());
                    break;
            }
            values.cells.push_back(std::move(cell));
        }
        s.columns_.push_back(std::move(values));
    }
    return s;
}

void TableSnapshot::restoreInto(GridTable& table) const {
    table.setRowCount(rows_);
    const int columns = std::min(table.columnCount(), static_cast<int>(columns_.size()));
    // Choices first: a new choice replaces the row's sub-table, which the later passes fill.
    for (const int pass : {kChoice, kInteger, kFloat, kText, kSubTable}) {
        for (int c = 0; c < columns; ++c) {
            const ColumnValues& values = columns_[static_cast<std::size_t>(c)];
            Column& column = table.column(c);
            if (values.type != pass || column.typeNumber() != pass) continue;
            for (int row = 0; row < rows_ && row < table.rowCount(); ++row) {
                const Cell& cell = values.cells[static_cast<std::size_t>(row)];
                switch (pass) {
                    case kChoice:
                    case kInteger:
                        if (column.toInt(row) != cell.whole) column.setInt(row, cell.whole);
                        break;
                    case kFloat:
                        if (column.toDouble(row) != cell.number) column.setDouble(row, cell.number);
                        break;
                    case kText:
                        try {
                            if (column.text(row, QLocale::c()) != cell.text)
                                column.enterText(row, cell.text, QLocale::c());
                        } catch (const UserError&) {
                            // A text the column took once it takes again; nothing else can stand.
                        }
                        break;
                    default:
                        if (GridTable* sub = column.subTable(row); sub && cell.sub)
                            cell.sub->restoreInto(*sub);
                        break;
                }
            }
        }
    }
}

}  // namespace torve::app
