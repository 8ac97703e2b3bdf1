// The main window's view of a run's results: the summary, the status bar and the read-only viewer.
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>

#include "app/main/analysisrun.h"
#include "app/main/mainwindow.h"
#include "app/main/reportviewer.h"
#include "app/main/resultssummarywindow.h"
#include "app/main/texts.h"
#include "app/project/project.h"
#include "app/widgets/messages.h"

namespace torve::app {

void MainWindow::createResultsCommands() {
    statusBar()->setSizeGripEnabled(true);
    // The toolbar's button follows the graphs' buttons.
    toolBarGraphActions_.append(summaryToolAction_);
    for (QObject* holder : summaryAction_->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(holder))
            connect(menu, &QMenu::aboutToShow, this, &MainWindow::updateResultsCommands);
    updateResultsCommands();
}

void MainWindow::updateResultsCommands() {
    const bool available = graphsAvailable();
    summaryAction_->setEnabled(available);
    summaryToolAction_->setEnabled(available);
}

void MainWindow::showResultsSummary() {
    if (!graphsAvailable()) return;
    const QString key = QStringLiteral("summary:");
    if (QMdiSubWindow* child = childWindow(key)) {
        mdiArea_->setActiveSubWindow(child);
        return;
    }
    const QString report = besideProject(QFileInfo(project_->data().fileName).absoluteFilePath(), ".tv6o");
    addChild(new ResultsSummaryWindow(*project_, report), key);
}

void MainWindow::showReadOnly(const QString& path) {
    const QString key = QStringLiteral("text:") + QFileInfo(path).absoluteFilePath();
    if (QMdiSubWindow* child = childWindow(key)) {
        // Brought forward with what the file holds now: a run may have rewritten it.
        if (auto* viewer = qobject_cast<ReportViewer*>(child->widget())) viewer->showFile(path);
        mdiArea_->setActiveSubWindow(child);
        return;
    }
    auto* viewer = new ReportViewer;
    if (!viewer->showFile(path)) {
        delete viewer;
        messages().error(this, QString(texts::kCannotReadFile).arg(QDir::toNativeSeparators(path)));
        return;
    }
    addChild(viewer, key);
}

void MainWindow::showRunStatus(const RunOutcome& outcome, qint64 milliseconds) {
    QString text;
    switch (outcome.kind) {
        case RunOutcome::Kind::Completed:
            // Two digits below a second ("0.015 s"), tenths above ("12.4 s").
            text = QString(texts::kStatusCompleted)
                       .arg(milliseconds < 1000 ? QString::number(milliseconds / 1000.0, 'g', 2)
                                                : QString::number(milliseconds / 1000.0, 'f', 1));
            if (outcome.message != texts::kRunCompleted) text += texts::kStatusWithWarning;
            break;
        case RunOutcome::Kind::Stopped:
            text = outcome.message == texts::kRunStoppedSoilExtent ? texts::kStatusStoppedShallow
                                                                   : texts::kStatusStoppedSegments;
            break;
        case RunOutcome::Kind::Failed:
            text = texts::kStatusFailed;
            break;
        case RunOutcome::Kind::NotRun:
            text = texts::kStatusNotRun;
            break;
    }
    statusBar()->showMessage(text);
    updateResultsCommands();
}

void MainWindow::clearRunStatus() {
    statusBar()->clearMessage();
}

}  // namespace torve::app
