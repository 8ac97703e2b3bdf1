// Whole runs through the C++ interface: stops, failures, limits and side-by-side runs.
#include "engine/driver/run_analysis.h"

#include <gtest/gtest.h>

#include <sstream>
#include <thread>

#include "engine/driver/soil_spacing.h"
#include "tests/support/project_text.h"
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
    std::string console;
    std::string report;
    std::string plot;
};

Outcome run_project(const ScratchDir& dir, const std::string& project_text, const std::string& cpt = " 1 0\n",
                    const std::string& name = "p") {
    RunFiles files;
    files.input = dir.write(name + ".tv6d", project_text);
    files.report = dir.file(name + ".tv6o");
    files.plot = dir.file(name + ".tv6p");
    files.cpt = dir.write(name + ".cpt", cpt);
    RunOptions options;
    options.local_time = fixed_time();
    std::ostringstream console;
    Outcome o;
    o.result = run_analysis(files, console, options);
    o.console = console.str();
    if (std::filesystem::exists(files.report)) o.report = test::read_file(files.report);
    if (std::filesystem::exists(files.plot)) o.plot = test::read_file(files.plot);
    return o;
}

std::string last_line(const std::string& text) {
    std::string t = text;
    while (!t.empty() && t.back() == '\n') t.pop_back();
    return t.substr(t.rfind('\n') + 1);
}

ProjectRecords deep_enough(double deepest) {
    ProjectRecords p = test::project();  // L 60 ft, OD 24 in: needs soil to 60 + 2 x 2 = 64 ft
    p.deepest_soil_depth = deepest;
    test::add_layer(p, test::sand_layer(0, 30, 60, 30, 0.8, 20));
    test::add_layer(p, test::clay_layer(30, deepest, 50, 1500, 700));
    return p;
}

TEST(RunAnalysis, ExampleProjectsRunToTheResultHeading) {
    ScratchDir dir;
    for (const char* name :
         {"sand-over-clay-pipe-english", "open-pipe-offshore-si", "precast-concrete-user-english"}) {
        const std::string base = std::string("examples/") + name;
        const Outcome o = run_project(dir, test::read_file(test::source_path(base + ".tv6d")),
                                      test::read_file(test::source_path(base + ".cpt")), name);
        EXPECT_EQ(o.result.status, RunStatus::Completed) << o.result.message;
        EXPECT_EQ(o.result.stop, RunStop::None);
        EXPECT_NE(o.report.find("* INPUT INFORMATION *"), std::string::npos);
        EXPECT_NE(o.report.find("* COMPUTATION RESULT *"), std::string::npos);
        EXPECT_NE(o.console.find("COMPUTATION IS PROCEEDING........"), std::string::npos);
    }
}

TEST(RunAnalysis, StatedSoilDepthExactlyEnoughRuns) {
    ScratchDir dir;
    const Outcome o = run_project(dir, test::text_of(deep_enough(64.0)));
    EXPECT_EQ(o.result.status, RunStatus::Completed);
    EXPECT_EQ(o.result.stop, RunStop::None);
    EXPECT_NE(o.report.find("* COMPUTATION RESULT *"), std::string::npos);
}

TEST(RunAnalysis, ShallowStatedSoilDepthStopsAfterTheDateBlock) {
    ScratchDir dir;
    ProjectRecords p = deep_enough(64.0);
    p.deepest_soil_depth = 63.99;
    const Outcome o = run_project(dir, test::text_of(p));
    EXPECT_EQ(o.result.status, RunStatus::Completed);  // a clean stop keeps status 0
    EXPECT_EQ(o.result.stop, RunStop::SoilExtent);
    const std::string tail =
        "               Date:  December 08, 2026     Time:  10:00:00\n"
        "\n\n          COMPUTATION DOES NOT PROCEED BECAUSE THE DEEPEST SOIL PROFILE   63.99 FT.\n"
        "          IS LESS THAN PILE EMBEDDED LENGTH PLUS TWO TIMES THE PILE DIAMETER      64.00 FT.\n";
    ASSERT_GE(o.report.size(), tail.size());
    EXPECT_EQ(o.report.substr(o.report.size() - tail.size()), tail);
    EXPECT_EQ(o.report.find("INPUT INFORMATION"), std::string::npos);
    EXPECT_EQ(o.plot, "");
}

TEST(RunAnalysis, ShallowSoilPointsOnlyWarn) {
    ScratchDir dir;
    ProjectRecords p = deep_enough(64.0);
    p.soil_points.back().depth = 50;  // points stop at 50 ft, the stated depth is 64 ft
    const Outcome o = run_project(dir, test::text_of(p));
    EXPECT_EQ(o.result.stop, RunStop::None);
    EXPECT_NE(o.console.find("          WAS PROVIDED AT THE DEPTH      64.00 FT.\n"), std::string::npos);
    ASSERT_EQ(o.result.warnings.size(), 1u);
}

TEST(RunAnalysis, SegmentLimitAllowsFiveHundred) {
    ScratchDir dir;
    ProjectRecords p = deep_enough(100.0);
    p.computation_increment = 0.2;  // 100 / 0.2 = 500 segments
    EXPECT_EQ(run_project(dir, test::text_of(p)).result.stop, RunStop::None);

    p.deepest_soil_depth = 100.25;  // 501.25 segments: 501
    const Outcome o = run_project(dir, test::text_of(p));
    EXPECT_EQ(o.result.status, RunStatus::Completed);
    EXPECT_EQ(o.result.stop, RunStop::SegmentLimit);
    const std::string message =
        "\n\n YOUR NUMBERS OF SEGMENT  501 IS LARGER THAN\n"
        " DEFAULT VALUE 500. YOU MIGHT WANT TO CHANGE THE LENGTH OF \n"
        " SEGMENT OR CONSULT HALDEN, INC. FOR CHANGING THE DEFAULT VALUE\n";
    EXPECT_NE(o.console.find(message), std::string::npos);
    EXPECT_EQ(o.report.substr(o.report.size() - message.size()), message);
    EXPECT_NE(o.report.find("* COMPUTATION RESULT *"), std::string::npos);
}

TEST(SoilSpacing, CountAndAlignment) {
    EXPECT_EQ(segment_count(100.0, 0.2), 500);  // the 1e-6 allowance keeps a quotient just below 500
    EXPECT_EQ(segment_count(60.0, 7.0), 8);
    EXPECT_EQ(segment_count(1e300, 1e-300), 1'000'000'000'000LL);

    std::vector<SoilPoint> soil(4);
    soil[0].depth = 0;
    soil[1].depth = 0.4;  // 0.4 increment below: merged into the point above
    soil[2].depth = 0.7;  // 0.7 below the merged point 2: moved to exactly one increment below it
    soil[3].depth = 5.0;  // far enough: unchanged
    align_soil_points(soil, 1.0);
    EXPECT_EQ(soil[1].depth, 0.0);
    EXPECT_EQ(soil[2].depth, 1.0);
    EXPECT_EQ(soil[3].depth, 5.0);
}

TEST(RunAnalysis, LayersOfNoThicknessLeaveNoNonFiniteNumbers) {
    ScratchDir dir;
    ProjectRecords p = test::project();
    p.deepest_soil_depth = 100;
    test::add_layer(p, test::sand_layer(0, 30, 60, 30, 0.8, 20));
    test::add_layer(p, test::clay_layer(30, 30, 50, 1500, 700));  // no thickness, between two layers
    test::add_layer(p, test::sand_layer(30, 100, 60, 34, 0.8, 30));
    test::add_layer(p, test::clay_layer(100, 100, 50, 1500, 700));  // and at the bottom
    const Outcome o = run_project(dir, test::text_of(p));
    ASSERT_EQ(o.result.status, RunStatus::Completed) << o.result.message;
    for (const std::string* text : {&o.report, &o.plot}) {
        EXPECT_EQ(text->find("NaN"), std::string::npos);
        EXPECT_EQ(text->find("Inf"), std::string::npos);
    }
    EXPECT_NE(o.report.find("API RP-2A"), std::string::npos);
}

TEST(RunAnalysis, MissingFilesFailWithTheirNames) {
    ScratchDir dir;
    RunFiles files{dir.file("none.tv6d"), dir.file("none.tv6o"), dir.file("none.tv6p"), dir.file("none.cpt")};
    std::ostringstream console;
    RunResult r = run_analysis(files, console);
    EXPECT_EQ(r.status, RunStatus::InputError);
    const std::string expected = "ERROR - The input data file \"" + files.input + "\" does not exist.";
    EXPECT_EQ(last_line(console.str()), expected);
    EXPECT_FALSE(std::filesystem::exists(files.report));  // nothing is created before the input is read
    EXPECT_FALSE(std::filesystem::exists(files.plot));

    files.input = dir.write("p.tv6d", test::text_of(deep_enough(64)));
    r = run_analysis(files, console);
    EXPECT_EQ(r.status, RunStatus::InputError);
    EXPECT_EQ(r.message, "The CPT data file \"" + files.cpt + "\" does not exist.");

    RunOptions optional_cpt;
    optional_cpt.cpt_optional = true;
    EXPECT_EQ(run_analysis(files, console, optional_cpt).status, RunStatus::Completed);
}

// An output named like an input would be destroyed by the run before or while it is read: refused
// before any file is opened, everything left as it was.
TEST(RunAnalysis, OutputsThatWouldOverwriteAnInputAreRefused) {
    ScratchDir dir;
    const std::string input = dir.write("p.tv6d", test::text_of(deep_enough(64)));
    const std::string cpt = dir.write("p.cpt", " 1 0\n");
    std::filesystem::create_directory(dir.path() / "sub");
    std::filesystem::create_symlink(input, dir.path() / "link.tv6d");
    const struct {
        std::string report, plot, clash;
    } cases[] = {
        {input, dir.file("p.tv6p"), "report file \"" + input + "\" is also the input data file"},
        {dir.file("p.tv6o"), input, "plot file \"" + input + "\" is also the input data file"},
        {dir.file("p.tv6o"), dir.file("sub/../p.cpt"), "is also the CPT data file"},
        {dir.file("link.tv6d"), dir.file("p.tv6p"), "is also the input data file"},
        {dir.file("p.tv6o"), dir.file("p.tv6o"),
         "plot file \"" + dir.file("p.tv6o") + "\" is also the report file"},
    };
    for (const auto& c : cases) {
        std::ostringstream console;
        const RunResult r = run_analysis({input, c.report, c.plot, cpt}, console);
        EXPECT_EQ(r.status, RunStatus::InputError) << c.clash;
        EXPECT_NE(r.message.find(c.clash), std::string::npos) << r.message;
        EXPECT_EQ(test::read_file(input), test::text_of(deep_enough(64)));
        EXPECT_EQ(test::read_file(cpt), " 1 0\n");
        EXPECT_FALSE(std::filesystem::exists(dir.file("p.tv6o")));
        EXPECT_FALSE(std::filesystem::exists(dir.file("p.tv6p")));
    }
}

TEST(RunAnalysis, MalformedInputEndsTheReportWithTheLocatedMessage) {
    ScratchDir dir;
    std::string text = test::text_of(deep_enough(64));
    text.replace(text.find("\n0 1\n"), 5, "\n0 x\n");
    const Outcome o = run_project(dir, text);
    EXPECT_EQ(o.result.status, RunStatus::InputError);
    EXPECT_EQ(last_line(o.report), "ERROR - Input data file \"" + dir.file("p.tv6d") +
                                       "\", record 12 (loading), line 19: expected a finite number for the "
                                       "tension reduction factor, found "
                                       "\"x\".");
    EXPECT_EQ(run_project(dir, test::text_of(deep_enough(64)), " 1 2\n 0 100\n").result.status,
              RunStatus::InputError);
}

TEST(RunAnalysis, UnwritableReportIsAnOutputError) {
    ScratchDir dir;
    RunFiles files{dir.write("p.tv6d", test::text_of(deep_enough(64))), dir.file("missing-folder/p.tv6o"),
                   dir.file("p.tv6p"), dir.write("p.cpt", " 1 0\n")};
    std::ostringstream console;
    const RunResult r = run_analysis(files, console);
    EXPECT_EQ(r.status, RunStatus::OutputError);
    EXPECT_NE(console.str().find("cannot be created"), std::string::npos);
}

TEST(RunAnalysis, RunsSideBySideGiveIdenticalReports) {
    ScratchDir dir;
    const std::string english =
        test::read_file(test::source_path("examples/sand-over-clay-pipe-english.tv6d"));
    const std::string cpt = test::read_file(test::source_path("examples/sand-over-clay-pipe-english.cpt"));
    const Outcome alone = run_project(dir, english, cpt, "alone");
    std::vector<Outcome> outcomes(4);
    std::vector<std::thread> threads;
    for (int k = 0; k < 4; ++k) {
        threads.emplace_back([&, k] {
            outcomes[static_cast<std::size_t>(k)] =
                run_project(dir, english, cpt, "alone" + std::to_string(k));
        });
    }
    for (auto& t : threads) t.join();
    auto strip_names = [](std::string s) {
        for (std::size_t pos; (pos = s.find("alone")) != std::string::npos;) {
            std::size_t end = pos + 5;
            while (end < s.size() && std::isdigit(static_cast<unsigned char>(s[end]))) ++end;
            s.erase(pos, end - pos);
        }
        return s;
    };
    for (const Outcome& o : outcomes) {
        EXPECT_EQ(strip_names(o.report), strip_names(alone.report));
        EXPECT_EQ(o.plot, alone.plot);
    }
}

}  // namespace
}  // namespace torve
