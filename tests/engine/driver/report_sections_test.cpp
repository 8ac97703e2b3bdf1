// Report sections against lines written out by hand from the report layout.
#include "engine/driver/report_sections.h"

#include <gtest/gtest.h>

#include <sstream>

#include "engine/driver/input_reader.h"
#include "tests/support/project_text.h"

namespace torve {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

// True when `needle` occurs in `lines` as consecutive lines.
bool contains_lines(const std::vector<std::string>& lines, const std::vector<std::string>& needle) {
    for (std::size_t i = 0; i + needle.size() <= lines.size(); ++i) {
        if (std::equal(needle.begin(), needle.end(), lines.begin() + static_cast<long>(i))) return true;
    }
    return false;
}

ProjectRecords pipe_project() {
    ProjectRecords p = test::project();
    p.outside_diameter = 24;
    p.inside_diameter = 23;
    test::add_layer(p, test::sand_layer(0, 30, 60, 30, 0.8, 20));
    test::add_layer(p, test::clay_layer(30, 100, 50, 1500, 700));
    return p;
}

std::string echo_of(const ProjectRecords& p) {
    const InputData in = parse_input_data(test::text_of(p), "p.tv6d");
    std::ostringstream o;
    TextOut out(o);
    write_input_echo(out, in, unit_labels(in.units));
    return o.str();
}

TEST(ReportHeader, Banner) {
    std::ostringstream o;
    TextOut out(o);
    write_banner(out, "2014.6.3");
    const std::string rule = "     " + std::string(73, '=');
    EXPECT_EQ(o.str(), rule + "\n\n" +
                           "                      TORVE for Windows, Version 2014.6.3    \n\n"
                           "                       A Program for Analyzing the Axial Capacity \n"
                           "                       and Short-term Settlement of Driven Piles \n"
                           "                                 under Axial Loading. \n\n" +
                           rule + "\n\n\n");
}

TEST(ReportHeader, FileNamesAndDecemberDate) {
    std::ostringstream o;
    TextOut out(o);
    write_file_names(out, "/work/piles/a.tv6d", "/work/piles/a.tv6o", "/other/b.tv6p");
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 5;
    when.tm_hour = 9;
    when.tm_min = 3;
    when.tm_sec = 7;
    write_date_block(out, when);
    const std::string rule = "     " + std::string(73, '-');
    EXPECT_EQ(o.str(),
              "     Path to file locations      : /work/piles/\n"
              "     Name of input data file     : a.tv6d\n"
              "     Name of output file         : a.tv6o\n"
              "     Name of plot output file    : b.tv6p\n\n" +
                  rule + "\n                          Time and Date of Analysis\n" + rule + "\n\n" +
                  "               Date:  December 05, 2026     Time:  09:03:07\n");
}

TEST(ReportHeader, DateLineOmittedForImpossibleMonth) {
    std::ostringstream o;
    TextOut out(o);
    std::tm when{};
    when.tm_mon = 12;
    write_date_block(out, when);
    EXPECT_EQ(o.str().find("Date:"), std::string::npos);
}

TEST(ReportChecks, SoilExtentAndSegmentMessages) {
    std::ostringstream o;
    TextOut out(o);
    write_soil_extent_stop(out, 63.5, 64.0, unit_labels(UnitSystem::English));
    write_segment_limit(out, 501);
    EXPECT_EQ(o.str(),
              "\n\n          COMPUTATION DOES NOT PROCEED BECAUSE THE DEEPEST SOIL PROFILE   63.50 FT.\n"
              "          IS LESS THAN PILE EMBEDDED LENGTH PLUS TWO TIMES THE PILE DIAMETER      64.00 FT.\n"
              "\n\n YOUR NUMBERS OF SEGMENT  501 IS LARGER THAN\n"
              " DEFAULT VALUE 500. YOU MIGHT WANT TO CHANGE THE LENGTH OF \n"
              " SEGMENT OR CONSULT HALDEN, INC. FOR CHANGING THE DEFAULT VALUE\n");

    std::ostringstream c;
    TextOut console(c);
    write_soil_extent_warning(console, 41.83, unit_labels(UnitSystem::SI));
    EXPECT_EQ(c.str(),
              "\n\n\n          COMPUTATION DOES NOT PROCEED BECAUSE NO SOIL INFORMATION\n"
              "          WAS PROVIDED AT THE DEPTH      41.83 M. \n"
              "          PLEASE NOTE THAT SOIL SHOULD EXTEND AT LEAST THE \n"
              "           PILE LENGTH PLUS TWO PILE DIAMETERS\n");
}

TEST(ReportEcho, HeadingTitlesAndMethods) {
    ProjectRecords p = pipe_project();
    p.title = "Pier 7";
    p.method_selection_flags = MethodFlags{1, 1, 0, 1, 0, 0, 1, 0, 0};
    p.clay_drainage_option = 1;
    const auto lines = lines_of(echo_of(p));
    EXPECT_TRUE(contains_lines(lines, {"", "", "", "1", "          *********************",
                                       "          * INPUT INFORMATION *", "          *********************",
                                       "", "", "", "          Pier 7" + std::string(64, ' '), ""}));
    EXPECT_TRUE(contains_lines(lines, {"          DESIGNER   : Tester" + std::string(54, ' '), "",
                                       "          JOB NUMBER : T-1" + std::string(57, ' ')}));
    EXPECT_TRUE(contains_lines(
        lines, {"          METHOD FOR UNIT LOAD TRANSFERS : ", "",
                "          - API RP 2A (American Petroleum Institute)",
                "            Unfactored Unit Side Friction and Unit Side Resistance are used."}));
    EXPECT_TRUE(contains_lines(
        lines,
        {"          COMPUTATION METHOD(S) FOR PILE CAPACITY : ", "",
         "          - FHWA (Federal Highway Administration)",
         "          - USACE (U.S. Army Corps of Engineers)", "            # Critical Depth Method for Sand:",
         "              10 to 20 Pile Diameter based on the Density",
         "          - API RP 2A (American Petroleum Institute)",
         "          - ICP/MTD (Imperial College of London)", "            # Use Drained Condition for Clay",
         "", "", "          TYPE OF LOADING : ", "          - COMPRESSION  "}));
}

TEST(ReportEcho, CriticalDepthLineOfEachOption) {
    ProjectRecords p = pipe_project();
    p.method_selection_flags = MethodFlags{0, 1, 0, 0, 0, 0, 0, 0, 0};
    p.critical_depth_option = 1;
    EXPECT_NE(echo_of(p).find("\n            # Critical Depth Method for Sand:\n"
                              "              At Effective Stress Reaching 3,500 psf (185 kPa)\n"),
              std::string::npos);
    p.critical_depth_option = 2;
    p.critical_depth = 12.5;
    const std::string echo = echo_of(p);
    EXPECT_NE(echo.find("\n              At User-Specified Critical Depth =     12.50 FT.\n"),
              std::string::npos);
    EXPECT_EQ(echo.find("3,500 psf"), std::string::npos);
    p.unit_system_code = 2;
    EXPECT_NE(echo_of(p).find("At User-Specified Critical Depth =     12.50 M. \n"), std::string::npos);
}

TEST(ReportEcho, TensionTaperAndStiffness) {
    ProjectRecords p = pipe_project();
    p.loading_type_code = 1;
    p.tension_reduction_factor = 0.7;
    p.pile_type_code = 2;
    p.inside_diameter = 0;
    p.taper_angle = 0.5;
    p.section_mode = 1;
    p.cross_section_area = 36.91;
    const auto lines = lines_of(echo_of(p));
    EXPECT_TRUE(contains_lines(
        lines,
        {"          TYPE OF LOADING : ", "          - TENSION  ",
         "            REDUCTION FACTOR FOR TENSION LOADING =      0.70", "", "", "          PILE TYPE : ", "",
         "          Timber pile", "          Angle of taper for a tapered pile  (degrees) =      0.50"}));
    EXPECT_TRUE(contains_lines(lines, {"          DATA FOR AXIAL STIFFNESS : ", "",
                                       "          - MODULUS OF ELASTICITY     = 0.290E+08 PSI",
                                       "          - CROSS SECTION AREA        =     36.91 IN2"}));
}

TEST(ReportEcho, SectionAreaFromDiametersAndAlongDepth) {
    ProjectRecords p = pipe_project();  // 24 in by 23 in: pi/4 (576 - 529) = 36.91 in2
    EXPECT_NE(echo_of(p).find("          - CROSS SECTION AREA        =     36.91 IN2\n"), std::string::npos);
    p.unit_system_code = 2;
    p.outside_diameter = 914;
    p.inside_diameter = 864;  // pi/4 (0.914^2 - 0.864^2) = 0.0698 m2
    EXPECT_NE(echo_of(p).find("          - CROSS SECTION AREA        =      0.07 M2 \n"), std::string::npos);
    p.section_mode = 2;
    p.number_of_section_rows = 2;
    p.section_rows = {{0, 0.0698}, {35.5, 0.1}};
    EXPECT_NE(echo_of(p).find("          - CROSS SECTION AREA ALONG DEPTH\n"
                              "           DEPTH,M.            AREA,M2 \n"
                              "                0.00                0.07\n"
                              "               35.50                0.10\n"),
              std::string::npos);
}

TEST(ReportEcho, PipeWithoutEndSectionStillPrintsEndSectionLines) {
    const auto lines = lines_of(echo_of(pipe_project()));
    EXPECT_TRUE(contains_lines(
        lines,
        {"          CIRCULAR PILE PROPERTIES : ", "", "          - OUTSIDE DIAMETER, OD      =     24.00 IN.",
         "          - INTERNAL DIAMETER, ID     =     23.00 IN.",
         "          - TOTAL PILE LENGTH, TL     =     60.00 FT.",
         "          - PILE STICKUP LENGTH, PSL  =      0.00 FT.",
         "          - ZERO FRICTION LENGTH, ZFL =      0.00 FT.", "          - INCREMENT OF PILE LENGTH",
         "            USED IN COMPUTATION       =      1.00 FT.", "          - LENGTH OF ENHANCED ",
         "            END SECTION               =     60.00 FT.", "          - INTERNAL DIAMETER OF ",
         "            ENHANCED END SECTION      =     23.00 IN.", "", "",
         "          PLUGGED/UNPLUGGED CONDITIONS : ", "          Internal Pile Plug Calculated by Program"}));
}

TEST(ReportEcho, NoncircularAndOtherCircularPiles) {
    ProjectRecords p = pipe_project();
    p.pile_type_code = 6;
    p.perimeter = 56;
    p.tip_area = 15.5;
    const auto lines = lines_of(echo_of(p));
    EXPECT_TRUE(contains_lines(lines, {"          NONCIRCULAR PILE PROPERTIES : ", "",
                                       "          - TOTAL PILE LENGTH, TL     =     60.00 FT.",
                                       "          - PILE STICKUP LENGTH, PSL  =      0.00 FT.",
                                       "          - ZERO FRICTION LENGTH, ZFL =      0.00 FT.",
                                       "          - PERIMETER OF PILE         =     56.00 IN.",
                                       "          - TIP AREA OF PILE          =     15.50 IN2",
                                       "          - INCREMENT OF PILE LENGTH",
                                       "            USED IN COMPUTATION       =      1.00 FT."}));
    p = pipe_project();
    p.pile_type_code = 3;
    p.inside_diameter = 0;
    const std::string echo = echo_of(p);
    EXPECT_NE(echo.find("          Precast concrete pile (Circular/Tubular)\n"), std::string::npos);
    EXPECT_EQ(echo.find("INTERNAL DIAMETER"), std::string::npos);
    EXPECT_EQ(echo.find("PLUGGED/UNPLUGGED"), std::string::npos);
}

TEST(ReportEcho, SoilTablesWithUnlimitedMarker) {
    ProjectRecords p = pipe_project();
    p.soil_points[2].maximum_unit_friction = 2000;
    p.soil_points[2].maximum_unit_bearing = 60000;
    p.soil_points[0].remolded_shear_strength_or_blow_count = 25;
    p.soil_points[0].friction_angle = 0;
    const auto lines = lines_of(echo_of(p));
    EXPECT_TRUE(
        contains_lines(lines, {"          SOIL INFORMATIONS :", "", std::string(63, ' '), "",
                               "                            LATERAL    EFFECTIVE    FRICTION   BEARING",
                               "                    SOIL    EARTH      UNIT         ANGLE      CAPACITY",
                               "           DEPTH    TYPE    PRESSURE   WEIGHT       DEGREES    FACTOR",
                               "            FT.                        LB/CF",
                               "             0.00   SAND      0.80        60.00         0.00     20.00",
                               "            30.00   SAND      0.80        60.00        30.00     20.00",
                               "            30.00   CLAY      0.00        50.00         0.00      0.00"}));
    EXPECT_TRUE(contains_lines(
        lines, {"          MAXIMUM   MAXIMUM   UNDISTURB  REMOLDED ",
                "          UNIT      UNIT      SHEAR      SHEAR     BLOW   UNIT SKIN  UNIT END",
                "          FRICTION  BEARING   STRENGTH   STRENGTH  COUNT  FRICTION   BEARING",
                "            KSF       KSF        KSF       KSF               KSF       KSF",
                "          0.10E+08* 0.10E+08*       0.00      0.00  25.00       0.00      0.00",
                "          0.10E+08* 0.10E+08*       0.00      0.00   0.00       0.00      0.00",
                "          0.20E+01  0.60E+02        1.50      0.70   0.00       0.00      0.00"}));
    EXPECT_TRUE(contains_lines(lines, {"", "          * MAXIMUM UNIT FRICTION AND/OR MAXIMUM UNIT BEARING ",
                                       "            WERE SET TO BE 0.10E+08 BECAUSE THE USER DOES NOT ",
                                       "            PLAN TO LIMIT THE COMPUTED DATA."}));
    EXPECT_TRUE(contains_lines(lines, {"                   LRFD FACTOR  LRFD FACTOR    ",
                                       "                    ON UNIT      ON UNIT       ",
                                       "           DEPTH    FRICTION     BEARING   ", "            FT.",
                                       "             0.00    1.000       1.000"}));
}

TEST(ReportEcho, OffshoreTableOnlyWithOffshoreData) {
    ProjectRecords p = pipe_project();
    EXPECT_EQ(echo_of(p).find("PLASTIC"), std::string::npos);
    p.offshore_data_flag = 1;
    p.unit_system_code = 2;
    p.soil_points[2].plasticity_index = 35;
    p.soil_points[2].yield_stress_ratio = 2.5;
    p.soil_points[2].cone_resistance = 1200;
    const auto lines = lines_of(echo_of(p));
    EXPECT_TRUE(contains_lines(
        lines,
        {"", "", std::string(63, ' '), "",
         "                  PLASTIC    YIELD      Qc                             ",
         "                   INDEX    STRESS     FROM                            ",
         "           DEPTH     PI      RATIO     CPT                             ",
         "            M.       %                 KPA", "             0.00   0.00     0.00    0.000E+00",
         "            30.00   0.00     0.00    0.000E+00",
         "            30.00  35.00     2.50    0.120E+04"}));
}

}  // namespace
}  // namespace torve
