// The file of names through which the program tells the engine which files a run reads and writes.
#include "app/project/namesfile.h"

#include <QFile>

#include "app/controls/usererror.h"
#include "app/project/projectfile.h"
#include "app/project/texts.h"
#include "engine/model/file_format.h"

namespace torve::app {

RunFileNames runFileNamesOf(const QString& projectPath) {
    return {projectPath, besideProject(projectPath, ".tv6o"), besideProject(projectPath, ".tv6p"),
            besideProject(projectPath, ".cpt")};
}

QByteArray namesFileText(const RunFileNames& files) {
    QByteArray text = TORVE_VERSION "\nTORVE\ntorve6\n0\n";
    for (const QString* path : {&files.input, &files.report, &files.plot, &files.cpt}) {
        const QByteArray native = QFile::encodeName(*path);
        if (QFile::decodeName(native) != *path || native.contains('\n'))
            throw UserError(QString(texts::kPathNotEncodable).arg(*path));
        if (native.size() > kMaxPathChars)
            throw UserError(QString(texts::kPathTooLong).arg(*path).arg(native.size()).arg(kMaxPathChars));
        text += native + '\n';
    }
    return text;
}

}  // namespace torve::app
