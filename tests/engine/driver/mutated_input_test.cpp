// Whole runs on randomly damaged example projects: every run must end as completed or as an input
// error, never crash, and a completed run must print no NaN or infinity.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>

#include "engine/driver/run_analysis.h"
#include "tests/support/scratch_dir.h"

namespace torve {
namespace {

std::vector<std::string> split_tokens(const std::string& text) {
    std::vector<std::string> out;
    std::string current;
    for (char c : text) {
        if (c == ' ' || c == '\n') {
            if (!current.empty()) out.push_back(current);
            current.clear();
            out.push_back(std::string(1, c));
        } else {
            current += c;
        }
    }
    if (!current.empty()) out.push_back(current);
    return out;
}

// One random damage: a value replaced by an awkward number, a value dropped, or the file cut short.
std::string damaged(const std::string& text, std::mt19937& rng) {
    std::vector<std::string> tokens = split_tokens(text);
    std::vector<std::size_t> values;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i] != " " && tokens[i] != "\n") values.push_back(i);
    }
    if (values.empty()) return text;
    static const char* kAwkward[] = {"0",      "-1",     "1e30",    "-1e30", "1e-30", "3",
                                     "100000", "0.0001", "2",       "89.9",  "7",     "-0.5",
                                     "1e308",  "9999",   "9999999", "81",    "501",   "1001"};
    std::uniform_int_distribution<std::size_t> pick(0, values.size() - 1);
    std::uniform_int_distribution<int> kind(0, 9);
    const int k = kind(rng);
    const std::size_t i = values[pick(rng)];
    if (k < 7) {
        tokens[i] = kAwkward[std::uniform_int_distribution<std::size_t>(0, std::size(kAwkward) - 1)(rng)];
    } else if (k < 9) {
        tokens[i].clear();
    } else {
        tokens.resize(i);
    }
    std::string out;
    for (const std::string& t : tokens) out += t;
    return out;
}

TEST(MutatedInput, RunsEndCleanlyWhateverTheDamage) {
    test::ScratchDir dir;
    // TORVE_MUTATION_SEED runs other damages locally; CI keeps the fixed seed.
    const char* seed = std::getenv("TORVE_MUTATION_SEED");
    std::mt19937 rng(seed ? static_cast<unsigned>(std::strtoul(seed, nullptr, 10)) : 8122026u);
    int completed = 0, refused = 0;
    for (const char* name :
         {"sand-over-clay-pipe-english", "open-pipe-offshore-si", "precast-concrete-user-english"}) {
        const std::string base = std::string("examples/") + name;
        const std::string text = test::read_file(test::source_path(base + ".tv6d"));
        const std::string cpt = test::read_file(test::source_path(base + ".cpt"));
        for (int trial = 0; trial < 400; ++trial) {
            std::string project = damaged(text, rng);
            if (trial % 3 == 0) project = damaged(project, rng);
            RunFiles files{dir.write("m.tv6d", project), dir.file("m.tv6o"), dir.file("m.tv6p"),
                           dir.write("m.cpt", cpt)};
            std::ostringstream console;
            const RunResult r = run_analysis(files, console);
            ASSERT_NE(r.status, RunStatus::InternalError) << r.message << "\n" << project;
            if (r.status == RunStatus::InputError) {
                ++refused;
                continue;
            }
            ASSERT_EQ(r.status, RunStatus::Completed) << r.message;
            ++completed;
            for (const char* file : {"m.tv6o", "m.tv6p"}) {
                const std::string out = test::read_file(dir.file(file));
                ASSERT_EQ(out.find("NaN"), std::string::npos) << file << "\n" << project;
                ASSERT_EQ(out.find("Inf"), std::string::npos) << file << "\n" << project;
            }
        }
    }
    std::cout << completed << " completed, " << refused << " refused\n";
    EXPECT_GT(completed, 20);
    EXPECT_GT(refused, 20);
}

}  // namespace
}  // namespace torve
