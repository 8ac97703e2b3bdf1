// The project title dialog.
#include "app/dialogs/titledialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "app/dialogs/texts.h"
#include "app/project/project.h"
#include "app/widgets/caption.h"

namespace torve::app {
namespace {

// The title is one line of the input data file, of at most 80 characters.
constexpr int kTitleLength = 80;

// The texts of a project hold no control character: a line break would split the record in the
// input data file, and a tab or another control character is read back as a blank.
void refuseControlCharacters(QLineEdit* field) {
    field->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[^\\x{0}-\\x{1f}\\x{7f}-\\x{9f}]*")), field));
}

QLineEdit* labelledField(QGridLayout* grid, int row, const QString& caption) {
    auto* label = new QLabel(caption);
    auto* field = new QLineEdit;
    refuseControlCharacters(field);
    label->setBuddy(field);
    setAccessibleFromCaption(field, caption.trimmed());
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    return field;
}

}  // namespace

TitleDialog::TitleDialog(WindowHost& host, QWidget* parent)
    : ChildDialog(host, texts::kTitleDialogCaption, parent), title_(new QLineEdit) {
    auto* layout = new QVBoxLayout(this);
    auto* titleLabel = new QLabel(texts::kTitleCaption);
    titleLabel->setBuddy(title_);
    setAccessibleFromCaption(title_, texts::kTitleCaption);
    title_->setMaxLength(kTitleLength);
    refuseControlCharacters(title_);
    title_->setMinimumWidth(title_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 40);
    layout->addWidget(titleLabel);
    layout->addWidget(title_);

    auto* grid = new QGridLayout;
    designer_ = labelledField(grid, 0, texts::kDesignerCaption);
    jobNumber_ = labelledField(grid, 1, texts::kJobNumberCaption);
    layout->addLayout(grid);

    auto* closeButton = new QPushButton(texts::kCloseButton);
    setAccessibleFromCaption(closeButton, texts::kCloseButton);
    connect(closeButton, &QPushButton::clicked, this, [this] {
        // In the main window the dialog's frame is its child window.
        auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
        frame ? frame->close() : this->close();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
}

void TitleDialog::load() {
    const ProjectData& values = project().data();
    title_->setText(values.title);
    designer_->setText(values.designer);
    jobNumber_->setText(values.jobNumber);
}

void TitleDialog::store() {
    Project& p = project();
    const bool wasModified = p.isModified();
    ProjectData values = p.data();
    const bool titleChanged = values.title != title_->text();
    values.title = title_->text();
    values.designer = designer_->text();
    values.jobNumber = jobNumber_->text();
    p.setData(values);
    if (!titleChanged) p.setModified(wasModified);
}

}  // namespace torve::app
