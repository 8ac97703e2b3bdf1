// The soil settlement table.
#include "app/dialogs/settlementtablemodel.h"

#include <QLocale>
#include <cmath>

#include "app/dialogs/texts.h"

namespace torve::app {

SettlementTableModel::SettlementTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void SettlementTableModel::setSettlement(const SoilSettlement& soil, UnitSystem units) {
    beginResetModel();
    soil_ = soil;
    units_ = units;
    endResetModel();
}

void SettlementTableModel::insertPoint(int row) {
    const int at = row < 0 || row >= rowCount() ? rowCount() : row + 1;
    const auto i = static_cast<std::size_t>(at);
    const double depth = at == 0 ? 0.0 : soil_.depth[i - 1] + 1;
    const double settlement = at == 0 ? 0.0 : soil_.settlement[i - 1];
    beginInsertRows({}, at, at);
    soil_.depth.insert(soil_.depth.begin() + at, depth);
    soil_.settlement.insert(soil_.settlement.begin() + at, settlement);
    endInsertRows();
}

void SettlementTableModel::removePoint(int row) {
    if (row < 0 || row >= rowCount()) return;
    beginRemoveRows({}, row, row);
    soil_.depth.erase(soil_.depth.begin() + row);
    soil_.settlement.erase(soil_.settlement.begin() + row);
    endRemoveRows();
}

std::optional<QString> SettlementTableModel::fault() const {
    for (std::size_t i = 1; i < soil_.depth.size(); ++i)
        if (!(soil_.depth[i] > soil_.depth[i - 1])) return QString(texts::kSettlementDepthsOrder).arg(i + 1);
    return std::nullopt;
}

int SettlementTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(soil_.depth.size());
}

int SettlementTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant SettlementTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    const auto row = static_cast<std::size_t>(index.row());
    const double v = index.column() == DepthColumn ? soil_.depth[row] : soil_.settlement[row];
    return QLocale().toString(v, 'g', 12);
}

bool SettlementTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const QString text = value.toString().trimmed();
    bool ok = false;
    double v = QLocale().toDouble(text, &ok);
    if (!ok) v = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(v)) return false;
    const auto row = static_cast<std::size_t>(index.row());
    (index.column() == DepthColumn ? soil_.depth : soil_.settlement)[row] = v;
    emit dataChanged(index, index);
    return true;
}

QVariant SettlementTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    const bool english = units_ == UnitSystem::English;
    if (section == DepthColumn) return QString(texts::kSettlementDepthColumn).arg(english ? u"ft" : u"m");
    return QString(texts::kSettlementColumn).arg(english ? u"in" : u"mm");
}

Qt::ItemFlags SettlementTableModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

}  // namespace torve::app
