// Every example and reference case runs and writes the report, plot file and console lines committed
// under tests/reference/expected: words exactly, numbers to one unit of their last printed digit.
// With TORVE_UPDATE_REFERENCE=1 (scripts/update-reference) the outputs are written there instead.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/driver/run_analysis.h"
#include "tests/support/numeric_text.h"
#include "tests/support/scratch_dir.h"

namespace torve {
namespace {

namespace fs = std::filesystem;

const fs::path kExpected = fs::path(TORVE_SOURCE_DIR) / "tests/reference/expected";

// The projects: the bundled examples and the reference cases, by path without extension.
std::vector<fs::path> reference_projects() {
    std::vector<fs::path> projects;
    for (const char* folder : {"examples", "tests/reference/cases"}) {
        for (const auto& entry : fs::directory_iterator(fs::path(TORVE_SOURCE_DIR) / folder))
            if (entry.path().extension() == ".tv6d")
                projects.push_back(entry.path().parent_path() / entry.path().stem());
    }
    std::sort(projects.begin(), projects.end());
    return projects;
}

// The run's folder differs on every machine; the rest of the report does not.
std::string without_folder(const std::string& report) {
    const std::string label = "Path to file locations      : ";
    const auto at = report.find(label);
    if (at == std::string::npos) return report;
    const auto start = at + label.size();
    return report.substr(0, start) + "<folder>" + report.substr(report.find('\n', start));
}

// A refusal names the input file by its path in the run's folder.
std::string without_scratch(std::string text, const std::string& folder) {
    for (std::size_t at = text.find(folder); at != std::string::npos; at = text.find(folder, at))
        text.replace(at, folder.size(), "<folder>");
    return text;
}

struct Outputs {
    std::string report, plot, console;
};

Outputs run_reference(const fs::path& project, const test::ScratchDir& dir) {
    const std::string name = project.filename().string();
    RunFiles files;
    files.input = dir.file(name + ".tv6d");
    files.report = dir.file(name + ".tv6o");
    files.plot = dir.file(name + ".tv6p");
    files.cpt = dir.file(name + ".cpt");
    fs::copy_file(project.string() + ".tv6d", files.input);
    fs::copy_file(project.string() + ".cpt", files.cpt);
    RunOptions options;
    options.local_time = std::tm{};
    options.local_time->tm_year = 126;
    options.local_time->tm_mon = 11;
    options.local_time->tm_mday = 8;
    options.local_time->tm_hour = 9;
    std::ostringstream console;
    run_analysis(files, console, options);
    Outputs out;
    const std::string folder = dir.path().string();
    out.report = without_scratch(without_folder(test::read_file(files.report)), folder);
    if (fs::exists(files.plot)) out.plot = test::read_file(files.plot);
    out.console = without_scratch(console.str(), folder);
    return out;
}

class ReferenceOutputs : public testing::TestWithParam<fs::path> {};

TEST_P(ReferenceOutputs, AgreeWithTheCommittedOutputs) {
    const test::ScratchDir dir;
    const Outputs out = run_reference(GetParam(), dir);
    const std::string name = GetParam().filename().string();
    const std::pair<const char*, const std::string*> files[] = {
        {".tv6o", &out.report}, {".tv6p", &out.plot}, {".console", &out.console}};
    const char* update = std::getenv("TORVE_UPDATE_REFERENCE");
    for (const auto& [extension, text] : files) {
        const fs::path expected = kExpected / (name + extension);
        if (update && std::string(update) == "1") {
            std::ofstream(expected, std::ios::binary) << *text;
            continue;
        }
        ASSERT_TRUE(fs::exists(expected)) << expected << " is missing; run scripts/update-reference";
        EXPECT_EQ(test::compare_numeric_text(test::read_file(expected), *text), "") << expected;
    }
}

INSTANTIATE_TEST_SUITE_P(Projects, ReferenceOutputs, testing::ValuesIn(reference_projects()),
                         [](const testing::TestParamInfo<fs::path>& info) {
                             std::string n = info.param.filename().string();
                             std::replace(n.begin(), n.end(), '-', '_');
                             return n;
                         });

// The comparison itself: it must let a moved last digit through and stop everything else.
TEST(NumericTextComparison, PassesOneLastDigitAndNothingMore) {
    struct Case {
        const char* expected;
        const char* actual;
        bool agree;
    } cases[] = {
        {"   12.34   5", "   12.35   5", true},   // one unit of 0.01
        {"   12.34   5", "   12.36   5", false},  // two units
        {"  -0.0", "   0.0", true},               // the sign of a zero
        {"  1.25E+03", "  1.26E+03", true},       // one unit is 10
        {"  1.25E+03", "  1.27E+03", false},
        {"  9.99", " 10.00", true},     // a carry into a new digit keeps the width
        {" EX-001", " EX-002", false},  // words are not numbers
        {"  12.3", " 12.3", false},     // widths are fixed
        {"a\nb\n", "a\n", false},       // a missing line
        {"  0.10E+08*", "  0.10E+08*", true},
        {"  0.10E+08*", "  0.11E+08*", false},  // a number glued to a word is a word
    };
    for (const auto& c : cases)
        EXPECT_EQ(test::compare_numeric_text(c.expected, c.actual).empty(), c.agree)
            << c.expected << " | " << c.actual;
}

}  // namespace
}  // namespace torve
