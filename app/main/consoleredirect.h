// The process's standard output sent to a file, and its standard input read from nothing, for a while.
#pragma once

#include <QString>

namespace torve::app {

// While it lives, whatever the process writes to file descriptor 1 lands in a file, and reading
// file descriptor 0 finds its end at once: the engine library writes its console lines to standard
// output and would wait on standard input for a line it misses. Both are restored on destruction,
// whatever happened in between.
class ConsoleRedirect {
  public:
    // `outputPath` is created or emptied; when it cannot be, standard output stays as it is.
    explicit ConsoleRedirect(const QString& outputPath);
    ~ConsoleRedirect();
    ConsoleRedirect(const ConsoleRedirect&) = delete;
    ConsoleRedirect& operator=(const ConsoleRedirect&) = delete;

  private:
    int savedOutput_ = -1;
    int savedInput_ = -1;
};

}  // namespace torve::app
