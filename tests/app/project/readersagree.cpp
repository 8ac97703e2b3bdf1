// Whether the desktop core and the engine read an input data file alike.
#include "tests/app/project/readersagree.h"

#include <QByteArray>
#include <cmath>
#include <optional>
#include <sstream>

#include "app/controls/usererror.h"
#include "app/project/projectfile.h"
#include "app/project/texts.h"
#include "engine/driver/input_reader.h"
#include "engine/model/input_error.h"
#include "engine/model/project_codec.h"

namespace torve::test {
namespace {

using app::ProjectFile;

// The engine's messages for a file it cannot read at all, as against a value it reads and refuses.
bool malformed(const std::string& message) {
    for (const char* m :
         {"expected a whole number for the", "expected a finite number for the", "the file ends before the"})
        if (message.find(m) != std::string::npos) return true;
    return false;
}

bool cannotHold(const QString& message) {
    return message.contains(app::texts::kEvenSoilPointsExpected) ||
           message.contains(app::texts::kWholeBlowCountExpected);
}

// The section line of a file the engine reads holds the row count alone: the desktop then infers the
// mode, as for files of earlier layouts, where the engine takes it from the next line.
bool sectionCountAlone(const std::string& text) {
    const std::size_t line = read_project_records(text, "f").lines.section_table;
    std::size_t start = 0;
    for (std::size_t i = 1; i < line; ++i) start = text.find('\n', start) + 1;
    RecordReader r("f", std::string_view(text).substr(start, text.find('\n', start) - start));
    r.begin("section line");
    r.integer("count");
    return !r.value_left_on_line();
}

bool printableAscii(const std::string& s) {
    for (const char c : s)
        if (c < 0x20 || c > 0x7e) return false;
    return true;
}

// The engine's reading of the file as the desktop writes it back.
InputData asSaved(InputData in) {
    if (!in.soil.empty()) in.soil.front().depth = 0;
    for (SoilPoint& p : in.soil) {
        if (p.is_sand()) {
            p.su = p.plasticity_index = 0;
        } else {
            p.earth_pressure = p.friction_angle = p.bearing_factor = 0;
        }
    }
    return in;
}

class Differences {
  public:
    void text(const char* field, const std::string& a, const std::string& b) {
        if (a != b) out_ << field << ": \"" << a << "\" against \"" << b << "\"\n";
    }
    void code(const char* field, int a, int b) {
        if (a != b) out_ << field << ": " << a << " against " << b << "\n";
    }
    void exact(const std::string& field, double a, double b) {
        if (a != b) out_ << field << ": " << a << " against " << b << "\n";
    }
    // A value the desktop writes with 10 significant digits.
    void tenDigits(const char* field, double a, double b) {
        if (std::fabs(a - b) > 1e-9 * std::fabs(a)) out_ << field << ": " << a << " against " << b << "\n";
    }
    std::string str() const { return out_.str(); }

  private:
    std::ostringstream out_;
};

std::string differences(const InputData& a, const InputData& b, bool compareTexts) {
    Differences d;
    if (compareTexts) {
        d.text("title", a.title, b.title);
        d.text("designer", a.designer, b.designer);
        d.text("job number", a.job_number, b.job_number);
    }
    d.code("units", code_of(a.units), code_of(b.units));
    d.code("print interval", a.print_interval, b.print_interval);
    d.tenDigits("perimeter", a.perimeter, b.perimeter);
    d.tenDigits("tip area", a.tip_area, b.tip_area);
    d.tenDigits("outside diameter", a.outside_diameter, b.outside_diameter);
    d.tenDigits("inside diameter", a.inside_diameter, b.inside_diameter);
    d.tenDigits("modulus", a.modulus_of_elasticity, b.modulus_of_elasticity);
    d.tenDigits("pile length", a.total_pile_length, b.total_pile_length);
    d.tenDigits("stickup length", a.stickup_length, b.stickup_length);
    d.tenDigits("end section length", a.enhanced_end_section_length, b.enhanced_end_section_length);
    d.tenDigits("end section inside diameter", a.enhanced_end_section_inside_diameter,
                b.enhanced_end_section_inside_diameter);
    d.tenDigits("zero-friction length", a.zero_friction_length, b.zero_friction_length);
    d.tenDigits("increment", a.computation_increment, b.computation_increment);
    d.code("pile type", static_cast<int>(a.pile_type), static_cast<int>(b.pile_type));
    d.tenDigits("taper angle", a.taper_angle, b.taper_angle);
    d.code("load-transfer method", code_of(a.load_transfer_method), code_of(b.load_transfer_method));
    d.code("reduced resistance", a.reduced_resistance, b.reduced_resistance);
    for (std::size_t m = 0; m < a.selected.size(); ++m) d.code("method flag", a.selected[m], b.selected[m]);
    d.tenDigits("deepest soil depth", a.deepest_soil_depth, b.deepest_soil_depth);
    d.tenDigits("section area", a.cross_section_area, b.cross_section_area);
    d.code("soil points", static_cast<int>(a.soil.size()), static_cast<int>(b.soil.size()));
    for (std::size_t i = 0; i < std::min(a.soil.size(), b.soil.size()); ++i) {
        const SoilPoint &p = a.soil[i], &q = b.soil[i];
        const std::string at = "soil point " + std::to_string(i + 1) + " ";
        d.code((at + "type").c_str(), static_cast<int>(p.soil_type), static_cast<int>(q.soil_type));
        for (const auto& [name, x, y] : {std::tuple{"depth", p.depth, q.depth},
                                         {"K", p.earth_pressure, q.earth_pressure},
                                         {"unit weight", p.unit_weight, q.unit_weight},
                                         {"friction angle", p.friction_angle, q.friction_angle},
                                         {"Nq", p.bearing_factor, q.bearing_factor},
                                         {"maximum friction", p.max_friction, q.max_friction},
                                         {"maximum bearing", p.max_bearing, q.max_bearing},
                                         {"su", p.su, q.su},
                                         {"sur", p.sur, q.sur},
                                         {"blow count or YSR", p.blow_count_ysr, q.blow_count_ysr},
                                         {"user friction", p.user_friction_read, q.user_friction_read},
                                         {"user bearing", p.user_bearing_read, q.user_bearing_read},
                                         {"LRFD friction", p.lrfd_friction, q.lrfd_friction},
                                         {"LRFD bearing", p.lrfd_bearing, q.lrfd_bearing},
                                         {"PI", p.plasticity_index, q.plasticity_index},
                                         {"qc", p.cone_resistance, q.cone_resistance}})
            d.exact(at + name, x, y);
    }
    d.code("t-z print flag", a.t_z_print_flag, b.t_z_print_flag);
    d.code("t-z print depths", static_cast<int>(a.t_z_print_depths.size()),
           static_cast<int>(b.t_z_print_depths.size()));
    for (std::size_t i = 0; i < std::min(a.t_z_print_depths.size(), b.t_z_print_depths.size()); ++i)
        d.exact("t-z print depth", a.t_z_print_depths[i], b.t_z_print_depths[i]);
    d.code("loading type", static_cast<int>(a.loading_type), static_cast<int>(b.loading_type));
    d.tenDigits("tension factor", a.tension_reduction_factor, b.tension_reduction_factor);
    d.code("clay drainage", static_cast<int>(a.clay_drainage), static_cast<int>(b.clay_drainage));
    d.code("plug condition", static_cast<int>(a.plug_condition), static_cast<int>(b.plug_condition));
    d.code("section mode", static_cast<int>(a.section_mode), static_cast<int>(b.section_mode));
    d.code("section rows", static_cast<int>(a.sections.size()), static_cast<int>(b.sections.size()));
    for (std::size_t i = 0; i < std::min(a.sections.size(), b.sections.size()); ++i) {
        d.exact("section depth", a.sections[i].depth, b.sections[i].depth);
        d.exact("section area", a.sections[i].area, b.sections[i].area);
    }
    d.code("critical-depth option", static_cast<int>(a.critical_depth_option),
           static_cast<int>(b.critical_depth_option));
    d.tenDigits("critical depth", a.critical_depth, b.critical_depth);
    return d.str();
}

}  // namespace

std::string readersDisagree(const std::string& text) {
    std::optional<InputData> engine;
    std::string engineError;
    try {
        engine = parse_input_data(text, "f");
    } catch (const InputError& e) {
        engineError = e.what();
    }
    std::optional<ProjectFile> desktop;
    QString desktopError;
    try {
        desktop = ProjectFile::fromText(QByteArray::fromStdString(text), app::ProjectFormat::Current);
    } catch (const app::UserError& e) {
        desktopError = e.message();
    }
    if (engine && sectionCountAlone(text)) return {};
    if (!desktop) {
        if (!engine || cannotHold(desktopError)) return {};
        return "the desktop refuses a file the engine reads: " + desktopError.toStdString();
    }
    if (!desktop->records.section_mode) return {};
    if (!engine) {
        if (malformed(engineError)) return "the desktop reads a file the engine cannot: " + engineError;
        return {};
    }
    InputData saved;
    try {
        saved = parse_input_data(desktop->text().toStdString(), "f");
    } catch (const InputError& e) {
        return std::string("the engine refuses the desktop's save: ") + e.what();
    }
    // Text lines are compared when they are plain: the desktop passes over a byte-order mark, writes
    // line breaks inside a line as blanks and saves in UTF-8.
    const bool plain = printableAscii(engine->title) && printableAscii(engine->designer) &&
                       printableAscii(engine->job_number);
    return differences(asSaved(*engine), saved, plain);
}

std::string savedAlike(const std::string& original, const std::string& saved) {
    try {
        const InputData a = parse_input_data(original, "original");
        const bool plain =
            printableAscii(a.title) && printableAscii(a.designer) && printableAscii(a.job_number);
        return differences(asSaved(a), parse_input_data(saved, "saved"), plain);
    } catch (const InputError& e) {
        return e.what();
    }
}

}  // namespace torve::test
