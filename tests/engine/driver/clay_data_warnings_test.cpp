// Clay points that the shared clay rule of ICP/MTD, Fugro and UWA would use without YSR or PI.
#include "engine/driver/clay_data_warnings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "engine/driver/run_analysis.h"
#include "tests/support/project_text.h"
#include "tests/support/scratch_dir.h"

namespace torve {
namespace {

SoilPoint clay_point(double depth, double ysr, double pi) {
    SoilPoint p;
    p.depth = depth;
    p.soil_type = SoilType::Clay;
    p.su = 1;
    p.sur = 0.5;
    p.blow_count_ysr = ysr;
    p.plasticity_index = pi;
    return p;
}

TEST(DataWarnings, OneLinePerSelectedMethodOfTheClayRuleAndClayPointWithoutYsrOrPi) {
    SoilPoint sand;  // a sand point's blow count shares the YSR field; it is no YSR
    sand.depth = 0;
    struct Case {
        const char* what;
        int offshore;
        std::vector<Method> methods;
        std::vector<SoilPoint> soil;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"UWA, a clay layer without YSR and PI",
         1,
         {Method::Uwa},
         {clay_point(10, 0, 0), clay_point(25.5, 0, 0)},
         {" WARNING - UWA METHOD: CLAY AT DEPTH    10.00 FT. HAS YSR AND PI NOT ABOVE ZERO; NO SKIN FRICTION "
          "THERE.",
          " WARNING - UWA METHOD: CLAY AT DEPTH    25.50 FT. HAS YSR AND PI NOT ABOVE ZERO; NO SKIN FRICTION "
          "THERE."}},
        {"both given: nothing", 1, {Method::IcpMtd, Method::Fugro, Method::Uwa}, {clay_point(10, 4, 25)}, {}},
        {"PI only missing, each method in turn",
         1,
         {Method::Fugro, Method::IcpMtd},
         {sand, clay_point(10, 4, 0)},
         {" WARNING - ICP/MTD METHOD: CLAY AT DEPTH    10.00 FT. HAS PI NOT ABOVE ZERO; PI = 0 IS USED.",
          " WARNING - FUGRO METHOD: CLAY AT DEPTH    10.00 FT. HAS PI NOT ABOVE ZERO; PI = 0 IS USED."}},
        {"YSR only, negative",
         1,
         {Method::Uwa},
         {clay_point(3, -1, 30)},
         {" WARNING - UWA METHOD: CLAY AT DEPTH     3.00 FT. HAS YSR NOT ABOVE ZERO; NO SKIN FRICTION "
          "THERE."}},
        {"NGI and API do not use them", 1, {Method::Ngi, Method::Api}, {clay_point(10, 0, 0)}, {}},
        {"without offshore data the cone methods do not run", 0, {Method::Uwa}, {clay_point(10, 0, 0)}, {}},
    };
    for (const Case& c : cases) {
        InputData in;
        in.offshore_data = c.offshore;
        for (Method m : c.methods) in.selected[index_of(m)] = 1;
        in.soil = c.soil;
        std::vector<std::string> lines;
        for (const DataWarning& w : clay_data_warnings(in)) lines.push_back(w.line);
        EXPECT_EQ(lines, c.lines) << c.what;
    }
}

TEST(DataWarnings, ARunWritesThemToTheReportTheConsoleAndItsWarnings) {
    // S.I. closed pile in clay without YSR and PI, UWA selected, qc from the CPT points.
    ProjectRecords p = test::project();
    p.unit_system_code = 2;
    p.outside_diameter = 610;
    p.modulus_of_elasticity = 2e8;
    p.total_pile_length = 20;
    p.deepest_soil_depth = 30;
    p.computation_increment = 0.5;
    p.offshore_data_flag = 1;
    p.method_selection_flags = MethodFlags{0, 0, 0, 1, 0, 0, 0, 0, 1};
    test::add_layer(p, test::clay_layer(0, 30, 8, 50, 25));
    test::ScratchDir dir;
    RunFiles files{dir.write("p.tv6d", test::text_of(p)), dir.file("p.tv6o"), dir.file("p.tv6p"),
                   dir.write("p.cpt", test::cpt_text(2, {{0, 500}, {30, 800}}))};
    std::ostringstream console;
    const RunResult r = run_analysis(files, console, {});
    ASSERT_EQ(r.status, RunStatus::Completed) << r.message;
    const std::string line =
        " WARNING - UWA METHOD: CLAY AT DEPTH     0.00 M. HAS YSR AND PI NOT ABOVE ZERO; NO SKIN FRICTION "
        "THERE.\n";
    EXPECT_NE(console.str().find(line), std::string::npos) << console.str();
    EXPECT_NE(test::read_file(files.report).find(line), std::string::npos);
    // Top and bottom of the layer, then UWA's own for the segments within 8 radii of the tip.
    ASSERT_EQ(r.warnings.size(), 3u);
    EXPECT_NE(r.warnings[2].text.find("h/R below 8"), std::string::npos);
    EXPECT_EQ(r.warnings[1], (RunWarning{Method::Uwa, 30.0,
                                         "The clay point has YSR and PI not above zero; the method's clay "
                                         "friction there is zero."}));
    EXPECT_EQ(warning_sentence(r.warnings[1], false),
              "UWA, at 30.00 m: The clay point has YSR and PI not above zero; the method's clay friction "
              "there is zero.");
    // The console ends with the run's list, each entry with its method and depth.
    EXPECT_NE(console.str().find("\nWarning [UWA; 30.00 m]: The clay point has YSR and PI not above zero"),
              std::string::npos)
        << console.str();
}

// The reported project, built through the dialogs with API and UWA in clay and PI and YSR left at
// 0: its run now says, per clay point, that UWA has no clay friction there.
TEST(DataWarnings, TheReportedProjectSaysSo) {
    test::ScratchDir dir;
    RunFiles files;
    files.input = dir.file("p.tv6d");
    files.report = dir.file("p.tv6o");
    files.plot = dir.file("p.tv6p");
    files.cpt = dir.file("p.cpt");
    std::filesystem::copy_file(test::source_path("tests/data/reproducers/cone-methods-in-clay.tv6d"),
                               files.input);
    std::filesystem::copy_file(test::source_path("tests/data/reproducers/cone-methods-in-clay.cpt"),
                               files.cpt);
    std::ostringstream console;
    const RunResult r = run_analysis(files, console, {});
    ASSERT_EQ(r.status, RunStatus::Completed) << r.message;
    ASSERT_FALSE(r.warnings.empty());
    // The length of 40 m is no whole number of increments of 0.3048 m (a switch of units left it): the
    // check says so first and the run's own warning says the rows end at 39.93 m; every other warning
    // is UWA's.
    ASSERT_GE(r.warnings.size(), 2u);
    ASSERT_FALSE(r.warnings[0].method);
    EXPECT_NE(r.warnings[0].text.find("whole number of computation increments"), std::string::npos);
    int tip_rows = 0;
    for (std::size_t i = 1; i < r.warnings.size(); ++i) {
        if (r.warnings[i].text.rfind("The last penetration row lies at 39.93 m", 0) == 0) {
            EXPECT_FALSE(r.warnings[i].method);
            ++tip_rows;
        } else {
            EXPECT_EQ(r.warnings[i].method, Method::Uwa) << r.warnings[i].text;
        }
    }
    EXPECT_EQ(tip_rows, 1);
    EXPECT_NE(console.str().find(" WARNING - UWA METHOD: CLAY AT DEPTH"), std::string::npos) << console.str();
    EXPECT_EQ(console.str().find("API"), std::string::npos);  // API takes no PI or YSR
}

}  // namespace
}  // namespace torve
