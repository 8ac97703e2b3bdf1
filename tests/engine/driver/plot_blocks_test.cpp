// The plot data file read the way the desktop program reads it: a stream of numbers whose counts
// follow from the header. Every block must hold exactly what the reader takes, or every later
// number shifts.
#include <gtest/gtest.h>

#include <sstream>

#include "engine/driver/run_analysis.h"
#include "tests/support/project_text.h"
#include "tests/support/scratch_dir.h"

namespace torve {
namespace {

struct PlotBlocks {
    int curves = 0, rows = 0, units = 0, method = 0;
    std::vector<std::vector<double>> capacity;       // per row of every curve: 5 values
    std::vector<std::pair<double, int>> tz_headers;  // depth, points of the block-3 curves
    std::vector<std::vector<double>> distribution;   // 9 x rows x (depth, load, movement)
    std::vector<std::vector<double>> settlement;     // 9 x 4
    std::vector<double> extra_depths;                // block 6 curve depths
    bool consumed_all = false;
};

PlotBlocks read_blocks(const std::string& text, bool extra_tz) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    PlotBlocks b;
    auto num = [&] {
        double v = 0;
        in >> v;
        if (!in) throw std::runtime_error("plot file ends early");
        return v;
    };
    b.curves = static_cast<int>(num());
    b.rows = static_cast<int>(num());
    b.units = static_cast<int>(num());
    b.method = static_cast<int>(num());
    for (int i = 0; i < b.curves * b.rows; ++i) b.capacity.push_back({num(), num(), num(), num(), num()});
    auto curves = [&](bool keep) {
        const int n = static_cast<int>(num());
        for (int c = 0; c < n; ++c) {
            num();
            const int points = static_cast<int>(num());
            const double depth = num();
            if (keep)
                b.tz_headers.emplace_back(depth, points);
            else
                b.extra_depths.push_back(depth);
            for (int k = 0; k < 2 * 10; ++k) num();
        }
    };
    curves(true);
    for (int level = 0; level < 9; ++level) {
        std::vector<double> v;
        for (int r = 0; r < b.rows; ++r) {
            v.push_back(num());
            v.push_back(num());
            v.push_back(num());
        }
        b.distribution.push_back(v);
    }
    for (int level = 0; level < 9; ++level) b.settlement.push_back({num(), num(), num(), num()});
    if (extra_tz) curves(false);
    std::string rest;
    b.consumed_all = !(in >> rest);
    return b;
}

std::string run_to_plot(const test::ScratchDir& dir, const std::string& project, const std::string& cpt,
                        const std::string& name, std::string* report = nullptr) {
    RunFiles f{dir.write(name + ".tv6d", project), dir.file(name + ".tv6o"), dir.file(name + ".tv6p"),
               dir.write(name + ".cpt", cpt)};
    std::ostringstream console;
    const RunResult r = run_analysis(f, console);
    EXPECT_EQ(r.status, RunStatus::Completed) << r.message;
    if (report) *report = test::read_file(f.report);
    return test::read_file(f.plot);
}

TEST(PlotFileLayout, EveryExampleReadsBackInStep) {
    test::ScratchDir dir;
    for (const char* name : {"sand-over-clay-pipe-english", "open-pipe-offshore-si"}) {
        const std::string base = std::string("examples/") + name;
        const std::string project = test::read_file(test::source_path(base + ".tv6d"));
        const bool extra =
            project.find("\n1 3\n") != std::string::npos;  // the English example prints 3 depths
        const PlotBlocks b = read_blocks(
            run_to_plot(dir, project, test::read_file(test::source_path(base + ".cpt")), name), extra);
        EXPECT_TRUE(b.consumed_all) << name;
        ASSERT_GE(b.curves, 1);
        for (const auto& h : b.tz_headers) EXPECT_EQ(h.second, 10);
        // Block 4: the depths of every load level are the printed penetration depths of block 2.
        for (const auto& level : b.distribution) {
            for (int r = 0; r < b.rows; ++r)
                EXPECT_DOUBLE_EQ(level[static_cast<std::size_t>(3 * r)],
                                 b.capacity[static_cast<std::size_t>(r)][0]);
        }
    }
}

TEST(PlotFileLayout, ExtraCurvesOutsideTheSoilAreLeftOut) {
    test::ScratchDir dir;
    ProjectRecords p = test::project();
    test::add_layer(p, test::sand_layer(0, 30, 60, 30, 0.8, 20));
    test::add_layer(p, test::clay_layer(30, 100, 50, 1500, 700));
    p.t_z_print_flag = 1;
    p.t_z_print_depths = {10, 150, 45, -2};
    std::string report;
    const PlotBlocks b = read_blocks(run_to_plot(dir, test::text_of(p), " 1 0\n", "p", &report), true);
    EXPECT_TRUE(b.consumed_all);
    ASSERT_EQ(b.extra_depths.size(), 2u);
    EXPECT_DOUBLE_EQ(b.extra_depths[0], 10);
    EXPECT_DOUBLE_EQ(b.extra_depths[1], 45);
    std::size_t not_printed = 0;
    for (std::size_t pos = 0;
         (pos = report.find("               CURVE NOT PRINTED SINCE DEPTH OUTSIDE SOIL RANGE\n", pos)) !=
         std::string::npos;
         ++pos) {
        ++not_printed;
    }
    EXPECT_EQ(not_printed, 2u);
    EXPECT_NE(report.find("* COMPUTE INTERNALLY-GENERATED LOAD-TRANSFER    *\n"
                          "                * (t-z) CURVES FOR VERIFICATION                 *\n"),
              std::string::npos);

    p.t_z_print_flag = 0;  // without the flag the file ends after block 5
    const PlotBlocks none = read_blocks(run_to_plot(dir, test::text_of(p), " 1 0\n", "q"), false);
    EXPECT_TRUE(none.consumed_all);
}

TEST(LoadSettlementCheck, PileWithoutShaftFrictionCarriesTheTipLoadToTheHead) {
    test::ScratchDir dir;
    ProjectRecords p =
        test::project();  // 24 in solid pile, 60 ft, E 29e6 psi, constant area 100 in2, no stickup
    test::add_layer(p, test::sand_layer(0, 100, 60, 30, 0.8, 20));
    p.zero_friction_length =
        70;  // friction ignored over the whole length (a row exactly at this length still takes it)
    p.section_mode = 1;
    p.cross_section_area = 100;
    const PlotBlocks b = read_blocks(run_to_plot(dir, test::text_of(p), " 1 0\n", "p"), false);
    for (const auto& level : b.settlement) {
        EXPECT_DOUBLE_EQ(level[0], level[2]);
        // elastic shortening P L / (A E): kips x 1000 x 720 in / (100 in2 x 29e6 psi)
        // (the file prints four significant digits of each movement)
        EXPECT_NEAR(level[1] - level[3], level[2] * 1000 * 720 / (100 * 29e6), 5e-4 * (level[1] + level[3]));
    }
}

// An example project with a print interval of 1, so that its capacity curves in the plot file
// give the skin friction at every increment.
std::string every_row(const std::string& base) {
    std::istringstream text(test::read_file(test::source_path(base + ".tv6d")));
    std::string out, line;
    for (int k = 1; std::getline(text, line); ++k) {
        if (k == 4) {  // record 4: unit code, print interval, soil points
            std::istringstream record(line);
            int units = 0, interval = 0, points = 0;
            record >> units >> interval >> points;
            line = std::to_string(units) + " 1 " + std::to_string(points);
        }
        out += line + "\n";
    }
    return out;
}

TEST(LoadSettlementCheck, EnglishExampleAgreesWithAnIndependentSolution) {
    test::ScratchDir dir;
    const std::string base = "examples/sand-over-clay-pipe-english";
    const PlotBlocks b = read_blocks(
        run_to_plot(dir, every_row(base), test::read_file(test::source_path(base + ".cpt")), "e"), true);
    // Head load (kips) and head movement (in) of the pile integrated by Runge-Kutta from the tip in
    // 20000 steps, with the API RP 2A skin friction of the plot file and its curves' shapes:
    // tests/data/independent_settlement.py PLOT 24 60 5 29000000 "0:36.91,50:36.91,60:54.78" --table 4
    // (print interval 1). The plateau, 615.55 kips, is the skin friction 326.8 plus the tip's 301.5
    // kips less a tenth of the clay's friction (its residual 0.9 tmax).
    const double expected[9][2] = {{74.30, 0.0508744}, {146.44, 0.100996}, {266.83, 0.194008},
                                   {469.62, 0.582031}, {540.25, 1.32784},  {585.45, 2.10302},
                                   {615.55, 2.77178},  {615.55, 3.97178},  {615.55, 5.17178}};
    for (std::size_t k = 0; k < 9; ++k) {
        EXPECT_NEAR(b.settlement[k][0], expected[k][0], 0.01 * expected[k][0]) << k;
        EXPECT_NEAR(b.settlement[k][1], expected[k][1], 0.01 * expected[k][1]) << k;
    }
}

TEST(LoadSettlementCheck, SiExampleAgreesWithAnIndependentSolution) {
    test::ScratchDir dir;
    const std::string base = "examples/open-pipe-offshore-si";
    const PlotBlocks b = read_blocks(
        run_to_plot(dir, every_row(base), test::read_file(test::source_path(base + ".cpt")), "s"), false);
    // Head load (kN) and head movement (m) from tests/data/independent_settlement.py with --si:
    // 914 mm pipe, 40 m embedded, 10 m stickup, E 2.1e8 kPa, area 0.0698 m2 (print interval 1). A
    // movement tolerance of 0.0001 m instead of 0.0001 in would put the first level 3 % low.
    const double expected[9][2] = {{4515.67, 0.0106806}, {6826.51, 0.0174293},  {8898.25, 0.0249933},
                                   {10729.35, 0.041331}, {12382.35, 0.0734795}, {13374.35, 0.105193},
                                   {14036.35, 0.132132}, {14036.35, 0.177832},  {14036.35, 0.223532}};
    for (std::size_t k = 0; k < 9; ++k) {
        EXPECT_NEAR(b.settlement[k][0], expected[k][0], 0.01 * expected[k][0]) << k;
        EXPECT_NEAR(b.settlement[k][1], expected[k][1], 0.01 * expected[k][1]) << k;
    }
}

}  // namespace
}  // namespace torve
