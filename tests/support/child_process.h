// Running a program of the build as a user would, with an argument list and no shell.
#pragma once

#include <string>
#include <vector>

namespace torve::test {

struct ProgramRun {
    int exit_code = -1;  // -1 when the program did not exit normally
    std::string output;  // standard output and standard error, interleaved
};

struct ProgramLimits {
    // Largest file the program may write, in bytes (0: no limit). A write beyond it fails with
    // "File too large", as on a full disk.
    long file_size = 0;
};

// Runs `program` with `args` and collects its output. Arguments are passed as they are, bytes
// included, so a file name that is not UTF-8 reaches the program unchanged.
ProgramRun run_program(const std::string& program, const std::vector<std::string>& args,
                       const ProgramLimits& limits = {});

}  // namespace torve::test
