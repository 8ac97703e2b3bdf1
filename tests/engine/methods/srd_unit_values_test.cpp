// The unit resistances to driving of Alm & Hamre (2001) and UniSand-SRD (Lehane et al. 2022), against
// values worked by hand from the published equations (kPa, m). Each tolerance is half a unit of the
// last digit given.
#include <gtest/gtest.h>

#include <string>

#include "engine/methods/alm_hamre_srd.h"
#include "engine/methods/unified_srd.h"

namespace torve {
namespace {

struct Expected {
    std::string what;
    double value;
    double expected;
    double tolerance;
};

void expect_all(const std::vector<Expected>& cases) {
    for (const Expected& c : cases) EXPECT_NEAR(c.value, c.expected, c.tolerance) << c.what;
}

TEST(SrdUnitValues, AlmHamreSand) {
    // qc 20 MPa, sigma'v 100 kPa, delta 29 deg: tau_i = 0.0132 x 20000 x 1^0.13 x tan 29 = 146.34;
    // k = (200)^0.5 / 80 = 0.17678; tau(h) = 29.27 + 117.07 exp(-k h); q = 0.15 x 20000 x 200^0.2.
    const FrictionFatigue a = alm_hamre_sand_friction(20000, 100, 29);
    // qc 15 MPa, sigma'v 300 kPa: tau_i = 0.0132 x 15000 x 3^0.13 x tan 29; q = 2250 x 50^0.2.
    const FrictionFatigue b = alm_hamre_sand_friction(15000, 300, 29);
    expect_all({
        {"tau_i", a.initial, 146.34, 0.005},
        {"tau_res", a.residual, 29.27, 0.005},
        {"k", a.decay, 0.17678, 0.000005},
        {"tau(2 m)", a.at(2), 111.47, 0.005},
        {"tau(10 m)", a.at(10), 49.25, 0.005},
        {"tau at the tip", a.at(0), a.initial, 1e-12},
        {"q_ann", alm_hamre_sand_tip(20000, 100), 8656.2, 0.05},
        {"tau_i, 15 MPa", b.initial, 126.60, 0.005},
        {"k, 15 MPa", b.decay, 0.08839, 0.000005},
        {"q_ann, 15 MPa", alm_hamre_sand_tip(15000, 300), 4920.1, 0.05},
    });
}

TEST(SrdUnitValues, AlmHamreClayWithItsResidualNeverNegative) {
    // qt 2 MPa, sigma'v 100, fs 60: tau_res = 0.004 x 2000 x (1 - 0.0025 x 20) = 7.60;
    // k = 20^0.5 / 80; tau(10) = 7.6 + 52.4 exp(-0.559) = 37.56; q = 0.6 qt.
    const FrictionFatigue a = alm_hamre_clay_friction(2000, 100, 60);
    // Shallow clay, qt 1 MPa, sigma'v 2, fs 20: 0.004 x 1000 x (1 - 1.25) = -1.0 is held at 0, so that
    // tau(10) = 20 exp(-10 x 500^0.5 / 80) = 1.222.
    const FrictionFatigue shallow = alm_hamre_clay_friction(1000, 2, 20);
    // A residual above the first friction (deep soft clay, small fs) is held at fs: the friction never
    // grows away from the tip.
    const FrictionFatigue above = alm_hamre_clay_friction(2000, 1000, 5);
    expect_all({
        {"tau_i", a.initial, 60, 1e-12},
        {"tau_res", a.residual, 7.60, 0.005},
        {"k", a.decay, 0.05590, 0.000005},
        {"tau(10 m)", a.at(10), 37.56, 0.005},
        {"q", alm_hamre_clay_tip(2000), 1200, 1e-9},
        {"clamped tau_res", shallow.residual, 0, 0},
        {"clamped tau(10 m)", shallow.at(10), 1.222, 0.0005},
        {"tau_res held at fs", above.residual, 5, 0},
        {"tau(50 m) held at fs", above.at(50), 5, 1e-12},
        {"no effective stress", alm_hamre_clay_friction(2000, 0, 30).at(1), 0, 0},
    });
}

TEST(SrdUnitValues, UniSandSrd) {
    // D 2 m, t 50 mm: PLR = tanh(0.3 (1.9 / 0.0357)^0.5) = 0.97519, Are = 1 - PLR 0.95^2 = 0.11989.
    // qc 20 MPa, sigma'v 100: sigma'rc = 20000 / 44 x Are^0.3 = 240.55 up to h = D;
    // delta sigma'rd = 2000 x 200^-0.33 x 0.0357 / 2 = 6.213; tau = 0.39 x 246.77 = 96.24;
    // at h = 10 m sigma'rc = 240.55 x 5^-0.4 = 126.36, tau = 51.71;
    // qb = 0.4 x 20000 x (exp(-1.95038) + 0.1) = 1937.8.
    const DrivenTip big = driven_tip(2, 1.9);
    // D 0.34 m x 14 mm: PLR = tanh(0.3 (0.312 / 0.0357)^0.5) = 0.70985, Are = 0.40225, qb = 3251.9.
    const DrivenTip small = driven_tip(0.34, 0.312);
    // Closed end: no plug, Are 1, and the base at its cap 0.4 qc.
    const DrivenTip closed = driven_tip(0.5, 0);
    expect_all({
        {"PLR", big.plug_length_ratio, 0.97519, 0.000005},
        {"Are", big.area_ratio, 0.11989, 0.000005},
        {"tau at the tip", unified_srd_friction(big, 20000, 100, 0), 96.24, 0.005},
        {"tau at h = D", unified_srd_friction(big, 20000, 100, 2), 96.24, 0.005},
        {"tau at h = 10 m", unified_srd_friction(big, 20000, 100, 10), 51.71, 0.005},
        {"qb", unified_srd_base(big, 20000), 1937.8, 0.05},
        {"PLR, 0.34 m", small.plug_length_ratio, 0.70985, 0.000005},
        {"Are, 0.34 m", small.area_ratio, 0.40225, 0.000005},
        {"qb, 0.34 m", unified_srd_base(small, 20000), 3251.9, 0.05},
        {"PLR, closed", closed.plug_length_ratio, 0, 0},
        {"Are, closed", closed.area_ratio, 1, 0},
        {"qb, closed", unified_srd_base(closed, 20000), 8000, 1e-9},
        {"no qc", unified_srd_friction(big, 0, 100, 1), 0, 0},
    });
    // sigma'rc alone: the dilation term taken off at the ground surface, where sigma'v is 0.
    EXPECT_NEAR(unified_srd_friction(big, 20000, 0, 10), 0.39 * 126.36, 0.39 * 0.005);
}

}  // namespace
}  // namespace torve
