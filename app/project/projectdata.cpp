// The values of one project: the pile, the methods and options, the unit system, the CPT points.
#include "app/project/projectdata.h"

#include <QLocale>
#include <cmath>

#include "app/table/unitratio.h"

namespace torve::app {
namespace {

// Conversion factors of the project's own fields besides lengths (1 in = 25.4 mm,
// 1 lbf = 4.44822199911631 N).
constexpr double kInchesPerMillimetre = 0.03937007874;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kSquareInchesPerSquareMetre = 39.37007874 * 39.37007874;
constexpr double kSquareMetresPerSquareInch = 0.0254 * 0.0254;
constexpr double kPsiPerKiloPascal = 224.8089237 / (39.37007874 * 39.37007874);
constexpr double kKiloPascalsPerPsi = 0.00444822199911631 / (0.0254 * 0.0254);

}  // namespace

UnitSystem unitSystemFromCode(int code) {
    return code >= 2 ? UnitSystem::SI : UnitSystem::English;
}

double ProjectData::circumference() const {
    // 3.1416 is the program's value of pi for the driveability export.
    const double unit = units == UnitSystem::English ? 12.0 : 1000.0;
    return circular ? 3.1416 * outerDiameter / unit : perimeter / unit;
}

std::optional<QString> ProjectData::taperWarning(const QLocale& locale) const {
    const bool tapered = pileType == PileType::Timber || pileType == PileType::RaymondStepTaper ||
                         pileType == PileType::RaymondUniformTaper || pileType == PileType::MonotubeTaper;
    if (!isSelected(Method::Fhwa) || !tapered || !(taperAngle > 0)) return std::nullopt;
    // 0.01745 rad per degree is the program's own rounding of pi/180.
    const double length = totalLength * (units == UnitSystem::English ? 12.0 : 1000.0);
    const double tip = outerDiameter - 2.0 * length * std::tan(taperAngle * 0.01745);
    if (tip >= 0) return std::nullopt;
    const double largest = std::atan((outerDiameter / 2.0) / length) / 0.01745;
    QLocale plain = locale;  // "0.000": the locale's decimal mark, no group separators
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return texts::kTaperTooLarge + plain.toString(largest, 'f', 3) + texts::kTaperTooLargeEnd;
}

std::optional<QString> ProjectData::taperWarning() const {
    return taperWarning(QLocale());
}

void ProjectData::convertUnits(UnitSystem to) {
    if (to == units) return;
    const bool si = to == UnitSystem::SI;
    const double length = si ? kMetresPerFoot : kFeetPerMetre;
    const double diameter = si ? kMillimetresPerInch : kInchesPerMillimetre;
    const double area = si ? kSquareMetresPerSquareInch : kSquareInchesPerSquareMetre;
    const double stiffness = si ? kKiloPascalsPerPsi : kPsiPerKiloPascal;
    for (double* v : {&perimeter, &outerDiameter, &innerDiameter, &endSectionInnerDiameter}) *v *= diameter;
    tipArea *= area;
    sectionArea *= area;
    for (double* v : {&totalLength, &stickupLength, &endSectionLength, &zeroFrictionLength, &incrementLength,
                      &lastLayerBottom, &criticalDepth})
        *v *= length;
    modulus *= stiffness;
    // The CPT points convert by the templates of their graph axes: ft | m and ksf | kPa.
    const double stressRatio = unitRatio(QStringLiteral("F1/L2^2"));
    const double stress = si ? 1.0 / stressRatio : stressRatio;
    for (CptPoint& p : cptPoints) {
        p.depth *= length;
        p.qc *= stress;
    }
    units = to;
}

}  // namespace torve::app
