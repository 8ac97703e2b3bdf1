// The factors of the two unit systems against each other: every S.I. factor is its English
// counterpart converted with exact factors, within the rounding the engine has always used.
#include "engine/model/units.h"

#include <gtest/gtest.h>

namespace torve {
namespace {

// Exact conversion factors.
constexpr double kMetresPerFoot = 0.3048;
constexpr double kMmPerInch = 25.4;
constexpr double kKpaPerKsf = 47.88026;    // 1 lb/ft2 = 0.04788026 kPa
constexpr double kKnM3PerKcf = 157.08746;  // 1 lb/ft3 = 0.15708746 kN/m3
constexpr double kKpaPerPsi = 6.894757;

TEST(Units, SiFactorsAreTheEnglishOnesConverted) {
    const Units& e = units_of(UnitSystem::English);
    const Units& s = units_of(UnitSystem::SI);
    ASSERT_EQ(e.system, UnitSystem::English);
    ASSERT_EQ(s.system, UnitSystem::SI);
    struct Case {
        const char* what;
        double converted;  // the English value converted exactly into S.I. units
        double si;         // the S.I. value of the engine
        double rounding;   // its relative rounding
    } cases[] = {
        // in per ft is mm per m; in per m; ft2 in m2
        {"diameter per length", e.diameter_per_length * kMmPerInch / kMetresPerFoot, s.diameter_per_length,
         1e-12},
        {"inches per metre", 1000 / kMmPerInch, s.inches_per_solver_length, 1e-5},
        {"mm per inch", e.diameter_per_inch * kMmPerInch, s.diameter_per_inch, 1e-12},
        {"square foot", kMetresPerFoot * kMetresPerFoot, s.area_per_square_foot, 1e-4},
        // 3,500 lb/ft2, pa, 1 ksf, 1 lb/in2 and 1 kPa in lb/ft2
        {"critical stress", e.critical_stress * kKpaPerKsf, s.critical_stress, 1e-5},
        {"atmospheric pressure", e.atmospheric_pressure * kKpaPerKsf, s.atmospheric_pressure, 1e-5},
        {"ksf", e.stress_per_ksf * kKpaPerKsf, s.stress_per_ksf, 1e-5},
        {"lb/in2", kKpaPerPsi, s.read_stress_per_psi / s.read_stress_per_stress, 1e-5},
        {"kPa in lb/ft2", 1000 / kKpaPerKsf, s.psf_per_solver_stress, 1e-3},
        // unit weights
        {"steel", e.steel_unit_weight * kKnM3PerKcf, s.steel_unit_weight, 1e-5},
        {"concrete", e.concrete_unit_weight * kKnM3PerKcf, s.concrete_unit_weight, 1e-5},
        {"timber", e.timber_unit_weight * kKnM3PerKcf, s.timber_unit_weight, 1e-5},
        {"water", e.water_unit_weight * kKnM3PerKcf, s.water_unit_weight, 1e-3},
        // 0.02 mm of dilation; the solver's 0.0001 in, in metres
        {"dilation", e.dilation_shift * kMmPerInch, s.dilation_shift, 1e-4},
        {"tolerance", e.solver_tolerance * kMmPerInch / 1000, s.solver_tolerance, 1e-5},
    };
    for (const Case& c : cases) EXPECT_NEAR(c.converted, c.si, c.rounding * c.si) << c.what;
}

TEST(Units, AreaFactorsFollowTheirLengths) {
    for (UnitSystem system : {UnitSystem::English, UnitSystem::SI}) {
        const Units& u = units_of(system);
        EXPECT_EQ(u.solver_area_per_area, u.solver_per_length * u.solver_per_length);
        EXPECT_EQ(u.square_diameter_per_area, u.diameter_per_length * u.diameter_per_length);
        EXPECT_EQ(u.diameter_per_solver_length * u.solver_per_length, u.diameter_per_length);
        EXPECT_DOUBLE_EQ(u.area_per_square_diameter * u.square_diameter_per_area, u.solver_area_per_area);
    }
}

}  // namespace
}  // namespace torve
