// Reading a file whole, as every reader of the program's files does.
#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>

namespace torve::app {

// The contents of the regular file at `path`, of at most 64 MB. A folder, a device or a pipe is
// refused without reading from it or waiting on it, as are a larger file and one that cannot be
// opened: UserError with `cannotOpen` (%1 the file, %2 the reason) and the file as its location.
QByteArray readFileWhole(const QString& path, QLatin1StringView cannotOpen);

// A number of a file the engine writes ("." as decimal mark whatever the locale), as the engine
// reads its own numbers; false, with `value` unchanged, for any other word.
bool engineNumber(const QByteArray& word, double& value);

}  // namespace torve::app
