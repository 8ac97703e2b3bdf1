// The driveability data file for GRLWeap, written beside the project on every save.
#include "app/project/driveabilityexport.h"

#include <QString>
#include <QStringList>

#include "app/controls/numbertext.h"
#include "app/project/projectdata.h"
#include "app/project/results.h"
#include "app/table/units.h"

namespace torve::app {
namespace {

QString longFormat(double v) {
    return formatScientific(v, 3, 2);  // 2.45E+01
}

QString shortFormat(double v) {
    return formatScientific(v, 3, 1);  // 2.45E+1
}

// Unit weight of the pile material (lb/ft^3 | kN/m^3): timber, precast concrete, steel.
double specificWeight(PileType pileType, bool english) {
    if (pileType == PileType::Timber) return english ? 50 : 7.9;
    if (pileType == PileType::PrecastConcrete) return english ? 150 : 23.56;
    return english ? 492 : 77.28;
}

}  // namespace

QByteArray driveabilityExportText(const ProjectData& p, const std::vector<DriveabilityPoint>& points) {
    const bool english = p.units == UnitSystem::English;
    const double depth = points.empty() ? 0.0 : points.back().depth;
    // 0.7854 = pi / 4; S.I. diameters are in mm, the area goes out in cm^2.
    const double area = (p.outsideDiameter * p.outsideDiameter - p.insideDiameter * p.insideDiameter) *
                        0.7854 / (english ? 1.0 : 100.0);
    QString title = p.title;
    title.replace(u'\r', u' ');
    title.replace(u'\n', u' ');

    QStringList out;
    out << title + (english ? QStringLiteral("GRLWeap Driviability file VER. 2  VER. 1994 1 1")
                            : QStringLiteral("GRLWeap Driviability file VER. 2  VER. 1994 1 0"));
    out << QStringLiteral(
        "-100   0   1   0   1   0   0   0   0   3   0   0   0   0   0   0   0   0     0.000");
    out << QStringLiteral("   32.1700   32.1700");
    out << QStringLiteral("      0.00      0.00      0.00    0.0000    0.0000    0.0100      0.00");
    out << QStringLiteral("   3600.00    207.00    0.0000    0.5000    3.0000         0");
    out << QStringLiteral("  ") + longFormat(depth) + QStringLiteral("  ") + longFormat(area) +
               QStringLiteral("  ") +
               longFormat(p.modulusOfElasticity / (english ? kPoundsPerKip : kKiloPascalsPerMegaPascal)) +
               QStringLiteral("  ") + longFormat(specificWeight(p.pileType, english)) + QStringLiteral("  ") +
               longFormat(p.circumference()) + QStringLiteral("     4.000     1.000     0.010");
    for (int i = 0; i < 2; ++i)
        out << QStringLiteral(
            "     0.000     0.000       0.0    0.0000    0.0000     0.000     0.000     0.000");
    for (int i = 0; i < 2; ++i) out << QStringLiteral("    0.0000    0.0000    0.0000    0.0000");
    const QString soil = english ? QStringLiteral("   0.100   0.600   0.200   0.150   2.000    6.56    1.00")
                                 : QStringLiteral("   2.540   5.000   0.160   0.500   1.000    1.50    1.00");
    for (const DriveabilityPoint& point : points) {
        out << u' ' + shortFormat(point.depth) + u' ' + shortFormat(point.sideResistance) + u' ' +
                   shortFormat(point.tipResistance) + soil;
    }
    for (int i = 0; i < 2; ++i)
        out << QStringLiteral(
            "  1.0000  1.0000  1.0000  1.0000  1.0000  0.0000  0.0000  0.0000  0.0000  0.0000");
    for (int quarter = 1; quarter <= 4; ++quarter)
        out << QStringLiteral("  ") + longFormat(depth * quarter / 4.0) +
                   QStringLiteral("      0.00      0.00     0.000      0.00    0.0000    0.0000    0.0000");
    out << QStringLiteral("      0.00      0.00      0.00     0.000      0.00    0.0000    0.0000    0.0000");
    return (out.join(u'\n') + u'\n').toUtf8();
}

}  // namespace torve::app
