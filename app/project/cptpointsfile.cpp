// The CPT points file the engine reads beside the project: depth and qc of each point.
#include "app/project/cptpointsfile.h"

#include <QString>
#include <cmath>

#include "app/controls/filereading.h"
#include "app/controls/usererror.h"
#include "app/graph/texts.h"
#include "app/project/projectfile.h"
#include "app/project/texts.h"
#include "app/table/units.h"
#include "engine/model/input_checks.h"
#include "engine/model/project_codec.h"
#include "engine/model/unit_conversion.h"

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

std::optional<QString> cptPointRefusal(const CptPoint& point, UnitSystem units) {
    const std::optional<Finding> f = cpt_row_refusal({point.depth, point.qc * fileQcPerQc(units)});
    if (!f) return std::nullopt;
    return QString::fromStdString(f->message);
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
    // ksf in the program: the factors of every reader, with qc of an English file from lb/ft^2.
    const CptFactors f = cpt_factors(unitSystemFromCode(file.unit_code), units, true);
    std::vector<CptPoint> points = file.points;
    for (CptPoint& p : points) p = {converted(p.depth, f.depth), converted(p.qc, f.qc)};
    return points;
}

}  // namespace torve::app
