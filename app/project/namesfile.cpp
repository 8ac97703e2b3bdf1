// The file of names for one run of the engine library.
#include "app/project/namesfile.h"

#include <QFile>
#include <QFileInfo>

#include "app/project/projectfile.h"

namespace torve::app {

QByteArray namesFileText(const QString& projectPath) {
    const QString input = QFileInfo(projectPath).absoluteFilePath();
    // The engine opens the paths as bytes of the file system's encoding.
    const auto line = [](const QString& path) { return QFile::encodeName(path) + '\n'; };
    QByteArray text;
    text += "2014.6.3\n";
    text += "TORVE desktop program\n";
    text += "Offshore\n";
    text += "1\n";
    text += line(input);
    text += line(besideProject(input, ".tv6o"));
    text += line(besideProject(input, ".tv6p"));
    text += line(besideProject(input, ".cpt"));
    return text;
}

}  // namespace torve::app
