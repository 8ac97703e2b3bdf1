// The cone readings file beside a project.
#include "engine/model/cone_readings_file.h"

#include <array>
#include <cmath>
#include <filesystem>
#include <vector>

#include "engine/model/input_error.h"
#include "engine/model/number_text.h"
#include "engine/model/project_codec.h"
#include "engine/model/unit_conversion.h"

namespace torve {
namespace {

constexpr std::string_view kSiHeading = "depth_m,fs_kPa,u2_kPa,qt_kPa";
constexpr std::string_view kEnglishHeading = "depth_ft,fs_psf,u2_psf,qt_psf";
constexpr std::array<std::optional<double> ConeReading::*, 3> kStresses{&ConeReading::fs, &ConeReading::u2,
                                                                        &ConeReading::qt};
constexpr std::array<const char*, 3> kStressNames{"fs", "u2", "qt"};

// One line of the text without its line end (LF, or CR LF of a file that went through an editor).
std::string_view next_line(std::string_view& text) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

}  // namespace

std::string cone_readings_path(const std::string& project_path) {
    return std::filesystem::path(project_path).replace_extension(".cone.csv").string();
}

std::string write_cone_readings(const ConeReadingsFile& file) {
    std::string out(file.units == UnitSystem::English ? kEnglishHeading : kSiHeading);
    out += '\n';
    const int count = static_cast<int>(file.readings.size());
    for (int i = 0; i < count; ++i) {
        const ConeReading& r = file.readings[static_cast<std::size_t>(i)];
        const RecordPlace place{RecordId::CptRow, i, count};
        const auto line = static_cast<std::size_t>(i) + 2;
        if (!std::isfinite(r.depth)) throw NotFiniteError(place, "depth", line, r.depth);
        out += shortest_real(r.depth);
        for (std::size_t q = 0; q < kStresses.size(); ++q) {
            out += ',';
            const std::optional<double>& v = r.*kStresses[q];
            if (!v) continue;
            if (!std::isfinite(*v)) throw NotFiniteError(place, kStressNames[q], line, *v);
            out += shortest_real(*v);
        }
        out += '\n';
    }
    return out;
}

ConeReadingsFile read_cone_readings(std::string_view text, const std::string& file_name) {
    const auto refuse = [&](std::size_t line, const std::string& what) {
        throw InputError(file_name + ", line " + std::to_string(line) + ": " + what, {file_name, {}, line});
    };
    ConeReadingsFile file;
    // A byte-order mark of an editor's UTF-8 is no part of the heading.
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const std::string_view heading = next_line(text);
    if (heading == kSiHeading)
        file.units = UnitSystem::SI;
    else if (heading == kEnglishHeading)
        file.units = UnitSystem::English;
    else
        refuse(1, "the heading \"" + std::string(kSiHeading) + "\" or \"" + std::string(kEnglishHeading) +
                      "\" was expected.");
    std::size_t line = 1;
    while (!text.empty()) {
        const std::string_view row = next_line(text);
        ++line;
        if (row.empty() && text.empty()) break;  // the line end of the last row
        std::vector<std::string_view> fields;
        for (std::string_view rest = row;;) {
            const std::size_t comma = rest.find(',');
            fields.push_back(rest.substr(0, comma));
            if (comma == std::string_view::npos) break;
            rest.remove_prefix(comma + 1);
        }
        if (fields.size() != 4)
            refuse(line, "four values separated by commas (depth, fs, u2, qt) were expected.");
        ConeReading r;
        double v = 0;
        if (fields[0].empty() || !parse_real(fields[0], v))
            refuse(line, "the depth is not a number: \"" + std::string(fields[0]) + "\".");
        r.depth = v;
        for (std::size_t q = 0; q < kStresses.size(); ++q) {
            const std::string_view f = fields[q + 1];
            if (f.empty()) continue;
            if (!parse_real(f, v))
                refuse(line, std::string(kStressNames[q]) + " is not a number: \"" + std::string(f) + "\".");
            r.*kStresses[q] = v;
        }
        if (!file.readings.empty() && r.depth < file.readings.back().depth)
            refuse(line, "the depth lies above the one of the row before; the readings go downwards.");
        if (file.readings.size() >= static_cast<std::size_t>(kMaxCptRows))
            refuse(line, "more than " + std::to_string(kMaxCptRows) + " rows.");
        file.readings.push_back(r);
    }
    return file;
}

std::vector<ConeReading> cone_readings_in(const std::vector<ConeReading>& readings, UnitSystem from,
                                          UnitSystem to, bool to_ksf) {
    const CptFactors f = cpt_factors(from, to, to_ksf);
    std::vector<ConeReading> out = readings;
    for (ConeReading& r : out) {
        r.depth = converted_value(r.depth, f.depth);
        for (auto field : kStresses)
            if (r.*field) r.*field = converted_value(*(r.*field), f.qc);
    }
    return out;
}

void attach_cone_readings(CptProfile& cpt, const ConeReadingsFile& file) {
    const std::optional<UnitSystem> to = cpt_unit_system(cpt.unit_code);
    cpt.readings = to ? cone_readings_in(file.readings, file.units, *to, false) : file.readings;
}

}  // namespace torve
