// The soil layer constants file: what it holds, what a reader takes back, and what it refuses with
// the file, line and column named.
#include <gtest/gtest.h>

#include "engine/model/input_checks.h"
#include "engine/model/input_error.h"
#include "engine/model/layer_constants_file.h"
#include "engine/model/project_codec.h"
#include "tests/support/project_text.h"

namespace torve {
namespace {

// Sand 0-10 ft over clay 10-100 ft: four soil points.
ProjectRecords two_layers() {
    ProjectRecords p = test::project();
    test::add_layer(p, test::sand_layer(0, 10, 60, 30, 0.8, 20));
    test::add_layer(p, test::clay_layer(10, 100, 50, 1500, 700));
    return p;
}

std::string refusal(std::string_view text, ProjectRecords p = two_layers()) {
    try {
        read_layer_constants(text, "p.layers.csv", p);
    } catch (const InputError& e) {
        return e.what();
    }
    return "read";
}

TEST(LayerConstantsFile, NamedBesideTheProject) {
    EXPECT_EQ(layer_constants_file_name("dir/pile.tv6d"), "dir/pile.layers.csv");
    EXPECT_EQ(layer_constants_file_name("pile"), "pile.layers.csv");
    EXPECT_EQ(layer_constants_file_name("a.b/pile.TV6D"), "a.b/pile.layers.csv");
}

// Every cell as written reads back to the same double; empty cells stay absent, the input data file's
// text does not change with them.
TEST(LayerConstantsFile, RoundTripKeepsEveryValueAndLeavesTheInputFileAlone) {
    ProjectRecords p = two_layers();
    const std::string input_before = test::text_of(p);
    EXPECT_FALSE(has_layer_constants(p));
    p.soil_points[0].constants.shaft_quake = 0.1;  // in
    p.soil_points[1].constants.shaft_quake = 0.1;
    p.soil_points[2].constants.shaft_damping = 0.2;  // s/ft
    p.soil_points[2].constants.setup_a = 0.45;
    p.soil_points[3].constants.setup_t0_days = 1.0 / 3.0;
    EXPECT_TRUE(has_layer_constants(p));
    EXPECT_EQ(test::text_of(p), input_before);
    const std::string text = write_layer_constants(p);
    EXPECT_EQ(
        text,
        "point,depth_ft,shaft_quake_in,toe_quake_in,shaft_damping_s_per_ft,toe_damping_s_per_ft,setup_a,"
        "setup_t0_days\n"
        "1,0,0.1,,,,,\n"
        "2,10,0.1,,,,,\n"
        "3,10,,,0.2,,0.45,\n"
        "4,100,,,,,,0.3333333333333333\n");
    ProjectRecords back = two_layers();
    read_layer_constants(text, "p.layers.csv", back);
    EXPECT_EQ(back, p);
    EXPECT_EQ(write_layer_constants(back), text);
}

TEST(LayerConstantsFile, SiHeaderNamesSiUnitsAndCrlfAndBlanksRead) {
    ProjectRecords p = two_layers();
    p.unit_system_code = 2;
    EXPECT_EQ(layer_constants_header(UnitSystem::SI),
              "point,depth_m,shaft_quake_mm,toe_quake_mm,shaft_damping_s_per_m,toe_damping_s_per_m,setup_a,"
              "setup_t0_days");
    read_layer_constants(layer_constants_header(UnitSystem::SI) +
                             "\r\n1, 0 ,,5.08,,,,\r\n2,10,,5.08,,,,\r\n3,10,,,,,,\r\n4,100,,,,,,\r\n\r\n",
                         "p.layers.csv", p);
    EXPECT_EQ(p.soil_points[1].constants.toe_quake, 5.08);
    EXPECT_FALSE(p.soil_points[2].constants.any());
}

// Each refusal names the file, the line and, for a cell, its column; the records are left as they were.
TEST(LayerConstantsFile, RefusesWhatDoesNotFitTheProject) {
    const std::string h = layer_constants_header(UnitSystem::English) + "\n";
    const std::string rows = "1,0,,,,,,\n2,10,,,,,,\n3,10,,,,,,\n";
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {h + rows + "4,100,0.1,x1,,,,\n",
         "Soil layer constants file \"p.layers.csv\", line 5, column 4 (toe_quake_in): expected a number or "
         "an "
         "empty cell, found \"x1\"."},
        {h + rows + "4,100,,,,,,nan\n",
         "Soil layer constants file \"p.layers.csv\", line 5, column 8 (setup_t0_days): expected a number or "
         "an empty cell, found \"nan\"."},
        {h + rows,
         "Soil layer constants file \"p.layers.csv\", line 5: the file has 3 rows but the project has 4 soil "
         "points; it belongs to other soil layers. Mend it or remove it."},
        {h + rows + "4,100,,,,,,\n5,120,,,,,,\n",
         "Soil layer constants file \"p.layers.csv\", line 6: the file has 5 rows but the project has 4 soil "
         "points; it belongs to other soil layers. Mend it or remove it."},
        {h + "1,0,,,,,,\n2,12,,,,,,\n3,10,,,,,,\n4,100,,,,,,\n",
         "Soil layer constants file \"p.layers.csv\", line 3, column 2 (depth_ft): expected the depth of "
         "soil "
         "point 2, 10, found \"12\"; the file belongs to other soil layers. Mend it or remove it."},
        {h + "1,0,,,,,,\n3,10,,,,,,\n3,10,,,,,,\n4,100,,,,,,\n",
         "Soil layer constants file \"p.layers.csv\", line 3, column 1 (point): expected soil point 2, found "
         "\"3\"."},
        {h + rows + "4,100,,,,,\n",
         "Soil layer constants file \"p.layers.csv\", line 5: expected 8 cells, found 7."},
        {layer_constants_header(UnitSystem::SI) + "\n" + rows + "4,100,,,,,,\n",
         "Soil layer constants file \"p.layers.csv\", line 1, column 2 (depth_ft): the file is in S.I. "
         "units, the project in English units."},
        {"point;depth_ft\n",
         "Soil layer constants file \"p.layers.csv\", line 1, column 1 (point): expected the column point, "
         "found \"point;depth_ft\"."},
        {"", "Soil layer constants file \"p.layers.csv\", line 1: expected the header line " +
                 layer_constants_header(UnitSystem::English) + "."},
    };
    for (const auto& c : cases) EXPECT_EQ(refusal(c.text), c.message) << c.text;
    // A refused file changes nothing, even where its first rows were good.
    ProjectRecords p = two_layers();
    EXPECT_NE(refusal(h + "1,0,0.2,,,,,\n2,10,,,,,,\n3,10,,,,,,\n4,100,,,,,,x\n", p), "read");
    EXPECT_EQ(p, two_layers());
}

TEST(LayerConstantsFile, ValueThatCannotBeReadBackIsNotWritten) {
    ProjectRecords p = two_layers();
    p.soil_points[2].constants.toe_damping = std::numeric_limits<double>::infinity();
    try {
        write_layer_constants(p);
        FAIL() << "written";
    } catch (const NotFiniteError& e) {
        EXPECT_EQ(e.place, (RecordPlace{RecordId::LayerConstants, 2, 4}));
        EXPECT_EQ(e.field, "toe_damping_s_per_ft");
        EXPECT_EQ(e.line, 4u);
    }
}

// The ranges of the checks: a quake and t0 above 0, damping and A from 0; each finding at the soil
// point's layer and depth.
TEST(LayerConstantsChecks, RangesOfEachConstant) {
    const struct {
        std::optional<double> LayerConstants::*field;
        double value;
        std::string message;  // empty: taken
    } cases[] = {
        {&LayerConstants::shaft_quake, 0, "expected a shaft quake above 0 in, found 0."},
        {&LayerConstants::shaft_quake, 0.01, ""},
        {&LayerConstants::toe_quake, -0.1, "expected a toe quake above 0 in, found -0.1."},
        {&LayerConstants::shaft_damping, 0, ""},
        {&LayerConstants::shaft_damping, -0.05, "expected a shaft damping of 0 s/ft or more, found -0.05."},
        {&LayerConstants::toe_damping, -1, "expected a toe damping of 0 s/ft or more, found -1."},
        {&LayerConstants::setup_a, 0, ""},
        {&LayerConstants::setup_a, -0.2, "expected a set-up factor A of 0 or more, found -0.2."},
        {&LayerConstants::setup_t0_days, 0, "expected a set-up time t0 above 0 days, found 0."},
        {&LayerConstants::setup_t0_days, 0.5, ""},
        {&LayerConstants::setup_a, std::numeric_limits<double>::quiet_NaN(),
         "expected a set-up factor A of 0 or more, found a value that is not a finite number."},
        {&LayerConstants::toe_quake, std::numeric_limits<double>::infinity(),
         "expected a toe quake above 0 in, found a value that is not a finite number."},
        {&LayerConstants::toe_quake, 1e16,
         "expected at most 1E+15 in magnitude for the toe quake, found 10000000000000000."},
    };
    for (const auto& c : cases) {
        ProjectRecords p = two_layers();
        p.soil_points[2].constants.*c.field = c.value;
        const std::vector<Finding> found = layer_constant_findings(p);
        if (c.message.empty()) {
            EXPECT_TRUE(found.empty()) << c.value;
            continue;
        }
        ASSERT_EQ(found.size(), 1u) << c.message;
        EXPECT_EQ(found[0].message, c.message);
        EXPECT_EQ(found[0].layer, 2);
        EXPECT_EQ(found[0].depth, 10.0);
        EXPECT_EQ(record_title(found[0].place), "soil layer constants of soil point 3 of 4");
        // The whole project's checks hold it too, as a refusal.
        EXPECT_NE(first_refusal(check_project(p, {})), nullptr);
    }
}

TEST(LayerConstantsChecks, SiUnitsInTheMessages) {
    ProjectRecords p = two_layers();
    p.unit_system_code = 2;
    p.soil_points[0].constants.shaft_quake = 0;
    p.soil_points[0].constants.toe_damping = -0.5;
    const std::vector<Finding> found = layer_constant_findings(p);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].message, "expected a shaft quake above 0 mm, found 0.");
    EXPECT_EQ(found[1].message, "expected a toe damping of 0 s/m or more, found -0.5.");
}

}  // namespace
}  // namespace torve
