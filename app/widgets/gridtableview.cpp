// The table window's grid.
#include "app/widgets/gridtableview.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>

#include "app/table/gridtable.h"
#include "app/table/textcolumn.h"
#include "app/widgets/gridcelldelegate.h"
#include "app/widgets/gridtablemodel.h"
#include "app/widgets/messages.h"

namespace torve::app {
namespace {

constexpr int kMaxRowsInView = 10;

// The narrowest a column of each kind is drawn, in inches: a choice list, a whole number, a real
// number, a sub-table button.
double minimumInches(int typeNumber) {
    switch (typeNumber) {
        case 0:
            return 1.5;
        case 3:
            return 2.0;
        default:
            return 0.5;
    }
}

}  // namespace

GridTableView::GridTableView(QWidget* parent) : QTableView(parent), delegate_(new GridCellDelegate(this)) {
    setItemDelegate(delegate_);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::AllEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    verticalHeader()->hide();
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    connect(delegate_, &GridCellDelegate::enterPressed, this, &GridTableView::enterPressed);
}

void GridTableView::setGridModel(GridTableModel* model) {
    model_ = model;
    setModel(model);
    connect(model, &GridTableModel::layoutRenewed, this, &GridTableView::openCellControls);
    // Range changes do not reach persistent editors by themselves.
    connect(model, &QAbstractItemModel::dataChanged, this, &GridTableView::refreshControls);
    openCellControls();
}

void GridTableView::refreshControls(const QModelIndex& from, const QModelIndex& to) {
    for (int row = from.row(); row <= to.row(); ++row) {
        for (int column = from.column(); column <= to.column(); ++column) {
            if (model_->kind(column) == GridTableModel::Kind::Text) continue;
            const QModelIndex i = model_->index(row, column);
            if (QWidget* control = indexWidget(i)) delegate_->setEditorData(control, i);
        }
    }
}

int GridTableView::columnWidthFor(int column) const {
    const QFontMetrics heading(horizontalHeader()->font());
    const QString blanks = QStringLiteral("  ");
    int width = 0;
    for (const QString& line : model_->heading(column).split(QLatin1Char('\n')))
        width = std::max(width, heading.horizontalAdvance(line + blanks));
    const double dpi = logicalDpiX();
    double inches = 1.0 / 3.0;  // the row numbers
    if (column > 0 && model_->table()) {
        const Column& c = model_->table()->column(model_->tableColumn(column));
        inches = c.typeNumber() == 4 ? static_cast<const TextColumn&>(c).widthInches
                                     : minimumInches(c.typeNumber());
    }
    return std::max(width + 2 * style()->pixelMetric(QStyle::PM_HeaderMargin),
                    static_cast<int>(inches * dpi));
}

void GridTableView::openCellControls() {
    if (!model_) return;
    for (int column = 0; column < model_->columnCount(); ++column) {
        setColumnWidth(column, columnWidthFor(column));
        const GridTableModel::Kind kind = model_->kind(column);
        if (kind != GridTableModel::Kind::Choice && kind != GridTableModel::Kind::SubTable) continue;
        for (int row = 0; row < model_->rowCount(); ++row) openPersistentEditor(model_->index(row, column));
    }
    updateGeometry();
}

QSize GridTableView::sizeHint() const {
    if (!model_) return QTableView::sizeHint();
    int width = 2 * frameWidth();
    for (int column = 0; column < model_->columnCount(); ++column) width += columnWidth(column);
    const int rows = std::min(model_->rowCount(), kMaxRowsInView);
    const int rowHeight = verticalHeader()->defaultSectionSize();
    int height = 2 * frameWidth() + horizontalHeader()->sizeHint().height() + rows * rowHeight;
    if (model_->rowCount() > kMaxRowsInView) width += verticalScrollBar()->sizeHint().width();
    return {width, height};
}

bool GridTableView::commitEditor() {
    const QModelIndex current = currentIndex();
    auto* editor = qobject_cast<QLineEdit*>(indexWidget(current));
    if (!editor || !isTextCell(current)) return true;
    commitData(editor);
    if (failure_.isEmpty()) return true;
    reportFailure(editor);
    return false;
}

void GridTableView::commitData(QWidget* editor) {
    failure_.clear();
    QTableView::commitData(editor);
    if (model_ && qobject_cast<QLineEdit*>(editor)) failure_ = model_->lastError();
}

void GridTableView::reportFailure(QWidget* editor) {
    const QString message = failure_;
    failure_.clear();
    messages().warning(window(), message);
    editor->setFocus(Qt::OtherFocusReason);
}

void GridTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // A refused entry keeps its editor, its text and the user.
    if (!failure_.isEmpty() && qobject_cast<QLineEdit*>(editor)) {
        reportFailure(editor);
        return;
    }
    QTableView::closeEditor(editor, hint);
}

void GridTableView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (!reverting_ && isTextCell(previous)) {
        if (auto* editor = qobject_cast<QLineEdit*>(indexWidget(previous))) {
            commitData(editor);
            if (!failure_.isEmpty()) {
                // The move is refused: back to the cell whose entry was not taken.
                reverting_ = true;
                selectionModel()->setCurrentIndex(previous, QItemSelectionModel::ClearAndSelect);
                reverting_ = false;
                reportFailure(editor);
                return;
            }
            QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
    QTableView::currentChanged(current, previous);
}

bool GridTableView::isTextCell(const QModelIndex& index) const {
    return model_ && index.isValid() && model_->kind(index.column()) == GridTableModel::Kind::Text;
}

QModelIndex GridTableView::belowOrNext(const QModelIndex& index) const {
    const int rows = model_->rowCount(), columns = model_->columnCount();
    if (index.row() + 1 < rows) return model_->index(index.row() + 1, index.column());
    // From the last row to the top of the next text column, from the last column to the first.
    for (int step = 1; step < columns; ++step) {
        const int column = 1 + (index.column() - 1 + step) % (columns - 1);
        if (model_->kind(column) == GridTableModel::Kind::Text) return model_->index(0, column);
    }
    return model_->index(0, index.column());
}

void GridTableView::enterPressed(QWidget* editor) {
    commitData(editor);
    if (!failure_.isEmpty()) {
        reportFailure(editor);
        return;
    }
    const QModelIndex here = currentIndex();
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    selectionModel()->setCurrentIndex(belowOrNext(here), QItemSelectionModel::ClearAndSelect);
}

}  // namespace torve::app
