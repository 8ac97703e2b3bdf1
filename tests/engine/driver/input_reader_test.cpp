// The input data file and CPT data file readers: conversions in order, limits and malformed input.
#include "engine/driver/input_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <sstream>

#include "engine/driver/input_error.h"
#include "engine/driver/run_analysis.h"
#include "engine/model/project_codec.h"
#include "tests/support/project_text.h"
#include "tests/support/scratch_dir.h"

namespace torve {
namespace {

ProjectRecords two_layer_project() {
    ProjectRecords p = test::project();
    test::add_layer(p, test::sand_layer(0, 30, 60, 30, 0.8, 20));
    test::add_layer(p, test::clay_layer(30, 100, 50, 1500, 700));
    return p;
}

std::string error_of(const std::string& text) {
    try {
        parse_input_data(text, "p.tv6d");
    } catch (const InputError& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(InputReader, ReadsEveryRecordOfAnExample) {
    const std::string path = test::source_path("examples/sand-over-clay-pipe-english.tv6d");
    const InputData in = parse_input_data(read_text_file(path, "input data file"), path);
    EXPECT_EQ(in.title, "Steel pipe pile, sand over clay over dense sand (English units)");
    EXPECT_EQ(in.designer, "J. Engineer");
    EXPECT_EQ(in.units, UnitSystem::English);
    EXPECT_EQ(in.print_interval, 5);
    ASSERT_EQ(in.soil.size(), 6u);
    EXPECT_DOUBLE_EQ(in.outside_diameter, 24);
    EXPECT_DOUBLE_EQ(in.inside_diameter, 23);
    EXPECT_DOUBLE_EQ(in.enhanced_end_section_length, 10);
    EXPECT_DOUBLE_EQ(in.enhanced_end_section_inside_diameter, 22.5);
    EXPECT_EQ(in.load_transfer_method, Method::Api);
    EXPECT_TRUE(in.is_selected(Method::Fhwa) && in.is_selected(Method::Api) && !in.is_selected(Method::Ngi));
    EXPECT_EQ(in.t_z_print_depths, (std::vector<double>{10, 30, 55}));
    ASSERT_EQ(in.sections.size(), 3u);
    EXPECT_DOUBLE_EQ(in.sections[2].area, 54.78);
    // clay point 3: psf divided by 1000, YSR kept
    EXPECT_DOUBLE_EQ(in.soil[2].su, 1.2);
    EXPECT_DOUBLE_EQ(in.soil[2].sur, 0.6);
    EXPECT_DOUBLE_EQ(in.soil[2].blow_count_ysr, 2.5);
    EXPECT_DOUBLE_EQ(in.soil[2].plasticity_index, 30);
    // SPT sand point 5: the blow count moves to the YSR position; maximum friction 2000 psf
    EXPECT_DOUBLE_EQ(in.soil[4].blow_count_ysr, 25);
    EXPECT_DOUBLE_EQ(in.soil[4].sur, 0);
    EXPECT_DOUBLE_EQ(in.soil[4].max_friction, 2.0);
    EXPECT_FALSE(in.soil[4].friction_unlimited);
    EXPECT_TRUE(in.soil[4].bearing_unlimited);
}

TEST(InputReader, CircularAndNoncircularSections) {
    ProjectRecords p = two_layer_project();
    p.outside_diameter = 18;
    p.inside_diameter = 17;
    InputData in = parse_input_data(test::text_of(p), "p.tv6d");
    EXPECT_DOUBLE_EQ(in.outside_diameter, 18);
    EXPECT_DOUBLE_EQ(in.inside_diameter, 17);

    p.perimeter = 3.1416 * 10;  // an equivalent circle of 10 in
    p.tip_area = 144;
    p.pile_type_code = 6;
    in = parse_input_data(test::text_of(p), "p.tv6d");
    EXPECT_NEAR(in.outside_diameter, 10.0, 1e-6);
    EXPECT_EQ(in.inside_diameter, 0);
    EXPECT_DOUBLE_EQ(in.tip_area, 1.0);  // in2 to ft2
}

TEST(InputReader, AbsentEndSectionCoversTheWholePile) {
    ProjectRecords p = two_layer_project();
    p.inside_diameter = 23;
    const InputData in = parse_input_data(test::text_of(p), "p.tv6d");
    EXPECT_DOUBLE_EQ(in.enhanced_end_section_inside_diameter, 23);
    EXPECT_DOUBLE_EQ(in.enhanced_end_section_length, 60.0 - static_cast<double>(1.0e-7f));
    EXPECT_NE(in.enhanced_end_section_length, in.total_pile_length);
}

TEST(InputReader, UnlimitedMarkersAndStressConversions) {
    ProjectRecords p = two_layer_project();
    p.soil_points[0].maximum_unit_friction = 0;      // no limit
    p.soil_points[1].maximum_unit_friction = 0.001;  // a tiny limit stays a limit
    p.soil_points[0].maximum_unit_bearing = 200000;
    p.soil_points[2].user_unit_skin_friction = 500;
    p.soil_points[2].user_unit_end_bearing = 40000;
    p.soil_points[2].plasticity_index = 25;
    p.soil_points[2].cone_resistance = 30000;
    InputData in = parse_input_data(test::text_of(p), "p.tv6d");
    EXPECT_EQ(in.soil[0].max_friction, kUnlimited);
    EXPECT_TRUE(in.soil[0].friction_unlimited);
    EXPECT_DOUBLE_EQ(in.soil[1].max_friction, 0.000001);
    EXPECT_FALSE(in.soil[1].friction_unlimited);
    EXPECT_DOUBLE_EQ(in.soil[0].max_bearing, 200.0);
    EXPECT_FALSE(in.soil[0].bearing_unlimited);
    EXPECT_DOUBLE_EQ(in.soil[2].user_friction, 0.5);
    EXPECT_DOUBLE_EQ(in.soil[2].user_bearing, 40.0);
    EXPECT_DOUBLE_EQ(in.soil[2].user_friction_read, 500);
    EXPECT_DOUBLE_EQ(in.soil[2].plasticity_index, 25);  // offshore values stay as read
    EXPECT_DOUBLE_EQ(in.soil[2].cone_resistance, 30000);

    p.unit_system_code = 2;  // S.I. values are kept as they are
    in = parse_input_data(test::text_of(p), "p.tv6d");
    EXPECT_DOUBLE_EQ(in.soil[2].user_friction, 500);
    EXPECT_DOUBLE_EQ(in.soil[2].su, 1500);
    EXPECT_DOUBLE_EQ(in.soil[1].max_friction, 0.001);
}

TEST(InputReader, SandBlowCountMovesAndZeroesRemoldedStrength) {
    ProjectRecords p = two_layer_project();
    p.soil_points[0].friction_angle = 0;
    p.soil_points[0].remolded_shear_strength_or_blow_count = 25;
    const InputData in = parse_input_data(test::text_of(p), "p.tv6d");
    EXPECT_EQ(in.soil[0].sur, 0);
    EXPECT_EQ(in.soil[0].blow_count_ysr, 25);  // not divided by 1000 in English units
}

TEST(InputReader, OptionalRecordsFollowTheirFlags) {
    ProjectRecords p = two_layer_project();
    p.t_z_print_flag = 0;  // no count line: record 12 follows at once
    p.loading_type_code = 1;
    p.tension_reduction_factor = 0.7;
    p.section_mode = 1;
    p.cross_section_area = 36.9;
    p.number_of_section_rows = 5;  // mode 1 reads no rows
    p.critical_depth_option = 2;
    p.critical_depth = 12.5;
    InputData in = parse_input_data(test::text_of(p), "p.tv6d");
    EXPECT_TRUE(in.t_z_print_depths.empty());
    EXPECT_EQ(in.loading_type, LoadingType::Tension);
    EXPECT_DOUBLE_EQ(in.tension_reduction_factor, 0.7);
    EXPECT_EQ(in.section_row_count, 5);
    EXPECT_TRUE(in.sections.empty());
    EXPECT_EQ(in.critical_depth_option, CriticalDepthOption::UserSpecified);
    EXPECT_DOUBLE_EQ(in.critical_depth, 12.5);
}

TEST(InputReader, FreeFormatWithCommasContinuationsAndLeftovers) {
    const std::string text =
        "T\nD\nJ\n"
        "1,1,2 extra\n"
        "0 0 24\n0 29000000 60 0\n"  // record 5 continues on a second line
        "0 0\n"
        "0 1 1 0 4 0 0\n"
        "0 0 0 1 0 0 0 0 0\n"
        "100 0\n"
        "0 1 0.8 60 30 20\n0 0 0 0 0 0 0 0 0 1 1\n"
        "100 1 0.8 60 30 20\n0 0 0 0 0 0 0 0 0 1 1\n"
        "0\n0 1\n0 0\n0 0\n0 0\n";
    const InputData in = parse_input_data(text, "p.tv6d");
    EXPECT_EQ(in.print_interval, 1);
    EXPECT_DOUBLE_EQ(in.total_pile_length, 60);
    EXPECT_EQ(in.soil.size(), 2u);
}

TEST(InputReader, MalformedInputIsLocated) {
    ProjectRecords p = two_layer_project();
    std::string text = test::text_of(p);
    text.replace(text.find("29000000"), 8, "2.9e+7x");
    EXPECT_EQ(error_of(text),
              "Input data file \"p.tv6d\", record 5 (pile section), line 5: expected a finite number for the "
              "modulus "
              "of elasticity, found \"2.9e+7x\".");

    text = test::text_of(p);
    text.resize(text.find("\n0 1\n"));  // ends inside record 11
    EXPECT_EQ(error_of(text),
              "Input data file \"p.tv6d\", record 12 (loading): the file ends before the loading type code.");

    text = test::text_of(p);
    text.replace(text.find("1500"), 4, "nan");
    EXPECT_NE(error_of(text).find(
                  "soil point 3 of 4, second line), line 15: expected a finite number for the undrained "
                  "shear strength, found \"nan\""),
              std::string::npos);
}

TEST(InputReader, CountsAboveTableLimitsAreRefused) {
    ProjectRecords p = two_layer_project();
    for (int i = 0; i < 39; ++i) test::add_layer(p, test::sand_layer(100, 100, 60, 30, 0.8, 20));
    ASSERT_EQ(p.soil_points.size(), 82u);
    EXPECT_NE(error_of(test::text_of(p))
                  .find("expected from 2 to 80 soil points (a top and a bottom point per layer), found 82."),
              std::string::npos);

    p = two_layer_project();
    p.t_z_print_flag = 1;
    p.t_z_print_depths.assign(101, 5.0);
    EXPECT_NE(
        error_of(test::text_of(p))
            .find(
                "record 11 (t-z print depths), line 18: expected from 0 to 100 t-z print depths, found 101."),
        std::string::npos);

    p = two_layer_project();
    p.section_rows.assign(101, {10, 36.9});
    p.section_mode = 2;
    EXPECT_NE(error_of(test::text_of(p)).find("expected from 0 to 100 section rows, found 101."),
              std::string::npos);
    // A count the file cannot hold names the limit it breaks, before any row is looked for.
    std::string text = test::text_of(two_layer_project());  // lines 21 and 22: "0 0", "0 0"
    text.replace(text.size() - 8, 4, "5000 2");
    EXPECT_NE(
        error_of(text).find("record 14 (cross-section table), line 21: expected from 0 to 100 section rows, "
                            "found 5000."),
        std::string::npos)
        << error_of(text);
}

TEST(InputReader, ValuesThatWouldBreakTheAnalysisAreRefused) {
    struct Case {
        std::function<void(ProjectRecords&)> change;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {[](ProjectRecords& p) { p.unit_system_code = 3; },
         "expected a unit-system code of 1 (English) or 2 (S.I.), found 3."},
        {[](ProjectRecords& p) { p.print_interval = 0; },
         "expected a print interval of at least 1, found 0."},
        {[](ProjectRecords& p) { p.computation_increment = 0; },
         "expected a positive computation increment, found 0."},
        {[](ProjectRecords& p) { p.computation_increment = 150; },
         "record 9 (soil depth and section area), line 9: expected a deepest soil depth of at least one "
         "computation increment, 150, found 100: no soil segment can be formed."},
        {[](ProjectRecords& p) { p.outside_diameter = 0; },
         "expected a positive outside diameter for a circular pile, found 0."},
        {[](ProjectRecords& p) { p.inside_diameter = 24; },
         "expected an inside diameter below the outside diameter 24, found 24."},
        {[](ProjectRecords& p) { p.modulus_of_elasticity = 0; },
         "expected a positive modulus of elasticity, found 0."},
        {[](ProjectRecords& p) { p.total_pile_length = -5; },
         "expected a positive total pile length, found -5."},
        {[](ProjectRecords& p) { p.pile_type_code = 8; }, "expected a pile-type code from 1 to 7, found 8."},
        // OD 12 in, 60 ft: 12 - 2 x 720 tan(1 deg) < 0; the largest angle is atan(6/720) = 0.4775 deg,
        // named rounded down so that the angle refused breaks it
        {[](ProjectRecords& p) {
             p.outside_diameter = 12;
             p.taper_angle = 1;
         },
         "expected a taper angle of at most 0.477 degrees, found 1: a larger one gives a negative tip "
         "diameter."},
        {[](ProjectRecords& p) { p.load_transfer_method_code = 0; },
         "expected a load-transfer method code from 1 to 11, found 0."},
        {[](ProjectRecords& p) { p.load_transfer_method_code = 12; },
         "expected a load-transfer method code from 1 to 11, found 12."},
        {[](ProjectRecords& p) { p.soil_points[1].effective_unit_weight = 0; },
         "soil point 2 of 4, first line), line 12: expected a positive effective unit weight, found 0."},
        {[](ProjectRecords& p) { p.soil_points[0].effective_unit_weight = -60; },
         "expected a positive effective unit weight, found -60."},
        {[](ProjectRecords& p) { p.soil_points[0].friction_angle = 95; },
         "expected a friction angle from 0 to below 90 degrees, found 95."},
        {[](ProjectRecords& p) { p.soil_points[0].soil_type_code = 3; },
         "expected a soil-type code of 1 (sand) or 2 (clay), found 3."},
        {[](ProjectRecords& p) { p.soil_points[2].depth = 20; },
         "expected a depth of at least 30, that of the soil point above, found 20."},
        // su -120 and -200 lb/ft2 make a negative friction; the first is named.
        {[](ProjectRecords& p) {
             p.soil_points[2].undrained_shear_strength = -120;
             p.soil_points[3].undrained_shear_strength = -200;
         },
         "soil point 3 of 4, second line), line 15: expected an undrained shear strength of 0 or more, found "
         "-120."},
        {[](ProjectRecords& p) { p.loading_type_code = 2; },
         "expected a loading type code of 0 (compression) or 1 (tension), found 2."},
        {[](ProjectRecords& p) { p.plug_condition_code = 3; },
         "expected a plug condition code of 0, 1 or 2, found 3."},
        {[](ProjectRecords& p) { p.critical_depth_option = 5; },
         "expected a critical-depth option of 0, 1 or 2, found 5."},
        {[](ProjectRecords& p) { p.section_mode = 1; },
         "record 9 (soil depth and section area), line 9: expected a positive cross-section area for the "
         "constant area of section mode 1, found 0."},
        {[](ProjectRecords& p) {
             p.section_mode = 2;
             p.number_of_section_rows = 0;
         },
         "expected at least one section row for an area varying with depth (section mode 2), found 0."},
    };
    for (const Case& c : cases) {
        ProjectRecords p = two_layer_project();
        c.change(p);
        EXPECT_NE(error_of(test::text_of(p)).find(c.expected), std::string::npos)
            << c.expected << "\n"
            << error_of(test::text_of(p));
    }
}

// A run reads both files, then refuses what the project lacks as a whole, the values a selected
// method needs, at the first soil point that lacks one. A run that stops at the soil extent is not
// refused: it stops before its results with its own message.
TEST(InputReader, ARunRefusesWhatASelectedMethodLacks) {
    const auto error = [](const ProjectRecords& p, const std::optional<std::string>& cpt) -> std::string {
        try {
            parse_run_input(test::text_of(p), "p.tv6d",
                            cpt ? std::optional<std::string_view>(*cpt) : std::nullopt, "p.cpt");
        } catch (const InputError& e) {
            return e.what();
        }
        return "(no error)";
    };
    ProjectRecords p = two_layer_project();
    p.soil_points[0].bearing_capacity_factor = 0;  // API RP 2A takes Nq in sand
    EXPECT_EQ(
        error(p, std::nullopt),
        "Input data file \"p.tv6d\", record 10 (soil point 1 of 4, first line), line 10: expected a bearing "
        "capacity factor above 0, found 0.");
    EXPECT_EQ(error_of(test::text_of(p)), "(no error)");  // the input data file alone holds no refused value

    p = two_layer_project();
    p.offshore_data_flag = 1;
    (*p.method_selection_flags)[index_of(Method::Ngi)] = 1;
    for (int i : {2, 3}) p.soil_points[static_cast<std::size_t>(i)].plasticity_index = 30;
    EXPECT_EQ(
        error(p, " 1 0\n"),
        "Input data file \"p.tv6d\", record 10 (soil point 1 of 4, second line), line 11: expected a cone "
        "resistance of at least 0.00001, CPT points or an SPT blow count, found 0.");
    EXPECT_EQ(error(p, test::cpt_text(1, {{0, 20000}, {100, 90000}})), "(no error)");
    // The CPT data file's own refusal comes first, as it is read first.
    EXPECT_EQ(
        error(p, test::cpt_text(1, {{5, 20000}, {1, 90000}})),
        "CPT data file \"p.cpt\", CPT row 2 of 2, line 3: expected a depth of at least 5, that of the CPT "
        "row above, found 1.");

    p = two_layer_project();
    p.deepest_soil_depth = 63;  // 64 ft needed
    EXPECT_EQ(error(p, std::nullopt), "(no error)");
}

// The report and plot text of a run over `input`, with the same names and time for every run, so
// that two inputs of the same project give the same bytes.
std::string outputs_of(const std::string& input, const std::optional<std::string>& cpt) {
    RunOptions options;
    options.cpt_optional = true;
    options.local_time = std::tm{};
    std::ostringstream report, plot, console;
    const RunFiles names{"p.tv6d", "p.tv6o", "p.tv6p", "p.cpt"};
    run_analysis(names, RunTexts{input, cpt ? std::optional<std::string_view>(*cpt) : std::nullopt},
                 {&report, &plot}, console, options);
    return console.str() + report.str() + plot.str();
}

// A project read and written back as held (as the Python module writes it) runs as the original.
TEST(InputReader, ProjectsWrittenAsHeldRunAsTheOriginals) {
    for (const char* folder : {"examples", "tests/reference/cases"}) {
        for (const auto& entry : std::filesystem::directory_iterator(test::source_path(folder))) {
            if (entry.path().extension() != ".tv6d") continue;
            SCOPED_TRACE(entry.path().string());
            const std::string text = test::read_file(entry.path());
            const std::string written =
                write_project_records(read_project_records(text, "p.tv6d").records, WriteStyle::AsHeld);
            const std::filesystem::path cpt_path =
                std::filesystem::path(entry.path()).replace_extension(".cpt");
            std::optional<std::string> cpt;
            if (std::filesystem::exists(cpt_path)) cpt = test::read_file(cpt_path);
            EXPECT_EQ(outputs_of(written, cpt), outputs_of(text, cpt));
        }
    }
}

TEST(CptReader, ReadsRowsAndRefusesTooMany) {
    const CptProfile cpt = parse_cpt_data(" 2 3\n  1.0  5000\n  2.0  6000\n  3.5E+00  7.25E+03\n", "p.cpt");
    EXPECT_EQ(cpt.unit_code, 2);
    ASSERT_EQ(cpt.points.size(), 3u);
    EXPECT_DOUBLE_EQ(cpt.points[2].depth, 3.5);
    EXPECT_DOUBLE_EQ(cpt.points[2].qc, 7250);

    EXPECT_TRUE(parse_cpt_data(" 1 0\n", "p.cpt").points.empty());
    try {
        parse_cpt_data(" 1 1001\n", "p.cpt");
        FAIL();
    } catch (const InputError& e) {
        EXPECT_STREQ(e.what(),
                     "CPT data file \"p.cpt\", record 1 (unit code and row count), line 1: expected from 0 "
                     "to 1000 CPT "
                     "rows, found 1001.");
    }
    EXPECT_THROW(parse_cpt_data(" 1 2\n 1.0 5000\n", "p.cpt"), InputError);
    EXPECT_THROW(parse_cpt_data("", "p.cpt"), InputError);
}

// Rows given deepest first would be looked up upside down and shift the capacities of the cone
// methods. Equal depths (a step in qc) stay allowed.
TEST(CptReader, DepthsGoingUpwardAreRefusedWhereTheyTurn) {
    EXPECT_EQ(parse_cpt_data(" 2 3\n 1 5000\n 1 6000\n 2 7000\n", "p.cpt").points.size(), 3u);
    try {
        parse_cpt_data(" 2 3\n 3.0 5000\n 2.0 6000\n 1.0 7000\n", "p.cpt");
        FAIL();
    } catch (const InputError& e) {
        EXPECT_STREQ(e.what(),
                     "CPT data file \"p.cpt\", CPT row 2 of 3, line 3: expected a depth of at least 3, that "
                     "of the CPT "
                     "row above, found 2.");
    }
}

TEST(InputFiles, MissingFileIsNamed) {
    test::ScratchDir dir;
    try {
        read_text_file(dir.file("none.tv6d"), "input data file");
        FAIL();
    } catch (const InputError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "The input data file \"" + dir.file("none.tv6d") + "\" does not exist.");
    }
}

}  // namespace
}  // namespace torve
