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

SoilPointRecord read_soil_point(RecordReader& r) {
    SoilPointRecord p;
    r.begin("soil point");
    p.depth = r.real("depth");
    p.soil_type = static_cast<int>(r.real("soil-type code"));
    p.earth_pressure = r.real("coefficient of lateral earth pressure");
    p.unit_weight = r.real("effective unit weight");
    p.friction_angle = r.real("friction angle");
    p.bearing_factor = r.real("bearing capacity factor");
    r.begin("soil point");
    p.max_friction = r.real("maximum unit friction");
    p.max_bearing = r.real("maximum unit bearing");
    p.su = r.real("undrained shear strength");
    p.sur_or_blow_count = r.real("remolded shear strength or blow count");
    p.ysr = r.real("yield stress ratio");
    p.plasticity_index = r.real("plasticity index");
    p.cone_resistance = r.real("cone resistance");
    p.user_friction = r.real("user unit skin friction");
    p.user_bearing = r.real("user unit end bearing");
    p.lrfd_friction = r.real("LRFD factor on unit friction");
    p.lrfd_bearing = r.real("LRFD factor on unit bearing");
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
    r.begin("units");
    f.units = r.integer("unit-system code");
    f.print_interval = r.integer("print interval");
    const int points = r.integer("number of soil points");
    r.begin("pile section");
    f.perimeter = r.real("perimeter");
    f.tip_area = r.real("tip area");
    f.outside_diameter = r.real("outside diameter");
    f.inside_diameter = r.real("inside diameter");
    f.modulus = r.real("modulus");
    f.pile_length = r.real("pile length");
    f.stickup_length = r.real("stickup length");
    r.begin("end section");
    f.end_section_length = r.real("end section length");
    f.end_section_inside_diameter = r.real("end section inside diameter");
    r.begin("options");
    f.zero_friction_length = r.real("zero-friction length");
    f.increment = r.real("increment");
    f.pile_type = r.integer("pile type");
    f.taper_angle = r.real("taper angle");
    f.load_transfer_method = r.integer("load-transfer method");
    f.offshore_data = r.integer("offshore-data flag");
    f.reduced_resistance = r.integer("reduced-resistance flag");
    r.begin("methods");
    for (int& flag : f.selected) flag = r.integer("selection flag");
    r.begin("soil depth");
    f.deepest_soil_depth = r.real("deepest soil depth");
    f.section_area = r.real("section area");
    for (int i = 0; i < points; ++i) f.soil.push_back(read_soil_point(r));
    r.begin("t-z print");
    f.tz_print = r.integer("t-z print flag");
    if (f.tz_print == 1) {
        const int count = r.integer("number of t-z print depths");
        for (int i = 0; i < count; ++i) {
            r.begin("t-z print depth");
            f.tz_print_depths.push_back(r.real("t-z print depth"));
        }
    }
    r.begin("loading");
    f.loading_type = r.integer("loading type");
    f.tension_factor = r.real("tension factor");
    r.begin("clay and plug");
    f.clay_drainage = r.integer("clay drainage");
    f.plug_condition = r.integer("plug condition");
    r.begin("sections");
    const int rows = r.integer("number of section rows");
    f.section_mode = r.integer("section mode");
    // Rows follow only for an area varying with depth (mode 2 and above), as the analysis reads them.
    if (checked.section_mode == SectionMode::VaryingWithDepth) {
        for (int i = 0; i < rows; ++i) {
            r.begin("section row");
            SectionRow row;
            row.depth = r.real("section depth");
            row.area = r.real("cross-section area");
            f.sections.push_back(row);
        }
    }
    r.begin("critical depth");
    f.critical_depth_option = r.integer("critical-depth option");
    f.critical_depth = r.real("critical depth");
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
        for (const int flag : f.selected) flags << flag;
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
