// The cell editors of the table window.
#include "app/widgets/gridcelldelegate.h"

#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "app/widgets/caption.h"
#include "app/widgets/gridtablemodel.h"

namespace torve::app {
namespace {

const GridTableModel* modelOf(const QModelIndex& index) {
    return qobject_cast<const GridTableModel*>(index.model());
}

// "Soil Type 3": the column's heading and the row's number, for screen readers.
QString cellName(const QModelIndex& index) {
    const GridTableModel* m = modelOf(index);
    return plainCaption(m->heading(index.column()).simplified() + QLatin1Char(' ') +
                        m->data(m->index(index.row(), 0)).toString());
}

}  // namespace

QWidget* GridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    const GridTableModel* m = modelOf(index);
    if (!m) return QStyledItemDelegate::createEditor(parent, option, index);
    QWidget* editor = nullptr;
    switch (m->kind(index.column())) {
        case GridTableModel::Kind::Choice: {
            auto* list = new QComboBox(parent);
            list->addItems(m->choices(index.column()));
            list->setMaxVisibleItems(11);
            connect(list, &QComboBox::activated, this,
                    [this, list] { emit const_cast<GridCellDelegate*>(this)->commitData(list); });
            editor = list;
            break;
        }
        case GridTableModel::Kind::SubTable: {
            auto* button = new QPushButton(parent);
            const QPersistentModelIndex where(index);
            connect(button, &QPushButton::clicked, this,
                    [this, where] { emit const_cast<GridCellDelegate*>(this)->subTableClicked(where); });
            editor = button;
            break;
        }
        default: {
            auto* line = new QLineEdit(parent);
            line->setFrame(false);
            editor = line;
            break;
        }
    }
    editor->setAccessibleName(cellName(index));
    return editor;
}

void GridCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        list->setCurrentIndex(index.data(Qt::EditRole).toInt() - 1);
    } else if (auto* button = qobject_cast<QPushButton*>(editor)) {
        button->setText(index.data().toString());
        button->setAccessibleName(plainCaption(button->text()));
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setText(index.data().toString());
    }
}

void GridCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, list->currentIndex() + 1);
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        // Passing through a cell is not an edit: it neither marks the table changed nor rewrites it.
        if (line->isModified() && model->setData(index, line->text())) line->setModified(false);
    }
}

bool GridCellDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QLineEdit*>(object);
    if (!editor) return QStyledItemDelegate::eventFilter(object, event);
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* press = static_cast<QKeyEvent*>(event);
        const QString clipboard =
            press->matches(QKeySequence::Paste) ? QGuiApplication::clipboard()->text() : QString();
        // A block of cells ends in a line break even when it is one cell wide.
        if (clipboard.contains(QLatin1Char('\t')) || clipboard.trimmed().contains(QLatin1Char('\n'))) {
            event->accept();
            if (event->type() == QEvent::KeyPress) emit blockPasted(clipboard);
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit enterPressed(editor);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace torve::app
