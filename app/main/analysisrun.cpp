// One run of the engine library.
#include "app/main/analysisrun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/controls/usererror.h"
#include "app/main/consoleredirect.h"
#include "app/main/enginelibrary.h"
#include "app/main/texts.h"
#include "app/project/downdragresults.h"
#include "app/project/namesfile.h"
#include "app/project/project.h"
#include "app/project/settlementfile.h"
#include "app/project/texts.h"

namespace torve::app {
namespace {

// The engine's status codes (its entry point's results).
constexpr int kCompleted = 0;

// True while a run calls into the library: a second run from inside it would find it bound.
bool engineInUse = false;

QStringList linesOf(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromLocal8Bit(f.readAll()).split(QLatin1Char('\n'));
}

// The engine's lines that say what stopped or troubled a run.
const QLatin1StringView kErrorMark{"ERROR - "};
const QLatin1StringView kSoilExtentStop{"COMPUTATION DOES NOT PROCEED BECAUSE THE DEEPEST SOIL PROFILE"};
const QLatin1StringView kSegmentStop{"YOUR NUMBERS OF SEGMENT"};
const QLatin1StringView kShallowSoil{"NO SOIL INFORMATION"};
const QLatin1StringView kShallowSoilDepth{"AT THE DEPTH"};

// Makes `dir` the current directory while it lives.
class CurrentDirectory {
  public:
    explicit CurrentDirectory(const QString& dir) : previous_(QDir::currentPath()) { QDir::setCurrent(dir); }
    ~CurrentDirectory() { QDir::setCurrent(previous_); }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

  private:
    QString previous_;
};

}  // namespace

AnalysisRun::AnalysisRun(Project& project, const QString& engineDirectory)
    : project_(project),
      engineDirectory_(engineDirectory),
      input_(QFileInfo(project.data().fileName).absoluteFilePath()) {}

RunOutcome AnalysisRun::execute() {
    RunOutcome outcome;
    if (engineInUse) {
        outcome.message = texts::kReinitialize;
        return outcome;
    }
    // The program's folder is not writable in an installation, and a names.dat left in a project's
    // folder would be taken by a later run: the file of names lives in a folder of this run alone.
    QTemporaryDir scratch;
    QByteArray text;
    try {
        text = namesFileText(runFileNamesOf(input_, project_.data()));
    } catch (const UserError& e) {
        outcome.message = e.message();
        return outcome;
    }
    QFile names(scratch.filePath(QStringLiteral("names.dat")));
    if (!scratch.isValid() || !names.open(QIODevice::WriteOnly) || names.write(text) != text.size() ||
        !names.flush()) {
        outcome.message = texts::kNamesFailed;
        return outcome;
    }
    names.close();

    EngineLibrary engine(engineDirectory_);
    if (!engine.bind()) {
        outcome.message = texts::kInitializeFailed;
        return outcome;
    }
    int status;
    {
        engineInUse = true;
        const CurrentDirectory inScratch(scratch.path());
        const ConsoleRedirect console(besideProject(input_, ".tv6r"));
        status = engine.call(3);
        engineInUse = false;
    }
    engine.release();

    outcome = classify(status);
    if (outcome.kind == RunOutcome::Kind::Completed) outcome.message += downdragNotice();
    if (outcome.kind == RunOutcome::Kind::Completed && QFileInfo::exists(besideProject(input_, ".tv6p"))) {
        try {
            project_.readResults(besideProject(input_, ".tv6p"));
            outcome.plotLoaded = true;
        } catch (const UserError& e) {
            outcome.kind = RunOutcome::Kind::Failed;
            outcome.message = QString(texts::kPlotReadFailed) + QLatin1Char('\r') + e.message();
        }
        // The save before the run wrote the resistances of the run before: the export now takes
        // those of this one.
        if (outcome.plotLoaded) {
            try {
                project_.writeDriveabilityExport();
            } catch (const UserError& e) {
                outcome.message +=
                    QStringLiteral("\r\r") + texts::kDriveabilityNotWritten + QLatin1Char('\r') + e.message();
            }
        }
    } else if (outcome.kind != RunOutcome::Kind::Completed) {
        project_.clearResults();
    }
    return outcome;
}

QString AnalysisRun::downdragNotice() const {
    if (!hasSettlementProfile(project_.data().settlement)) return {};
    try {
        const DowndragResults d = readDowndragResults(downdragResultsFileOf(input_));
        if (!d.solved) return QString(texts::kDowndragNotSolved).arg(d.message);
    } catch (const UserError& e) {
        return QString(texts::kDowndragNotSolved).arg(e.message());
    }
    return {};
}

RunOutcome AnalysisRun::classify(int status) const {
    const QStringList report = linesOf(besideProject(input_, ".tv6o"));
    const QStringList console = linesOf(besideProject(input_, ".tv6r"));
    RunOutcome outcome;
    if (status != kCompleted) {
        outcome.kind = RunOutcome::Kind::Failed;
        // The report's last error line names the file, the line and what was expected; without a
        // report the console carries the same line.
        QString error;
        for (const QStringList* lines : {&console, &report}) {
            for (const QString& line : *lines) {
                const QString trimmed = line.trimmed();
                if (trimmed.startsWith(kErrorMark)) error = trimmed.mid(kErrorMark.size());
            }
        }
        outcome.message = error.isEmpty() ? QString(texts::kRunFailedUnknown).arg(status)
                                          : QString(texts::kRunFailed).arg(error);
        return outcome;
    }
    for (const QString& line : report) {
        if (line.contains(kSoilExtentStop)) {
            outcome.kind = RunOutcome::Kind::Stopped;
            outcome.message = texts::kRunStoppedSoilExtent;
            return outcome;
        }
        if (line.contains(kSegmentStop)) {
            outcome.kind = RunOutcome::Kind::Stopped;
            outcome.message = texts::kRunStoppedSegments;
            return outcome;
        }
    }
    outcome.kind = RunOutcome::Kind::Completed;
    outcome.message = texts::kRunCompleted;
    if (console.join(QLatin1Char(' ')).contains(kShallowSoil)) {
        QString depth;
        for (const QString& line : console) {
            const qsizetype at = line.indexOf(kShallowSoilDepth);
            if (at >= 0) depth = line.mid(at + kShallowSoilDepth.size()).simplified();
        }
        outcome.message += QString(texts::kRunSoilWarning).arg(depth);
    }
    return outcome;
}

}  // namespace torve::app
