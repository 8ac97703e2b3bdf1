// Expression entry: operator ranks, signs, factorial, hex, parentheses, functions and every message.
#include <QLocale>
#include <QTest>
#include <cmath>
#include <limits>

#include "app/controls/expression.h"
#include "app/controls/usererror.h"

using torve::app::evaluateExpression;
using torve::app::Extended;
using torve::app::UserError;

class ExpressionTest : public QObject {
    Q_OBJECT

  private slots:
    void values_data();
    void values();
    void failures_data();
    void failures();
    void followsTheLocale();
    void formatEntry_data();
    void formatEntry();
    void doublesShowTheirShortForm();
    void longEntries();
    void notANumberHasNoHexForm();
};

void ExpressionTest::values_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    // Ranks: ^ before * / % & before + - | before =, each rank from left to right.
    QTest::newRow("precedence") << "2+3*4" << 14.0;
    QTest::newRow("power left to right") << "2^3^2" << 64.0;  // (2^3)^2, not 2^9 = 512
    QTest::newRow("parentheses") << "(2+3)*4" << 20.0;
    QTest::newRow("nested parentheses") << "((1+2)*(3+4))/7" << 3.0;
    QTest::newRow("blanks and tabs") << " 2 *\t3 " << 6.0;
    QTest::newRow("remainder") << "10%3" << 1.0;
    QTest::newRow("remainder takes the sign of a") << "-7%3" << -1.0;
    QTest::newRow("remainder of integer parts") << "7.9%2.5" << 1.0;  // 7 % 2
    QTest::newRow("minus a negative") << "5--3" << 8.0;
    QTest::newRow("double negation") << "--5" << 5.0;
    QTest::newRow("sign after times") << "2*-3" << -6.0;
    QTest::newRow("sign after power") << "2^-1" << 0.5;
    QTest::newRow("exponent sign") << "1E-5" << 1e-5;
    QTest::newRow("subtraction chain") << "10-2-3" << 5.0;  // left to right: (10-2)-3
    QTest::newRow("division chain") << "12/2/3" << 2.0;
    QTest::newRow("and") << "1&0" << 0.0;
    QTest::newRow("and both") << "2&3" << 1.0;
    QTest::newRow("or") << "0|2" << 1.0;
    QTest::newRow("or skips b when a is set") << "1|abc" << 1.0;
    QTest::newRow("equal") << "3=3" << 1.0;
    QTest::newRow("not equal") << "3=4" << 0.0;
    QTest::newRow("equal ranks last") << "1+2=3" << 1.0;
    QTest::newRow("factorial") << "3!" << 6.0;
    QTest::newRow("factorial keeps the sign") << "(-3)!" << -6.0;
    QTest::newRow("zero factorial") << "0!" << 1.0;
    QTest::newRow("factorial before power") << "2^3!" << 64.0;
    QTest::newRow("hex") << "$FF" << 255.0;
    QTest::newRow("hex lower case") << "$1f" << 31.0;
    QTest::newRow("e in parentheses") << "(e)-1" << std::exp(1.0) - 1.0;
    QTest::newRow("pi") << "2*pi" << 2 * M_PI;
    QTest::newRow("minus pi") << "-pi" << -M_PI;
    QTest::newRow("function of an operand") << "sqrt4!" << std::sqrt(24.0);
    QTest::newRow("sin pi") << "sinpi" << 0.0;
    QTest::newRow("function of a negative") << "sin(-0.5)" << std::sin(-0.5);
    QTest::newRow("function of a negative inside a sum") << "1+sin(-0.5)" << 1 + std::sin(-0.5);
    QTest::newRow("cosec before cos") << "cosec1" << 1 / std::sin(1.0);
    QTest::newRow("csc") << "csc1" << 1 / std::sin(1.0);
    QTest::newRow("cotan") << "cotan1" << 1 / std::tan(1.0);
    QTest::newRow("arctanh before arctan") << "arctanh0.5" << std::atanh(0.5);
    QTest::newRow("round half to even down") << "round2.5" << 2.0;
    QTest::newRow("round half to even up") << "round3.5" << 4.0;
    QTest::newRow("int towards zero") << "int(-2.7)" << -2.0;
    QTest::newRow("frac keeps sign") << "frac(-2.5)" << -0.5;
    QTest::newRow("ceil") << "ceil2.1" << 3.0;
    QTest::newRow("floor") << "floor(-2.1)" << -3.0;
    QTest::newRow("log") << "log1000" << 3.0;
    QTest::newRow("ln e") << "ln(e)" << 1.0;
    QTest::newRow("upper-case function") << "SQRT16" << 4.0;
    QTest::newRow("operator appended to a value") << "150*2" << 300.0;
    QTest::newRow("scientific intermediate") << "(1E20)*(1E-20)" << 1.0;
    QTest::newRow("tiny intermediate") << "(0.000001)*2" << 2e-6;
}

void ExpressionTest::values() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    const Extended v = evaluateExpression(text, QLocale::c());
    QVERIFY2(std::fabs(static_cast<double>(v) - expected) <= 1e-12 * std::max(1.0, std::fabs(expected)),
             qPrintable(QStringLiteral("%1 gave %2").arg(text).arg(static_cast<double>(v), 0, 'g', 17)));
}

void ExpressionTest::failures_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("detail");
    QTest::newRow("empty") << ""
                           << "entry cannot be blank";
    QTest::newRow("only blanks") << "   "
                                 << "invalid expression";
    QTest::newRow("trailing operator") << "5*"
                                       << "invalid expression";
    QTest::newRow("unclosed parenthesis") << "((1+2)"
                                          << "invalid character(s) in expression";  // "(3" remains
    QTest::newRow("unopened parenthesis") << "1+2)"
                                          << "() (parentheses) do not match";
    QTest::newRow("fractional factorial") << "2.5!"
                                          << "! (factoral) applicable to integers only";
    QTest::newRow("bad hex") << "$G"
                             << "invalid use of $ (hex function)";
    QTest::newRow("hex without digits") << "$"
                                        << "invalid use of $ (hex function)";
    QTest::newRow("e minus is an exponent") << "e-1"
                                            << "invalid character(s) in expression";
    QTest::newRow("letters") << "abc"
                             << "invalid character(s) in expression";
    QTest::newRow("two operators") << "5**3"
                                   << "invalid character(s) in expression";
    QTest::newRow("leading operator") << "*5"
                                      << "invalid character(s) in expression";
    QTest::newRow("function without operand") << "sin"
                                              << "invalid character(s) in expression";
    QTest::newRow("infinity is not a number") << "inf"
                                              << "invalid character(s) in expression";
    // Arithmetic faults come back as messages, never as an infinity or a NaN.
    QTest::newRow("division by zero") << "1/0"
                                      << "division by zero";
    QTest::newRow("zero by zero") << "0/0"
                                  << "division by zero";
    QTest::newRow("remainder by zero") << "5%0.5"
                                       << "division by zero";
    QTest::newRow("logarithm of zero") << "ln0"
                                       << "division by zero";
    QTest::newRow("cotan of zero") << "cotan0"
                                   << "division by zero";
    QTest::newRow("root of a negative") << "sqrt-1"
                                        << "invalid operation";
    QTest::newRow("arcsin beyond 1") << "arcsin2"
                                     << "invalid operation";
    QTest::newRow("power overflow") << "10^5000"
                                    << "overflow";
    QTest::newRow("factorial overflow") << "3000!"
                                        << "overflow";
    QTest::newRow("huge factorial stops early") << "1E30!"
                                                << "overflow";
    QTest::newRow("ceil beyond 32 bits") << "ceil1E10"
                                         << "overflow";
    QTest::newRow("number beyond range") << "1E99999"
                                         << "overflow";
    // Nesting is bounded at 256 levels; 30,000 levels once overflowed the stack.
    QTest::newRow("parentheses too deep")
        << QStringLiteral("(").repeated(257) + u'1' + QStringLiteral(")").repeated(257)
        << "expression too deeply nested";
    QTest::newRow("functions too deep")
        << QStringLiteral("abs").repeated(257) + u'1' << "expression too deeply nested";
    QTest::newRow("factorials too deep")
        << u'1' + QStringLiteral("!").repeated(257) << "expression too deeply nested";
}

void ExpressionTest::failures() {
    QFETCH(QString, text);
    QFETCH(QString, detail);
    try {
        const Extended v = evaluateExpression(text, QLocale::c());
        QFAIL(qPrintable(QStringLiteral("%1 gave %2").arg(text).arg(static_cast<double>(v))));
    } catch (const UserError& e) {
        QCOMPARE(e.message(), QStringLiteral("Entry could not be evaluated:\r") + detail);
    }
}

void ExpressionTest::followsTheLocale() {
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(static_cast<double>(evaluateExpression(QStringLiteral("1,5*2"), german)), 3.0);
    // Intermediate results are written with the same separator, so they read back.
    QCOMPARE(static_cast<double>(evaluateExpression(QStringLiteral("(0,25)*4"), german)), 1.0);
    QCOMPARE(static_cast<double>(evaluateExpression(QStringLiteral("(1/4)+0,5"), german)), 0.75);
    QVERIFY_THROWS_EXCEPTION(UserError, evaluateExpression(QStringLiteral("1.5"), german));
    QVERIFY_THROWS_EXCEPTION(UserError, evaluateExpression(QStringLiteral("1,5"), QLocale::c()));
    QCOMPARE(torve::app::formatEntry(2.5L, false, german), QStringLiteral("2,5"));
}

void ExpressionTest::formatEntry_data() {
    QTest::addColumn<QString>("input");  // evaluated first, so the value is the field's own
    QTest::addColumn<bool>("hex");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("readsBack");  // the text evaluates to the value itself
    QTest::newRow("hex pads to 4 digits") << "255" << true << "$00FF" << true;
    QTest::newRow("hex rounds") << "30.6" << true << "$001F" << true;
    QTest::newRow("hex of a negative") << "-1" << true << "$FFFFFFFFFFFFFFFF" << true;
    QTest::newRow("whole") << "150" << false << "150" << true;
    QTest::newRow("decimal") << "0.1" << false << "0.1" << true;
    QTest::newRow("sum of decimals") << "0.1+0.2" << false << "0.3" << true;
    QTest::newRow("negative") << "-0.5" << false << "-0.5" << true;
    QTest::newRow("smallest fixed") << "0.00001" << false << "0.00001" << true;
    QTest::newRow("below 1e-5 is scientific") << "0.000009" << false << "9E-6" << true;
    QTest::newRow("12 integer digits stay fixed") << "1E11" << false << "100000000000" << true;
    QTest::newRow("13 integer digits are scientific") << "1E12" << false << "1E12" << true;
    QTest::newRow("no plus in the exponent") << "2.5E20" << false << "2.5E20" << true;
    QTest::newRow("12 significant digits") << "2/3" << false << "0.666666666667" << false;
    QTest::newRow("12 digits exactly") << "123456.789012" << false << "123456.789012" << true;
    // 2000 lb/ft2 in kN/m2: 2000 x 4.4482216152605 / 0.3048^2 / 1000 = 95.76051796067...
    QTest::newRow("a converted value")
        << "2000*4.4482216152605/0.3048^2/1000" << false << "95.7605179607" << false;
}

void ExpressionTest::formatEntry() {
    QFETCH(QString, input);
    QFETCH(bool, hex);
    QFETCH(QString, text);
    QFETCH(bool, readsBack);
    const Extended v = evaluateExpression(input, QLocale::c());
    QCOMPARE(torve::app::formatEntry(v, hex, QLocale::c()), text);
    if (readsBack) QCOMPARE(evaluateExpression(text, QLocale::c()), hex ? std::nearbyint(v) : v);
}

void ExpressionTest::doublesShowTheirShortForm() {
    // Project values are doubles; a field shows 0.1 for the double 0.1, not its 18-digit expansion,
    // and 609.6 for the 609.5999999999999 mm that 24 in becomes.
    QCOMPARE(torve::app::formatEntry(Extended{0.1}, false, QLocale::c()), QStringLiteral("0.1"));
    QCOMPARE(torve::app::formatEntry(Extended{609.5999999999999}, false, QLocale::c()),
             QStringLiteral("609.6"));
    QCOMPARE(torve::app::formatEntry(Extended{-1e-300}, false, QLocale::c()), QStringLiteral("-1E-300"));
}

// 200,000 characters of sums, parentheses and operand chains evaluate in well under a second; the
// former in-place reductions took time growing with the square of the length. 256 levels still work.
// Entries far longer than anyone types end with their value, not with the stack: the walk is
// iterative and nesting is bounded. Their speed (linear in the length) is in the benchmarks.
void ExpressionTest::longEntries() {
    QCOMPARE(
        static_cast<double>(evaluateExpression(QStringLiteral("1+").repeated(100000) + u'1', QLocale::c())),
        100001.0);
    QCOMPARE(
        static_cast<double>(evaluateExpression(QStringLiteral("(1)-").repeated(50000) + u'1', QLocale::c())),
        -49999.0);
    const QString deep = QStringLiteral("(").repeated(256) + QStringLiteral("abs").repeated(256) + u'1' +
                         QStringLiteral(")").repeated(256);
    QCOMPARE(static_cast<double>(evaluateExpression(deep, QLocale::c())), 1.0);
    QCOMPARE(static_cast<double>(
                 evaluateExpression(QStringLiteral("1") + QStringLiteral("!").repeated(256), QLocale::c())),
             1.0);
}

void ExpressionTest::notANumberHasNoHexForm() {
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    QCOMPARE(torve::app::formatEntry(nan, true, QLocale::c()), QStringLiteral("NAN"));
}

QTEST_GUILESS_MAIN(ExpressionTest)
#include "expression_test.moc"
