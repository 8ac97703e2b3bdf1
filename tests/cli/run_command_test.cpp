// The torve runner as a user calls it: exit codes, outputs beside the project, summaries.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <charconv>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <random>
#include <sstream>

#include "tests/support/child_process.h"
#include "tests/support/project_text.h"
#include "tests/support/scratch_dir.h"

namespace {

using Command = torve::test::ProgramRun;
using torve::test::copy_example;

// The runner with its arguments as a list; no shell comes between.
Command run(const std::vector<std::string>& args, const torve::test::ProgramLimits& limits = {}) {
    return torve::test::run_program(TORVE_CLI, args, limits);
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
    const std::string b =
        copy_example(dir, "precast-concrete-user-english", false);  // no .cpt: no CPT points
    const Command c = run({a, b, "--jobs", "2"});
    ASSERT_EQ(c.exit_code, 2) << c.output;  // the subcommand is missing: usage error
    const Command r = run({"run", a, b, "--jobs", "2"});
    EXPECT_EQ(r.exit_code, 0) << r.output;
    EXPECT_LT(r.output.find(a), r.output.find(b));  // printed in command-line order
    EXPECT_NE(r.output.find("report:    " + dir.file("sand-over-clay-pipe-english.tv6o")), std::string::npos);
    EXPECT_NE(r.output.find("plot file: " + dir.file("precast-concrete-user-english.tv6p")),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir.file("sand-over-clay-pipe-english.tv6o")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("precast-concrete-user-english.tv6p")));
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

    // The cone methods of the offshore example take qc of the 12-30 m sand from its CPT points: without
    // them the run is refused where a method lacks it, as torve check names it.
    const std::string offshore = copy_example(dir, "open-pipe-offshore-si", false);
    const Command o = run({"run", offshore});
    EXPECT_EQ(o.exit_code, 1) << o.output;
    EXPECT_NE(o.output.find("FAILED: Input data file \"" + offshore +
                            "\", record 10 (soil point 3 of 6, second line), line 15: expected a cone "
                            "resistance of at least 0.00001, CPT points or an SPT blow count, found 0."),
              std::string::npos)
        << o.output;
}

// A clay layer of su -120 and -200 kPa once ran to a negative capacity, "completed". It is
// refused at the first of its two values, which torve check lists both of.
TEST(RunCommand, ANegativeShearStrengthIsRefused) {
    torve::test::ScratchDir dir;
    const std::string path = copy_example(dir, "open-pipe-offshore-si");
    std::string text = torve::test::read_file(path);
    text.replace(text.find("0 0 20 10 3.0"), 13, "0 0 -120 10 3.0");
    text.replace(text.find("0 0 60 30 1.5"), 13, "0 0 -200 30 1.5");
    dir.write("open-pipe-offshore-si.tv6d", text);
    const Command r = run({"run", path});
    EXPECT_EQ(r.exit_code, 1) << r.output;
    EXPECT_NE(
        r.output.find("record 10 (soil point 1 of 6, second line), line 11: expected an undrained shear "
                      "strength of 0 or more, found -120."),
        std::string::npos)
        << r.output;
    EXPECT_EQ(r.output.find("-200"), std::string::npos) << r.output;
    EXPECT_EQ(r.output.find("completed"), std::string::npos) << r.output;
    const Command c = run({"check", path});
    EXPECT_EQ(c.exit_code, 1) << c.output;
    EXPECT_NE(
        c.output.find("cannot run as it is (2 errors, 0 warnings)\n"
                      "  error    layer 1 at 0.00 m: expected an undrained shear strength of 0 or more, "
                      "found -120.\n"
                      "  error    layer 1 at 12.00 m: expected an undrained shear strength of 0 or more, "
                      "found -200.\n"),
        std::string::npos)
        << c.output;
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

// The rows of a CSV file of plain fields (no quotes), the header first.
std::vector<std::vector<std::string>> csv_rows(const std::string& path) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream text(torve::test::read_file(path));
    for (std::string line; std::getline(text, line);) {
        EXPECT_FALSE(line.empty() || line.back() != '\r') << "CRLF line ends: " << line;
        line.pop_back();
        std::vector<std::string>& row = rows.emplace_back();
        std::istringstream fields(line);
        for (std::string f; std::getline(fields, f, ',');) row.push_back(f);
        if (!line.empty() && line.back() == ',') row.emplace_back();
    }
    return rows;
}

double number(const std::string& field) {
    double v = 0;
    const auto r = std::from_chars(field.data(), field.data() + field.size(), v);
    EXPECT_TRUE(r.ec == std::errc() && r.ptr == field.data() + field.size()) << field;
    return v;
}

// The sand pile of the hand calculation: a closed 24 in pipe 60 ft into sand (gamma' 60 lb/ft3,
// phi 30, K 0.8, Nq 20), API RP 2A alone, a row every 5 ft.
torve::ProjectRecords sand_pile() {
    torve::ProjectRecords p = torve::test::project();
    p.print_interval = 5;
    torve::test::add_layer(p, torve::test::sand_layer(0, 100, 60, 30, 0.8, 20));
    return p;
}

TEST(RunCommand, CsvTablesAtFullPrecision) {
    torve::test::ScratchDir dir;
    const std::string project = dir.write("pile.tv6d", torve::test::text_of(sand_pile()));
    const Command r = run({"run", project, "--csv", dir.file("out/tables")});
    ASSERT_EQ(r.exit_code, 0) << r.output;
    const std::string base = dir.file("out/tables/pile.");
    EXPECT_NE(r.output.find("  csv:       " + base + "capacity.csv\n"), std::string::npos) << r.output;
    EXPECT_FALSE(std::filesystem::exists(base + "extra-tz-curves.csv"));  // no t-z print depths

    const auto capacity = csv_rows(base + "capacity.csv");
    ASSERT_EQ(capacity.size(), 1u + 13u);  // 0, 5, ... 60 ft
    EXPECT_EQ(capacity[0],
              (std::vector<std::string>{"method", "depth (ft)", "skin_friction (kips)", "end_bearing (kips)",
                                        "total (kips)", "unit_skin_friction (ksf)", "unit_end_bearing (ksf)",
                                        "plug_controlled"}));
    const std::vector<std::string>& tip = capacity.back();
    ASSERT_EQ(tip.size(), 8u);
    EXPECT_EQ(tip[0], "API RP 2A");
    EXPECT_EQ(tip[1], "60");
    // At 60 ft: q = Nq s'v = 20 x 60 x 0.06 = 72 ksf on pi ft2 (the tip force averages the linear
    // A q about the tip); the total is the sum of its two columns to the last bit.
    EXPECT_NEAR(number(tip[3]), std::numbers::pi * 72, 1e-9);
    EXPECT_NEAR(number(tip[6]), 72.0, 1e-9);
    EXPECT_EQ(number(tip[4]), number(tip[2]) + number(tip[3]));
    EXPECT_EQ(tip[7], "0");
    // The report prints the same total to 0.1 kips in the tip row of the table.
    std::ostringstream row;
    row << std::fixed;
    row.precision(1);
    row << number(tip[4]);
    const std::string report = torve::test::read_file(dir.file("pile.tv6o"));
    EXPECT_NE(report.find("             60.00 "), std::string::npos);
    EXPECT_NE(report.find(row.str() + "\n"), std::string::npos) << row.str();

    const auto settlement = csv_rows(base + "load-settlement.csv");
    ASSERT_EQ(settlement.size(), 1u + 9u);
    EXPECT_EQ(settlement[0], (std::vector<std::string>{"level", "head_load (kips)", "head_movement (in)",
                                                       "tip_load (kips)", "tip_movement (in)"}));
    EXPECT_EQ(csv_rows(base + "load-distribution.csv").size(), 1u + 9u * 13u);
    const auto tz = csv_rows(base + "tz-curves.csv");
    EXPECT_EQ(tz[0], (std::vector<std::string>{"curve", "depth (ft)", "point", "load_transfer (ksf)",
                                               "movement (in)"}));
    EXPECT_EQ(tz.size(), 1u + 3u * 10u);                     // one layer: top, middle and bottom curves
    EXPECT_EQ(number(tz.back()[1]), (100 * 12 - 0.5) / 12);  // 99.958 ft, unrounded
    EXPECT_EQ(csv_rows(base + "tip-curve.csv").size(), 1u + 10u);
}

// 100 days after driving with A = 0.2 and t0 = 1 day for every soil: 1 + 0.2 log10(100) = 1.4 on
// the skin friction of every row, the end bearing as at the end of driving; the summary, the report
// and the CSV files name the time.
TEST(RunCommand, SetupDaysRaiseTheShaftAlone) {
    torve::test::ScratchDir dir;
    const std::string project = dir.write("pile.tv6d", torve::test::text_of(sand_pile()));
    ASSERT_EQ(run({"run", project, "--csv", dir.file("driving")}).exit_code, 0);
    const std::string plain_report = torve::test::read_file(dir.file("pile.tv6o"));
    EXPECT_EQ(plain_report.find("AFTER DRIVING"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.file("driving/pile.setup.csv")));
    const Command r = run({"run", project, "--csv", dir.file("aged"), "--setup-days", "100", "--setup-a",
                           "0.2", "--setup-t0", "1"});
    ASSERT_EQ(r.exit_code, 0) << r.output;
    EXPECT_NE(r.output.find("  set-up: 100 days after driving; sand A 0.2, t0 1 days, factor 1.4000; clay A "
                            "0.2, t0 1 days, factor 1.4000\n"),
              std::string::npos)
        << r.output;
    EXPECT_NE(r.output.find("capacity at the pile tip (penetration 60.00 ft) 100 days after driving, kips:"),
              std::string::npos);
    const auto before = csv_rows(dir.file("driving/pile.capacity.csv"));
    const auto after = csv_rows(dir.file("aged/pile.capacity.csv"));
    ASSERT_EQ(before.size(), after.size());
    for (std::size_t i = 1; i < before.size(); ++i) {
        EXPECT_NEAR(number(after[i][2]), 1.4 * number(before[i][2]), 1e-9 * (1 + number(before[i][2])));
        EXPECT_EQ(after[i][3], before[i][3]);  // end bearing
    }
    EXPECT_EQ(csv_rows(dir.file("aged/pile.setup.csv")),
              (std::vector<std::vector<std::string>>{{"days_after_driving", "soil", "a", "t0_days", "factor"},
                                                     {"100", "sand", "0.2", "1", "1.4"},
                                                     {"100", "clay", "0.2", "1", "1.4"}}));
    EXPECT_NE(torve::test::read_file(dir.file("pile.tv6o")).find(" AT   100.00 DAYS AFTER DRIVING"),
              std::string::npos);
}

TEST(RunCommand, SetupValuesOutOfRangeAreRefusedBeforeAnyRun) {
    torve::test::ScratchDir dir;
    const std::string project = dir.write("pile.tv6d", torve::test::text_of(sand_pile()));
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"--setup-days", "-1"},
         "The time after driving for the set-up (-1 days) must be zero or more days."},
        {{"--setup-days", "10", "--setup-a", "-0.5"}, "The set-up factor A (-0.5) must be zero or more."},
        {{"--setup-days", "10", "--setup-t0", "0"},
         "The reference time t0 of the set-up (0 days) must be more"},
        {{"--setup-days", "inf"}, "(infinite days)"},
        {{"--setup-a", "0.3"}, "--setup-a and --setup-t0 need --setup-days"},
        {{"--setup-days", "ten"}, "--setup-days"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"run", project};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Command r = run(args);
        EXPECT_EQ(r.exit_code, 2) << c.message;
        EXPECT_NE(r.output.find(c.message), std::string::npos) << r.output;
        EXPECT_FALSE(std::filesystem::exists(dir.file("pile.tv6o"))) << c.message;
    }
}

TEST(RunCommand, CsvHeadersFollowUnitsAndLoading) {
    torve::test::ScratchDir dir;
    torve::ProjectRecords p = sand_pile();
    p.loading_type_code = 1;  // tension: the column holds the self weight
    p.t_z_print_flag = 1;
    p.t_z_print_depths = {10, 150};  // the second lies below the soil
    ASSERT_EQ(
        run({"run", dir.write("up.tv6d", torve::test::text_of(p)), "--csv", dir.path().string()}).exit_code,
        0);
    EXPECT_EQ(csv_rows(dir.file("up.capacity.csv"))[0][3], "self_weight (kips)");
    const auto extra = csv_rows(dir.file("up.extra-tz-curves.csv"));
    ASSERT_EQ(extra.size(), 1u + 10u + 1u);
    EXPECT_EQ(extra.back(), (std::vector<std::string>{"2", "150", "", "", ""}));  // no curve there

    const std::string si = copy_example(dir, "open-pipe-offshore-si");
    ASSERT_EQ(run({"run", si, "--csv", dir.path().string()}).exit_code, 0);
    const std::string stem = dir.file("open-pipe-offshore-si.");
    EXPECT_EQ(csv_rows(stem + "capacity.csv")[0][1], "depth (m)");
    EXPECT_EQ(csv_rows(stem + "capacity.csv")[0][6], "unit_end_bearing (kPa)");
    EXPECT_EQ(csv_rows(stem + "load-settlement.csv")[0][2], "head_movement (m)");
}

// Two projects of one name in two folders would write one set of CSV files: refused before any run.
// A run that fails writes none.
TEST(RunCommand, CsvFilesOfOneNameAreRefused) {
    torve::test::ScratchDir dir;
    std::filesystem::create_directory(dir.file("a"));
    std::filesystem::create_directory(dir.file("b"));
    const std::string a = dir.write("a/p.tv6d", torve::test::text_of(sand_pile()));
    const std::string b = dir.write("b/p.tv6d", torve::test::text_of(sand_pile()));
    const Command r = run({"run", a, b, "--csv", dir.file("csv")});
    EXPECT_EQ(r.exit_code, 2);
    EXPECT_NE(r.output.find("have one name"), std::string::npos) << r.output;
    EXPECT_FALSE(std::filesystem::exists(dir.file("a/p.tv6o")));

    const std::string bad = dir.write("bad.tv6d", "title\nd\nj\n1 1 x\n");
    EXPECT_EQ(run({"run", bad, "--csv", dir.file("csv")}).exit_code, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.file("csv/bad.capacity.csv")));

    // A run stopped at its soil check leaves header rows only, over the tables of an earlier run.
    const std::string pile = dir.write("pile.tv6d", torve::test::text_of(sand_pile()));
    ASSERT_EQ(run({"run", pile, "--csv", dir.file("csv")}).exit_code, 0);
    torve::ProjectRecords shallow = sand_pile();
    shallow.deepest_soil_depth = 50;  // a 60 ft pile needs 64 ft of soil
    shallow.soil_points[1].depth = 50;
    dir.write("pile.tv6d", torve::test::text_of(shallow));
    EXPECT_EQ(run({"run", pile, "--csv", dir.file("csv")}).exit_code, 1);
    for (const char* table : {"capacity", "load-settlement", "load-distribution", "tz-curves", "tip-curve"})
        EXPECT_EQ(csv_rows(dir.file("csv/pile." + std::string(table) + ".csv")).size(), 1u) << table;
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

// The report without its date block's line, which differs from run to run.
std::string undated(const std::string& report) {
    std::istringstream in(report);
    std::string out, line;
    while (std::getline(in, line))
        if (line.find("Date:  ") == std::string::npos) out += line + '\n';
    return out;
}

// Runs killed at random points of their work (19 rounds of such kills once left reports and plot
// files empty or cut at a block boundary): after each, the report and plot file are those of a
// complete run, the earlier ones or the new.
TEST(RunCommand, AKilledRunLeavesCompleteOutputs) {
    namespace fs = std::filesystem;
    torve::test::ScratchDir dir;
    const std::string a = copy_example(dir, "open-pipe-offshore-si");
    const std::string b = copy_example(dir, "sand-over-clay-pipe-english");
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(run({"run", "-j", "2", a, b}).exit_code, 0);
    const long full =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started)
            .count();
    struct Outputs {
        std::string report, plot;
    };
    std::vector<std::pair<std::string, Outputs>> complete;
    for (const std::string& p : {a, b}) {
        const fs::path stem = fs::path(p).replace_extension();
        complete.push_back({stem.string(),
                            {undated(torve::test::read_file(stem.string() + ".tv6o")),
                             torve::test::read_file(stem.string() + ".tv6p")}});
    }
    std::mt19937 random(30);  // a fixed seed: a failure shows again on the next run of the test
    std::uniform_int_distribution<long> at(0, full * 3 / 2);
    int killed = 0;
    for (int round = 0; round < 25; ++round) {
        const long delay = at(random);
        killed += torve::test::run_program_killed_after(TORVE_CLI, {"run", "-j", "2", a, b}, delay) ? 1 : 0;
        for (const auto& [stem, outputs] : complete) {
            EXPECT_EQ(undated(torve::test::read_file(stem + ".tv6o")), outputs.report)
                << stem << ".tv6o after a kill at " << delay << " us";
            EXPECT_EQ(torve::test::read_file(stem + ".tv6p"), outputs.plot)
                << stem << ".tv6p after a kill at " << delay << " us";
        }
    }
    EXPECT_GT(killed, 5);
    // What a killed run had begun are temporary files of other names: torve results reads the plot.
    EXPECT_EQ(run({"results", a}).exit_code, 0);
}

// A full disk part way through the report (here a file-size limit): the run fails, named, and the
// outputs of the earlier run stand.
TEST(RunCommand, AFullDiskLeavesTheEarlierOutputs) {
    torve::test::ScratchDir dir;
    const std::string p = copy_example(dir, "sand-over-clay-pipe-english");
    const std::string report = dir.write("sand-over-clay-pipe-english.tv6o", "earlier report\n");
    const std::string plot = dir.write("sand-over-clay-pipe-english.tv6p", "earlier plot\n");
    const Command r = run({"run", p}, {.file_size = 20000});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_NE(r.output.find("could not be written completely: File too large. The files of an earlier run "
                            "are left as they were."),
              std::string::npos)
        << r.output;
    EXPECT_EQ(torve::test::read_file(report), "earlier report\n");
    EXPECT_EQ(torve::test::read_file(plot), "earlier plot\n");
}

// What is no regular file is refused at once, before any output is made: a device that never ends
// would fill the memory, and a pipe would hold the run for ever.
TEST(RunCommand, WhatIsNoRegularFileIsRefusedAtOnce) {
    namespace fs = std::filesystem;
    torve::test::ScratchDir dir;
    const std::string pipe = dir.file("pipe.tv6d");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& project : {std::string("/dev/zero"), pipe}) {
        const Command r = run({"run", project});
        EXPECT_EQ(r.exit_code, 1) << project;
        EXPECT_NE(
            r.output.find("FAILED: The input data file \"" + project +
                          "\" cannot be read: it is not a regular file (a folder, a device or a pipe)."),
            std::string::npos)
            << r.output;
        EXPECT_FALSE(fs::exists(fs::path(project).replace_extension(".tv6o"))) << project;
        EXPECT_FALSE(fs::exists(fs::path(project).replace_extension(".tv6p"))) << project;
    }
}

}  // namespace
