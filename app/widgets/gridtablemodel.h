// A grid table as an item model, for the table window's view.
#pragma once

#include <QAbstractTableModel>
#include <QLocale>
#include <QPointer>

#include "app/table/gridtable.h"

namespace torve::app {

// Column 0 holds the row numbers (the row group's number, headed by the table's top-left text),
// the others the table's shown columns in order. Edits go through the table's typed entry, so the
// table's own rules apply (expressions, bounds, linked tops and bottoms); a refused entry leaves
// its message in lastError(). The model follows the table: changes made elsewhere (a dialog, a
// linked cell, another unit system, columns shown or hidden) reach the view at once, and a table
// that goes away leaves an empty model.
class GridTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // How a column is shown and edited.
    enum class Kind { RowNumber, Text, Choice, SubTable };

    explicit GridTableModel(GridTable& table, QObject* parent = nullptr);

    GridTable* table() const { return table_; }
    Kind kind(int column) const;
    // The table's column shown in model column `column` (from 1).
    int tableColumn(int column) const;
    // The choices of a choice column.
    QStringList choices(int column) const;
    // The heading lines of a column as one text; the row-number column's is the top-left text.
    QString heading(int column) const;
    // The message of the last refused entry, empty after one that was taken.
    const QString& lastError() const { return lastError_; }
    // Forgets it, once told: an entry refused elsewhere (a paste) is not the open editor's.
    void clearLastError() { lastError_.clear(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Text cells take the typed text; choice cells the choice number from 1.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  signals:
    // The table's columns, rows or identity changed: per-row controls must be laid anew.
    void layoutRenewed();

  private:
    void tableChanged();
    void renew();

    QPointer<GridTable> table_;
    QList<int> shown_;  // table column of each model column after the first
    int rows_ = 0;
    QString lastError_;
    QLocale locale_;  // numbers typed and shown in the user's locale
};

}  // namespace torve::app
