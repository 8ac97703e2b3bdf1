// Whole runs on randomly damaged example projects: every run must end as completed or as an input
// error, never crash, and a completed run must print no NaN or infinity.
#include <gtest/gtest.h>

#include <sstream>

#include "engine/driver/run_analysis.h"
#include "tests/support/damage.h"
#include "tests/support/scratch_dir.h"

namespace torve {
namespace {

// A run under AddressSanitizer takes some thirty times as long: fewer trials keep the test within
// its time limit on a loaded machine, and the damages still reach every record.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kTrials = 150;
#else
constexpr int kTrials = 400;
#endif

TEST(MutatedInput, RunsEndCleanlyWhateverTheDamage) {
    test::ScratchDir dir;
    std::mt19937 rng(test::damage_seed(8122026u));
    int completed = 0, refused = 0;
    for (const char* name :
         {"sand-over-clay-pipe-english", "open-pipe-offshore-si", "precast-concrete-user-english"}) {
        const std::string base = std::string("examples/") + name;
        const std::string text = test::read_file(test::source_path(base + ".tv6d"));
        const std::string cpt = test::read_file(test::source_path(base + ".cpt"));
        for (int trial = 0; trial < kTrials; ++trial) {
            std::string project = test::damage_numbers(text, rng);
            if (trial % 3 == 0) project = test::damage_numbers(project, rng);
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
    // Both outcomes must have been exercised for the test to mean anything.
    EXPECT_GT(completed, 100);
    EXPECT_GT(refused, 100);
}

}  // namespace
}  // namespace torve
