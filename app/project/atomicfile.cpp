// Writing a whole file so that a failure leaves the file that was there before.
#include "app/project/atomicfile.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <cerrno>
#include <memory>

#include "app/controls/usererror.h"
#include "app/project/texts.h"

namespace torve::app {

namespace {

// Writes the bytes to the save file's temporary file; nothing is renamed yet.
void writeTemporary(QSaveFile& f, const QString& path, const QByteArray& bytes) {
    // Qt names a failed write "Unknown error"; the system's own reason ("No space left on device",
    // "File too large") tells the user what to do.
    auto cause = [&](int error) { return error != 0 ? qt_error_string(error) : f.errorString(); };
    auto fail = [&](const QString& why) {
        f.cancelWriting();
        throw UserError(QString(texts::kCannotWrite).arg(path, why), FileLocation{path, 0, 0});
    };
    errno = 0;
    if (!f.open(QIODevice::WriteOnly)) fail(cause(errno));
    // QSaveFile buffers small writes, and in Qt 6.4 commit() reports success even when flushing that
    // buffer failed, renaming a truncated file over the old one. The buffer is flushed here, where its
    // failure shows, and commit() is left to rename a complete file.
    errno = 0;
    if (f.write(bytes) != bytes.size() || !f.flush() || f.error() != QFileDevice::NoError) fail(cause(errno));
}

void commit(QSaveFile& f, const QString& path) {
    errno = 0;
    if (f.commit()) return;
    const QString why = errno != 0 ? qt_error_string(errno) : f.errorString();
    throw UserError(QString(texts::kCannotWrite).arg(path, why), FileLocation{path, 0, 0});
}

}  // namespace

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile f(path);
    writeTemporary(f, path, bytes);
    commit(f, path);
}

void writeFilesTogether(const std::vector<std::pair<QString, QByteArray>>& files) {
    // Save files that go out of scope uncommitted remove their temporary files.
    std::vector<std::unique_ptr<QSaveFile>> written;
    for (const auto& [path, bytes] : files) {
        written.push_back(std::make_unique<QSaveFile>(path));
        writeTemporary(*written.back(), path, bytes);
    }
    for (std::size_t i = 0; i < files.size(); ++i) commit(*written[i], files[i].first);
}

}  // namespace torve::app
