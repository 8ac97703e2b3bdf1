// The desktop core reads a project file as the engine reads it: the two files that once read
// differently, and damaged variants of every example.
#include <gtest/gtest.h>

#include <QString>
#include <filesystem>
#include <random>

#include "app/project/project.h"
#include "tests/app/project/engineinput.h"
#include "tests/app/project/readersagree.h"
#include "tests/support/damage.h"
#include "tests/support/scratch_dir.h"

namespace {

using namespace torve::app;
namespace fs = std::filesystem;

// one-section-row.tv6d: section mode 2 with a single row (0, 36.91). stray-value-on-tz-line.tv6d: a
// 99 left over on the t-z print line "1 3 99", which the engine passes over.
TEST(ReadersAgree, FilesThatOnceReadDifferently) {
    for (const char* name : {"one-section-row", "stray-value-on-tz-line"}) {
        SCOPED_TRACE(name);
        const std::string path =
            torve::test::source_path(std::string("tests/data/reproducers/") + name + ".tv6d");
        const std::string text = torve::test::read_file(path);
        EXPECT_EQ(torve::test::readersDisagree(text), "");
        torve::test::ScratchDir dir;
        Project p;
        p.readProject(QString::fromStdString(path), ProjectFormat::Current);
        ProjectData data = p.data();
        data.fileName = QString::fromStdString(dir.file("saved.tv6d"));
        p.setData(data);
        p.saveProject();
        expectSameEngineInput(text, torve::test::read_file(dir.file("saved.tv6d")));
    }
    Project one;
    one.readProject(
        QString::fromStdString(torve::test::source_path("tests/data/reproducers/one-section-row.tv6d")),
        ProjectFormat::Current);
    ASSERT_EQ(one.tables().sectionAreas.rowCount(), 1);  // one row, not padded to the table's two
    EXPECT_EQ(one.tables().sectionAreas.cell(1, 0).toDouble(), 36.91);
    EXPECT_EQ(one.data().criticalDepthOption, torve::CriticalDepthOption::FromDensity);
}

TEST(ReadersAgree, DamagedExamples) {
    std::mt19937 rng(torve::test::damage_seed(20261214u));
    for (const auto& entry : fs::directory_iterator(torve::test::source_path("examples"))) {
        if (entry.path().extension() != ".tv6d") continue;
        const std::string text = torve::test::read_file(entry.path());
        for (int trial = 0; trial < 300; ++trial) {
            const std::string damaged = torve::test::damage_numbers(text, rng);
            EXPECT_EQ(torve::test::readersDisagree(damaged), "") << damaged;
        }
    }
}

}  // namespace
