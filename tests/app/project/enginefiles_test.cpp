// The files this core writes run in the engine unchanged, and the plot file the engine writes for
// each example reads back with every number in its graph. Runs the engine through its C++
// interface; the desktop program itself never links the engine.
#include <gtest/gtest.h>

#include <QString>
#include <filesystem>
#include <optional>
#include <sstream>

#include "app/graph/readplotfile.h"
#include "app/project/programdata.h"
#include "app/project/workspace.h"
#include "engine/driver/input_reader.h"
#include "engine/driver/run_analysis.h"
#include "tests/support/scratch_dir.h"

namespace {

using namespace torve::app;
namespace fs = std::filesystem;

std::vector<fs::path> examples() {
    std::vector<fs::path> out;
    for (const auto& e : fs::directory_iterator(torve::test::source_path("examples")))
        if (e.path().extension() == ".tv6d") out.push_back(e.path());
    std::sort(out.begin(), out.end());
    return out;
}

torve::RunResult runEngine(const std::string& input) {
    torve::RunFiles f;
    f.input = input;
    f.report = fs::path(input).replace_extension(".tv6o").string();
    f.plot = fs::path(input).replace_extension(".tv6p").string();
    f.cpt = fs::path(input).replace_extension(".cpt").string();
    std::ostringstream console;
    return torve::run_analysis(f, console);
}

// The engine's reading of the file the core wrote equals its reading of the example, but for the
// offshore-data flag, which the core writes as its own edition (1).
void expectSameInput(const torve::InputData& a, const torve::InputData& b) {
    EXPECT_EQ(a.title, b.title);
    EXPECT_EQ(a.units, b.units);
    EXPECT_EQ(a.print_interval, b.print_interval);
    for (auto [x, y] : {std::pair{a.perimeter, b.perimeter},
                        {a.tip_area, b.tip_area},
                        {a.outside_diameter, b.outside_diameter},
                        {a.inside_diameter, b.inside_diameter},
                        {a.modulus, b.modulus},
                        {a.pile_length, b.pile_length},
                        {a.stickup_length, b.stickup_length},
                        {a.end_section_length, b.end_section_length},
                        {a.end_section_inside_diameter, b.end_section_inside_diameter},
                        {a.zero_friction_length, b.zero_friction_length},
                        {a.increment, b.increment},
                        {a.taper_angle, b.taper_angle},
                        {a.deepest_soil_depth, b.deepest_soil_depth},
                        {a.section_area, b.section_area},
                        {a.tension_factor, b.tension_factor},
                        {a.critical_depth, b.critical_depth}})
        EXPECT_EQ(x, y);
    EXPECT_EQ(a.pile_type, b.pile_type);
    EXPECT_EQ(a.load_transfer_method, b.load_transfer_method);
    EXPECT_EQ(a.selected, b.selected);
    ASSERT_EQ(a.soil.size(), b.soil.size());
    for (std::size_t i = 0; i < a.soil.size(); ++i) {
        const torve::SoilPoint &p = a.soil[i], &q = b.soil[i];
        for (auto [x, y] : {std::pair{p.depth, q.depth},
                            {static_cast<double>(p.soil_type), static_cast<double>(q.soil_type)},
                            {p.earth_pressure, q.earth_pressure},
                            {p.unit_weight, q.unit_weight},
                            {p.friction_angle, q.friction_angle},
                            {p.bearing_factor, q.bearing_factor},
                            {p.max_friction, q.max_friction},
                            {p.max_bearing, q.max_bearing},
                            {p.su, q.su},
                            {p.sur, q.sur},
                            {p.blow_count_ysr, q.blow_count_ysr},
                            {p.user_friction_read, q.user_friction_read},
                            {p.lrfd_friction, q.lrfd_friction},
                            {p.lrfd_bearing, q.lrfd_bearing},
                            {p.plasticity_index, q.plasticity_index},
                            {p.cone_resistance, q.cone_resistance}})
            EXPECT_EQ(x, y) << "soil point " << i + 1;
    }
    EXPECT_EQ(a.tz_print, b.tz_print);
    EXPECT_EQ(a.tz_print_depths, b.tz_print_depths);
    EXPECT_EQ(a.loading_type, b.loading_type);
    EXPECT_EQ(a.plug_condition, b.plug_condition);
    EXPECT_EQ(a.section_mode, b.section_mode);
    ASSERT_EQ(a.sections.size(), b.sections.size());
    for (std::size_t i = 0; i < a.sections.size(); ++i) {
        EXPECT_EQ(a.sections[i].depth, b.sections[i].depth);
        EXPECT_EQ(a.sections[i].area, b.sections[i].area);
    }
    EXPECT_EQ(a.critical_depth_option, b.critical_depth_option);
}

TEST(EngineFiles, SavedProjectsRunInTheEngine) {
    for (const fs::path& example : examples()) {
        SCOPED_TRACE(example.string());
        torve::test::ScratchDir dir;
        TWorkspace ws;
        TProgramData p(ws);
        p.ReadProject(QString::fromStdString(example.string()), true);
        p.FileName = QString::fromStdString(dir.file("same.tv6d"));
        p.SaveProject();
        const torve::RunResult same = runEngine(dir.file("same.tv6d"));
        EXPECT_EQ(same.status, torve::RunStatus::Completed) << same.message;
        EXPECT_EQ(same.stop, torve::RunStop::None) << same.message;
        expectSameInput(torve::parse_input_data(torve::test::read_file(example), "example"),
                        torve::parse_input_data(torve::test::read_file(dir.file("same.tv6d")), "saved"));
        const torve::CptProfile cpt =
            torve::parse_cpt_data(torve::test::read_file(dir.file("same.cpt")), "cpt");
        EXPECT_EQ(static_cast<int>(cpt.points.size()), p.CptCount);

        p.SetUnits(3 - p.Units);
        p.FileName = QString::fromStdString(dir.file("converted.tv6d"));
        p.SaveProject();
        const torve::RunResult converted = runEngine(dir.file("converted.tv6d"));
        EXPECT_EQ(converted.status, torve::RunStatus::Completed) << converted.message;
        EXPECT_EQ(converted.stop, torve::RunStop::None) << converted.message;
        EXPECT_EQ(converted.english, p.Units == 1);
    }
}

// Walks the plot file's numbers in the engine's block order and checks each against the graph the
// reader put it in, as far as the file goes; a file that ends early must fail the read.
TEST(EngineFiles, EnginePlotFilesReadBackNumberByNumber) {
    for (const fs::path& example : examples()) {
        SCOPED_TRACE(example.string());
        torve::test::ScratchDir dir;
        const std::string input = dir.file("p.tv6d");
        fs::copy_file(example, input);
        fs::copy_file(fs::path(example).replace_extension(".cpt"), dir.file("p.cpt"));
        ASSERT_EQ(runEngine(input).status, torve::RunStatus::Completed);

        std::istringstream words(torve::test::read_file(dir.file("p.tv6p")));
        std::vector<double> numbers;
        for (std::string w; words >> w;) numbers.push_back(std::stod(w));
        TWorkspace ws;
        TProgramData p(ws);
        p.ReadProject(QString::fromStdString(input), true);
        QString error;
        const bool read = ReadPlotFile(QString::fromStdString(dir.file("p.tv6p")), p, &error);

        std::size_t k = 0;
        auto next = [&]() -> std::optional<double> {
            if (k >= numbers.size()) return std::nullopt;
            return numbers[k++];
        };
        const bool complete = [&] {
            const auto m = next(), n = next(), u = next(), s = next();
            if (!s) return false;
            EXPECT_EQ(ws.pltSkin.LineCount(), static_cast<int>(*m));
            EXPECT_EQ(p.PlotRows, static_cast<int>(*n));
            EXPECT_EQ(ws.pltSkin.Units(), static_cast<int>(*u));
            for (int i = 0; i < *m; ++i) {
                for (std::size_t j = 0; j < static_cast<std::size_t>(*n); ++j) {
                    const auto d = next(), skin = next(), tip = next(), total = next(), unit = next();
                    if (!unit) return false;
                    EXPECT_EQ(ws.pltSkin.Line(i).Points[j].Y, *d);
                    EXPECT_EQ(ws.pltSkin.Line(i).Points[j].X, *skin);
                    EXPECT_EQ(ws.pltTip.Line(i).Points[j].X, *tip);
                    EXPECT_EQ(ws.pltTotal.Line(i).Points[j].X, *total);
                    EXPECT_EQ(ws.pltUSkin.Line(i).Points[j].X, *unit);
                }
            }
            auto tz = [&](TGraphPlot& plot) {
                const auto c = next();
                if (!c) return false;
                EXPECT_EQ(plot.LineCount(), static_cast<int>(*c));
                for (int i = 0; i < *c; ++i) {
                    next();
                    next();
                    if (!next()) return false;
                    for (std::size_t j = 0; j < 10; ++j) {
                        const auto t = next(), z = next();
                        if (!z) return false;
                        EXPECT_EQ(plot.Line(i).Points[j].Y, *t);
                        EXPECT_EQ(plot.Line(i).Points[j].X, *z);
                    }
                }
                return true;
            };
            if (!tz(ws.pltTZcurves)) return false;
            for (int level = 0; level < 9; ++level) {
                for (std::size_t j = 0; j < static_cast<std::size_t>(*n); ++j) {
                    const auto d = next(), load = next(), movement = next();
                    if (!movement) return false;
                    EXPECT_EQ(ws.pltLoad.Line(level).Points[j].Y, *d);
                    EXPECT_EQ(ws.pltLoad.Line(level).Points[j].X, *load);
                }
            }
            for (std::size_t level = 1; level <= 9; ++level) {
                const auto top = next(), topMove = next(), tip = next(), tipMove = next();
                if (!tipMove) return false;
                EXPECT_EQ(ws.pltAxial.Line(0).Points[level].X, *top);
                EXPECT_EQ(ws.pltAxial.Line(0).Points[level].Y, *topMove);
                EXPECT_EQ(ws.PltQw.Line(0).Points[level].X, *tip);
                EXPECT_EQ(ws.PltQw.Line(0).Points[level].Y, *tipMove);
            }
            return p.PrintExtraTz != 1 || tz(ws.PltExtraTZ);
        }();
        // The engine writes every block, so the reader takes every number and leaves none over.
        EXPECT_TRUE(complete);
        EXPECT_TRUE(read) << error.toStdString();
        EXPECT_EQ(k, numbers.size());
    }
}

}  // namespace
