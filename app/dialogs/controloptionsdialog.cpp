// The control options dialog.
#include "app/dialogs/controloptionsdialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/dialogs/formrows.h"
#include "app/dialogs/texts.h"
#include "app/project/project.h"
#include "app/widgets/appsettings.h"
#include "app/widgets/caption.h"
#include "app/widgets/messages.h"
#include "app/widgets/numberfield.h"
#include "app/widgets/windowhost.h"

namespace torve::app {
namespace {

// The engine steps through the soil in increments of this length at most (ft | m).
constexpr double kMaxIncrementLength = 500;
constexpr double kMaxPrintInterval = 500;
// A stored increment shorter than this cannot be meant and is shown as a whole unit.
constexpr double kShortestIncrement = 0.000001;

}  // namespace

ControlOptionsDialog::ControlOptionsDialog(WindowHost& host, QWidget* parent)
    : ChildDialog(host, texts::kControlOptionsCaption, parent) {
    auto* print = new QGroupBox(texts::kPrintControls);
    auto* grid = new QGridLayout(print);
    incrementLength_ = addNumberRow(grid, 0, texts::kIncrementLength, QStringLiteral("L2"));
    incrementLength_->setMaximum(kMaxIncrementLength);
    printEvery_ = addNumberRow(grid, 1, texts::kPrintEvery);
    // Whole numbers are meant, but a fraction is taken and rounded when stored.
    printEvery_->setBounds(1, kMaxPrintInterval);
    grid->addWidget(new QLabel(texts::kPrintEveryEnd), 1, 2);
    for (NumberField* f : {incrementLength_, printEvery_})
        connect(f, &NumberField::edited, this, [this] { project().setModified(true); });

    auto* editor = new QGroupBox(texts::kTextEditor);
    auto* editorLayout = new QHBoxLayout(editor);
    textEditor_ = new QLineEdit;
    setAccessibleFromCaption(textEditor_, texts::kTextEditor);
    auto* browse = captionedButton(texts::kBrowse);
    connect(browse, &QPushButton::clicked, this, &ControlOptionsDialog::browse);
    editorLayout->addWidget(textEditor_, 1);
    editorLayout->addWidget(browse);

    QPushButton* close = closeButton(this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(print);
    layout->addWidget(editor);
    layout->addStretch();
    layout->addLayout(buttons);
}

void ControlOptionsDialog::browse() {
    const QString path = QFileDialog::getOpenFileName(this, plainCaption(texts::kBrowse), textEditor_->text(),
                                                      texts::kProgramFilter);
    if (path.isEmpty()) return;
    // The editor is started as a program with the file as its argument.
    if (!QFileInfo(path).isExecutable() || QFileInfo(path).isDir()) {
        messages().warning(this, QString(texts::kNotAProgram).arg(path));
        return;
    }
    textEditor_->setText(path);
}

void ControlOptionsDialog::load() {
    const ProjectData& d = project().data();
    incrementLength_->setUnitSystem(d.units);
    showValue(incrementLength_, d.computationIncrement < kShortestIncrement ? 1.0 : d.computationIncrement);
    showValue(printEvery_, d.printInterval);
    textEditor_->setText(host().settings().wordProcessor());
    showFromStart(this);
}

void ControlOptionsDialog::store() {
    host().settings().setWordProcessor(textEditor_->text());
    ProjectData d = project().data();
    d.printInterval = static_cast<int>(std::lround(fieldValue(printEvery_, d.printInterval)));
    d.computationIncrement = fieldValue(incrementLength_, d.computationIncrement);
    project().setData(d);
}

}  // namespace torve::app
