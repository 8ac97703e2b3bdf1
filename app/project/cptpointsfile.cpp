// The CPT points file the engine reads beside the project: depth and qc of each point.
#include "app/project/cptpointsfile.h"

#include <QString>
#include <cmath>

#include "app/controls/usererror.h"

#include "app/controls/numbertext.h"
#include "app/graph/wordreader.h"
#include "app/project/texts.h"
#include "app/table/unitratio.h"

namespace torve::app {
namespace {

// lb/ft^2 per ksf: the dialog and graph show English qc in ksf, the engine reads lb/ft^2.
constexpr double kPsfPerKsf = 1000.0;

// `value` x `scale` in the file's form (1.25E+02), with as few significant digits as read back to
// `value` once divided by `scale` again: real cone data keep every digit (10.02 m stays 10.02 m), and
// round values keep the short form of three digits. When no form reads back exactly (the product
// lost a bit), 17 digits come closest.
QString exactScientific(double value, double scale) {
    const double written = value * scale;
    for (int digits = 3; digits < 17; ++digits) {
        const QString text = formatScientific(written, digits, 2);
        if (text.toDouble() / scale == value) return text;
    }
    return formatScientific(written, 17, 2);
}

}  // namespace

bool cptPointWritable(const CptPoint& point, UnitSystem units) {
    const double scale = units == UnitSystem::English ? kPsfPerKsf : 1;
    return std::isfinite(point.depth) && std::isfinite(point.qc * scale);
}

QByteArray cptPointsFileText(const ProjectData& project) {
    const bool english = project.units == UnitSystem::English;
    QString out = QStringLiteral(" %1 %2\n").arg(english ? 1 : 2).arg(project.cptPoints.size());
    for (std::size_t i = 0; i < project.cptPoints.size(); ++i) {
        const CptPoint& p = project.cptPoints[i];
        if (!cptPointWritable(p, project.units))
            throw UserError(QString(texts::kCptPointNotWritable)
                                .arg(i + 1)
                                .arg(p.depth)
                                .arg(english ? p.qc * kPsfPerKsf : p.qc));
        out += QStringLiteral("  ") + exactScientific(p.depth, 1) + QStringLiteral("  ") +
               exactScientific(p.qc, english ? kPsfPerKsf : 1) + u'\n';
    }
    return out.toLatin1();
}

CptPointsFile readCptPointsFile(const QString& path) {
    WordReader r(path, WordSyntax::EngineRecords);
    CptPointsFile file;
    r.beginRecord();
    const int units = r.readInt();
    if (units != 1 && units != 2) r.fail(texts::kUnitCodeExpected);
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
        const double l = unitRatio(QStringLiteral("L2")), s = unitRatio(QStringLiteral("F1/L2^2"));
        length = units == UnitSystem::SI ? 1 / l : l;
        stress = units == UnitSystem::SI ? 1 / s : s;
    }
    std::vector<CptPoint> points = file.points;
    for (CptPoint& p : points) {
        const double qc = file.units == UnitSystem::English ? p.qc / kPsfPerKsf : p.qc;
        p = {p.depth * length, qc * stress};
    }
    return points;
}

}  // namespace torve::app
