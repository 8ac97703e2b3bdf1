// The t-z print option dialog.
#include "app/dialogs/tzprintoptiondialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/formrows.h"
#include "app/dialogs/texts.h"
#include "app/project/project.h"
#include "app/widgets/windowhost.h"

namespace torve::app {

TzPrintOptionDialog::TzPrintOptionDialog(WindowHost& host, QWidget* parent)
    : ChildDialog(host, texts::kTzPrintOption, parent) {
    printExtraTz_ = captionedCheckBox(texts::kPrintInternallyGenerated);
    editDepths_ = commandButton(texts::kEditDepths);
    connect(printExtraTz_, &QCheckBox::toggled, editDepths_, &QPushButton::setEnabled);
    connect(editDepths_, &QPushButton::clicked, this, [this] {
        if (commit()) this->host().showTable(project().tables().tzPrintDepths);
    });
    QPushButton* close = closeButton(this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(editDepths_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(texts::kTzVerification));
    layout->addWidget(printExtraTz_);
    layout->addStretch();
    layout->addLayout(buttons);
}

void TzPrintOptionDialog::load() {
    const bool on = project().data().printExtraTz;
    printExtraTz_->setChecked(on);
    editDepths_->setEnabled(on);
}

void TzPrintOptionDialog::store() {
    ProjectData d = project().data();
    d.printExtraTz = printExtraTz_->isChecked();
    project().setData(d);
}

}  // namespace torve::app
