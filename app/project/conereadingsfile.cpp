// The cone readings file beside the project.
#include "app/project/conereadingsfile.h"

#include "app/controls/filereading.h"
#include "app/controls/usererror.h"
#include "app/graph/texts.h"
#include "app/project/texts.h"
#include "engine/model/cone_readings_file.h"
#include "engine/model/input_error.h"
#include "engine/model/project_codec.h"
#include "engine/model/unit_conversion.h"

namespace torve::app {

QByteArray coneReadingsFileText(const ProjectData& project) {
    // lb/ft^2 in the file, ksf in the program, as for the CPT points.
    const bool english = project.units == UnitSystem::English;
    std::vector<ConeReading> readings = project.coneReadings;
    if (english) {
        for (ConeReading& r : readings)
            for (std::optional<double>* v : {&r.fs, &r.u2, &r.qt})
                if (*v) **v *= 1000;
    }
    try {
        return QByteArray::fromStdString(write_cone_readings({project.units, std::move(readings)}));
    } catch (const NotFiniteError& e) {
        throw UserError(QString(texts::kNotSavedNotFinite)
                            .arg(QString(texts::kConeReadingField)
                                     .arg(QString::fromStdString(e.field))
                                     .arg(e.place.index + 1),
                                 QString::fromStdString(e.word())));
    }
}

std::vector<ConeReading> readConeReadingsFile(const QString& path, UnitSystem units) {
    const QByteArray text = readFileWhole(path, texts::kCannotOpen);
    try {
        const ConeReadingsFile file = read_cone_readings(
            std::string_view(text.constData(), static_cast<std::size_t>(text.size())), path.toStdString());
        return cone_readings_in(file.readings, file.units, units, true);
    } catch (const InputError& e) {
        throw UserError(QString::fromStdString(e.what()));
    }
}

}  // namespace torve::app
