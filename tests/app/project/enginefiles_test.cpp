// The files this core writes run in the engine unchanged, and the plot file the engine writes for
// each example reads back with every number in its graph. Runs the engine through its C++
// interface; the desktop program itself never links the engine.
#include <gtest/gtest.h>

#include <QString>
#include <filesystem>
#include <optional>
#include <sstream>

#include "app/controls/usererror.h"
#include "app/project/precheck.h"
#include "app/project/project.h"
#include "engine/driver/run_analysis.h"
#include "tests/app/project/engineinput.h"
#include "tests/support/damage.h"
#include "tests/support/scratch_dir.h"

namespace {

using namespace torve::app;
using torve::UnitSystem;
namespace fs = std::filesystem;

void saveAs(Project& p, const std::string& path) {
    ProjectData data = p.data();
    data.fileName = QString::fromStdString(path);
    p.setData(data);
    p.saveProject();
}

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

TEST(EngineFiles, SavedProjectsRunInTheEngine) {
    for (const fs::path& example : examples()) {
        SCOPED_TRACE(example.string());
        torve::test::ScratchDir dir;
        Project p;
        p.readProject(QString::fromStdString(example.string()), ProjectFormat::Current);
        saveAs(p, dir.file("same.tv6d"));
        const torve::RunResult same = runEngine(dir.file("same.tv6d"));
        EXPECT_EQ(same.status, torve::RunStatus::Completed) << same.message;
        EXPECT_EQ(same.stop, torve::RunStop::None) << same.message;
        expectSameEngineInput(torve::test::read_file(example), torve::test::read_file(dir.file("same.tv6d")));
        EXPECT_EQ(engineCptPointCount(torve::test::read_file(dir.file("same.cpt"))),
                  p.data().cptPoints.size());

        p.setUnits(p.data().units == UnitSystem::English ? UnitSystem::SI : UnitSystem::English);
        saveAs(p, dir.file("converted.tv6d"));
        const torve::RunResult converted = runEngine(dir.file("converted.tv6d"));
        EXPECT_EQ(converted.status, torve::RunStatus::Completed) << converted.message;
        EXPECT_EQ(converted.stop, torve::RunStop::None) << converted.message;
        EXPECT_EQ(converted.english, p.data().units == UnitSystem::English);
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
        Project p;
        p.readProject(QString::fromStdString(input), ProjectFormat::Current);
        QString error;
        bool read = true;
        try {
            p.readResults(QString::fromStdString(dir.file("p.tv6p")));
        } catch (const UserError& e) {
            read = false;
            error = e.message();
        }
        const Graph& skin = p.graph(ResultGraph::SkinFriction);
        const Graph& load = p.graph(ResultGraph::LoadDistribution);
        const Graph& axial = p.graph(ResultGraph::LoadSettlement);
        const Graph& qw = p.graph(ResultGraph::TipQw);

        std::size_t k = 0;
        auto next = [&]() -> std::optional<double> {
            if (k >= numbers.size()) return std::nullopt;
            return numbers[k++];
        };
        const bool complete = [&] {
            const auto m = next(), n = next(), u = next(), s = next();
            if (!s) return false;
            // The graphs show S.I. movements in millimetres, the file holds metres.
            const double mm = *u == 1 ? 1.0 : 1000.0;
            EXPECT_EQ(skin.lineCount(), static_cast<int>(*m));
            EXPECT_EQ(p.results().plotRows(), static_cast<int>(*n));
            EXPECT_EQ(skin.units(), static_cast<int>(*u));
            for (int i = 0; i < *m; ++i) {
                for (std::size_t j = 0; j < static_cast<std::size_t>(*n); ++j) {
                    const auto d = next(), skinFriction = next(), tip = next(), total = next(), unit = next();
                    if (!unit) return false;
                    EXPECT_EQ(skin.line(i).points[j].y(), *d);
                    EXPECT_EQ(skin.line(i).points[j].x(), *skinFriction);
                    EXPECT_EQ(p.graph(ResultGraph::TipResistance).line(i).points[j].x(), *tip);
                    EXPECT_EQ(p.graph(ResultGraph::TotalCapacity).line(i).points[j].x(), *total);
                    EXPECT_EQ(p.graph(ResultGraph::UnitSkinFriction).line(i).points[j].x(), *unit);
                }
            }
            auto tz = [&](const Graph& plot) {
                const auto c = next();
                if (!c) return false;
                EXPECT_EQ(plot.lineCount(), static_cast<int>(*c));
                for (int i = 0; i < *c; ++i) {
                    next();
                    next();
                    if (!next()) return false;
                    for (std::size_t j = 0; j < 10; ++j) {
                        const auto t = next(), z = next();
                        if (!z) return false;
                        EXPECT_EQ(plot.line(i).points[j].y(), *t);
                        EXPECT_EQ(plot.line(i).points[j].x(), *z * mm);
                    }
                }
                return true;
            };
            if (!tz(p.graph(ResultGraph::TzCurves))) return false;
            for (int level = 0; level < 9; ++level) {
                for (std::size_t j = 0; j < static_cast<std::size_t>(*n); ++j) {
                    const auto d = next(), axialLoad = next(), movement = next();
                    if (!movement) return false;
                    EXPECT_EQ(load.line(level).points[j].y(), *d);
                    EXPECT_EQ(load.line(level).points[j].x(), *axialLoad);
                }
            }
            for (std::size_t level = 1; level <= 9; ++level) {
                const auto top = next(), topMove = next(), tip = next(), tipMove = next();
                if (!tipMove) return false;
                EXPECT_EQ(axial.line(0).points[level].x(), *top);
                EXPECT_EQ(axial.line(0).points[level].y(), *topMove * mm);
                EXPECT_EQ(qw.line(0).points[level].x(), *tip);
                EXPECT_EQ(qw.line(0).points[level].y(), *tipMove * mm);
            }
            return !p.data().printExtraTz || tz(p.graph(ResultGraph::ExtraTzCurves));
        }();
        // The engine writes every block, so the reader takes every number and leaves none over.
        EXPECT_TRUE(complete);
        EXPECT_TRUE(read) << error.toStdString();
        EXPECT_EQ(k, numbers.size());
    }
}

// A project the check before a run clears runs to its results, both as the program saves it and as
// its file stands; damaged examples give both outcomes.
TEST(EngineFiles, ProjectsTheCheckClearsRunToTheirResults) {
    std::mt19937 rng(torve::test::damage_seed(20261215u));
    torve::test::ScratchDir dir;
    int cleared = 0, refused = 0;
    auto runs = [](const std::string& input) {
        const torve::RunResult r = runEngine(input);
        return r.status == torve::RunStatus::Completed && r.stop == torve::RunStop::None;
    };
    for (const fs::path& example : examples()) {
        const std::string text = torve::test::read_file(example);
        dir.write("d.cpt", torve::test::read_file(fs::path(example).replace_extension(".cpt")));
        for (int trial = 0; trial < 100; ++trial) {
            const std::string damaged = torve::test::damage_numbers(text, rng);
            const QString path = QString::fromStdString(dir.write("d.tv6d", damaged));
            Project p;
            try {
                p.readProject(path, ProjectFormat::Current);
            } catch (const UserError&) {
                continue;
            }
            // As the file stands, the engine refuses exactly what the checks refuse, the first of them.
            const std::vector<Finding> standing = torve::check_project(
                ProjectFile::read(path, ProjectFormat::Current).records,
                torve::read_cpt_records(torve::test::read_file(dir.file("d.cpt")), "d.cpt").records);
            const bool standsClear = canRun(standing);
            const torve::RunResult r = runEngine(dir.file("d.tv6d"));
            if (const Finding* refused = torve::first_refusal(standing)) {
                EXPECT_EQ(r.status, torve::RunStatus::InputError) << damaged;
                EXPECT_TRUE(r.message.ends_with(": " + refused->message)) << r.message << "\n"
                                                                          << refused->message;
            } else if (r.status != torve::RunStatus::Completed) {
                ADD_FAILURE() << r.message << "\n" << damaged;
            }
            EXPECT_TRUE((r.status == torve::RunStatus::Completed && r.stop == torve::RunStop::None) ||
                        !standsClear)
                << damaged;
            const bool savedClear = canRun(precheck(p));
            saveAs(p, dir.file("s.tv6d"));  // as the program hands it to the engine
            EXPECT_TRUE(runs(dir.file("s.tv6d")) || !savedClear) << damaged;
            cleared += savedClear ? 1 : 0;
            refused += standsClear ? 0 : 1;
        }
    }
    EXPECT_GT(cleared, 20);
    EXPECT_GT(refused, 20);
}

}  // namespace
