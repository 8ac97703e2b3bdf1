// The critical depth dialog.
#include "app/dialogs/criticaldepthdialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialogs/formrows.h"
#include "app/dialogs/texts.h"
#include "app/project/project.h"
#include "app/widgets/numberfield.h"

namespace torve::app {

CriticalDepthDialog::CriticalDepthDialog(WindowHost& host, QWidget* parent)
    : ChildDialog(host, texts::kCriticalDepthCaption, parent) {
    auto* group = new QGroupBox(texts::kUserOptions);
    auto* grid = new QGridLayout(group);
    options_ = new QButtonGroup(this);
    const std::pair<QLatin1StringView, CriticalDepthOption> options[] = {
        {texts::kDensityCriticalDepth, CriticalDepthOption::FromDensity},
        {texts::kStressCriticalDepthLong, CriticalDepthOption::FromStress},
        {texts::kUserCriticalDepthLong, CriticalDepthOption::UserSpecified}};
    int row = 0;
    for (const auto& [caption, option] : options) {
        QRadioButton* b = captionedRadio(caption);
        options_->addButton(b, static_cast<int>(option));
        grid->addWidget(b, row++, 0, 1, 3);
    }
    connect(options_, &QButtonGroup::idClicked, this, &CriticalDepthDialog::showDepth);
    depth_ = new NumberField;
    depth_->setCaption(texts::kUserCriticalDepthLong, QStringLiteral("L2"));
    depthUnits_ = new QLabel;
    depthUnits_->setBuddy(depth_);
    grid->addWidget(depth_, row, 1);
    grid->addWidget(depthUnits_, row, 2);
    grid->setColumnMinimumWidth(0, 24);
    grid->setColumnStretch(2, 1);

    QPushButton* close = closeButton(this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch();
    layout->addLayout(buttons);
}

void CriticalDepthDialog::showDepth() {
    const bool user = options_->checkedId() == static_cast<int>(CriticalDepthOption::UserSpecified);
    depth_->setVisible(user);
    depthUnits_->setVisible(user);
}

void CriticalDepthDialog::load() {
    const ProjectData& d = project().data();
    if (QAbstractButton* b = options_->button(static_cast<int>(d.criticalDepthOption))) b->setChecked(true);
    depth_->setUnitSystem(d.units);
    depthUnits_->setText(unitsSuffix(QStringLiteral("L2"), d.units));
    showValue(depth_, d.criticalDepth);
    showDepth();
    showFromStart(this);
}

void CriticalDepthDialog::store() {
    ProjectData d = project().data();
    if (const int option = options_->checkedId(); option >= 0)
        d.criticalDepthOption = static_cast<CriticalDepthOption>(option);
    d.criticalDepth = fieldValue(depth_, d.criticalDepth);
    project().setData(d);
}

}  // namespace torve::app
