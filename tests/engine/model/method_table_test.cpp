// The method table: the texts of each row name its own method, and the order of the capacity tables.
#include "engine/model/method_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace torve {
namespace {

// A caption as the report and a screen reader read it: accelerator marks out, trailing blanks out,
// in lower case (the report writes "FUGRO" where the dialog writes "Fugro").
std::string plain(std::string_view caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] != '&') continue;
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(caption[i])));
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// A row whose texts were typed into the wrong row, or a caption of one method beside the report line
// of another, reads here as two methods.
TEST(MethodTable, ReportLineAndDialogCaptionsNameTheSameMethod) {
    for (const MethodInfo& m : kMethods) {
        SCOPED_TRACE(std::string(m.name));
        EXPECT_EQ(plain(m.report_line), "- " + plain(m.transfer_caption));
        EXPECT_EQ(plain(m.report_line), "- " + plain(m.capacity_caption));
    }
}

// The letter after "&" that Alt takes to a caption's button, lower case; none without a mark.
char accelerator(std::string_view caption) {
    const std::size_t at = caption.find('&');
    if (at == std::string_view::npos || at + 1 == caption.size()) return 0;
    return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[at + 1])));
}

// Two buttons of one group on the same letter: Alt and the letter would reach only one of them.
TEST(MethodTable, AcceleratorsDifferWithinEachGroup) {
    for (auto caption : {&MethodInfo::transfer_caption, &MethodInfo::capacity_caption}) {
        std::string taken;
        for (const MethodInfo& m : kMethods) {
            const char letter = accelerator(m.*caption);
            if (letter == 0) continue;
            EXPECT_EQ(taken.find(letter), std::string::npos) << m.*caption;
            taken += letter;
        }
    }
}

TEST(MethodTable, TableOrder) {
    // The user-specified table first, then every other method in code order: the onshore methods,
    // API RP 2A, then the cone-based methods.
    EXPECT_EQ(kTableOrder.front(), Method::UserSpecified);
    EXPECT_EQ(kTableOrder[4], Method::Api);
    EXPECT_TRUE(std::is_sorted(kTableOrder.begin() + 1, kTableOrder.end(),
                               [](Method a, Method b) { return code_of(a) < code_of(b); }));
    EXPECT_FALSE(is_valid_method_code(0));
    EXPECT_TRUE(is_valid_method_code(kMethodCount));
    EXPECT_FALSE(is_valid_method_code(kMethodCount + 1));
}

}  // namespace
}  // namespace torve
