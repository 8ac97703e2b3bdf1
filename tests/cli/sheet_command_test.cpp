// torve sheet as a user calls it: the sheet of an example, its pages and its figures against the
// engine's own run of the same files, and the exit codes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <sstream>

#include "engine/driver/run_analysis.h"
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

// An example copied into `dir`, never analysed there: its project path.
std::string example(const torve::test::ScratchDir& dir, const std::string& name,
                    const std::string& folder = "examples") {
    const auto src = fs::path(torve::test::source_path(folder));
    for (const char* ext : {".tv6d", ".cpt"}) fs::copy_file(src / (name + ext), dir.path() / (name + ext));
    return dir.file(name + ".tv6d");
}

int pdf_pages(const std::string& pdf) {
    const std::regex page("/Type\\s*/Page[^s]");
    return static_cast<int>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

std::string fixed(double v, int decimals) {
    std::ostringstream s;
    s.setf(std::ios::fixed);
    s.precision(decimals);
    s << v;
    return s.str();
}

TEST(SheetCommand, PdfOfTwoToFourPagesBesideTheProject) {
    torve::test::ScratchDir dir;
    const std::string project = example(dir, "sand-over-clay-pipe-english");
    const Command c = run("sheet " + project);
    ASSERT_EQ(c.exit_code, 0) << c.output;
    const std::string pdf = torve::test::read_file(dir.file("sand-over-clay-pipe-english.pdf"));
    ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
    const int pages = pdf_pages(pdf);
    EXPECT_GE(pages, 2);
    EXPECT_LE(pages, 4);
    EXPECT_NE(c.output.find("sand-over-clay-pipe-english.pdf (" + std::to_string(pages) + " pages)"),
              std::string::npos)
        << c.output;
    // The run was held in memory: the project's own report and plot data file were not written.
    EXPECT_FALSE(fs::exists(dir.file("sand-over-clay-pipe-english.tv6o")));
    EXPECT_FALSE(fs::exists(dir.file("sand-over-clay-pipe-english.tv6p")));
}

TEST(SheetCommand, HtmlHoldsTheCapacitiesOfTheRun) {
    torve::test::ScratchDir dir;
    const std::string project = example(dir, "open-pipe-offshore-si");
    const Command c = run("sheet " + project + " --out " + dir.file("sheet.html"));
    ASSERT_EQ(c.exit_code, 0) << c.output;
    const std::string html = torve::test::read_file(dir.file("sheet.html"));
    // The engine's own run of the same files.
    const std::string input = torve::test::read_file(project);
    const std::string cpt = torve::test::read_file(dir.file("open-pipe-offshore-si.cpt"));
    torve::RunFiles names;
    names.input = project;
    std::ostringstream console;
    const torve::RunResult r = torve::run_analysis(names, torve::RunTexts{input, cpt}, {}, console);
    ASSERT_EQ(r.methods.size(), 5u);  // API and the four cone-based methods
    for (const torve::CapacityTable& m : r.methods) {
        const std::string label(torve::method_info(m.method).curve_label);
        EXPECT_NE(html.find("<td>" + label + "</td><td class=\"n\">" + fixed(m.depth.back(), 2) +
                            "</td><td class=\"n\">" + fixed(m.skin_friction.back(), 1) +
                            "</td><td class=\"n\">" + fixed(m.end_bearing.back(), 1) +
                            "</td><td class=\"n\">" + fixed(m.total.back(), 1) + "</td>"),
                  std::string::npos)
            << label;
    }
    // The working loads in mm, as the report gives them.
    for (const torve::WorkingLoad& w : r.working_loads) {
        ASSERT_TRUE(w.head_movement);
        EXPECT_NE(html.find("<td class=\"n\">" + fixed(*w.head_movement * 1000, 2) + "</td></tr>"),
                  std::string::npos);
    }
    EXPECT_NE(html.find("Open-ended offshore pipe pile"), std::string::npos);
}

TEST(SheetCommand, PngPagesNamedByNumber) {
    torve::test::ScratchDir dir;
    const std::string project = example(dir, "open-pipe-offshore-si");
    const Command c = run("sheet " + project + " --out " + dir.file("sheet.png"));
    ASSERT_EQ(c.exit_code, 0) << c.output;
    EXPECT_TRUE(fs::exists(dir.file("sheet-1.png")));
    EXPECT_TRUE(fs::exists(dir.file("sheet-2.png")));
    EXPECT_FALSE(fs::exists(dir.file("sheet.png")));
}

TEST(SheetCommand, ExitCodesAndMessages) {
    torve::test::ScratchDir dir;
    const std::string project = example(dir, "sand-over-clay-pipe-english");
    const std::string stopped = example(dir, "soil-extent-stop-english", "tests/reference/cases");
    const std::string old = dir.file("previous-format.tvd");
    fs::copy_file(torve::test::source_path("tests/data/reproducers/previous-format.tvd"), old);
    struct Case {
        std::string args;
        int exit_code;
        std::string message;
    } cases[] = {
        {"sheet " + dir.file("missing.tv6d"), 1, "missing.tv6d: no such project file"},
        {"sheet " + project + " --out " + dir.file("no-folder/sheet.pdf"), 1, "no-folder/sheet.pdf"},
        {"sheet " + project + " --out " + dir.file("sheet.txt"), 2,
         "expected a file name ending in .pdf, .html"},
        {"sheet " + stopped, 1, "the analysis stopped, no sheet written"},
        {"sheet " + old, 1, "a project of the previous version; convert it first"},
        {"sheet", 2, "project is required"},
    };
    for (const Case& k : cases) {
        const Command c = run(k.args);
        EXPECT_EQ(c.exit_code, k.exit_code) << k.args << '\n' << c.output;
        EXPECT_NE(c.output.find(k.message), std::string::npos) << k.args << '\n' << c.output;
    }
    EXPECT_FALSE(fs::exists(dir.file("sheet.txt")));
    EXPECT_FALSE(fs::exists(dir.file("soil-extent-stop-english.pdf")));
}

}  // namespace
