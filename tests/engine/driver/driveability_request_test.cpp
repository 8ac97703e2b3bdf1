// The driveability request a program that loads the library writes: every name read, its defaults,
// and each value it cannot use refused with its line; the tip depths it drives to by default.
#include <gtest/gtest.h>

#include <sstream>

#include "engine/driver/driveability_results_file.h"
#include "engine/driver/driving_project.h"
#include "engine/model/input_error.h"
#include "tests/engine/driver/driving_examples.h"

namespace torve {
namespace {

DriveabilityRequest read(const std::string& text) {
    std::istringstream in(text);
    return read_driveability_request(in);
}

const std::string kNeeded = "project,p.tv6d\nhammer,h.json\nresults,r.txt\n";

TEST(DriveabilityRequest, ReadsEveryNameInAnyOrder) {
    const DriveabilityRequest r = read(
        "\xEF\xBB\xBFjobs,2\r\nresults,out dir/p, run 2.drive.txt\r\nsrd,unified-srd\r\nproject,p.tv6d\r\n"
        "\r\nfrom,5\r\nto,30.5\r\nstep,0.5\r\nsegment_length,0.5\r\nshaft_factor,1.25\r\nbase_factor,0\r\n"
        "friction_angle, 24 \r\nbearing_graph,1000  2.5e3\t4000\r\nhammer,h.json\r\n");
    EXPECT_EQ(r.project, "p.tv6d");
    EXPECT_EQ(r.hammer, "h.json");
    EXPECT_EQ(r.results, "out dir/p, run 2.drive.txt");  // after the first comma, blanks and all
    EXPECT_EQ(r.method, SrdMethod::UnifiedSrd);
    EXPECT_EQ(r.from, 5.0);
    EXPECT_EQ(r.to, 30.5);
    EXPECT_EQ(r.step, 0.5);
    EXPECT_EQ(r.segment_length_m, 0.5);
    EXPECT_EQ(r.srd_options.shaft_factor, 1.25);
    EXPECT_EQ(r.srd_options.base_factor, 0.0);
    EXPECT_EQ(r.srd_options.interface_friction_angle, 24.0);
    EXPECT_EQ(r.bearing_resistances, (std::vector<double>{1000, 2500, 4000}));
    EXPECT_EQ(r.jobs, 2u);
}

TEST(DriveabilityRequest, WhatARequestLeavesOutHasItsDefault) {
    for (const std::string& text : {kNeeded, kNeeded + "bearing_graph,\n", kNeeded + "bearing_graph,  \n"}) {
        const DriveabilityRequest r = read(text);
        EXPECT_EQ(r.method, SrdMethod::AlmHamre);
        EXPECT_FALSE(r.from || r.to || r.step);
        EXPECT_EQ(r.segment_length_m, 1.0);
        EXPECT_EQ(r.srd_options.shaft_factor, 1.0);
        EXPECT_EQ(r.srd_options.base_factor, 1.0);
        EXPECT_EQ(r.srd_options.interface_friction_angle, 29.0);
        EXPECT_TRUE(r.bearing_resistances.empty());  // the run takes its ten
        EXPECT_EQ(r.jobs, 0u);
    }
}

TEST(DriveabilityRequest, RefusesAValueItCannotUseWithItsLine) {
    struct Case {
        std::string text;
        std::size_t line;
        const char* message;
    };
    const Case cases[] = {
        {kNeeded + "srd,api\n", 4, "line 4: \"srd\" is \"api\"; it must be alm-hamre or unified-srd."},
        {kNeeded + "step,abc\n", 4, "line 4: \"step\" is \"abc\", not a finite number."},
        {kNeeded + "step,nan\n", 4, "\"step\" is \"nan\", not a finite number."},
        {kNeeded + "from,0\n", 4, "line 4: \"from\" is 0; it must be above 0."},
        {kNeeded + "to,\n", 4, "line 4: \"to\" has no value."},
        {kNeeded + "segment_length,-1\n", 4, "\"segment_length\" is -1; it must be above 0."},
        {kNeeded + "shaft_factor,-0.5\n", 4, "\"shaft_factor\" is -0.5; it must be at least 0."},
        {kNeeded + "friction_angle,90\n", 4, "\"friction_angle\" is 90; it must be below 90."},
        {kNeeded + "bearing_graph,100 x 300\n", 4, "\"bearing_graph\" is \"x\", not a finite number."},
        {kNeeded + "bearing_graph,100,200\n", 4, "\"bearing_graph\" is \"100,200\", not a finite number."},
        {kNeeded + "bearing_graph,100 -2\n", 4,
         "\"bearing_graph\" holds -2; a resistance must be at least 0."},
        {kNeeded + "jobs,1.5\n", 4, "\"jobs\" is \"1.5\", not a whole number."},
        {kNeeded + "jobs,-1\n", 4, "\"jobs\" is -1; it must be from 0 to 1024."},
        {"project,a\nproject,b\n", 2, "line 2: \"project\" is given twice."},
        {kNeeded + "hammer;x\n", 4, "line 4: expected \"name,value\", found \"hammer;x\"."},
        {kNeeded + "Step,1\n", 4, "line 4: the name \"Step\" is not one of a request."},
        {"project,\n", 1, "line 1: \"project\" has no value."},
        {kNeeded + "from,10\nstep,1\n", 4, "line 4: the tip depths need all three of from, to and step"},
        {kNeeded + "from,10\nto,5\nstep,1\n", 5, "line 5: \"to\" is 5, less than \"from\" (10)"},
        {kNeeded + "from,1\nto,3000\nstep,1\n", 5, "in steps of 1 are more than 2000."},
    };
    for (const Case& c : cases) {
        try {
            read(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const InputError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
            EXPECT_EQ(e.place().line, c.line) << e.what();
            EXPECT_EQ(std::string(e.what()).rfind("The driveability request, line ", 0), 0u) << e.what();
        }
    }
}

TEST(DriveabilityRequest, RefusesARequestWithoutItsThreeFiles) {
    for (const char* name : {"project", "hammer", "results"}) {
        std::string text;
        for (const char* other : {"project", "hammer", "results"})
            if (std::string(other) != name) text += std::string(other) + ",x\n";
        try {
            read(text);
            ADD_FAILURE() << name;
        } catch (const InputError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("The driveability request names no ") + name +
                                                 " file: it needs a line \"" + name + ",PATH\".");
        }
    }
}

// The depths a request or torve drive drives the pile to: the 40 m S.I. check pile and its English
// twin of 131.23 ft.
TEST(DrivingTipDepths, EveryMetreOrThreeFeetUnlessARangeIsGiven) {
    const InputData si = test::check_pile_si(), en = test::check_pile_english();
    struct Case {
        const InputData& in;
        std::optional<TipDepthRange> range;
        std::vector<double> first, last;  // the first and last three, or all
        std::size_t count;
    };
    const Case cases[] = {
        {si, std::nullopt, {1, 2, 3}, {38, 39, 40}, 40},
        // 3, 6, ... 129 ft (43 depths), then the pile's length 40 / 0.3048 = 131.2336 ft
        {en, std::nullopt, {3, 6, 9}, {126, 129, 40 / 0.3048}, 44},
        // 0.1 + 2 x 0.1 falls short of 0.3 by rounding, and is still the last step
        {si,
         TipDepthRange{0.1, 0.3, 0.1},
         {0.1, 0.1 + 0.1, 0.1 + 2 * 0.1},
         {0.1, 0.1 + 0.1, 0.1 + 2 * 0.1},
         3},
        // the steps miss the end, which is driven too
        {si, TipDepthRange{10, 25, 10}, {10, 20, 25}, {10, 20, 25}, 3},
        // a start below the pile's length moves up to it
        {si, TipDepthRange{45, 50, 5}, {40, 45, 50}, {40, 45, 50}, 3},
    };
    for (const Case& c : cases) {
        const std::vector<double> d = driving_tip_depths(c.in, c.range);
        ASSERT_EQ(d.size(), c.count);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_DOUBLE_EQ(d[i], c.first[i]) << i;
            EXPECT_DOUBLE_EQ(d[d.size() - 3 + i], c.last[i]) << i;
        }
    }
    // Ten from a fifth to twice the resistance at the pile's length: 1500 kN gives 300, 600, ... 3000.
    EXPECT_EQ(default_bearing_resistances(1500),
              (std::vector<double>{300, 600, 900, 1200, 1500, 1800, 2100, 2400, 2700, 3000}));
}

}  // namespace
}  // namespace torve
