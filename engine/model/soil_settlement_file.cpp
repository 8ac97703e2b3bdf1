// Reading and writing the soil settlement file, locale-independently and line by line.
#include "engine/model/soil_settlement_file.h"

#include <cmath>
#include <vector>

#include "engine/model/input_error.h"
#include "engine/model/number_text.h"
#include "engine/model/text_encoding.h"

namespace torve {
namespace {

std::vector<std::string_view> fields_of(std::string_view line) {
    std::vector<std::string_view> fields;
    const bool separated = line.find_first_of(",;") != std::string_view::npos;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        const bool end = i == line.size();
        const char c = end ? ',' : line[i];
        if (c == ',' || c == ';' || (!separated && (c == ' ' || c == '\t'))) {
            std::string_view f = line.substr(start, i - start);
            while (!f.empty() && (f.front() == ' ' || f.front() == '\t')) f.remove_prefix(1);
            while (!f.empty() && (f.back() == ' ' || f.back() == '\t')) f.remove_suffix(1);
            if (separated || !f.empty()) fields.push_back(f);
            start = i + 1;
        }
    }
    return fields;
}

}  // namespace

SoilSettlement parse_soil_settlement(std::string_view text, const std::string& file_name) {
    SoilSettlement soil;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a spreadsheet's byte-order mark
    std::size_t line_number = 0;
    while (!text.empty()) {
        ++line_number;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::vector<std::string_view> fields = fields_of(line);
        if (fields.empty() || (fields.size() == 1 && fields[0].empty())) continue;
        if (fields[0].starts_with("#")) continue;
        const InputPlace place{file_name, {}, line_number};
        const std::string where = "The soil settlement file " + quoted_text(file_name) + ", line " +
                                  std::to_string(line_number) + ": ";
        if (fields.size() != 2)
            throw InputError(where + "expected a depth and a settlement, found " +
                                 std::to_string(fields.size()) + " values.",
                             place);
        double depth = 0, settlement = 0;
        if (!parse_real(fields[0], depth))
            throw InputError(where + "expected a depth, found " + quoted_text(std::string(fields[0])) + ".",
                             place);
        if (!parse_real(fields[1], settlement))
            throw InputError(
                where + "expected a settlement, found " + quoted_text(std::string(fields[1])) + ".", place);
        if (!soil.depth.empty() && !(depth > soil.depth.back()))
            throw InputError(where + "the depth " + shortest_text(depth) + " is not below the depth " +
                                 shortest_text(soil.depth.back()) +
                                 " of the line before; the depths must increase.",
                             place);
        soil.depth.push_back(depth);
        soil.settlement.push_back(settlement);
    }
    if (soil.depth.empty())
        throw InputError(
            "The soil settlement file " + quoted_text(file_name) + " has no depth and settlement.",
            {file_name, {}, 0});
    return soil;
}

std::string settlement_file_beside(const std::string& project_path) {
    const std::size_t slash = project_path.find_last_of("/\\");
    const std::size_t dot = project_path.find_last_of('.');
    const bool has_extension = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return (has_extension ? project_path.substr(0, dot) : project_path) + ".settlement.csv";
}

namespace {

constexpr std::string_view kHeadLoadLine = "# head load";

}  // namespace

SettlementRecord parse_settlement_record(std::string_view text, const std::string& file_name) {
    SettlementRecord record;
    const std::string_view whole = text;
    std::size_t line_number = 0;
    while (!text.empty()) {
        ++line_number;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line_number == 1 && line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.starts_with(kHeadLoadLine)) continue;
        const std::size_t colon = line.find(':');
        std::string_view value =
            colon == std::string_view::npos ? std::string_view{} : line.substr(colon + 1);
        while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
        double load = 0;
        // A pull at the head is no sustained load that settling soil drags down.
        if (!parse_real(value, load) || !std::isfinite(load) || load < 0)
            throw InputError("The soil settlement file " + quoted_text(file_name) + ", line " +
                                 std::to_string(line_number) + ": expected a head load of 0 or more, found " +
                                 quoted_text(std::string(value)) + ".",
                             {file_name, {}, line_number});
        record.head_load = load;
    }
    try {
        record.soil = parse_soil_settlement(whole, file_name);
    } catch (const InputError& e) {
        // A head load entered before any settlement is kept on its own; a line that cannot be read
        // is refused all the same.
        if (!record.head_load || e.place().line != 0) throw;
    }
    return record;
}

std::string settlement_record_text(const SettlementRecord& record, bool english) {
    std::string text = english ? "# depth (ft), settlement (in)\n" : "# depth (m), settlement (mm)\n";
    if (record.head_load)
        text += std::string(kHeadLoadLine) + (english ? " (kips): " : " (kN): ") +
                shortest_real(*record.head_load) + "\n";
    for (std::size_t i = 0; i < record.soil.depth.size() && i < record.soil.settlement.size(); ++i)
        text += shortest_real(record.soil.depth[i]) + "," + shortest_real(record.soil.settlement[i]) + "\n";
    return text;
}

}  // namespace torve
