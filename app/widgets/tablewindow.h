// The window in which the user edits one grid table.
#pragma once

#include <QPointer>
#include <QWidget>

#include "app/table/gridtable.h"

class QLabel;
class QPushButton;

namespace torve::app {

class GridTableModel;
class GridTableView;
class WindowHost;

// A grid of the table's shown columns, the row buttons "&Add Row", "&Insert Row" and "&Delete Row"
// (hidden for a table of fixed size, disabled at its row limits) and the table's notes. Every
// entry goes into the table at once; sub-table buttons open the sub-table's own window through the
// host. The window closes when its table goes away (a layer of another soil type gets new data).
class TableWindow : public QWidget {
    Q_OBJECT

  public:
    TableWindow(GridTable& table, WindowHost& host, QWidget* parent = nullptr);

    // The caption: the table's, then for each table from the outermost enclosing one down to this
    // one, a blank and the number of the row that owns it ("Clay Layer Data  3").
    static QString captionOf(const GridTable& table);

    // Commits the cell being edited; false, with the message shown and the user kept in the cell,
    // when its entry is refused.
    bool commit();
    // The selected cells (the current cell when none is selected) as lines of tab-separated texts,
    // as spreadsheets copy them.
    QString copyText() const;
    // Enters lines of tab-separated texts from the current cell on, each through its column's own
    // rules; a table of single rows grows to take them, within its row limit, and what lies beyond
    // the last column is left out. The first entry refused stops the paste with its message shown
    // (the cells before it stay pasted); false then. The current cell stays where the paste began.
    // Ctrl+V in a cell's editor with such a block on the clipboard pastes it the same way.
    bool paste(const QString& text);
    GridTableModel* model() const { return model_; }

  signals:
    // Ctrl+V in a cell with a block of cells on the clipboard; the main window pastes it as one step.
    void pasteRequested();

  public:
    GridTableView* view() const { return view_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void addRow();
    void insertRow();
    void deleteRow();
    // The data row of the current cell, or -1 with the message when there is none.
    int currentRow();
    void refresh();
    void growToRows();
    void tableGone();

    QPointer<GridTable> table_;
    WindowHost& host_;
    GridTableModel* model_;
    GridTableView* view_;
    QPushButton* addButton_;
    QPushButton* insertButton_;
    QPushButton* deleteButton_;
    QLabel* notes_;
};

}  // namespace torve::app
