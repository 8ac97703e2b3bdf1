// The results of a run as data: values worked out by hand, the plug's rows and the curves at their
// own depths, from the computation alone and against the texts the same run writes.
#include "engine/driver/run_result.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>

#include "engine/driver/input_reader.h"
#include "engine/driver/run_analysis.h"
#include "tests/support/project_text.h"

namespace torve {
namespace {

using test::project;

// A closed 24 in pipe, 60 ft into one sand layer to 100 ft: gamma' 60 lb/ft3, phi 30, K 0.8,
// Nq 20; API RP 2A alone, every row printed.
ProjectRecords sand_pile() {
    ProjectRecords p = test::project();
    p.outside_diameter = 24;
    p.inside_diameter = 0;
    p.total_pile_length = 60;
    p.deepest_soil_depth = 100;
    test::add_layer(p, test::sand_layer(0, 100, 60, 30, 0.8, 20));
    return p;
}

RunResult computed(const ProjectRecords& p) {
    const RunResult r = compute_analysis(parse_input_data(test::text_of(p), "p.tv6d"), {});
    EXPECT_EQ(r.status, RunStatus::Completed) << r.message;
    return r;
}

// The report and plot texts of the same run, the report's capacity rows found by their penetration.
struct Texts {
    RunResult result;
    std::string report, plot;
};

Texts texts_of(const ProjectRecords& p) {
    std::ostringstream report, plot, console;
    Texts t;
    t.result = run_analysis({"p.tv6d", "p.tv6o", "p.tv6p", "p.cpt"},
                            parse_input_data(test::text_of(p), "p.tv6d"), {}, {&report, &plot}, console);
    t.report = report.str();
    t.plot = plot.str();
    return t;
}

TEST(RunResult, TipValuesWorkedOutByHand) {
    // At the tip, 60 ft: s'v = 60 x 0.06 = 3.6 ksf. Unit end bearing Nq s'v = 72 ksf (below the
    // API limit of 100 ksf for phi 30). The tip force averages A q over 1.5 D either side; q is
    // linear there, so the average is A x 72 with A = pi/4 x 2 ft x 2 ft = pi ft2. Unit skin
    // friction K s'v tan(phi - 5) = 0.8 x 3.6 x tan 25 = 1.343 ksf (below the 1.7 ksf limit); the
    // skin friction sums it, linear in depth, over the perimeter 3.14159 x 2 ft (the summation's
    // pi): 2 x 3.14159 x 0.8 x 0.06 x tan 25 x 60^2 / 2 = 253.143 kips.
    // Tension: the self weight pi ft2 x (0.49 x 0.1 + (0.49 - 0.0624) x 59.9) kips, and the unit end
    // bearing stays what the base would bear.
    const double tan25 = std::tan(25 / 57.2958);
    const struct {
        int loading;
        double end_bearing;
    } cases[] = {{0, std::numbers::pi * 72}, {1, std::numbers::pi * (0.49 * 0.1 + (0.49 - 0.0624) * 59.9)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.loading);
        ProjectRecords p = sand_pile();
        p.loading_type_code = c.loading;
        const RunResult r = computed(p);
        ASSERT_EQ(r.methods.size(), 1u);
        const CapacityTable& api = r.methods[0];
        EXPECT_EQ(r.tension, c.loading == 1);
        ASSERT_EQ(api.depth.size(), 61u);
        EXPECT_EQ(api.depth.back(), 60.0);
        EXPECT_NEAR(api.unit_end_bearing.back(), 72.0, 1e-9);
        EXPECT_NEAR(api.end_bearing.back(), c.end_bearing, 1e-9);
        EXPECT_NEAR(api.unit_skin_friction.back(), 0.8 * 3.6 * tan25, 1e-12);
        const double skin = 2 * 3.14159 * 0.8 * 0.06 * tan25 * 1800;
        EXPECT_NEAR(api.skin_friction.back(), skin, 1e-9);
        EXPECT_EQ(api.total.back(), api.skin_friction.back() + api.end_bearing.back());
        EXPECT_NEAR(api.unit_end_bearing[30], 20 * 30 * 0.06, 1e-9);   // 36 ksf at 30 ft
        EXPECT_EQ(api.plug_controlled, std::vector<bool>(61, false));  // a closed end has no plug
    }
}

TEST(RunResult, PlugRowsAreTheReportsAsterisks) {
    // An open 24/23 in pipe in soft clay (su 500 lb/ft2, remolded 200): where the thin annulus and
    // the weak plug inside carry less than the full section, the plug controls the tip.
    ProjectRecords p = test::project();
    p.outside_diameter = 24;
    p.inside_diameter = 23;
    p.total_pile_length = 60;
    p.deepest_soil_depth = 100;
    test::add_layer(p, test::clay_layer(0, 100, 40, 500, 200));
    const Texts t = texts_of(p);
    ASSERT_EQ(t.result.methods.size(), 1u);
    const CapacityTable& api = t.result.methods[0];
    // The table's rows follow its unit line; the asterisk stands after the end bearing (11X F7.2
    // 6X F8.1 6X F8.1).
    std::istringstream lines(t.report);
    std::string line;
    while (std::getline(lines, line) && line.find("FT.          KIP") == std::string::npos) {
    }
    int marked = 0;
    for (std::size_t i = 0; i < api.depth.size(); ++i) {
        ASSERT_TRUE(std::getline(lines, line));
        ASSERT_EQ(line.size(), 59u) << line;
        const bool asterisk = line[11 + 7 + 6 + 8 + 6 + 8] == '*';
        EXPECT_EQ(api.plug_controlled[i], asterisk) << line;
        marked += asterisk;
    }
    EXPECT_GT(marked, 0);
    EXPECT_LT(marked, 61);
}

TEST(RunResult, CurvesKeepTheirDepthsUnrounded) {
    // A layer from 0 to 120 ft: its bottom curve lies 0.5 in above the layer's bottom, at
    // (120 x 12 - 0.5) / 12 = 119.958 ft, which the plot file prints as 0.1200E+03. Of the print
    // depths 10 and 150 ft the second lies below the soil (to 120 ft): it has no curve.
    ProjectRecords p = sand_pile();
    p.deepest_soil_depth = 120;
    p.soil_points[1].depth = 120;
    p.t_z_print_flag = 1;
    p.t_z_print_depths = {10, 150};
    const Texts t = texts_of(p);
    const RunResult& r = t.result;
    ASSERT_EQ(r.tz_curves.size(), 3u);
    EXPECT_EQ(r.tz_curves[2].depth, (120 * 12 - 0.5) / 12);
    EXPECT_EQ(r.tz_curves[1].depth, (0 + 1439.5 + 1.1) / 2 / 12);
    EXPECT_NE(t.plot.find("            3         10      0.1200E+03\n"), std::string::npos);
    ASSERT_EQ(r.extra_tz_curves.size(), 2u);
    EXPECT_EQ(r.extra_tz_curves[0].depth, 10.0);
    ASSERT_TRUE(r.extra_tz_curves[0].curve.has_value());
    EXPECT_EQ(r.extra_tz_curves[0].curve->depth, 10.0);
    EXPECT_EQ(r.extra_tz_curves[1].depth, 150.0);
    EXPECT_FALSE(r.extra_tz_curves[1].curve.has_value());
    EXPECT_NE(t.report.find("CURVE NOT PRINTED SINCE DEPTH OUTSIDE SOIL RANGE"), std::string::npos);
    // The API sand curve reaches its maximum at 0.1 in, held to 2 in; the tip curve its maximum at 0.1 D.
    EXPECT_EQ(r.tz_curves[1].movement[7], 0.1);
    EXPECT_EQ(r.tz_curves[1].load_transfer[7], r.tz_curves[1].load_transfer[9]);
    EXPECT_NEAR(r.tip_curve.movement[7], 0.1 * 24, 1e-12);
    // The load-settlement curve and every level's load at the head are the same numbers.
    ASSERT_EQ(r.load_levels.size(), std::size_t{kLoadLevels});
    for (const LoadLevelResult& level : r.load_levels) {
        ASSERT_EQ(level.distribution.size(), std::size_t(r.printed_rows));
        EXPECT_EQ(level.distribution.front().load, level.head_load);
        EXPECT_EQ(level.distribution.front().depth, 0.0);
        EXPECT_EQ(level.boundaries.back().load, level.head_load);
        EXPECT_EQ(level.boundaries.front().load, level.tip_load);
    }
}

TEST(RunResult, StopsAndRefusalsCarryNoTables) {
    ProjectRecords shallow = sand_pile();
    shallow.deepest_soil_depth = 50;  // a 60 ft pile needs 64 ft of soil
    shallow.soil_points[1].depth = 50;
    const RunResult soil = compute_analysis(parse_input_data(test::text_of(shallow), "p.tv6d"), {});
    EXPECT_EQ(soil.status, RunStatus::Completed);
    EXPECT_EQ(soil.stop, RunStop::SoilExtent);
    EXPECT_TRUE(soil.methods.empty());
    EXPECT_TRUE(soil.load_levels.empty());
    EXPECT_EQ(soil.warnings.size(), 1u);  // the deepest soil point lies above the required depth too

    // Input nobody read: no soil points. Refused, not computed.
    const RunResult empty = compute_analysis(InputData{}, {});
    EXPECT_EQ(empty.status, RunStatus::InputError);
    EXPECT_NE(empty.message.find("two soil points"), std::string::npos);
}

TEST(RunResult, MethodWarningsInSentences) {
    // Three segments close to the tip (27.5, 28 and 28.5 m) give one entry at the first depth that
    // names all three; the plasticity index raised between them stays an entry of its own.
    CapacityTable t;
    t.method = Method::Uwa;
    t.warnings = {{MethodWarning::CloseToTip, 27.5},
                  {MethodWarning::MissingPlasticityIndex, 28.0},
                  {MethodWarning::CloseToTip, 28.0},
                  {MethodWarning::CloseToTip, 28.5}};
    t.first_depth_without_cone = 12.5;
    const std::vector<RunWarning> si = method_run_warnings(t, false);
    ASSERT_EQ(si.size(), 3u);
    EXPECT_EQ(si[0].method, Method::Uwa);
    EXPECT_EQ(si[0].depth, 27.5);
    EXPECT_EQ(si[0].text,
              "A clay segment lies closer than 8 equivalent radii to the pile tip (h/R below 8); 8 is used "
              "(3 segments from 27.50 to 28.50 m).");
    EXPECT_EQ(si[1].depth, 28.0);
    EXPECT_EQ(si[1].text,
              "A clay segment has a negative plasticity index; the first angle of the chart is used.");
    EXPECT_EQ(si[2].depth, 12.5);
    const std::vector<std::string> english = method_warning_sentences(t, true);
    ASSERT_EQ(english.size(), 3u);
    EXPECT_EQ(english[2], "No cone resistance from depth 12.50 ft; no resistance is taken there.");
}

TEST(RunResult, WarningSentencesAndConsoleLinesNameMethodAndDepth) {
    const struct {
        RunWarning warning;
        bool english;
        const char* sentence;
        const char* console;
    } cases[] = {
        {{Method::Uwa, 27.5, "Text."}, false, "UWA, at 27.50 m: Text.", "Warning [UWA; 27.50 m]: Text."},
        {{Method::Api, std::nullopt, "Text."}, true, "API RP 2A: Text.", "Warning [API RP 2A]: Text."},
        {{std::nullopt, 12.0, "Text."}, true, "At 12.00 ft: Text.", "Warning [12.00 ft]: Text."},
        {{std::nullopt, std::nullopt, "Text."}, true, "Text.", "Warning: Text."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(warning_sentence(c.warning, c.english), c.sentence);
        EXPECT_EQ(warning_console_line(c.warning, c.english), c.console);
    }
}

}  // namespace
}  // namespace torve
