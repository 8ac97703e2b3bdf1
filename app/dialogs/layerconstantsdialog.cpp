// The dialog of a soil layer's own constants of driving and set-up.
#include "app/dialogs/layerconstantsdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/formrows.h"
#include "app/dialogs/texts.h"
#include "app/project/project.h"
#include "app/widgets/caption.h"
#include "app/widgets/numberfield.h"
#include "engine/model/layer_constants.h"

namespace torve::app {
namespace {

using Tables = ProjectTables;

// The default of each constant (in the order of the columns) for the layer's soil, in the project's
// units: the quake of 2.5 mm, damping by the soil along the shaft, Skov & Denver's set-up.
std::array<double, 6> defaults(bool sand, UnitSystem units) {
    const bool english = units == UnitSystem::English;
    const double quake = english ? kDefaultQuakeMm * kQuakeInchesPerMillimetre : kDefaultQuakeMm;
    const double perLength = english ? kDampingPerFootPerMetre : 1.0;
    return {quake,
            quake,
            (sand ? kSandShaftDamping : kClayShaftDamping) * perLength,
            kToeDamping * perLength,
            sand ? kSandSetupA : kClaySetupA,
            sand ? kSandSetupT0Days : kClaySetupT0Days};
}

}  // namespace

LayerConstantsDialog::LayerConstantsDialog(Project& project, int layer, QWidget* parent)
    : QDialog(parent), project_(project), layer_(layer) {
    const QString title = texts::kLayerConstantsTitle + QString::number(layer + 1);
    setWindowTitle(title);
    setAccessibleName(title);
    auto* grid = new QGridLayout;
    const QLatin1StringView captions[] = {texts::kShaftQuake, texts::kToeQuake,    texts::kShaftDamping,
                                          texts::kToeDamping, texts::kLayerSetupA, texts::kLayerSetupT0};
    const QLatin1StringView defaultCaptions[] = {texts::kDefaultShaftQuake,   texts::kDefaultToeQuake,
                                                 texts::kDefaultShaftDamping, texts::kDefaultToeDamping,
                                                 texts::kDefaultSetupA,       texts::kDefaultSetupT0};
    const char* const units[] = {"L1", "L1", "F5/L2", "F5/L2", "", ""};
    for (std::size_t k = 0; k < rows_.size(); ++k) {
        Row& row = rows_[k];
        auto* label = new QLabel;
        row.field = new NumberField;
        row.field->setCaption(captions[k], QLatin1String(units[k]), label);
        row.field->setMinimum(0);
        row.useDefault = new QCheckBox(defaultCaptions[k]);
        setAccessibleFromCaption(row.useDefault, defaultCaptions[k]);
        const int r = static_cast<int>(k);
        grid->addWidget(label, r, 0);
        grid->addWidget(row.field, r, 1);
        grid->addWidget(row.useDefault, r, 2);
        connect(row.useDefault, &QCheckBox::toggled, this, [this, k](bool on) {
            Row& changed = rows_[k];
            changed.field->setEnabled(!on);
            if (on) showDefault(changed);
        });
    }
    auto* buttons = new QDialogButtonBox;
    QPushButton* close = buttons->addButton(texts::kClose, QDialogButtonBox::AcceptRole);
    setAccessibleFromCaption(close, texts::kClose);
    close->setFocusPolicy(Qt::TabFocus);  // the store on closing checks the focused field
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(noteLabel(texts::kLayerConstantsNote));
    layout->addLayout(grid);
    layout->addWidget(buttons);
    load();
}

void LayerConstantsDialog::showDefault(Row& row) {
    row.field->setLoading(true);
    showValue(row.field, row.defaultValue);
    row.field->setLoading(false);
}

void LayerConstantsDialog::load() {
    const GridTable& layers = project_.tables().soilLayers;
    const UnitSystem units = project_.data().units;
    const bool sand = layers.cell(Tables::SoilTypeColumn, layer_).toInt() != static_cast<int>(SoilType::Clay);
    const std::array<double, 6> d = defaults(sand, units);
    for (std::size_t k = 0; k < rows_.size(); ++k) {
        Row& row = rows_[k];
        row.defaultValue = d[k];
        row.field->setUnitSystem(units);
        const double v = layers.cell(Tables::ShaftQuakeColumn + static_cast<int>(k), layer_).toDouble();
        const bool given = Tables::given(v);
        row.useDefault->setChecked(!given);
        row.field->setEnabled(given);
        if (given) {
            showValue(row.field, v);
        } else {
            showDefault(row);
        }
    }
    showFromStart(this);
}

void LayerConstantsDialog::store() {
    GridTable& layers = project_.tables().soilLayers;
    for (std::size_t k = 0; k < rows_.size(); ++k) {
        const Row& row = rows_[k];
        GridCell cell = layers.cell(Tables::ShaftQuakeColumn + static_cast<int>(k), layer_);
        const double stored = cell.toDouble();
        const double value = row.useDefault->isChecked()
                                 ? Tables::kNotGiven
                                 : fieldValue(row.field, Tables::given(stored) ? stored : row.defaultValue);
        if (value != stored) cell.setDouble(value);
    }
}

bool LayerConstantsDialog::commit() {
    if (auto* field = qobject_cast<NumberField*>(QApplication::focusWidget());
        field && isAncestorOf(field) && !field->isValidEntry())
        return false;
    store();
    return true;
}

void LayerConstantsDialog::done(int result) {
    if (!commit()) return;
    QDialog::done(result);
}

}  // namespace torve::app
