// Writing a whole file so that a failure leaves the file that was there before.
#include "app/project/atomicfile.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>

#include "app/controls/usererror.h"
#include "app/project/texts.h"
#include "engine/model/whole_file.h"

namespace torve::app {

namespace {

std::string nativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// The system's own reason ("No space left on device", "Permission denied") tells the user what to do.
UserError writeError(const torve::FileError& e, const QString& path) {
    const QString why = e.error() != 0 ? qt_error_string(e.error()) : QString::fromStdString(e.reason());
    return UserError(QString(texts::kCannotWrite).arg(path, why), FileLocation{path, 0, 0});
}

}  // namespace

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    writeFilesTogether({{path, bytes}});
}

void writeFilesTogether(const std::vector<std::pair<QString, QByteArray>>& files) {
    std::vector<std::pair<std::string, std::string>> native;
    native.reserve(files.size());
    for (const auto& [path, bytes] : files) native.emplace_back(nativePath(path), bytes.toStdString());
    try {
        torve::write_files_together(native);
    } catch (const torve::FileError& e) {
        for (std::size_t i = 0; i < files.size(); ++i)
            if (native[i].first == e.path()) throw writeError(e, files[i].first);
        throw writeError(e, QFile::decodeName(QByteArray::fromStdString(e.path())));
    }
}

}  // namespace torve::app
