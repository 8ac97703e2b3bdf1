// The soil data dialog.
#include "app/dialogs/soildatadialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "app/dialogs/formrows.h"
#include "app/dialogs/layerconstantsdialog.h"
#include "app/dialogs/texts.h"
#include "app/project/project.h"
#include "app/widgets/caption.h"
#include "app/widgets/numberfield.h"

namespace torve::app {
namespace {

using Tables = ProjectTables;

const QString kUnitWeightUnits = QStringLiteral("F/L2^3");
const QString kStressUnits = QStringLiteral("F/L2^2");
// The bearing capacity factor Nq of API RP 2A's table of design parameters for cohesionless
// siliceous soil, by the density of the sand.
const std::pair<QLatin1StringView, double> kNqByDensity[] = {
    {texts::kNqVeryLoose, 8}, {texts::kNqLoose, 12},     {texts::kNqMediumDense, 20},
    {texts::kNqDense, 40},    {texts::kNqVeryDense, 50},
};

// A sand layer's SPT blow counts, as the layer tables bound them.
constexpr double kMaxBlowCount = 100;

QLabel* groupLabel(const QString& text) {
    auto* label = new QLabel(text);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

}  // namespace

SoilDataDialog::SoilDataDialog(Project& project, int layer, QWidget* parent)
    : QDialog(parent), project_(project) {
    const GridTable& layers = project.tables().soilLayers;
    data_ = layers.cell(Tables::LayerDataColumn, layer).subTable();
    sand_ = layers.cell(Tables::SoilTypeColumn, layer).toInt() != static_cast<int>(SoilType::Clay);
    const QString title = texts::kDataForLayer + QString::number(layer + 1);
    setWindowTitle(title);
    setAccessibleName(title);
    pairs_.reserve(Tables::SandUserBearing + 1);

    auto* tabs = new QTabWidget;
    if (sand_)
        tabs->addTab(createSandPage(), texts::kSand);
    else
        tabs->addTab(createClayPage(), texts::kClay);
    auto* buttons = new QDialogButtonBox;
    // The layer's own quakes, damping and set-up, in a dialog of their own.
    QPushButton* constants = buttons->addButton(texts::kDynamicAndSetup, QDialogButtonBox::ActionRole);
    setAccessibleFromCaption(constants, texts::kDynamicAndSetup);
    connect(constants, &QPushButton::clicked, this, [this, layer] {
        LayerConstantsDialog dialog(project_, layer, this);
        dialog.exec();
    });
    QPushButton* close = buttons->addButton(texts::kClose, QDialogButtonBox::AcceptRole);
    setAccessibleFromCaption(close, texts::kClose);
    close->setFocusPolicy(Qt::TabFocus);  // the store on closing checks the focused field
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    load();
}

SoilDataDialog::ValuePair& SoilDataDialog::addPair(QGridLayout* grid, int row, int column,
                                                   const QString& caption, const QString& units,
                                                   QWidget* captionWidget) {
    ValuePair pair{column, caption, units, captionWidget, new NumberField, new NumberField, {}};
    if (!pair.caption) {
        auto* label = new QLabel;
        label->setBuddy(pair.top);
        pair.caption = label;
    }
    // Each field is named by its caption and its end of the layer.
    pair.top->setCaption(caption + texts::kAtTop, units);
    pair.bottom->setCaption(caption + texts::kAtBottom, units);
    grid->addWidget(pair.caption, row, 0);
    grid->addWidget(pair.top, row, 1);
    grid->addWidget(pair.bottom, row, 2);
    pairs_.push_back(pair);
    return pairs_.back();
}

QWidget* SoilDataDialog::createSandPage() {
    QWidget* page = captionedPage(texts::kSand);
    auto* grid = new QGridLayout(page);
    grid->addWidget(new QLabel(texts::kLayerTop), 0, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(texts::kLayerBottom), 0, 2, Qt::AlignHCenter);
    addPair(grid, 1, Tables::SandUnitWeight, texts::kUnitWeight, kUnitWeightUnits);

    frictionAngleOption_ = captionedRadio(texts::kFrictionAngleOption);
    blowCountOption_ = captionedRadio(texts::kBlowCountOption);
    auto* options = new QButtonGroup(this);
    options->addButton(frictionAngleOption_);
    options->addButton(blowCountOption_);
    connect(options, &QButtonGroup::buttonClicked, this, &SoilDataDialog::updateEnabling);
    grid->addWidget(frictionAngleOption_, 2, 0, 1, 3);
    addPair(grid, 3, Tables::FrictionAngle, texts::kFrictionAngle, QStringLiteral("Degrees"));
    const ValuePair& blowCounts =
        addPair(grid, 4, Tables::BlowCount, texts::kBlowCountOption, {}, blowCountOption_);
    for (NumberField* f : {blowCounts.top, blowCounts.bottom}) {
        f->setIntegerOnly(true);
        f->setBounds(0, kMaxBlowCount);
    }

    QLabel* api = groupLabel(texts::kApiData);
    QLabel* apiOnly = new QLabel(texts::kNotUsedElsewhere);
    grid->addWidget(api, 5, 0, 1, 3);
    grid->addWidget(apiOnly, 5, 3);
    addPair(grid, 6, Tables::EarthPressure, texts::kEarthPressure, {}).notes = {api, apiOnly};
    auto* koNote = new QLabel(texts::kEarthPressureNote);
    grid->addWidget(koNote, 6, 3);
    pairs_.back().notes.push_back(koNote);
    addPair(grid, 7, Tables::BearingFactor, texts::kBearingFactor, {}).notes = {api, apiOnly};
    auto* nqNote = new QLabel(texts::kBearingFactorNote);
    grid->addWidget(nqNote, 7, 3);
    pairs_.back().notes.push_back(nqNote);
    // Nq by the sand's density: the values of the API table, so that a first run needs no book.
    auto* density = new QComboBox;
    density->addItem(texts::kNqDensityChoose, 0.0);
    for (const auto& [caption, nq] : kNqByDensity) density->addItem(caption, nq);
    auto* densityLabel = new QLabel(texts::kNqDensity);
    densityLabel->setBuddy(density);
    setAccessibleFromCaption(density, texts::kNqDensity);
    grid->addWidget(densityLabel, 8, 0);
    grid->addWidget(density, 8, 1, 1, 2);
    pairs_.back().notes.push_back(densityLabel);
    pairs_.back().notes.push_back(density);
    NumberField* nqTop = pairs_.back().top;
    NumberField* nqBottom = pairs_.back().bottom;
    connect(density, &QComboBox::activated, this, [density, nqTop, nqBottom](int index) {
        const double nq = density->itemData(index).toDouble();
        if (nq <= 0) return;
        for (NumberField* f : {nqTop, nqBottom}) showValue(f, nq);
    });

    QLabel* user = groupLabel(texts::kUserData);
    grid->addWidget(user, 9, 0, 1, 3);
    addPair(grid, 10, Tables::SandUserFriction, texts::kUserFriction, kStressUnits).notes = {user};
    addPair(grid, 11, Tables::SandUserBearing, texts::kUserBearing, kStressUnits).notes = {user};
    addPair(grid, 12, Tables::SandQc, texts::kConeQc, kStressUnits).notes = {
        new QLabel(texts::kOffshoreOnly)};
    grid->addWidget(pairs_.back().notes.front(), 12, 3);
    grid->setRowStretch(13, 1);
    return page;
}

QWidget* SoilDataDialog::createClayPage() {
    QWidget* page = captionedPage(texts::kClay);
    auto* grid = new QGridLayout(page);
    grid->addWidget(new QLabel(texts::kLayerTop), 0, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(texts::kLayerBottom), 0, 2, Qt::AlignHCenter);
    addPair(grid, 1, Tables::ClayUnitWeight, texts::kUnitWeight, kUnitWeightUnits);
    addPair(grid, 2, Tables::UndrainedStrength, texts::kUndrainedStrength, kStressUnits);
    QLabel* remoldedNote = noteLabel(texts::kRemoldedNote);
    addPair(grid, 3, Tables::RemoldedStrength, texts::kRemoldedStrength, kStressUnits).notes = {remoldedNote};
    grid->addWidget(remoldedNote, 4, 0, 1, 4);

    QLabel* user = groupLabel(texts::kUserData);
    grid->addWidget(user, 5, 0, 1, 3);
    addPair(grid, 6, Tables::ClayUserFriction, texts::kUserFriction, kStressUnits).notes = {user};
    addPair(grid, 7, Tables::ClayUserBearing, texts::kUserBearing, kStressUnits).notes = {user};
    addPair(grid, 8, Tables::ClayQc, texts::kConeQc, kStressUnits).notes = {new QLabel(texts::kOffshoreOnly)};
    grid->addWidget(pairs_.back().notes.front(), 8, 3);

    QLabel* icp = groupLabel(texts::kIcpMtdData);
    grid->addWidget(icp, 9, 0, 1, 3);
    addPair(grid, 10, Tables::PlasticityIndex, texts::kPlasticityIndex, {}).notes = {icp};
    addPair(grid, 11, Tables::YieldStressRatio, texts::kYieldStressRatio, {}).notes = {icp};

    QLabel* unified = groupLabel(texts::kUnifiedData);
    grid->addWidget(unified, 12, 0, 1, 3);
    QLabel* fstNote = new QLabel(texts::kSoilTypeFactorNote);
    addPair(grid, 13, Tables::ClayFst, texts::kSoilTypeFactor, {}).notes = {unified, fstNote};
    grid->addWidget(fstNote, 13, 3);
    grid->setRowStretch(14, 1);
    return page;
}

bool SoilDataDialog::isShown(int column) const {
    const bool offshoreData = column == Tables::SandQc ||
                              (!sand_ && (column == Tables::PlasticityIndex ||
                                          column == Tables::YieldStressRatio || column == Tables::ClayFst));
    return !offshoreData || project_.data().offshoreEdition;
}

bool SoilDataDialog::isEnabled(int column) const {
    const ProjectData& d = project_.data();
    auto anySelected = [&d](auto reads) {
        for (const MethodInfo& m : kMethods)
            if (d.isSelected(m.method) && reads(m)) return true;
        return false;
    };
    switch (column) {
        case Tables::SandUserFriction:
        case Tables::SandUserBearing:
            return anySelected([](const MethodInfo& m) { return m.user_values; });
        case Tables::SandQc:
            // One column for both soils: offered while a selected method reads qc from either.
            return anySelected([](const MethodInfo& m) { return m.sand.qc || m.clay.qc; });
    }
    if (sand_) {
        switch (column) {
            case Tables::FrictionAngle:
                return frictionAngleOption_->isChecked();
            case Tables::BlowCount:
                return blowCountOption_->isChecked();
            // Each value is offered while a selected method reads it, as the check before a run asks
            // for it: Ko for API RP 2A and USACE, Nq for API RP 2A.
            case Tables::EarthPressure:
                return anySelected([](const MethodInfo& m) { return m.sand.ko; });
            case Tables::BearingFactor:
                return anySelected([](const MethodInfo& m) { return m.sand.nq; });
        }
        return true;
    }
    switch (column) {
        case Tables::RemoldedStrength:
            // An open pipe takes soil into it; the methods of the ICP-05 clay rule take the clay's
            // sensitivity from it, whatever the pile.
            return d.pileType == PileType::SteelPipe ||
                   anySelected([](const MethodInfo& m) { return m.clay.sur; });
        // PI for NGI and the methods of the ICP-05 clay rule, YSR for the latter only.
        case Tables::PlasticityIndex:
            return anySelected([](const MethodInfo& m) { return m.clay.pi; });
        case Tables::YieldStressRatio:
            return anySelected([](const MethodInfo& m) { return m.clay.ysr; });
        // Fst scales the clay friction of the Unified method alone.
        case Tables::ClayFst:
            return d.isSelected(Method::Unified);
    }
    return true;
}

void SoilDataDialog::updateEnabling() {
    // A note shared by several values (a group's label) stands while any of them does.
    QHash<QWidget*, std::pair<bool, bool>> notes;
    for (const ValuePair& p : pairs_) {
        const bool on = isEnabled(p.column);
        const bool shown = isShown(p.column);
        for (QWidget* w : {p.top, p.bottom}) {
            w->setEnabled(on);
            w->setVisible(shown);
        }
        if (p.caption != blowCountOption_) {
            p.caption->setEnabled(on);
            p.caption->setVisible(shown);
        }
        for (QWidget* note : p.notes) {
            auto& [enabled, visible] = notes[note];
            enabled = enabled || on;
            visible = visible || shown;
        }
    }
    for (auto n = notes.cbegin(); n != notes.cend(); ++n) {
        n.key()->setEnabled(n.value().first);
        n.key()->setVisible(n.value().second);
    }
}

void SoilDataDialog::load() {
    if (!data_) return;
    const UnitSystem units = project_.data().units;
    bool blowCounts = false;
    for (ValuePair& p : pairs_) {
        if (auto* label = qobject_cast<QLabel*>(p.caption))
            label->setText(p.units.isEmpty() ? p.captionText : p.captionText + unitsSuffix(p.units, units));
        for (int row = 0; row < 2; ++row) {
            NumberField* f = row == 0 ? p.top : p.bottom;
            f->setUnitSystem(units);
            if (sand_ && p.column == Tables::BlowCount) {
                const int n = data_->cell(p.column, row).toInt();
                showValue(f, n);
                blowCounts = blowCounts || n != 0;
            } else {
                showValue(f, data_->cell(p.column, row).toDouble());
            }
        }
    }
    if (sand_) (blowCounts ? blowCountOption_ : frictionAngleOption_)->setChecked(true);
    updateEnabling();
    showFromStart(this);
}

void SoilDataDialog::store() {
    if (!data_) return;
    for (const ValuePair& p : pairs_) {
        for (int row = 0; row < 2; ++row) {
            const NumberField* f = row == 0 ? p.top : p.bottom;
            GridCell cell = data_->cell(p.column, row);
            if (sand_ && p.column == Tables::BlowCount) {
                // Blow counts are whole; entered friction angles make them 0.
                const double n = fieldValue(f, cell.toInt());
                cell.setInt(blowCountOption_->isChecked() ? static_cast<int>(std::lround(n)) : 0);
            } else if (sand_ && p.column == Tables::FrictionAngle && blowCountOption_->isChecked()) {
                cell.setDouble(0);  // the engine derives the angle from the blow counts
            } else {
                cell.setDouble(fieldValue(f, cell.toDouble()));
            }
        }
    }
}

bool SoilDataDialog::commit() {
    if (auto* field = qobject_cast<NumberField*>(QApplication::focusWidget());
        field && isAncestorOf(field) && !field->isValidEntry())
        return false;
    store();
    return true;
}

void SoilDataDialog::done(int result) {
    if (!commit()) return;
    QDialog::done(result);
}

}  // namespace torve::app
