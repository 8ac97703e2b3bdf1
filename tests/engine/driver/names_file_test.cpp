// The file of names: eight lines, and the console questions when path lines are missing.
#include "engine/driver/names_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

#include "engine/driver/input_error.h"

namespace torve {
namespace {

TEST(NamesFile, ReadsEightLinesAndTrimsPaths) {
    std::istringstream names(
        "2014.6.3 and more\r\nid one\r\nid two\r\n 7\r\n/p/a.tv6d   "
        "\r\n/p/a.tv6o\r\n/p/a.tv6p\r\n/p/a.cpt\r\n");
    std::ostringstream console;
    std::istringstream answers;
    const NamesFile nf = read_names_file(names, console, answers);
    EXPECT_EQ(nf.version, "2014.6.3 and");  // first 12 characters
    EXPECT_EQ(nf.input, "/p/a.tv6d");
    EXPECT_EQ(nf.report, "/p/a.tv6o");
    EXPECT_EQ(nf.plot, "/p/a.tv6p");
    EXPECT_EQ(nf.cpt, "/p/a.cpt");
    EXPECT_EQ(console.str(), "");
}

TEST(NamesFile, MissingPathLinesAreAskedForOnTheConsole) {
    std::istringstream names("v\na\nb\n0\n");
    std::ostringstream console;
    std::istringstream answers("in.tv6d\nout.tv6o\nplot.tv6p\n");
    const NamesFile nf = read_names_file(names, console, answers);
    EXPECT_EQ(nf.input, "in.tv6d");
    EXPECT_EQ(nf.report, "out.tv6o");
    EXPECT_EQ(nf.plot, "plot.tv6p");
    EXPECT_EQ(nf.cpt, "");
    EXPECT_EQ(console.str(),
              "\n\n       ENTER A FILE NAME FOR YOUR INPUT FILE.\n ENTER >\n"
              "\n\n       ENTER A FILE NAME FOR YOUR OUTPUT FILE.\n ENTER >\n"
              "\n\n       ENTER A FILE NAME FOR YOUR GRAPHIC DATA FILE.\n ENTER >\n");
}

TEST(NamesFile, CptPathKeepsWhatWasReadBeforeTheGap) {
    std::istringstream names("v\na\nb\n0\nx.tv6d\nx.tv6o\nx.tv6p\n");  // line 8 missing
    std::ostringstream console;
    std::istringstream answers("i\no\np\n");
    const NamesFile nf = read_names_file(names, console, answers);
    EXPECT_EQ(nf.input, "i");
    EXPECT_EQ(nf.cpt, "");
}

TEST(NamesFile, ClosedConsoleGivesEmptyPathsInsteadOfHanging) {
    std::istringstream names("v\na\nb\n0\n");
    std::ostringstream console;
    std::istringstream answers("");
    const NamesFile nf = read_names_file(names, console, answers);
    EXPECT_EQ(nf.input, "");
    EXPECT_EQ(nf.report, "");
}

// A path cut to the 255 characters the engine takes would name another file, where the report would
// go; 255 characters (trailing blanks aside) are read, 256 are refused, from the file and the console.
TEST(NamesFile, PathsLongerThanTheLimitAreRefusedNotCut) {
    const std::string longest = "/" + std::string(254, 'p');
    const std::string longer = longest + "q";
    std::ostringstream console;
    std::istringstream answers(longer + "\n");
    std::istringstream fits("v\na\nb\n0\n" + longest + "   \nr\np\nc\n");
    EXPECT_EQ(read_names_file(fits, console, answers).input, longest);
    std::istringstream too_long("v\na\nb\n0\ni\n" + longer + "\np\nc\n");
    try {
        read_names_file(too_long, console, answers);
        FAIL();
    } catch (const InputError& e) {
        EXPECT_NE(std::string(e.what()).find("line 6: the path is 256 characters long; at most 255"),
                  std::string::npos)
            << e.what();
    }
    std::istringstream asks("v\na\nb\n0\n");
    EXPECT_THROW(read_names_file(asks, console, answers), InputError);
}

TEST(NamesFile, FirstFourLinesAreRequired) {
    std::ostringstream console;
    std::istringstream answers;
    std::istringstream three("v\na\nb\n");
    EXPECT_THROW(read_names_file(three, console, answers), InputError);
    std::istringstream bad_id("v\na\nb\nseven\n");
    try {
        read_names_file(bad_id, console, answers);
        FAIL();
    } catch (const InputError& e) {
        EXPECT_STREQ(e.what(),
                     "The file of names \"names.dat\", line 4: expected a whole identification number, found "
                     "\"seven\".");
    }
}

TEST(NamesFile, SetupAndDowndragLinesAfterThePaths) {
    struct Case {
        const char* tail;  // lines 9 on
        std::optional<double> days, a;
        const char* settlement;
        const char* downdrag;
    };
    const Case cases[] = {
        {"", std::nullopt, std::nullopt, "", ""},
        {"30\n", 30.0, std::nullopt, "", ""},
        {"30\n0.35\n", 30.0, 0.35, "", ""},
        {"  10.5  \r\n\r\n/p/a.settlement.csv \r\n/p/a.downdrag.txt\r\n", 10.5, std::nullopt,
         "/p/a.settlement.csv", "/p/a.downdrag.txt"},
        {"\n\n/p/a.settlement.csv\n", std::nullopt, std::nullopt, "/p/a.settlement.csv", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tail);
        std::istringstream names(std::string("v\na\nb\n0\n/p/a.tv6d\n/p/a.tv6o\n/p/a.tv6p\n/p/a.cpt\n") +
                                 c.tail);
        std::ostringstream console;
        std::istringstream answers;
        const NamesFile nf = read_names_file(names, console, answers);
        EXPECT_EQ(nf.cpt, "/p/a.cpt");
        EXPECT_EQ(nf.setup_days, c.days);
        EXPECT_EQ(nf.setup_a, c.a);
        EXPECT_EQ(nf.soil_settlement, c.settlement);
        EXPECT_EQ(nf.downdrag, c.downdrag);
    }
    std::istringstream bad("v\na\nb\n0\ni\no\np\nc\nthirty\n");
    std::ostringstream console;
    std::istringstream answers;
    EXPECT_THROW(read_names_file(bad, console, answers), InputError);
}

}  // namespace
}  // namespace torve
