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
    try {
        notes_.emplace(QFile::encodeName(outputPath).toStdString());
        savedOutput_ = replace(STDOUT_FILENO, ::fcntl(notes_->descriptor(), F_DUPFD_CLOEXEC, 0));
    } catch (const torve::FileError&) {
        // No notes where none can be written; the run itself goes on.
    }
    if (savedOutput_ < 0) notes_.reset();
    savedInput_ = replace(STDIN_FILENO, ::open("/dev/null", O_RDONLY | O_CLOEXEC));
}

ConsoleRedirect::~ConsoleRedirect() {
    flushOutput();
    restore(STDOUT_FILENO, savedOutput_);
    restore(STDIN_FILENO, savedInput_);
    try {
        if (notes_) notes_->commit();
    } catch (const torve::FileError&) {
        // Notes that could not be written whole leave those of the run before.
    }
    // Reading stopped at the end of /dev/null; later reads of the real input start afresh.
    std::cin.clear();
}

}  // namespace torve::app
