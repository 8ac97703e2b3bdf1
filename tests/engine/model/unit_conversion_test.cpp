// CPT points read in the project's units whatever unit system their file was written in, and the
// checks of the file's unit code and rows that every reader and every import share.
#include "engine/model/unit_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/model/input_checks.h"

namespace torve {
namespace {

constexpr int kEnglish = 1, kSi = 2;

// 1 lb/ft2 = 4.4482216152605 N / (0.3048 m)^2 = 47.88025898033584 Pa, so 1000 lb/ft2 is
// 47.88025898033584 kPa and 100 kPa is 100 / 0.04788025898033584 = 2088.543423315013 lb/ft2;
// 1 ft = 0.3048 m.
TEST(CptProfileIn, ConvertsAFileOfTheOtherSystemPointByPoint) {
    struct Case {
        const char* name;
        int file_code;
        UnitSystem project;
        CptPoint in, out;
    };
    const Case cases[] = {
        {"English file, S.I. project", kEnglish, UnitSystem::SI, {10, 1000}, {3.048, 47.88025898033584}},
        {"S.I. file, English project", kSi, UnitSystem::English, {3.048, 100}, {10, 2088.543423315013}},
        // Values of the project's own system stay bit for bit as read, short decimals or not.
        {"English file, English project",
         kEnglish,
         UnitSystem::English,
         {0.1 + 0.2, 1e-7},
         {0.1 + 0.2, 1e-7}},
        {"S.I. file, S.I. project", kSi, UnitSystem::SI, {12.34, 6600}, {12.34, 6600}},
        // A code of no system: the points as they stand, for the checks to refuse.
        {"code 0", 0, UnitSystem::SI, {10, 1000}, {10, 1000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CptProfile p = cpt_profile_in(CptProfile{c.file_code, {c.in}}, c.project);
        EXPECT_EQ(p.unit_code, code_of(c.project));
        ASSERT_EQ(p.points.size(), 1u);
        EXPECT_DOUBLE_EQ(p.points[0].depth, c.out.depth);
        EXPECT_DOUBLE_EQ(p.points[0].qc, c.out.qc);
    }
}

// A file converted there and back reads the values it started from: the short decimals of a
// sounding survive both ways.
TEST(CptProfileIn, ThereAndBackGivesTheValuesEntered) {
    const CptProfile si{kSi, {{0, 0}, {0.02, 1250}, {12.5, 6600}, {40, 20000}}};
    const CptProfile english = cpt_profile_in(si, UnitSystem::English);
    const CptProfile back = cpt_profile_in(english, UnitSystem::SI);
    EXPECT_EQ(back.points, si.points);
}

// The factors the desktop program shows its English points with: qc in ksf rather than lb/ft2.
TEST(CptFactors, KsfForTheDesktopProgram) {
    EXPECT_DOUBLE_EQ(cpt_factors(UnitSystem::English, UnitSystem::English, true).qc, 0.001);
    EXPECT_DOUBLE_EQ(cpt_factors(UnitSystem::English, UnitSystem::English, false).qc, 1);
    EXPECT_DOUBLE_EQ(cpt_factors(UnitSystem::SI, UnitSystem::English, true).qc, 0.020885434233150132);
    EXPECT_DOUBLE_EQ(cpt_factors(UnitSystem::SI, UnitSystem::English, false).qc, 20.885434233150132);
    EXPECT_DOUBLE_EQ(cpt_factors(UnitSystem::English, UnitSystem::SI, true).depth, 0.3048);
}

ProjectRecords project_in(int code) {
    ProjectRecords r;
    r.unit_system_code = code;
    return r;
}

// What the checks say of the file's code against the project's, by every reader alike.
TEST(CptUnitFindings, NameAFileOfAnotherCode) {
    struct Case {
        const char* name;
        int project_code;
        CptProfile cpt;
        bool error;
        const char* message;  // empty: no finding
    };
    const Case cases[] = {
        {"same system", kSi, {kSi, {{0, 100}}}, false, ""},
        {"English file in an S.I. project",
         kSi,
         {kEnglish, {{0, 100}}},
         false,
         "expected the project's unit-system code 2 (S.I.), found 1 (English): the CPT data file's depths "
         "and qc are converted to S.I. units for the run."},
        {"S.I. file in an English project",
         kEnglish,
         {kSi, {{0, 100}}},
         false,
         "expected the project's unit-system code 1 (English), found 2 (S.I.): the CPT data file's depths "
         "and qc are converted to English units for the run."},
        {"code of no system",
         kSi,
         {3, {{0, 100}}},
         true,
         "expected a unit-system code of 1 (English) or 2 (S.I.), found 3: the units of the CPT points are "
         "not known."},
        // No value to read in either system.
        {"other code without points", kSi, {kEnglish, {}}, false, ""},
        {"code 0 without points", kSi, {0, {}}, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Finding> found = cpt_unit_findings(project_in(c.project_code), c.cpt);
        if (*c.message == '\0') {
            EXPECT_TRUE(found.empty());
            continue;
        }
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].is_error(), c.error);
        EXPECT_EQ(found[0].place, (RecordPlace{RecordId::CptHeader}));
        EXPECT_EQ(found[0].field, "unit-system code");
        EXPECT_EQ(found[0].message, c.message);
    }
}

// The one check of an imported row, as the CPT data file holds it: what the engine's reader
// refuses (beyond 1E+15 in magnitude, or not finite) and nothing else.
TEST(CptRowRefusal, RefusesWhatTheReaderRefuses) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        CptPoint row;
        const char* refused;  // empty: taken
    };
    const Case cases[] = {
        {{4.4e90, 1000}, "expected at most 1E+15 in magnitude for the depth, found 4.4e+90."},
        {{10, 2.2e33}, "expected at most 1E+15 in magnitude for the cone resistance, found 2.2e+33."},
        {{10, inf}, "expected at most 1E+15 in magnitude for the cone resistance, found inf."},
        {{10, -1.5e15},
         "expected at most 1E+15 in magnitude for the cone resistance, found -1500000000000000."},
        {{1e15, -1e15}, ""},
        {{0, 5e-324}, ""},  // a warning of the checks, not a refusal
        {{-3, 0}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row.depth);
        const std::optional<Finding> f = cpt_row_refusal(c.row);
        if (*c.refused == '\0') {
            EXPECT_FALSE(f) << f->message;
        } else {
            ASSERT_TRUE(f);
            EXPECT_EQ(f->message, c.refused);
        }
    }
}

// A CPT reading above 0 but below 0.00001 gives the cone methods next to nothing, as 0 does: the
// check warns of it and the run goes on, as the run does.
TEST(CptRowChecks, WarnOfAReadingTooSmallToTell) {
    for (double qc : {5e-324, 1e-310, 2.2250738585072014e-308, 1e-300, 1e-6, 9.99e-6}) {
        SCOPED_TRACE(qc);
        const std::vector<Finding> f =
            cpt_record_findings(CptProfile{kSi, {{2, qc}}}, {RecordId::CptRow, 0, 1}, 1);
        ASSERT_EQ(f.size(), 1u);
        EXPECT_FALSE(f[0].is_error());
        EXPECT_EQ(f[0].field, "cone resistance");
    }
    for (double qc : {0.0, 1e-5, 100.0})
        EXPECT_TRUE(cpt_record_findings(CptProfile{kSi, {{2, qc}}}, {RecordId::CptRow, 0, 1}, 1).empty())
            << qc;
}

}  // namespace
}  // namespace torve
