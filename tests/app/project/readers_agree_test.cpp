// The desktop core reads a project file as the engine reads it: the two files that once read
// differently, and damaged variants of every example.
#include <gtest/gtest.h>

#include <QString>
#include <filesystem>
#include <random>

#include "app/project/project.h"
#include "app/project/projectfile.h"
#include "engine/driver/input_reader.h"
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

// Record 8 holds nine flags, and the Unified method's flag as a tenth on the same line only when it
// is set: a file of nine reads as before, and a save of a project without the method keeps nine.
TEST(ReadersAgree, UnifiedFlagInBothForms) {
    const std::string text = torve::test::read_file(
        torve::test::source_path("tests/reference/cases/unified-sand-over-clay-si.tv6d"));
    const std::string written = "0 0 0 1 0 0 0 0 1 1\n";
    const auto at = text.find(written);
    ASSERT_NE(at, std::string::npos);
    struct Case {
        const char* flags;
        bool unified;
        const char* saved;
    };
    const Case cases[] = {
        {"0 0 0 1 0 0 0 0 1 1\n", true, "\n0 0 0 1 0 0 0 0 1 1\n"},
        {"0 0 0 1 0 0 0 0 1\n", false, "\n0 0 0 1 0 0 0 0 1\n"},    // nine: the next record is not a flag
        {"0 0 0 1 0 0 0 0 1 0\n", false, "\n0 0 0 1 0 0 0 0 1\n"},  // a cleared tenth is not written
        // A value past the last flag is not one: it is not written back.
        {"0,0,0,1,0,0,0,0,1,1,0,7\n", true, "\n0 0 0 1 0 0 0 0 1 1\n"},
        {"0 0 0 1 0\n0 0 0 1 1\n", true, "\n0 0 0 1 0 0 0 0 1 1\n"},  // a record over two lines
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        std::string variant = text;
        variant.replace(at, written.size(), c.flags);
        EXPECT_EQ(torve::test::readersDisagree(variant), "");
        EXPECT_EQ(torve::parse_input_data(variant, "f").is_selected(torve::Method::Unified), c.unified);
        const QByteArray saved =
            ProjectFile::fromText(QByteArray::fromStdString(variant), ProjectFormat::Current).text();
        EXPECT_TRUE(saved.contains(c.saved)) << saved.toStdString();
    }
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
