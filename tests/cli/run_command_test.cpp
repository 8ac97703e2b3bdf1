// The torve runner as a user calls it: exit codes, outputs beside the project, summaries.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/child_process.h"
#include "tests/support/project_text.h"
#include "tests/support/scratch_dir.h"

namespace {

using Command = torve::test::ProgramRun;

// The runner with its arguments as a list; no shell comes between.
Command run(const std::vector<std::string>& args, const torve::test::ProgramLimits& limits = {}) {
    return torve::test::run_program(TORVE_CLI, args, limits);
}

std::string copy_example(const torve::test::ScratchDir& dir, const std::string& name, bool with_cpt = true) {
    const auto src = std::filesystem::path(torve::test::source_path("examples"));
    std::filesystem::copy_file(src / (name + ".tv6d"), dir.path() / (name + ".tv6d"));
    if (with_cpt) std::filesystem::copy_file(src / (name + ".cpt"), dir.path() / (name + ".cpt"));
    return (dir.path() / (name + ".tv6d")).string();
}

TEST(RunCommand, HelpExplainsCommandsAndOptions) {
    const Command top = run({"--help"});
    EXPECT_EQ(top.exit_code, 0);
    EXPECT_NE(top.output.find("run"), std::string::npos);
    const Command help = run({"run", "--help"});
    EXPECT_EQ(help.exit_code, 0);
    EXPECT_NE(help.output.find("--jobs"), std::string::npos);
    EXPECT_NE(help.output.find("--console"), std::string::npos);
    EXPECT_NE(run({}).exit_code, 0);
    EXPECT_EQ(run({"frobnicate"}).exit_code, 2);
}

TEST(RunCommand, RunsSeveralProjectsAndLeavesOutputsBeside) {
    torve::test::ScratchDir dir;
    const std::string a = copy_example(dir, "sand-over-clay-pipe-english");
    const std::string b = copy_example(dir, "open-pipe-offshore-si", false);  // no .cpt: an empty profile
    const Command c = run({a, b, "--jobs", "2"});
    ASSERT_EQ(c.exit_code, 2) << c.output;  // the subcommand is missing: usage error
    const Command r = run({"run", a, b, "--jobs", "2"});
    EXPECT_EQ(r.exit_code, 0) << r.output;
    EXPECT_LT(r.output.find(a), r.output.find(b));  // printed in command-line order
    EXPECT_NE(r.output.find("report:    " + dir.file("sand-over-clay-pipe-english.tv6o")), std::string::npos);
    EXPECT_NE(r.output.find("plot file: " + dir.file("open-pipe-offshore-si.tv6p")), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir.file("sand-over-clay-pipe-english.tv6o")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("open-pipe-offshore-si.tv6p")));
}

TEST(RunCommand, FailedOrStoppedRunsExitWithOne) {
    torve::test::ScratchDir dir;
    const std::string bad = dir.write("bad.tv6d", "title\nd\nj\n1 1 x\n");
    const Command r = run({"run", bad});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_NE(r.output.find("FAILED: Input data file"), std::string::npos);
    EXPECT_NE(r.output.find("record 4 (units, print interval, soil points), line 4"), std::string::npos);

    torve::ProjectRecords p = torve::test::project();
    p.deepest_soil_depth = 50;  // a 60 ft pile needs 64 ft of soil
    torve::test::add_layer(p, torve::test::sand_layer(0, 50, 60, 30, 0.8, 20));
    const Command s = run({"run", dir.write("shallow.tv6d", torve::test::text_of(p))});
    EXPECT_EQ(s.exit_code, 1);
    EXPECT_NE(s.output.find("STOPPED:"), std::string::npos);
    EXPECT_EQ(run({"run", dir.file("absent.tv6d")}).exit_code, 2);  // not an existing file: usage
}

// The outputs are named after the file given: given a report or a plot file, the run would write
// over the very file it reads. Refused before anything is opened; the file stays as it was.
TEST(RunCommand, AFileThatWouldBeItsOwnOutputIsRefused) {
    torve::test::ScratchDir dir;
    for (const char* name : {"x.tv6o", "y.tv6p"}) {
        const std::string path = dir.write(name, "keep me\n");
        const Command r = run({"run", path});
        EXPECT_EQ(r.exit_code, 1) << r.output;
        EXPECT_NE(r.output.find("is also the input data file"), std::string::npos) << r.output;
        EXPECT_EQ(r.output.find("report (incomplete)"), std::string::npos) << r.output;  // none was made
        EXPECT_EQ(torve::test::read_file(path), "keep me\n");
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.tv6p")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("y.tv6o")));
}

// Two names of one project would make two runs write one report side by side, leaving a mix of
// both: the second name is analysed once, with the first.
TEST(RunCommand, OneProjectNamedTwiceIsAnalysedOnce) {
    torve::test::ScratchDir dir;
    const std::string a = copy_example(dir, "sand-over-clay-pipe-english");
    const std::string dotted = (dir.path() / "." / "sand-over-clay-pipe-english.tv6d").string();
    std::filesystem::create_directory(dir.file("sub"));
    const std::string up = (dir.path() / "sub" / ".." / "sand-over-clay-pipe-english.tv6d").string();
    const Command r = run({"run", "-j", "3", a, dotted, up});
    EXPECT_EQ(r.exit_code, 0) << r.output;
    EXPECT_NE(r.output.find(dotted + "\n  the same project as " + a +
                            " (the same report and plot file): "
                            "analysed once, above\n"),
              std::string::npos)
        << r.output;
    EXPECT_NE(r.output.find(up + "\n  the same project as " + a), std::string::npos) << r.output;
    std::size_t completed = 0;
    for (std::size_t at = r.output.find("completed"); at != std::string::npos;
         at = r.output.find("completed", at + 1))
        ++completed;
    EXPECT_EQ(completed, 1u);
    const std::string report = torve::test::read_file(dir.file("sand-over-clay-pipe-english.tv6o"));
    EXPECT_EQ(report.find("TORVE for Windows"), report.rfind("TORVE for Windows"));  // one banner

    // Two copies of a project are two projects: each runs.
    const std::string b = dir.file("copy.tv6d");
    std::filesystem::copy_file(a, b);
    EXPECT_EQ(run({"run", a, b}).output.find("the same project"), std::string::npos);
}

// Under tension the tip value is the pile's self weight, and the summary heads it so.
TEST(RunCommand, TheSummaryHeadsTheSelfWeightUnderTension) {
    torve::test::ScratchDir dir;
    const auto src = std::filesystem::path(torve::test::source_path("tests/reference/cases"));
    for (const char* ext : {".tv6d", ".cpt"})
        std::filesystem::copy_file(src / (std::string("tension-reduction-english") + ext),
                                   dir.path() / (std::string("p") + ext));
    const Command r = run({"run", dir.file("p.tv6d")});
    EXPECT_NE(r.output.find("method            skin friction   self weight      ultimate"), std::string::npos)
        << r.output;
    const Command c = run({"run", copy_example(dir, "sand-over-clay-pipe-english")});
    EXPECT_NE(c.output.find("method            skin friction   end bearing      ultimate"), std::string::npos)
        << c.output;
}

// A short relative name in a folder whose absolute path is longer than the system can name
// (22 levels of 200 characters): the project is run from where it is.
TEST(RunCommand, AProjectInAFolderDeeperThanThePathLimit) {
    namespace fs = std::filesystem;
    torve::test::ScratchDir dir;
    const std::string project =
        torve::test::read_file(torve::test::source_path("examples/sand-over-clay-pipe-english.tv6d"));
    const std::string cpt =
        torve::test::read_file(torve::test::source_path("examples/sand-over-clay-pipe-english.cpt"));
    const fs::path back = fs::current_path();
    fs::current_path(dir.path());
    const std::string segment(200, 'd');
    constexpr int kLevels = 22;
    for (int i = 0; i < kLevels; ++i) {
        fs::create_directory(segment);
        fs::current_path(segment);
    }
    std::ofstream("p.tv6d", std::ios::binary) << project;
    std::ofstream("p.cpt", std::ios::binary) << cpt;
    const Command r = run({"run", "p.tv6d"});
    const bool made = fs::exists("p.tv6o") && fs::exists("p.tv6p");
    for (const char* name : {"p.tv6d", "p.cpt", "p.tv6o", "p.tv6p"}) fs::remove(name);
    for (int i = 0; i < kLevels; ++i) {  // one level at a time: the whole path is too long to name
        fs::current_path("..");
        fs::remove(segment);
    }
    fs::current_path(back);
    EXPECT_EQ(r.exit_code, 0) << r.output;
    EXPECT_NE(r.output.find("report:    p.tv6o"), std::string::npos) << r.output;
    EXPECT_EQ(r.output.find("incomplete"), std::string::npos) << r.output;
    EXPECT_TRUE(made);
}

}  // namespace
