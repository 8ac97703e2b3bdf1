// The CPT points file the engine reads beside the project: depth and qc of each point.
#include "app/project/cptpointsfile.h"

#include <QString>
#include <QStringList>

#include "app/controls/numbertext.h"
#include "app/graph/wordreader.h"
#include "app/project/programdata.h"
#include "app/project/workspace.h"
#include "app/table/unitratio.h"

namespace torve::app {
namespace {

// lb/ft^2 per ksf: the dialog and graph show English qc in ksf, the engine reads lb/ft^2.
constexpr double kPsfPerKsf = 1000.0;

}  // namespace

QByteArray CptPointsFileText(const TProgramData& project) {
    const TGraphPlot& plot = project.workspace().MotionInput;
    const bool english = project.Units == 1;
    const int count = plot.LineCount() > 0
                          ? std::min<int>(project.CptCount, static_cast<int>(plot.Line(0).Points.size()))
                          : 0;
    QString out = QStringLiteral(" %1 %2\n").arg(english ? 1 : 2).arg(count);
    for (int i = 0; i < count; ++i) {
        const TFloatPoint& p = plot.Line(0).Points[static_cast<std::size_t>(i)];
        out += QStringLiteral("  ") + formatScientific(p.Y, 3, 2) + QStringLiteral("  ") +
               formatScientific(english ? p.X * kPsfPerKsf : p.X, 3, 2) + u'\n';
    }
    return out.toLatin1();
}

TCptPoints ReadCptPointsFile(const QString& path) {
    TWordReader r(path);
    TCptPoints points;
    points.units = r.ReadInteger();
    if (points.units != 1 && points.units != 2)
        r.Fail(QStringLiteral("A unit-system code of 1 or 2 was expected but not found."));
    const int n = r.ReadInteger();
    if (n < 0 || n > kMaxCptRows)
        r.Fail(
            QStringLiteral("A number of CPT rows from 0 to %1 was expected but not found.").arg(kMaxCptRows));
    for (int i = 0; i < n; ++i) {
        const double depth = r.ReadFloat();
        const double qc = r.ReadFloat();
        points.rows.emplace_back(depth, qc);
    }
    return points;
}

void SetCptPoints(TProgramData& project, const TCptPoints& points) {
    TGraphPlot& plot = project.workspace().MotionInput;
    plot.SetLineCount(TGraphPlot::Lines, 1);
    plot.SetPointCount(TGraphPlot::Lines, static_cast<int>(points.rows.size()));
    plot.Line(0).LineName = QStringLiteral("CPT Data");
    // A file of the other unit system is brought into the project's.
    double length = 1, stress = 1;
    if (points.units != project.Units) {
        const double l = UnitRatio(QStringLiteral("L2")), s = UnitRatio(QStringLiteral("F1/L2^2"));
        length = project.Units == 2 ? 1 / l : l;
        stress = project.Units == 2 ? 1 / s : s;
    }
    for (std::size_t i = 0; i < points.rows.size(); ++i) {
        const double qc = points.units == 1 ? points.rows[i].second / kPsfPerKsf : points.rows[i].second;
        plot.Line(0).Points[i] = {qc * stress, points.rows[i].first * length};
    }
    project.CptCount = static_cast<int>(points.rows.size());
    SetCptCaptions(project);
}

void SetCptCaptions(TProgramData& project) {
    const bool english = project.Units == 1;
    TGraphPlot& qc = project.workspace().MotionInput;
    qc.Caption = QStringLiteral("CPT Profile");
    qc.XCaption = english ? QStringLiteral("Qc, ksf") : QStringLiteral("Qc, kPa");
    qc.YCaption = english ? QStringLiteral("Depth, ft") : QStringLiteral("Depth, m");
    qc.setUnits(project.Units);
    TGraphPlot& converted = project.workspace().MotionConverted;
    if (project.workspace().MotionConvertedKind == TWorkspace::ConvertedSu)
        converted.XCaption = english ? QStringLiteral("Undrained Shear Strength Su, k/ft^2")
                                     : QStringLiteral("Undrained Shear Strength Su, kPa");
    converted.YCaption = qc.YCaption;
    converted.setUnits(project.Units);
}

}  // namespace torve::app
