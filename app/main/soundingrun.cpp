#include "app/main/soundingrun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/controls/usererror.h"
#include "app/graph/graph.h"
#include "app/main/analysisrun.h"
#include "app/main/texts.h"
#include "app/project/layerconstantsfile.h"
#include "app/project/project.h"
#include "app/project/projectfile.h"
#include "app/project/results.h"

namespace torve::app {

namespace {

// Copies `from` to `to` when it is there; false only when it is there and cannot be copied.
bool copyCompanion(const QString& from, const QString& to) {
    return !QFileInfo::exists(from) || QFile::copy(from, to);
}

}  // namespace

std::optional<QString> copySoundingFiles(const QString& projectFile, const QString& cptFile,
                                         const QString& folder) {
    const QDir dir(folder);
    const QString input = dir.filePath(QStringLiteral("sounding.tv6d"));
    if (!QFile::copy(projectFile, input) ||
        !QFile::copy(cptFile, dir.filePath(QStringLiteral("sounding.cpt"))))
        return std::nullopt;
    // The layers' constants (set-up rates, quakes, damping) change the run as they change the
    // project's own; the run reads them, and the readings, beside its copy.
    if (!copyCompanion(layerConstantsFileName(projectFile), layerConstantsFileName(input)) ||
        !copyCompanion(besideProject(cptFile, ".cone.csv"), besideProject(input, ".cone.csv")))
        return std::nullopt;
    return input;
}

SoundingRun runWithSounding(const QString& projectFile, const QString& cptFile, Method method,
                            const QString& engineDirectory) {
    SoundingRun run;
    QTemporaryDir scratch;
    const std::optional<QString> input =
        scratch.isValid() ? copySoundingFiles(projectFile, cptFile, scratch.path()) : std::nullopt;
    if (!input) {
        run.error = texts::kSoundingCopyFailed;
        return run;
    }
    Project project;
    try {
        project.readProject(*input, ProjectFormat::Current);
    } catch (const UserError& e) {
        run.error = e.message();
        return run;
    }
    if (project.cptFileUnread()) {
        run.error = texts::kSoundingUnreadable;
        return run;
    }
    const RunOutcome outcome = AnalysisRun(project, engineDirectory).execute();
    if (outcome.kind != RunOutcome::Kind::Completed || !outcome.plotLoaded) {
        run.error = QString(outcome.message).replace(u'\r', u' ');
        return run;
    }
    const Graph& totals = project.graph(ResultGraph::TotalCapacity);
    const QString label = QString::fromLatin1(method_info(method).curve_label);
    for (int i = 0; i < totals.lineCount(); ++i) {
        if (totals.line(i).name != label) continue;
        SoundingCapacity capacity;
        for (const QPointF& p : totals.line(i).points) {
            capacity.depth.push_back(p.y());
            capacity.capacity.push_back(p.x());
        }
        run.capacity = std::move(capacity);
        return run;
    }
    run.error = QString(texts::kSoundingNoCurve).arg(QString::fromLatin1(method_info(method).name));
    return run;
}

}  // namespace torve::app
