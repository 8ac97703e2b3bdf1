// torve convert as a user calls it: the project to the other unit system and back, exit codes, and
// the files of a save that succeed or fail together.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <sstream>

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

TEST(ConvertCommand, ToSIAndBack) {
    EXPECT_NE(run({"--help"}).output.find("convert"), std::string::npos);
    const Command help = run({"convert", "--help"});
    EXPECT_NE(help.output.find("--to"), std::string::npos);
    torve::test::ScratchDir dir;
    const std::string in = copy_example(dir, "sand-over-clay-pipe-english");
    const Command si = run({"convert", "--to", "si", in, dir.file("si.tv6d")});
    ASSERT_EQ(si.exit_code, 0) << si.output;
    const std::string text = torve::test::read_file(dir.file("si.tv6d"));
    EXPECT_EQ(text.substr(text.find('\n', text.find("EX-001")) + 1, 6), "2 5 6\n");
    // 24 in, 23 in, 29e6 psi x 6.894757293168361 kPa/psi, 60 ft and 5 ft; the modulus to its last
    // digit, as ten digits (199947961.5) would not read back to it
    EXPECT_NE(text.find("609.6 584.2 199947961.50188246 18.288 1.524"), std::string::npos);
    EXPECT_EQ(torve::test::read_file(dir.file("si.cpt")).substr(0, 5), " 2 8\n");
    EXPECT_TRUE(fs::exists(dir.file("si.gwi")));
    const Command back = run({"convert", "--to", "ENGLISH", dir.file("si.tv6d"), dir.file("back.tv6d")});
    ASSERT_EQ(back.exit_code, 0) << back.output;
    // Back as entered.
    EXPECT_NE(torve::test::read_file(dir.file("back.tv6d")).find("0 0 24 23 29000000 60 5\n"),
              std::string::npos);
    // The CPT points file holds every digit, so the points come back from S.I. exactly.
    std::istringstream original(torve::test::read_file(dir.file("sand-over-clay-pipe-english.cpt")));
    std::istringstream converted(torve::test::read_file(dir.file("back.cpt")));
    double a = 0, b = 0;
    int count = 0;
    while (original >> a && converted >> b) {
        EXPECT_EQ(b, a) << "number " << count;
        ++count;
    }
    EXPECT_EQ(count, 2 + 2 * 8);

    EXPECT_EQ(run({"convert", "--to", "metric", in, dir.file("x.tv6d")}).exit_code, 2);
    const Command bad =
        run({"convert", "--to", "si", dir.write("bad.tv6d", "t\nd\nj\n1 1 x\n"), dir.file("x.tv6d")});
    EXPECT_EQ(bad.exit_code, 1);
    EXPECT_NE(bad.output.find("Error on Line 4 Item 3"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.file("x.tv6d")));
}

// A full disk (here a file-size limit of 200 bytes): the project already there stays, and the user
// is told why. QSaveFile alone reported success over a project of 0 or 200 bytes.
TEST(ConvertCommand, FullDiskKeepsTheOldProject) {
    torve::test::ScratchDir dir;
    const std::string in = copy_example(dir, "sand-over-clay-pipe-english");
    const std::string out = dir.write("out.tv6d", "the old project\n");
    const Command c = run({"convert", "--to", "si", in, out}, {.file_size = 200});
    EXPECT_EQ(c.exit_code, 1) << c.output;
    EXPECT_NE(c.output.find("File too large"), std::string::npos) << c.output;
    EXPECT_EQ(torve::test::read_file(out), "the old project\n");
}

// A plot file beside IN that cannot be read stops the conversion with its name: the export would
// otherwise pass for one of a project never analysed.
TEST(ConvertCommand, DamagedPlotFileIsNamed) {
    torve::test::ScratchDir dir;
    const std::string in = copy_example(dir, "sand-over-clay-pipe-english");
    dir.write("sand-over-clay-pipe-english.tv6p", "1 1 1 4\n30.0 1.0 x 2.0 3.0\n");
    const Command c = run({"convert", "--to", "si", in, dir.file("out.tv6d")});
    EXPECT_EQ(c.exit_code, 1) << c.output;
    EXPECT_NE(c.output.find("sand-over-clay-pipe-english.tv6p: the plot data file cannot be read"),
              std::string::npos)
        << c.output;
    EXPECT_NE(c.output.find("Error on Line 2 Item 3"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.file("out.tv6d")));
}

// File names go through as the system spells them: UTF-8 names convert under their own names; a
// name that is not UTF-8, which the desktop core cannot carry, is refused by name (it was reported
// missing as input, and written under a mangled name as output).
TEST(ConvertCommand, FileNamesAsTheSystemSpellsThem) {
    torve::test::ScratchDir dir;
    const std::string example = copy_example(dir, "sand-over-clay-pipe-english");
    const std::string cafe = dir.file("caf\xc3\xa9.tv6d");
    fs::copy_file(example, cafe);
    const Command utf8 = run({"convert", "--to", "si", cafe, dir.file("\xc3\xa9t\xc3\xa9.tv6d")});
    EXPECT_EQ(utf8.exit_code, 0) << utf8.output;
    for (const char* written : {"\xc3\xa9t\xc3\xa9.tv6d", "\xc3\xa9t\xc3\xa9.cpt", "\xc3\xa9t\xc3\xa9.gwi"})
        EXPECT_TRUE(fs::exists(dir.file(written))) << written;

    const std::string latin1 = dir.file("caf\xe9.tv6d");
    fs::copy_file(example, latin1);
    for (const auto& [from, to] : {std::pair{latin1, dir.file("x.tv6d")}, {example, dir.file("\xe9.tv6d")}}) {
        const Command c = run({"convert", "--to", "si", from, to});
        EXPECT_EQ(c.exit_code, 1) << c.output;
        EXPECT_NE(c.output.find("cannot be represented in the system's file-name encoding"),
                  std::string::npos)
            << c.output;
        EXPECT_FALSE(fs::exists(to));
    }
}

// The project, its CPT points and its driveability export are replaced together: a file-size limit
// that the project and the export pass but the 1000 CPT points do not leaves all three old files.
TEST(ConvertCommand, TheThreeFilesOfASaveSucceedOrFailTogether) {
    torve::test::ScratchDir dir;
    const std::string in = copy_example(dir, "sand-over-clay-pipe-english");
    std::string cpt = " 1 1000\n";
    for (int i = 0; i < 1000; ++i)
        cpt += "  " + std::to_string(0.09 * i) + "  " + std::to_string(20000 + 37.1 * i) + "\n";
    dir.write("sand-over-clay-pipe-english.cpt", cpt);
    const std::string out = dir.write("q.tv6d", "OLD PROJECT\n");
    dir.write("q.cpt", " 1 1\n  1.00E+00  9.99E+04\n");
    dir.write("q.gwi", "old gwi\n");
    const Command c = run({"convert", "--to", "si", in, out}, {.file_size = 8000});
    EXPECT_EQ(c.exit_code, 1) << c.output;
    EXPECT_NE(c.output.find("q.cpt"), std::string::npos) << c.output;
    EXPECT_EQ(torve::test::read_file(out), "OLD PROJECT\n");
    EXPECT_EQ(torve::test::read_file(dir.file("q.cpt")), " 1 1\n  1.00E+00  9.99E+04\n");
    EXPECT_EQ(torve::test::read_file(dir.file("q.gwi")), "old gwi\n");
    for (const auto& entry : fs::directory_iterator(dir.path()))  // no temporary file left behind
        EXPECT_EQ(entry.path().filename().string().find("q."), entry.path().filename().string().rfind("q."))
            << entry.path();
    EXPECT_EQ(run({"convert", "--to", "si", in, out}).exit_code, 0);
    EXPECT_NE(torve::test::read_file(dir.file("q.cpt")).substr(0, 8), " 1 1\n  1");
}

// CPT points that cannot be read cannot be converted: the conversion once went on, reported
// "OUT.cpt (0 points)" and exited 0, or copied a damaged file with its old unit code and values.
TEST(ConvertCommand, CptPointsThatCannotBeReadStopTheConversion) {
    torve::test::ScratchDir dir;
    const std::string in = copy_example(dir, "sand-over-clay-pipe-english", false);
    const std::string cpt = dir.file("sand-over-clay-pipe-english.cpt");
    const struct {
        const char* name;
        std::function<void()> make;
        const char* cause;
    } cases[] = {
        {"damaged", [&] { dir.write("sand-over-clay-pipe-english.cpt", " 1 2\n  1.0  x\n"); }, "line 2"},
        {"a folder", [&] { fs::create_directory(cpt); }, "not a regular file"},
        {"a pipe", [&] { mkfifo(cpt.c_str(), 0600); }, "not a regular file"},  // never waited on
    };
    for (const auto& c : cases) {
        fs::remove_all(cpt);
        c.make();
        const Command r = run({"convert", "--to", "si", in, dir.file("out.tv6d")});
        EXPECT_EQ(r.exit_code, 1) << c.name << ": " << r.output;
        EXPECT_NE(
            r.output.find(cpt + ": the CPT data file cannot be read, so its points cannot be converted; "
                                "nothing was written."),
            std::string::npos)
            << c.name << ": " << r.output;
        EXPECT_NE(r.output.find(c.cause), std::string::npos) << c.name << ": " << r.output;
        for (const char* written : {"out.tv6d", "out.cpt", "out.gwi"})
            EXPECT_FALSE(fs::exists(dir.file(written))) << c.name << ": " << written;
    }
}

// A link at OUT is followed, as every writer of the program follows it: the file it names is
// replaced and the link stays.
TEST(ConvertCommand, ALinkAtTheOutputIsFollowed) {
    torve::test::ScratchDir dir;
    const std::string in = copy_example(dir, "sand-over-clay-pipe-english");
    fs::create_directory(dir.file("real"));
    fs::create_symlink("real/kept.tv6d", dir.file("link.tv6d"));
    const Command r = run({"convert", "--to", "si", in, dir.file("link.tv6d")});
    EXPECT_EQ(r.exit_code, 0) << r.output;
    EXPECT_TRUE(fs::is_symlink(dir.file("link.tv6d")));
    EXPECT_NE(torve::test::read_file(dir.file("real/kept.tv6d")).find("609.6 584.2"), std::string::npos);
    EXPECT_TRUE(fs::exists(dir.file("link.cpt")));  // the companions go beside the name given
}

// The plot data file stays with the project it came from: convert says so, and the converted project
// has no results until it is run.
TEST(ConvertCommand, ThePlotDataFileIsNotCarried) {
    torve::test::ScratchDir dir;
    const std::string in = copy_example(dir, "sand-over-clay-pipe-english");
    ASSERT_EQ(run({"run", in}).exit_code, 0);
    const Command c = run({"convert", "--to", "si", in, dir.file("si.tv6d")});
    ASSERT_EQ(c.exit_code, 0) << c.output;
    EXPECT_NE(c.output.find("plot data file:         not carried to the new project; run its analysis"),
              std::string::npos)
        << c.output;
    const Command r = run({"results", dir.file("si.tv6d")});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_NE(r.output.find("run the analysis first"), std::string::npos) << r.output;
}

}  // namespace
