// The pile material dialog.
#include "app/dialogs/pilematerialdialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/controls/expandunits.h"
#include "app/dialogs/formrows.h"
#include "app/dialogs/texts.h"
#include "app/project/materialdefaults.h"
#include "app/project/project.h"
#include "app/widgets/numberfield.h"
#include "app/widgets/windowhost.h"
#include "engine/model/rounded_constants.h"

namespace torve::app {
namespace {

// The area of a circle from its diameter, with pi as the program has always rounded it.
constexpr double kQuarterPi = kPiCurves / 4;
constexpr double kSquareMillimetresPerSquareMetre = 1e6;
const QString kAreaUnits = QStringLiteral("L\u00b2");

// A taper narrows these piles towards the tip.
bool isTapered(PileType t) {
    return t == PileType::Timber || t == PileType::RaymondStepTaper || t == PileType::RaymondUniformTaper ||
           t == PileType::MonotubeTaper;
}

}  // namespace

PileMaterialDialog::PileMaterialDialog(WindowHost& host, QWidget* parent)
    : ChildDialog(host, texts::kPileMaterialCaption, parent) {
    QPushButton* close = closeButton(this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createPileTypeGroup());
    layout->addWidget(createStiffnessGroup());
    layout->addStretch();
    layout->addLayout(buttons);
}

QWidget* PileMaterialDialog::createPileTypeGroup() {
    auto* group = new QGroupBox(texts::kSelectPileType);
    auto* grid = new QGridLayout(group);
    pileTypes_ = new QButtonGroup(this);
    int row = 0;
    for (int code = 1; code <= static_cast<int>(texts::kPileTypes.size()); ++code) {
        QRadioButton* b = captionedRadio(texts::kPileTypes[static_cast<std::size_t>(code - 1)]);
        pileTypes_->addButton(b, code);
        grid->addWidget(b, row++, 0, 1, 3);
        if (static_cast<PileType>(code) == PileType::PrecastConcrete) {
            // The shape of a precast pile stands under its type.
            auto* shapes = new QWidget;
            auto* shapesLayout = new QHBoxLayout(shapes);
            shapesLayout->setContentsMargins(24, 0, 0, 0);
            circularShape_ = captionedRadio(texts::kCircularShape);
            squareShape_ = captionedRadio(texts::kSquareShape);
            auto* shapeGroup = new QButtonGroup(this);
            shapeGroup->addButton(circularShape_);
            shapeGroup->addButton(squareShape_);
            shapesLayout->addWidget(circularShape_);
            shapesLayout->addWidget(squareShape_);
            shapesLayout->addStretch();
            grid->addWidget(shapes, row++, 0, 1, 3);
            connect(shapeGroup, &QButtonGroup::buttonClicked, this, &PileMaterialDialog::userChanged);
        }
    }
    // A modulus the user did not type follows the material: a first run needs no value looked up.
    connect(pileTypes_, &QButtonGroup::idClicked, this, [this] {
        const UnitSystem units = project().data().units;
        const double typed = fieldValue(modulus_, -1);
        if (typed == 0 || isTypicalModulus(typed, units))
            showValue(modulus_, typicalModulus(pileType(), units));
    });
    connect(pileTypes_, &QButtonGroup::idClicked, this, &PileMaterialDialog::userChanged);
    taperAngle_ = addNumberRow(grid, row++, texts::kTaperAngle, QStringLiteral("degrees"));
    taperNote_ = new QLabel(texts::kTaperNote);
    grid->addWidget(taperNote_, row, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    connect(taperAngle_, &NumberField::edited, this, [this] { project().setModified(true); });
    return group;
}

QWidget* PileMaterialDialog::createStiffnessGroup() {
    auto* group = new QGroupBox(texts::kAxialStiffness);
    auto* grid = new QGridLayout(group);
    modulus_ = addNumberRow(grid, 0, texts::kModulus, QStringLiteral("F/L\u00b2"));
    grid->addWidget(noteLabel(texts::kModulusNote), 1, 0, 1, 4);
    grid->addWidget(new QLabel(texts::kCrossSectionArea), 2, 0, 1, 4);

    areaModes_ = new QButtonGroup(this);
    QRadioButton* fromSection = captionedRadio(texts::kAreaFromSection);
    QRadioButton* constant = captionedRadio(texts::kConstantArea);
    QRadioButton* varying = captionedRadio(texts::kVaryingArea);
    areaModes_->addButton(fromSection, static_cast<int>(SectionMode::FromDiameters));
    areaModes_->addButton(constant, static_cast<int>(SectionMode::Constant));
    areaModes_->addButton(varying, static_cast<int>(SectionMode::VaryingWithDepth));
    connect(areaModes_, &QButtonGroup::idClicked, this, &PileMaterialDialog::userChanged);

    // The area fields are named by their options; the labels beside them show the units.
    calculatedArea_ = new NumberField;
    calculatedArea_->setCaption(texts::kAreaFromSection, kAreaUnits);
    calculatedArea_->setReadOnly(true);
    calculatedArea_->setFocusPolicy(Qt::NoFocus);
    constantArea_ = new NumberField;
    constantArea_->setCaption(texts::kConstantArea, kAreaUnits);
    connect(constantArea_, &NumberField::edited, this, [this] { project().setModified(true); });
    connect(modulus_, &NumberField::edited, this, [this] { project().setModified(true); });
    calculatedAreaUnits_ = new QLabel;
    constantAreaUnits_ = new QLabel;
    calculatedAreaUnits_->setBuddy(calculatedArea_);
    constantAreaUnits_->setBuddy(constantArea_);
    areaTable_ = commandButton(texts::kDataButton);
    connect(areaTable_, &QPushButton::clicked, this, [this] {
        if (!commit()) return;
        project().setModified(true);
        this->host().showTable(project().tables().sectionAreas);
    });

    grid->addWidget(fromSection, 3, 0);
    grid->addWidget(calculatedArea_, 3, 1);
    grid->addWidget(calculatedAreaUnits_, 3, 2);
    grid->addWidget(constant, 4, 0);
    grid->addWidget(constantArea_, 4, 1);
    grid->addWidget(constantAreaUnits_, 4, 2);
    grid->addWidget(varying, 5, 0);
    grid->addWidget(areaTable_, 5, 1);
    grid->addWidget(new QLabel(texts::kVaryingAreaNote), 6, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    return group;
}

PileType PileMaterialDialog::pileType() const {
    return static_cast<PileType>(pileTypes_->checkedId());
}

bool PileMaterialDialog::squareSection() const {
    return pileType() == PileType::PrecastConcrete && squareShape_->isChecked();
}

double PileMaterialDialog::calculatedArea() const {
    const ProjectData& d = project().data();
    // Sections without a diameter were given their tip area.
    if (pileType() == PileType::HPile || squareSection()) return d.tipArea;
    const double od2 = d.outsideDiameter * d.outsideDiameter;
    const double id2 = d.insideDiameter * d.insideDiameter;
    double area = (pileType() == PileType::SteelPipe ? od2 - id2 : od2) * kQuarterPi;
    if (d.units == UnitSystem::SI) area /= kSquareMillimetresPerSquareMetre;
    return area;
}

void PileMaterialDialog::userChanged() {
    project().setModified(true);
    updateEnabling();
}

void PileMaterialDialog::updateEnabling() {
    const bool taper = project().data().isSelected(Method::Fhwa) && isTapered(pileType());
    taperAngle_->setEnabled(taper);
    taperNote_->setEnabled(taper);
    const bool precast = pileType() == PileType::PrecastConcrete;
    circularShape_->setEnabled(precast);
    squareShape_->setEnabled(precast);
    const int mode = areaModes_->checkedId();
    constantArea_->setEnabled(mode == static_cast<int>(SectionMode::Constant));
    constantAreaUnits_->setEnabled(constantArea_->isEnabled());
    areaTable_->setEnabled(mode == static_cast<int>(SectionMode::VaryingWithDepth));
    // Ten significant digits: the product of rounded pi carries no more.
    showValue(calculatedArea_, QString::number(calculatedArea(), 'g', 10).toDouble());
}

void PileMaterialDialog::load() {
    const ProjectData& d = project().data();
    for (NumberField* f : {modulus_, calculatedArea_, constantArea_}) f->setUnitSystem(d.units);
    calculatedAreaUnits_->setText(expandUnits(kAreaUnits, static_cast<int>(d.units)));
    constantAreaUnits_->setText(calculatedAreaUnits_->text());
    showValue(modulus_, d.modulusOfElasticity);
    showValue(taperAngle_, d.taperAngle);
    showValue(constantArea_, d.crossSectionArea);
    if (QAbstractButton* b = pileTypes_->button(static_cast<int>(d.pileType))) b->setChecked(true);
    (d.circular ? circularShape_ : squareShape_)->setChecked(true);
    if (QAbstractButton* b = areaModes_->button(static_cast<int>(d.sectionMode))) b->setChecked(true);
    updateEnabling();
    // What a disabled field shows is what the dialog stores.
    if (!taperAngle_->isEnabled()) showValue(taperAngle_, 0);
    if (!constantArea_->isEnabled()) showValue(constantArea_, 0);
    showFromStart(this);
}

void PileMaterialDialog::store() {
    ProjectData d = project().data();
    if (pileTypes_->checkedId() > 0) {
        d.pileType = pileType();
        d.circular = pileType() != PileType::HPile && !squareSection();
    }
    d.taperAngle = d.isSelected(Method::Fhwa) ? fieldValue(taperAngle_, d.taperAngle) : 0;
    d.modulusOfElasticity = fieldValue(modulus_, d.modulusOfElasticity);
    if (const int mode = areaModes_->checkedId(); mode >= 0) d.sectionMode = static_cast<SectionMode>(mode);
    d.crossSectionArea = fieldValue(constantArea_, d.crossSectionArea);
    project().setData(d);
}

}  // namespace torve::app
