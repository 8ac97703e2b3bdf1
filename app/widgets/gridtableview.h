// The grid of the table window: a cell is left only when its entry was taken.
#pragma once

#include <QTableView>

namespace torve::app {

class GridCellDelegate;
class GridTableModel;

// The current text cell always has its editor open. Moving to another cell (a click, Tab, the
// arrow keys, Enter) first commits the cell; a refused entry shows its message and keeps the user
// in the cell with the text as typed. Enter moves down a row, from the last row to the first row
// of the next column, from the last column back to the first.
class GridTableView : public QTableView {
    Q_OBJECT

  public:
    explicit GridTableView(QWidget* parent = nullptr);

    void setGridModel(GridTableModel* model);
    GridCellDelegate* cellDelegate() const { return delegate_; }
    // Commits the open editor of the current cell; false, with the message shown and the focus in
    // the cell, when the entry is refused.
    bool commitEditor();
    // Whole columns and at most ten whole rows.
    QSize sizeHint() const override;
    // Gives choice and sub-table cells their controls, after the model laid itself out anew.
    void openCellControls();
    // The width a column needs for its headings and its kind of value.
    int columnWidthFor(int column) const;

  protected:
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

  private:
    void refreshControls(const QModelIndex& from, const QModelIndex& to);
    void enterPressed(QWidget* editor);
    void reportFailure(QWidget* editor);
    // Text cells get the editor of the current cell; the others carry their controls all along.
    bool isTextCell(const QModelIndex& index) const;
    QModelIndex belowOrNext(const QModelIndex& index) const;

    GridTableModel* model_ = nullptr;
    GridCellDelegate* delegate_;
    QString failure_;
    bool reverting_ = false;
};

}  // namespace torve::app
