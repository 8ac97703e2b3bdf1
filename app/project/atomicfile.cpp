// Writing a whole file so that a failure leaves the file that was there before.
#include "app/project/atomicfile.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <cerrno>

#include "app/controls/usererror.h"
#include "app/project/texts.h"

namespace torve::app {

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile f(path);
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
    errno = 0;
    if (!f.commit()) fail(cause(errno));
}

}  // namespace torve::app
