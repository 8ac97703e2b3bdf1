// UWA-05 unit side friction of sand and unit end bearing against hand calculations
// (tests/data/offshore_hand_calculations.py).
#include "engine/methods/uwa_method.h"

#include <gtest/gtest.h>

#include "tests/engine/methods/offshore_test_values.h"

namespace torve {
namespace {

using namespace test;

constexpr double kShaftAreaRatio = 1 - (kEid / kOd) * (kEid / kOd);  // 0.10642

UwaSandInput sand(double h_over_d, double area_ratio, bool tension) {
    return {kSandQc, kSandStress, kPa, h_over_d, area_ratio, kOd, 0.02, kSandPhi, tension};
}

TEST(UwaSand, RadialStressAndDilation) {
    // sigma'rc = 0.03 qc 0.10642^0.3 (21.88)^-0.5; qc1N = 150 / sqrt 1.6; G = 185 qc / qc1N^0.75
    EXPECT_NEAR(uwa_sand_friction(sand(kSandH / kOd, kShaftAreaRatio, false)), 32.26274747, 1e-7);
    EXPECT_NEAR(uwa_sand_friction(sand(kSandH / kOd, kShaftAreaRatio, true)), 24.19706061, 1e-7);
    EXPECT_NEAR(uwa_sand_friction(sand(1, 1, false)), 187.6140491, 1e-6);  // h/D below 2 uses 2
}

TEST(UwaSand, NoConeResistanceGivesNoFriction) {
    // qc = 0 (no CPT, blow count 0): qc1N = 0 and G = 0 / 0 unless guarded
    UwaSandInput s = sand(10, 1, false);
    s.qc = 0;
    EXPECT_EQ(uwa_sand_friction(s), 0.0);
    s.qc = kSandQc;
    s.effective_stress = 0;  // at the surface s'v/pa is raised to 1e-7
    EXPECT_TRUE(std::isfinite(uwa_sand_friction(s)));
}

TEST(UwaSand, EndBearingWithTheFinalFillingRatio) {
    // FFR = (0.864 / 1.5)^0.2 = 0.89554, Ar = 1 - FFR (864/914)^2: (0.15 + 0.45 Ar) qc = 0.2399 qc
    EXPECT_NEAR(uwa_sand_end_bearing(kSandQc, 0.864, kEid / kOd, true, false), 3598.388279, 1e-6);
    EXPECT_DOUBLE_EQ(uwa_sand_end_bearing(kSandQc, 0.864, kEid / kOd, true, true), 4500);  // plugged: 0.3 qc
    EXPECT_DOUBLE_EQ(uwa_sand_end_bearing(kSandQc, 0, 0, false, false), 9000);             // closed: 0.6 qc
    // 2000 x 1960 mm: FFR = 1, Ar = 0.0396
    EXPECT_NEAR(uwa_sand_end_bearing(kSandQc, 1.96, 0.98, true, false), 2517.3, 1e-8);
    // English 48 x 46 in: Di = 1.1684 m, qc 300 ksf
    EXPECT_NEAR(uwa_sand_end_bearing(300, 46 * 0.0254, 46.0 / 48, true, false), 62.05840005, 1e-8);
}

}  // namespace
}  // namespace torve
