// Values taken from one unit system to the other, the same way by the engine and every front end.
#pragma once

#include <optional>

#include "engine/model/cpt_profile.h"
#include "engine/model/file_format.h"

namespace torve {

// The definitions the factors are built from: 1 ft = 0.3048 m, 1 in = 25.4 mm and
// 1 lbf = 0.45359237 kg x 9.80665 m/s2 = 4.4482216152605 N.
inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kNewtonsPerPound = 4.4482216152605;

// A conversion's product carries a few units of the last binary place of error, from the inexact
// factor and the multiplication. A product that lies that close to a number of at most
// kSnapDigits significant digits is taken to be that number: a value entered in one system converts
// to the other and back to exactly what was entered (1500 mm, not 1499.9999999999998), while a
// converted value that is no short decimal (59.05511811023622 in) keeps every bit it has.
inline constexpr int kSnapDigits = 12;
inline constexpr double kSnapTolerance = 4e-15;  // relative; about 36 units of the last place

// value x factor, taken to the nearest number of kSnapDigits significant digits when it lies
// within kSnapTolerance of it; zero and values that are not finite stay as they are.
double converted_value(double value, double factor);

// The unit system a CPT data file's unit-system code names: 1 English (ft, lb/ft2), 2 S.I. (m, kPa);
// none for any other code.
std::optional<UnitSystem> cpt_unit_system(int unit_code);

// Factors from a CPT data file's units to a project's: depth per file depth, and qc per file qc
// with qc in the unit `qc_in_ksf` asks for (ksf, as the desktop program shows it, or lb/ft2 as the
// files and the engine hold it) in an English project; kPa in an S.I. one.
struct CptFactors {
    double depth = 1;
    double qc = 1;
};
CptFactors cpt_factors(UnitSystem file, UnitSystem project, bool qc_in_ksf);

// The CPT points of `file` as a project in `project` units holds them in its CPT data file (depth ft
// or m, qc lb/ft2 or kPa), under the project's unit-system code. A file of the other system is
// converted point by point (converted_value); a file of the project's system, or of a code that
// names no system (which the checks refuse when it has points), is taken as it stands.
CptProfile cpt_profile_in(const CptProfile& file, UnitSystem project);

}  // namespace torve
