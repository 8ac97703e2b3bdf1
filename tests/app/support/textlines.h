// The lines of a text file the desktop core writes, for comparing them one by one.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace torve::app::test {

// The non-empty lines of `text`, read as UTF-8.
inline QStringList nonEmptyLines(const QByteArray& text) {
    return QString::fromUtf8(text).split(u'\n', Qt::SkipEmptyParts);
}

}  // namespace torve::app::test
