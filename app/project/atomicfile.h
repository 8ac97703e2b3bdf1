// Writing a whole file so that a failure leaves the file that was there before.
#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace torve::app {

// Writes `bytes` to a new temporary file beside `path`, created exclusively, and renames it into
// place. Every write and the flush to the disk are checked: a full disk, a file-size limit or any
// other write error removes the temporary file, leaves the old file at `path` untouched and raises
// UserError naming the file and the system's cause. A link at `path` is followed: the file it names
// is replaced and the link stays (torve::FileReplacement).
void writeFileAtomically(const QString& path, const QByteArray& bytes);

// Writes files that belong together (a project and its companion files) so that they are replaced
// together or not at all: every file is written whole to its temporary file first, and only when all
// of them are complete are they renamed into place. A failure raises UserError as above and leaves
// every old file untouched.
void writeFilesTogether(const std::vector<std::pair<QString, QByteArray>>& files);

}  // namespace torve::app
