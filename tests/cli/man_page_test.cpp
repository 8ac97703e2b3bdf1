// The manual page torve(1) against the program it describes: every command the program has, and
// every option of the commands whose options the page lists, so that a new one is not left out.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "tests/support/child_process.h"
#include "tests/support/scratch_dir.h"

namespace {

// The names of the lines under `heading` of a --help text: "  name   description" up to the next
// heading.
std::set<std::string> help_entries(const std::string& help, const std::string& heading,
                                   const std::regex& name) {
    std::set<std::string> names;
    std::stringstream lines(help);
    std::string line;
    bool inside = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line[0] != ' ') inside = line.rfind(heading, 0) == 0;
        std::smatch m;
        if (inside && std::regex_search(line, m, name)) names.insert(m[1]);
    }
    return names;
}

// The page's text between ".SH COMMANDS" and the next section.
std::string commands_section(const std::string& page) {
    const auto start = page.find(".SH COMMANDS");
    const auto end = page.find(".SH", start + 1);
    return page.substr(start, end - start);
}

// How the page writes "--soil-settlement": each hyphen as the roff minus sign.
std::string roff(const std::string& option) {
    std::string text;
    for (char c : option) text += c == '-' ? std::string("\\-") : std::string(1, c);
    return text;
}

TEST(ManPage, NamesEveryCommand) {
    const std::string page = torve::test::read_file(torve::test::source_path("packaging/man/torve.1"));
    const std::string commands = commands_section(page);
    const torve::test::ProgramRun help = torve::test::run_program(TORVE_CLI, {"--help"});
    ASSERT_EQ(help.exit_code, 0) << help.output;
    const std::set<std::string> names = help_entries(help.output, "Subcommands:", std::regex("^  ([a-z]+) "));
    EXPECT_GE(names.size(), 5u) << help.output;
    for (const std::string& name : names)
        EXPECT_NE(commands.find("\n.B " + name + "\n"), std::string::npos) << name << " is not in torve(1)";
}

TEST(ManPage, ListsEveryOptionOfTheCommandsItDetails) {
    const std::string commands =
        commands_section(torve::test::read_file(torve::test::source_path("packaging/man/torve.1")));
    for (const char* command : {"drive", "downdrag", "characteristic"}) {
        const torve::test::ProgramRun help = torve::test::run_program(TORVE_CLI, {command, "--help"});
        ASSERT_EQ(help.exit_code, 0) << help.output;
        const std::set<std::string> options =
            help_entries(help.output, "Options:", std::regex("^  (?:-[a-z],)?(--[a-z-]+)"));
        EXPECT_GE(options.size(), 2u) << help.output;
        for (const std::string& option : options) {
            if (option == "--help") continue;
            EXPECT_NE(commands.find(roff(option)), std::string::npos)
                << command << " " << option << " is not in torve(1)";
        }
    }
}

}  // namespace
