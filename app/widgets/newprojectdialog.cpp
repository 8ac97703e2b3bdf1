// File > New: the unit system of the new project.
#include "app/widgets/newprojectdialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/widgets/caption.h"
#include "app/widgets/texts.h"

namespace torve::app {

NewProjectDialog::NewProjectDialog(UnitSystem suggested, QWidget* parent) : QDialog(parent) {
    setWindowTitle(texts::kNewProjectCaption);
    auto* group = new QGroupBox(texts::kNewProjectUnits);
    si_ = new QRadioButton(texts::kNewProjectSi);
    english_ = new QRadioButton(texts::kNewProjectEnglish);
    setAccessibleFromCaption(si_, texts::kNewProjectSi);
    setAccessibleFromCaption(english_, texts::kNewProjectEnglish);
    (suggested == UnitSystem::SI ? si_ : english_)->setChecked(true);
    auto* choices = new QVBoxLayout(group);
    choices->addWidget(si_);
    choices->addWidget(english_);
    auto* note = new QLabel(texts::kNewProjectNote);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(note);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

UnitSystem NewProjectDialog::units() const {
    return si_->isChecked() ? UnitSystem::SI : UnitSystem::English;
}

std::optional<UnitSystem> NewProjectDialog::ask(QWidget* parent, UnitSystem suggested) {
    NewProjectDialog dialog(suggested, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.units();
}

}  // namespace torve::app
