// The soil layers dialog.
#include "app/dialogs/soillayersdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
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
// The controls stand apart by this much, leaving the selected row's colour visible around them.
constexpr int kCellMargin = 2;
// The selected row's colour shows this wide before and after its controls; the controls' columns
// start after it.
constexpr int kRowEdge = 6;
constexpr int kFirstControlColumn = 1;

// A grid of fixed columns: the headings above and the rows below line up column by column.
QGridLayout* columnGrid(QWidget* owner) {
    auto* grid = new QGridLayout(owner);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(2 * kCellMargin);
    grid->setVerticalSpacing(2 * kCellMargin);
    grid->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    return grid;
}

}  // namespace

SoilLayersDialog::SoilLayersDialog(WindowHost& host, QWidget* parent)
    : ChildDialog(host, texts::kSoilLayersCaption, parent) {
    // The rows are real widgets in a form, not cell widgets of a table view, so that every control
    // is in the Tab order and in the accessibility tree under its own name.
    auto* headings = new QWidget;
    headingGrid_ = columnGrid(headings);
    for (std::size_t c = 0; c < kColumnWidths.size(); ++c) {
        auto* heading = new QLabel;
        heading->setAlignment(Qt::AlignCenter);
        headingGrid_->addWidget(heading, 0, static_cast<int>(c) + kFirstControlColumn);
        headings_[c] = heading;
    }
    auto* rowsWidget = new QWidget;
    rowGrid_ = columnGrid(rowsWidget);
    const int lastEdge = static_cast<int>(kColumnWidths.size()) + kFirstControlColumn;
    for (QGridLayout* grid : {headingGrid_, rowGrid_}) {
        grid->setColumnMinimumWidth(0, kRowEdge);
        grid->setColumnMinimumWidth(lastEdge, kRowEdge);
    }
    rowsArea_ = new QScrollArea;
    rowsArea_->setWidget(rowsWidget);
    rowsArea_->setWidgetResizable(true);
    rowsArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rowsArea_->setMinimumHeight(kGridHeight);
    rowsArea_->setFocusPolicy(Qt::NoFocus);
    auto* definition = new QGroupBox(texts::kLayersDefinition);
    auto* definitionLayout = new QVBoxLayout(definition);
    definitionLayout->setSpacing(kCellMargin);
    definitionLayout->addWidget(headings);
    definitionLayout->addWidget(rowsArea_, 1);

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
    // The columns' widths are known before the main window sizes the dialog's frame.
    updateHeadings(project().data().units);
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
    int width = 0;
    for (std::size_t c = 0; c < headings_.size(); ++c) {
        headings_[c]->setText(headings[static_cast<int>(c)]);
        const int w = std::max(kColumnWidths[c], headings_[c]->sizeHint().width());
        headingGrid_->setColumnMinimumWidth(static_cast<int>(c) + kFirstControlColumn, w);
        rowGrid_->setColumnMinimumWidth(static_cast<int>(c) + kFirstControlColumn, w);
        width += w + headingGrid_->horizontalSpacing();
    }
    width += 2 * (kRowEdge + headingGrid_->horizontalSpacing());
    // Every column in view (the dialog itself scrolls sideways where the room is narrower); the
    // rows scroll under the headings.
    rowsArea_->setMinimumWidth(width + rowsArea_->verticalScrollBar()->sizeHint().width() +
                               2 * rowsArea_->frameWidth());
}

SoilLayersDialog::LayerRow SoilLayersDialog::createRow(int layer) {
    LayerRow row{};
    // The selected row's colour, behind its controls across all columns.
    row.background = new QFrame;
    row.background->setAutoFillBackground(true);
    QPalette band = row.background->palette();
    QColor tint = band.color(QPalette::Highlight);
    tint.setAlpha(110);
    band.setColor(QPalette::Window, tint);
    row.background->setPalette(band);
    row.background->setFocusPolicy(Qt::NoFocus);
    row.background->hide();
    rowGrid_->addWidget(row.background, layer, 0, 1, static_cast<int>(kColumnWidths.size()) + 2);
    row.edit = commandButton({});
    connect(row.edit, &QPushButton::clicked, this, [this, layer] { editLayer(layer); });
    row.soilType = new QComboBox;
    row.soilType->addItems({texts::kSand, texts::kClay});
    row.soilType->setMaxVisibleItems(2);
    connect(row.soilType, &QComboBox::activated, this,
            [this, layer](int index) { soilTypeChosen(layer, index); });
    // Tab goes through a row from left to right, then to the next row: the order the controls are
    // made in.
    rowGrid_->addWidget(row.edit, layer, kFirstControlColumn);
    rowGrid_->addWidget(row.soilType, layer, kFirstControlColumn + 1);
    for (std::size_t k = 0; k < row.values.size(); ++k) {
        NumberField* f = new NumberField;
        connect(f, &NumberField::edited, this, [this] { project().setModified(true); });
        row.values[k] = f;
        rowGrid_->addWidget(f, layer, static_cast<int>(k) + kFirstControlColumn + 2);
    }

    for (QWidget* w : std::initializer_list<QWidget*>{row.edit, row.soilType}) w->installEventFilter(this);
    for (NumberField* f : row.values) f->installEventFilter(this);
    return row;
}

void SoilLayersDialog::layRows(int count) {
    const int before = static_cast<int>(rows_.size());
    for (int layer = count; layer < before; ++layer) {
        const LayerRow& row = rows_[static_cast<std::size_t>(layer)];
        delete row.background;
        delete row.edit;
        delete row.soilType;
        for (NumberField* f : row.values) delete f;
    }
    if (count < before) rows_.resize(static_cast<std::size_t>(count));
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
    for (std::size_t k = 0; k < rows_.size(); ++k)
        rows_[k].background->setVisible(static_cast<int>(k) == layer);
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
    if (!rows_.empty()) rowsArea_->ensureWidgetVisible(rows_.back().edit);
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
