// Project files and plot files in any state: reading either one never crashes the program, fails
// only with the reader's own located error, and a project that reads can be saved again.
#include <gtest/gtest.h>

#include <QString>
#include <filesystem>

#include "app/controls/usererror.h"
#include "app/project/project.h"
#include "engine/driver/input_reader.h"
#include "engine/driver/run_analysis.h"
#include "engine/model/input_error.h"
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

// One damaged project, two front ends: the engine (and the Python module, which says what it says)
// names file, record and line in its words, the desktop program the line and item in its word
// reader's; a value the engine refuses is the check's before a run, not the reader's, so the desktop
// opens the file.
TEST(DamagedFiles, BothFrontEndsSayWhatIsWrongInTheirWords) {
    torve::test::ScratchDir dir;
    const std::string example =
        torve::test::read_file(torve::test::source_path("examples/open-pipe-offshore-si.tv6d"));
    // The example's lines, from 1: 4 "2 4 6", 5 the pile section, 10 to 21 the soil points, 22 the
    // t-z print flag "0", 23 to 26 records 12 to 15.
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < example.size();) {
        const std::size_t end = example.find('\n', at);
        lines.push_back(example.substr(at, end - at));
        at = end + 1;
    }
    const auto with = [&](std::size_t line, const std::string& text, std::size_t keep = 0) {
        std::string out;
        for (std::size_t i = 0; i < (keep ? keep : lines.size()); ++i)
            out += (i + 1 == line ? text : lines[i]) + '\n';
        return out;
    };
    const std::string file = "Input data file \"" + dir.file("d.tv6d") + "\", ";
    const struct {
        std::string text;
        std::string engine;   // after `Input data file "<path>", `
        std::string desktop;  // empty: the desktop program opens the file
    } cases[] = {
        {with(5, "0 0 914 x 210000000 40 10"),
         "record 5 (pile section), line 5: expected a finite number for the inside diameter, found \"x\".",
         "Error on Line 5 Item 4\rA floating point number was expected but not found."},
        {with(4, "2 4.5 6"),
         "record 4 (units, print interval, soil points), line 4: expected a whole number for the print "
         "interval, "
         "found \"4.5\".",
         "Error on Line 4 Item 2\rAn integer was expected but not found."},
        {with(10, "0.0 3 0.0 7.0 0.0 0.0"),
         "record 10 (soil point 1 of 6, first line), line 10: expected a soil-type code of 1 (sand) or 2 "
         "(clay), found 3.",
         "Error on Line 10 Item 2\rA soil type of 1 (sand) or 2 (clay) was expected but not found."},
        // Cut after the third soil point.
        {with(0, "", 15), "record 10 (soil point 4 of 6, first line): the file ends before the depth.",
         "Error on Line 4 Item 3\r6 soil points were announced, but the file ends before all of them: it is "
         "cut "
         "short."},
        {with(0, "", 22), "record 12 (loading): the file ends before the loading type code.",
         "This file either invalid or incomplete.\rFile " + dir.file("d.tv6d") +
             " ends after line 22, where the loading type code of record 12 (loading) was expected."},
        // 82 soil points where 8 at most would fit in the rest of the file.
        {with(4, "2 4 82"),
         "record 4 (units, print interval, soil points), line 4: expected from 2 to 80 soil points (a top "
         "and a "
         "bottom point per layer), found 82.",
         "Error on Line 4 Item 3\rA number of soil points from 0 to 8 was expected but not found."},
        {with(22, "1 -2"),
         "record 11 (t-z print depths), line 22: expected from 0 to 100 t-z print depths, found -2.",
         "Error on Line 22 Item 2\rA number of t-z print depths from 0 to 8 was expected but not found."},
        {with(5, "0 0 914 864 210000000 0 10"),
         "record 5 (pile section), line 5: expected a positive total pile length, found 0.", ""},
        {with(25, "0 -1"),
         "record 14 (cross-section table), line 25: expected a section mode of 0, 1 or 2, found -1.", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.engine);
        const std::string path = dir.write("d.tv6d", c.text);
        try {
            torve::parse_input_data(c.text, path);
            ADD_FAILURE() << "the engine read it";
        } catch (const torve::InputError& e) {
            EXPECT_EQ(e.what(), file + c.engine);
        }
        Project p;
        try {
            p.readProject(q(path), ProjectFormat::Current);
            EXPECT_EQ(c.desktop, "");
        } catch (const UserError& e) {
            EXPECT_EQ(e.message().toStdString(), c.desktop);
        }
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
