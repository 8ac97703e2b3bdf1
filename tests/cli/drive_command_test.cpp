// torve drive as a user calls it: the files and values it refuses by name, and its table.
#include <gtest/gtest.h>

#include <string>

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

}  // namespace
