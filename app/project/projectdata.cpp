// The values of one project: the pile, the methods and options, the unit system, the CPT points.
#include "app/project/projectdata.h"

#include <QLocale>

#include "app/table/unitratio.h"
#include "app/table/units.h"
#include "engine/model/number_text.h"
#include "engine/model/rounded_constants.h"
#include "engine/model/taper_limit.h"
#include "engine/model/unit_conversion.h"

namespace torve::app {
UnitSystem unitSystemFromCode(int code) {
    return code >= 2 ? UnitSystem::SI : UnitSystem::English;
}

double ProjectData::circumference() const {
    // The driveability export has always been computed with the curves' value of pi.
    const double unit = diameterPerLength(units);
    return circular ? kPiCurves * outsideDiameter / unit : perimeter / unit;
}

std::optional<QString> ProjectData::taperWarning(const QLocale& locale) const {
    const bool tapered = pileType == PileType::Timber || pileType == PileType::RaymondStepTaper ||
                         pileType == PileType::RaymondUniformTaper || pileType == PileType::MonotubeTaper;
    if (!isSelected(Method::Fhwa) || !tapered || !(taperAngle > 0)) return std::nullopt;
    const double length = totalPileLength * diameterPerLength(units);
    if (!taper_too_large(taperAngle, outsideDiameter, length)) return std::nullopt;
    QLocale plain = locale;  // "0.000": the locale's decimal mark, no group separators
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    // Rounded down, so that the angle refused is never below the one the warning allows.
    const double largest = rounded_down(largest_taper_angle(outsideDiameter, length), 3);
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
    const double area = si ? 1 / kSquareInchesPerSquareMetre : kSquareInchesPerSquareMetre;
    const double stiffness = si ? 1 / kPsiPerKiloPascal : kPsiPerKiloPascal;
    for (double* v : {&perimeter, &outsideDiameter, &insideDiameter, &enhancedEndSectionInsideDiameter})
        *v = converted(*v, diameter);
    for (double* v : {&tipArea, &crossSectionArea}) *v = converted(*v, area);
    for (double* v : {&totalPileLength, &stickupLength, &enhancedEndSectionLength, &zeroFrictionLength,
                      &computationIncrement, &deepestSoilDepth, &criticalDepth})
        *v = converted(*v, length);
    modulusOfElasticity = converted(modulusOfElasticity, stiffness);
    // The CPT points convert by the templates of their graph axes: ft | m and ksf | kPa.
    const double stressRatio = unitRatio(QStringLiteral("F1/L2^2"));
    const double stress = si ? 1.0 / stressRatio : stressRatio;
    for (CptPoint& p : cptPoints) {
        p.depth = converted(p.depth, length);
        p.qc = converted(p.qc, stress);
    }
    for (ConeReading& r : coneReadings) {
        r.depth = converted(r.depth, length);
        for (std::optional<double>* v : {&r.fs, &r.u2, &r.qt})
            if (*v) **v = converted(**v, stress);
    }
    for (double& d : settlement.soil.depth) d = converted(d, length);
    for (double& v : settlement.soil.settlement) v = converted(v, diameter);
    if (settlement.head_load) {
        const double force = si ? kNewtonsPerPound : 1 / kNewtonsPerPound;  // kips to kN and back
        settlement.head_load = converted(*settlement.head_load, force);
    }
    units = to;
}

}  // namespace torve::app
