// The cone readings file beside a project: written and read back exactly, refused where it cannot
// be read with its line, and its values taken into the units of the CPT points they go with.
#include "engine/model/cone_readings_file.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/model/input_error.h"
#include "engine/model/project_codec.h"
#include "engine/model/unit_conversion.h"

namespace torve {
namespace {

TEST(ConeReadingsFile, WrittenAndReadBackExactly) {
    const ConeReadingsFile si{UnitSystem::SI,
                              {{0.02, 12.5, std::nullopt, 1520.25},
                               {0.1, std::nullopt, -3.5, std::nullopt},
                               {0.1, 0.1 + 0.2, 40.0, 1e-7}}};
    const std::string text = write_cone_readings(si);
    EXPECT_EQ(text,
              "depth_m,fs_kPa,u2_kPa,qt_kPa\n"
              "0.02,12.5,,1520.25\n"
              "0.1,,-3.5,\n"
              "0.1,0.30000000000000004,40,0.0000001\n");
    const ConeReadingsFile back = read_cone_readings(text, "p.cone.csv");
    EXPECT_EQ(back.units, UnitSystem::SI);
    EXPECT_EQ(back.readings, si.readings);
    // As an editor may leave it: a byte-order mark, CR LF and no line end after the last row.
    const ConeReadingsFile edited = read_cone_readings(
        "\xEF\xBB\xBF"
        "depth_ft,fs_psf,u2_psf,qt_psf\r\n1,2,3,4\r\n5,,,",
        "p.cone.csv");
    EXPECT_EQ(edited.units, UnitSystem::English);
    EXPECT_EQ(edited.readings, (std::vector<ConeReading>{{1, 2.0, 3.0, 4.0}, {5, {}, {}, {}}}));
    EXPECT_TRUE(read_cone_readings("depth_m,fs_kPa,u2_kPa,qt_kPa\n", "p").readings.empty());
    EXPECT_THROW(write_cone_readings({UnitSystem::SI, {{1, NAN, {}, {}}}}), NotFiniteError);
    EXPECT_EQ(cone_readings_path("/a/b/pile.tv6d"), "/a/b/pile.cone.csv");
}

TEST(ConeReadingsFile, WhatCannotBeReadIsRefusedWithItsLine) {
    struct Case {
        std::string text;
        std::size_t line;
        std::string message;
    };
    const std::string heading = "depth_m,fs_kPa,u2_kPa,qt_kPa\n";
    const Case cases[] = {
        {"depth,fs,u2,qt\n1,2,3,4\n", 1,
         "c.csv, line 1: the heading \"depth_m,fs_kPa,u2_kPa,qt_kPa\" or \"depth_ft,fs_psf,u2_psf,qt_psf\" "
         "was "
         "expected."},
        {heading + "1,2,3\n", 2,
         "c.csv, line 2: four values separated by commas (depth, fs, u2, qt) were expected."},
        {heading + "1,2,3,4,5\n", 2,
         "c.csv, line 2: four values separated by commas (depth, fs, u2, qt) were expected."},
        {heading + "1,2,3,4\n\n5,1,1,1\n", 3,
         "c.csv, line 3: four values separated by commas (depth, fs, u2, qt) were expected."},
        {heading + ",2,3,4\n", 2, "c.csv, line 2: the depth is not a number: \"\"."},
        {heading + "1,2,3,4\n2,x,3,4\n", 3, "c.csv, line 3: fs is not a number: \"x\"."},
        {heading + "1,2,nan,4\n", 2, "c.csv, line 2: u2 is not a number: \"nan\"."},
        {heading + "1,2,3,1e999\n", 2, "c.csv, line 2: qt is not a number: \"1e999\"."},
        {heading + "2,1,1,1\n1,1,1,1\n", 3,
         "c.csv, line 3: the depth lies above the one of the row before; the readings go downwards."},
    };
    for (const Case& c : cases) {
        try {
            read_cone_readings(c.text, "c.csv");
            ADD_FAILURE() << c.text;
        } catch (const InputError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
            EXPECT_EQ(e.place().line, c.line) << c.message;
            EXPECT_EQ(e.place().file, "c.csv");
        }
    }
    std::string many = heading;
    for (int i = 0; i <= kMaxCptRows; ++i) many += std::to_string(i) + ",1,,\n";
    EXPECT_THROW(read_cone_readings(many, "c.csv"), InputError);
}

TEST(ConeReadingsFile, ReadingsTakeTheUnitsOfThePoints) {
    // 10 ft = 3.048 m; 1000 lb/ft2 = 4448.2216152605 N / 0.09290304 m2 = 47.880258980335840 kPa.
    const ConeReadingsFile english{UnitSystem::English, {{10, 1000.0, std::nullopt, 2000.0}}};
    CptProfile si{2, {{0, 100}}};
    attach_cone_readings(si, english);
    ASSERT_EQ(si.readings.size(), 1u);
    EXPECT_DOUBLE_EQ(si.readings[0].depth, 3.048);
    EXPECT_DOUBLE_EQ(*si.readings[0].fs, 47.88025898033584);
    EXPECT_FALSE(si.readings[0].u2);
    EXPECT_DOUBLE_EQ(*si.readings[0].qt, 2 * 47.88025898033584);
    // In ksf, as the desktop program holds English stresses.
    const auto ksf = cone_readings_in(english.readings, UnitSystem::English, UnitSystem::English, true);
    EXPECT_EQ(ksf[0].fs, 1.0);
    // An S.I. project's CPT points converted to English take their readings along.
    CptProfile points{2, {{3.048, 47.88025898033584}}};
    points.readings = si.readings;
    const CptProfile feet = cpt_profile_in(points, UnitSystem::English);
    EXPECT_DOUBLE_EQ(feet.readings[0].depth, 10);
    EXPECT_DOUBLE_EQ(*feet.readings[0].fs, 1000);
}

}  // namespace
}  // namespace torve
