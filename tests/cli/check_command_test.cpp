// torve check as a user calls it, and one set of checks in four places over broken projects: the
// engine's reader stops at the first refusal, and torve check, the desktop program's check before a
// run and Python's Project.check() list every finding, the same ones.
#include <gtest/gtest.h>

#include <QString>
#include <filesystem>
#include <functional>
#include <sstream>

#include "app/project/precheck.h"
#include "app/project/project.h"
#include "engine/driver/input_reader.h"
#include "engine/model/number_text.h"
#include "engine/model/taper_limit.h"
#include "tests/support/child_process.h"
#include "tests/support/project_text.h"
#include "tests/support/scratch_dir.h"

namespace {

using torve::Finding;
using torve::Method;
using torve::ProjectRecords;

// A finding as every place can give it: what torve check prints of it, and its field.
struct Row {
    std::string severity;  // "error" or "warning"
    std::string where;     // "API RP 2A, layer 2 at 30.00 ft"; empty for the whole project
    std::string field;
    std::string message;
    bool operator==(const Row&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Row& r) {
    return os << r.severity << " | " << r.where << " | " << r.field << " | " << r.message;
}

Row row_of(const Finding& f, bool english) {
    std::string w = f.method ? std::string(torve::method_info(*f.method).name) : "";
    if (f.layer > 0) {
        if (!w.empty()) w += ", ";
        w += "layer " + std::to_string(f.layer);
    }
    if (f.depth) {
        if (!w.empty()) w += " ";
        w += "at " + torve::decimals(*f.depth, 2);
        w += english ? " ft" : " m";
    }
    return {f.is_error() ? "error" : "warning", w, f.field, f.message};
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// torve check's lines after its summary: "  error    API RP 2A, layer 1 at 0.00 ft: message".
std::vector<std::string> check_lines(const std::vector<Row>& rows) {
    std::vector<std::string> out;
    for (const Row& r : rows) {
        std::string line = "  " + r.severity;
        line.append(r.severity == "error" ? 4 : 2, ' ');
        if (!r.where.empty()) line += r.where + ": ";
        out.push_back(line + r.message);
    }
    return out;
}

std::vector<Row> desktop_rows(const std::string& path) {
    torve::app::Project p;
    p.readProject(QString::fromStdString(path), torve::app::ProjectFormat::Current);
    std::vector<Row> rows;
    for (const Finding& f : torve::app::precheck(p))
        rows.push_back(row_of(f, p.data().units == torve::UnitSystem::English));
    return rows;
}

#ifdef TORVE_PYTHON
// Project.check() of the module of this build, one finding per line in the fields of a Row.
std::vector<Row> python_rows(const std::string& path) {
    const std::string script =
        "import sys, torve\n"
        "project = torve.Project.read(sys.argv[1])\n"
        "unit = 'ft' if project.units == 'English' else 'm'\n"
        "for f in project.check():\n"
        "    w = f.method or ''\n"
        "    if f.layer: w += (', ' if w else '') + f'layer {f.layer}'\n"
        "    if f.depth is not None: w += (' ' if w else '') + f'at {f.depth:.2f} {unit}'\n"
        "    print(f.severity, w, f.field, f.message, sep='\\t')\n";
    const torve::test::ProgramRun run = torve::test::run_program(
        "/usr/bin/env", {"PYTHONPATH=" TORVE_PYTHON_PATH, TORVE_PYTHON, "-c", script, path});
    EXPECT_EQ(run.exit_code, 0) << run.output;
    std::vector<Row> rows;
    for (const std::string& line : lines_of(run.output)) {
        std::vector<std::string> parts;
        std::istringstream in(line);
        for (std::string part; std::getline(in, part, '\t');) parts.push_back(part);
        if (parts.size() != 4) {
            ADD_FAILURE() << line;
            continue;
        }
        rows.push_back({parts[0], parts[1], parts[2], parts[3]});
    }
    return rows;
}
#endif

// What the engine's reader of a run says: the message of its refusal, or none.
std::optional<std::string> engine_refusal(const std::string& path, const std::string& cpt) {
    try {
        torve::parse_run_input(torve::test::read_file(path), path, torve::test::read_file(cpt), cpt);
    } catch (const torve::InputError& e) {
        return e.what();
    }
    return std::nullopt;
}

// A 24 in closed pipe 60 ft long (API RP 2A, increments of 1 ft) with offshore data, sand 0-30 ft
// (60 lb/ft3, 30 degrees, Ko 0.8, Nq 20) over clay 30-100 ft (50 lb/ft3, su 1500, sur 700 lb/ft2).
ProjectRecords two_layers() {
    ProjectRecords p = torve::test::project();
    p.offshore_data_flag = 1;  // as every save of the program marks a project
    torve::test::add_layer(p, torve::test::sand_layer(0, 30, 60, 30, 0.8, 20));
    torve::test::add_layer(p, torve::test::clay_layer(30, 100, 50, 1500, 700));
    return p;
}

void select(ProjectRecords& p, std::initializer_list<Method> methods) {
    for (Method m : methods) (*p.method_selection_flags)[torve::index_of(m)] = 1;
}

const std::string kSu = "undrained shear strength";

struct Case {
    const char* name;
    std::function<void(ProjectRecords&)> change;
    std::vector<std::pair<double, double>> cpt;  // depth ft, qc lb/ft2
    std::vector<Row> expected;
};

const Case kCases[] = {
    {"as it is", [](ProjectRecords&) {}, {}, {}},
    // A clay layer of su -120 and -200 once ran to a negative capacity, "completed".
    {"negative su",
     [](ProjectRecords& p) {
         p.soil_points[2].undrained_shear_strength = -120;
         p.soil_points[3].undrained_shear_strength = -200;
     },
     {},
     {{"error", "layer 2 at 30.00 ft", kSu, "expected an undrained shear strength of 0 or more, found -120."},
      {"error", "layer 2 at 100.00 ft", kSu,
       "expected an undrained shear strength of 0 or more, found -200."}}},
    // atan(12 / 720) = 0.954841 degrees: 0.9549 breaks the 0.954 it names, and the limit itself runs.
    {"a taper just above its limit",
     [](ProjectRecords& p) { p.taper_angle = 0.9549; },
     {},
     {{"error", "", "taper angle",
       "expected a taper angle of at most 0.954 degrees, found 0.9549: a larger one gives a negative tip "
       "diameter."}}},
    {"a taper at its limit",
     [](ProjectRecords& p) { p.taper_angle = torve::largest_taper_angle(24, 720); },
     {},
     {}},
    {"an inside diameter as large as the outside",
     [](ProjectRecords& p) { p.inside_diameter = 24; },
     {},
     {{"error", "", "inside diameter",
       "expected an inside diameter below the outside diameter 24, found 24."}}},
    // The sand has no qc and no blow count; NGI's clay rule bears on PI.
    {"NGI without qc or PI",
     [](ProjectRecords& p) { select(p, {Method::Ngi}); },
     {},
     {{"error", "NGI, layer 1 at 0.00 ft", "cone resistance",
       "expected a cone resistance of at least 0.00001, CPT points or an SPT blow count, found 0."},
      {"error", "NGI, layer 2 at 30.00 ft", "plasticity index",
       "expected a plasticity index above 0, found 0."}}},
    {"CPT depths going up",
     [](ProjectRecords& p) {
         select(p, {Method::Ngi});
         for (int i : {2, 3}) p.soil_points[static_cast<std::size_t>(i)].plasticity_index = 30;
     },
     {{0, 20000}, {50, 30000}, {40, 40000}},
     {{"error", "at 40.00 ft", "depth",
       "expected a depth of at least 50, that of the CPT row above, found 40."}}},
    // The run goes on and warns of every clay point without them.
    {"ICP/MTD without YSR or PI",
     [](ProjectRecords& p) { select(p, {Method::IcpMtd}); },
     {{0, 20000}, {100, 90000}},
     {{"warning", "ICP/MTD, layer 2 at 30.00 ft", "yield stress ratio",
       "expected a yield stress ratio above 0, found 0: the method's clay friction there is zero."},
      {"warning", "ICP/MTD, layer 2 at 30.00 ft", "plasticity index",
       "expected a plasticity index above 0, found 0: the method takes the interface friction angle of PI "
       "0."}}},
    // 60 / 0.7 = 85.7 increments: the tables end at 85 x 0.7 = 59.50 ft.
    {"a pile length between increments",
     [](ProjectRecords& p) { p.computation_increment = 0.7; },
     {},
     {{"warning", "at 59.50 ft", "total pile length",
       "expected a total pile length of a whole number of computation increments of 0.7, found 60: every "
       "table and the summary end at the penetration 59.50, short of the tip."}}},
    // 60 ft + 2 x 24 in = 64 ft of soil are needed; the run stops before its results, unrefused.
    {"soil shallower than the pile needs",
     [](ProjectRecords& p) { p.soil_points[3].depth = p.deepest_soil_depth = 63; },
     {},
     {{"error", "layer 2 at 63.00 ft", "deepest soil depth",
       "expected a deepest soil depth of at least 64, the pile length plus two diameters, found 63: the run "
       "stops before its results."}}},
    {"several faults",
     [](ProjectRecords& p) {
         p.modulus_of_elasticity = 0;
         p.soil_points[1].friction_angle = 95;
         p.soil_points[0].bearing_capacity_factor = 0;
     },
     {},
     {{"error", "", "modulus of elasticity", "expected a positive modulus of elasticity, found 0."},
      {"error", "layer 1 at 30.00 ft", "friction angle",
       "expected a friction angle from 0 to below 90 degrees, found 95."},
      {"error", "API RP 2A, layer 1 at 0.00 ft", "bearing capacity factor",
       "expected a bearing capacity factor above 0, found 0."}}},
};

// The findings of the four places for the project at `path`, against `expected`.
void expect_same_findings(const std::string& path, const std::string& cpt, const std::vector<Row>& expected) {
    const std::vector<Row> desktop = desktop_rows(path);
    EXPECT_EQ(desktop, expected);
#ifdef TORVE_PYTHON
    EXPECT_EQ(python_rows(path), expected);
#endif
    const torve::test::ProgramRun check = torve::test::run_program(TORVE_CLI, {"check", path});
    const std::vector<std::string> lines = lines_of(check.output);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end()), check_lines(expected))
        << check.output;
    const auto refusal = std::find_if(expected.begin(), expected.end(), [](const Row& r) {
        return r.severity == "error" && r.message.find("the run stops") == std::string::npos;
    });
    EXPECT_EQ(check.exit_code, std::any_of(expected.begin(), expected.end(),
                                           [](const Row& r) { return r.severity == "error"; })
                                   ? 1
                                   : 0);
    const std::optional<std::string> engine = engine_refusal(path, cpt);
    if (refusal == expected.end()) {
        EXPECT_FALSE(engine) << *engine;
    } else {
        ASSERT_TRUE(engine);
        EXPECT_TRUE(engine->ends_with(": " + refusal->message)) << *engine;
    }
}

TEST(CheckCommand, TheFourPlacesFindTheSame) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        torve::test::ScratchDir dir;
        ProjectRecords p = two_layers();
        c.change(p);
        const std::string path = dir.write("p.tv6d", torve::test::text_of(p));
        const std::string cpt = dir.write("p.cpt", torve::test::cpt_text(1, c.cpt));
        expect_same_findings(path, cpt, c.expected);
    }
}

// Files: an untouched new project of the program, and a project built through its dialogs with the
// cone methods in clay without PI and YSR (and a pile length between the increments of a change of
// units).
TEST(CheckCommand, TheFourPlacesFindTheSameInFiles) {
    const std::string zero = "expected a positive effective unit weight, found 0.";
    const struct {
        const char* project;
        std::vector<Row> expected;
    } cases[] = {
        {"tests/data/untouched-new-project",
         {{"error", "", "total pile length", "expected a positive total pile length, found 0."},
          {"error", "", "outside diameter",
           "expected a positive outside diameter for a circular pile, found 0."},
          {"error", "", "deepest soil depth", "expected a positive deepest soil depth, found 0."},
          {"error", "layer 1 at 0.00 ft", "effective unit weight", zero},
          {"error", "layer 1 at 0.00 ft", "effective unit weight", zero},
          {"error", "API RP 2A, layer 1 at 0.00 ft", "friction angle",
           "expected a friction angle or an SPT blow count above 0, found 0."},
          {"error", "API RP 2A, layer 1 at 0.00 ft", "bearing capacity factor",
           "expected a bearing capacity factor above 0, found 0."}}},
        {"tests/data/reproducers/cone-methods-in-clay",
         {{"warning", "at 39.93 m", "total pile length",
           "expected a total pile length of a whole number of computation increments of 0.3048, found 40: "
           "every "
           "table and the summary end at the penetration 39.93, short of the tip."},
          {"warning", "UWA, layer 2 at 15.00 m", "yield stress ratio",
           "expected a yield stress ratio above 0, found 0: the method's clay friction there is zero."},
          {"warning", "UWA, layer 2 at 15.00 m", "plasticity index",
           "expected a plasticity index above 0, found 0: the method takes the interface friction angle of "
           "PI "
           "0."}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.project);
        torve::test::ScratchDir dir;
        const std::string path = dir.write(
            "p.tv6d", torve::test::read_file(torve::test::source_path(std::string(c.project) + ".tv6d")));
        const std::string cpt = dir.write(
            "p.cpt", torve::test::read_file(torve::test::source_path(std::string(c.project) + ".cpt")));
        expect_same_findings(path, cpt, c.expected);
    }
}

// The Dutch cone method's square precast pile (tip at 15 m, D_eq = 0.4514 m): as a steel pipe it has
// no class factors and is refused, naming the class; with a sounding that ends at 16 m, short of
// 4 D_eq = 1.805 m below the tip, it runs with a warning at the last row.
TEST(CheckCommand, TheFourPlacesFindWhatTheDutchConeMethodLacks) {
    const std::string project =
        torve::test::read_file(torve::test::source_path("tests/reference/cases/nen-square-precast-si.tv6d"));
    const std::string full =
        torve::test::read_file(torve::test::source_path("tests/reference/cases/nen-square-precast-si.cpt"));
    std::string steel = project;
    steel.replace(steel.find("\n0 0.5 3 0 11 1 0\n"), 19, "\n0 0.5 1 0 11 1 0\n");
    const struct {
        const char* what;
        std::string project, cpt;
        std::vector<Row> expected;
    } cases[] = {
        {"steel pipe",
         steel,
         full,
         {{"warning", "", "modulus of elasticity",
           "expected a modulus of elasticity from 150000000 to 250000000 kPa for a pile of steel, found "
           "30000000: hardly the pile's material, perhaps a modulus in another unit."},
          {"error", "NEN9997", "pile-type code",
           "expected a pile type of a class the method has factors for (3, precast concrete), found 1 (steel "
           "pipe): the method gives it no capacity."}}},
        {"sounding to 16 m",
         project,
         " 2 2\n  0.00E+00  1.00E+04\n  1.60E+01  1.00E+04\n",
         {{"warning", "NEN9997 at 16.00 m", "depth",
           "expected CPT rows down to 4 equivalent diameters below the tip, 16.806, found the last at 16: "
           "the "
           "method seeks the lower zone of its base only down to the last row."}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        torve::test::ScratchDir dir;
        const std::string path = dir.write("p.tv6d", c.project);
        const std::string cpt = dir.write("p.cpt", c.cpt);
        expect_same_findings(path, cpt, c.expected);
    }
}

using Command = torve::test::ProgramRun;
using torve::test::copy_example;
namespace fs = std::filesystem;

// The runner with its arguments as a list; no shell comes between.
Command run(const std::vector<std::string>& args) {
    return torve::test::run_program(TORVE_CLI, args);
}

// torve check: 0 when the file can run as it stands, 1 when it cannot (with what stops it), 2 for a
// command line it cannot understand.
TEST(CheckCommand, ExitCodesAndFindings) {
    const Command ok = run({"check", torve::test::source_path("examples/open-pipe-offshore-si.tv6d")});
    EXPECT_EQ(ok.exit_code, 0) << ok.output;
    EXPECT_NE(ok.output.find("can run as it is (0 errors, 0 warnings)"), std::string::npos) << ok.output;
    const Command stops =
        run({"check", torve::test::source_path("tests/reference/cases/soil-extent-stop-english.tv6d")});
    EXPECT_EQ(stops.exit_code, 1) << stops.output;
    EXPECT_NE(
        stops.output.find("error    layer 3 at 62.00 ft: expected a deepest soil depth of at least 64, the "
                          "pile length plus two diameters, found 62: the run stops before its results."),
        std::string::npos)
        << stops.output;
    EXPECT_EQ(run({"check"}).exit_code, 2);
    // A missing project is a check that fails, not a command line that cannot be understood.
    const Command missing = run({"check", "/nonexistent/p.tv6d"});
    EXPECT_EQ(missing.exit_code, 1);
    EXPECT_NE(missing.output.find("/nonexistent/p.tv6d: no such project file"), std::string::npos);
}

// The check reads the files as the run reads them: a project of the previous version, which the
// desktop program converts on opening, is no input data file to the run; a damaged CPT row is named
// with its line, as the run names it.
TEST(CheckCommand, ReadsWhatTheRunReads) {
    torve::test::ScratchDir dir;
    const std::string old = dir.file("p.tvd");
    fs::copy_file(torve::test::source_path("tests/data/reproducers/previous-format.tvd"), old);
    fs::copy_file(torve::test::source_path("tests/data/reproducers/previous-format.cpt"), dir.file("p.cpt"));
    const std::string example = copy_example(dir, "sand-over-clay-pipe-english");
    const Command check = run({"check", old});
    const Command runs = run({"run", old});
    EXPECT_EQ(runs.exit_code, 1) << runs.output;
    EXPECT_EQ(check.exit_code, 1) << check.output;
    EXPECT_NE(check.output.find("cannot run as it is (1 error, 0 warnings)"), std::string::npos)
        << check.output;
    EXPECT_NE(check.output.find("torve convert"), std::string::npos) << check.output;

    dir.write("sand-over-clay-pipe-english.cpt",
              " 1 3\n  1.0E+00  2.0E+04\n  2.0E+00  x\n  3.0E+00  4.0E+04\n");
    const Command cpt = run({"check", example});
    EXPECT_EQ(cpt.exit_code, 1) << cpt.output;
    const Command cpt_run = run({"run", example});
    const std::string located = "line 3";
    EXPECT_NE(cpt_run.output.find(located), std::string::npos) << cpt_run.output;
    EXPECT_NE(cpt.output.find(located), std::string::npos) << cpt.output;
}

// The pile length is not a whole number of increments (40 m in increments of 0.3048 m, as a switch
// from English units leaves them): the check says where the tables will end.
TEST(CheckCommand, WarnsOfAPileLengthBetweenIncrements) {
    torve::test::ScratchDir dir;
    const std::string example = copy_example(dir, "sand-over-clay-pipe-english");
    std::string text = torve::test::read_file(example);
    text.replace(text.find("0 0 24 23 29000000 60 5\n"), 24, "0 0 24 23 29000000 40 5\n");
    const std::size_t increment = text.find("0 1 1 0 4 0");
    ASSERT_NE(increment, std::string::npos);
    text.replace(increment, 11, "0 0.3048 1 0 4 0");
    dir.write("sand-over-clay-pipe-english.tv6d", text);
    const Command c = run({"check", example});
    EXPECT_EQ(c.exit_code, 0) << c.output;
    EXPECT_NE(c.output.find("can run as it is (0 errors, 1 warning)"), std::string::npos) << c.output;
    EXPECT_NE(
        c.output.find("warning  at 39.93 ft: expected a total pile length of a whole number of "
                      "computation increments of 0.3048, found 40: every table and the summary end at the "
                      "penetration 39.93, short of the tip."),
        std::string::npos)
        << c.output;
}

}  // namespace
