// The process's standard output sent to a file, and its standard input read from nothing, for a while.
#pragma once

#include <QString>
#include <optional>

#include "engine/model/whole_file.h"

namespace torve::app {

// While it lives, whatever the process writes to file descriptor 1 lands in a file, and reading
// file descriptor 0 finds its end at once: the engine library writes its console lines to standard
// output and would wait on standard input for a line it misses. Both are restored on destruction,
// whatever happened in between. The file replaces the one at `outputPath` only then, whole: a
// program ended during the run leaves the notes of the run before.
class ConsoleRedirect {
  public:
    // `outputPath` is replaced on destruction; when it cannot be written, standard output stays as it
    // is and the file as it was.
    explicit ConsoleRedirect(const QString& outputPath);
    ~ConsoleRedirect();
    ConsoleRedirect(const ConsoleRedirect&) = delete;
    ConsoleRedirect& operator=(const ConsoleRedirect&) = delete;

  private:
    std::optional<torve::FileReplacement> notes_;
    int savedOutput_ = -1;
    int savedInput_ = -1;
};

}  // namespace torve::app
