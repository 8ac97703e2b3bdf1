// Running a program of the build as a user would, with an argument list and no shell.
#include "tests/support/child_process.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>

namespace torve::test {

ProgramRun run_program(const std::string& program, const std::vector<std::string>& args,
                       const ProgramLimits& limits) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int out[2];
    if (pipe(out) != 0) throw std::runtime_error("pipe failed");
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(out[1], STDERR_FILENO);
        close(out[0]);
        close(out[1]);
        if (limits.file_size > 0) {
            // Beyond the limit a write fails with EFBIG instead of ending the program.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit r{static_cast<rlim_t>(limits.file_size), static_cast<rlim_t>(limits.file_size)};
            setrlimit(RLIMIT_FSIZE, &r);
        }
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(out[1]);
    ProgramRun run;
    char buf[4096];
    for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;)
        run.output.append(buf, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

bool run_program_killed_after(const std::string& program, const std::vector<std::string>& args,
                              long microseconds) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    usleep(static_cast<useconds_t>(microseconds));
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

}  // namespace torve::test
