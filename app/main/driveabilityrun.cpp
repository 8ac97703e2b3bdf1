// One driveability run of the engine library.
#include "app/main/driveabilityrun.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

#include "app/controls/usererror.h"
#include "app/main/texts.h"
#include "app/project/atomicfile.h"

namespace torve::app {
namespace {

// The entry point's results (engine/driver/entry.h).
constexpr std::int32_t kCompleted = 0;
constexpr std::int32_t kBadArgument = 1;
constexpr std::int32_t kInputError = 2;
constexpr std::int32_t kOutputError = 3;
constexpr std::int32_t kStopped = 5;

QString statusMessage(std::int32_t status) {
    switch (status) {
        case kBadArgument:
        case kInputError:
            return texts::kDriveBadRequest;
        case kOutputError:
            return texts::kDriveNotWritten;
        default:
            return QString(texts::kDriveFailedStatus).arg(status);
    }
}

}  // namespace

DriveabilityRun::DriveabilityRun(const QString& projectPath, DriveabilitySettings settings,
                                 const QString& engineDirectory, QObject* parent)
    : QObject(parent), project_(projectPath), settings_(std::move(settings)), library_(engineDirectory) {
    // The engine resolves a relative name against the process's folder, which may change meanwhile.
    settings_.hammer = QFileInfo(settings_.hammer).absoluteFilePath();
}

DriveabilityRun::~DriveabilityRun() {
    if (!worker_) return;
    cancel();
    worker_->wait();
    delete worker_;
}

bool DriveabilityRun::start() {
    outcome_ = {};
    if (!library_.bind()) {
        outcome_.message = texts::kInitializeFailed;
        return false;
    }
    entry_ = library_.driveEntry();
    if (!entry_) {
        library_.release();
        outcome_.message = texts::kDriveEntryMissing;
        return false;
    }
    // The engine writes into a folder of this run: only a run that completes replaces the results
    // kept beside the project.
    results_ = scratch_.filePath(QStringLiteral("results.txt"));
    const QString request = scratch_.filePath(QStringLiteral("request.txt"));
    try {
        const QByteArray text = driveabilityRequestText(settings_, project_, results_);
        QFile file(request);
        if (!scratch_.isValid() || !file.open(QIODevice::WriteOnly) || file.write(text) != text.size() ||
            !file.flush())
            throw UserError(texts::kDriveRequestFailed);
    } catch (const UserError& e) {
        library_.release();
        outcome_.message = e.message();
        return false;
    }
    requestPath_ = QFile::encodeName(request);
    cancelled_ = false;
    running_ = true;
    worker_ = QThread::create([this] { status_ = entry_(requestPath_.constData(), &progress, this); });
    // The worker's end is told on this object's thread, where the outcome is read.
    connect(worker_, &QThread::finished, this, &DriveabilityRun::collect, Qt::QueuedConnection);
    worker_->start();
    return true;
}

std::int32_t DriveabilityRun::progress(std::int32_t done, std::int32_t total, void* context) {
    auto* run = static_cast<DriveabilityRun*>(context);
    // Emitted on the worker: the connections to the window are queued.
    emit run->progressed(done, total);
    return run->cancelled_ ? 1 : 0;
}

void DriveabilityRun::collect() {
    if (!running_) return;
    running_ = false;
    worker_->wait();
    library_.release();
    const std::int32_t status = status_;
    outcome_.kind = DriveabilityOutcome::Kind::Failed;
    if (status == kStopped) {
        outcome_.kind = DriveabilityOutcome::Kind::Cancelled;
        outcome_.message = texts::kDriveCancelled;
    } else if (!QFileInfo::exists(results_)) {
        // The folder is this run's own: a results file in it is this run's.
        outcome_.message = statusMessage(status);
    } else {
        try {
            QFile file(results_);
            if (!file.open(QIODevice::ReadOnly)) throw UserError(texts::kDriveNotWritten);
            const QByteArray text = file.readAll();
            DriveabilityResults results = parseDriveabilityResults(text, results_);
            if (!results.solved) {
                // A file or value the engine refused, named in its message.
                outcome_.message = QString(texts::kDriveNotSolved).arg(results.message);
            } else if (status != kCompleted) {
                outcome_.message = statusMessage(status);
            } else {
                outcome_.kind = DriveabilityOutcome::Kind::Completed;
                outcome_.message = QString(texts::kDriveCompleted).arg(results.depth.size());
                outcome_.results = std::move(results);
                try {
                    writeFileAtomically(driveabilityResultsFileOf(project_), text);
                } catch (const UserError& e) {
                    outcome_.message +=
                        QStringLiteral("\r\r") + texts::kDriveNotKept + QLatin1Char('\r') + e.message();
                }
            }
        } catch (const UserError& e) {
            outcome_.message = QString(texts::kDriveUnreadable).arg(e.message());
        }
    }
    emit finished();
}

}  // namespace torve::app
