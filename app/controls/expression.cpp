// Expression entry: parentheses innermost first, sign classification, then four ranked passes.
#include "app/controls/expression.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

#include "app/controls/numbertext.h"
#include "app/controls/texts.h"
#include "app/controls/usererror.h"

namespace torve::app {
namespace {

// Marks a subtraction once the signs are sorted out; a private-use character, so it cannot be typed
// (a pasted one is refused below).
constexpr char16_t kSubtract = 0xE000;

// Significant digits of intermediate results; with the 64-bit mantissa of Extended they read back
// to the same value to the last bit that matters.
constexpr int kDigits = 18;

// Significant digits a field shows. Twelve are more than any soil or pile datum is known to, and
// few enough that the binary noise of a unit conversion (24 in as 609.5999999999999 mm) never
// shows; the field keeps the exact value behind the text while the text is unchanged.
constexpr int kShownDigits = 12;

// Deepest nesting an entry may have: parentheses within parentheses, or functions and factorials on
// one operand ("sinsinsin1", "3!!!"). Far beyond anything typed; it keeps a pasted text of any length
// from taking the program's time or memory.
constexpr std::size_t kMaxNesting = 256;

[[noreturn]] void fail(QLatin1StringView detail) {
    throw UserError(QString(texts::kNotEvaluated) + detail);
}

// Function names in the order they are tried as a prefix: longer names that share a start with a
// shorter one come first (cosec before cos and csc).
constexpr std::array<const char*, 25> kFunctions = {
    "arctanh", "arctan", "cotan",   "tanh",   "tan",   "arccosh", "arccos", "cosh", "cosec",
    "cos",     "sec",    "arcsinh", "arcsin", "sinh",  "sin",     "csc",    "abs",  "frac",
    "int",     "ln",     "round",   "ceil",   "floor", "log",     "sqrt"};

bool isFunctionName(QStringView s) {
    for (const char* f : kFunctions)
        if (s.compare(QLatin1String(f), Qt::CaseInsensitive) == 0) return true;
    return false;
}

bool isOperator(QChar c) {
    switch (c.unicode()) {
        case u'^':
        case u'*':
        case u'/':
        case u'%':
        case u'+':
        case kSubtract:
        case u'=':
        case u'|':
        case u'&':
            return true;
        default:
            return false;
    }
}

// A result must be a finite number: the field never takes an infinity or a NaN into the project.
Extended checked(Extended v) {
    if (std::isnan(v)) fail(texts::kInvalidOperation);
    if (std::isinf(v)) fail(texts::kOverflow);
    return v;
}

Extended divide(Extended a, Extended b) {
    if (b == 0) fail(texts::kDivisionByZero);
    return checked(a / b);
}

// Integer part of a value that must fit a 64-bit integer (the remainder operator works on those).
std::int64_t integerPart(Extended v) {
    const Extended t = std::trunc(v);
    if (!(t >= -9.2233720368547758e18L && t < 9.2233720368547758e18L)) fail(texts::kInvalidOperation);
    return static_cast<std::int64_t>(t);
}

Extended factorial(Extended x) {
    if (x != std::trunc(x)) fail(texts::kFactorialOfFraction);
    Extended r = 1;
    // Stops at the first overflow, so a huge argument costs at most ~1755 steps.
    for (Extended k = 2; k <= std::fabs(x); k += 1) {
        r *= k;
        if (std::isinf(r)) fail(texts::kOverflow);
    }
    return x < 0 ? -r : r;
}

// Ceil and floor give a signed 32-bit whole number; a value outside that range is refused rather
// than wrapped.
Extended int32Result(Extended v) {
    if (v < -2147483648.0L || v > 2147483647.0L) fail(texts::kOverflow);
    return v;
}

class Evaluator {
  public:
    explicit Evaluator(QChar decimalPoint) : dp_(decimalPoint) {}

    Extended expression(const QString& input) const;

  private:
    // An expression without parentheses.
    Extended flatExpression(QString s) const;
    Extended operand(QString t) const;
    // A constant, a hexadecimal or a decimal number: an operand without functions and factorials.
    Extended plainOperand(QStringView t) const;
    Extended function(int index, Extended x) const;
    QString text(Extended v) const { return formatGeneral(v, kDigits, dp_); }

    QChar dp_;
};

Extended Evaluator::function(int index, Extended x) const {
    const std::string_view name = kFunctions[static_cast<std::size_t>(index)];
    if (name == "arctanh") return checked(std::atanh(x));
    if (name == "arctan") return checked(std::atan(x));
    if (name == "cotan") return divide(1, std::tan(x));
    if (name == "tanh") return checked(std::tanh(x));
    if (name == "tan") return checked(std::tan(x));
    if (name == "arccosh") return checked(std::acosh(x));
    if (name == "arccos") return checked(std::acos(x));
    if (name == "cosh") return checked(std::cosh(x));
    if (name == "cosec" || name == "csc") return divide(1, std::sin(x));
    if (name == "cos") return checked(std::cos(x));
    if (name == "sec") return divide(1, std::cos(x));
    if (name == "arcsinh") return checked(std::asinh(x));
    if (name == "arcsin") return checked(std::asin(x));
    if (name == "sinh") return checked(std::sinh(x));
    if (name == "sin") return checked(std::sin(x));
    if (name == "abs") return std::fabs(x);
    if (name == "frac") return x - std::trunc(x);
    if (name == "int") return std::trunc(x);
    if (name == "ln" || name == "log") {
        if (x == 0) fail(texts::kDivisionByZero);  // the logarithm of 0 is a pole, as 1/0
        return checked(name == "ln" ? std::log(x) : std::log10(x));
    }
    if (name == "round") return std::nearbyint(x);  // the default rounding mode: halves to even
    if (name == "ceil") return int32Result(std::ceil(x));
    if (name == "floor") return int32Result(std::floor(x));
    return checked(std::sqrt(x));  // sqrt
}

std::optional<Extended> constantOf(QStringView t) {
    if (t == u"pi") return 3.14159265358979323846264338327950288L;
    if (t == u"-pi") return -3.14159265358979323846264338327950288L;
    if (t == u"e") return 2.71828182845904523536028747135266250L;
    if (t == u"-e") return -2.71828182845904523536028747135266250L;
    return std::nullopt;
}

// The function whose name starts `t`, as an index into kFunctions, or -1.
int functionPrefix(QStringView t) {
    for (std::size_t i = 0; i < kFunctions.size(); ++i)
        if (t.startsWith(QLatin1String(kFunctions[i]))) return static_cast<int>(i);
    return -1;
}

// An operand is a chain of function names, a constant or number, and factorials: "sqrt4!" is the
// square root of 4!. The chain is taken apart in one walk and applied from the inside out, so its
// length costs neither stack nor repeated copies.
Extended Evaluator::operand(QString t) const {
    t.replace(QStringLiteral("--"), QString());  // a double negation cancels
    t = t.toLower();
    QStringView rest(t);
    std::vector<int> functions;
    std::optional<Extended> value;
    while (!(value = constantOf(rest))) {
        const int f = functionPrefix(rest);
        if (f < 0) break;
        if (functions.size() == kMaxNesting) fail(texts::kTooDeeplyNested);
        functions.push_back(f);
        rest = rest.sliced(qsizetype(std::strlen(kFunctions[static_cast<std::size_t>(f)])));
    }
    std::size_t factorials = 0;
    while (!value && rest.endsWith(u'!')) {
        if (functions.size() + ++factorials > kMaxNesting) fail(texts::kTooDeeplyNested);
        rest.chop(1);
        value = constantOf(rest);
    }
    Extended x = value ? *value : plainOperand(rest);
    for (std::size_t k = 0; k < factorials; ++k) x = factorial(x);
    for (auto f = functions.rbegin(); f != functions.rend(); ++f) x = function(*f, x);
    return x;
}

Extended Evaluator::plainOperand(QStringView t) const {
    if (t.startsWith(u'$')) {
        const QStringView digits = t.sliced(1);
        bool ok = false;
        const qulonglong v = digits.toULongLong(&ok, 16);
        // 16 digits at most: beyond that the value no longer fits; a sign is not a hex digit.
        if (!ok || digits.isEmpty() || digits.size() > 16 || digits.startsWith(u'+') ||
            digits.startsWith(u'-'))
            fail(texts::kInvalidHex);
        return static_cast<Extended>(static_cast<std::int64_t>(v));
    }
    const std::optional<long double> v = parseDecimal(t, dp_);
    if (!v) fail(texts::kInvalidCharacters);
    return checked(*v);
}

// Parentheses, innermost first: each closing one takes the last opening one before it that is still
// open, as if the first closing parenthesis of the text were evaluated and replaced by its value over
// and over, but in one walk over the text. An opening one left open stays in the text and fails later
// as an invalid character.
Extended Evaluator::expression(const QString& input) const {
    if (input.isEmpty()) fail(texts::kBlankEntry);
    QString s = input;
    s.remove(u' ');
    s.remove(u'\t');
    if (s.contains(QChar(kSubtract))) fail(texts::kInvalidCharacters);
    QString flat;
    flat.reserve(s.size());
    std::vector<qsizetype> open;
    for (const QChar c : s) {
        if (c == u'(') {
            if (open.size() == kMaxNesting) fail(texts::kTooDeeplyNested);
            open.push_back(flat.size());
            flat += c;
        } else if (c == u')') {
            if (open.empty()) fail(texts::kParenthesesMismatch);
            const qsizetype at = open.back();
            open.pop_back();
            if (at + 1 == flat.size()) fail(texts::kBlankEntry);  // "()" holds no entry
            const Extended inner = flatExpression(flat.mid(at + 1));
            flat.truncate(at);
            flat += text(inner);
        } else {
            flat += c;
        }
    }
    return flatExpression(flat);
}

Extended Evaluator::flatExpression(QString s) const {
    // A minus is a sign when it starts the text, follows an operator, an exponent mark or another
    // minus, or follows a function name that starts the text or an operand (so "sin(-0.5)", which
    // became "sin-0.5", and "1+sin(-0.5)" both work); otherwise it subtracts.
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] != u'-' || i == 0) continue;
        const QChar prev = s[i - 1];
        bool sign = QStringView(u"%&*+/=E^e|-").contains(prev) || prev == QChar(kSubtract);
        if (!sign) {
            const QStringView before = QStringView(s).left(i);
            sign = before == u"!" || before == u"$";
            qsizetype j = i;
            while (j > 0 && s[j - 1].isLetter()) --j;
            if (!sign && j < i && isFunctionName(QStringView(s).mid(j, i - j)))
                sign = j == 0 || isOperator(s[j - 1]) || s[j - 1] == u'-';
        }
        if (!sign) s[i] = QChar(kSubtract);
    }

    // Operands and operators; two operators in a row leave an empty operand, a trailing one none.
    QStringList operands;
    std::vector<QChar> operators;
    QString current;
    for (const QChar c : s) {
        if (isOperator(c)) {
            operands.append(current);
            current.clear();
            operators.push_back(c);
        } else {
            current += c;
        }
    }
    if (!current.isEmpty()) operands.append(current);
    if (operands.size() != static_cast<qsizetype>(operators.size()) + 1) fail(texts::kInvalidExpression);

    // One pass per rank, left to right: each operator of the rank combines the result so far with the
    // operand after it; the others are kept for the next pass.
    auto pass = [&](QStringView ops, auto apply) {
        QStringList keptOperands{operands.front()};
        std::vector<QChar> keptOperators;
        for (std::size_t k = 0; k < operators.size(); ++k) {
            const QString& next = operands[static_cast<qsizetype>(k) + 1];
            if (ops.contains(operators[k])) {
                keptOperands.back() = text(apply(operators[k], keptOperands.back(), next));
            } else {
                keptOperators.push_back(operators[k]);
                keptOperands.append(next);
            }
        }
        operands = std::move(keptOperands);
        operators = std::move(keptOperators);
    };
    pass(u"^", [&](QChar, const QString& a, const QString& b) {
        return checked(std::pow(operand(a), operand(b)));
    });
    pass(u"*/%&", [&](QChar op, const QString& a, const QString& b) -> Extended {
        const Extended x = operand(a), y = operand(b);
        switch (op.unicode()) {
            case u'*':
                return checked(x * y);
            case u'/':
                return divide(x, y);
            case u'%': {
                const std::int64_t p = integerPart(x), q = integerPart(y);
                if (q == 0) fail(texts::kDivisionByZero);
                return q == -1 ? 0 : static_cast<Extended>(p % q);  // INT64_MIN % -1 would trap
            }
            default:
                return x != 0 && y != 0 ? 1 : 0;
        }
    });
    const QString plusMinusOr = QStringLiteral("+|") + QChar(kSubtract);
    pass(plusMinusOr, [&](QChar op, const QString& a, const QString& b) -> Extended {
        if (op == u'|') return operand(a) != 0 || operand(b) != 0 ? 1 : 0;  // b only when a is 0
        const Extended x = operand(a), y = operand(b);
        return checked(op == u'+' ? x + y : x - y);
    });
    pass(u"=", [&](QChar, const QString& a, const QString& b) -> Extended {
        return operand(a) == operand(b) ? 1 : 0;
    });
    return operand(operands.front());
}

QChar decimalPointOf(const QLocale& locale) {
    const QString dp = locale.decimalPoint();
    return dp.isEmpty() ? QChar(u'.') : dp.front();
}

}  // namespace

Extended evaluateExpression(const QString& text, const QLocale& locale) {
    return Evaluator(decimalPointOf(locale)).expression(text);
}

Extended evaluateExpression(const QString& text) {
    return evaluateExpression(text, QLocale());
}

QString formatEntry(Extended value, bool hex, const QLocale& locale) {
    // A value that is no number has no hexadecimal form either; it shows as such.
    if (!hex || std::isnan(value)) return formatGeneral(value, kShownDigits, decimalPointOf(locale));
    // Rounded to nearest, halves to even; a value beyond 64 bits saturates rather than wrapping.
    const Extended r = std::nearbyint(value);
    std::int64_t n = 0;
    if (r >= 9.2233720368547758e18L)
        n = std::numeric_limits<std::int64_t>::max();
    else if (r < -9.2233720368547758e18L)
        n = std::numeric_limits<std::int64_t>::min();
    else
        n = static_cast<std::int64_t>(r);
    // Negative values show their 64-bit two's complement, which "$" reads back to the same value.
    return u'$' + QString::number(static_cast<qulonglong>(n), 16).toUpper().rightJustified(4, u'0');
}

QString formatEntry(Extended value, bool hex) {
    return formatEntry(value, hex, QLocale());
}

}  // namespace torve::app
