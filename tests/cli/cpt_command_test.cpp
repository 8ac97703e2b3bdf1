// torve cpt show and torve cpt import as a user calls them: the tests listed, the points file written,
// and the exit codes of files and choices that cannot be used.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "tests/support/child_process.h"
#include "tests/support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;

torve::test::ProgramRun run(const std::vector<std::string>& args) {
    return torve::test::run_program(TORVE_CLI, args, {});
}

const std::string kAgs = torve::test::source_path("examples/cpt/two-soundings.ags");

TEST(CptCommand, ShowListsTestsAndColumns) {
    const torve::test::ProgramRun show = run({"cpt", "show", kAgs});
    ASSERT_EQ(show.exit_code, 0) << show.output;
    for (const char* line :
         {"AGS4, 2 tests", "1  CPT-01/1: 5 rows, area ratio 0.8", "2  CPT-02/1: 3 rows, area ratio 0.75",
          "qc: column SCPT_RES, MN/m2", "u2: column SCPT_PWP2, kN/m2"})
        EXPECT_NE(show.output.find(line), std::string::npos) << line << "\n" << show.output;
    const torve::test::ProgramRun csv = run(
        {"cpt", "show", torve::test::source_path("examples/cpt/sounding.csv"), "--column", "qc=remark:MPa"});
    EXPECT_EQ(csv.exit_code, 1);
    EXPECT_NE(csv.output.find("a number was expected under remark but \"dry crust\""), std::string::npos)
        << csv.output;
}

// The second test, qc in MN/m2 into the S.I. example: 0.8, 1.6, 2.4 MN/m2 are 800, 1600, 2400 kPa.
TEST(CptCommand, ImportWritesTheProjectsPointsFile) {
    torve::test::ScratchDir dir;
    const fs::path examples = torve::test::source_path("examples");
    fs::copy_file(examples / "open-pipe-offshore-si.tv6d", dir.path() / "p.tv6d");
    const std::string project = dir.file("p.tv6d");
    const std::string before = torve::test::read_file(project);

    const torve::test::ProgramRun both = run({"cpt", "import", kAgs, "--into", project});
    EXPECT_EQ(both.exit_code, 1);
    EXPECT_NE(both.output.find("holds 2 tests; choose one of CPT-01/1, CPT-02/1"), std::string::npos)
        << both.output;
    EXPECT_FALSE(fs::exists(dir.file("p.cpt")));

    const torve::test::ProgramRun qc =
        run({"cpt", "import", kAgs, "--test", "2", "--use", "qc", "--into", project});
    ASSERT_EQ(qc.exit_code, 0) << qc.output;
    EXPECT_NE(qc.output.find("Cone resistance: qc."), std::string::npos) << qc.output;
    EXPECT_EQ(torve::test::read_file(dir.file("p.cpt")),
              " 2 3\n  2.00E-01  8.00E+02\n  4.00E-01  1.60E+03\n  6.00E-01  2.40E+03\n");
    EXPECT_EQ(torve::test::read_file(project), before);

    for (const auto& args : std::vector<std::vector<std::string>>{
             {"cpt", "import", kAgs, "--test", "CPT-09", "--into", project},
             {"cpt", "import", torve::test::source_path("examples/cpt/sounding.csv"), "--use", "qt", "--into",
              project}}) {
        const torve::test::ProgramRun refused = run(args);
        EXPECT_EQ(refused.exit_code, 1) << refused.output;
    }
    EXPECT_EQ(run({"cpt", "import", kAgs, "--use", "qx", "--into", project}).exit_code, 2);
    // A refused import leaves the points file of the last one.
    EXPECT_EQ(torve::test::read_file(dir.file("p.cpt")).substr(0, 5), " 2 3\n");
}

// A location that holds one test names it; one that holds two is refused with its tests. CPT-B/1
// gives qc 3.0 and 4.5 MPa at 0.5 and 1.0 m: 3000 and 4500 kPa in the S.I. example.
TEST(CptCommand, ImportTakesTheOnlyTestOfALocation) {
    torve::test::ScratchDir dir;
    fs::copy_file(torve::test::source_path("examples/open-pipe-offshore-si.tv6d"), dir.path() / "p.tv6d");
    const std::string project = dir.file("p.tv6d");
    const std::string ags = dir.write("site.ags",
                                      "\"GROUP\",\"SCPT\"\n"
                                      "\"HEADING\",\"LOCA_ID\",\"SCPG_TESN\",\"SCPT_DPTH\",\"SCPT_RES\"\n"
                                      "\"UNIT\",\"\",\"\",\"m\",\"MPa\"\n"
                                      "\"DATA\",\"CPT-A\",\"1\",\"1.0\",\"1.0\"\n"
                                      "\"DATA\",\"CPT-A\",\"2\",\"1.0\",\"2.0\"\n"
                                      "\"DATA\",\"CPT-B\",\"1\",\"0.5\",\"3.0\"\n"
                                      "\"DATA\",\"CPT-B\",\"1\",\"1.0\",\"4.5\"\n");

    const torve::test::ProgramRun one = run({"cpt", "import", ags, "--test", "CPT-B", "--into", project});
    ASSERT_EQ(one.exit_code, 0) << one.output;
    EXPECT_NE(one.output.find("Test CPT-B/1 (AGS4 file)."), std::string::npos) << one.output;
    EXPECT_EQ(torve::test::read_file(dir.file("p.cpt")),
              " 2 2\n  5.00E-01  3.00E+03\n  1.00E+00  4.50E+03\n");

    const torve::test::ProgramRun two = run({"cpt", "import", ags, "--test", "CPT-A", "--into", project});
    EXPECT_EQ(two.exit_code, 1) << two.output;
    EXPECT_NE(two.output.find("has 2 tests at location CPT-A; choose one of CPT-A/1, CPT-A/2."),
              std::string::npos)
        << two.output;
    EXPECT_EQ(torve::test::read_file(dir.file("p.cpt")).substr(0, 5), " 2 2\n");
}

// fs, u2 and qt of the test go into PROJECT.cone.csv beside the points, which are the same as
// without them; a later import of qc alone takes the readings of the old points away.
TEST(CptCommand, ImportKeepsTheSleeveFrictionBesideThePoints) {
    torve::test::ScratchDir dir;
    fs::copy_file(torve::test::source_path("examples/open-pipe-offshore-si.tv6d"), dir.path() / "p.tv6d");
    const std::string project = dir.file("p.tv6d");
    const std::string with =
        dir.write("with.csv", "depth_m,qc_MPa,fs_kPa,u2_kPa\n0.5,3.0,25,\n1.0,4.5,30.5,12\n");
    const std::string without = dir.write("without.csv", "depth_m,qc_MPa\n0.5,3.0\n1.0,4.5\n");
    const torve::test::ProgramRun one = run({"cpt", "import", with, "--into", project});
    ASSERT_EQ(one.exit_code, 0) << one.output;
    EXPECT_NE(one.output.find("Cone readings file: " + dir.file("p.cone.csv")), std::string::npos)
        << one.output;
    EXPECT_EQ(torve::test::read_file(dir.file("p.cone.csv")),
              "depth_m,fs_kPa,u2_kPa,qt_kPa\n0.5,25,,\n1,30.5,12,\n");
    const std::string points = torve::test::read_file(dir.file("p.cpt"));
    EXPECT_EQ(points, " 2 2\n  5.00E-01  3.00E+03\n  1.00E+00  4.50E+03\n");

    const torve::test::ProgramRun two = run({"cpt", "import", without, "--into", project});
    ASSERT_EQ(two.exit_code, 0) << two.output;
    EXPECT_EQ(two.output.find("Cone readings file"), std::string::npos) << two.output;
    EXPECT_FALSE(fs::exists(dir.file("p.cone.csv")));
    EXPECT_EQ(torve::test::read_file(dir.file("p.cpt")), points);
}

// A project that cannot be read is named with what was wrong in it; it once said "Error on Line 4
// Item 1 ..." or "This file either invalid or incomplete." without a word of which file. Pipes are
// refused without waiting on them.
TEST(CptCommand, FilesThatCannotBeReadAreNamed) {
    torve::test::ScratchDir dir;
    const std::string example =
        torve::test::read_file(torve::test::source_path("examples/open-pipe-offshore-si.tv6d"));
    std::string cut;  // the first 22 lines: the file ends before record 12
    for (std::size_t at = 0, line = 0; line < 22; ++line) {
        const std::size_t end = example.find('\n', at) + 1;
        cut += example.substr(at, end - at);
        at = end;
    }
    const std::string damaged = dir.write("damaged.tv6d", "t\nd\nj\n1 1 x\n");
    const std::string short_file = dir.write("short.tv6d", cut);
    const std::string pipe = dir.file("pipe.tv6d");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string pipe_csv = dir.file("pipe.csv");
    ASSERT_EQ(mkfifo(pipe_csv.c_str(), 0600), 0);
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"cpt", "import", kAgs, "--test", "1", "--into", damaged},
         damaged + ": Error on Line 4 Item 3 An integer was expected but not found."},
        {{"cpt", "import", kAgs, "--test", "1", "--into", short_file},
         short_file + ": This file either invalid or incomplete. File " + short_file +
             " ends after line 22, where the loading type code of record 12 (loading) was expected."},
        {{"cpt", "import", kAgs, "--test", "1", "--into", pipe},
         pipe + ": File " + pipe +
             " cannot be opened: it is not a regular file (a folder, a device or a pipe)"},
        {{"cpt", "show", pipe_csv},
         "The cone data file " + pipe_csv +
             " cannot be opened: it is not a regular file (a folder, a device or a pipe)"},
    };
    for (const auto& c : cases) {
        const torve::test::ProgramRun r = run(c.args);
        EXPECT_EQ(r.exit_code, 1) << r.output;
        EXPECT_NE(r.output.find(c.message + "\n"), std::string::npos) << r.output;
    }
    EXPECT_FALSE(fs::exists(dir.file("damaged.cpt")));
    EXPECT_FALSE(fs::exists(dir.file("short.cpt")));
}

}  // namespace
