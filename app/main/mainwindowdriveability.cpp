// The main window's driveability: the dialog, the run on a worker thread, and its graphs.
#include <QFileInfo>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>

#include "app/controls/usererror.h"
#include "app/dialogs/driveabilitydialog.h"
#include "app/main/driveabilityrun.h"
#include "app/main/mainwindow.h"
#include "app/main/texts.h"
#include "app/project/project.h"
#include "app/widgets/caption.h"
#include "app/widgets/messages.h"

namespace torve::app {

std::optional<DriveabilitySettings> MainWindow::askDriveability() {
    DriveabilityDialog dialog(*project_, settings_->driveability(), this);
    const bool run = dialog.exec() == QDialog::Accepted;
    if (const std::optional<DriveabilitySettings> entered = dialog.settings()) {
        settings_->setDriveability(*entered);
        writeSettings();
    }
    if (!run) return std::nullopt;
    return dialog.settings();
}

void MainWindow::showDriveability() {
    if (!commitActiveChild() || isDriveabilityRunning()) return;
    if (const std::optional<DriveabilitySettings> settings = askDriveability()) runDriveability(*settings);
}

bool MainWindow::isDriveabilityRunning() const {
    return driveRun_ && driveRun_->isRunning();
}

bool MainWindow::runDriveability(const DriveabilitySettings& settings) {
    if (isDriveabilityRunning()) return false;
    // The engine reads the project from its file, as a run of the analysis does.
    if (!checkAndSaveForRun()) return false;
    driveRun_ = std::make_unique<DriveabilityRun>(project_->data().fileName, settings, engineDirectory_);
    if (!driveRun_->start()) {
        messages().error(this, driveRun_->outcome().message);
        driveRun_.reset();
        return false;
    }
    // Window-modal and shown, not executed: the event loop serves the queued progress meanwhile.
    auto* progress = new QProgressDialog(texts::kDriveProgress, texts::kDriveCancel, 0, 0, this);
    progress->setObjectName(QStringLiteral("driveabilityProgress"));
    progress->setWindowTitle(plainCaption(texts::kDriveability));
    // A button of its own, named for screen readers as every button of the program is.
    auto* cancel = new QPushButton(texts::kDriveCancel);
    setAccessibleFromCaption(cancel, texts::kDriveCancel);
    progress->setCancelButton(cancel);
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(0);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setAttribute(Qt::WA_DeleteOnClose);
    const DriveabilityRun* run = driveRun_.get();
    connect(progress, &QProgressDialog::canceled, driveRun_.get(), &DriveabilityRun::cancel);
    connect(
        run, &DriveabilityRun::progressed, progress,
        [progress](int done, int total) {
            // The text first: setValue of a modal progress dialog serves the events meanwhile, and
            // with them the later counts, so that a text set after it would show an earlier count
            // than the bar.
            progress->setLabelText(QString(texts::kDriveProgressBlows).arg(done).arg(total));
            progress->setMaximum(total);
            progress->setValue(done);
        },
        Qt::QueuedConnection);
    const QPointer<QProgressDialog> shown = progress;
    connect(run, &DriveabilityRun::finished, this, [this, shown] {
        if (shown) shown->close();
        driveabilityEnded();
    });
    progress->show();
    return true;
}

void MainWindow::driveabilityEnded() {
    const DriveabilityOutcome outcome = driveRun_->outcome();
    if (outcome.results && outcome.kind == DriveabilityOutcome::Kind::Completed)
        project_->showDriveability(*outcome.results);
    updateGraphicsCommands();
    switch (outcome.kind) {
        case DriveabilityOutcome::Kind::Completed:
            messages().information(this, outcome.message);
            break;
        case DriveabilityOutcome::Kind::Cancelled:
            messages().warning(this, outcome.message);
            break;
        default:
            messages().error(this, outcome.message);
            break;
    }
    if (outcome.kind != DriveabilityOutcome::Kind::Completed) return;
    // The graphs open over each other; the blow count against depth, which answers whether the
    // hammer drives the pile, last and so in front.
    for (ResultGraph g : {ResultGraph::DriveHeadVelocity, ResultGraph::DriveHeadForce, ResultGraph::Bearing,
                          ResultGraph::DriveStress, ResultGraph::DriveCumulative, ResultGraph::DriveSrd,
                          ResultGraph::DriveBlows})
        if (project_->graph(g).lineCount() > 0) showGraph(project_->graph(g));
}

void MainWindow::showKeptDriveability() {
    const QString kept = driveabilityResultsFileOf(project_->data().fileName);
    if (!QFileInfo::exists(kept)) return;
    try {
        project_->showDriveability(readDriveabilityResults(kept));
    } catch (const UserError&) {
        // The graphs stay empty; the next run writes the file anew.
    }
}

}  // namespace torve::app
