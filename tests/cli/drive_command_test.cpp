// torve drive as a user calls it: the files and values it refuses by name, and its table.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/scratch_dir.h"

namespace {

using Command = torve::test::ProgramRun;
using torve::test::copy_example;

Command run(const std::vector<std::string>& args) {
    return torve::test::run_program(TORVE_CLI, args);
}

TEST(DriveCommand, RefusesAHammerFileByItsField) {
    torve::test::ScratchDir dir;
    const std::string project = copy_example(dir, "open-pipe-offshore-si");
    struct Case {
        const char* hammer;
        const char* message;
    };
    const Case cases[] = {
        {R"({"name": "x", "energy_kj": 45, "efficiency": 0.8})", "the field \"ram_mass_kg\" is missing."},
        {R"({"name": "x", "ram_mass_kg": 1000, "stroke_m": -1, "efficiency": 0.8})",
         "the field \"stroke_m\" is -1; it must be above 0."},
        {"{\"name\": \"x\",\n\"ram_mass_kg\": NaN}",
         "line 2: the field \"ram_mass_kg\" is \"NaN\", not a finite number."},
        {R"({"name": "x", "ram_mass_kg": "heavy", "energy_kj": 1, "efficiency": 1})",
         "the field \"ram_mass_kg\" is the text \"heavy\", not a number."},
    };
    for (const Case& c : cases) {
        const std::string hammer = dir.write("hammer.json", c.hammer);
        const Command r = run({"drive", project, "--hammer", hammer});
        EXPECT_EQ(r.exit_code, 1) << r.output;
        EXPECT_NE(r.output.find(c.message), std::string::npos) << r.output;
    }
}

TEST(DriveCommand, ACommandLineItCannotUseIsAUsageError) {
    torve::test::ScratchDir dir;
    const std::string project = copy_example(dir, "open-pipe-offshore-si");
    const std::string hammer = torve::test::source_path("examples/hammers/ram-35t-350kj.json");
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"drive", project},
             {"drive", project, "--hammer", hammer, "--srd", "api"},
             {"drive", project, "--hammer", hammer, "--depths", "1:2"},
             {"drive", project, "--hammer", hammer, "--depths", "5:1:1"},
             {"drive", project, "--hammer", hammer, "--depths", "1:10:0"},
             {"drive", project, "--hammer", hammer, "--depths", "1:nan:1"},
             {"drive", project, "--hammer", hammer, "--jobs", "0"},
             {"drive", project, "--hammer", hammer, "--bearing-graph", "100,abc"},
             {"drive", project, "--hammer", hammer, "--shaft-factor", "abc"},
             {"drive", project, "--hammer", hammer, "--base-factor", "nan"},
             {"drive", project, "--hammer", hammer, "--base-factor", "inf"},
             {"drive", project, "--hammer", hammer, "--friction-angle", ""},
             {"drive", project, "--hammer", hammer, "--friction-angle", "29deg"},
         }) {
        const Command r = run(args);
        EXPECT_EQ(r.exit_code, 2) << args.back() << r.output;
    }
}

// The resistance to driving comes from the cone data; Alm & Hamre reads the clay's sleeve friction
// from the cone readings an import keeps beside the project: here 40 kPa from the ground to 60 m.
TEST(DriveCommand, PrintsBlowCountAndStressesPerDepth) {
    torve::test::ScratchDir dir;
    const std::string project = copy_example(dir, "open-pipe-offshore-si");
    dir.write("open-pipe-offshore-si.cone.csv", "depth_m,fs_kPa,u2_kPa,qt_kPa\n0,40,,\n60,40,,\n");
    const std::string hammer = torve::test::source_path("examples/hammers/ram-35t-350kj.json");
    const Command r = run({"drive", project, "--hammer", hammer, "--depths", "10:40:10", "--bearing-graph",
                           "2000,4000,8000", "--csv", dir.file("out")});
    ASSERT_EQ(r.exit_code, 0) << r.output;
    for (const char* text :
         {"SRD shaft (kN)", "blows/0.25 m", "compression (MPa)", "bearing graph at 40.00 m:"})
        EXPECT_NE(r.output.find(text), std::string::npos) << text << r.output;
    const std::string csv = torve::test::read_file(dir.file("out/open-pipe-offshore-si.driveability.csv"));
    EXPECT_EQ(csv.rfind("tip depth (m),SRD shaft (kN),", 0), 0u);
    const std::string graph = torve::test::read_file(dir.file("out/open-pipe-offshore-si.bearing-graph.csv"));
    EXPECT_EQ(graph.rfind("resistance (kN),blow count (blows/0.25 m),", 0), 0u);
}

// Numbers, but not ones the resistance to driving can take: refused by the engine, by name.
TEST(DriveCommand, RefusesFactorsAndAnglesOutOfRange) {
    torve::test::ScratchDir dir;
    const std::string project = copy_example(dir, "open-pipe-offshore-si");
    const std::string hammer = torve::test::source_path("examples/hammers/ram-35t-350kj.json");
    const struct {
        std::vector<std::string> option;
        const char* message;
    } cases[] = {
        {{"--shaft-factor", "-1"}, "The shaft factor of the resistance to driving must be 0 or more."},
        {{"--base-factor=-0.5"}, "The base factor of the resistance to driving must be 0 or more."},
        {{"--friction-angle", "0"}, "The interface friction angle must lie between 0 and 90 degrees."},
        {{"--friction-angle", "90"}, "The interface friction angle must lie between 0 and 90 degrees."},
        {{"--friction-angle", "-29"}, "The interface friction angle must lie between 0 and 90 degrees."},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"drive", project, "--hammer", hammer, "--depths", "10:20:10"};
        args.insert(args.end(), c.option.begin(), c.option.end());
        const Command r = run(args);
        EXPECT_EQ(r.exit_code, 1) << c.option[0] << r.output;
        EXPECT_NE(r.output.find(c.message), std::string::npos) << r.output;
    }
}

// The numbers of the first row of a driveability CSV file: tip depth, SRD shaft, SRD base, ...
std::vector<double> first_row(const std::string& csv) {
    std::stringstream lines(csv);
    std::string line;
    std::getline(lines, line);
    std::getline(lines, line);
    std::vector<double> v;
    std::stringstream cells(line);
    std::string cell;
    while (std::getline(cells, cell, ',')) v.push_back(cell.empty() || cell == "\r" ? NAN : std::stod(cell));
    return v;
}

// The square precast pile in uniform sand of the reference cases, tip at 10 m, worked by hand in
// tests/data/srd_hand_calculations.py: qc 10 MPa, s'v = 10 z kPa, perimeter 1.6 m, tip 0.16 m2.
// Base 0.15 x 10000 x (10000/100)^0.2 x 0.16 = 1500 x 2.511886 x 0.16 = 602.853 kN. Shaft 1.6 x
// the integral of 0.0132 x 10000 x (10 z/100)^0.13 x tan 29 x (0.2 + 0.8 exp(-(1000/z)^0.5/80 x
// (10 - z))) from 0 to 10 m = 592.82 kN (the engine's 0.1 m trapezoids within 0.5 % of it).
// A factor is on its own part alone and exact: 1.25 x the base, the shaft as it was.
TEST(DriveCommand, AFactorScalesItsOwnPartAlone) {
    namespace fs = std::filesystem;
    torve::test::ScratchDir dir;
    const std::string cases = torve::test::source_path("tests/reference/cases/nen-square-precast-si");
    fs::copy_file(cases + ".tv6d", dir.path() / "pile.tv6d");
    fs::copy_file(cases + ".cpt", dir.path() / "pile.cpt");
    const std::string hammer = torve::test::source_path("examples/hammers/ram-7t-70kj-pile-cushion.json");
    auto row = [&](const std::vector<std::string>& options, const std::string& out) {
        std::vector<std::string> args{
            "drive", dir.file("pile.tv6d"), "--hammer", hammer, "--depths", "10:10:1",
            "--csv", dir.file(out)};
        args.insert(args.end(), options.begin(), options.end());
        const Command r = run(args);
        EXPECT_EQ(r.exit_code, 0) << r.output;
        return first_row(torve::test::read_file(dir.file(out + "/pile.driveability.csv")));
    };
    const std::vector<double> best = row({}, "best");
    ASSERT_GE(best.size(), 4u);
    EXPECT_EQ(best[0], 10.0);
    EXPECT_NEAR(best[1], 592.82, 0.005 * 592.82);
    EXPECT_NEAR(best[2], 602.853, 0.001);
    const std::vector<double> upper = row({"--base-factor", "1.25"}, "upper");
    ASSERT_GE(upper.size(), 4u);
    EXPECT_EQ(upper[1], best[1]);
    EXPECT_EQ(upper[2], 1.25 * best[2]);
    EXPECT_EQ(upper[3], upper[1] + upper[2]);
    // Twice the shaft: every slice doubled, exactly; the base as it was.
    const std::vector<double> shaft = row({"--shaft-factor", "2"}, "shaft");
    ASSERT_GE(shaft.size(), 4u);
    EXPECT_EQ(shaft[1], 2 * best[1]);
    EXPECT_EQ(shaft[2], best[2]);
    // Alm & Hamre's sand friction is proportional to tan(delta); the base takes no delta:
    // tan 35 / tan 29 = 0.700208 / 0.554309 = 1.263208.
    const std::vector<double> steep = row({"--friction-angle", "35"}, "steep");
    ASSERT_GE(steep.size(), 4u);
    EXPECT_NEAR(steep[1] / best[1], 1.263208, 1e-6);
    EXPECT_EQ(steep[2], best[2]);
}

}  // namespace
