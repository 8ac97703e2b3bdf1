// Line-oriented writer shared by the report, the plot file and the console.
#pragma once

#include <ostream>
#include <string_view>

#include "engine/driver/fixed_format.h"

namespace torve {

// Writes straight into the stream's buffer: a report has tens of thousands of lines, and the
// formatted-output machinery of the stream would cost more than the lines themselves. A write the
// buffer refuses marks the stream bad, as the stream's own output would.
class TextOut {
  public:
    explicit TextOut(std::ostream& os) : os_(&os) {}
    void line(std::string_view s) {
        put(s);
        newline();
    }
    // Ends the line in place and writes it at once.
    void line(Line& l) {
        *l.grow(1) = '\n';
        put(l.view());
    }
    void line(Line&& l) { line(l); }
    void blank(int n = 1) {
        for (int k = 0; k < n; ++k) newline();
    }
    std::ostream& stream() { return *os_; }

  private:
    void put(std::string_view s) {
        const auto n = static_cast<std::streamsize>(s.size());
        if (os_->rdbuf()->sputn(s.data(), n) != n) os_->setstate(std::ios::badbit);
    }
    void newline() {
        if (os_->rdbuf()->sputc('\n') == std::char_traits<char>::eof()) os_->setstate(std::ios::badbit);
    }

    std::ostream* os_;
};

}  // namespace torve
