// A downdrag run of a whole project: its settlement profile checked, its units converted, and the
// pile in soil that does not settle past it giving the project's own load-settlement answer.
#include "engine/driver/downdrag_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <sstream>
#include <string>

#include "engine/driver/downdrag_results_file.h"
#include "engine/driver/input_reader.h"
#include "engine/driver/run_analysis.h"
#include "engine/model/input_error.h"
#include "engine/model/soil_settlement_file.h"
#include "tests/support/scratch_dir.h"

namespace torve {
namespace {

RunInput example(const std::string& name) {
    const std::string base = "examples/" + name;
    const std::string input = test::read_file(test::source_path(base + ".tv6d"));
    const std::string cpt = test::read_file(test::source_path(base + ".cpt"));
    return parse_run_input(input, base + ".tv6d", cpt, base + ".cpt");
}

TEST(DowndragAnalysis, RefusesAProfileItCannotReadNamingItsPoint) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        SoilSettlement soil;
        std::string message;
    };
    const Case cases[] = {
        {{{}, {}}, "The soil settlement has no point."},
        {{{0, 5}, {10}},
         "The soil settlement has 2 depths and 1 settlements; each depth needs one settlement."},
        {{{0, 5, 5}, {10, 5, 0}},
         "The soil settlement's depths must increase: point 3 is not below the one before it."},
        {{{0, 5, 3}, {10, 5, 0}},
         "The soil settlement's depths must increase: point 3 is not below the one before it."},
        {{{0, nan}, {10, 0}}, "The soil settlement's depth at point 2 is not a number."},
        {{{0, 5}, {INFINITY, 0}}, "The soil settlement at point 1 is not a number."},
    };
    for (const Case& c : cases) {
        const auto fault = soil_settlement_fault(c.soil);
        ASSERT_TRUE(fault) << c.message;
        EXPECT_EQ(*fault, c.message);
    }
    EXPECT_FALSE(soil_settlement_fault({{2.5}, {0}}));

    const RunInput r = example("open-pipe-offshore-si");
    const DowndragResult d = compute_downdrag(r.in, r.cpt, {{0, 5, 3}, {10, 5, 0}}, 1000);
    EXPECT_EQ(d.status, RunStatus::InputError);
    EXPECT_FALSE(d.solved);
    EXPECT_EQ(d.message, cases[3].message);
}

TEST(DowndragAnalysis, ReadsTheSettlementFileInTheFormsSpreadsheetsWrite) {
    for (const char* text : {"0,120\n2.5,60\n10,0\n",
                             "\xEF\xBB\xBF"
                             "0;120\r\n2.5;60\r\n10;0",
                             "0\t120\n2.5\t60\n10\t0\n", "# depth settlement\n\n  0   120\n 2.5 60\n\n10 0\n",
                             "0 , 120\n2.5E0,6e1\n1D1,-0\n"}) {
        SCOPED_TRACE(text);
        const SoilSettlement s = parse_soil_settlement(text, "s.csv");
        EXPECT_EQ(s.depth, (std::vector<double>{0, 2.5, 10}));
        EXPECT_EQ(s.settlement, (std::vector<double>{120, 60, 0}));
    }
    try {
        parse_soil_settlement("0,1\n2,x\n", "s.csv");
        FAIL();
    } catch (const InputError& e) {
        EXPECT_EQ(e.place().line, 2u);  // for a front end to point at
        EXPECT_EQ(e.place().file, "s.csv");
    }
}

TEST(DowndragAnalysis, SoilSettlingWithThePileGivesTheWorkingLoadSettlement) {
    // Soil settling alike at every depth only carries the pile down with it: no drag force, and the
    // head settles by the soil's settlement more than at the working load in soil at rest.
    for (const char* name :
         {"open-pipe-offshore-si", "precast-concrete-user-english", "sand-over-clay-pipe-english"}) {
        SCOPED_TRACE(name);
        const RunInput r = example(name);
        const RunResult run = compute_analysis(r.in, r.cpt);
        ASSERT_FALSE(run.working_loads.empty());
        const WorkingLoad& w = run.working_loads.front();
        ASSERT_TRUE(w.head_movement);
        // Movements of the results in in or m, of the downdrag in in or mm.
        const double to_movement = run.english ? 1.0 : 1000.0;
        for (double uniform : {0.0, 2.0}) {
            const DowndragResult d = compute_downdrag(r.in, r.cpt, {{0}, {uniform}}, w.load);
            ASSERT_TRUE(d.solved) << d.message;
            EXPECT_EQ(d.english, run.english);
            EXPECT_NEAR(d.drag_force, 0, 1e-9 * w.load);
            EXPECT_NEAR(d.head_settlement, *w.head_movement * to_movement + uniform, 1e-3);
            EXPECT_NEAR(d.toe_penetration, *w.tip_movement * to_movement, 1e-3);
            EXPECT_DOUBLE_EQ(d.neutral_plane, 0);
            ASSERT_EQ(d.depth.size(), d.axial_load.size());
            EXPECT_NEAR(d.axial_load.front(), w.load, 1e-6 * w.load);
            EXPECT_DOUBLE_EQ(d.soil_settlement.back(), uniform);
        }
    }
}

TEST(DowndragAnalysis, SettlingSoilDragsThePileDown) {
    // 200 mm at the ground, nothing at 20 m, in the 30 m offshore pile: negative friction above the
    // neutral plane loads the pile beyond its head load.
    const RunInput r = example("open-pipe-offshore-si");
    const DowndragResult d = compute_downdrag(r.in, r.cpt, {{0, 20}, {200, 0}}, 2000);
    ASSERT_TRUE(d.solved) << d.message;
    EXPECT_GT(d.drag_force, 0);
    EXPECT_GT(d.neutral_plane, 0);
    EXPECT_LT(d.neutral_plane, 20);
    EXPECT_NEAR(d.max_load - d.head_load, d.drag_force, 1e-6 * d.head_load);  // the head load as solved
    ASSERT_TRUE(d.equilibrium_neutral_plane);
    // A head load the pile cannot carry is no solution, and says why.
    const DowndragResult over = compute_downdrag(r.in, r.cpt, {{0, 20}, {200, 0}}, 1e7);
    EXPECT_FALSE(over.solved);
    EXPECT_EQ(over.status, RunStatus::Completed);
    EXPECT_NE(over.message.find("lies above what the pile can carry"), std::string::npos);
}

TEST(DowndragAnalysis, RunOfAFileOfNamesWritesTheResultsItAsksFor) {
    // The library's callers cannot reach compute_downdrag: the run they name in the file of names
    // solves the downdrag on the settlement file there and writes what compute_downdrag gives.
    test::ScratchDir dir;
    const std::string base = "examples/sand-over-clay-pipe-english";
    dir.write("p.tv6d", test::read_file(test::source_path(base + ".tv6d")));
    dir.write("p.cpt", test::read_file(test::source_path(base + ".cpt")));
    dir.write("p.settlement.csv", "# head load (kips): 100\n0,10\n60,0\n");
    const std::string paths = dir.file("p.tv6d") + "\n" + dir.file("p.tv6o") + "\n" + dir.file("p.tv6p") +
                              "\n" + dir.file("p.cpt") + "\n";
    struct Case {
        std::string tail;
        bool downdrag, setup;
    };
    for (const Case& c :
         {Case{"", false, false}, Case{"30\n\n", false, true},
          Case{"\n\n" + dir.file("p.settlement.csv") + "\n" + dir.file("p.downdrag.txt") + "\n", true,
               false}}) {
        SCOPED_TRACE(c.tail);
        std::filesystem::remove(dir.file("p.downdrag.txt"));
        std::istringstream names("2014.6.3\nTORVE\ntorve6\n0\n" + paths + c.tail);
        std::ostringstream console;
        std::istringstream answers;
        const RunResult r = run_from_names_file(names, console, answers);
        ASSERT_EQ(r.status, RunStatus::Completed) << r.message;
        EXPECT_EQ(std::filesystem::exists(dir.file("p.downdrag.txt")), c.downdrag);
        const std::string report = test::read_file(dir.file("p.tv6o"));
        EXPECT_EQ(report.find("DAYS AFTER DRIVING") != std::string::npos, c.setup);
        if (c.setup) {
            EXPECT_NE(report.find("AT    30.00 DAYS AFTER DRIVING"), std::string::npos);
        }
        if (!c.downdrag) continue;
        const RunInput in = example("sand-over-clay-pipe-english");
        const DowndragResult d = compute_downdrag(in.in, in.cpt, {{0, 60}, {10, 0}}, 100);
        ASSERT_TRUE(d.solved);
        EXPECT_EQ(test::read_file(dir.file("p.downdrag.txt")), downdrag_results_text(d));
    }
    // A settlement file without a head load is a result without a solution that says so.
    dir.write("p.settlement.csv", "0,10\n60,0\n");
    std::istringstream names("2014.6.3\nTORVE\ntorve6\n0\n" + paths + "\n\n" + dir.file("p.settlement.csv") +
                             "\n" + dir.file("p.downdrag.txt") + "\n");
    std::ostringstream console;
    std::istringstream answers;
    run_from_names_file(names, console, answers);
    const std::string unsolved = test::read_file(dir.file("p.downdrag.txt"));
    EXPECT_EQ(unsolved.substr(0, 17), "solved,0\nmessage,");
    EXPECT_NE(unsolved.find("gives no head load"), std::string::npos) << unsolved;
}

}  // namespace
}  // namespace torve
