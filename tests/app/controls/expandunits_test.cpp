// Unit words of the units templates: the codes of a numeric field and those of a graph axis.
#include <gtest/gtest.h>

#include <QString>

#include "app/controls/expandunits.h"

namespace {

// Unit words of the templates the windows use, and the two code sets: a numeric field knows every
// code, a graph axis only F2, F1, F and L2, L1, L (there "F4" is F followed by 4, "L3" is L and 3).
TEST(ExpandUnits, FirstCodeOfEachFamily) {
    using torve::app::UnitCodes;
    const struct {
        const char* unitsTemplate;
        int units;
        UnitCodes codes;
        const char* expanded;
    } cases[] = {
        {"F/L2^2", 1, UnitCodes::Field, "lbs/ft^2"},
        {"F/L2^2", 2, UnitCodes::Field, "kN/m^2"},
        {"F/L2^2", 3, UnitCodes::Field, "F/L2^2"},
        {"F/L2^3", 2, UnitCodes::Field, "kN/m^3"},
        {"L1", 1, UnitCodes::Field, "in"},
        {"L1", 2, UnitCodes::Field, "mm"},
        {"L2", 1, UnitCodes::Field, "ft"},
        {"F/L\u00B2", 1, UnitCodes::Field, "lbs/in\u00B2"},
        {"F/L\u00B2", 2, UnitCodes::Field, "kN/m\u00B2"},
        {"degrees", 2, UnitCodes::Field, "degrees"},
        // F1 is found before F, so only the F1 codes are expanded; L2 before L likewise.
        {"F1 F", 1, UnitCodes::Field, "kips F"},
        {"L2 L", 2, UnitCodes::Field, "m L"},
        {"F1/L2 F1", 1, UnitCodes::Field, "kips/ft kips"},
        {"F2/L2^2", 1, UnitCodes::Field, "tons/ft^2"},
        {"F4", 1, UnitCodes::Field, "lb-sec2/in"},
        {"F4", 2, UnitCodes::Field, "Mg"},
        {"F5", 2, UnitCodes::Field, "sec"},
        {"F6/L1", 1, UnitCodes::Field, "slug/in"},
        {"L3", 1, UnitCodes::Field, "rad"},
        // The graphs' axes.
        {"F1/L2^2", 1, UnitCodes::Axis, "kips/ft^2"},
        {"F1/L2^2", 2, UnitCodes::Axis, "kN/m^2"},
        {"F/L^2", 1, UnitCodes::Axis, "lbs/in^2"},
        {"F/L^2", 2, UnitCodes::Axis, "kN/m^2"},
        {"F/L^2", 3, UnitCodes::Axis, "F/L^2"},
        {"L1", 2, UnitCodes::Axis, "mm"},
        {"F2 F1", 1, UnitCodes::Axis, "tons F1"},
        {"F4", 1, UnitCodes::Axis, "lbs4"},
        {"L3", 2, UnitCodes::Axis, "m3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(torve::app::expandUnits(QString::fromUtf8(c.unitsTemplate), c.units, c.codes),
                  QString::fromUtf8(c.expanded))
            << c.unitsTemplate << " units " << c.units;
    }
}

}  // namespace
