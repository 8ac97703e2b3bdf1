// A whole run with set-up: the capacity tables, the t-z curves and the load-settlement solution of
// the time after driving, the base as at the end of driving, and the report's set-up lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "engine/driver/input_reader.h"
#include "engine/driver/run_analysis.h"
#include "engine/model/input_error.h"
#include "engine/model/layer_constants_file.h"
#include "tests/support/project_text.h"

namespace torve {
namespace {

// The test project (24 in closed pipe, 60 ft, API RP 2A) in sand to 30 ft over clay.
RunInput sand_over_clay() {
    ProjectRecords p = test::project();
    test::add_layer(p, test::sand_layer(0, 30, 60, 30, 0.8, 20));
    test::add_layer(p, test::clay_layer(30, 100, 50, 1500, 700));
    return parse_run_input(test::text_of(p), "p.tv6d", std::nullopt, "p.cpt");
}

double peak(const TransferCurve& c) {
    return *std::max_element(c.load_transfer.begin(), c.load_transfer.end());
}

// With one rate for both soils, every row's skin friction is the factor times that of the end of
// driving: A = 0.2, t0 = 1 day, 100 days give 1 + 0.2 x 2 = 1.4 (and 30 days 1 + 0.2 log10(30) =
// 1.29542).
TEST(SetupRun, ShaftIsTheFactorTimesTheShaftAtTheEndOfDriving) {
    const RunInput in = sand_over_clay();
    const RunResult at_driving = compute_analysis(in.in, in.cpt);
    ASSERT_EQ(at_driving.status, RunStatus::Completed) << at_driving.message;
    EXPECT_FALSE(at_driving.setup);
    const struct {
        double days;
        double factor;
    } cases[] = {{100, 1.4}, {30, 1 + 0.2 * 1.4771212547196624}, {1, 1.0}, {0.5, 1.0}};
    for (const auto& c : cases) {
        const RunResult aged = compute_analysis(in.in, in.cpt, SetupRequest{c.days, 0.2, 1.0});
        ASSERT_EQ(aged.status, RunStatus::Completed) << aged.message;
        ASSERT_TRUE(aged.setup);
        EXPECT_NEAR(aged.setup->sand_factor, c.factor, 1e-6);
        EXPECT_NEAR(aged.setup->clay_factor, c.factor, 1e-6);
        ASSERT_EQ(aged.methods.size(), at_driving.methods.size());
        const CapacityTable &t = aged.methods[0], &t0 = at_driving.methods[0];
        for (std::size_t i = 0; i < t.depth.size(); ++i) {
            EXPECT_NEAR(t.skin_friction[i], c.factor * t0.skin_friction[i], 1e-9 * (1 + t0.skin_friction[i]));
            EXPECT_EQ(t.end_bearing[i], t0.end_bearing[i]) << t.depth[i];
            EXPECT_NEAR(t.total[i], t.skin_friction[i] + t.end_bearing[i], 1e-9 * (1 + t.total[i]));
        }
        // The t-z curves carry the aged friction, the Q-w curve of the tip the same base.
        ASSERT_EQ(aged.tz_curves.size(), at_driving.tz_curves.size());
        for (std::size_t k = 0; k < aged.tz_curves.size(); ++k)
            EXPECT_NEAR(peak(aged.tz_curves[k]), c.factor * peak(at_driving.tz_curves[k]),
                        1e-6 * (1 + peak(at_driving.tz_curves[k])))
                << aged.tz_curves[k].depth;
        EXPECT_EQ(aged.tip_curve.load, at_driving.tip_curve.load);
        // The largest head load of the load-settlement curve grows with the shaft.
        ASSERT_FALSE(aged.load_levels.empty());
        if (c.factor > 1)
            EXPECT_GT(aged.load_levels.back().head_load, at_driving.load_levels.back().head_load);
        else
            EXPECT_EQ(aged.load_levels.back().head_load, at_driving.load_levels.back().head_load);
    }
}

// Each soil by its own rate: the sand's shaft (0-30 ft) by 1 + 0.2 log10(10/0.5) = 1.26021, the
// clay's (30-60 ft) by 1 + 0.6 log10(10) = 1.6.
TEST(SetupRun, SandAndClayGainByTheirOwnRates) {
    const RunInput in = sand_over_clay();
    const RunResult at_driving = compute_analysis(in.in, in.cpt);
    const RunResult aged = compute_analysis(in.in, in.cpt, SetupRequest{10, std::nullopt, std::nullopt});
    ASSERT_EQ(aged.status, RunStatus::Completed) << aged.message;
    const CapacityTable &t = aged.methods[0], &t0 = at_driving.methods[0];
    const auto at = [&](double depth) {
        return static_cast<std::size_t>(std::find(t0.depth.begin(), t0.depth.end(), depth) -
                                        t0.depth.begin());
    };
    const std::size_t k30 = at(30), tip = t0.depth.size() - 1;
    ASSERT_LT(k30, t0.depth.size());
    EXPECT_NEAR(t.skin_friction[k30], 1.260206 * t0.skin_friction[k30], 1e-4);
    EXPECT_NEAR(t.skin_friction[tip],
                1.260206 * t0.skin_friction[k30] + 1.6 * (t0.skin_friction[tip] - t0.skin_friction[k30]),
                1e-4);
    EXPECT_EQ(t.end_bearing[tip], t0.end_bearing[tip]);
}

TEST(SetupRun, RequestOutOfRangeFailsTheRunWithItsReason) {
    const RunInput in = sand_over_clay();
    const struct {
        SetupRequest request;
        const char* reason;
    } cases[] = {
        {{-3, std::nullopt, std::nullopt},
         "The time after driving for the set-up (-3 days) must be zero or more days."},
        {{10, -0.2, std::nullopt}, "The set-up factor A (-0.2) must be zero or more."},
        {{10, std::nullopt, 0.0},
         "The reference time t0 of the set-up (0 days) must be more than zero days."},
    };
    for (const auto& c : cases) {
        const RunResult r = compute_analysis(in.in, in.cpt, c.request);
        EXPECT_EQ(r.status, RunStatus::InputError);
        EXPECT_EQ(r.message, c.reason);
        EXPECT_TRUE(r.methods.empty());
    }
}

// The report says the capacity is that of the time after driving, above the tables; without a
// set-up it has no such line.
TEST(SetupRun, ReportNamesTheTimeAndTheRates) {
    const RunInput in = sand_over_clay();
    const RunFiles names{"p.tv6d", "p.tv6o", "p.tv6p", "p.cpt"};
    RunOptions options;
    options.local_time = std::tm{};
    options.cpt_optional = true;
    std::ostringstream plain, console;
    run_analysis(names, in.in, in.cpt, {&plain, nullptr}, console, options);
    EXPECT_EQ(plain.str().find("AFTER DRIVING"), std::string::npos);
    options.setup = SetupRequest{30, std::nullopt, std::nullopt};
    std::ostringstream aged;
    const RunResult r = run_analysis(names, in.in, in.cpt, {&aged, nullptr}, console, options);
    ASSERT_EQ(r.status, RunStatus::Completed) << r.message;
    // sand 1 + 0.2 log10(60) = 1.3556, clay 1 + 0.6 log10(30) = 1.8863
    const std::string lines =
        "\n SKIN FRICTION AND LOAD TRANSFER AT    30.00 DAYS AFTER DRIVING, SET-UP 1 + A LOG10(t/t0):\n"
        "   SAND: A = 0.200, t0 =    0.50 DAYS, FACTOR 1.3556\n"
        "   CLAY: A = 0.600, t0 =    1.00 DAYS, FACTOR 1.8863\n";
    const std::size_t at = aged.str().find(lines);
    ASSERT_NE(at, std::string::npos) << aged.str();
    EXPECT_LT(at, aged.str().find("ULTIMATE"));
}

// A layer's own A and t0 come before the request's and the soil type's: the clay (30-100 ft) with
// A = 0.3, t0 = 2 days at 20 days gains 1 + 0.3 log10(10) = 1.3 instead of clay's 1 + 0.6 log10(20) =
// 1.78062; the sand keeps its 1 + 0.2 log10(40) = 1.32041. A request's A stands for the sand alone.
TEST(SetupRun, LayerOwnRatesComeFirstAndTheReportNamesThem) {
    ProjectRecords p = test::project();
    test::add_layer(p, test::sand_layer(0, 30, 60, 30, 0.8, 20));
    test::add_layer(p, test::clay_layer(30, 100, 50, 1500, 700));
    const RunInput plain = parse_run_input(test::text_of(p), "p.tv6d", std::nullopt, "p.cpt");
    for (std::size_t i : {2u, 3u}) {
        p.soil_points[i].constants.setup_a = 0.3;
        p.soil_points[i].constants.setup_t0_days = 2;
    }
    const std::string layers = write_layer_constants(p);
    const RunInput own =
        parse_run_input(test::text_of(p), "p.tv6d", std::nullopt, "p.cpt", layers, "p.layers.csv");
    const RunResult t0 = compute_analysis(plain.in, plain.cpt);
    const struct {
        SetupRequest request;
        double sand;
    } cases[] = {{{20, std::nullopt, std::nullopt}, 1.3204120}, {{20, 0.1, 1.0}, 1.1301030}};
    for (const auto& c : cases) {
        const RunResult aged = compute_analysis(own.in, own.cpt, c.request);
        ASSERT_EQ(aged.status, RunStatus::Completed) << aged.message;
        const CapacityTable &t = aged.methods[0], &e = t0.methods[0];
        const std::size_t k30 =
            static_cast<std::size_t>(std::find(e.depth.begin(), e.depth.end(), 30.0) - e.depth.begin());
        const std::size_t tip = e.depth.size() - 1;
        EXPECT_NEAR(t.skin_friction[k30], c.sand * e.skin_friction[k30], 1e-4);
        EXPECT_NEAR(t.skin_friction[tip] - t.skin_friction[k30],
                    1.3 * (e.skin_friction[tip] - e.skin_friction[k30]), 1e-4);
        ASSERT_TRUE(aged.setup);
        ASSERT_EQ(aged.setup->own_rates.size(), 1u);
        EXPECT_EQ(aged.setup->own_rates[0].layer, 2);
        EXPECT_NEAR(aged.setup->own_rates[0].factor, 1.3, 1e-12);
    }
    const RunFiles names{"p.tv6d", "p.tv6o", "p.tv6p", "p.cpt"};
    RunOptions options;
    options.local_time = std::tm{};
    options.setup = SetupRequest{20, std::nullopt, std::nullopt};
    std::ostringstream report, console;
    run_analysis(names, own.in, own.cpt, {&report, nullptr}, console, options);
    const std::string lines =
        "   CLAY: A = 0.600, t0 =    1.00 DAYS, FACTOR 1.7806\n"
        "   LAYERS WITH A OR t0 OF THEIR OWN, IN PLACE OF THEIR SOIL TYPE'S:\n"
        "   LAYER  2 CLAY   30.00 TO  100.00: A = 0.300, t0 =    2.00 DAYS, FACTOR 1.3000\n";
    EXPECT_NE(report.str().find(lines), std::string::npos) << report.str().substr(0, 3000);
}

// A value the checks refuse is named in the file that holds it, before anything is computed.
TEST(SetupRun, RefusedLayerValueIsNamedInItsFile) {
    ProjectRecords p = test::project();
    test::add_layer(p, test::sand_layer(0, 30, 60, 30, 0.8, 20));
    test::add_layer(p, test::clay_layer(30, 100, 50, 1500, 700));
    p.soil_points[1].constants.setup_t0_days = -1;
    try {
        parse_run_input(test::text_of(p), "p.tv6d", std::nullopt, "p.cpt", write_layer_constants(p),
                        "p.layers.csv");
        FAIL() << "read";
    } catch (const InputError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Soil layer constants file \"p.layers.csv\", soil layer constants of soil point 2 of 4: "
                  "expected a set-up time t0 above 0 days, found -1.");
    }
}

}  // namespace
}  // namespace torve
