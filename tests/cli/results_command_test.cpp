// torve results as a user calls it: the summary of an analysed project, its CSV tables, and a plot
// file that is missing or cut short.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/child_process.h"
#include "tests/support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;

using Command = torve::test::ProgramRun;
using torve::test::copy_example;

// The runner with its arguments as a list; no shell comes between.
Command run(const std::vector<std::string>& args, const torve::test::ProgramLimits& limits = {}) {
    return torve::test::run_program(TORVE_CLI, args, limits);
}

TEST(ResultsCommand, SummaryAndCsv) {
    torve::test::ScratchDir dir;
    const std::string project = copy_example(dir, "sand-over-clay-pipe-english");
    EXPECT_EQ(run({"results", project}).exit_code, 1);  // not analysed yet: no plot file
    // A plot file of the example's four onshore methods in the engine's layout, 2 rows each.
    std::string plot = "     4     2     1     4\n";
    for (int m = 0; m < 4; ++m)
        for (int r = 1; r <= 2; ++r)
            plot += "  " + std::to_string(30 * r) + ".00  " + std::to_string(100 * m + r) + ".0  " +
                    std::to_string(10 * r) + ".0  " + std::to_string(100 * m + 11 * r) + ".0  0.500\n";
    plot += "0\n";
    for (int i = 0; i < 18; ++i) plot += "0.1E+01 0.2E+01 0.0E+00\n";
    for (int i = 1; i <= 9; ++i) plot += std::to_string(10 * i) + " 0." + std::to_string(i) + " 5 0.01\n";
    plot += "0\n";  // the example asks for extra t-z curves: none
    dir.write("sand-over-clay-pipe-english.tv6p", plot);
    const Command r = run({"results", project});
    ASSERT_EQ(r.exit_code, 0) << r.output;
    EXPECT_NE(r.output.find(
                  "API               60.00 ft           302.0          20.0         322.0           322.0"),
              std::string::npos)
        << r.output;
    EXPECT_NE(r.output.find("FHWA"), std::string::npos);
    EXPECT_NE(r.output.find("head movement at the largest load level (90.0 kips): 0.9000 in"),
              std::string::npos);
    EXPECT_NE(r.output.find("torve run --csv DIR writes the same tables at full precision"),
              std::string::npos);

    const Command csv = run({"results", project, "--csv", dir.file("csv")});
    ASSERT_EQ(csv.exit_code, 0) << csv.output;
    const std::string total = torve::test::read_file(dir.file("csv/pltTotal.csv"));
    EXPECT_EQ(total.substr(0, total.find("\r\n")), "curve,Total Capacity  (kips),Depth  (ft)");
    EXPECT_NE(total.find("API,322,60\r\n"), std::string::npos);
    EXPECT_TRUE(fs::exists(dir.file("csv/MotionInput.csv")));
    // The load-settlement graph's settlement title holds a comma: quoted, it stays one column.
    const std::string axial = torve::test::read_file(dir.file("csv/pltAxial.csv"));
    EXPECT_EQ(axial.substr(0, axial.find("\r\n")), "curve,Axial Load  (kips),\"Settlement, in.\"");

    dir.write("sand-over-clay-pipe-english.tv6p", plot.substr(0, 60));
    const Command truncated = run({"results", project});
    EXPECT_EQ(truncated.exit_code, 1);
    // The reader's words, then the file and what a complete plot data file holds where it stops:
    // 60 bytes reach into line 3, and the 4 x 2 rows its header announces cannot follow.
    EXPECT_NE(
        truncated.output.find("An error occured in running the main program.\nThis file either invalid or "
                              "incomplete.\nFile " +
                              dir.file("sand-over-clay-pipe-english.tv6p") +
                              ", line 3: the rows of the capacity curves (depth, skin friction, tip "
                              "resistance, total capacity, unit skin friction) were expected there, as a "
                              "run that completed writes them.\n"),
        std::string::npos)
        << truncated.output;
}

}  // namespace
