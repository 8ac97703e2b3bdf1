// Writing a whole file so that a failure leaves the file that was there before.
#pragma once

class QByteArray;
class QString;

namespace torve::app {

// Writes `bytes` to a temporary file beside `path` and renames it into place. Every write and the
// flush are checked: a full disk, a file-size limit or any other write error cancels the temporary
// file, leaves the old file at `path` untouched and raises UserError naming the file and the cause.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace torve::app
