// The main window's calculation sheet: the project's inputs and its last run's results on A4 pages.
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStatusBar>

#include "app/controls/usererror.h"
#include "app/main/mainwindow.h"
#include "app/main/texts.h"
#include "app/project/project.h"
#include "app/project/resultssummary.h"
#include "app/render/calculationsheet.h"
#include "app/render/sheetwriter.h"
#include "app/widgets/messages.h"

namespace torve::app {

void MainWindow::exportCalculationSheet() {
    if (!commitActiveChild()) return;
    if (!graphsAvailable()) {
        messages().information(this, texts::kSheetNeedsResults);
        return;
    }
    // The results are those of the last run, which saved the project: inputs changed since then
    // would stand on the sheet beside results they did not give.
    if (project_->isModified() && messages().question(this, texts::kSheetAfterChanges) != QMessageBox::Yes)
        return;
    const QFileInfo project(project_->data().fileName);
    QFileDialog dialog(this, texts::kSheetDialogTitle,
                       project.absoluteDir().filePath(project.completeBaseName() + QStringLiteral(".pdf")),
                       texts::kSheetFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    // The filter chosen gives a name without an extension its own.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter.contains(QLatin1String("*.htm")) ? QStringLiteral("html")
                                                                        : QStringLiteral("pdf"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    exportCalculationSheetTo(dialog.selectedFiles().constFirst());
}

bool MainWindow::exportCalculationSheetTo(const QString& chosen) {
    // A name without one of the sheet's extensions gets the PDF's.
    QString path = chosen;
    std::optional<SheetFormat> format = sheetFormat(path);
    if (!format || *format == SheetFormat::Png) {
        path += QStringLiteral(".pdf");
        format = SheetFormat::Pdf;
    }
    const QString report =
        QFileInfo(project_->data().fileName)
            .absoluteDir()
            .filePath(QFileInfo(project_->data().fileName).completeBaseName() + QStringLiteral(".tv6o"));
    const ResultsSummary summary =
        summarizeRunBeside(project_->results(), project_->data().isUplift(), report);
    try {
        const int pages =
            writeCalculationSheet(path, *format, calculationSheet(*project_, summary, QDate::currentDate()));
        const QString shown = QDir::toNativeSeparators(path);
        statusBar()->showMessage(*format == SheetFormat::Pdf
                                     ? QString(texts::kSheetWritten).arg(shown).arg(pages)
                                     : QString(texts::kSheetWrittenPage).arg(shown));
    } catch (const UserError& e) {
        messages().error(this, e.message());
        return false;
    }
    return true;
}

}  // namespace torve::app
