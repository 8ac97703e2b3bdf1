// Line-oriented writer shared by the report, the plot file and the console.
#pragma once

#include <cstring>
#include <memory>
#include <ostream>
#include <string_view>

#include "engine/driver/fixed_format.h"

namespace torve {

// When the lines reach the stream: each at once (the console, or a stream the caller reads while the
// writer lives), or in blocks of some 64 KB, the remainder at flush() or when the writer goes.
enum class Flush { EveryLine, InBlocks };

// Writes straight into the stream's buffer, or into a block of its own: a report has tens of
// thousands of lines, and the formatted-output machinery of the stream would cost more than the
// lines themselves. A write the stream refuses marks it bad, as its own output would.
class TextOut {
  public:
    explicit TextOut(std::ostream& os, Flush flush = Flush::EveryLine)
        : os_(&os), blocks_(flush == Flush::InBlocks) {
        if (blocks_) block_ = std::make_unique_for_overwrite<char[]>(kBlock);
    }
    TextOut(const TextOut&) = delete;
    TextOut& operator=(const TextOut&) = delete;
    ~TextOut() { flush(); }

    void line(std::string_view s) {
        put(s);
        put("\n");
    }
    // Ends the line in place and writes it at once.
    void line(Line& l) {
        *l.grow(1) = '\n';
        put(l.view());
    }
    void line(Line&& l) { line(l); }
    void blank(int n = 1) {
        for (int k = 0; k < n; ++k) put("\n");
    }
    // Hands the lines held in the block to the stream.
    void flush() {
        if (used_ == 0) return;
        write({block_.get(), used_});
        used_ = 0;
    }

  private:
    static constexpr std::size_t kBlock = 1 << 16;

    // A line goes into the block whole; a line longer than a block goes to the stream after it.
    void put(std::string_view s) {
        if (!blocks_) return write(s);
        if (s.empty()) return;  // an empty view may have no data at all
        if (s.size() > kBlock - used_) {
            flush();
            if (s.size() > kBlock) return write(s);
        }
        std::memcpy(block_.get() + used_, s.data(), s.size());
        used_ += s.size();
    }
    void write(std::string_view s) {
        const auto n = static_cast<std::streamsize>(s.size());
        if (os_->rdbuf()->sputn(s.data(), n) != n) os_->setstate(std::ios::badbit);
    }

    std::ostream* os_;
    bool blocks_;
    std::unique_ptr<char[]> block_;  // kBlock characters, used_ of them taken
    std::size_t used_ = 0;
};

}  // namespace torve
