// The run over texts in memory, the run over input already read and the computation alone against
// the run over files: the same report, plot text, console and results for every bundled project,
// and the cases that only the memory runs meet.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "engine/driver/input_reader.h"
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

void expect_same_curve(const TransferCurve& a, const TransferCurve& b) {
    EXPECT_EQ(a.depth, b.depth);
    EXPECT_EQ(a.load_transfer, b.load_transfer);
    EXPECT_EQ(a.movement, b.movement);
}

void expect_same_states(const std::vector<PileState>& a, const std::vector<PileState>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].depth, b[i].depth);
        EXPECT_EQ(a[i].load, b[i].load);
        EXPECT_EQ(a[i].movement, b[i].movement);
    }
}

// Every value of two results, bit for bit.
void expect_same_results(const RunResult& a, const RunResult& b) {
    EXPECT_EQ(a.status, b.status);
    EXPECT_EQ(a.stop, b.stop);
    EXPECT_EQ(a.message, b.message);
    EXPECT_EQ(a.warnings, b.warnings);
    EXPECT_EQ(a.english, b.english);
    EXPECT_EQ(a.tension, b.tension);
    EXPECT_EQ(a.load_transfer_method, b.load_transfer_method);
    EXPECT_EQ(a.printed_rows, b.printed_rows);
    ASSERT_EQ(a.methods.size(), b.methods.size());
    for (std::size_t i = 0; i < a.methods.size(); ++i) {
        const CapacityTable &x = a.methods[i], &y = b.methods[i];
        EXPECT_EQ(x.method, y.method);
        EXPECT_EQ(x.depth, y.depth);
        EXPECT_EQ(x.skin_friction, y.skin_friction);
        EXPECT_EQ(x.end_bearing, y.end_bearing);
        EXPECT_EQ(x.total, y.total);
        EXPECT_EQ(x.unit_skin_friction, y.unit_skin_friction);
        EXPECT_EQ(x.unit_end_bearing, y.unit_end_bearing);
        EXPECT_EQ(x.plug_controlled, y.plug_controlled);
        EXPECT_EQ(x.warnings, y.warnings);
        EXPECT_EQ(x.first_depth_without_cone, y.first_depth_without_cone);
    }
    EXPECT_EQ(a.load_transfer_ran, b.load_transfer_ran);
    ASSERT_EQ(a.tz_curves.size(), b.tz_curves.size());
    for (std::size_t i = 0; i < a.tz_curves.size(); ++i) expect_same_curve(a.tz_curves[i], b.tz_curves[i]);
    EXPECT_EQ(a.tip_curve.load, b.tip_curve.load);
    EXPECT_EQ(a.tip_curve.movement, b.tip_curve.movement);
    ASSERT_EQ(a.load_levels.size(), b.load_levels.size());
    for (std::size_t i = 0; i < a.load_levels.size(); ++i) {
        const LoadLevelResult &x = a.load_levels[i], &y = b.load_levels[i];
        EXPECT_EQ(x.head_load, y.head_load);
        EXPECT_EQ(x.head_movement, y.head_movement);
        EXPECT_EQ(x.tip_load, y.tip_load);
        EXPECT_EQ(x.tip_movement, y.tip_movement);
        expect_same_states(x.distribution, y.distribution);
        expect_same_states(x.boundaries, y.boundaries);
        ASSERT_EQ(x.segments.size(), y.segments.size());
        for (std::size_t k = 0; k < x.segments.size(); ++k) {
            EXPECT_EQ(x.segments[k].load_transfer, y.segments[k].load_transfer);
            EXPECT_EQ(x.segments[k].average_movement, y.segments[k].average_movement);
            EXPECT_EQ(x.segments[k].iterations, y.segments[k].iterations);
        }
    }
    ASSERT_EQ(a.extra_tz_curves.size(), b.extra_tz_curves.size());
    for (std::size_t i = 0; i < a.extra_tz_curves.size(); ++i) {
        EXPECT_EQ(a.extra_tz_curves[i].depth, b.extra_tz_curves[i].depth);
        ASSERT_EQ(a.extra_tz_curves[i].curve.has_value(), b.extra_tz_curves[i].curve.has_value());
        if (a.extra_tz_curves[i].curve)
            expect_same_curve(*a.extra_tz_curves[i].curve, *b.extra_tz_curves[i].curve);
    }
    EXPECT_EQ(a.solver_max_iterations, b.solver_max_iterations);
}

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

        expect_same_results(r, from_files.result);
        EXPECT_EQ(memory_console.str(), from_files.console);
        EXPECT_EQ(report.str(), from_files.report);
        EXPECT_EQ(plot.str(), from_files.plot);
        if (from_files.result.status == RunStatus::InputError) continue;

        // Read first, then run with texts and without.
        const InputData in = parse_input_data(input_text, input);
        const CptProfile profile = cpt_text ? parse_cpt_data(*cpt_text, cpt) : CptProfile{};
        std::ostringstream read_report, read_plot, read_console;
        const RunResult read =
            run_analysis(files, in, profile, {&read_report, &read_plot}, read_console, options);
        expect_same_results(read, from_files.result);
        EXPECT_EQ(read_console.str(), from_files.console);
        EXPECT_EQ(read_report.str(), from_files.report);
        EXPECT_EQ(read_plot.str(), from_files.plot);
        const RunResult computed = compute_analysis(in, profile);
        EXPECT_FALSE(computed.report_started);  // no report exists, not even a begun one
        expect_same_results(computed, from_files.result);
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
    EXPECT_FALSE(r.methods.empty());
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
