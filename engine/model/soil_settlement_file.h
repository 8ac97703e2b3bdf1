// The soil settlement file: a depth and a settlement on each line, in the project's units. Kept
// beside a project as PROJECT.settlement.csv, it also holds the sustained head load of its downdrag.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torve {

// Settlement of the soil against depth below the ground surface, in the project's units: ft and in,
// or m and mm.
struct SoilSettlement {
    std::vector<double> depth;
    std::vector<double> settlement;
    bool operator==(const SoilSettlement&) const = default;
};

// Parses the text of a soil settlement file: on each line a depth (ft or m below the ground surface)
// and a settlement (in or mm), separated by a comma, a semicolon, a tab or spaces; blank lines and
// lines starting with "#" are skipped. The depths must increase from line to line. A line with text,
// a value that is not a finite number, more or fewer than two values, or a depth not below the one
// before raises InputError naming the file and the line.
SoilSettlement parse_soil_settlement(std::string_view text, const std::string& file_name);

// A project's soil settlement and the sustained head load (kips or kN) its downdrag is solved for.
struct SettlementRecord {
    SoilSettlement soil;
    std::optional<double> head_load;
    bool operator==(const SettlementRecord&) const = default;
};

// The file name a project's settlement record is kept in: the project's path with the extension
// ".settlement.csv" in place of its own.
std::string settlement_file_beside(const std::string& project_path);

// Parses a settlement file as parse_soil_settlement does, and the head load from its comment line
// "# head load (kips): Q" or "# head load (kN): Q" (the unit in the brackets is not checked). A head
// load line whose value is not a finite number of 0 or more raises InputError naming the line. A
// file with a head load and no depth and settlement has an empty profile.
SettlementRecord parse_settlement_record(std::string_view text, const std::string& file_name);

// The text of a settlement file: two comment lines naming the columns' units and the head load
// (none without one), then "depth,settlement" lines with each number in its shortest form that
// reads back to the same double, LF line ends. parse_settlement_record reads back what it writes.
std::string settlement_record_text(const SettlementRecord& record, bool english);

}  // namespace torve
