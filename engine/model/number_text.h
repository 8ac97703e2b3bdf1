// Numbers of the engine's input files as text: the free format read, and the forms they are written in.
#pragma once

#include <string>
#include <string_view>

namespace torve {

// Largest magnitude a real value of an input file may have.
inline constexpr double kLargestReal = 1.0e15;

// Parses a whole token as a finite real in Fortran's forms (1, -1.5, .5, 5., 1e3, 1.5D-3).
bool parse_real(std::string_view token, double& value);
// Parses a whole token as a 32-bit integer (an optional sign and digits only).
bool parse_integer(std::string_view token, int& value);

// General form with `digits` significant digits, trailing zeros dropped: fixed point when the value
// has at most `digits` integer digits and is at least 1E-5 in magnitude, otherwise scientific as
// "1.5E-7" or "1E20", without a plus sign in the exponent. Zero (and -0) is "0". Finite values only.
std::string general_text(double v, int digits);

// The shortest text that reads back to `v`, in whichever of plain decimals and the exponent form is
// shorter ("0.0698", "1e-05", "2.1e+08"); zero (and -0) is "0". Finite values only.
std::string shortest_text(double v);

// The shortest text of `v` that reads back to the same double, in plain decimals while they stay
// within 24 characters ("0", "0.0698", "210000000", "0.00001"), else with an exponent ("1e-30").
std::string shortest_real(double v);

// `v` in scientific form with `significant` digits and an exponent of at least `exponent_digits`
// digits: (125, 3, 2) gives "1.25E+02", (24.5, 3, 1) "2.45E+1". Finite values only.
std::string scientific_text(double v, int significant, int exponent_digits);

// A number with d decimals and no padding, for messages ("12.50").
std::string decimals(double v, int d);

// `v` rounded down or up to `d` decimals, never past `v` itself: a limit as a message shows it, so
// that every value the limit refuses also breaks the limit shown. rounded_down(0.954841, 3) is
// 0.954; rounded_up(64.0833, 2) is 64.09.
double rounded_down(double v, int d);
double rounded_up(double v, int d);

}  // namespace torve
