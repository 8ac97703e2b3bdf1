// Project files and plot files in any state: reading either one never crashes the program, fails
// only with the reader's own located error, and a project that reads can be saved again.
#include <gtest/gtest.h>

#include <QString>
#include <filesystem>

#include "app/controls/usererror.h"
#include "app/project/project.h"
#include "engine/driver/run_analysis.h"
#include "tests/support/damage.h"
#include "tests/support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;
using torve::app::Project;
using torve::app::ProjectData;
using torve::app::ProjectFormat;
using torve::app::UserError;

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

TEST(DamagedFiles, ProjectFilesReadOrFailWithAMessage) {
    torve::test::ScratchDir dir;
    std::mt19937 rng(torve::test::damage_seed(20261208u));
    int read = 0, refused = 0;
    for (const auto& entry : fs::directory_iterator(torve::test::source_path("examples"))) {
        if (entry.path().extension() != ".tv6d") continue;
        const std::string text = torve::test::read_file(entry.path());
        for (int trial = 0; trial < 150; ++trial) {
            const std::string path = dir.write("d.tv6d", torve::test::damage_numbers(text, rng));
            Project p;
            try {
                p.readProject(q(path), ProjectFormat::Current);
            } catch (const UserError& e) {
                EXPECT_FALSE(e.message().isEmpty());
                ++refused;
                continue;
            }
            ++read;
            ProjectData data = p.data();
            data.fileName = q(dir.file("saved.tv6d"));
            p.setData(data);
            p.saveProject();
        }
    }
    EXPECT_GT(read, 50);
    EXPECT_GT(refused, 50);
}

// A project cut short after 3 of its 6 soil points says so, with the count it announced, rather than
// asking for a smaller count.
TEST(DamagedFiles, AProjectCutShortSaysSo) {
    torve::test::ScratchDir dir;
    const std::string text =
        torve::test::read_file(torve::test::source_path("examples/sand-over-clay-pipe-english.tv6d"));
    // Line 10 starts the soil points, two lines each: keep the lines up to the third point.
    std::size_t at = 0;
    for (int line = 0; line < 9 + 3 * 2; ++line) at = text.find('\n', at) + 1;
    Project p;
    try {
        p.readProject(q(dir.write("cut.tv6d", text.substr(0, at))), ProjectFormat::Current);
        FAIL() << "a cut project was read";
    } catch (const UserError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral(
            "6 soil points were announced, but the file ends before all of them: it is cut short.")))
            << e.message().toStdString();
    }
}

TEST(DamagedFiles, PlotFilesReadOrFailWithAMessage) {
    torve::test::ScratchDir dir;
    std::mt19937 rng(torve::test::damage_seed(20261209u));
    int complete = 0, failed = 0;
    for (const auto& entry : fs::directory_iterator(torve::test::source_path("examples"))) {
        if (entry.path().extension() != ".tv6d") continue;
        fs::copy_file(entry.path(), dir.path() / "p.tv6d", fs::copy_options::overwrite_existing);
        fs::copy_file(fs::path(entry.path()).replace_extension(".cpt"), dir.path() / "p.cpt",
                      fs::copy_options::overwrite_existing);
        torve::RunFiles files{dir.file("p.tv6d"), dir.file("p.tv6o"), dir.file("p.tv6p"), dir.file("p.cpt")};
        std::ostringstream console;
        ASSERT_EQ(torve::run_analysis(files, console).status, torve::RunStatus::Completed);
        const std::string plot = torve::test::read_file(files.plot);
        Project project;
        project.readProject(q(files.input), ProjectFormat::Current);
        for (int trial = 0; trial < 150; ++trial) {
            const std::string path = dir.write("d.tv6p", torve::test::damage_numbers(plot, rng));
            try {
                project.readResults(q(path));
                ++complete;
            } catch (const UserError& e) {
                EXPECT_FALSE(e.message().isEmpty());
                ++failed;
            }
        }
    }
    EXPECT_GT(complete, 20);
    EXPECT_GT(failed, 20);
}

}  // namespace
