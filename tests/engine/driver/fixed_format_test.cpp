// Fixed-width fields worked out by hand from the Fortran edit descriptors.
#include "engine/driver/fixed_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace torve {
namespace {

TEST(FixedFormat, FixedPointRoundsAlignsAndSigns) {
    EXPECT_EQ(format_f(3.14159, 7, 2), "   3.14");
    EXPECT_EQ(format_f(-3.14159, 7, 2), "  -3.14");
    EXPECT_EQ(format_f(2.71828, 7, 2), "   2.72");  // rounds up
    EXPECT_EQ(format_f(9.996, 5, 2), "10.00");      // carry into a new digit, still fits
    EXPECT_EQ(format_f(0.0, 7, 2), "   0.00");
    EXPECT_EQ(format_f(-0.0, 6, 2), "  0.00");      // negative zero prints unsigned
    EXPECT_EQ(format_f(-0.001, 6, 2), " -0.00");    // a negative value keeps its sign
    EXPECT_EQ(format_f(1234.5, 7, 2), "1234.50");   // exactly fills the field
    EXPECT_EQ(format_f(12345.5, 7, 2), "*******");  // 12345.50 needs 8
    EXPECT_EQ(format_f(1234567.8, 8, 1), "********");
    EXPECT_EQ(format_f(60.0 - 1.0e-7, 10, 2), "     60.00");
    EXPECT_EQ(format_f(12.0, 5, 0), "  12.");  // F5.0 keeps its decimal point
}

TEST(FixedFormat, FixedPointDropsLeadingZeroOnlyWhenNeeded) {
    EXPECT_EQ(format_f(0.5, 4, 2), "0.50");
    EXPECT_EQ(format_f(0.5, 3, 2), ".50");
    EXPECT_EQ(format_f(-0.5, 5, 2), "-0.50");
    EXPECT_EQ(format_f(-0.5, 4, 2), "-.50");
    EXPECT_EQ(format_f(-0.5, 3, 2), "***");
}

TEST(FixedFormat, ExponentFormHasMantissaBelowOne) {
    EXPECT_EQ(format_e(123.4, 10, 3), " 0.123E+03");
    EXPECT_EQ(format_e(-123.4, 10, 3), "-0.123E+03");
    EXPECT_EQ(format_e(0.0, 10, 3), " 0.000E+00");
    EXPECT_EQ(format_e(0.00012345, 10, 3), " 0.123E-03");
    EXPECT_EQ(format_e(0.12345, 10, 3), " 0.123E+00");
    EXPECT_EQ(format_e(1.0, 10, 3), " 0.100E+01");
    EXPECT_EQ(format_e(0.99996, 10, 3), " 0.100E+01");  // rounding carries into the exponent
    EXPECT_EQ(format_e(0.9994, 10, 3), " 0.999E+00");
    EXPECT_EQ(format_e(12.0, 16, 4), "      0.1200E+02");
    EXPECT_EQ(format_e(29000000.0, 10, 3), " 0.290E+08");
}

TEST(FixedFormat, ExponentFormMarkerAndNarrowFields) {
    EXPECT_EQ(format_e(9999999.0, 8, 2), "0.10E+08");  // the unlimited-value marker of the report
    EXPECT_EQ(format_e(-9999999.0, 8, 2), "-.10E+08");
    EXPECT_EQ(format_e(1.0, 7, 2), ".10E+01");
    EXPECT_EQ(format_e(1.0, 6, 2), "******");
}

TEST(FixedFormat, ExponentsOfThreeDigitsDropTheLetter) {
    EXPECT_EQ(format_e(1.0e-120, 10, 3), " 0.100-119");
    EXPECT_EQ(format_e(1.5e200, 10, 3), " 0.150+201");
    EXPECT_EQ(format_e(-1.5e200, 10, 3), "-0.150+201");
    EXPECT_EQ(format_e(1.0e99, 10, 3), " 0.100+100");
    EXPECT_EQ(format_e(1.0e98, 10, 3), " 0.100E+99");
}

TEST(FixedFormat, IntegersWithMinimumDigits) {
    EXPECT_EQ(format_i(501, 4), " 501");
    EXPECT_EQ(format_i(12345, 4), "****");
    EXPECT_EQ(format_i(-12, 4), " -12");
    EXPECT_EQ(format_i(-123, 3), "***");
    EXPECT_EQ(format_i(5, 2, 2), "05");
    EXPECT_EQ(format_i(0, 2, 2), "00");
    EXPECT_EQ(format_i(2026, 4), "2026");
    EXPECT_EQ(format_i(0, 3, 0), "   ");  // Iw.0 leaves zero blank
    EXPECT_EQ(format_i(std::numeric_limits<long long>::min(), 25), "     -9223372036854775808");
}

TEST(FixedFormat, TextIsCutOrPadded) {
    EXPECT_EQ(format_a("SAND", 4), "SAND");
    EXPECT_EQ(format_a("2014.6.3", 12), "2014.6.3    ");
    EXPECT_EQ(format_a("ABCDE", 3), "ABC");
}

// A text counts in characters: cut between two characters of UTF-8 and padded to its width in
// characters, so that a report of an accented title is valid UTF-8 and its columns stay put.
TEST(FixedFormat, TextCountsCharactersNotBytes) {
    std::string title = "x";
    for (int i = 0; i < 40; ++i) title += "\xc3\xa9";  // 'x' + 'é' * 40: 41 characters in 81 bytes
    const struct {
        std::string text;
        int width;
        std::string expected;
    } cases[] = {
        {title, 70,
         title + std::string(29, ' ')},    // 41 characters and 29 blanks (the bytes cut at 70 split an 'é')
        {title, 36, title.substr(0, 71)},  // 'x' and 35 'é': 71 bytes
        {"\u20ac5", 3, "\u20ac5 "},        // euro sign (3 bytes), a digit, one blank
        {"ab\xff", 4, "ab\xff "},          // a stray byte counts as one character
    };
    for (const auto& c : cases) EXPECT_EQ(format_a(c.text, c.width), c.expected) << c.width;
}

TEST(FixedFormat, NonFiniteValuesAreVisible) {
    EXPECT_EQ(format_f(std::numeric_limits<double>::quiet_NaN(), 7, 2), "    NaN");
    EXPECT_EQ(format_e(-std::numeric_limits<double>::infinity(), 10, 3), "      -Inf");
}

TEST(FixedFormat, LineBuildsFieldsInOrder) {
    EXPECT_EQ(Line().x(3).text("A").f(1.5, 5, 1).e(2.0, 9, 2).i(7, 3).a("xy", 3).str(),
              "   A  1.5 0.20E+01  7xy ");
}

}  // namespace
}  // namespace torve

namespace torve {
namespace {

// Reference fields from the C library's exactly rounded conversions (the "C" locale).
std::string reference_f(double v, int w, int d) {
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.*f", d, v);
    std::string s = buf;
    if (s == "-0" + std::string(d ? "." : "") + std::string(static_cast<std::size_t>(d), '0') && v == 0.0)
        s.erase(0, 1);
    if (static_cast<int>(s.size()) > w) return std::string(static_cast<std::size_t>(w), '*');
    return std::string(static_cast<std::size_t>(w) - s.size(), ' ') + s;
}

std::string reference_e(double v, int w, int d) {
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.*e", d - 1, std::fabs(v));  // x.yyy e+-n
    const std::string s = buf;
    const auto epos = s.find('e');
    std::string digits;
    for (char c : s.substr(0, epos)) {
        if (c != '.') digits += c;
    }
    const int exponent = v == 0 ? 0 : std::stoi(s.substr(epos + 1)) + 1;
    char exp[16];
    std::snprintf(exp, sizeof exp, std::abs(exponent) <= 99 ? "E%c%02d" : "%c%03d", exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    std::string body = std::string(v < 0 ? "-" : "") + "0." + digits + exp;
    if (static_cast<int>(body.size()) > w) body.erase(v < 0 ? 1 : 0, 1);
    if (static_cast<int>(body.size()) > w) return std::string(static_cast<std::size_t>(w), '*');
    return std::string(static_cast<std::size_t>(w) - body.size(), ' ') + body;
}

TEST(FixedFormat, AgreesWithExactRoundingOverManyValues) {
    std::mt19937_64 rng(20261208);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> power(-12, 9);
    for (int i = 0; i < 200000; ++i) {
        const double v = mantissa(rng) * std::pow(10.0, power(rng));
        ASSERT_EQ(format_e(v, 10, 3), reference_e(v, 10, 3)) << v;
        ASSERT_EQ(format_e(v, 16, 4), reference_e(v, 16, 4)) << v;
        ASSERT_EQ(format_f(v, 12, 2), reference_f(v, 12, 2)) << v;
        ASSERT_EQ(format_f(v, 9, 3), reference_f(v, 9, 3)) << v;
    }
    // Values on and next to decimal ties, where only exact rounding gives the right digit.
    for (int k = 0; k < 20000; ++k) {
        for (double v : {(k + 0.5) / 100.0, (k + 0.5) / 1000.0, std::nextafter((k + 0.5) / 100.0, 0.0),
                         std::nextafter((k + 0.5) / 100.0, 1e9), (k + 0.5) * 1e-7}) {
            ASSERT_EQ(format_f(v, 10, 2), reference_f(v, 10, 2)) << v;
            ASSERT_EQ(format_e(v, 12, 3), reference_e(v, 12, 3)) << v;
        }
    }
}

// Ew.d for every d the fast path takes (1 to 7) and beyond, in fields that fit, that need the
// leading zero dropped, that cannot hold the value, and wider than the fast path's (33 and more):
// the values where a shortcut goes wrong, against the exact reference.
TEST(FixedFormat, ExponentFormAgreesWithExactRoundingOnEdges) {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  9.9995,  // 0.99995E+01: a tie in decimal, but stored below it
                                  9.9996,  // carries into the exponent at d = 4
                                  99995.0,
                                  0.5,
                                  std::numeric_limits<double>::denorm_min(),
                                  std::numeric_limits<double>::min(),
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::epsilon(),
                                  9999999.0,
                                  123456789012.0,
                                  1.0 / 3.0};
    // Decimal ties with d significant digits (1.5, 2.25, 0.125 ... are exact in binary) and
    // 9.99..95, which carries into the exponent, at scales across the fast path's range and past it;
    // each with its neighbours one unit in the last place away.
    for (int d = 1; d <= 7; ++d) {
        for (int p = -30; p <= 30; ++p) {
            const double scale = std::pow(10.0, p);
            for (double m : {1.5, 2.25, 1.125, 9.5, 9.75, 9.875, 10.0 - 5.0 * std::pow(10.0, -d)}) {
                const double v = m * scale;
                values.insert(values.end(), {v, std::nextafter(v, 0.0), std::nextafter(v, 1e308)});
            }
        }
    }
    // Powers of ten over the whole range of doubles, subnormals included, and their neighbours:
    // where the estimate of the decimal exponent is most often one off.
    for (int p = -323; p <= 308; ++p) {
        const double v = std::strtod(("1e" + std::to_string(p)).c_str(), nullptr);
        values.insert(values.end(), {v, std::nextafter(v, 0.0), std::nextafter(v, 1e308)});
    }
    // Doubles with random bits: every magnitude alike, subnormals included.
    std::mt19937_64 rng(20261208);
    for (int k = 0; k < 3000; ++k) {
        const std::uint64_t bits = rng();
        double v = 0;
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v)) values.push_back(v);
    }
    for (const double magnitude : values) {
        for (const double v : {magnitude, -magnitude}) {
            for (int d = 1; d <= 8; ++d) {
                for (int w : {d + 4, d + 5, d + 6, d + 7, 16, 32, 33}) {
                    ASSERT_EQ(format_e(v, w, d), reference_e(v, w, d)) << v << " E" << w << "." << d;
                }
            }
        }
    }
}

}  // namespace
}  // namespace torve
