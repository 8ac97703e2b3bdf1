// Fixed-width fields of the report and plot file, as a Fortran line printer lays them out.
#pragma once

#include <string>
#include <string_view>

namespace torve {

// Each function returns exactly w characters (or n blanks for blanks()). A value that does not fit
// its field gives w asterisks, so a column never shifts.
//
// Fw.d: fixed point, d decimals, right-aligned; the leading zero of |v| < 1 is dropped when only
//   that makes the value fit. Rounding is to nearest on the exact binary value.
// Ew.d: 0.ddddE+xx with the mantissa in [0.1, 1); exponents beyond two digits drop the E
//   (0.123-100). Zero prints as 0.000E+00.
// Iw / Iw.m: integer, right-aligned, at least m digits with leading zeros.
// Aw: text cut to w characters or padded with blanks on the right.
std::string format_f(double v, int w, int d);
std::string format_e(double v, int w, int d);
std::string format_i(long long v, int w, int m = 1);
std::string format_a(std::string_view text, int w);
std::string blanks(int n);

// A number with d decimals and no padding, for messages ("12.50").
std::string decimals(double v, int d);

// Builds one output line field by field: Line().x(10).a("DEPTH").f(12.5, 7, 2).str().
class Line {
  public:
    // Report lines are at most a few dozen fields wide; one allocation holds any of them.
    Line() { s_.reserve(160); }
    Line& x(int n);                          // n blanks
    Line& text(std::string_view s);          // literal text, as is
    Line& a(std::string_view s, int w);      // Aw
    Line& f(double v, int w, int d);         // Fw.d
    Line& e(double v, int w, int d);         // Ew.d
    Line& i(long long v, int w, int m = 1);  // Iw.m
    const std::string& str() const { return s_; }

  private:
    std::string s_;
};

}  // namespace torve
