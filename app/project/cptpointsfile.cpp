// The CPT points file the engine reads beside the project: depth and qc of each point.
#include "app/project/cptpointsfile.h"

#include <QString>
#include <cmath>

#include "app/controls/numbertext.h"
#include "app/controls/usererror.h"
#include "app/graph/wordreader.h"
#include "app/project/texts.h"
#include "app/table/unitratio.h"
#include "app/table/units.h"

namespace torve::app {
namespace {

// `value` x `scale` in the file's form (1.25E+02), with as few significant digits as read back to
// `value` once divided by `scale` again: real cone data keep every digit (10.02 m stays 10.02 m), and
// round values keep the short form of three digits. When no form reads back exactly (the product
// lost a bit), 17 digits come closest. A value that is not finite, as written, is refused with the
// name of its field (of point `index`, from 0): the engine could not read it back.
QString exactScientific(double value, double scale, std::size_t index, const char* field) {
    const double written = value * scale;
    if (!std::isfinite(written)) {
        const QLatin1StringView what(std::isnan(written) ? "NAN" : (written < 0 ? "-INF" : "INF"));
        throw UserError(QString(texts::kNotSavedNotFinite)
                            .arg(QString(texts::kCptPointField).arg(QLatin1String(field)).arg(index + 1))
                            .arg(what));
    }
    for (int digits = 3; digits < 17; ++digits) {
        const QString text = formatScientific(written, digits, 2);
        if (text.toDouble() / scale == value) return text;
    }
    return formatScientific(written, 17, 2);
}

}  // namespace

bool cptPointWritable(const CptPoint& point, UnitSystem units) {
    const double scale = units == UnitSystem::English ? kPoundsPerKip : 1;
    return std::isfinite(point.depth) && std::isfinite(point.qc * scale);
}

QByteArray cptPointsFileText(const ProjectData& project) {
    const bool english = project.units == UnitSystem::English;
    QString out = QStringLiteral(" %1 %2\n").arg(code_of(project.units)).arg(project.cptPoints.size());
    for (std::size_t i = 0; i < project.cptPoints.size(); ++i) {
        const CptPoint& p = project.cptPoints[i];
        const double qcScale = english ? kPoundsPerKip : 1;
        out += QStringLiteral("  ") + exactScientific(p.depth, 1, i, "depth") + QStringLiteral("  ") +
               exactScientific(p.qc, qcScale, i, "cone resistance") + u'\n';
    }
    return out.toLatin1();
}

CptPointsFile readCptPointsFile(const QString& path) {
    WordReader r(path, WordSyntax::EngineRecords);
    CptPointsFile file;
    r.beginRecord();
    const int units = r.readInt();
    if (units != code_of(UnitSystem::English) && units != code_of(UnitSystem::SI))
        r.fail(texts::kUnitCodeExpected);
    file.units = static_cast<UnitSystem>(units);
    const int n = r.readInt();
    if (n < 0 || n > kMaxCptRows) r.fail(QString(texts::kCptRowsExpected).arg(kMaxCptRows));
    file.points.resize(static_cast<std::size_t>(n));
    for (CptPoint& p : file.points) {
        r.beginRecord();  // one row per line, as the engine reads them
        p.depth = r.readDouble();
        p.qc = r.readDouble();
    }
    return file;
}

std::vector<CptPoint> cptPointsIn(const CptPointsFile& file, UnitSystem units) {
    double length = 1, stress = 1;
    if (file.units != units) {
        const double s = unitRatio(QStringLiteral("F1/L2^2"));
        length = units == UnitSystem::SI ? kMetresPerFoot : kFeetPerMetre;
        stress = units == UnitSystem::SI ? 1 / s : s;
    }
    // lb/ft^2 in the file, ksf in the program.
    if (file.units == UnitSystem::English) stress /= kPoundsPerKip;
    std::vector<CptPoint> points = file.points;
    for (CptPoint& p : points) p = {converted(p.depth, length), converted(p.qc, stress)};
    return points;
}

}  // namespace torve::app
