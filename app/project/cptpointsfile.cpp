// The CPT points file the engine reads beside the project: depth and qc of each point.
#include "app/project/cptpointsfile.h"

#include <QString>
#include <cmath>

#include "app/controls/filereading.h"
#include "app/controls/usererror.h"
#include "app/graph/texts.h"
#include "app/project/projectfile.h"
#include "app/project/texts.h"
#include "app/table/unitratio.h"
#include "app/table/units.h"
#include "engine/model/project_codec.h"

namespace torve::app {
namespace {

// lb/ft^2 of the file per ksf of the project, or kPa per kPa.
double fileQcPerQc(UnitSystem units) {
    return units == UnitSystem::English ? kPoundsPerKip : 1;
}

}  // namespace

torve::CptProfile cptProfileOf(const ProjectData& project) {
    torve::CptProfile profile{code_of(project.units), project.cptPoints};
    for (CptPoint& p : profile.points) p.qc *= fileQcPerQc(project.units);
    return profile;
}

bool cptPointWritable(const CptPoint& point, UnitSystem units) {
    return std::isfinite(point.depth) && std::isfinite(point.qc * fileQcPerQc(units));
}

QByteArray cptPointsFileText(const ProjectData& project) {
    try {
        return QByteArray::fromStdString(
            write_cpt_records_desktop(code_of(project.units), project.cptPoints, fileQcPerQc(project.units)));
    } catch (const NotFiniteError& e) {
        throw UserError(QString(texts::kNotSavedNotFinite)
                            .arg(QString(texts::kCptPointField)
                                     .arg(QString::fromStdString(e.field))
                                     .arg(e.place.index + 1),
                                 QString::fromStdString(e.word())));
    }
}

torve::CptProfile readCptPointsFile(const QString& path) {
    const QByteArray text = readFileWhole(path, texts::kCannotOpen);
    ReadOptions options;
    options.desktop_tables = true;
    try {
        return read_cpt_records(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                                path.toStdString(), options)
            .records;
    } catch (const FormatError& e) {
        throw readError(e, path, true);
    }
}

std::vector<CptPoint> cptPointsIn(const torve::CptProfile& file, UnitSystem units) {
    const UnitSystem fileUnits = unitSystemFromCode(file.unit_code);
    double length = 1, stress = 1;
    if (fileUnits != units) {
        const double s = unitRatio(QStringLiteral("F1/L2^2"));
        length = units == UnitSystem::SI ? kMetresPerFoot : kFeetPerMetre;
        stress = units == UnitSystem::SI ? 1 / s : s;
    }
    // lb/ft^2 in the file, ksf in the program.
    if (fileUnits == UnitSystem::English) stress /= kPoundsPerKip;
    std::vector<CptPoint> points = file.points;
    for (CptPoint& p : points) p = {converted(p.depth, length), converted(p.qc, stress)};
    return points;
}

}  // namespace torve::app
