// The recent-file list.
#include "app/main/recentfiles.h"

#include <QDir>
#include <QFileInfo>

namespace torve::app {

RecentFiles::RecentFiles(const QStringList& files) {
    for (const QString& f : files)
        if (!f.isEmpty() && files_.size() < kMaximum) files_.append(f);
}

bool RecentFiles::add(const QString& path) {
    if (!files_.isEmpty() && files_.first() == path) return false;
    files_.removeAll(path);
    files_.prepend(path);
    while (files_.size() > kMaximum) files_.removeLast();
    return true;
}

QString RecentFiles::menuText(int index, const QString& currentDir) const {
    const QString& path = files_.at(index);
    const QFileInfo info(path);
    const QString shown = QDir(info.absolutePath()) == QDir(currentDir) ? info.fileName() : path;
    // An "&" of the path is text, not an access key.
    return QString::number(index + 1) + QLatin1Char(' ') +
           QString(shown).replace(QLatin1Char('&'), QLatin1String("&&"));
}

}  // namespace torve::app
