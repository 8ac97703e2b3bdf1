// A copy of an example project of the source tree in a scratch folder.
#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace torve::app::test {

// examples/NAME.tv6d and its CPT data file NAME.cpt copied into `dir`; the copy's project file.
inline QString copyExample(const QTemporaryDir& dir, const QString& name) {
    const QString source = QStringLiteral(TORVE_SOURCE_DIR "/examples/") + name;
    for (const char* extension : {".tv6d", ".cpt"})
        QFile::copy(source + QLatin1String(extension), dir.filePath(name + QLatin1String(extension)));
    return dir.filePath(name + QStringLiteral(".tv6d"));
}

}  // namespace torve::app::test
