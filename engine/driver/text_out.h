// Line-oriented writer shared by the report and the console.
#pragma once

#include <ostream>
#include <string_view>

#include "engine/driver/fixed_format.h"

namespace torve {

class TextOut {
  public:
    explicit TextOut(std::ostream& os) : os_(&os) {}
    void line(std::string_view s) { *os_ << s << '\n'; }
    void line(const Line& l) { line(l.str()); }
    void blank(int n = 1) {
        for (int k = 0; k < n; ++k) *os_ << '\n';
    }
    std::ostream& stream() { return *os_; }

  private:
    std::ostream* os_;
};

}  // namespace torve
