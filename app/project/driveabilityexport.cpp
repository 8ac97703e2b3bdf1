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

// The soil line's constants after the three values: shaft quake, toe quake, shaft damping, toe
// damping (in | mm, s/ft | s/m) in fields of 8 with 3 decimals, then three fields the export fixes.
QString soilConstants(bool english, const std::vector<SoilPointRecord>& soil, double depth) {
    const double fixed[] = {english ? 0.100 : 2.540, english ? 0.600 : 5.000, english ? 0.200 : 0.160,
                            english ? 0.150 : 0.500};
    const QString rest =
        english ? QStringLiteral("   2.000    6.56    1.00") : QStringLiteral("   1.000    1.50    1.00");
    // The soil point at or above the depth gives the soil there, as for a run.
    const SoilPointRecord* at = soil.empty() ? nullptr : &soil.front();
    for (const SoilPointRecord& point : soil)
        if (point.depth <= depth) at = &point;
    QString out;
    for (std::size_t k = 0; k < std::size(fixed); ++k) {
        const std::optional<double> own = at ? at->constants.*kLayerConstantFields[k] : std::nullopt;
        out += QString::number(own.value_or(fixed[k]), 'f', 3).rightJustified(8);
    }
    return out + rest;
}

}  // namespace

QByteArray driveabilityExportText(const ProjectData& p, const std::vector<DriveabilityPoint>& points,
                                  const std::vector<SoilPointRecord>& soil) {
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
    for (const DriveabilityPoint& point : points) {
        out << u' ' + shortFormat(point.depth) + u' ' + shortFormat(point.sideResistance) + u' ' +
                   shortFormat(point.tipResistance) + soilConstants(english, soil, point.depth);
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
