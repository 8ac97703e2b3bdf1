// The rounded constants the results depend on, each named once. Reports of earlier versions were
// computed with exactly these values, single-precision literals included; keeping them keeps every
// printed digit of a project's report from one version to the next. Header-only, so that the desktop
// program computes its figures with the same values without linking the engine.
#pragma once

namespace torve {

// pi as the side-friction summation writes the pile perimeter.
inline constexpr double kPiPerimeter = 3.14159;
// pi of the t-z curves' load transfer and of the settlement solver's segment load.
inline constexpr double kPiCurves = 3.1416;
// pi of the reader's equivalent diameter of a noncircular section, a single-precision literal.
inline constexpr double kPiSinglePrecision = static_cast<double>(3.1416f);
// pi / 4 of the user-specified method's full tip area.
inline constexpr double kQuarterPiUserTip = 0.7853975;

// Degrees per radian of the friction angles of API RP 2A, FHWA, USACE and Revised Lambda.
inline constexpr double kDegreesPerRadian = 57.2958;

// Atmospheric pressure in ksf, a single-precision literal (2,088.5546 lb/ft2 = 100 kPa).
inline constexpr double kAtmosphereKsf = static_cast<double>(2.0885546f);

// Open-ended tip thresholds of the cone-based methods, on the end section's inside diameter: a clay
// plug forms in any opening above the first, a sand plug only in one above the second.
inline constexpr double kOpenInClay = 1.0e-6;
inline constexpr double kOpenInSand = 1.0e-4;

// Allowance of the computation grid: a depth within it of a grid line counts as on the line. A
// single-precision literal, so a little above 1e-6.
inline constexpr double kGridAllowance = static_cast<double>(1.0e-6f);

}  // namespace torve
