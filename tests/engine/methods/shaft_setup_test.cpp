// Set-up of the shaft after driving: Skov & Denver's factor 1 + A log10(t/t0), its checks, and its
// application to a method's skin friction segment by segment, on the user-specified method whose
// skin friction is worked by hand (perimeter pi D with the engine's pi 3.14159).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/methods/shaft_setup.h"
#include "engine/model/input_error.h"
#include "tests/engine/methods/method_fixture.h"

namespace torve {
namespace {

using test::PhaseRun;

// The factors worked by hand: sand 1 + 0.2 log10(t/0.5), clay 1 + 0.6 log10(t/1).
TEST(SetupFactor, HandWorkedValues) {
    struct Case {
        SetupRate rate;
        double days;
        double factor;
    };
    const Case cases[] = {
        {kSandSetup, 1, 1.0602},    // 1 + 0.2 log10(2) = 1 + 0.2 x 0.30103
        {kSandSetup, 10, 1.2602},   // 1 + 0.2 log10(20) = 1 + 0.2 x 1.30103
        {kSandSetup, 100, 1.4602},  // 1 + 0.2 log10(200) = 1 + 0.2 x 2.30103
        {kClaySetup, 1, 1.0000},    // t = t0
        {kClaySetup, 10, 1.6000},   // one log cycle
        {kClaySetup, 100, 2.2000},  // two log cycles
        {{0.2, 1}, 1, 1.0000},     {{0.2, 1}, 10, 1.2000},
        {{0.2, 1}, 100, 1.4000},   {{0.2, 1}, 30, 1.2954},  // 1 + 0.2 log10(30) = 1 + 0.2 x 1.47712
        {kSandSetup, 0.25, 1.0},                            // before t0: no loss of capacity
        {kClaySetup, 0, 1.0},                               // at the end of driving
        {{0, 1}, 1000, 1.0},                                // no gain asked for
    };
    for (const Case& c : cases)
        EXPECT_NEAR(setup_factor(c.rate, c.days), c.factor, 5e-5)
            << c.rate.a << " " << c.rate.t0_days << " " << c.days;
}

TEST(SetupRates, DefaultsPerSoilTypeAndValuesThatReplaceThem) {
    const SetupRates defaults = setup_rates({30, std::nullopt, std::nullopt});
    EXPECT_EQ(defaults.days, 30);
    EXPECT_EQ(defaults.sand.a, 0.2);
    EXPECT_EQ(defaults.sand.t0_days, 0.5);
    EXPECT_EQ(defaults.clay.a, 0.6);
    EXPECT_EQ(defaults.clay.t0_days, 1.0);
    const SetupRates given = setup_rates({30, 0.35, 2.0});
    for (const SetupRate& r : {given.sand, given.clay}) {
        EXPECT_EQ(r.a, 0.35);
        EXPECT_EQ(r.t0_days, 2.0);
    }
    const SetupRates only_a = setup_rates({30, 0.4, std::nullopt});
    EXPECT_EQ(only_a.sand.t0_days, 0.5);  // each type keeps its own t0
    EXPECT_EQ(only_a.clay.t0_days, 1.0);
}

TEST(SetupRates, RefusesValuesOutOfRange) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        SetupRequest request;
        const char* message;
    };
    const Case cases[] = {
        {{-1, std::nullopt, std::nullopt},
         "The time after driving for the set-up (-1 days) must be zero or more days."},
        {{nan, std::nullopt, std::nullopt}, "(not a number days)"},
        {{inf, std::nullopt, std::nullopt}, "(infinite days)"},
        {{10, -0.1, std::nullopt}, "The set-up factor A (-0.1) must be zero or more."},
        {{10, nan, std::nullopt}, "The set-up factor A (not a number)"},
        {{10, 0.2, 0.0}, "The reference time t0 of the set-up (0 days) must be more than zero days."},
        {{10, 0.2, -2.0}, "(-2 days)"},
    };
    for (const Case& c : cases) {
        try {
            setup_rates(c.request);
            ADD_FAILURE() << "accepted " << c.message;
        } catch (const InputError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
    EXPECT_NO_THROW(setup_rates({0, 0.0, std::nullopt}));  // the end of driving, no gain
}

// 24 in closed pile, 40 ft, user unit friction 500 psf and end bearing 40,000 psf; sand above
// `sand_to` ft, clay below (to 100 ft).
ProjectRecords user_pile(double sand_to) {
    ProjectRecords p = test::project();
    p.outside_diameter = 24;
    p.inside_diameter = 0;
    p.total_pile_length = 40;
    p.deepest_soil_depth = 100;
    p.method_selection_flags = MethodFlags{0, 0, 0, 0, 1, 0, 0, 0, 0};
    p.load_transfer_method_code = code_of(Method::UserSpecified);
    if (sand_to > 0) test::add_layer(p, test::sand_layer(0, sand_to, 120, 30, 0.8, 20));
    test::add_layer(p, test::clay_layer(sand_to, 100, 50, 1000, 500));
    for (auto& point : p.soil_points) {
        point.user_unit_skin_friction = 500;
        point.user_unit_end_bearing = 40000;
    }
    return p;
}

// Unaged: 0.5 ksf x 3.14159 x 2 ft = 3.14159 kips per ft of shaft; end bearing 40 ksf x 3.14159 x 1
// ft2 = 125.6636 kips. Sand over 0-20 ft then clay: at 10 days the sand factor is 1.2602 and the
// clay 1.6 (above), the shaft 62.8318 x 1.26021 + 62.8318 x 1.6 = 79.1810 + 100.5309 = 179.7119.
TEST(ApplySetup, EachSegmentGainsByItsSoilType) {
    struct Case {
        double sand_to;
        double days;
        double shaft_at_tip;
        double shaft_at_20ft;
    };
    const Case cases[] = {
        {0, 100, 125.6636 * 2.2, 62.8318 * 2.2},          // clay alone, two log cycles
        {20, 10, 179.7119, 79.1810},                      // sand over clay
        {40, 10, 125.6636 * 1.26021, 62.8318 * 1.26021},  // sand alone
        {20, 0.75, 62.8318 * (1 + 0.2 * std::log10(1.5)) + 62.8318, 62.8318 * 1.035218},  // clay before t0
    };
    for (const Case& c : cases) {
        const PhaseRun unaged(user_pile(c.sand_to));
        CapacityCurve curve = unaged.curve();
        apply_setup(curve, unaged.results.profile, setup_rates({c.days, std::nullopt, std::nullopt}));
        EXPECT_NEAR(unaged.curve().skin_friction[40], 125.6636, 1e-4);
        EXPECT_NEAR(curve.skin_friction[40], c.shaft_at_tip, 1e-3) << c.sand_to << " " << c.days;
        EXPECT_NEAR(curve.skin_friction[20], c.shaft_at_20ft, 1e-3) << c.sand_to << " " << c.days;
        // The base bears as before; the ultimate capacity rises by the shaft's gain alone.
        EXPECT_EQ(curve.end_bearing, unaged.curve().end_bearing);
        EXPECT_NEAR(curve.ultimate[40], c.shaft_at_tip + 125.6636, 1e-3);
        // The load-transfer input is the aged shaft too (here the unfactored skin friction).
        EXPECT_NEAR(curve.side_resistance[40], c.shaft_at_tip, 1e-3);
    }
}

TEST(ApplySetup, UnitFrictionOfARowTakesTheSegmentAboveIt) {
    const PhaseRun unaged(user_pile(20));
    CapacityCurve curve = unaged.curve();
    apply_setup(curve, unaged.results.profile, setup_rates({10, std::nullopt, std::nullopt}));
    EXPECT_NEAR(curve.unit_skin_friction[0], 0.5 * 1.26021, 1e-5);   // the first segment: sand
    EXPECT_NEAR(curve.unit_skin_friction[20], 0.5 * 1.26021, 1e-5);  // bottom of 19-20 ft: sand
    EXPECT_NEAR(curve.unit_skin_friction[21], 0.5 * 1.6, 1e-9);      // bottom of 20-21 ft: clay
}

}  // namespace
}  // namespace torve
