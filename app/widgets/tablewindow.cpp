// The table window.
#include "app/widgets/tablewindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMetaMethod>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/table/gridtable.h"
#include "app/widgets/caption.h"
#include "app/widgets/gridcelldelegate.h"
#include "app/widgets/gridtablemodel.h"
#include "app/widgets/gridtableview.h"
#include "app/widgets/messages.h"
#include "app/widgets/texts.h"
#include "app/widgets/windowhost.h"

namespace torve::app {

TableWindow::TableWindow(GridTable& table, WindowHost& host, QWidget* parent)
    : QWidget(parent),
      table_(&table),
      host_(host),
      model_(nullptr),
      view_(new GridTableView),
      addButton_(new QPushButton(texts::kAddRow)),
      insertButton_(new QPushButton(texts::kInsertRow)),
      deleteButton_(new QPushButton(texts::kDeleteRow)),
      notes_(new QLabel) {
    setAttribute(Qt::WA_DeleteOnClose);
    if (table.rowCount() < table.minRows()) table.setRowCount(table.minRows());
    model_ = new GridTableModel(table, this);
    view_->setGridModel(model_);
    setWindowTitle(captionOf(table));
    setAccessibleFromCaption(this, windowTitle());
    setAccessibleFromCaption(view_, table.caption());

    // The spacing of the window is a twentieth of an inch.
    const int gap = logicalDpiX() / 20;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(gap, gap, gap, gap);
    layout->setSpacing(gap);
    layout->addWidget(view_);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {addButton_, insertButton_, deleteButton_}) {
        setAccessibleFromCaption(b, b->text());
        // A click leaves the cell's editor its focus: the command commits the cell itself.
        b->setFocusPolicy(Qt::TabFocus);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addWidget(notes_);
    notes_->setWordWrap(false);

    connect(addButton_, &QPushButton::clicked, this, &TableWindow::addRow);
    connect(insertButton_, &QPushButton::clicked, this, &TableWindow::insertRow);
    connect(deleteButton_, &QPushButton::clicked, this, &TableWindow::deleteRow);
    connect(
        view_->cellDelegate(), &GridCellDelegate::subTableClicked, this, [this](const QModelIndex& index) {
            if (!table_ || !commit()) return;
            if (GridTable* sub = table_->cell(model_->tableColumn(index.column()), index.row()).subTable())
                host_.showTable(*sub);
        });
    // Without a main window to make one step of it (the window on its own), the block goes in here.
    connect(view_->cellDelegate(), &GridCellDelegate::blockPasted, this, [this](const QString& text) {
        if (isSignalConnected(QMetaMethod::fromSignal(&TableWindow::pasteRequested)))
            emit pasteRequested();
        else
            paste(text);
    });
    connect(&table, &GridTable::changed, this, &TableWindow::refresh);
    connect(&table, &GridTable::columnsChanged, this, &TableWindow::refresh);
    connect(&table, &QObject::destroyed, this, &TableWindow::tableGone);
    refresh();
}

QString TableWindow::captionOf(const GridTable& table) {
    QList<const GridTable*> chain;
    for (const GridTable* t = &table; t; t = t->owner()) chain.prepend(t);
    QString caption = table.caption() + QLatin1Char(' ');
    for (const GridTable* t : chain)
        if (t->rowNumber() != 0) caption += QLatin1Char(' ') + QString::number(t->rowNumber());
    return caption;
}

bool TableWindow::commit() {
    return view_->commitEditor();
}

QString TableWindow::copyText() const {
    QModelIndexList cells =
        view_->selectionModel() ? view_->selectionModel()->selectedIndexes() : QModelIndexList{};
    if (cells.isEmpty() && view_->currentIndex().isValid()) cells.append(view_->currentIndex());
    if (cells.isEmpty()) return {};
    int top = cells.first().row(), bottom = top, left = cells.first().column(), right = left;
    for (const QModelIndex& i : cells) {
        top = std::min(top, i.row());
        bottom = std::max(bottom, i.row());
        left = std::min(left, i.column());
        right = std::max(right, i.column());
    }
    QStringList lines;
    for (int row = top; row <= bottom; ++row) {
        QStringList texts;
        for (int column = left; column <= right; ++column) {
            const QModelIndex i = model_->index(row, column);
            const bool wanted = cells.contains(i) && model_->kind(column) != GridTableModel::Kind::SubTable;
            texts.append(wanted ? model_->data(i, Qt::DisplayRole).toString() : QString());
        }
        lines.append(texts.join(QLatin1Char('\t')));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool TableWindow::paste(const QString& text) {
    if (!table_ || !commit()) return false;
    QStringList lines = QString(text).remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
    // Spreadsheets end the last line too.
    while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    if (lines.isEmpty()) return true;
    QModelIndex start = view_->currentIndex();
    if (!start.isValid()) start = model_->index(0, 1);
    const int firstRow = start.row(), firstColumn = std::max(start.column(), 1);
    const int needed = firstRow + static_cast<int>(lines.size());
    // A table of single rows grows to what is pasted, as far as its limit allows.
    if (needed > table_->rowCount() && table_->rowGroup() == 1) {
        const int limit = table_->maxRows() > 0 ? table_->maxRows() : needed;
        table_->setRowCount(std::min(needed, limit));
    }
    for (int l = 0; l < lines.size(); ++l) {
        const int row = firstRow + l;
        if (row >= model_->rowCount()) break;
        const QStringList texts = lines[l].split(QLatin1Char('\t'));
        for (int t = 0; t < texts.size(); ++t) {
            const int column = firstColumn + t;
            if (column >= model_->columnCount()) break;
            const QString entry = texts[t].trimmed();
            const QModelIndex cell = model_->index(row, column);
            bool taken = true;
            switch (model_->kind(column)) {
                case GridTableModel::Kind::Text:
                    if (!entry.isEmpty() && entry != model_->data(cell, Qt::DisplayRole).toString())
                        taken = model_->setData(cell, entry);
                    break;
                case GridTableModel::Kind::Choice: {
                    // A choice is pasted by its name, as it was copied.
                    const QStringList choices = model_->choices(column);
                    for (int c = 0; c < choices.size(); ++c) {
                        if (choices[c].trimmed().compare(entry, Qt::CaseInsensitive) == 0) {
                            taken = model_->setData(cell, c + 1);
                            break;
                        }
                    }
                    break;
                }
                default:
                    break;
            }
            if (!taken) {
                QString heading = model_->heading(column);
                heading.replace(QLatin1Char('\n'), QLatin1Char(' '));
                messages().warning(window(), QString(texts::kPasteRefused)
                                                 .arg(row / table_->rowGroup() + 1)
                                                 .arg(heading.simplified(), model_->lastError()));
                model_->clearLastError();
                view_->setCurrentIndex(model_->index(firstRow, firstColumn));
                return false;
            }
        }
    }
    growToRows();
    // Rows added lay the grid out anew: the user stays where the paste began.
    view_->setCurrentIndex(model_->index(firstRow, firstColumn));
    return true;
}

void TableWindow::refresh() {
    if (!table_) return;
    const bool sized = table_->minRows() != table_->maxRows();
    for (QPushButton* b : {addButton_, insertButton_, deleteButton_}) b->setVisible(sized);
    const bool roomLeft = table_->rowCount() != table_->maxRows();
    addButton_->setEnabled(roomLeft);
    insertButton_->setEnabled(roomLeft);
    deleteButton_->setEnabled(table_->rowCount() > table_->minRows());
    QString notes = table_->comments();
    notes.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    notes_->setText(notes);
    notes_->setVisible(!notes.isEmpty());
}

int TableWindow::currentRow() {
    const int row = view_->currentIndex().row();
    if (row >= 0 && row < model_->rowCount()) return row;
    messages().warning(window(), texts::kRowNotInRange);
    return -1;
}

void TableWindow::addRow() {
    if (!table_ || !commit()) return;
    table_->addRowGroup();
    growToRows();
    view_->scrollToBottom();
}

void TableWindow::insertRow() {
    if (!table_ || !commit()) return;
    const int row = currentRow();
    if (row < 0) return;
    table_->insertRowGroup(row);
    growToRows();
}

void TableWindow::deleteRow() {
    if (!table_ || !commit()) return;
    const int row = currentRow();
    if (row < 0) return;
    table_->deleteRowGroup(row);
    view_->updateGeometry();
}

void TableWindow::growToRows() {
    // A window that showed every row keeps doing so, up to ten rows.
    view_->updateGeometry();
    QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!frame) frame = this;
    frame->resize(frame->width(), std::max(frame->height(), frame->sizeHint().height()));
}

void TableWindow::tableGone() {
    // Nothing is left to commit or to show; the frame of a child window goes with it.
    auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    QWidget* gone = frame ? static_cast<QWidget*>(frame) : this;
    gone->hide();
    gone->deleteLater();
}

void TableWindow::closeEvent(QCloseEvent* event) {
    if (table_ && !commit()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

}  // namespace torve::app
