// torve characteristic as a user calls it: the table and its CSV file from projects with a sounding
// each, and the exit codes of what it refuses.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/scratch_dir.h"

namespace {

using Command = torve::test::ProgramRun;
using torve::test::ScratchDir;

Command run(const std::vector<std::string>& args) {
    return torve::test::run_program(TORVE_CLI, args);
}

const std::string kExample = "examples/open-pipe-offshore-si";

// The example project as NAME.tv6d with its sounding's qc times `scale` as NAME.cpt.
std::string sounding(const ScratchDir& dir, const std::string& name, double scale) {
    const std::string project =
        dir.write(name + ".tv6d", torve::test::read_file(torve::test::source_path(kExample + ".tv6d")));
    std::istringstream cpt(torve::test::read_file(torve::test::source_path(kExample + ".cpt")));
    std::string header, text;
    std::getline(cpt, header);
    text = header + "\n";
    double depth = 0, qc = 0;
    while (cpt >> depth >> qc) text += std::to_string(depth) + " " + std::to_string(qc * scale) + "\n";
    dir.write(name + ".cpt", text);
    return project;
}

std::vector<double> numbers(const std::string& line) {
    std::vector<double> out;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, ',');) out.push_back(std::strtod(field.c_str(), nullptr));
    return out;
}

TEST(CharacteristicCommand, TableAndCsvOfThreeSoundings) {
    ScratchDir dir;
    const std::string a = sounding(dir, "a", 1.0), b = sounding(dir, "b", 1.3), c = sounding(dir, "c", 0.8);
    const Command r = run({"characteristic", a, b, c, "--method", "unified", "--csv", dir.file("k.csv")});
    ASSERT_EQ(r.exit_code, 0) << r.output;
    EXPECT_NE(r.output.find("Characteristic capacity by Unified from 3 soundings\n"), std::string::npos);
    EXPECT_NE(r.output.find("  xi3 1.3000, xi4 1.3000;"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("  [2] " + b + "\n"), std::string::npos);

    std::istringstream csv(torve::test::read_file(dir.file("k.csv")));
    std::string line;
    std::getline(csv, line);
    EXPECT_EQ(line, "depth (m)," + a + " (kN)," + b + " (kN)," + c +
                        " (kN),mean (kN),minimum (kN),xi3,xi4,\"R_c,k (kN)\",\"R_c,d (kN)\"\r");
    int rows = 0;
    double deepest = -1;
    while (std::getline(csv, line)) {
        const std::vector<double> v = numbers(line);
        ASSERT_EQ(v.size(), 10u) << line;
        ++rows;
        EXPECT_GT(v[0], deepest);
        deepest = v[0];
        // mean = (a + b + c) / 3; least; with three soundings xi3 = xi4 = 1.30, so the least governs.
        EXPECT_NEAR(v[4], (v[1] + v[2] + v[3]) / 3, 1e-9 * v[4]) << line;
        EXPECT_DOUBLE_EQ(v[5], std::min({v[1], v[2], v[3]}));
        EXPECT_DOUBLE_EQ(v[6], 1.30);
        EXPECT_DOUBLE_EQ(v[7], 1.30);
        EXPECT_NEAR(v[8], v[5] / 1.30, 1e-9 * v[8]);
        EXPECT_NEAR(v[9], v[8] / 1.2, 1e-9 * v[9]);
        // The weakest sounding is the weakest wherever the cone reaches.
        EXPECT_LE(v[3], v[1]);
    }
    EXPECT_EQ(deepest, 40.0);  // the pile tip, 40 m below the ground
    EXPECT_GT(rows, 10);
}

TEST(CharacteristicCommand, StiffStructureAndASingleSounding) {
    ScratchDir dir;
    const std::string a = sounding(dir, "a", 1.0);
    const Command r = run({"characteristic", a, "--method", "API RP 2A", "--stiff"});
    ASSERT_EQ(r.exit_code, 0) << r.output;
    // 1.39 / 1.1 = 1.2636
    EXPECT_NE(r.output.find("from 1 sounding, stiff structure\n  xi3 1.2636, xi4 1.2636;"), std::string::npos)
        << r.output;
}

TEST(CharacteristicCommand, ExitCodesOfWhatItRefuses) {
    ScratchDir dir;
    const std::string a = sounding(dir, "a", 1.0), b = sounding(dir, "b", 1.2);
    // The second pile 5 m shorter: record 5 ends with the length and the stickup.
    std::string text = torve::test::read_file(b);
    const std::string record = "0 0 914 864 210000000 40 10";
    text.replace(text.find(record), record.size(), "0 0 914 864 210000000 35 10");
    const std::string shorter = dir.write("shorter.tv6d", text);
    dir.write("shorter.cpt", torve::test::read_file(dir.file("b.cpt")));
    const std::string broken = dir.write("broken.tv6d", "not a project\n");
    struct Case {
        std::vector<std::string> args;
        int exit_code;
        std::string says;
    };
    const Case cases[] = {
        {{"characteristic", a, b, "--method", "NGI"}, 0, "from 2 soundings"},
        {{"characteristic", a, shorter, "--method", "NGI"},
         1,
         shorter + ": not the same pile and soil layers as " + a + ", the total pile length: 35 against 40."},
        {{"characteristic", a, broken, "--method", "NGI"}, 1, broken},
        // One sounding twice would count as two and lower xi from 1.39 to 1.32.
        {{"characteristic", a, b, dir.file("./a.tv6d"), "--method", "NGI"},
         1,
         a + " and " + dir.file("./a.tv6d") + " are one project: each sounding counts once."},
        {{"characteristic", a, "--method", "NGI", "--csv", dir.file("no/such/folder/k.csv")}, 1, "FAILED"},
        {{"characteristic", a, "--method", "Koppejan"}, 2, "no such method; the methods are FHWA, USACE"},
        {{"characteristic", a}, 2, "--method is required"},
        {{"characteristic", "--method", "NGI"}, 2, "projects is required"},
        {{"characteristic", dir.file("missing.tv6d"), "--method", "NGI"}, 2, "missing.tv6d"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says);
        const Command r = run(c.args);
        EXPECT_EQ(r.exit_code, c.exit_code) << r.output;
        EXPECT_NE(r.output.find(c.says), std::string::npos) << r.output;
    }
}

#ifdef TORVE_WITH_PLOT
TEST(CharacteristicCommand, DrawsTheGraphOfTheCapacities) {
    ScratchDir dir;
    const std::string a = sounding(dir, "a", 1.0), b = sounding(dir, "b", 1.3);
    for (const char* name : {"k.png", "k.svg"}) {
        const Command r = run({"characteristic", a, b, "--method", "Unified", "--plot", dir.file(name)});
        ASSERT_EQ(r.exit_code, 0) << r.output;
        EXPECT_GT(std::filesystem::file_size(dir.file(name)), 1000u);
    }
    const std::string svg = torve::test::read_file(dir.file("k.svg"));
    EXPECT_NE(svg.find("R_c,k"), std::string::npos);
    const Command wrong = run({"characteristic", a, "--method", "Unified", "--plot", dir.file("k.txt")});
    EXPECT_EQ(wrong.exit_code, 1);
    EXPECT_NE(wrong.output.find("expected a picture file ending in .png"), std::string::npos) << wrong.output;
}
#endif

}  // namespace
