// Project files and plot files in any state: reading either one never crashes the program, fails
// only with the reader's own located error, and a project that reads can be saved again.
#include <gtest/gtest.h>

#include <QString>
#include <filesystem>

#include "app/graph/einouterror.h"
#include "app/graph/readplotfile.h"
#include "app/project/programdata.h"
#include "app/project/workspace.h"
#include "engine/driver/run_analysis.h"
#include "tests/support/damage.h"
#include "tests/support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;
using torve::app::EInOutError;
using torve::app::ReadPlotFile;
using torve::app::TProgramData;
using torve::app::TWorkspace;

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
            TWorkspace ws;
            TProgramData p(ws);
            try {
                p.ReadProject(q(path), true);
            } catch (const EInOutError& e) {
                EXPECT_FALSE(e.message().isEmpty());
                ++refused;
                continue;
            }
            ++read;
            p.FileName = q(dir.file("saved.tv6d"));
            p.SaveProject();
        }
    }
    EXPECT_GT(read, 50);
    EXPECT_GT(refused, 50);
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
        TWorkspace ws;
        TProgramData project(ws);
        project.ReadProject(q(files.input), true);
        for (int trial = 0; trial < 150; ++trial) {
            const std::string path = dir.write("d.tv6p", torve::test::damage_numbers(plot, rng));
            QString error;
            if (ReadPlotFile(q(path), project, &error)) {
                ++complete;
            } else {
                EXPECT_FALSE(error.isEmpty());
                ++failed;
            }
        }
    }
    EXPECT_GT(complete, 20);
    EXPECT_GT(failed, 20);
}

}  // namespace
