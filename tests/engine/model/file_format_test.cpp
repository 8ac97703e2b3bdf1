// The method table: codes in order, every method once in the table order, the order of the tables.
#include "engine/model/file_format.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace torve {
namespace {

TEST(MethodTable, CodesNamesAndTableOrder) {
    for (int code = 1; code <= kMethodCount; ++code) {
        const MethodInfo& info = kMethods[static_cast<std::size_t>(code - 1)];
        EXPECT_EQ(code_of(info.method), code);
        EXPECT_EQ(is_cone_based(info.method), code >= 6) << code;
        EXPECT_EQ(std::count(kTableOrder.begin(), kTableOrder.end(), info.method), 1) << code;
    }
    // The user-specified table first, the onshore methods, API RP 2A, then the cone-based methods.
    EXPECT_EQ(kTableOrder.front(), Method::UserSpecified);
    EXPECT_EQ(kTableOrder[4], Method::Api);
    EXPECT_TRUE(std::is_sorted(kTableOrder.begin() + 1, kTableOrder.end(),
                               [](Method a, Method b) { return code_of(a) < code_of(b); }));
    EXPECT_EQ(method_info(Method::Api).report_title, "*  API RP-2A (1994)  *");
    EXPECT_FALSE(is_valid_method_code(0));
    EXPECT_TRUE(is_valid_method_code(10));
    EXPECT_FALSE(is_valid_method_code(11));
    EXPECT_EQ(kTableOrder.back(), Method::Unified);  // after UWA in every ordered list
    EXPECT_EQ(method_info(Method::Unified).curve_label, "UNIFIED");
    EXPECT_TRUE(is_cone_based(Method::Unified));  // it runs only with offshore data
}

}  // namespace
}  // namespace torve
