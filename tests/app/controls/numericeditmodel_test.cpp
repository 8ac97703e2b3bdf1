// The model of a numeric field: its exit check, whole-number rule, bounds and their messages, the
// value kept behind the shown digits, labels and the keys that append to a value.
#include <gtest/gtest.h>

#include <QLocale>

#include "app/controls/numericeditmodel.h"

namespace {

using torve::app::Extended;
using torve::app::NumericEditModel;

TEST(NumericEditModel, PassingCheckRewritesTheTextInItsOwnForm) {
    NumericEditModel f(QLocale::c());
    EXPECT_EQ(f.text(), QStringLiteral("0"));
    f.setText(QStringLiteral("150*2"));
    const auto r = f.exitCheck();
    EXPECT_TRUE(r.valid);
    EXPECT_TRUE(f.isEntryValid());
    EXPECT_EQ(f.text(), QStringLiteral("300"));
    f.setHex(true);
    f.setText(QStringLiteral("255"));
    EXPECT_TRUE(f.exitCheck().valid);
    EXPECT_EQ(f.text(), QStringLiteral("$00FF"));
}

// The text shows 12 significant digits; the value behind it stays whole until the text changes.
TEST(NumericEditModel, TheValueBehindTheTwelveShownDigitsIsKept) {
    const Extended third = torve::app::evaluateExpression(QStringLiteral("1/3"), QLocale::c());
    ASSERT_NE(third, 0.333333333333L);
    NumericEditModel f(QLocale::c());
    f.setText(QStringLiteral("1/3"));
    ASSERT_TRUE(f.exitCheck().valid);
    EXPECT_EQ(f.text(), QStringLiteral("0.333333333333"));
    EXPECT_EQ(f.number(), third);
    ASSERT_TRUE(f.exitCheck().valid);  // passing through the field again rounds nothing
    EXPECT_EQ(f.number(), third);
    f.setText(QStringLiteral("1e400"));  // refused: the old text comes back, and its value with it
    EXPECT_FALSE(f.exitCheck().valid);
    EXPECT_EQ(f.text(), QStringLiteral("0.333333333333"));
    EXPECT_EQ(f.number(), third);
    f.setText(QStringLiteral("0.333333333333+0"));  // a changed text is evaluated
    EXPECT_EQ(f.number(), 0.333333333333L);
    f.setMaximum(0.1L);  // a bound that moves the value shows and keeps the bound
    EXPECT_EQ(f.number(), 0.1L);

    NumericEditModel hex(QLocale::c());  // a hexadecimal text is the whole number it shows
    hex.setHex(true);
    hex.setNumber(30.6L);
    EXPECT_EQ(hex.text(), QStringLiteral("$001F"));
    EXPECT_EQ(hex.number(), 31.0L);
}

TEST(NumericEditModel, FailuresShowTheirMessagesAndSetTheBound) {
    NumericEditModel f(QLocale::c());
    f.setMinimum(2);
    f.setMaximum(10);
    f.setText(QStringLiteral("1"));
    auto r = f.exitCheck();
    EXPECT_FALSE(r.valid);
    EXPECT_FALSE(f.isEntryValid());
    EXPECT_EQ(r.message, QStringLiteral("Entry must be greater than or equal to 2"));
    EXPECT_EQ(f.text(), QStringLiteral("2"));  // the field now holds the bound

    f.setText(QStringLiteral("10.5"));
    r = f.exitCheck();
    EXPECT_EQ(r.message, QStringLiteral("Entry must be less than or equal to 10"));
    EXPECT_EQ(f.text(), QStringLiteral("10"));

    f.setText(QStringLiteral("1/0"));  // the platform's fault becomes the evaluator's message
    EXPECT_EQ(f.exitCheck().message, QStringLiteral("Entry could not be evaluated:\rdivision by zero"));
    EXPECT_EQ(f.text(), QStringLiteral("1/0"));  // left as typed

    f.setText(QString());
    EXPECT_EQ(f.exitCheck().message, QStringLiteral("Entry could not be evaluated:\rentry cannot be blank"));
}

// The evaluator's extended precision holds 1e400; the project's doubles do not, and a file with
// INF in it cannot be opened again. Such a value is refused and the field shows what it held.
TEST(NumericEditModel, ValuesBeyondADoubleAreRefusedAndTheOldValueStays) {
    const struct {
        const char* typed;
        const char* message;
        const char* shown;
    } cases[] = {
        {"1e400", "Entry could not be evaluated:\roverflow", "12.5"},
        {"1e308*10", "Entry could not be evaluated:\roverflow", "12.5"},
        {"-1e400", "Entry could not be evaluated:\roverflow", "12.5"},
        {"0/0", "Entry could not be evaluated:\rdivision by zero", "0/0"},  // left to be corrected
    };
    for (const auto& c : cases) {
        NumericEditModel f(QLocale::c());
        f.setText(QStringLiteral("12.5"));
        ASSERT_TRUE(f.exitCheck().valid);
        f.setText(QString::fromLatin1(c.typed));
        const auto r = f.exitCheck();
        EXPECT_FALSE(r.valid) << c.typed;
        EXPECT_FALSE(f.isEntryValid()) << c.typed;
        EXPECT_EQ(r.message, QString::fromLatin1(c.message)) << c.typed;
        EXPECT_EQ(f.text(), QString::fromLatin1(c.shown)) << c.typed;
    }
    NumericEditModel largest(QLocale::c());  // the largest double itself is a value
    largest.setText(QStringLiteral("1.7e308"));
    EXPECT_TRUE(largest.exitCheck().valid);
}

TEST(NumericEditModel, WholeNumberRule) {
    NumericEditModel f(QLocale::c());
    f.setIntegerOnly(true);
    // Setting the rule clamps the unbounded defaults into 32 bits.
    EXPECT_EQ(f.maximum(), 2147483647.0L);
    EXPECT_EQ(f.minimum(), -2147483648.0L);
    f.setText(QStringLiteral("abc"));
    EXPECT_EQ(f.exitCheck().message, QStringLiteral("Entry must be a valid integer."));
    f.setText(QStringLiteral("2.5"));
    EXPECT_EQ(f.exitCheck().message, QStringLiteral("Entry must be an integer."));
    f.setText(QStringLiteral("5/2*2"));
    EXPECT_TRUE(f.exitCheck().valid);
    f.setMaximum(1e12L);
    EXPECT_EQ(f.maximum(), 2147483647.0L);
}

TEST(NumericEditModel, BoundsMoveTheValueAndEachOther) {
    NumericEditModel f(QLocale::c());
    f.setNumber(50);
    f.setMaximum(20);  // the value above the new maximum follows it
    EXPECT_EQ(f.text(), QStringLiteral("20"));
    f.setMinimum(30);  // a minimum above the maximum is lowered to it
    EXPECT_EQ(f.minimum(), 20.0L);
    f.setMinimum(-5);
    f.setNumber(-100);  // writing clamps without a message
    EXPECT_EQ(f.text(), QStringLiteral("-5"));
    f.setLoading(true);  // a form being loaded takes its values as they stand
    f.setNumber(-100);
    EXPECT_EQ(f.text(), QStringLiteral("-100"));
}

TEST(NumericEditModel, NumbersFollowTheUsersLocale) {
    NumericEditModel f(QLocale(QLocale::German, QLocale::Germany));
    f.setText(QStringLiteral("1,5*3"));
    EXPECT_TRUE(f.exitCheck().valid);
    EXPECT_EQ(f.text(), QStringLiteral("4,5"));
    f.setMinimum(0.5L);
    f.setText(QStringLiteral("0,25"));
    EXPECT_EQ(f.exitCheck().message, QStringLiteral("Entry must be greater than or equal to 0,5"));
}

TEST(NumericEditModel, LabelsAndAppendingKeys) {
    NumericEditModel f(QLocale::c());
    f.setCaption(QStringLiteral("Modulus of &Elasticity, E"));
    EXPECT_EQ(f.labelText(), QStringLiteral("Modulus of &Elasticity, E"));  // no template, no brackets
    f.setUnitsTemplate(QStringLiteral("F/L\u00B2"));
    EXPECT_EQ(f.labelText(), QStringLiteral("Modulus of &Elasticity, E (lbs/in\u00B2)"));
    f.setUnits(2);
    EXPECT_EQ(f.labelText(), QStringLiteral("Modulus of &Elasticity, E (kN/m\u00B2)"));
    f.setUnits(7);
    EXPECT_EQ(f.units(), 3);
    f.setUnits(0);
    EXPECT_EQ(f.units(), 1);
    for (QChar k : QStringLiteral("+-/*^=%!")) EXPECT_TRUE(NumericEditModel::appendsToValue(k));
    EXPECT_FALSE(NumericEditModel::appendsToValue(u'5'));
    EXPECT_FALSE(NumericEditModel::appendsToValue(u'('));
}

}  // namespace
