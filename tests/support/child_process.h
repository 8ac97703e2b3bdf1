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

// Starts `program` with `args`, its output discarded, and kills it with SIGKILL `microseconds` after
// the start unless it has ended by then, as a power cut or the system's out-of-memory killer would.
// True when the kill ended it, false when it had ended on its own.
bool run_program_killed_after(const std::string& program, const std::vector<std::string>& args,
                              long microseconds);

}  // namespace torve::test
