// The results of the last run at a glance.
#include "app/main/resultssummarywindow.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/controls/usererror.h"
#include "app/main/texts.h"
#include "app/project/atomicfile.h"
#include "app/project/project.h"
#include "app/project/texts.h"
#include "app/widgets/caption.h"
#include "app/widgets/messages.h"

namespace torve::app {
namespace {

QPushButton* namedButton(const QString& caption) {
    auto* b = new QPushButton(caption);
    setAccessibleFromCaption(b, caption);
    return b;
}

}  // namespace

ResultsSummaryWindow::ResultsSummaryWindow(Project& project, const QString& reportPath, QWidget* parent)
    : QWidget(parent),
      project_(project),
      reportPath_(reportPath),
      methods_(new QTableWidget),
      head_(new QLabel),
      workingLoads_(new QTableWidget),
      otherUnits_(new QLabel),
      warnings_(new QPlainTextEdit) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(texts::kSummaryCaption);
    setAccessibleFromCaption(this, texts::kSummaryCaption);
    methods_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    methods_->setSelectionMode(QAbstractItemView::NoSelection);
    methods_->verticalHeader()->hide();
    methods_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setAccessibleFromCaption(methods_, texts::kSummaryCapacities);
    head_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    workingLoads_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    workingLoads_->setSelectionMode(QAbstractItemView::NoSelection);
    workingLoads_->verticalHeader()->hide();
    workingLoads_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setAccessibleFromCaption(workingLoads_, texts::kSummaryWorkingLoads);
    otherUnits_->setWordWrap(true);
    otherUnits_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    warnings_->setReadOnly(true);
    setAccessibleFromCaption(warnings_, texts::kSummaryWarningsCaption);

    auto* capacities = new QGroupBox(texts::kSummaryCapacities);
    auto* capacitiesLayout = new QVBoxLayout(capacities);
    capacitiesLayout->addWidget(methods_);
    auto* head = new QGroupBox(texts::kSummaryHead);
    auto* headLayout = new QVBoxLayout(head);
    headLayout->addWidget(head_);
    auto* working = new QGroupBox(texts::kSummaryWorkingLoads);
    auto* workingLayout = new QVBoxLayout(working);
    workingLayout->addWidget(workingLoads_);
    auto* warnings = new QGroupBox(texts::kSummaryWarningsCaption);
    auto* warningsLayout = new QVBoxLayout(warnings);
    warningsLayout->addWidget(warnings_);

    copy_ = namedButton(texts::kSummaryCopy);
    saveCsv_ = namedButton(texts::kSummarySaveCsv);
    QPushButton* close = namedButton(texts::kSummaryClose);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy_);
    buttons->addWidget(saveCsv_);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(otherUnits_);
    layout->addWidget(capacities, 3);
    layout->addWidget(head);
    layout->addWidget(working, 2);
    layout->addWidget(warnings, 1);
    layout->addLayout(buttons);

    auto* copyAction = new QAction(this);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(copyAction);
    auto* escape = new QAction(this);
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    escape->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(escape);
    const auto closeFrame = [this] {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
            frame->close();
        else
            this->close();
    };
    connect(copyAction, &QAction::triggered, this, &ResultsSummaryWindow::copyToClipboard);
    connect(copy_, &QPushButton::clicked, this, &ResultsSummaryWindow::copyToClipboard);
    connect(saveCsv_, &QPushButton::clicked, this, &ResultsSummaryWindow::askAndSaveCsv);
    connect(close, &QPushButton::clicked, this, closeFrame);
    connect(escape, &QAction::triggered, this, closeFrame);
    connect(&project_, &Project::resultsChanged, this, &ResultsSummaryWindow::refresh);
    connect(&project_, &Project::unitsChanged, this, &ResultsSummaryWindow::refresh);
    refresh();
    resize(720, 620);
}

void ResultsSummaryWindow::refresh() {
    summary_ = summarizeRunBeside(project_.results(), project_.data().isUplift(), reportPath_);
    const QStringList columns = summary_.methodColumns();
    methods_->clear();
    methods_->setColumnCount(static_cast<int>(columns.size()));
    methods_->setHorizontalHeaderLabels(columns);
    methods_->setRowCount(static_cast<int>(summary_.methods.size()));
    for (int row = 0; row < methods_->rowCount(); ++row) {
        const QStringList cells = summary_.methodCells(summary_.methods[static_cast<std::size_t>(row)]);
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            // Numbers line up on their right, as in the report.
            if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            methods_->setItem(row, column, item);
        }
    }
    if (summary_.head)
        head_->setText(QStringLiteral("%1\n%2: %3\n%4: %5")
                           .arg(summary_.head->method, summary_.headLoadCaption(),
                                QString::number(summary_.head->load, 'f', 1), summary_.headMovementCaption(),
                                QString::number(summary_.head->movement, 'f', summary_.english ? 4 : 2)));
    else
        head_->setText(texts::kSummaryNoResults);
    const QStringList workingColumns = summary_.workingLoadColumns();
    workingLoads_->clear();
    workingLoads_->setColumnCount(static_cast<int>(workingColumns.size()));
    workingLoads_->setHorizontalHeaderLabels(workingColumns);
    workingLoads_->setRowCount(static_cast<int>(summary_.workingLoads.size()));
    for (int row = 0; row < workingLoads_->rowCount(); ++row) {
        const QStringList cells =
            summary_.workingLoadCells(summary_.workingLoads[static_cast<std::size_t>(row)]);
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            workingLoads_->setItem(row, column, item);
        }
    }
    // Results read from a plot file carry its unit system; after a switch of the project's units they
    // are of the other one until the next run.
    const bool projectEnglish = project_.data().units == UnitSystem::English;
    const bool results = !summary_.methods.empty() || summary_.head;
    otherUnits_->setVisible(results && projectEnglish != summary_.english);
    const auto name = [](bool english) {
        return english ? texts::kSummaryEnglishUnits : texts::kSummarySiUnits;
    };
    otherUnits_->setText(
        QString(texts::kSummaryOtherUnits).arg(name(summary_.english), name(projectEnglish)));
    QStringList warnings;
    for (const ResultsSummary::Warning& w : summary_.warnings) warnings << summary_.warningSentence(w);
    warnings_->setPlainText(warnings.isEmpty() ? QString(texts::kSummaryNoWarnings)
                                               : warnings.join(QLatin1Char('\n')));
    const bool any = !summary_.methods.empty() || summary_.head;
    copy_->setEnabled(any);
    saveCsv_->setEnabled(any);
}

void ResultsSummaryWindow::copyToClipboard() const {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(summary_.tabSeparated());
}

bool ResultsSummaryWindow::saveCsv(const QString& path, QString* error) const {
    try {
        writeFileAtomically(path, summary_.csv().toUtf8());
        return true;
    } catch (const UserError& e) {
        if (error) *error = e.message();
        return false;
    }
}

void ResultsSummaryWindow::askAndSaveCsv() {
    const QString path =
        QFileDialog::getSaveFileName(this, texts::kSummaryCaption, QString(), texts::kSummaryCsvFilter);
    if (path.isEmpty()) return;
    QString error;
    if (!saveCsv(path, &error)) messages().error(this, QString(texts::kSummarySaveFailed).arg(error));
}

}  // namespace torve::app
