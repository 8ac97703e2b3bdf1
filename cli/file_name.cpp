// File names between the command line, which passes bytes, and the desktop core, which takes QString.
#include "cli/file_name.h"

#include <QByteArray>
#include <QFile>

#include "engine/model/text_encoding.h"

namespace torve::cli {

std::optional<QString> core_file_name(const std::string& bytes) {
    const QByteArray raw(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString name = QFile::decodeName(raw);
    if (QFile::encodeName(name) != raw) return std::nullopt;
    return name;
}

std::string unusable_file_name(const std::string& bytes) {
    // The very name that is no UTF-8: shown with its stray bytes as \xNN, so the message is text.
    return printable_text(bytes) +
           ": the file name cannot be represented in the system's file-name encoding (UTF-8); rename the "
           "file "
           "or its folder.";
}

std::string native_file_name(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

}  // namespace torve::cli
