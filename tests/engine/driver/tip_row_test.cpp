// The warning for a last penetration row above the pile tip.
#include "engine/driver/tip_row.h"

#include <gtest/gtest.h>

#include <sstream>

#include "engine/driver/run_analysis.h"
#include "tests/support/project_text.h"
#include "tests/support/scratch_dir.h"

namespace torve {
namespace {

TEST(TipRow, WarnsWhenTheRowsStopShortOfTheTip) {
    struct Case {
        UnitSystem units;
        double length, increment;
        double last;       // depth of the last row: trunc(L / dz + 1e-6) dz
        const char* line;  // empty: the last row is the tip
    };
    const Case cases[] = {
        // 6.35 / 0.1 = 63.5: 63 increments, the last row at 6.30 m
        {UnitSystem::SI, 6.35, 0.1, 6.3,
         " WARNING - THE LAST PENETRATION ROW IS AT     6.30 M., ABOVE THE PILE TIP AT     6.35 M."},
        // 40 m in increments of 0.3048 m (a length left from a change of units): 131 increments,
        // 131 x 0.3048 = 39.9288 m
        {UnitSystem::SI, 40, 0.3048, 39.9288,
         " WARNING - THE LAST PENETRATION ROW IS AT    39.93 M., ABOVE THE PILE TIP AT    40.00 M."},
        {UnitSystem::English, 60.5, 1, 60,
         " WARNING - THE LAST PENETRATION ROW IS AT    60.00 FT., ABOVE THE PILE TIP AT    60.50 FT."},
        {UnitSystem::SI, 6.3, 0.1, 6.3, ""},  // 6.3 / 0.1 = 62.99999...: the grid's allowance takes 63
        {UnitSystem::English, 60, 1, 60, ""},
        {UnitSystem::SI, 35, 0.25, 35, ""},
    };
    for (const Case& c : cases) {
        InputData in;
        in.units = c.units;
        in.total_pile_length = c.length;
        in.computation_increment = c.increment;
        EXPECT_NEAR(tip_row_depth(in), c.last, 1e-9) << c.length;
        const auto w = tip_row_warning(in);
        EXPECT_EQ(w ? w->line : std::string(), c.line) << c.length;
    }
}

TEST(TipRow, ARunNamesItInTheReportTheConsoleAndItsWarnings) {
    // The 6.35 m pile of 610 mm in sand at increments of 0.1 m: the tables end at 6.30 m.
    ProjectRecords p = test::project();
    p.unit_system_code = 2;
    p.outside_diameter = 610;
    p.modulus_of_elasticity = 2e8;
    p.total_pile_length = 6.35;
    p.deepest_soil_depth = 10;
    p.computation_increment = 0.1;
    test::add_layer(p, test::sand_layer(0, 10, 9, 32, 0.8, 20));
    test::ScratchDir dir;
    RunFiles files{dir.write("p.tv6d", test::text_of(p)), dir.file("p.tv6o"), dir.file("p.tv6p"),
                   dir.write("p.cpt", test::cpt_text(2, {}))};
    std::ostringstream console;
    const RunResult r = run_analysis(files, console, {});
    ASSERT_EQ(r.status, RunStatus::Completed) << r.message;
    const std::string line =
        " WARNING - THE LAST PENETRATION ROW IS AT     6.30 M., ABOVE THE PILE TIP AT     6.35 M.\n";
    EXPECT_NE(console.str().find(line), std::string::npos) << console.str();
    EXPECT_NE(test::read_file(files.report).find(line), std::string::npos);
    // The check's warning of the length comes first; the run's own names the row.
    ASSERT_EQ(r.warnings.size(), 2u);
    EXPECT_EQ(
        r.warnings[1].text,
        "The last penetration row lies at 6.30 m, above the pile tip at 6.35 m (the pile length is not a "
        "whole number of computation increments of 0.10 m); every capacity given at the tip is that of "
        "6.30 m.");
    ASSERT_FALSE(r.methods.empty());
    EXPECT_NEAR(r.methods.front().depth.back(), 6.3, 1e-9);
}

}  // namespace
}  // namespace torve
