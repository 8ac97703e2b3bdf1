// The desktop program's unit factors between English and S.I. units, each exact and in one place.
#pragma once

#include "engine/model/file_format.h"
#include "engine/model/unit_conversion.h"

namespace torve::app {

// The definitions the other factors are built from: 1 ft = 0.3048 m, 1 in = 25.4 mm and
// 1 lbf = 0.45359237 kg x 9.80665 m/s2 = 4.4482216152605 N.
inline constexpr double kMetresPerFoot = torve::kMetresPerFoot;
inline constexpr double kFeetPerMetre = 1 / kMetresPerFoot;
inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kInchesPerMillimetre = 1 / kMillimetresPerInch;
inline constexpr double kMetresPerInch = kMillimetresPerInch / 1000;
inline constexpr double kNewtonsPerPound = torve::kNewtonsPerPound;

// Diameters against lengths of the same system: in per ft (12) or mm per m (1000).
inline constexpr double kInchesPerFoot = 12;
inline constexpr double kMillimetresPerMetre = 1000;
constexpr double diameterPerLength(UnitSystem units) {
    return units == UnitSystem::English ? kInchesPerFoot : kMillimetresPerMetre;
}

// Forces and stresses within English units: lb per kip (the CPT points file holds qc in lb/ft2, the
// program shows ksf; the driveability export gives the modulus in ksi).
inline constexpr double kPoundsPerKip = 1000;
// The S.I. counterpart: the driveability export gives the modulus in MPa.
inline constexpr double kKiloPascalsPerMegaPascal = 1000;

// English units per S.I. unit of the project's own fields.
inline constexpr double kSquareInchesPerSquareMetre = 1 / (kMetresPerInch * kMetresPerInch);
inline constexpr double kPsiPerKiloPascal = kMetresPerInch * kMetresPerInch / (kNewtonsPerPound / 1000);

// value x factor, taken to a short decimal where it lies within a few units of the last place of
// one (the engine's converted_value): a value entered in one system converts to the other and back
// to exactly what was entered.
double converted(double value, double factor);

}  // namespace torve::app
