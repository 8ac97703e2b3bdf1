// One driveability run of the engine library on a saved project, on a thread of its own so that the
// program answers while the pile is driven depth after depth.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <atomic>
#include <memory>
#include <optional>

#include "app/main/enginelibrary.h"
#include "app/project/driveabilityrequest.h"
#include "app/project/driveabilityresults.h"

class QThread;

namespace torve::app {

// What a driveability run came to, for the main window to tell the user.
struct DriveabilityOutcome {
    enum class Kind {
        Completed,  // solved: the results are to be shown
        Cancelled,  // the user stopped it; the results of an earlier run stay as they were
        Failed,     // the engine gave no solution or an error, or its results could not be read
        NotRun,     // the library, its entry point or the request file could not be had
    };
    Kind kind = Kind::NotRun;
    QString message;
    std::optional<DriveabilityResults> results;
};

// Binds the library from `engineDirectory`, writes the request into a folder of this run alone and
// calls ITORVE_DRIVE on a worker thread. The engine's progress comes back as progressed() through a
// queued connection, on the thread the run was made on; cancel() makes the next progress call stop
// the engine. A completed run's results file replaces the one beside the project
// (driveabilityResultsFileOf): a run that stopped, failed or found no solution leaves the results of
// the last solved run there.
class DriveabilityRun : public QObject {
    Q_OBJECT

  public:
    DriveabilityRun(const QString& projectPath, DriveabilitySettings settings, const QString& engineDirectory,
                    QObject* parent = nullptr);
    // A run still going is stopped and waited for: the library stays bound until its call returns.
    ~DriveabilityRun() override;

    // Starts the run; false, with outcome() saying why, when it cannot start. finished() follows a
    // run that started, once.
    bool start();
    // Asks the engine to stop after the depth it is driving.
    void cancel() { cancelled_ = true; }
    bool isRunning() const { return running_; }
    const DriveabilityOutcome& outcome() const { return outcome_; }

  signals:
    // `done` of `total` tip depths are driven.
    void progressed(int done, int total);
    void finished();

  private:
    static std::int32_t progress(std::int32_t done, std::int32_t total, void* context);
    // On the run's own thread once the worker has returned: the outcome from the status and the file.
    void collect();

    QString project_;
    DriveabilitySettings settings_;
    EngineLibrary library_;
    EngineLibrary::DriveEntry entry_ = nullptr;
    QTemporaryDir scratch_;
    QByteArray requestPath_;
    QString results_;
    QThread* worker_ = nullptr;
    std::atomic<bool> cancelled_{false};
    std::atomic<std::int32_t> status_{0};
    bool running_ = false;
    DriveabilityOutcome outcome_;
};

}  // namespace torve::app
