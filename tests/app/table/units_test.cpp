// The desktop program's unit factors and conversions: the factors against their definitions, and
// values that convert to the other system and back to exactly what was entered.
#include <gtest/gtest.h>

#include <QString>
#include <cmath>

#include "app/table/unitratio.h"
#include "app/table/units.h"

namespace {

using namespace torve::app;

// Each factor against its value worked out from 1 ft = 0.3048 m, 1 in = 25.4 mm and
// 1 lbf = 4.4482216152605 N, to 15 digits (decimal arithmetic of 30 digits).
TEST(Units, FactorsFollowFromTheDefinitions) {
    struct Case {
        const char* name;
        double factor;
        double expected;
    };
    const Case cases[] = {
        {"ft per m: 1 / 0.3048", kFeetPerMetre, 3.28083989501312},
        {"psi per kPa: 0.0254^2 / 0.0044482216152605", kPsiPerKiloPascal, 0.145037737730209},
        {"in2 per m2: 1 / 0.0254^2", kSquareInchesPerSquareMetre, 1550.00310000620},
        {"template F1: kips per kN, 1 / 4.4482216152605", unitRatio(QStringLiteral("F1")), 0.224808943099710},
        {"template F2: tons of 2000 lbf per kN", unitRatio(QStringLiteral("F2")), 0.112404471549855},
        {"template F/L2^2: lb/ft2 per kPa, 224.80894309971 x 0.3048^2", unitRatio(QStringLiteral("F/L2^2")),
         20.8854342331501},
        {"template F1/L2^2: ksf per kPa", unitRatio(QStringLiteral("F1/L2^2")), 0.0208854342331501},
        {"template L^2: in2 per m2", unitRatio(QStringLiteral("L^2")), 1550.00310000620},
        {"template L1: in per mm", unitRatio(QStringLiteral("L1")), 1 / 25.4},
        {"template F4: lb-sec2/in per Mg, 1000 / (4.4482216152605 / 0.0254)", unitRatio(QStringLiteral("F4")),
         5.71014715473265},
        {"template F6: slug per Mg, 1000 / (4.4482216152605 / 0.3048)", unitRatio(QStringLiteral("F6")),
         68.5217658567918},
        {"template F3: an unknown digit is the plain F, lbf per kN", unitRatio(QStringLiteral("F3")),
         224.808943099710},
        {"empty template", unitRatio(QString()), 1.0},
    };
    for (const Case& c : cases) EXPECT_NEAR(c.factor, c.expected, 1e-14 * c.expected) << c.name;
    EXPECT_EQ(diameterPerLength(torve::UnitSystem::English), 12.0);
    EXPECT_EQ(diameterPerLength(torve::UnitSystem::SI), 1000.0);
}

// A value entered in one system goes to the other and back unchanged, bit for bit, by every
// factor the program converts with; the products themselves lose nothing either.
TEST(Units, EnteredValuesComeBackExactly) {
    const double entered[] = {1500,     20,        15000,  2000,   0.3048,        1,   9999, 36.91,
                              29000000, 210000000, 0.0254, 1.0e-7, 123456.789012, 0.1, 99.9, 7.25,
                              -3.5,     57.6,      1.0e15};
    const double factors[] = {kFeetPerMetre,
                              kMetresPerFoot,
                              kMillimetresPerInch,
                              kInchesPerMillimetre,
                              kSquareInchesPerSquareMetre,
                              kPsiPerKiloPascal,
                              unitRatio(QStringLiteral("F1/L2^2")),
                              unitRatio(QStringLiteral("F/L2^3")),
                              unitRatio(QStringLiteral("F1/L2"))};
    for (const double factor : factors) {
        for (const double v : entered) {
            const double there = converted(v, factor);
            EXPECT_NEAR(there, v * factor, 4e-15 * std::fabs(v * factor)) << v << " x " << factor;
            EXPECT_EQ(converted(there, 1 / factor), v) << v << " x " << factor << " and back";
        }
    }
}

// Only noise is taken away: a product that is a short decimal comes out as that decimal, and one
// that is not keeps every bit.
TEST(Units, ConversionTakesAwayNoiseOnly) {
    struct Case {
        double value, factor, expected;
    };
    const Case cases[] = {
        {0.1, 3, 0.3},                  // 0.1 x 3 is 0.30000000000000004 in binary
        {15000 / 25.4, 25.4, 15000},    // 590.55...in x 25.4 is 14999.999999999998
        {1500, 1 / 25.4, 1500 / 25.4},  // 59.055118110236... in: no short decimal, as computed
        {15000, 0.0208854342331501, 15000 * 0.0208854342331501},
        {0, kFeetPerMetre, 0},
        {-1500, 1 / 25.4, -1500 / 25.4},
    };
    for (const Case& c : cases) EXPECT_EQ(converted(c.value, c.factor), c.expected) << c.value;
    EXPECT_TRUE(std::isinf(converted(INFINITY, 2)));
    EXPECT_TRUE(std::isnan(converted(NAN, 2)));
}

}  // namespace
