// The desktop program's unit factors between English and S.I. units, each exact and in one place.
#pragma once

#include "engine/model/file_format.h"

namespace torve::app {

// The definitions the other factors are built from: 1 ft = 0.3048 m, 1 in = 25.4 mm and
// 1 lbf = 0.45359237 kg x 9.80665 m/s2 = 4.4482216152605 N.
inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kFeetPerMetre = 1 / kMetresPerFoot;
inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kInchesPerMillimetre = 1 / kMillimetresPerInch;
inline constexpr double kMetresPerInch = kMillimetresPerInch / 1000;
inline constexpr double kNewtonsPerPound = 4.4482216152605;

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

// A conversion's product carries a few units of the last binary place of error, from the inexact
// factor and the multiplication. A product that lies that close to a number of at most
// kSnapDigits significant digits is taken to be that number: a value entered in one system converts
// to the other and back to exactly what was entered (1500 mm, not 1499.9999999999998), while a
// converted value that is no short decimal (59.05511811023622 in) keeps every bit it has.
inline constexpr int kSnapDigits = 12;
inline constexpr double kSnapTolerance = 4e-15;  // relative; about 36 units of the last place

// value x factor, taken to the nearest number of kSnapDigits significant digits when it lies
// within kSnapTolerance of it; zero and values that are not finite stay as they are.
double converted(double value, double factor);

}  // namespace torve::app
