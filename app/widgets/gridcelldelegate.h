// The editors of a grid table's cells: a line for text and numbers, a list for choices, a button for
// sub-tables.
#pragma once

#include <QStyledItemDelegate>

namespace torve::app {

// Choice and sub-table cells carry their control all the time; text cells get their editor when
// they become current. Enter is the view's to handle (it moves down), and a moment's loss of focus
// to another window or a popup is not the user leaving the cell.
class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    // A text editor commits only what the user changed in it.
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

  signals:
    void enterPressed(QWidget* editor);
    void subTableClicked(const QModelIndex& index);
    // Ctrl+V in a cell with cells on the clipboard (texts separated by tabs or lines, as copied from
    // a spreadsheet): the block goes into the table, not into the one cell's editor.
    void blockPasted(const QString& text);

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;
};

}  // namespace torve::app
