// The file of names through which the program tells the engine which files a run reads and writes.
#include "app/project/namesfile.h"

#include <QFile>

#include "app/controls/usererror.h"
#include "app/project/downdragresults.h"
#include "app/project/projectdata.h"
#include "app/project/projectfile.h"
#include "app/project/settlementfile.h"
#include "app/project/texts.h"
#include "engine/model/file_format.h"
#include "engine/model/number_text.h"

namespace torve::app {

RunFileNames runFileNamesOf(const QString& projectPath) {
    RunFileNames files;
    files.input = projectPath;
    files.report = besideProject(projectPath, ".tv6o");
    files.plot = besideProject(projectPath, ".tv6p");
    files.cpt = besideProject(projectPath, ".cpt");
    return files;
}

namespace {

QByteArray pathLine(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    if (QFile::decodeName(native) != path || native.contains('\n'))
        throw UserError(QString(texts::kPathNotEncodable).arg(path));
    if (native.size() > kMaxPathChars)
        throw UserError(QString(texts::kPathTooLong).arg(path).arg(native.size()).arg(kMaxPathChars));
    return native + '\n';
}

QByteArray numberLine(const std::optional<double>& v) {
    return (v ? QByteArray::fromStdString(shortest_real(*v)) : QByteArray()) + '\n';
}

}  // namespace

RunFileNames runFileNamesOf(const QString& projectPath, const ProjectData& project) {
    RunFileNames files = runFileNamesOf(projectPath);
    files.setupDays = project.setupDays;
    files.setupA = project.setupA;
    if (hasSettlementProfile(project.settlement)) {
        files.settlement = settlementFileOf(projectPath);
        files.downdrag = downdragResultsFileOf(projectPath);
    }
    return files;
}

QByteArray namesFileText(const RunFileNames& files) {
    QByteArray text = TORVE_VERSION "\nTORVE\ntorve6\n0\n";
    for (const QString* path : {&files.input, &files.report, &files.plot, &files.cpt})
        text += pathLine(*path);
    // A run without set-up or downdrag has the file of names it always had.
    if (!files.setupDays && files.settlement.isEmpty()) return text;
    text += numberLine(files.setupDays) + numberLine(files.setupDays ? files.setupA : std::nullopt);
    if (!files.settlement.isEmpty()) text += pathLine(files.settlement) + pathLine(files.downdrag);
    return text;
}

}  // namespace torve::app
