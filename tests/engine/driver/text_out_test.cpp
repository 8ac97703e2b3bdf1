// The writer under the report and plot file: whatever the block size, the stream receives every
// line once, in order, exactly as written line by line.
#include "engine/driver/text_out.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

namespace torve {
namespace {

constexpr std::size_t kBlock = 1 << 16;  // the writer's block

// Lines of the given lengths, each of its own letter so that a lost, doubled or swapped line shows.
std::vector<std::string> lines_of(const std::vector<std::size_t>& lengths) {
    std::vector<std::string> lines;
    for (std::size_t k = 0; k < lengths.size(); ++k)
        lines.emplace_back(lengths[k], static_cast<char>('A' + k % 26));
    return lines;
}

std::string written(const std::vector<std::string>& lines, Flush flush) {
    std::ostringstream os;
    {
        TextOut out(os, flush);
        for (const std::string& l : lines) {
            if (l.empty()) {
                out.blank();
            } else {
                out.line(Line().text(l));
            }
        }
    }  // the rest of the block reaches the stream when the writer goes
    return os.str();
}

TEST(TextOut, BlocksHoldEveryLineInOrder) {
    struct Case {
        const char* what;
        std::vector<std::size_t> lengths;
    };
    const std::vector<Case> cases = {
        {"nothing", {}},
        {"blank lines only", {0, 0, 0}},
        // 65535 characters and the newline fill the block exactly; the next line starts a new one.
        {"a line that fills the block", {kBlock - 1, 10}},
        {"a line one past the block", {kBlock, 10}},
        {"a line longer than a block between short ones", {5, 3 * kBlock + 7, 0, 9}},
        {"a short line then one that no longer fits", {100, kBlock - 50, 100}},
    };
    for (const Case& c : cases) {
        const auto lines = lines_of(c.lengths);
        std::string expected;
        for (const std::string& l : lines) expected += l + "\n";
        EXPECT_EQ(written(lines, Flush::InBlocks), expected) << c.what;
        EXPECT_EQ(written(lines, Flush::EveryLine), expected) << c.what;
    }
}

TEST(TextOut, ManyReportLinesCrossingBlocks) {
    // 20000 lines of 71 characters (1.42 MB): some 22 blocks, none of them ending on a line end.
    const auto lines = lines_of(std::vector<std::size_t>(20000, 71));
    const std::string blocks = written(lines, Flush::InBlocks);
    EXPECT_EQ(blocks.size(), 20000U * 72U);
    EXPECT_EQ(blocks, written(lines, Flush::EveryLine));
}

// A stream buffer that takes a limited number of characters and then refuses.
class FullDisk : public std::streambuf {
  public:
    explicit FullDisk(std::size_t room) : room_(room) {}

  protected:
    std::streamsize xsputn(const char*, std::streamsize n) override {
        const auto taken = std::min<std::streamsize>(n, static_cast<std::streamsize>(room_));
        room_ -= static_cast<std::size_t>(taken);
        return taken;
    }

  private:
    std::size_t room_;
};

TEST(TextOut, RefusedWriteMarksTheStreamBad) {
    for (const Flush flush : {Flush::EveryLine, Flush::InBlocks}) {
        FullDisk disk(1000);
        std::ostream os(&disk);
        {
            TextOut out(os, flush);
            for (int k = 0; k < 100; ++k) out.line(Line().text("a line of the report"));
            out.flush();
        }
        EXPECT_TRUE(os.bad()) << (flush == Flush::InBlocks ? "in blocks" : "every line");
    }
}

}  // namespace
}  // namespace torve
