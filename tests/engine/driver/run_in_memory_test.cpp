// The run over texts in memory against the run over files: the same report, plot text, console and
// result for every bundled project, and the cases that only the memory run meets.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "engine/driver/run_analysis.h"
#include "tests/support/scratch_dir.h"

namespace torve {
namespace {

using test::ScratchDir;

std::tm fixed_time() {
    std::tm t{};
    t.tm_year = 126;
    t.tm_mon = 11;
    t.tm_mday = 8;
    t.tm_hour = 10;
    return t;
}

struct Outcome {
    RunResult result;
    std::string console, report, plot;
};

// Every example and every reference case (completed runs, a soil-extent stop and input errors).
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

TEST(RunInMemory, WritesWhatTheFileRunWrites) {
    ScratchDir dir;
    const std::vector<std::string> projects = bundled_projects();
    ASSERT_GE(projects.size(), 10u);
    RunOptions options;
    options.local_time = fixed_time();
    options.cpt_optional = true;
    for (const std::string& input : projects) {
        SCOPED_TRACE(input);
        const std::string stem = std::filesystem::path(input).stem().string();
        const std::string cpt = std::filesystem::path(input).replace_extension(".cpt").string();
        RunFiles files{input, dir.file(stem + ".tv6o"), dir.file(stem + ".tv6p"), cpt};

        Outcome from_files;
        std::ostringstream console;
        from_files.result = run_analysis(files, console, options);
        from_files.console = console.str();
        if (std::filesystem::exists(files.report)) from_files.report = test::read_file(files.report);
        if (std::filesystem::exists(files.plot)) from_files.plot = test::read_file(files.plot);

        const std::string input_text = test::read_file(input);
        std::optional<std::string> cpt_text;
        if (std::filesystem::exists(cpt)) cpt_text = test::read_file(cpt);
        RunTexts texts{input_text, cpt_text ? std::optional<std::string_view>(*cpt_text) : std::nullopt};
        std::ostringstream report, plot, memory_console;
        const RunResult r = run_analysis(files, texts, {&report, &plot}, memory_console, options);

        EXPECT_EQ(r.status, from_files.result.status);
        EXPECT_EQ(r.stop, from_files.result.stop);
        EXPECT_EQ(r.message, from_files.result.message);
        EXPECT_EQ(r.warnings, from_files.result.warnings);
        ASSERT_EQ(r.tip_capacities.size(), from_files.result.tip_capacities.size());
        for (std::size_t i = 0; i < r.tip_capacities.size(); ++i) {
            EXPECT_EQ(r.tip_capacities[i].ultimate, from_files.result.tip_capacities[i].ultimate);
        }
        EXPECT_EQ(memory_console.str(), from_files.console);
        EXPECT_EQ(report.str(), from_files.report);
        EXPECT_EQ(plot.str(), from_files.plot);
    }
}

TEST(RunInMemory, TouchesNoFileAndMayKeepNoReport) {
    ScratchDir dir;
    const std::string input = test::read_file(test::source_path("examples/sand-over-clay-pipe-english.tv6d"));
    const std::string cpt = test::read_file(test::source_path("examples/sand-over-clay-pipe-english.cpt"));
    // Names of files that do not exist and are never created: only the report's heading shows them.
    RunFiles names{dir.file("p.tv6d"), dir.file("p.tv6o"), dir.file("p.tv6p"), dir.file("p.cpt")};
    std::ostringstream plot, console;
    const RunResult r = run_analysis(names, RunTexts{input, cpt}, {nullptr, &plot}, console);
    EXPECT_EQ(r.status, RunStatus::Completed) << r.message;
    EXPECT_FALSE(r.tip_capacities.empty());
    EXPECT_FALSE(plot.str().empty());
    for (const std::string& path : {names.input, names.report, names.plot, names.cpt}) {
        EXPECT_FALSE(std::filesystem::exists(path)) << path;
    }
}

TEST(RunInMemory, MissingCptTextIsAnInputErrorUnlessOptional) {
    const std::string input = test::read_file(test::source_path("examples/sand-over-clay-pipe-english.tv6d"));
    RunFiles names{"p.tv6d", "p.tv6o", "p.tv6p", "p.cpt"};
    const struct {
        bool optional;
        RunStatus status;
    } cases[] = {{false, RunStatus::InputError}, {true, RunStatus::Completed}};
    for (const auto& c : cases) {
        RunOptions options;
        options.cpt_optional = c.optional;
        std::ostringstream console;
        const RunResult r = run_analysis(names, RunTexts{input, std::nullopt}, {}, console, options);
        EXPECT_EQ(r.status, c.status) << r.message;
        if (!c.optional) {
            EXPECT_EQ(r.message, "The CPT data file \"p.cpt\" does not exist.");
        }
    }
}

}  // namespace
}  // namespace torve
