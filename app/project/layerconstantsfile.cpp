// The soil layer constants file beside a saved project.
#include "app/project/layerconstantsfile.h"

#include <QFile>
#include <QFileInfo>

#include "app/controls/filereading.h"
#include "app/controls/usererror.h"
#include "app/graph/texts.h"
#include "app/project/projectfile.h"
#include "app/project/texts.h"
#include "engine/model/input_error.h"
#include "engine/model/layer_constants_file.h"
#include "engine/model/project_codec.h"

namespace torve::app {

QString layerConstantsFileName(const QString& projectPath) {
    return besideProject(projectPath, ".layers.csv");
}

void readLayerConstantsBeside(const QString& projectPath, ProjectRecords& records) {
    const QString path = layerConstantsFileName(projectPath);
    if (!QFileInfo::exists(path)) return;
    const QByteArray bytes = readFileWhole(path, texts::kCannotOpen);
    try {
        read_layer_constants(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                             path.toStdString(), records);
    } catch (const InputError& e) {
        throw UserError(QString::fromStdString(e.what()),
                        FileLocation{path, static_cast<int>(e.place().line), 0});
    }
}

std::optional<QByteArray> layerConstantsText(const ProjectRecords& records) {
    if (!has_layer_constants(records)) return std::nullopt;
    try {
        return QByteArray::fromStdString(write_layer_constants(records));
    } catch (const NotFiniteError& e) {
        const QString field =
            QString(texts::kSoilPointField).arg(e.place.index + 1).arg(QString::fromStdString(e.field));
        throw UserError(QString(texts::kNotSavedNotFinite).arg(field, QString::fromStdString(e.word())));
    }
}

void removeStaleLayerConstants(const QString& projectPath) {
    QFile file(layerConstantsFileName(projectPath));
    if (file.exists() && !file.remove())
        throw UserError(QString(texts::kLayerConstantsNotRemoved).arg(file.fileName(), file.errorString()));
}

}  // namespace torve::app
