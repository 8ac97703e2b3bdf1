// The soil settlement as a table of depth and settlement, for the Soil Settlement dialog.
#pragma once

#include <QAbstractTableModel>
#include <optional>

#include "engine/model/file_format.h"
#include "engine/model/soil_settlement_file.h"

namespace torve::app {

// Two columns in the project's units: depth below the ground surface (ft | m) and the soil's
// settlement there (in | mm). A cell takes a number in the user's locale or with "." as decimal
// mark; any other entry is refused and the cell keeps its value.
class SettlementTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { DepthColumn = 0, SettlementColumn = 1 };

    explicit SettlementTableModel(QObject* parent = nullptr);

    void setSettlement(const SoilSettlement& soil, UnitSystem units);
    const SoilSettlement& settlement() const { return soil_; }

    // A row below `row` (or at the end), a unit of depth deeper than the row above it, settling as
    // much; the first row at the surface.
    void insertPoint(int row);
    void removePoint(int row);

    // What makes the table unusable for a run, naming its row; none when the depths increase.
    std::optional<QString> fault() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    SoilSettlement soil_;
    UnitSystem units_ = UnitSystem::English;
};

}  // namespace torve::app
