// torve downdrag as a user calls it: what it prints, the settlement files it refuses, its CSV file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/child_process.h"
#include "tests/support/scratch_dir.h"

namespace {

using Command = torve::test::ProgramRun;
using torve::test::copy_example;

Command run(const std::vector<std::string>& args) {
    return torve::test::run_program(TORVE_CLI, args);
}

TEST(DowndragCommand, PrintsTheAnswersWithTheProjectsUnits) {
    torve::test::ScratchDir dir;
    struct Case {
        const char* example;
        const char* settlement;  // soil settling alike at every depth: no drag force
        const char* head_load;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"open-pipe-offshore-si",
         "0,25\n",
         "2000",
         {"  head load: 2000.0 kN\n", "  neutral plane: 0.00 m\n", "  drag force: 0.0 kN\n",
          "  maximum axial load: 2000.0 kN at -10.00 m\n", "  head settlement: "}},
        {"precast-concrete-user-english",
         "0 1\n",
         "100",
         {"  head load: 100.0 kips\n", "  neutral plane: 0.00 ft\n", "  drag force: 0.0 kips\n",
          "  maximum axial load: 100.0 kips at ", "  head settlement: "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.example);
        const std::string project = copy_example(dir, c.example);
        const std::string soil = dir.write(std::string(c.example).append(".settlement.csv"), c.settlement);
        const Command r = run({"downdrag", project, "--soil-settlement", soil, "--head-load", c.head_load});
        ASSERT_EQ(r.exit_code, 0) << r.output;
        for (const std::string& line : c.lines)
            EXPECT_NE(r.output.find(line), std::string::npos) << line << r.output;
    }
    // Settling soil above 20 m drags the offshore pile down: a drag force, the plane in the soil.
    const std::string project = dir.file("open-pipe-offshore-si.tv6d");
    const std::string soil = dir.write("drag.csv", "# depth (m), settlement (mm)\r\n0,200\r\n20,0\r\n");
    const Command r = run(
        {"downdrag", project, "--soil-settlement", soil, "--head-load", "2000", "--csv", dir.file("out")});
    ASSERT_EQ(r.exit_code, 0) << r.output;
    EXPECT_EQ(r.output.find("drag force: 0.0 kN"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("neutral plane by equilibrium alone: "), std::string::npos);
    const std::string csv = torve::test::read_file(dir.file("out/open-pipe-offshore-si.downdrag.csv"));
    EXPECT_EQ(csv.rfind("depth (m),axial load (kN),pile movement (mm),soil settlement (mm)\r\n", 0), 0u);
    EXPECT_NE(csv.find("\r\n-10,"), std::string::npos);  // the head, 10 m above the ground
}

TEST(DowndragCommand, RefusesASettlementFileWithItsLine) {
    torve::test::ScratchDir dir;
    const std::string project = copy_example(dir, "open-pipe-offshore-si");
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"depth,settlement\n0,10\n", "line 1: expected a depth, found \"depth\"."},
        {"0,10\n5,8\n5,6\n", "line 3: the depth 5 is not below the depth 5 of the line before"},
        {"0,10\n\n5,8\n2,6\n", "line 4: the depth 2 is not below the depth 5 of the line before"},
        {"0,10\n5,NaN\n", "line 2: expected a settlement, found \"NaN\"."},
        {"0,10\n5\n", "line 2: expected a depth and a settlement, found 1 values."},
        {"0;10;3\n", "line 1: expected a depth and a settlement, found 3 values."},
        {"0,1e999\n", "line 1: expected a settlement, found \"1e999\"."},
        {"# nothing\n", "has no depth and settlement."},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string soil = dir.write(std::to_string(++n).append(".csv"), c.text);
        const Command r = run({"downdrag", project, "--soil-settlement", soil, "--head-load", "1000"});
        EXPECT_EQ(r.exit_code, 1);
        EXPECT_NE(r.output.find(c.message), std::string::npos) << r.output;
        EXPECT_EQ(r.output.find("neutral plane"), std::string::npos);
    }
    const std::string soil = dir.write("fine.csv", "0,10\n");
    const Command over = run({"downdrag", project, "--soil-settlement", soil, "--head-load", "1e7"});
    EXPECT_EQ(over.exit_code, 1);
    EXPECT_NE(over.output.find("lies above what the pile can carry"), std::string::npos) << over.output;
    const Command missing =
        run({"downdrag", project, "--soil-settlement", dir.file("none.csv"), "--head-load", "1"});
    EXPECT_EQ(missing.exit_code, 1);
    EXPECT_NE(missing.output.find("does not exist"), std::string::npos) << missing.output;
    // Without --soil-settlement the file kept beside the project; there is none here.
    const Command none = run({"downdrag", project, "--head-load", "1"});
    EXPECT_EQ(none.exit_code, 1);
    EXPECT_NE(none.output.find("keeps no soil settlement file"), std::string::npos) << none.output;
}

TEST(DowndragCommand, TakesTheSettlementKeptBesideTheProject) {
    torve::test::ScratchDir dir;
    const std::string project = copy_example(dir, "open-pipe-offshore-si");
    const std::string given = dir.write("given.csv", "0,200\n20,0\n");
    const Command expected = run({"downdrag", project, "--soil-settlement", given, "--head-load", "2000"});
    ASSERT_EQ(expected.exit_code, 0) << expected.output;
    // The head load of the kept file, or --head-load over it; a file without one needs the option.
    dir.write("open-pipe-offshore-si.settlement.csv", "# head load (kN): 2000\n0,200\n20,0\n");
    EXPECT_EQ(run({"downdrag", project}).output, expected.output);
    dir.write("open-pipe-offshore-si.settlement.csv", "# head load (kN): 5\n0,200\n20,0\n");
    EXPECT_EQ(run({"downdrag", project, "--head-load", "2000"}).output, expected.output);
    dir.write("open-pipe-offshore-si.settlement.csv", "0,200\n20,0\n");
    const Command unloaded = run({"downdrag", project});
    EXPECT_EQ(unloaded.exit_code, 1);
    EXPECT_NE(unloaded.output.find("gives no head load; give one with --head-load"), std::string::npos)
        << unloaded.output;
}

}  // namespace
