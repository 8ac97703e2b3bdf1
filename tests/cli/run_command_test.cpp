// The torve runner as a user calls it: exit codes, outputs beside the project, summaries.
#include <gtest/gtest.h>

#include <filesystem>

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

    torve::test::ProjectText p;
    p.deepest = 50;  // a 60 ft pile needs 64 ft of soil
    p.add_layer(torve::test::sand_layer(0, 50, 60, 30, 0.8, 20));
    const Command s = run({"run", dir.write("shallow.tv6d", p.text())});
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
        EXPECT_EQ(torve::test::read_file(path), "keep me\n");
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.tv6p")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("y.tv6o")));
}

}  // namespace
