// Capacity tables and plot curves of the onshore methods in the penetration phase.
#include <gtest/gtest.h>

#include "tests/engine/methods/method_fixture.h"

namespace torve {
namespace {

using test::PhaseRun;

ProjectRecords all_onshore() {
    ProjectRecords p = test::project();
    p.outside_diameter = 24;
    p.inside_diameter = 23;
    p.total_pile_length = 60;
    p.deepest_soil_depth = 100;
    p.print_interval = 10;
    p.method_selection_flags = MethodFlags{1, 1, 1, 1, 1, 0, 0, 0, 0};
    test::add_layer(p, test::sand_layer(0, 30, 60, 32, 0.8, 20));
    test::add_layer(p, test::clay_layer(30, 100, 50, 1500, 700));
    for (auto& point : p.soil_points) {
        point.user_unit_skin_friction = 800;
        point.user_unit_end_bearing = 30000;
    }
    return p;
}

TEST(OnshoreTables, FiveMethodsInPassOrder) {
    const PhaseRun r(all_onshore());
    EXPECT_EQ(r.plot.substr(0, 25), "     5     7     1     4\n");
    const std::size_t general = r.report.find("* GENERAL METHOD *");
    const std::size_t fhwa = r.report.find("*  FED. HWY. METHOD  *");
    const std::size_t usace = r.report.find("* ARMY CORPS METHOD  *");
    const std::size_t lambda = r.report.find("*  LAMBDA 2 METHOD   *");
    const std::size_t api = r.report.find("*  API RP-2A (1994)  *");
    ASSERT_NE(general, std::string::npos);
    EXPECT_LT(general, fhwa);
    EXPECT_LT(fhwa, usace);
    EXPECT_LT(usace, lambda);
    EXPECT_LT(lambda, api);
    ASSERT_EQ(r.run.methods.size(), 5u);
    const Method order[] = {Method::UserSpecified, Method::Fhwa, Method::Usace, Method::RevisedLambda,
                            Method::Api};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(r.run.methods[i].method, order[i]);
        EXPECT_GT(r.run.methods[i].total.back(), 0.0);
    }
    // 1 header line and 7 rows per curve
    EXPECT_EQ(std::count(r.plot.begin(), r.plot.end(), '\n'), 1 + 5 * 7);
}

TEST(OnshoreTables, OnlyApiTakesTheSelfWeightHeadings) {
    ProjectRecords p = all_onshore();
    p.loading_type_code = 1;
    p.tension_reduction_factor = 0.7;
    const PhaseRun r(p);
    const std::string self_weight = "PENETRATION   FRICTION        WEIGHT     CAPACITY";
    const std::size_t first = r.report.find(self_weight);
    ASSERT_NE(first, std::string::npos);
    EXPECT_GT(first, r.report.find("*  API RP-2A (1994)  *"));
    EXPECT_EQ(r.report.find(self_weight, first + 1), std::string::npos);
}

TEST(OnshoreTables, UnselectedMethodStillServesAsLoadTransferMethod) {
    ProjectRecords p = all_onshore();
    p.method_selection_flags = MethodFlags{0, 0, 0, 1, 0, 0, 0, 0, 0};
    for (Method code : {Method::Fhwa, Method::Usace, Method::RevisedLambda, Method::UserSpecified}) {
        p.load_transfer_method_code = code_of(code);
        const PhaseRun r(p);
        ASSERT_TRUE(r.results.load_transfer.has_value());
        EXPECT_EQ(r.curve().method, code);
        EXPECT_GT(r.curve().ultimate.back(), 0.0);
        EXPECT_EQ(r.run.methods.size(), 1u);
    }
}

}  // namespace
}  // namespace torve
