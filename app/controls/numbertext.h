// Number texts of the desktop program: general form for fields and files, scientific forms for files.
#pragma once

#include <optional>

class QChar;
class QString;
class QStringView;

namespace torve::app {

// The significant digits the tables show a number with, and every view that shows a table's values.
inline constexpr int kTableDigits = 8;

// General form with `digits` significant digits, trailing zeros dropped: fixed point when the value
// has at most `digits` integer digits and is at least 1E-5 in magnitude, otherwise scientific as
// "1.5E-7" or "1E20". The exponent carries no plus sign, so the text of an intermediate result reads
// back through the expression evaluator, whose + is an operator.
QString formatGeneral(long double value, int digits, QChar decimalPoint);

// Scientific form with `significant` digits and an exponent of at least `exponentDigits` digits,
// always "." as decimal mark: formatScientific(125, 3, 2) gives "1.25E+02", (24.5, 3, 1) "2.45E+1".
QString formatScientific(double value, int significant, int exponentDigits);

// The shortest "."-decimal text that reads back to exactly `value`.
QString shortestText(double value);

// A decimal number in the strict form [-]digits[<point>digits][(e|E)[+|-]digits], with at least one
// mantissa digit; anything else (blanks, "inf", "nan", hex, a leading +) gives nothing.
std::optional<long double> parseDecimal(QStringView text, QChar decimalPoint);

}  // namespace torve::app
