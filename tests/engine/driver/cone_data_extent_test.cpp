// The warning for CPT data that end above the depth the cone methods read them to.
#include "engine/driver/cone_data_extent.h"

#include <gtest/gtest.h>

#include <sstream>

#include "engine/driver/run_analysis.h"
#include "tests/support/cone_profiles.h"
#include "tests/support/project_text.h"
#include "tests/support/scratch_dir.h"

namespace torve {
namespace {

SoilPoint sand_point(double depth, double qc = 0) {
    SoilPoint p;
    p.depth = depth;
    p.cone_resistance = qc;
    return p;
}

CptProfile cpt_to(double last) {
    return test::straight_cone(1000, last, 15000);
}

// S.I. cases: a 20 m pile of 914 mm reads qc down to 20 + 1.5 x 0.914 = 21.371 m; English: a 100 ft
// pile of 36 in down to 100 + 1.5 x 3 = 104.5 ft.
TEST(ConeDataExtent, WarnsOnceWhenTheDataEndAboveTheTipWindowAndAreUsedThere) {
    struct Case {
        const char* what;
        UnitSystem units;
        double od, length;
        int offshore;
        std::vector<Method> methods;
        std::vector<SoilPoint> soil;
        double cpt_last;   // 0: no CPT data
        const char* line;  // empty: no warning
    };
    const std::vector<SoilPoint> sand_to_30 = {sand_point(0), sand_point(30)};
    const Case cases[] = {
        {"data end within the window below the tip",
         UnitSystem::SI,
         914,
         20,
         1,
         {Method::Uwa},
         sand_to_30,
         21,
         " WARNING - THE CPT DATA END AT DEPTH    21.00 M.; THE CONE METHODS HOLD THEIR LAST QC DOWN TO    "
         "21.37 "
         "M."},
        {"data end above the tip",
         UnitSystem::English,
         36,
         100,
         1,
         {Method::Ngi, Method::Api},
         {sand_point(0), sand_point(150)},
         80,
         " WARNING - THE CPT DATA END AT DEPTH    80.00 FT.; THE CONE METHODS HOLD THEIR LAST QC DOWN TO   "
         "104.50 FT."},
        {"data reach the end of the window",
         UnitSystem::SI,
         914,
         20,
         1,
         {Method::Unified},
         sand_to_30,
         21.371,
         ""},
        {"the soil points below the data give their own qc",
         UnitSystem::SI,
         914,
         20,
         1,
         {Method::IcpMtd},
         {sand_point(0), sand_point(15), sand_point(15, 9000), sand_point(30, 12000)},
         15,
         ""},
        // qc interpolated from 9000 kPa at 15 m to 0 at 30 m is above zero down to 30 m, and used
        {"one point of the span gives its own qc",
         UnitSystem::SI,
         914,
         20,
         1,
         {Method::Fugro},
         {sand_point(0), sand_point(15), sand_point(15, 9000), sand_point(30, 0)},
         15,
         ""},
        {"a layer below the data without qc of its own",
         UnitSystem::SI,
         914,
         20,
         1,
         {Method::Fugro},
         {sand_point(0), sand_point(15, 9000), sand_point(15), sand_point(30)},
         15,
         " WARNING - THE CPT DATA END AT DEPTH    15.00 M.; THE CONE METHODS HOLD THEIR LAST QC DOWN TO    "
         "21.37 "
         "M."},
        // the example's layers: 12 to 30 m from the data, 30 to 60 m with qc of their own
        {"held only down to the layer with qc of its own",
         UnitSystem::SI,
         914,
         40,
         1,
         {Method::Uwa},
         {sand_point(0), sand_point(12), sand_point(12), sand_point(30), sand_point(30, 25000),
          sand_point(60, 30000)},
         20,
         " WARNING - THE CPT DATA END AT DEPTH    20.00 M.; THE CONE METHODS HOLD THEIR LAST QC DOWN TO    "
         "30.00 M."},
        {"no cone method selected", UnitSystem::SI, 914, 20, 1, {Method::Api}, sand_to_30, 10, ""},
        {"without offshore data the cone methods do not run",
         UnitSystem::SI,
         914,
         20,
         0,
         {Method::Uwa},
         sand_to_30,
         10,
         ""},
        {"no CPT data", UnitSystem::SI, 914, 20, 1, {Method::Uwa}, sand_to_30, 0, ""},
    };
    for (const Case& c : cases) {
        InputData in;
        in.units = c.units;
        in.outside_diameter = c.od;
        in.total_pile_length = c.length;
        in.offshore_data = c.offshore;
        for (Method m : c.methods) in.selected[index_of(m)] = 1;
        in.soil = c.soil;
        const CptProfile cpt = c.cpt_last > 0 ? cpt_to(c.cpt_last) : CptProfile{};
        const auto w = cone_data_extent_warning(in, cpt, units_of(c.units));
        EXPECT_EQ(w ? w->line : std::string(), c.line) << c.what;
    }
}

TEST(ConeDataExtent, ARunWritesItToTheReportTheConsoleAndItsWarnings) {
    ProjectRecords p = test::project();  // S.I. 610 mm closed pile 20 m into sand, UWA, CPT data to 20 m
    p.unit_system_code = 2;
    p.outside_diameter = 610;
    p.modulus_of_elasticity = 2e8;
    p.total_pile_length = 20;
    p.deepest_soil_depth = 30;
    p.computation_increment = 0.5;
    p.offshore_data_flag = 1;
    p.method_selection_flags = MethodFlags{0, 0, 0, 1, 0, 0, 0, 0, 1};
    test::add_layer(p, test::sand_layer(0, 30, 9, 32, 0.8, 20));
    test::ScratchDir dir;
    RunFiles files{dir.write("p.tv6d", test::text_of(p)), dir.file("p.tv6o"), dir.file("p.tv6p"),
                   dir.write("p.cpt", test::cpt_text(2, {{0, 2000}, {20, 15000}}))};
    std::ostringstream console;
    const RunResult r = run_analysis(files, console, {});
    ASSERT_EQ(r.status, RunStatus::Completed) << r.message;
    // 20 + 1.5 x 0.610 = 20.915 m
    const std::string line =
        " WARNING - THE CPT DATA END AT DEPTH    20.00 M.; THE CONE METHODS HOLD THEIR LAST QC DOWN TO    "
        "20.91 M.\n";
    EXPECT_NE(console.str().find(line), std::string::npos) << console.str();
    EXPECT_NE(test::read_file(files.report).find(line), std::string::npos);
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0].depth, 20.0);
    EXPECT_EQ(r.warnings[0].text,
              "The CPT data end at 20.00 m, above the 20.91 m (the pile tip plus 1.5 diameters) the cone "
              "methods read "
              "qc to; they hold its last qc down to 20.91 m.");
}

}  // namespace
}  // namespace torve
