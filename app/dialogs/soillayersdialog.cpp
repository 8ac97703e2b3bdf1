// The soil layers dialog.
#include "app/dialogs/soillayersdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/dialogs/formrows.h"
#include "app/dialogs/soildatadialog.h"
#include "app/dialogs/texts.h"
#include "app/project/project.h"
#include "app/widgets/caption.h"
#include "app/widgets/messages.h"
#include "app/widgets/numberfield.h"

namespace torve::app {
namespace {

using Tables = ProjectTables;

// The layer table's columns that the five value fields of a row edit, with their units.
constexpr std::array<int, 5> kValueColumns = {Tables::BottomDepthColumn, Tables::MaxSideFrictionColumn,
                                              Tables::MaxEndBearingColumn, Tables::SideFactorColumn,
                                              Tables::EndFactorColumn};
constexpr std::array<const char16_t*, 5> kValueUnits = {u"L2", u"F/L2^2", u"F/L2^2", u"", u""};
// Narrowest widths of the grid's columns, in pixels, at which the headings fit.
constexpr std::array<int, 7> kColumnWidths = {131, 72, 94, 106, 106, 135, 135};
constexpr int kGridHeight = 186;
// The controls lie within their cells, leaving the cell's selection colour visible around them.
constexpr int kCellMargin = 2;

QWidget* inCell(QWidget* control) {
    auto* cell = new QWidget;
    auto* layout = new QHBoxLayout(cell);
    layout->setContentsMargins(kCellMargin, kCellMargin, kCellMargin, kCellMargin);
    layout->addWidget(control);
    cell->setFocusProxy(control);
    return cell;
}

}  // namespace

SoilLayersDialog::SoilLayersDialog(WindowHost& host, QWidget* parent)
    : ChildDialog(host, texts::kSoilLayersCaption, parent) {
    grid_ = new QTableWidget(0, static_cast<int>(kColumnWidths.size()));
    grid_->verticalHeader()->hide();
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->setMinimumHeight(kGridHeight);
    grid_->verticalHeader()->setDefaultSectionSize(NumberField().sizeHint().height() + 2 * kCellMargin);
    grid_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    auto* definition = new QGroupBox(texts::kLayersDefinition);
    auto* definitionLayout = new QVBoxLayout(definition);
    definitionLayout->addWidget(grid_);

    add_ = commandButton(texts::kAddLayer);
    insert_ = commandButton(texts::kInsertLayer);
    delete_ = commandButton(texts::kDeleteLayer);
    confirmDeletion_ = captionedCheckBox(texts::kConfirmDeletion);
    confirmDeletion_->setChecked(true);
    connect(add_, &QPushButton::clicked, this, &SoilLayersDialog::addLayer);
    connect(insert_, &QPushButton::clicked, this, &SoilLayersDialog::insertLayer);
    connect(delete_, &QPushButton::clicked, this, &SoilLayersDialog::deleteLayer);
    QPushButton* close = closeButton(this);
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{add_, insert_, delete_, confirmDeletion_})
        buttons->addWidget(w);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(definition, 1);
    layout->addLayout(buttons);
    layout->addWidget(noteLabel(texts::kLayersNotes));
}

SoilDataDialog* SoilLayersDialog::soilDataDialog() const {
    return soilData_;
}

GridTable& SoilLayersDialog::layers() const {
    return project().tables().soilLayers;
}

void SoilLayersDialog::updateHeadings(UnitSystem units) {
    const auto& second = units == UnitSystem::SI ? texts::kLayerHeadingsSi : texts::kLayerHeadingsEnglish;
    QStringList headings;
    for (std::size_t c = 0; c < texts::kLayerHeadings.size(); ++c)
        headings << QString(texts::kLayerHeadings[c]) + u'\n' + second[c];
    grid_->setHorizontalHeaderLabels(headings);
    int width = 0;
    for (int c = 0; c < grid_->columnCount(); ++c) {
        grid_->resizeColumnToContents(c);
        grid_->setColumnWidth(c, std::max(kColumnWidths[static_cast<std::size_t>(c)], grid_->columnWidth(c)));
        width += grid_->columnWidth(c);
    }
    // Every column in view; the rows scroll.
    grid_->setMinimumWidth(width + grid_->verticalScrollBar()->sizeHint().width() + 2 * grid_->frameWidth());
}

SoilLayersDialog::LayerRow SoilLayersDialog::createRow(int layer) {
    LayerRow row{};
    row.edit = commandButton({});
    connect(row.edit, &QPushButton::clicked, this, [this, layer] { editLayer(layer); });
    row.soilType = new QComboBox;
    row.soilType->addItems({texts::kSand, texts::kClay});
    row.soilType->setMaxVisibleItems(2);
    connect(row.soilType, &QComboBox::activated, this,
            [this, layer](int index) { soilTypeChosen(layer, index); });
    grid_->setCellWidget(layer, 0, inCell(row.edit));
    grid_->setCellWidget(layer, 1, inCell(row.soilType));
    for (std::size_t k = 0; k < row.values.size(); ++k) {
        NumberField* f = new NumberField;
        connect(f, &NumberField::edited, this, [this] { project().setModified(true); });
        row.values[k] = f;
        grid_->setCellWidget(layer, static_cast<int>(k) + 2, inCell(f));
    }
    for (QWidget* w : std::initializer_list<QWidget*>{row.edit, row.soilType}) w->installEventFilter(this);
    for (NumberField* f : row.values) f->installEventFilter(this);
    return row;
}

void SoilLayersDialog::layRows(int count) {
    const int before = static_cast<int>(rows_.size());
    if (count < before) rows_.resize(static_cast<std::size_t>(count));
    grid_->setRowCount(count);  // deletes the controls of rows that went
    for (int layer = before; layer < count; ++layer) rows_.push_back(createRow(layer));
    const UnitSystem units = project().data().units;
    for (int layer = 0; layer < count; ++layer) {
        const LayerRow& row = rows_[static_cast<std::size_t>(layer)];
        const QString number = QString::number(layer + 1);
        const QString edit = texts::kEditLayer + number;
        row.edit->setText(edit);
        setAccessibleFromCaption(row.edit, edit);
        row.soilType->setAccessibleName(
            QString(texts::kLayerValueName).arg(number, texts::kLayerValueNames[1]));
        for (std::size_t k = 0; k < row.values.size(); ++k) {
            row.values[k]->setCaption(
                QString(texts::kLayerValueName).arg(number, texts::kLayerValueNames[k + 2]),
                QString::fromUtf16(kValueUnits[k]));
            row.values[k]->setUnitSystem(units);
        }
    }
}

void SoilLayersDialog::updateButtons() {
    const int count = layers().rowCount();
    add_->setEnabled(count < kMaxSoilLayers);
    // A layer inserted into a full table would be one more than a run can take.
    insert_->setEnabled(count > 0 && count < kMaxSoilLayers);
    delete_->setEnabled(count > 0);
}

void SoilLayersDialog::select(int layer) {
    selected_ = layer;
    if (layer >= 0 && layer < grid_->rowCount()) grid_->selectRow(layer);
}

void SoilLayersDialog::load() {
    const GridTable& d = layers();
    const int count = d.rowCount();
    layRows(count);
    updateHeadings(project().data().units);
    for (int layer = 0; layer < count; ++layer) {
        const LayerRow& row = rows_[static_cast<std::size_t>(layer)];
        const bool clay = d.cell(Tables::SoilTypeColumn, layer).toInt() == static_cast<int>(SoilType::Clay);
        row.soilType->setCurrentIndex(clay ? 1 : 0);
        for (std::size_t k = 0; k < row.values.size(); ++k)
            showValue(row.values[k], d.cell(kValueColumns[k], layer).toDouble());
    }
    select(std::clamp(selected_, 0, std::max(count - 1, 0)));
    updateButtons();
    showFromStart(this);
}

void SoilLayersDialog::store() {
    GridTable& d = layers();
    const int count = std::min(static_cast<int>(rows_.size()), d.rowCount());
    for (int layer = 0; layer < count; ++layer) {
        const LayerRow& row = rows_[static_cast<std::size_t>(layer)];
        for (std::size_t k = 0; k < row.values.size(); ++k) {
            GridCell cell = d.cell(kValueColumns[k], layer);
            cell.setDouble(fieldValue(row.values[k], cell.toDouble()));
        }
    }
}

bool SoilLayersDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (std::size_t layer = 0; layer < rows_.size(); ++layer) {
            const LayerRow& row = rows_[layer];
            const bool inRow = watched == row.edit || watched == row.soilType ||
                               std::find(row.values.begin(), row.values.end(), watched) != row.values.end();
            if (inRow) select(static_cast<int>(layer));
        }
    }
    return ChildDialog::eventFilter(watched, event);
}

void SoilLayersDialog::addLayer() {
    if (!commit() || layers().rowCount() >= kMaxSoilLayers) return;
    selected_ = layers().rowCount();
    // A sand layer at depth 0, without limits, with factors 1; the table's change lays the rows again.
    layers().addRowGroup();
    grid_->scrollToBottom();
}

void SoilLayersDialog::insertLayer() {
    const int count = layers().rowCount();
    if (!commit() || count == 0 || count >= kMaxSoilLayers) return;
    layers().insertRowGroup(std::clamp(selected_, 0, count - 1));
}

void SoilLayersDialog::deleteLayer() {
    const int count = layers().rowCount();
    if (!commit() || count == 0) return;
    const int layer = std::clamp(selected_, 0, count - 1);
    if (confirmDeletion_->isChecked() &&
        messages().question(this, texts::kDeleteQuestion + QString::number(layer + 1)) != QMessageBox::Yes)
        return;
    layers().deleteRowGroup(layer);
}

void SoilLayersDialog::soilTypeChosen(int layer, int index) {
    GridTable& d = layers();
    const int type = index + 1;
    if (layer >= d.rowCount() || d.cell(Tables::SoilTypeColumn, layer).toInt() == type) return;
    if (!commit()) {
        reload();
        return;
    }
    // A layer of the other kind gets fresh data, but keeps its unit weights and user-specified values.
    constexpr std::array<int, 3> kept = {Tables::SandUnitWeight, Tables::SandUserFriction,
                                         Tables::SandUserBearing};
    std::array<std::array<double, 2>, 3> values{};
    const GridTable* old = d.cell(Tables::LayerDataColumn, layer).subTable();
    const bool hadData = old != nullptr;
    for (std::size_t k = 0; hadData && k < kept.size(); ++k)
        for (int row = 0; row < 2; ++row)
            values[k][static_cast<std::size_t>(row)] = old->cell(kept[k], row).toDouble();
    selected_ = layer;
    d.cell(Tables::SoilTypeColumn, layer).setInt(type);  // replaces the layer's data by a fresh table
    if (GridTable* fresh = d.cell(Tables::LayerDataColumn, layer).subTable(); fresh && hadData) {
        for (std::size_t k = 0; k < kept.size(); ++k)
            for (int row = 0; row < 2; ++row)
                fresh->cell(kept[k], row).setDouble(values[k][static_cast<std::size_t>(row)]);
    }
}

void SoilLayersDialog::editLayer(int layer) {
    if (!commit() || layer >= layers().rowCount()) return;
    select(layer);
    soilData_ = new SoilDataDialog(project(), layer, this);
    soilData_->setAttribute(Qt::WA_DeleteOnClose);
    connect(soilData_, &QDialog::finished, this, &SoilLayersDialog::reload);
    soilData_->open();
}

}  // namespace torve::app
