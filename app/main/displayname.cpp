// Display names of projects.
#include "app/main/displayname.h"

#include <QFileInfo>

#include "app/main/texts.h"

namespace torve::app {

QString displayName(const QString& path) {
    QString name = QFileInfo(path).fileName();
    const QString extension = QLatin1Char('.') + QString(texts::kDefaultExtension);
    if (name.endsWith(extension, Qt::CaseInsensitive)) name.chop(extension.size());
    if (name.size() > 1) name[0] = name[0].toUpper();
    return name;
}

QString windowCaption(const QString& path) {
    return texts::kCaptionPrefix + displayName(path);
}

}  // namespace torve::app
