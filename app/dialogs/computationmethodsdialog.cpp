// The computation methods dialog.
#include "app/dialogs/computationmethodsdialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/dialogs/formrows.h"
#include "app/dialogs/texts.h"
#include "app/project/project.h"
#include "app/widgets/caption.h"
#include "app/widgets/numberfield.h"

namespace torve::app {

ComputationMethodsDialog::ComputationMethodsDialog(WindowHost& host, QWidget* parent)
    : ChildDialog(host, texts::kComputationMethods, parent) {
    auto* tabs = new QTabWidget;
    QWidget* transfer = createLoadSettlementPage();
    QWidget* capacity = createPileCapacityPage();
    tabs->addTab(transfer, texts::kLoadSettlementTab);
    tabs->addTab(capacity, texts::kPileCapacityTab);

    QPushButton* close = closeButton(this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons);
}

QWidget* ComputationMethodsDialog::createLoadSettlementPage() {
    QWidget* page = captionedPage(texts::kLoadSettlementTab);
    auto* methods = new QGroupBox(texts::kUnitLoadTransfers);
    auto* methodsLayout = new QVBoxLayout(methods);
    methodsLayout->addWidget(new QLabel(texts::kCurveShapeNote));
    transferMethods_ = new QButtonGroup(this);
    for (const MethodInfo& m : kMethods) {
        QRadioButton* b = captionedRadio(QString::fromLatin1(m.transfer_caption) + u' ' +
                                         QString::fromLatin1(m.curve_note_mark));
        transferMethods_->addButton(b, code_of(m.method));
        methodsLayout->addWidget(b);
    }
    connect(transferMethods_, &QButtonGroup::idClicked, this,
            &ComputationMethodsDialog::transferMethodChosen);

    auto* factors = new QGroupBox(texts::kCurveFactors);
    auto* factorsLayout = new QVBoxLayout(factors);
    unfactoredCurves_ = captionedRadio(texts::kUnfactoredCurves);
    reducedCurves_ = captionedRadio(texts::kReducedCurves);
    factorsLayout->addWidget(unfactoredCurves_);
    factorsLayout->addWidget(reducedCurves_);
    for (QRadioButton* b : {unfactoredCurves_, reducedCurves_})
        connect(b, &QRadioButton::clicked, this, &ComputationMethodsDialog::userChanged);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(methods);
    layout->addWidget(noteLabel(texts::kCurveShapeNotes));
    layout->addWidget(factors);
    layout->addStretch();
    return page;
}

QWidget* ComputationMethodsDialog::createPileCapacityPage() {
    QWidget* page = captionedPage(texts::kPileCapacityTab);
    auto* methods = new QGroupBox(texts::kCapacityMethodsGroup);
    capacityGrid_ = new QGridLayout(methods);
    capacityGrid_->addWidget(new QLabel(texts::kSelectMethods), 0, 0);
    for (const MethodInfo& m : kMethods) {
        QCheckBox* box = captionedCheckBox(QString::fromLatin1(m.capacity_caption));
        capacityMethods_[index_of(m.method)] = box;
        connect(box, &QCheckBox::clicked, this, &ComputationMethodsDialog::userChanged);
    }
    // The options of a method stand right under its box.
    auto* clayPanel = new QWidget;
    auto* clayLayout = new QVBoxLayout(clayPanel);
    clayLayout->setContentsMargins(24, 0, 0, 0);
    drainedClay_ = captionedRadio(texts::kDrainedClay);
    undrainedClay_ = captionedRadio(texts::kUndrainedClay);
    clayLayout->addWidget(drainedClay_);
    clayLayout->addWidget(undrainedClay_);
    for (QRadioButton* b : {drainedClay_, undrainedClay_})
        connect(b, &QRadioButton::clicked, this, &ComputationMethodsDialog::userChanged);

    auto* clayBasePanel = new QWidget;
    auto* clayBaseLayout = new QVBoxLayout(clayBasePanel);
    clayBaseLayout->setContentsMargins(24, 0, 0, 0);
    areaRatioClayBase_ = captionedRadio(texts::kAreaRatioClayBase);
    loadTestClayBase_ = captionedRadio(texts::kLoadTestClayBase);
    clayBaseLayout->addWidget(areaRatioClayBase_);
    clayBaseLayout->addWidget(loadTestClayBase_);
    for (QRadioButton* b : {areaRatioClayBase_, loadTestClayBase_})
        connect(b, &QRadioButton::clicked, this, &ComputationMethodsDialog::userChanged);

    QGroupBox* criticalDepthPanel = createCriticalDepthPanel();
    int row = 1;
    for (Method m : kDialogOrder) {
        capacityRows_[index_of(m)] = row;
        capacityGrid_->addWidget(capacityBox(m), row++, 0);
        switch (method_info(m).option) {
            case MethodOption::None:
                break;
            case MethodOption::CriticalDepthForSand:
                capacityGrid_->addWidget(criticalDepthPanel, row++, 0);
                break;
            case MethodOption::ClayDrainage:
                capacityGrid_->addWidget(clayPanel, row++, 0);
                break;
            case MethodOption::UnifiedClayBase:
                capacityGrid_->addWidget(clayBasePanel, row++, 0);
                break;
        }
    }
    loadSettlementMark_ = new QLabel(texts::kLoadSettlementMark);
    setAccessibleFromCaption(loadSettlementMark_, texts::kLoadSettlementMark);
    capacityGrid_->addWidget(loadSettlementMark_, capacityRows_[index_of(Method::Api)], 1);

    auto* all = captionedButton(texts::kSelectAll);
    auto* none = captionedButton(texts::kClearSelections);
    connect(all, &QPushButton::clicked, this, [this] { selectAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { selectAll(false); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(all);
    buttons->addWidget(none);
    buttons->addStretch();
    capacityGrid_->addLayout(buttons, row, 0, 1, 2);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(methods);
    layout->addWidget(createLoadingGroup());
    layout->addStretch();
    return page;
}

QGroupBox* ComputationMethodsDialog::createCriticalDepthPanel() {
    criticalDepthPanel_ = new QGroupBox(texts::kCriticalDepthMethod);
    auto* grid = new QGridLayout(criticalDepthPanel_);
    grid->setContentsMargins(24, grid->contentsMargins().top(), 0, 0);
    criticalDepthOptions_ = new QButtonGroup(this);
    QRadioButton* density = captionedRadio(texts::kOriginalRecommendations);
    QRadioButton* stress = captionedRadio(texts::kStressCriticalDepth);
    QRadioButton* user = captionedRadio(texts::kUserCriticalDepth);
    criticalDepthOptions_->addButton(density, static_cast<int>(CriticalDepthOption::FromDensity));
    criticalDepthOptions_->addButton(stress, static_cast<int>(CriticalDepthOption::FromStress));
    criticalDepthOptions_->addButton(user, static_cast<int>(CriticalDepthOption::UserSpecified));
    connect(criticalDepthOptions_, &QButtonGroup::idClicked, this, &ComputationMethodsDialog::userChanged);
    // The field is named by its option; the label beside it shows only the units.
    criticalDepth_ = new NumberField;
    criticalDepth_->setCaption(texts::kUserCriticalDepth, QStringLiteral("L2"));
    criticalDepthUnits_ = new QLabel;
    criticalDepthUnits_->setBuddy(criticalDepth_);
    connect(criticalDepth_, &NumberField::edited, this, &ComputationMethodsDialog::userChanged);

    grid->addWidget(density, 0, 0, 1, 3);
    grid->addWidget(new QLabel(texts::kDensityNote), 1, 0, 1, 3);
    grid->addWidget(stress, 2, 0, 1, 3);
    grid->addWidget(user, 3, 0);
    grid->addWidget(criticalDepth_, 3, 1);
    grid->addWidget(criticalDepthUnits_, 3, 2);
    grid->setColumnStretch(0, 1);
    return criticalDepthPanel_;
}

QGroupBox* ComputationMethodsDialog::createLoadingGroup() {
    auto* group = new QGroupBox(texts::kLoadingType);
    auto* grid = new QGridLayout(group);
    compression_ = captionedRadio(texts::kCompression);
    tension_ = captionedRadio(texts::kTension);
    grid->addWidget(compression_, 0, 0);
    grid->addWidget(tension_, 1, 0);
    tensionFactor_ = addNumberRow(grid, 2, texts::kTensionFactor);
    tensionFactor_->setBounds(0.001, 10);
    tensionFactor_->setNumber(1);
    tensionNote_ = new QLabel(texts::kTensionFactorNote);
    grid->addWidget(tensionNote_, 3, 1);
    for (QRadioButton* b : {compression_, tension_})
        connect(b, &QRadioButton::clicked, this, &ComputationMethodsDialog::userChanged);
    connect(tensionFactor_, &NumberField::edited, this, &ComputationMethodsDialog::userChanged);
    return group;
}

void ComputationMethodsDialog::transferMethodChosen(int code) {
    // The load-transfer method always has its capacity computed too.
    if (is_valid_method_code(code)) capacityBox(static_cast<Method>(code))->setChecked(true);
    userChanged();
}

void ComputationMethodsDialog::selectAll(bool on) {
    const bool offshore = project().data().offshoreEdition;
    for (const MethodInfo& m : kMethods)
        if (!is_cone_based(m.method) || offshore) capacityBox(m.method)->setChecked(on);
    if (!on && is_valid_method_code(code_of(transferMethod())))
        capacityBox(transferMethod())->setChecked(true);
    userChanged();
}

void ComputationMethodsDialog::userChanged() {
    project().setModified(true);
    updateEnabling();
}

Method ComputationMethodsDialog::transferMethod() const {
    return static_cast<Method>(transferMethods_->checkedId());
}

void ComputationMethodsDialog::updateEnabling() {
    capacityGrid_->removeWidget(loadSettlementMark_);
    const int code = transferMethods_->checkedId();
    loadSettlementMark_->setVisible(is_valid_method_code(code));
    if (is_valid_method_code(code))
        capacityGrid_->addWidget(loadSettlementMark_, capacityRows_[static_cast<std::size_t>(code - 1)], 1);

    criticalDepthPanel_->setEnabled(
        capacityBox(option_owner(MethodOption::CriticalDepthForSand))->isChecked());
    const bool userDepth =
        criticalDepthOptions_->checkedId() == static_cast<int>(CriticalDepthOption::UserSpecified);
    criticalDepth_->setEnabled(userDepth);
    criticalDepthUnits_->setEnabled(userDepth);

    QCheckBox* drainageOwner = capacityBox(option_owner(MethodOption::ClayDrainage));
    const bool clay = drainageOwner->isChecked() && drainageOwner->isEnabled();
    drainedClay_->setEnabled(clay);
    undrainedClay_->setEnabled(clay);

    QCheckBox* clayBaseOwner = capacityBox(option_owner(MethodOption::UnifiedClayBase));
    const bool clayBase = clayBaseOwner->isChecked() && clayBaseOwner->isEnabled();
    areaRatioClayBase_->setEnabled(clayBase);
    loadTestClayBase_->setEnabled(clayBase);

    const bool factor = tension_->isChecked() && capacityBox(Method::Api)->isChecked();
    tensionFactor_->setEnabled(factor);
    tensionNote_->setEnabled(factor);
}

void ComputationMethodsDialog::load() {
    const ProjectData& d = project().data();
    if (QAbstractButton* b = transferMethods_->button(code_of(d.loadTransferMethod))) b->setChecked(true);
    for (const MethodInfo& m : kMethods) {
        capacityBox(m.method)->setChecked(d.isSelected(m.method));
        const bool offered = !is_cone_based(m.method) || d.offshoreEdition;
        capacityBox(m.method)->setEnabled(offered);
        transferMethods_->button(code_of(m.method))->setEnabled(offered);
    }
    (d.isUplift() ? tension_ : compression_)->setChecked(true);
    showValue(tensionFactor_, d.tensionReductionFactor);
    (d.clayDrainage == ClayDrainage::Undrained ? undrainedClay_ : drainedClay_)->setChecked(true);
    (d.unifiedClayBase == UnifiedClayBase::LoadTest ? loadTestClayBase_ : areaRatioClayBase_)
        ->setChecked(true);
    (d.reducedResistance ? reducedCurves_ : unfactoredCurves_)->setChecked(true);
    if (QAbstractButton* b = criticalDepthOptions_->button(static_cast<int>(d.criticalDepthOption)))
        b->setChecked(true);
    criticalDepth_->setUnitSystem(d.units);
    criticalDepthUnits_->setText(unitsSuffix(QStringLiteral("L2"), d.units));
    showValue(criticalDepth_, d.criticalDepth);
    updateEnabling();
    showFromStart(this);
}

void ComputationMethodsDialog::store() {
    ProjectData d = project().data();
    const Method method = transferMethod();
    if (is_valid_method_code(code_of(method))) {
        // The taper angle serves the FHWA method; moving the load transfer away from it clears the
        // angle, but a dialog stored without that change leaves the user's angle alone.
        if (method != d.loadTransferMethod && method != Method::Fhwa) d.taperAngle = 0;
        d.loadTransferMethod = method;
    }
    for (const MethodInfo& m : kMethods) d.setSelected(m.method, capacityBox(m.method)->isChecked());
    if (tension_->isChecked()) {
        d.loadingType = LoadingType::Tension;
        d.tensionReductionFactor = fieldValue(tensionFactor_, d.tensionReductionFactor);
    } else {
        d.loadingType = LoadingType::Compression;
        d.tensionReductionFactor = 1.0;
    }
    d.clayDrainage = undrainedClay_->isChecked() ? ClayDrainage::Undrained : ClayDrainage::Drained;
    d.unifiedClayBase =
        loadTestClayBase_->isChecked() ? UnifiedClayBase::LoadTest : UnifiedClayBase::AreaRatio;
    d.reducedResistance = !unfactoredCurves_->isChecked();
    if (const int option = criticalDepthOptions_->checkedId(); option >= 0)
        d.criticalDepthOption = static_cast<CriticalDepthOption>(option);
    d.criticalDepth = fieldValue(criticalDepth_, d.criticalDepth);
    project().setData(d);
}

}  // namespace torve::app
