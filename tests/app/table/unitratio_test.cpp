// The unit words of a table's units template in each unit system.
#include <gtest/gtest.h>

#include <QString>

#include "app/table/unitratio.h"

namespace {

using namespace torve::app;
using torve::UnitSystem;

TEST(UnitRatio, CodesAndPowers) {  // the factors themselves: tests/app/table/units_test.cpp
    EXPECT_EQ(expandTableUnits(QStringLiteral("F1/L2^2"), UnitSystem::English), QStringLiteral("kips/ft^2"));
    EXPECT_EQ(expandTableUnits(QStringLiteral("F1 F"), UnitSystem::English),
              QStringLiteral("kips lbs"));  // every code
}

}  // namespace
