// Expression entry: every number the user types is an arithmetic expression, evaluated here.
#pragma once

class QLocale;
class QString;

namespace torve::app {

// The widest floating type of the platform (80-bit on x86); numeric fields compute in it.
using Extended = long double;

// Evaluates an expression such as "2+3*4", "(e)-1", "sqrt4!", "$1F" or "150*2" in the locale's
// decimal separator. Operators by rank, each rank left to right: ^ (2^3^2 = 64); * / % &; + - |; =.
// Functions take radians and apply to the operand that follows them. Raises UserError "Entry could
// not be evaluated:" + "\r" + detail; arithmetic faults (division by zero, an invalid operation such
// as sqrt-1, overflow) are reported the same way, so no infinite or NaN value ever comes back.
Extended evaluateExpression(const QString& text, const QLocale& locale);
Extended evaluateExpression(const QString& text);  // in the user's locale

// The text a numeric field shows for `value`: with `hex`, "$" and the rounded value in upper-case
// hexadecimal with at least 4 digits; otherwise the general form with 12 significant digits. The
// text of a value with more digits does not read back to it: the field keeps the value itself.
QString formatEntry(Extended value, bool hex, const QLocale& locale);
QString formatEntry(Extended value, bool hex = false);

}  // namespace torve::app
