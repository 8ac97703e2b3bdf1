// Reading a file whole, as every reader of the program's files does.
#include "app/controls/filereading.h"

#include <QFile>

#include "app/controls/usererror.h"
#include "engine/model/number_text.h"
#include "engine/model/whole_file.h"

namespace torve::app {

QByteArray readFileWhole(const QString& path, QLatin1StringView cannotOpen) {
    try {
        return QByteArray::fromStdString(torve::read_regular_file(QFile::encodeName(path).toStdString()));
    } catch (const torve::FileError& e) {
        const QString why = e.error() != 0 ? qt_error_string(e.error()) : QString::fromStdString(e.reason());
        throw UserError(QString(cannotOpen).arg(path, why), FileLocation{path, 0, 0});
    }
}

bool engineNumber(const QByteArray& word, double& value) {
    return parse_real(std::string_view(word.constData(), static_cast<std::size_t>(word.size())), value);
}

}  // namespace torve::app
