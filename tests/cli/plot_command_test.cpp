// torve plot as a user calls it: the pictures of an analysed example, their sizes, the exit codes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>

#include "tests/support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;

struct Command {
    int exit_code;
    std::string output;
};

Command run(const std::string& args) {
    const std::string cmd = std::string(TORVE_CLI) + " " + args + " 2>&1";
    FILE* pipe = popen(cmd.c_str(), "r");
    std::string out;
    std::array<char, 4096> buf{};
    while (std::size_t n = fread(buf.data(), 1, buf.size(), pipe)) out.append(buf.data(), n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

// An example analysed in `dir`: its project path.
std::string analysed_example(const torve::test::ScratchDir& dir) {
    const auto src = fs::path(torve::test::source_path("examples"));
    for (const char* ext : {".tv6d", ".cpt"})
        fs::copy_file(src / (std::string("sand-over-clay-pipe-english") + ext),
                      dir.path() / (std::string("sand-over-clay-pipe-english") + ext));
    const std::string project = dir.file("sand-over-clay-pipe-english.tv6d");
    EXPECT_EQ(run("run " + project).exit_code, 0);
    return project;
}

// Width and height of a PNG file from its header chunk.
std::pair<int, int> png_size(const std::string& bytes) {
    auto be32 = [&](std::size_t at) {
        return (static_cast<unsigned char>(bytes[at]) << 24) |
               (static_cast<unsigned char>(bytes[at + 1]) << 16) |
               (static_cast<unsigned char>(bytes[at + 2]) << 8) | static_cast<unsigned char>(bytes[at + 3]);
    };
    return {be32(16), be32(20)};
}

TEST(PlotCommand, EveryGraphInEachFormatAtItsSize) {
    torve::test::ScratchDir dir;
    const std::string project = analysed_example(dir);
    // Every graph of the menu that the run produced: this compression run with extra t-z curves has all ten.
    const Command all = run("plot " + project + " --out " + dir.file("png"));
    ASSERT_EQ(all.exit_code, 0) << all.output;
    for (const char* name : {"pltUSkin", "pltSkin", "pltTip", "pltTotal", "pltLoad", "pltCombine", "pltAxial",
                             "pltTZcurves", "PltExtraTZ", "PltQw"})
        EXPECT_TRUE(fs::exists(dir.file(std::string("png/") + name + ".png"))) << name;
    // 6 x 4 in at 96 pixels per inch.
    EXPECT_EQ(png_size(torve::test::read_file(dir.file("png/pltTotal.png"))), std::make_pair(576, 384));

    const Command svg = run("plot " + project + " --graph pltTotal --format svg --size 5x3 --dpi 100 --out " +
                            dir.file("svg"));
    ASSERT_EQ(svg.exit_code, 0) << svg.output;
    EXPECT_EQ(fs::directory_iterator(dir.file("svg"))->path().filename(), "pltTotal.svg");
    EXPECT_NE(torve::test::read_file(dir.file("svg/pltTotal.svg")).find("viewBox=\"0 0 500 300\""),
              std::string::npos);

    // A PDF page of the size asked for: 6.5 x 4.5 in is 468 x 324 points.
    const Command pdf =
        run("plot " + project + " --graph PLTCOMBINE --format pdf --size 6.5x4.5 --out " + dir.file("pdf"));
    ASSERT_EQ(pdf.exit_code, 0) << pdf.output;
    EXPECT_NE(torve::test::read_file(dir.file("pdf/pltCombine.pdf")).find("/MediaBox [0 0 468"),
              std::string::npos);
}

TEST(PlotCommand, ExitCodes) {
    torve::test::ScratchDir dir;
    const std::string project = analysed_example(dir);
    const Command unknown = run("plot " + project + " --graph pltNone");
    EXPECT_EQ(unknown.exit_code, 2);
    EXPECT_NE(unknown.output.find("pltTotal"), std::string::npos);  // the names are listed
    EXPECT_EQ(run("plot " + project + " --size 0.5x4").exit_code, 2);
    EXPECT_EQ(run("plot " + project + " --format gif").exit_code, 2);
    fs::remove(dir.file("sand-over-clay-pipe-english.tv6p"));
    const Command missing = run("plot " + project);
    EXPECT_EQ(missing.exit_code, 1);
    EXPECT_NE(missing.output.find("sand-over-clay-pipe-english.tv6p"), std::string::npos);
    EXPECT_NE(run("plot --help").output.find("inches"), std::string::npos);
}

// Options that would give an empty picture or a picture elsewhere are refused before anything is
// written; a graph named twice is drawn once.
TEST(PlotCommand, RefusedOptionsWriteNothing) {
    torve::test::ScratchDir dir;
    const std::string project = analysed_example(dir);
    const struct {
        std::string args;
        int exit_code;
        const char* message;
    } cases[] = {
        {"--dpi nan --format svg --out " + dir.file("out"), 2,
         "--dpi nan: expected a number of pixels per inch from 10 to 1200"},
        {"--dpi inf --out " + dir.file("out"), 2, "--dpi"},
        {"--dpi -nan --format pdf --out " + dir.file("out"), 2, "pixels per inch"},
        // A folder name that is not UTF-8: the core would write under another name.
        {"--out " + dir.file("pictures\xff"), 1, "cannot be represented in the system's file-name encoding"},
    };
    for (const auto& c : cases) {
        const Command r = run("plot " + project + " --graph pltTotal " + c.args);
        EXPECT_EQ(r.exit_code, c.exit_code) << c.args << "\n" << r.output;
        EXPECT_NE(r.output.find(c.message), std::string::npos) << c.args << "\n" << r.output;
    }
    EXPECT_FALSE(fs::exists(dir.file("out")));
    for (const auto& entry : fs::directory_iterator(dir.path()))
        EXPECT_NE(entry.path().filename().string().substr(0, 8), "pictures");

    // 1000 x 1000 in at 1200 pixels per inch: each side held at 2^20 pixels, 4 TiB of bitmap.
    const Command huge =
        run("plot " + project + " --graph pltTotal --size 1000x1000 --dpi 1200 --out " + dir.file("huge"));
    EXPECT_EQ(huge.exit_code, 1) << huge.output;
    EXPECT_NE(huge.output.find("pltTotal.png: too large (1048576 x 1048576 pixels) to be drawn in memory"),
              std::string::npos)
        << huge.output;
    EXPECT_FALSE(fs::exists(dir.file("huge/pltTotal.png")));

    // A picture that cannot be written (here a folder in its place) is named once, with the system's
    // reason; it was "cannot be written: File ... cannot be written" with the name twice.
    fs::create_directories(dir.file("taken/pltTotal.png"));
    const Command taken = run("plot " + project + " --graph pltTotal --out " + dir.file("taken"));
    EXPECT_EQ(taken.exit_code, 1) << taken.output;
    const std::string picture = dir.file("taken/pltTotal.png");
    EXPECT_NE(taken.output.find("File " + picture + " cannot be written: Is a directory\n"),
              std::string::npos)
        << taken.output;
    EXPECT_EQ(taken.output.find(picture), taken.output.rfind(picture)) << taken.output;

    const Command twice =
        run("plot " + project + " --graph pltSkin --graph PLTSKIN --out " + dir.file("twice"));
    ASSERT_EQ(twice.exit_code, 0) << twice.output;
    EXPECT_NE(twice.output.find(dir.file("twice/pltSkin.png") + "\n"), std::string::npos) << twice.output;
    EXPECT_EQ(twice.output.find("pltSkin.png"), twice.output.rfind("pltSkin.png")) << twice.output;
}

// The offshore example, not analysed, with the sleeve friction of 40 kPa its clay needs for Alm &
// Hamre kept beside it: its project path.
std::string drivable_example(const torve::test::ScratchDir& dir) {
    dir.write("open-pipe-offshore-si.cone.csv", "depth_m,fs_kPa,u2_kPa,qt_kPa\n0,40,,\n60,40,,\n");
    return torve::test::copy_example(dir, "open-pipe-offshore-si");
}

TEST(PlotCommand, TheDriveabilityGraphsWithAHammerAndNoAnalysisBefore) {
    torve::test::ScratchDir dir;
    const std::string project = drivable_example(dir);
    const std::string hammer = torve::test::source_path("examples/hammers/ram-35t-350kj.json");
    const Command drawn =
        run("plot " + project + " --hammer " + hammer + " --depths 10:40:10 --out " + dir.file("drive"));
    ASSERT_EQ(drawn.exit_code, 0) << drawn.output;
    // The project has no plot data file: the driveability graphs alone, one line each.
    const char* graphs[] = {"pltDriveSrd", "pltDriveBlows", "pltDriveCumulative", "pltDriveStress",
                            "pltBearing",  "pltDriveHead",  "pltDriveVelocity"};
    std::size_t pictures = 0;
    for (std::size_t at = drawn.output.find(".png\n"); at != std::string::npos;
         at = drawn.output.find(".png\n", at + 1))
        ++pictures;
    EXPECT_EQ(pictures, std::size(graphs)) << drawn.output;
    for (const char* name : graphs) {
        const std::string picture = dir.file(std::string("drive/") + name + ".png");
        EXPECT_NE(drawn.output.find(picture + "\n"), std::string::npos) << name;
        EXPECT_EQ(png_size(torve::test::read_file(picture)), std::make_pair(576, 384)) << name;
    }

    const Command one =
        run("plot " + project + " --hammer " + hammer +
            " --srd alm-hamre --depths 20:40:20 --graph pltbearing --format svg --out " + dir.file("one"));
    ASSERT_EQ(one.exit_code, 0) << one.output;
    EXPECT_NE(one.output.find(dir.file("one/pltBearing.svg") + "\n"), std::string::npos) << one.output;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("one")), fs::directory_iterator()), 1);
}

TEST(PlotCommand, DriveabilityOptionsRefusedWithTheirReason) {
    torve::test::ScratchDir dir;
    const std::string project = drivable_example(dir);
    const std::string hammer = torve::test::source_path("examples/hammers/ram-35t-350kj.json");
    dir.write("nan.json",
              "{\"name\": \"x\", \"ram_mass_kg\": NaN, \"stroke_m\": 1, \"efficiency\": 0.8,\n"
              " \"hammer_cushion\": null, \"helmet_mass_kg\": 0}\n");
    const struct {
        std::string args;
        int exit_code;
        const char* message;
    } cases[] = {
        // A driveability graph is drawn with a hammer only.
        {"--graph pltDriveBlows", 2, "--graph pltDriveBlows: a driveability graph, drawn with --hammer"},
        {"--hammer " + hammer + " --depths 40:10:10", 2, "--depths 40:10:10: expected A:B:STEP"},
        {"--hammer " + hammer + " --depths 10:40", 2, "expected A:B:STEP"},
        {"--hammer " + hammer + " --depths 10:40:0", 2, "STEP > 0"},
        {"--hammer " + hammer + " --depths 0:40:10", 2, "0 < A"},
        {"--hammer " + hammer + " --srd api", 2, "--srd"},
        {"--hammer " + dir.file("none.json"), 2, "none.json"},
        {"--hammer " + dir.file("nan.json") + " --depths 10:20:10", 1, "ram_mass_kg"},
    };
    for (const auto& c : cases) {
        const Command r = run("plot " + project + " " + c.args + " --out " + dir.file("out"));
        EXPECT_EQ(r.exit_code, c.exit_code) << c.args << "\n" << r.output;
        EXPECT_NE(r.output.find(c.message), std::string::npos) << c.args << "\n" << r.output;
    }
    EXPECT_FALSE(fs::exists(dir.file("out")));
    // Without a hammer the command is as it was: a project never analysed has no graphs to draw.
    const Command unanalysed = run("plot " + project + " --out " + dir.file("out"));
    EXPECT_EQ(unanalysed.exit_code, 1);
    EXPECT_NE(unanalysed.output.find("no plot data file"), std::string::npos) << unanalysed.output;
    EXPECT_NE(run("plot --help").output.find("--hammer"), std::string::npos);
}

}  // namespace
