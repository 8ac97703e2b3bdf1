// Redirecting the standard streams around a call into the engine library.
#include "app/main/consoleredirect.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <cstdio>
#include <iostream>

namespace torve::app {
namespace {

// Moves `fd` onto `target`; the old target is kept in the returned descriptor (-1 on failure).
int replace(int target, int fd) {
    if (fd < 0) return -1;
    const int saved = ::dup(target);
    if (saved < 0 || ::dup2(fd, target) < 0) {
        if (saved >= 0) ::close(saved);
        ::close(fd);
        return -1;
    }
    ::close(fd);
    return saved;
}

void restore(int target, int saved) {
    if (saved < 0) return;
    ::dup2(saved, target);
    ::close(saved);
}

void flushOutput() {
    std::cout.flush();
    std::fflush(stdout);
}

}  // namespace

ConsoleRedirect::ConsoleRedirect(const QString& outputPath) {
    flushOutput();
    const QByteArray path = QFile::encodeName(outputPath);
    savedOutput_ =
        replace(STDOUT_FILENO, ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    savedInput_ = replace(STDIN_FILENO, ::open("/dev/null", O_RDONLY | O_CLOEXEC));
}

ConsoleRedirect::~ConsoleRedirect() {
    flushOutput();
    restore(STDOUT_FILENO, savedOutput_);
    restore(STDIN_FILENO, savedInput_);
    // Reading stopped at the end of /dev/null; later reads of the real input start afresh.
    std::cin.clear();
}

}  // namespace torve::app
