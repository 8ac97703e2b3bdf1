// The soil layer constants file beside a project at the runner's doors: torve check names a value out
// of range and a cell that is no number, torve run refuses such a file before it computes and uses a
// good one, torve convert carries it into the other units.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/model/layer_constants_file.h"
#include "tests/support/child_process.h"
#include "tests/support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;
using torve::test::run_program;

const std::string kHeader =
    "point,depth_ft,shaft_quake_in,toe_quake_in,shaft_damping_s_per_ft,toe_damping_s_per_ft,setup_a,"
    "setup_t0_days\n";

// The sand-over-clay example's six soil points (three layers) with `third` as the cells of the third
// point (the clay's top, 20 ft) and every other point without constants.
std::string constants(const std::string& third) {
    const char* depths[] = {"0", "20", "20", "45", "45", "90"};
    std::string text = kHeader;
    for (int i = 0; i < 6; ++i)
        text += std::to_string(i + 1) + ',' + depths[i] + (i == 2 ? third : std::string(",,,,,,")) + '\n';
    return text;
}

TEST(LayerConstantsCommands, CheckNamesValuesOutOfRangeAndCellsThatAreNoNumber) {
    const torve::test::ScratchDir dir;
    const std::string project = torve::test::copy_example(dir, "sand-over-clay-pipe-english");
    const struct {
        std::string cells;
        int exit;
        std::string line;
    } cases[] = {
        {",,0.2,,,0.3,", 0, ""},
        {",0,,,,,", 1,
         "  error    soil layer constants file, layer 2 at 20.00 ft: expected a shaft quake above 0 in, "
         "found 0."},
        {",,,-0.1,,,", 1,
         "  error    soil layer constants file, layer 2 at 20.00 ft: expected a shaft damping of 0 s/ft or "
         "more, "
         "found -0.1."},
        {",,,,,,0", 1,
         "  error    soil layer constants file, layer 2 at 20.00 ft: expected a set-up time t0 above 0 days, "
         "found "
         "0."},
        {",,,,x,,", 1,
         ", line 4, column 6 (toe_damping_s_per_ft): expected a number or an empty cell, found \"x\"."},
    };
    for (const auto& c : cases) {
        dir.write("sand-over-clay-pipe-english.layers.csv", constants(c.cells));
        const auto r = run_program(TORVE_CLI, {"check", project});
        EXPECT_EQ(r.exit_code, c.exit) << c.cells << "\n" << r.output;
        if (!c.line.empty()) {
            EXPECT_NE(r.output.find(c.line), std::string::npos) << r.output;
        }
    }
}

TEST(LayerConstantsCommands, RunRefusesABadFileAndTakesAGoodOne) {
    const torve::test::ScratchDir dir;
    const std::string project = torve::test::copy_example(dir, "sand-over-clay-pipe-english");
    const std::string report = dir.file("sand-over-clay-pipe-english.tv6o");
    // One row short: the file belongs to other layers.
    std::string text = constants(",,,,,0.3,");
    text.erase(text.rfind("6,"));
    dir.write("sand-over-clay-pipe-english.layers.csv", text);
    auto r = run_program(TORVE_CLI, {"run", project});
    EXPECT_EQ(r.exit_code, 1) << r.output;
    EXPECT_NE(r.output.find("the file has 5 rows but the project has 6 soil points"), std::string::npos)
        << r.output;
    // As for a refused value of the input data file, the report ends with the refusal.
    EXPECT_NE(torve::test::read_file(report).find("ERROR - Soil layer constants file"), std::string::npos);
    // The clay (20-45 ft) with A = 0.3 of its own at 10 days: 1 + 0.3 log10(10) = 1.3.
    dir.write("sand-over-clay-pipe-english.layers.csv", constants(",,,,,0.3,"));
    r = run_program(TORVE_CLI, {"run", project, "--setup-days", "10"});
    ASSERT_EQ(r.exit_code, 0) << r.output;
    const std::string lines = torve::test::read_file(report);
    EXPECT_NE(
        lines.find("   LAYER  2 CLAY   20.00 TO   45.00: A = 0.300, t0 =    1.00 DAYS, FACTOR 1.3000\n"),
        std::string::npos)
        << lines.substr(0, 4000);
}

// 0.2 in = 5.08 mm; 0.05 s/ft = 0.05 / 0.3048 s/m; A and t0 as they were.
TEST(LayerConstantsCommands, ConvertCarriesTheFileIntoTheOtherUnits) {
    const torve::test::ScratchDir dir;
    const std::string project = torve::test::copy_example(dir, "sand-over-clay-pipe-english");
    dir.write("sand-over-clay-pipe-english.layers.csv", constants(",,0.2,0.05,,0.3,2"));
    const std::string out = dir.file("si.tv6d");
    const auto r = run_program(TORVE_CLI, {"convert", "--to", "si", project, out});
    ASSERT_EQ(r.exit_code, 0) << r.output;
    const std::string csv = torve::test::read_file(dir.file("si.layers.csv"));
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "point,depth_m,shaft_quake_mm,toe_quake_mm,shaft_damping_s_per_m,toe_damping_s_per_m,setup_a,"
              "setup_t0_days");
    EXPECT_NE(csv.find("\n3,6.096,,5.08,0.16404199475065617,,0.3,2\n"), std::string::npos) << csv;
    // Without constants no file goes with it.
    fs::remove(dir.file("sand-over-clay-pipe-english.layers.csv"));
    ASSERT_EQ(run_program(TORVE_CLI, {"convert", "--to", "si", project, dir.file("plain.tv6d")}).exit_code,
              0);
    EXPECT_FALSE(fs::exists(dir.file("plain.layers.csv")));
}

}  // namespace
