// The grid table model.
#include "app/widgets/gridtablemodel.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>

#include "app/controls/usererror.h"
#include "app/table/choicecolumn.h"
#include "app/table/gridtable.h"

namespace torve::app {

GridTableModel::GridTableModel(GridTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(&table) {
    connect(&table, &GridTable::changed, this, &GridTableModel::tableChanged);
    connect(&table, &GridTable::unitsChanged, this, [this] {
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        tableChanged();
    });
    connect(&table, &GridTable::columnsChanged, this, &GridTableModel::renew);
    connect(&table, &QObject::destroyed, this, &GridTableModel::renew);
    renew();
}

void GridTableModel::renew() {
    beginResetModel();
    shown_.clear();
    rows_ = 0;
    if (table_) {
        for (int c = 0; c < table_->columnCount(); ++c)
            if (table_->column(c).shown) shown_.append(c);
        rows_ = table_->rowCount();
    }
    endResetModel();
    emit layoutRenewed();
}

void GridTableModel::tableChanged() {
    if (!table_) return;
    if (table_->rowCount() != rows_) {
        renew();
        return;
    }
    // Values normalised by the table (linked tops and bottoms, rounding, another unit system) show
    // in every cell at once.
    if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
}

GridTableModel::Kind GridTableModel::kind(int column) const {
    if (column <= 0 || !table_) return Kind::RowNumber;
    switch (table_->column(tableColumn(column)).typeNumber()) {
        case 0:
            return Kind::Choice;
        case 3:
            return Kind::SubTable;
        default:
            return Kind::Text;
    }
}

int GridTableModel::tableColumn(int column) const {
    return shown_.value(column - 1, -1);
}

QStringList GridTableModel::choices(int column) const {
    if (kind(column) != Kind::Choice) return {};
    return static_cast<const ChoiceColumn&>(table_->column(tableColumn(column))).choices;
}

QString GridTableModel::heading(int column) const {
    if (!table_) return {};
    if (column == 0) return table_->topLeft();
    const Column& c = table_->column(tableColumn(column));
    QStringList lines;
    for (int line = 0; line < c.headings.size(); ++line) lines.append(c.headingText(line));
    return lines.join(QLatin1Char('\n'));
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1 + static_cast<int>(shown_.size());
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!table_ || !index.isValid()) return {};
    const int row = index.row();
    if (index.column() == 0) {
        if (role == Qt::DisplayRole) return row / table_->rowGroup() + 1;  // every row of a group alike
        if (role == Qt::BackgroundRole) return QGuiApplication::palette().brush(QPalette::Button);
        return {};
    }
    const GridCell cell = table_->cell(tableColumn(index.column()), row);
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            if (kind(index.column()) == Kind::Choice && role == Qt::EditRole) return cell.toInt();
            return cell.text(locale_);
        case Qt::AccessibleTextRole:
            return cell.text(locale_);
        default:
            return {};
    }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return heading(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    switch (kind(index.column())) {
        case Kind::Text:
            return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
        case Kind::Choice:
        case Kind::SubTable:
            // Their per-row control takes the input; the cell itself is never selected.
            return Qt::ItemIsEnabled | Qt::ItemIsEditable;
        default:
            return Qt::ItemIsEnabled;
    }
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    lastError_.clear();
    if (!table_ || !index.isValid() || role != Qt::EditRole) return false;
    const int column = tableColumn(index.column());
    try {
        switch (kind(index.column())) {
            case Kind::Text:
                table_->enterText(column, index.row(), value.toString(), locale_);
                return true;
            case Kind::Choice:
                if (table_->cell(column, index.row()).toInt() != value.toInt())
                    table_->cell(column, index.row()).setInt(value.toInt());
                return true;
            default:
                return false;
        }
    } catch (const UserError& e) {
        lastError_ = e.message();
        return false;
    }
}

}  // namespace torve::app
