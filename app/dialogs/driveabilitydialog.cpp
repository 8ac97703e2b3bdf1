// The Driveability dialog.
#include "app/dialogs/driveabilitydialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/dialogs/formrows.h"
#include "app/dialogs/layerconstantsdialog.h"
#include "app/dialogs/texts.h"
#include "app/project/project.h"
#include "app/widgets/caption.h"

namespace torve::app {
namespace {

using Tables = ProjectTables;

QLabel* buddyLabel(const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    setAccessibleFromCaption(buddy, caption);
    return label;
}

}  // namespace

DriveabilityDialog::DriveabilityDialog(Project& project, const DriveabilitySettings& last, QWidget* parent)
    : QDialog(parent), project_(project) {
    setWindowTitle(texts::kDriveabilityCaption);
    setAccessibleName(texts::kDriveabilityCaption);
    const bool english = project.data().units == UnitSystem::English;
    const QString length = english ? QStringLiteral("ft") : QStringLiteral("m");

    hammer_ = new QLineEdit;
    hammer_->setMinimumWidth(320);
    QPushButton* browse = captionedButton(texts::kHammerBrowse);
    connect(browse, &QPushButton::clicked, this, &DriveabilityDialog::chooseHammer);
    method_ = new QComboBox;
    method_->addItem(texts::kSrdAlmHamre);
    method_->addItem(texts::kSrdUnified);

    auto* top = new QGridLayout;
    top->addWidget(buddyLabel(texts::kHammerFile, hammer_), 0, 0);
    top->addWidget(hammer_, 0, 1);
    top->addWidget(browse, 0, 2);
    top->addWidget(buddyLabel(texts::kSrdMethod, method_), 1, 0);
    top->addWidget(method_, 1, 1);

    auto* depths = new QGroupBox(texts::kTipDepths);
    auto* depthGrid = new QGridLayout(depths);
    // Blank, the engine drives the pile every metre (3 ft) from the first down to its length.
    const QString everyStep = english ? QStringLiteral("3") : QStringLiteral("1");
    from_ = addOptional(depthGrid, 0, QString(texts::kTipDepthFrom).arg(length), everyStep);
    to_ = addOptional(depthGrid, 1, QString(texts::kTipDepthTo).arg(length), texts::kTipDepthToBlank);
    step_ = addOptional(depthGrid, 2, QString(texts::kTipDepthStep).arg(length), everyStep);

    auto* pile = new QGridLayout;
    segment_ = addOptional(pile, 0, texts::kSegmentLength, QStringLiteral("1"));
    shaftFactor_ = addOptional(pile, 1, texts::kSrdShaftFactor, QStringLiteral("1"));
    baseFactor_ = addOptional(pile, 2, texts::kSrdBaseFactor, QStringLiteral("1"));
    frictionAngle_ = addOptional(pile, 3, texts::kInterfaceFrictionAngle, QStringLiteral("29"));

    // The quakes and damping are the layers' own, kept with the project: a layer at a time.
    layer_ = new QComboBox;
    const GridTable& layers = project.tables().soilLayers;
    double layerTop = 0;
    for (int i = 0; i < layers.rowCount(); ++i) {
        const bool clay = layers.cell(Tables::SoilTypeColumn, i).toInt() == static_cast<int>(SoilType::Clay);
        const double bottom = layers.cell(Tables::BottomDepthColumn, i).toDouble();
        layer_->addItem(QString(texts::kLayerChoice)
                            .arg(QString::number(i + 1), clay ? texts::kLayerClay : texts::kLayerSand,
                                 QLocale().toString(layerTop, 'g', 6),
                                 QLocale().toString(bottom, 'g', 6) + u' ' + length));
        layerTop = bottom;
    }
    QPushButton* constants = captionedButton(texts::kDynamicAndSetup);
    constants->setEnabled(layers.rowCount() > 0);
    connect(constants, &QPushButton::clicked, this, &DriveabilityDialog::editLayerConstants);
    auto* layerRow = new QHBoxLayout;
    layerRow->addWidget(buddyLabel(texts::kQuakesAndDamping, layer_));
    layerRow->addWidget(layer_, 1);
    layerRow->addWidget(constants);

    status_ = noteLabel(QString());
    auto* buttons = new QDialogButtonBox;
    QPushButton* runButton = buttons->addButton(texts::kDriveRun, QDialogButtonBox::ActionRole);
    setAccessibleFromCaption(runButton, texts::kDriveRun);
    runButton->setDefault(true);
    connect(runButton, &QPushButton::clicked, this, &DriveabilityDialog::run);
    QPushButton* close = buttons->addButton(texts::kClose, QDialogButtonBox::RejectRole);
    setAccessibleFromCaption(close, texts::kClose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(noteLabel(texts::kDriveabilityNote));
    layout->addLayout(top);
    layout->addWidget(depths);
    layout->addLayout(pile);
    layout->addLayout(layerRow);
    layout->addWidget(status_);
    layout->addWidget(buttons);
    load(last);
}

QLineEdit* DriveabilityDialog::addOptional(QGridLayout* grid, int row, const QString& caption,
                                           const QString& blank) {
    auto* field = new QLineEdit;
    field->setPlaceholderText(blank);
    grid->addWidget(buddyLabel(caption, field), row, 0);
    grid->addWidget(field, row, 1);
    return field;
}

void DriveabilityDialog::load(const DriveabilitySettings& s) {
    hammer_->setText(s.hammer);
    method_->setCurrentIndex(s.srd == DriveabilitySettings::Srd::UnifiedSrd ? 1 : 0);
    const std::pair<QLineEdit*, const std::optional<double>*> fields[] = {{from_, &s.from},
                                                                          {to_, &s.to},
                                                                          {step_, &s.step},
                                                                          {segment_, &s.segmentLength},
                                                                          {shaftFactor_, &s.shaftFactor},
                                                                          {baseFactor_, &s.baseFactor},
                                                                          {frictionAngle_, &s.frictionAngle}};
    for (const auto& [field, value] : fields) field->setText(optionalText(*value));
}

bool DriveabilityDialog::readOptional(QLineEdit* field, std::optional<double>& value, bool tell) const {
    if (typedOptional(field->text(), value)) return true;
    if (tell) {
        QString name = field->accessibleName();
        if (name.endsWith(u':')) name.chop(1);
        status_->setText(QString(texts::kDriveNotANumber).arg(name));
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
    }
    return false;
}

bool DriveabilityDialog::read(DriveabilitySettings& s, bool tell) const {
    s.hammer = hammer_->text().trimmed();
    s.srd = method_->currentIndex() == 1 ? DriveabilitySettings::Srd::UnifiedSrd
                                         : DriveabilitySettings::Srd::AlmHamre;
    const std::pair<QLineEdit*, std::optional<double>*> fields[] = {{from_, &s.from},
                                                                    {to_, &s.to},
                                                                    {step_, &s.step},
                                                                    {segment_, &s.segmentLength},
                                                                    {shaftFactor_, &s.shaftFactor},
                                                                    {baseFactor_, &s.baseFactor},
                                                                    {frictionAngle_, &s.frictionAngle}};
    for (const auto& [field, value] : fields)
        if (!readOptional(field, *value, tell)) return false;
    return true;
}

std::optional<DriveabilitySettings> DriveabilityDialog::settings() const {
    DriveabilitySettings s;
    if (!read(s, false)) return std::nullopt;
    return s;
}

QString DriveabilityDialog::status() const {
    return status_->text();
}

void DriveabilityDialog::run() {
    DriveabilitySettings s;
    if (!read(s, true)) return;
    if (const QString problem = driveabilitySettingsProblem(s); !problem.isEmpty()) {
        status_->setText(problem);
        return;
    }
    if (!QFileInfo(s.hammer).isFile()) {
        status_->setText(QString(texts::kHammerMissing).arg(QDir::toNativeSeparators(s.hammer)));
        hammer_->setFocus(Qt::OtherFocusReason);
        return;
    }
    status_->clear();
    accept();
}

void DriveabilityDialog::chooseHammer() {
    const QString current = hammer_->text().trimmed();
    const QString start = current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
    const QString chosen =
        QFileDialog::getOpenFileName(this, texts::kHammerChooseTitle, start, texts::kHammerFilter);
    if (!chosen.isEmpty()) hammer_->setText(QDir::toNativeSeparators(chosen));
}

void DriveabilityDialog::editLayerConstants() {
    const int layer = layer_->currentIndex();
    if (layer < 0 || layer >= project_.tables().soilLayers.rowCount()) return;
    LayerConstantsDialog dialog(project_, layer, this);
    dialog.exec();
}

}  // namespace torve::app
