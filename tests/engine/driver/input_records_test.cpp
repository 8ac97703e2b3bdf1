// The input data file read value by value and written back: the analysis reads the written file to
// the same project, and the reader's checks still guard what is read.
#include "engine/driver/input_records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "engine/driver/input_error.h"
#include "engine/driver/run_analysis.h"
#include "tests/support/scratch_dir.h"

namespace torve {
namespace {

std::vector<std::string> bundled_projects() {
    std::vector<std::string> projects;
    for (const char* folder : {"examples", "tests/reference/cases"}) {
        for (const auto& entry : std::filesystem::directory_iterator(test::source_path(folder))) {
            if (entry.path().extension() == ".tv6d") projects.push_back(entry.path().string());
        }
    }
    std::sort(projects.begin(), projects.end());
    return projects;
}

// The report and plot text of a run over `input`, with the same names and time for every run, so
// that two inputs of the same project give the same bytes.
std::string outputs_of(const std::string& input, const std::optional<std::string>& cpt) {
    RunOptions options;
    options.cpt_optional = true;
    options.local_time = std::tm{};
    std::ostringstream report, plot, console;
    const RunFiles names{"p.tv6d", "p.tv6o", "p.tv6p", "p.cpt"};
    run_analysis(names, RunTexts{input, cpt ? std::optional<std::string_view>(*cpt) : std::nullopt},
                 {&report, &plot}, console, options);
    return console.str() + report.str() + plot.str();
}

TEST(InputRecords, WrittenProjectsRunAsTheOriginals) {
    for (const std::string& path : bundled_projects()) {
        SCOPED_TRACE(path);
        const std::string text = test::read_file(path);
        InputRecords records;
        try {
            records = read_input_records(text, path);
        } catch (const InputError&) {
            continue;  // the reference cases of refused input have nothing to write
        }
        const std::string written = write_input_records(records);
        const std::string cpt_path = std::filesystem::path(path).replace_extension(".cpt").string();
        std::optional<std::string> cpt;
        if (std::filesystem::exists(cpt_path)) cpt = test::read_file(cpt_path);
        EXPECT_EQ(outputs_of(written, cpt), outputs_of(text, cpt));
        // Written once, the file is in its final form.
        EXPECT_EQ(write_input_records(read_input_records(written, "again")), written);
    }
}

TEST(InputRecords, ReadingKeepsTheAnalysisChecks) {
    std::string text = test::read_file(test::source_path("examples/open-pipe-offshore-si.tv6d"));
    // Record 5 is line 5: a pile length of zero.
    const std::size_t line5 = text.find("0 0 914 864 210000000 40 10");
    ASSERT_NE(line5, std::string::npos);
    text.replace(line5, 27, "0 0 914 864 210000000 0 10");
    try {
        read_input_records(text, "bad.tv6d");
        FAIL() << "a zero pile length was read";
    } catch (const InputError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Input data file \"bad.tv6d\", record 5 (pile section), line 5: expected a positive total "
                  "pile length.");
    }
}

TEST(InputRecords, RealsInTheirShortestExactForm) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0"},
        {0.0698, "0.0698"},
        {210000000.0, "210000000"},
        {1e-5, "0.00001"},
        {1e-30, "1e-30"},  // 32 characters in plain decimals
        {-2.5, "-2.5"},
        {0.1 + 0.2, "0.30000000000000004"},  // not 0.3: that would read back as another double
    };
    for (const auto& c : cases) EXPECT_EQ(shortest_real(c.value), c.text) << c.value;
}

TEST(InputRecords, LongTextsAreKeptWhole) {
    // The analysis reads the first 72 characters of a title; a save must not cut the rest off.
    const std::string text =
        test::read_file(test::source_path("examples/precast-concrete-user-english.tv6d"));
    const std::string title = text.substr(0, text.find_first_of("\r\n"));
    ASSERT_GT(title.size(), 72u);
    EXPECT_EQ(read_input_records(text, "p.tv6d").title, title);
}

TEST(InputRecords, TextsStayOnTheirLine) {
    InputRecords r = read_input_records(
        test::read_file(test::source_path("examples/open-pipe-offshore-si.tv6d")), "p.tv6d");
    r.title = "two\nlines";
    const std::string written = write_input_records(r);
    EXPECT_EQ(written.substr(0, written.find('\n')), "two lines");
    EXPECT_EQ(read_input_records(written, "p.tv6d").designer, r.designer);
}

TEST(InputRecords, CptDataWrittenAsRead) {
    CptProfile p;
    p.unit_code = 2;
    p.points = {{0.0, 0.0}, {1.5, 2500.25}};
    EXPECT_EQ(write_cpt_data(p), "2 2\n0 0\n1.5 2500.25\n");
}

}  // namespace
}  // namespace torve
