// Reading the input data file value by value as written, and writing it back.
#include "engine/driver/input_records.h"

#include <charconv>

#include "engine/driver/input_reader.h"
#include "engine/driver/record_reader.h"

namespace torve {
namespace {

// A line of values separated by single blanks.
class LineWriter {
  public:
    explicit LineWriter(std::string& out) : out_(out) {}
    ~LineWriter() { out_ += '\n'; }
    LineWriter& operator<<(double v) { return put(shortest_real(v)); }
    LineWriter& operator<<(int v) { return put(std::to_string(v)); }

  private:
    LineWriter& put(const std::string& s) {
        if (!first_) out_ += ' ';
        first_ = false;
        out_ += s;
        return *this;
    }
    std::string& out_;
    bool first_ = true;
};

SoilPointRecord read_soil_point(RecordReader& r, int number, int count) {
    SoilPointRecord p;
    static_assert(records::kSoilPointFirstLine.size() == 6 && records::kSoilPointSecondLine.size() == 11);
    constexpr auto& a = records::kSoilPointFirstLine;
    constexpr auto& b = records::kSoilPointSecondLine;
    r.begin(records::kSoilPointTitle, number, count, a.title);
    p.depth = r.real(a[0]);
    p.soil_type = static_cast<int>(r.real(a[1]));
    p.earth_pressure = r.real(a[2]);
    p.unit_weight = r.real(a[3]);
    p.friction_angle = r.real(a[4]);
    p.bearing_factor = r.real(a[5]);
    r.begin(records::kSoilPointTitle, number, count, b.title);
    p.max_friction = r.real(b[0]);
    p.max_bearing = r.real(b[1]);
    p.su = r.real(b[2]);
    p.sur_or_blow_count = r.real(b[3]);
    p.ysr = r.real(b[4]);
    p.plasticity_index = r.real(b[5]);
    p.cone_resistance = r.real(b[6]);
    p.user_friction = r.real(b[7]);
    p.user_bearing = r.real(b[8]);
    p.lrfd_friction = r.real(b[9]);
    p.lrfd_bearing = r.real(b[10]);
    return p;
}

}  // namespace

std::string shortest_real(double v) {
    // Plain decimals as a person writes them (210000000, 0.00001) while they stay short; the
    // exponent form only for values far from any pile or soil quantity.
    char buffer[400];
    std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed);
    if (r.ec != std::errc() || r.ptr - buffer > 24) r = std::to_chars(buffer, buffer + sizeof buffer, v);
    return r.ec == std::errc() ? std::string(buffer, r.ptr) : std::string("0");
}

InputRecords read_input_records(std::string_view text, const std::string& file_name) {
    // Every check of the analysis first: what follows reads a file known to be sound.
    const InputData checked = parse_input_data(text, file_name);
    RecordReader r("Input data file \"" + file_name + "\"", text);
    // The texts whole: the analysis shows their first 72 characters, the file keeps the rest.
    InputRecords f;
    r.begin("title");
    f.title = r.text_line("title", std::string::npos);
    r.begin("designer");
    f.designer = r.text_line("designer", std::string::npos);
    r.begin("job number");
    f.job_number = r.text_line("job number", std::string::npos);
    static_assert(records::kUnitsAndCounts.size() == 3 && records::kPileSection.size() == 7 &&
                      records::kEndSection.size() == 2 && records::kOptions.size() == 7 &&
                      records::kSoilDepth.size() == 2 && records::kTzPrint.size() == 2 &&
                      records::kLoading.size() == 2 && records::kDrainageAndPlug.size() == 2 &&
                      records::kSectionTable.size() == 2 && records::kSectionRow.size() == 2 &&
                      records::kCriticalDepth.size() == 2,
                  "a field to read and write");
    r.begin(std::string(records::kUnitsAndCounts.title));
    f.units = r.integer(records::kUnitsAndCounts[0]);
    f.print_interval = r.integer(records::kUnitsAndCounts[1]);
    const int points = r.integer(records::kUnitsAndCounts[2]);
    r.begin(std::string(records::kPileSection.title));
    f.perimeter = r.real(records::kPileSection[0]);
    f.tip_area = r.real(records::kPileSection[1]);
    f.outside_diameter = r.real(records::kPileSection[2]);
    f.inside_diameter = r.real(records::kPileSection[3]);
    f.modulus = r.real(records::kPileSection[4]);
    f.pile_length = r.real(records::kPileSection[5]);
    f.stickup_length = r.real(records::kPileSection[6]);
    r.begin(std::string(records::kEndSection.title));
    f.end_section_length = r.real(records::kEndSection[0]);
    f.end_section_inside_diameter = r.real(records::kEndSection[1]);
    r.begin(std::string(records::kOptions.title));
    f.zero_friction_length = r.real(records::kOptions[0]);
    f.increment = r.real(records::kOptions[1]);
    f.pile_type = r.integer(records::kOptions[2]);
    f.taper_angle = r.real(records::kOptions[3]);
    f.load_transfer_method = r.integer(records::kOptions[4]);
    f.offshore_data = r.integer(records::kOptions[5]);
    f.reduced_resistance = r.integer(records::kOptions[6]);
    r.begin(std::string(records::kMethodFlagsTitle));
    for (std::size_t m = 0; m < f.selected.size(); ++m) {
        if (m >= kAlwaysWrittenMethodFlags && !r.value_left_on_line()) break;  // not selected
        f.selected[m] = r.integer("selection flag of method " + std::to_string(m + 1));
    }
    r.begin(std::string(records::kSoilDepth.title));
    f.deepest_soil_depth = r.real(records::kSoilDepth[0]);
    f.section_area = r.real(records::kSoilDepth[1]);
    for (int i = 0; i < points; ++i) f.soil.push_back(read_soil_point(r, i + 1, points));
    r.begin(std::string(records::kTzPrint.title));
    f.tz_print = r.integer(records::kTzPrint[0]);
    if (f.tz_print == 1) {
        const int count = r.integer(records::kTzPrint[1]);
        for (int i = 0; i < count; ++i) {
            r.begin(records::kTzPrintDepthTitle, i + 1, count, ")");
            f.tz_print_depths.push_back(r.real(records::kTzPrintDepth));
        }
    }
    r.begin(std::string(records::kLoading.title));
    f.loading_type = r.integer(records::kLoading[0]);
    f.tension_factor = r.real(records::kLoading[1]);
    r.begin(std::string(records::kDrainageAndPlug.title));
    f.clay_drainage = r.integer(records::kDrainageAndPlug[0]);
    f.plug_condition = r.integer(records::kDrainageAndPlug[1]);
    r.begin(std::string(records::kSectionTable.title));
    const int rows = r.integer(records::kSectionTable[0]);
    f.section_mode = r.integer(records::kSectionTable[1]);
    // Rows follow only for an area varying with depth (mode 2 and above), as the analysis reads them.
    if (checked.section_mode == SectionMode::VaryingWithDepth) {
        for (int i = 0; i < rows; ++i) {
            r.begin(records::kSectionRowTitle, i + 1, rows, ")");
            SectionRow row;
            row.depth = r.real(records::kSectionRow[0]);
            row.area = r.real(records::kSectionRow[1]);
            f.sections.push_back(row);
        }
    }
    r.begin(std::string(records::kCriticalDepth.title));
    f.critical_depth_option = r.integer(records::kCriticalDepth[0]);
    f.critical_depth = r.real(records::kCriticalDepth[1]);
    return f;
}

std::string write_input_records(const InputRecords& f) {
    std::string out;
    for (const std::string* text : {&f.title, &f.designer, &f.job_number}) {
        // A line break inside a text would shift every record after it.
        for (const char c : *text) out += (c == '\n' || c == '\r') ? ' ' : c;
        out += '\n';
    }
    LineWriter(out) << f.units << f.print_interval << static_cast<int>(f.soil.size());
    LineWriter(out) << f.perimeter << f.tip_area << f.outside_diameter << f.inside_diameter << f.modulus
                    << f.pile_length << f.stickup_length;
    LineWriter(out) << f.end_section_length << f.end_section_inside_diameter;
    LineWriter(out) << f.zero_friction_length << f.increment << f.pile_type << f.taper_angle
                    << f.load_transfer_method << f.offshore_data << f.reduced_resistance;
    {
        LineWriter flags(out);
        // Flags past the ninth only when set, as the desktop program writes them.
        for (std::size_t m = 0; m < f.selected.size(); ++m)
            if (m < kAlwaysWrittenMethodFlags || f.selected[m] != 0) flags << f.selected[m];
    }
    LineWriter(out) << f.deepest_soil_depth << f.section_area;
    for (const SoilPointRecord& p : f.soil) {
        LineWriter(out) << p.depth << p.soil_type << p.earth_pressure << p.unit_weight << p.friction_angle
                        << p.bearing_factor;
        LineWriter(out) << p.max_friction << p.max_bearing << p.su << p.sur_or_blow_count << p.ysr
                        << p.plasticity_index << p.cone_resistance << p.user_friction << p.user_bearing
                        << p.lrfd_friction << p.lrfd_bearing;
    }
    if (f.tz_print == 1) {
        LineWriter(out) << 1 << static_cast<int>(f.tz_print_depths.size());
        for (const double d : f.tz_print_depths) LineWriter(out) << d;
    } else {
        LineWriter(out) << f.tz_print;
    }
    LineWriter(out) << f.loading_type << f.tension_factor;
    LineWriter(out) << f.clay_drainage << f.plug_condition;
    const bool rows = f.section_mode >= static_cast<int>(SectionMode::VaryingWithDepth);
    LineWriter(out) << (rows ? static_cast<int>(f.sections.size()) : 0) << f.section_mode;
    if (rows) {
        for (const SectionRow& s : f.sections) LineWriter(out) << s.depth << s.area;
    }
    LineWriter(out) << f.critical_depth_option << f.critical_depth;
    return out;
}

std::string write_cpt_data(const CptProfile& profile) {
    std::string out;
    LineWriter(out) << profile.unit_code << static_cast<int>(profile.points.size());
    for (const CptPoint& p : profile.points) LineWriter(out) << p.depth << p.qc;
    return out;
}

}  // namespace torve
