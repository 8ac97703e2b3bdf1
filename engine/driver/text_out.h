// Line-oriented writer shared by the report, the plot file and the console.
#pragma once

#include <ostream>
#include <string>
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
        if (blocks_) block_.reserve(kBlock + 4096);
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
        if (block_.empty()) return;
        write(block_);
        block_.clear();
    }

  private:
    static constexpr std::size_t kBlock = 1 << 16;

    void put(std::string_view s) {
        if (!blocks_) return write(s);
        block_.append(s);
        if (block_.size() >= kBlock) flush();
    }
    void write(std::string_view s) {
        const auto n = static_cast<std::streamsize>(s.size());
        if (os_->rdbuf()->sputn(s.data(), n) != n) os_->setstate(std::ios::badbit);
    }

    std::ostream* os_;
    bool blocks_;
    std::string block_;
};

}  // namespace torve
