// Report banner, file names and date block; the soil-extent and segment-limit messages.
#include <filesystem>

#include "engine/driver/report_sections.h"
#include "engine/model/text_encoding.h"

namespace torve {
namespace {

std::string trim_right(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

// Name and extension of a path (at most 256 and 5 characters), without trailing blanks.
std::string file_name_piece(const std::string& path) {
    const std::filesystem::path p(path);
    return trim_right(p.stem().string().substr(0, 256)) + trim_right(p.extension().string().substr(0, 5));
}

// Folder of a path, ending in its separator as a drive-and-directory piece does.
std::string folder_piece(const std::string& path) {
    const std::filesystem::path p(path);
    std::string dir = p.parent_path().string();
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return trim_right(dir);
}

}  // namespace

void write_banner(TextOut& out, std::string_view version) {
    const std::string rule = blanks(5) + std::string(73, '=');
    out.line(rule);
    out.blank();
    out.line(Line().x(20).text("  TORVE for Windows, Version ").a(version, 12));
    out.blank();
    out.line(Line().x(20).text("   A Program for Analyzing the Axial Capacity "));
    out.line(Line().x(20).text("   and Short-term Settlement of Driven Piles "));
    out.line(Line().x(20).text("             under Axial Loading. "));
    out.blank();
    out.line(rule);
    out.blank(2);
}

void write_file_names(TextOut& out, const std::string& input, const std::string& report,
                      const std::string& plot) {
    // A name as the system holds it may be any bytes: the report shows it as valid UTF-8 on its line.
    out.line(Line().x(5).text("Path to file locations      : ").text(printable_text(folder_piece(input))));
    out.line(Line().x(5).text("Name of input data file     : ").text(printable_text(file_name_piece(input))));
    out.line(
        Line().x(5).text("Name of output file         : ").text(printable_text(file_name_piece(report))));
    out.line(Line().x(5).text("Name of plot output file    : ").text(printable_text(file_name_piece(plot))));
    out.blank();
}

void write_date_block(TextOut& out, const std::tm& when) {
    static constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                              "May",       "June",     "July",     "August",
                                              "September", "October",  "November", "December"};
    const std::string rule = blanks(5) + std::string(73, '-');
    out.line(rule);
    out.line(Line().x(26).text("Time and Date of Analysis"));
    out.line(rule);
    out.blank();
    const int month = when.tm_mon + 1;
    if (month < 1 || month > 12) return;
    out.line(Line()
                 .x(15)
                 .text("Date:  ")
                 .text(kMonths[month - 1])
                 .x(1)
                 .i(when.tm_mday, 2, 2)
                 .text(", ")
                 .i(when.tm_year + 1900, 4)
                 .x(5)
                 .text("Time:  ")
                 .i(when.tm_hour, 2, 2)
                 .text(":")
                 .i(when.tm_min, 2, 2)
                 .text(":")
                 .i(when.tm_sec, 2, 2));
}

void write_soil_extent_warning(TextOut& console, double required_depth, const UnitLabels& u) {
    console.blank(3);
    console.line(Line().x(10).text("COMPUTATION DOES NOT PROCEED BECAUSE NO SOIL INFORMATION"));
    console.line(
        Line().x(10).text("WAS PROVIDED AT THE DEPTH ").f(required_depth, 10, 2).x(1).text(u.length));
    console.line(Line().x(10).text("PLEASE NOTE THAT SOIL SHOULD EXTEND AT LEAST THE "));
    console.line(Line().x(10).text(" PILE LENGTH PLUS TWO PILE DIAMETERS"));
}

void write_soil_extent_stop(TextOut& out, double stated_depth, double required_depth, const UnitLabels& u) {
    out.blank(2);
    out.line(Line()
                 .x(10)
                 .text("COMPUTATION DOES NOT PROCEED BECAUSE THE DEEPEST SOIL PROFILE ")
                 .f(stated_depth, 7, 2)
                 .x(1)
                 .text(u.length));
    out.line(Line()
                 .x(10)
                 .text("IS LESS THAN PILE EMBEDDED LENGTH PLUS TWO TIMES THE PILE DIAMETER ")
                 .f(required_depth, 10, 2)
                 .x(1)
                 .text(u.length));
}

void write_result_heading(TextOut& out) {
    out.blank(3);
    out.line("1");
    out.line(Line().x(10).text(std::string(22, '*')));
    out.line(Line().x(10).text("* COMPUTATION RESULT *"));
    out.line(Line().x(10).text(std::string(22, '*')));
}

void write_segment_limit(TextOut& out, long long segment_count) {
    out.blank(2);
    out.line(Line().x(1).text("YOUR NUMBERS OF SEGMENT ").i(segment_count, 4).text(" IS LARGER THAN"));
    out.line(Line().x(1).text("DEFAULT VALUE 500. YOU MIGHT WANT TO CHANGE THE LENGTH OF "));
    out.line(Line().x(1).text("SEGMENT OR CONSULT HALDEN, INC. FOR CHANGING THE DEFAULT VALUE"));
}

}  // namespace torve
