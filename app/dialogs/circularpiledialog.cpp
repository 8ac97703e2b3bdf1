// The circular pile dialog.
#include "app/dialogs/circularpiledialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialogs/circularpilesketch.h"
#include "app/dialogs/formrows.h"
#include "app/dialogs/texts.h"
#include "app/project/project.h"
#include "app/widgets/numberfield.h"

namespace torve::app {

CircularPileDialog::CircularPileDialog(WindowHost& host, QWidget* parent)
    : ChildDialog(host, texts::kCircularPileCaption, parent) {
    auto* grid = new QGridLayout;
    const QString diameter = QStringLiteral("L1");
    const QString length = QStringLiteral("L2");
    outerDiameter_ = addNumberRow(grid, 0, texts::kOuterDiameter, diameter);
    innerDiameter_ = addNumberRow(grid, 1, texts::kInnerDiameter, diameter);
    totalLength_ = addNumberRow(grid, 2, texts::kTotalLength, length);
    endSectionLength_ = addNumberRow(grid, 3, texts::kEndSectionLength, length);
    endSectionInnerDiameter_ = addNumberRow(grid, 4, texts::kEndSectionInnerDiameter, diameter);
    zeroFrictionLength_ = addNumberRow(grid, 5, texts::kZeroFrictionLength, length);
    stickupLength_ = addNumberRow(grid, 6, texts::kStickupLength, length);
    endSectionNote_ = noteLabel(texts::kEndSectionNote);
    grid->addWidget(endSectionNote_, 7, 0, 1, 2);
    for (NumberField* f : {outerDiameter_, innerDiameter_, totalLength_, endSectionLength_,
                           endSectionInnerDiameter_, zeroFrictionLength_, stickupLength_})
        connect(f, &NumberField::edited, this, [this] { project().setModified(true); });

    plugGroup_ = new QGroupBox(texts::kPlugConditions);
    auto* plugLayout = new QVBoxLayout(plugGroup_);
    plugConditions_ = new QButtonGroup(this);
    const std::pair<QLatin1StringView, PlugCondition> plugs[] = {
        {texts::kPlugged, PlugCondition::Plugged},
        {texts::kUnplugged, PlugCondition::Unplugged},
        {texts::kPlugComputed, PlugCondition::Computed}};
    for (const auto& [caption, plug] : plugs) {
        QRadioButton* b = captionedRadio(caption);
        plugConditions_->addButton(b, static_cast<int>(plug));
        plugLayout->addWidget(b);
    }
    connect(plugConditions_, &QButtonGroup::idClicked, this, [this] { project().setModified(true); });

    auto* fields = new QVBoxLayout;
    fields->addLayout(grid);
    fields->addWidget(plugGroup_);
    fields->addStretch();
    sketch_ = new CircularPileSketch({outerDiameter_, innerDiameter_, totalLength_, endSectionLength_,
                                      endSectionInnerDiameter_, zeroFrictionLength_, stickupLength_});
    auto* body = new QHBoxLayout;
    body->addLayout(fields, 1);
    body->addWidget(sketch_);

    QPushButton* close = closeButton(this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);
}

void CircularPileDialog::load() {
    const ProjectData& d = project().data();
    const bool pipe = d.pileType == PileType::SteelPipe;
    const std::pair<NumberField*, double> values[] = {
        {outerDiameter_, d.outsideDiameter},
        {innerDiameter_, pipe ? d.insideDiameter : 0},
        {totalLength_, d.totalPileLength},
        {endSectionLength_, pipe ? d.enhancedEndSectionLength : 0},
        {endSectionInnerDiameter_, pipe ? d.enhancedEndSectionInsideDiameter : 0},
        {zeroFrictionLength_, d.zeroFrictionLength},
        {stickupLength_, d.stickupLength}};
    for (const auto& [field, value] : values) {
        field->setUnitSystem(d.units);
        showValue(field, value);
    }
    for (NumberField* f : {innerDiameter_, endSectionLength_, endSectionInnerDiameter_}) f->setEnabled(pipe);
    endSectionNote_->setEnabled(pipe);
    plugGroup_->setVisible(pipe);
    if (QAbstractButton* b = plugConditions_->button(static_cast<int>(d.plugCondition))) b->setChecked(true);
    sketch_->update();
    showFromStart(this);
}

void CircularPileDialog::store() {
    ProjectData d = project().data();
    d.outsideDiameter = fieldValue(outerDiameter_, d.outsideDiameter);
    d.insideDiameter = fieldValue(innerDiameter_, d.insideDiameter);
    d.totalPileLength = fieldValue(totalLength_, d.totalPileLength);
    d.enhancedEndSectionLength = fieldValue(endSectionLength_, d.enhancedEndSectionLength);
    d.enhancedEndSectionInsideDiameter =
        fieldValue(endSectionInnerDiameter_, d.enhancedEndSectionInsideDiameter);
    d.zeroFrictionLength = fieldValue(zeroFrictionLength_, d.zeroFrictionLength);
    d.stickupLength = fieldValue(stickupLength_, d.stickupLength);
    if (const int plug = plugConditions_->checkedId(); plug >= 0)
        d.plugCondition = static_cast<PlugCondition>(plug);
    project().setData(d);
}

}  // namespace torve::app
