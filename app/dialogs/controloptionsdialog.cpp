// The control options dialog.
#include "app/dialogs/controloptionsdialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <cmath>
#include <optional>
#include <vector>

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
// A project may ask for this many working loads at most.
constexpr std::size_t kMostWorkingLoads = 10;

// The fractions as typed, each in its shortest exact form; blank for the run's own.
QString fractionsText(const std::optional<std::vector<double>>& fractions) {
    QStringList parts;
    for (double f : fractions.value_or(std::vector<double>{}))
        parts << QString::number(f, 'g', QLocale::FloatingPointShortest);
    return parts.join(u' ');
}

// Fractions typed as decimals or as a/b, separated by blanks, commas or semicolons; an empty
// vector for a blank text; none for a text that is not such a list.
std::optional<std::vector<double>> typedFractions(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    std::vector<double> fractions;
    const QLocale c = QLocale::c();
    for (const QString& part : text.split(separators, Qt::SkipEmptyParts)) {
        bool ok = false;
        double value = 0;
        if (const qsizetype slash = part.indexOf(u'/'); slash > 0) {
            bool denominatorOk = false;
            const double numerator = c.toDouble(part.left(slash), &ok);
            const double denominator = c.toDouble(part.mid(slash + 1), &denominatorOk);
            ok = ok && denominatorOk && denominator != 0;
            if (ok) value = numerator / denominator;
        } else {
            value = c.toDouble(part, &ok);
        }
        if (!ok || !std::isfinite(value) || !(value > 0 && value <= 1)) return std::nullopt;
        fractions.push_back(value);
    }
    if (fractions.size() > kMostWorkingLoads) return std::nullopt;
    return fractions;
}

// A text field for a value that may be left blank, under its label in `grid`.
QLineEdit* addOptionalRow(QGridLayout* grid, int row, const QString& caption, const QString& blank) {
    auto* label = new QLabel(caption);
    auto* field = new QLineEdit;
    label->setBuddy(field);
    setAccessibleFromCaption(field, caption);
    field->setPlaceholderText(blank);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    return field;
}

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
    auto* loadsLabel = new QLabel(texts::kWorkingLoadFractions);
    workingLoads_ = new QLineEdit;
    loadsLabel->setBuddy(workingLoads_);
    setAccessibleFromCaption(workingLoads_, texts::kWorkingLoadFractions);
    workingLoads_->setPlaceholderText(texts::kWorkingLoadDefault);
    grid->addWidget(loadsLabel, 2, 0);
    grid->addWidget(workingLoads_, 2, 1, 1, 2);
    connect(workingLoads_, &QLineEdit::textEdited, this, [this] { project().setModified(true); });

    // Set-up: the shaft's capacity that many days after driving, 1 + A log10(t / t0).
    auto* setup = new QGroupBox(texts::kSetupGroup);
    auto* setupGrid = new QGridLayout(setup);
    setupDays_ = addOptionalRow(setupGrid, 0, texts::kSetupDays, texts::kSetupDaysDefault);
    setupA_ = addOptionalRow(setupGrid, 1, texts::kSetupA, texts::kSetupADefault);
    for (QLineEdit* f : {setupDays_, setupA_})
        connect(f, &QLineEdit::textEdited, this, [this] { project().setModified(true); });

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
    layout->addWidget(setup);
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
    shownWorkingLoads_ = fractionsText(d.workingLoadFractions);
    workingLoads_->setText(shownWorkingLoads_);
    textEditor_->setText(host().settings().wordProcessor());
    setupDays_->setText(optionalText(d.setupDays));
    setupA_->setText(optionalText(d.setupA));
    showFromStart(this);
}

void ControlOptionsDialog::store() {
    host().settings().setWordProcessor(textEditor_->text());
    ProjectData d = project().data();
    d.printInterval = static_cast<int>(std::lround(fieldValue(printEvery_, d.printInterval)));
    d.computationIncrement = fieldValue(incrementLength_, d.computationIncrement);
    if (workingLoads_->text() != shownWorkingLoads_) {
        if (const std::optional<std::vector<double>> typed = typedFractions(workingLoads_->text())) {
            d.workingLoadFractions = typed->empty() ? std::nullopt : typed;
            shownWorkingLoads_ = workingLoads_->text();
        } else {
            messages().warning(this, QString(texts::kWorkingLoadsRefused).arg(workingLoads_->text()));
            workingLoads_->setText(shownWorkingLoads_);
        }
    }
    const std::pair<QLineEdit*, std::optional<double>*> setup[] = {{setupDays_, &d.setupDays},
                                                                   {setupA_, &d.setupA}};
    for (const auto& [field, value] : setup) {
        if (field->text() == optionalText(*value)) continue;
        // Days and A of the set-up are 0 or more.
        std::optional<double> typed;
        if (typedOptional(field->text(), typed) && !(typed && *typed < 0)) {
            *value = typed;
        } else {
            messages().warning(this,
                               QString(field == setupDays_ ? texts::kSetupDaysRefused : texts::kSetupARefused)
                                   .arg(field->text()));
            field->setText(optionalText(*value));
        }
    }
    project().setData(d);
}

}  // namespace torve::app
