// The one reader and writer of the input data file and of the CPT data file.
#include "engine/model/project_codec.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "engine/model/input_checks.h"
#include "engine/model/number_text.h"
#include "engine/model/text_encoding.h"

namespace torve {
namespace {

using Kind = FormatFault::Kind;

// Without the soil-type factor, which stands only when it is not 1.
constexpr std::size_t kWordsPerPoint =
    records::kSoilPointFirstLine.size() + records::kSoilPointSecondLine.size() - 1;
constexpr std::size_t kPreviousWordsPerPoint = kWordsPerPoint - 2;  // without the LRFD factors

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string title_of(std::string_view title) {
    return std::string(title);
}

// A count `n` of items of `words_per_item` values each, just read, refused when negative or over
// `limit` (0: none) before any room is made for the items. A count the rest of the file cannot hold is
// refused as well when `cut_short` (the desktop program's reading) or when it breaks the engine's table
// limit; else the engine's reading goes on to the item where the file ends, and names that. Returns the items
// to make room for, no more than the file holds.
std::size_t check_count(RecordReader& r, int n, const char* what, CountOf of, std::size_t words_per_item,
                        long long limit, bool cut_short) {
    const long long fits = static_cast<long long>(r.values_remaining() / words_per_item);
    const long long most = limit > 0 ? std::min(limit, fits) : fits;
    const std::optional<std::string> over = count_limit_message(of, n);
    std::optional<Kind> kind;
    if (n < 0)
        kind = Kind::NegativeCount;
    else if (limit > 0 && n > limit)
        kind = Kind::CountOverLimit;
    else if (n > fits && (cut_short || over))
        kind = Kind::CountBeyondFile;
    if (!kind) return static_cast<std::size_t>(std::min<long long>(n, fits));
    FormatFault fault;
    fault.kind = *kind;
    fault.field = what;
    fault.count = n;
    fault.most = most;
    r.fail(std::move(fault),
           over ? *over
                : std::to_string(n) + " " + what +
                      " were announced, but the file ends before all of them: it is cut short.");
}

class ProjectReader {
  public:
    ProjectReader(std::string_view text, const std::string& file_name, const ReadOptions& options,
                  RecordObserver* observer)
        : r_(input_file_label(file_name), text, file_name),
          latin1_(!is_valid_utf8(text)),
          current_(options.layout == Layout::Current),
          desktop_(options.desktop_tables),
          observer_(observer) {}

    ReadResult<ProjectRecords> read() {
        texts();
        const int points = units_and_counts();
        pile_section();
        end_section();
        options();
        if (current_)
            method_flags();
        else
            out_.records.method_selection_flags.reset();
        soil_depth();
        for (int i = 0; i < points; ++i) soil_point(i, points);
        t_z_print();
        loading();
        section_table();
        if (current_) {
            critical_depth();
            // A record that only a project with working loads of its own holds.
            if (r_.values_remaining() > 0) working_loads();
        } else {
            out_.records.critical_depth_option.reset();
            out_.records.critical_depth.reset();
        }
        return std::move(out_);
    }

  private:
    void begin(std::string_view title) { r_.begin(std::string(title)); }
    // The record is read: its values go to the observer before the next record is looked for.
    void done(RecordId id, int index = 0, int count = 0, long long announced = 0) {
        if (observer_) observer_->read(out_, {id, index, count}, announced);
    }
    // The line of the value read last: read after a record's first value, the record's line.
    std::size_t first_line() const { return r_.line(); }

    // A text as the project holds it: UTF-8 without control characters. A file that is not UTF-8
    // throughout is a legacy one, in Latin-1; a control character (a tab, a lone carriage return)
    // reads as the blank that the writer makes of a line break, so that what a file holds reads the
    // same in every program and writes back unchanged.
    std::string text(std::string_view field) {
        std::string t = r_.text_line(field);
        if (latin1_) t = utf8_from_latin1(t);
        return blanked_control_characters(t);
    }

    void texts() {
        ProjectRecords& f = out_.records;
        r_.begin("record 1 (title)");
        f.title = text("title");
        // A byte-order mark some editors put first is no part of the title.
        if (f.title.starts_with(kByteOrderMark)) f.title.erase(0, kByteOrderMark.size());
        r_.begin("record 2 (designer)");
        f.designer = text("designer");
        r_.begin("record 3 (job number)");
        f.job_number = text("job number");
    }

    int units_and_counts() {
        constexpr auto& n = records::kUnitsAndCounts;
        static_assert(n.size() == 3, "a field to read");
        ProjectRecords& f = out_.records;
        begin(n.title);
        f.unit_system_code = r_.integer(n[0]);
        out_.lines.units_and_counts = first_line();
        f.print_interval = r_.integer(n[1]);
        const int points = r_.integer(n[2]);
        done(RecordId::UnitsAndCounts, 0, 0, points);
        const std::size_t room = check_count(r_, points, "soil points", CountOf::SoilPoints,
                                             current_ ? kWordsPerPoint : kPreviousWordsPerPoint,
                                             desktop_ ? kMaxSoilPoints : 0, desktop_);
        if (desktop_ && points % 2 != 0) {
            FormatFault fault;
            fault.kind = Kind::OddSoilPoints;
            fault.field = n[2];
            fault.count = points;
            r_.fail(std::move(fault), "expected an even number of soil points (two per layer).");
        }
        f.soil_points.reserve(room);
        return points;
    }

    void pile_section() {
        constexpr auto& n = records::kPileSection;
        static_assert(n.size() == 7, "a field to read");
        ProjectRecords& f = out_.records;
        begin(n.title);
        f.perimeter = r_.real(n[0]);
        out_.lines.pile_section = first_line();
        f.tip_area = r_.real(n[1]);
        f.outside_diameter = r_.real(n[2]);
        f.inside_diameter = r_.real(n[3]);
        f.modulus_of_elasticity = r_.real(n[4]);
        f.total_pile_length = r_.real(n[5]);
        if (current_)
            f.stickup_length = r_.real(n[6]);
        else
            f.stickup_length.reset();
        done(RecordId::PileSection);
    }

    void end_section() {
        constexpr auto& n = records::kEndSection;
        static_assert(n.size() == 2, "a field to read");
        ProjectRecords& f = out_.records;
        begin(n.title);
        f.enhanced_end_section_length = r_.real(n[0]);
        out_.lines.end_section = first_line();
        f.enhanced_end_section_inside_diameter = r_.real(n[1]);
        done(RecordId::EndSection);
    }

    void options() {
        constexpr auto& n = records::kOptions;
        static_assert(n.size() == 7, "a field to read");
        ProjectRecords& f = out_.records;
        begin(n.title);
        f.zero_friction_length = r_.real(n[0]);
        out_.lines.options = first_line();
        f.computation_increment = r_.real(n[1]);
        f.pile_type_code = r_.integer(n[2]);
        f.taper_angle = r_.real(n[3]);
        f.load_transfer_method_code = r_.integer(n[4]);
        f.offshore_data_flag = r_.integer(n[5]);
        if (current_)
            f.reduced_resistance_flag = r_.integer(n[6]);
        else
            f.reduced_resistance_flag.reset();
        done(RecordId::Options);
    }

    void method_flags() {
        MethodFlags flags{};
        begin(records::kMethodFlagsTitle);
        // Flags past the ninth are written only when set, on the ninth flag's line: a file without
        // them reads as not selecting those methods, and readers that take nine values keep working.
        for (std::size_t m = 0; m < flags.size(); ++m) {
            if (m >= kAlwaysWrittenMethodFlags && !r_.value_left_on_line()) break;
            flags[m] = r_.integer("selection flag of method " + std::to_string(m + 1));
            if (m == 0) out_.lines.method_flags = first_line();
        }
        out_.records.method_selection_flags = flags;
        done(RecordId::MethodFlags);
    }

    void soil_depth() {
        constexpr auto& n = records::kSoilDepth;
        static_assert(n.size() == 2, "a field to read");
        begin(n.title);
        out_.records.deepest_soil_depth = r_.real(n[0]);
        out_.lines.soil_depth = first_line();
        out_.records.cross_section_area = r_.real(n[1]);
        done(RecordId::SoilDepth);
    }

    void soil_point(int index, int count) {
        constexpr auto& a = records::kSoilPointFirstLine;
        constexpr auto& b = records::kSoilPointSecondLine;
        static_assert(a.size() == 6 && b.size() == 12, "a field to read");
        SoilPointRecord p;
        r_.begin(records::kSoilPointTitle, index + 1, count, a.title);
        p.depth = r_.real(a[0]);
        out_.lines.soil_point_first.push_back(first_line());
        const double type = r_.real(a[1]);
        const bool known = type == 1.0 || type == 2.0;
        if (!known && desktop_) {
            FormatFault fault;
            fault.kind = Kind::SoilTypeCode;
            fault.field = a[1];
            r_.fail(std::move(fault), "expected a soil-type code of 1 (sand) or 2 (clay).");
        }
        // The value checks name any other code in their order, as the file gives it when whole; no
        // code of the file is 0.
        p.soil_type_code =
            known || (type == std::trunc(type) && std::fabs(type) < 1e9) ? static_cast<int>(type) : 0;
        p.coefficient_of_lateral_earth_pressure = r_.real(a[2]);
        p.effective_unit_weight = r_.real(a[3]);
        p.friction_angle = r_.real(a[4]);
        p.bearing_capacity_factor = r_.real(a[5]);
        out_.records.soil_points.push_back(p);
        done(RecordId::SoilPointFirstLine, index, count);

        SoilPointRecord& q = out_.records.soil_points.back();
        r_.begin(records::kSoilPointTitle, index + 1, count, b.title);
        q.maximum_unit_friction = r_.real(b[0]);
        out_.lines.soil_point_second.push_back(first_line());
        q.maximum_unit_bearing = r_.real(b[1]);
        q.undrained_shear_strength = r_.real(b[2]);
        q.remolded_shear_strength_or_blow_count = r_.real(b[3]);
        // The desktop program holds a sand's SPT blow count as a whole number; a fraction would be
        // rounded away unseen, and the engine would no longer read the project it was given.
        const double blows = q.remolded_shear_strength_or_blow_count;
        if (desktop_ && q.is_sand() && (blows != std::trunc(blows) || std::fabs(blows) > 2147483647.0)) {
            FormatFault fault;
            fault.kind = Kind::BlowCountNotWhole;
            fault.field = b[3];
            r_.fail(std::move(fault), "expected a whole SPT blow count.");
        }
        q.yield_stress_ratio = r_.real(b[4]);
        q.plasticity_index = r_.real(b[5]);
        q.cone_resistance = r_.real(b[6]);
        q.user_unit_skin_friction = r_.real(b[7]);
        q.user_unit_end_bearing = r_.real(b[8]);
        if (current_) {
            q.lrfd_factor_on_unit_friction = r_.real(b[9]);
            q.lrfd_factor_on_unit_bearing = r_.real(b[10]);
            // Written only when not 1: a line that ends here holds the default.
            q.soil_type_factor_fst = r_.value_left_on_line() ? r_.real(b[11]) : 1.0;
        } else {
            q.lrfd_factor_on_unit_friction.reset();
            q.lrfd_factor_on_unit_bearing.reset();
        }
        done(RecordId::SoilPointSecondLine, index, count);
    }

    void t_z_print() {
        constexpr auto& n = records::kTzPrint;
        static_assert(n.size() == 2, "a field to read");
        ProjectRecords& f = out_.records;
        begin(n.title);
        f.t_z_print_flag = r_.integer(n[0]);
        out_.lines.t_z_print = first_line();
        const int count = f.t_z_print_flag == 1 ? r_.integer(n[1]) : 0;
        done(RecordId::TzPrint, 0, 0, count);
        if (f.t_z_print_flag != 1) return;
        f.t_z_print_depths.reserve(
            check_count(r_, count, "t-z print depths", CountOf::TzPrintDepths, 1, 0, desktop_));
        for (int i = 0; i < count; ++i) {
            r_.begin(records::kTzPrintDepthTitle, i + 1, count, ")");
            f.t_z_print_depths.push_back(r_.real(records::kTzPrintDepth));
            out_.lines.t_z_print_depths.push_back(first_line());
            done(RecordId::TzPrintDepth, i, count);
        }
    }

    void loading() {
        constexpr auto& a = records::kLoading;
        constexpr auto& b = records::kDrainageAndPlug;
        static_assert(a.size() == 2 && b.size() == 3, "a field to read");
        ProjectRecords& f = out_.records;
        begin(a.title);
        f.loading_type_code = r_.integer(a[0]);
        out_.lines.loading = first_line();
        f.tension_reduction_factor = r_.real(a[1]);
        done(RecordId::Loading);
        begin(b.title);
        f.clay_drainage_option = r_.integer(b[0]);
        out_.lines.drainage_and_plug = first_line();
        f.plug_condition_code = r_.integer(b[1]);
        // Written only when not 0: a line that ends here holds the default.
        f.unified_clay_base_option = current_ && r_.value_left_on_line() ? r_.integer(b[2]) : 0;
        done(RecordId::DrainageAndPlug);
    }

    void section_table() {
        constexpr auto& n = records::kSectionTable;
        constexpr auto& row = records::kSectionRow;
        static_assert(n.size() == 2 && row.size() == 2, "a field to read");
        ProjectRecords& f = out_.records;
        begin(n.title);
        f.number_of_section_rows = r_.integer(n[0]);
        out_.lines.section_table = first_line();
        const int count = f.number_of_section_rows;
        // The engine reads the mode where it stands, on the next line if need be. The desktop
        // program reads files of earlier layouts, whose line may end after the count: the mode is
        // then inferred (from the rows and the constant area), and rows follow when there is more
        // than one; the previous version wrote them so whatever its mode.
        if (desktop_ && !r_.value_left_on_line())
            f.section_mode.reset();
        else
            f.section_mode = r_.integer(n[1]);
        const bool rows = current_ && f.section_mode ? *f.section_mode >= 2 : count > 1;
        done(RecordId::SectionTable, 0, 0, count);
        // The count again, now as a count of the rows that follow, with the same rules as check_count.
        const long long fits = static_cast<long long>(r_.values_remaining() / row.size());
        if (count < 0 || rows) {
            const std::optional<std::string> over = count_limit_message(CountOf::SectionRows, count);
            if (count < 0 || (count > fits && (desktop_ || over))) {
                FormatFault fault;
                fault.kind = count < 0 ? Kind::NegativeCount : Kind::CountBeyondFile;
                fault.field = "section rows";
                fault.count = count;
                fault.most = fits;
                r_.fail(
                    std::move(fault),
                    over
                        ? *over
                        : std::to_string(count) +
                              " section rows were announced, but the file ends before all of them: it is cut "
                              "short.");
            }
        }
        if (!rows) return;
        f.section_rows.reserve(static_cast<std::size_t>(std::min<long long>(count, fits)));
        for (int i = 0; i < count; ++i) {
            r_.begin(records::kSectionRowTitle, i + 1, count, ")");
            SectionRowRecord s;
            s.section_depth = r_.real(row[0]);
            out_.lines.section_rows.push_back(first_line());
            s.cross_section_area = r_.real(row[1]);
            f.section_rows.push_back(s);
            done(RecordId::SectionRow, i, count);
        }
    }

    void critical_depth() {
        constexpr auto& n = records::kCriticalDepth;
        static_assert(n.size() == 2, "a field to read");
        begin(n.title);
        out_.records.critical_depth_option = r_.integer(n[0]);
        out_.lines.critical_depth = first_line();
        out_.records.critical_depth = r_.real(n[1]);
        done(RecordId::CriticalDepth);
    }

    void working_loads() {
        constexpr auto& n = records::kWorkingLoads;
        static_assert(n.size() == 2, "a field to read");
        begin(n.title);
        const int count = r_.integer(n[0]);
        out_.lines.working_loads = first_line();
        std::vector<double> fractions;
        for (int i = 0; i < std::min(count, kMaxWorkingLoads); ++i) fractions.push_back(r_.real(n[1]));
        out_.records.working_load_fractions = std::move(fractions);
        done(RecordId::WorkingLoads, 0, 0, count);
    }

    RecordReader r_;
    bool latin1_;
    const bool current_;
    const bool desktop_;
    RecordObserver* const observer_;
    ReadResult<ProjectRecords> out_;
};

// A line of values separated by single blanks; a value that is not finite stops the writing.
class LineWriter {
  public:
    LineWriter(std::string& out, RecordPlace place, std::size_t line)
        : out_(out), place_(place), line_(line) {}
    ~LineWriter() { out_ += '\n'; }
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    LineWriter& integer(long long v) { return put(std::to_string(v)); }
    // Ten significant digits, the form of every file the desktop program has saved, unless they do
    // not read back to the value: a value converted to the other unit system (147.6377952755906 ft
    // from 45 m) then takes its shortest exact form, so that a save, a run or a switch back finds it
    // as it was and gives 45 m again, not 45.00000001.
    LineWriter& general(double v, std::string_view field) {
        std::string text = general_text(finite(v, field), 10);
        double back = 0;
        if (!parse_real(text, back) || back != v) text = shortest_text(v);
        return put(text);
    }
    LineWriter& shortest(double v, std::string_view field) { return put(shortest_text(finite(v, field))); }
    LineWriter& as_held(double v, std::string_view field) { return put(shortest_real(finite(v, field))); }
    LineWriter& filler() { return put("0.0"); }

  private:
    LineWriter& put(const std::string& s) {
        if (!first_) out_ += ' ';
        first_ = false;
        out_ += s;
        return *this;
    }
    double finite(double v, std::string_view field) const {
        if (!std::isfinite(v)) throw NotFiniteError(place_, field, line_, v);
        return v;
    }
    std::string& out_;
    RecordPlace place_;
    std::size_t line_;
    bool first_ = true;
};

class ProjectWriter {
  public:
    ProjectWriter(const ProjectRecords& f, WriteStyle style)
        : f_(f), desktop_(style == WriteStyle::Desktop) {}

    std::string write(RecordLines& lines) {
        for (const std::string* text : {&f_.title, &f_.designer, &f_.job_number}) {
            // A line break inside a text would shift every record after it; every control character
            // is written as the blank the reader makes of it.
            out_ += blanked_control_characters(*text);
            out_ += '\n';
            ++line_;
        }
        lines.units_and_counts = line_ + 1;
        line(RecordId::UnitsAndCounts)
            .integer(f_.unit_system_code)
            .integer(f_.print_interval)
            .integer(static_cast<long long>(f_.soil_points.size()));
        pile_section(lines);
        end_section(lines);
        options(lines);
        method_flags(lines);
        lines.soil_depth = line_ + 1;
        {
            LineWriter w = line(RecordId::SoilDepth);
            own(own(w, f_.deepest_soil_depth, records::kSoilDepth[0]), f_.cross_section_area,
                records::kSoilDepth[1]);
        }
        for (std::size_t i = 0; i < f_.soil_points.size(); ++i) soil_point(i, lines);
        t_z_print(lines);
        rest(lines);
        return std::move(out_);
    }

  private:
    // A writer of the next line: written out when it goes.
    LineWriter line(RecordId id, int index = 0, int count = 0) {
        ++line_;
        return LineWriter(out_, {id, index, count}, line_);
    }
    // A value of the project's own fields, or of its tables.
    LineWriter& own(LineWriter& w, double v, std::string_view field) const {
        return desktop_ ? w.general(v, field) : w.as_held(v, field);
    }
    LineWriter& cell(LineWriter& w, double v, std::string_view field) const {
        return desktop_ ? w.shortest(v, field) : w.as_held(v, field);
    }

    void pile_section(RecordLines& lines) {
        constexpr auto& n = records::kPileSection;
        static_assert(n.size() == 7, "a field to write");
        lines.pile_section = line_ + 1;
        LineWriter w = line(RecordId::PileSection);
        own(w, f_.perimeter, n[0]);
        own(w, f_.tip_area, n[1]);
        own(w, f_.outside_diameter, n[2]);
        own(w, f_.inside_diameter, n[3]);
        own(w, f_.modulus_of_elasticity, n[4]);
        own(w, f_.total_pile_length, n[5]);
        own(w, f_.stickup_length.value_or(0), n[6]);
    }

    void end_section(RecordLines& lines) {
        constexpr auto& n = records::kEndSection;
        static_assert(n.size() == 2, "a field to write");
        lines.end_section = line_ + 1;
        LineWriter w = line(RecordId::EndSection);
        own(w, f_.enhanced_end_section_length, n[0]);
        own(w, f_.enhanced_end_section_inside_diameter, n[1]);
    }

    void options(RecordLines& lines) {
        constexpr auto& n = records::kOptions;
        static_assert(n.size() == 7, "a field to write");
        lines.options = line_ + 1;
        LineWriter w = line(RecordId::Options);
        own(w, f_.zero_friction_length, n[0]);
        own(w, f_.computation_increment, n[1]);
        w.integer(f_.pile_type_code);
        own(w, f_.taper_angle, n[3]);
        w.integer(f_.load_transfer_method_code).integer(f_.offshore_data_flag);
        w.integer(f_.reduced_resistance_flag.value_or(0));
    }

    void method_flags(RecordLines& lines) {
        lines.method_flags = line_ + 1;
        LineWriter w = line(RecordId::MethodFlags);
        const MethodFlags flags = f_.method_selection_flags.value_or(MethodFlags{});
        // Flags past the ninth up to the last one set, so that files of projects without those
        // methods stay as they were; a cleared flag before a set one is written too, since the
        // readers take the flags by their place on the line.
        std::size_t count = kAlwaysWrittenMethodFlags;
        for (std::size_t m = count; m < flags.size(); ++m)
            if (flags[m] != 0) count = m + 1;
        for (std::size_t m = 0; m < count; ++m) w.integer(flags[m]);
    }

    // The two lines of soil point i. The desktop program writes a sand's blow count where a clay
    // has its remolded strength, and fillers where the engine ignores a value of the other soil.
    void soil_point(std::size_t i, RecordLines& lines) {
        constexpr auto& a = records::kSoilPointFirstLine;
        constexpr auto& b = records::kSoilPointSecondLine;
        static_assert(a.size() == 6 && b.size() == 12, "a field to write");
        const SoilPointRecord& p = f_.soil_points[i];
        const int index = static_cast<int>(i), count = static_cast<int>(f_.soil_points.size());
        const bool sand = p.is_sand();
        lines.soil_point_first.push_back(line_ + 1);
        {
            LineWriter w = line(RecordId::SoilPointFirstLine, index, count);
            if (desktop_ && i == 0)
                w.filler();  // the first point is at the surface
            else
                cell(w, p.depth, a[0]);
            w.integer(p.soil_type_code);
            if (!desktop_ || sand) {
                cell(w, p.coefficient_of_lateral_earth_pressure, a[2]);
                cell(w, p.effective_unit_weight, a[3]);
                cell(w, p.friction_angle, a[4]);
                cell(w, p.bearing_capacity_factor, a[5]);
            } else {
                cell(w.filler(), p.effective_unit_weight, a[3]).filler().filler();
            }
        }
        lines.soil_point_second.push_back(line_ + 1);
        LineWriter w = line(RecordId::SoilPointSecondLine, index, count);
        cell(w, p.maximum_unit_friction, b[0]);
        cell(w, p.maximum_unit_bearing, b[1]);
        if (!desktop_ || !sand) {
            cell(w, p.undrained_shear_strength, b[2]);
            cell(w, p.remolded_shear_strength_or_blow_count, b[3]);
            cell(w, p.yield_stress_ratio, b[4]);
            cell(w, p.plasticity_index, b[5]);
        } else {
            const double blows = p.remolded_shear_strength_or_blow_count;
            if (!std::isfinite(blows))
                throw NotFiniteError({RecordId::SoilPointSecondLine, index, count}, b[3], line_, blows);
            // A whole number, as the program's table holds it; one beyond any integer keeps its digits.
            w.filler();
            if (std::fabs(blows) < 9.0e18)
                w.integer(static_cast<long long>(blows));
            else
                w.shortest(std::trunc(blows), b[3]);
            w.filler().filler();
        }
        cell(w, p.cone_resistance, b[6]);
        cell(w, p.user_unit_skin_friction, b[7]);
        cell(w, p.user_unit_end_bearing, b[8]);
        cell(w, p.lrfd_factor_on_unit_friction.value_or(1), b[9]);
        cell(w, p.lrfd_factor_on_unit_bearing.value_or(1), b[10]);
        if (p.soil_type_factor_fst != 1.0 && (!desktop_ || !sand)) cell(w, p.soil_type_factor_fst, b[11]);
    }

    void t_z_print(RecordLines& lines) {
        lines.t_z_print = line_ + 1;
        if (f_.t_z_print_flag != 1) {
            line(RecordId::TzPrint).integer(f_.t_z_print_flag);
            return;
        }
        const int count = static_cast<int>(f_.t_z_print_depths.size());
        line(RecordId::TzPrint).integer(1).integer(count);
        for (int i = 0; i < count; ++i) {
            lines.t_z_print_depths.push_back(line_ + 1);
            LineWriter w = line(RecordId::TzPrintDepth, i, count);
            cell(w, f_.t_z_print_depths[static_cast<std::size_t>(i)], records::kTzPrintDepth);
        }
    }

    void rest(RecordLines& lines) {
        static_assert(records::kLoading.size() == 2 && records::kDrainageAndPlug.size() == 3 &&
                          records::kSectionTable.size() == 2 && records::kSectionRow.size() == 2 &&
                          records::kCriticalDepth.size() == 2,
                      "a field to write");
        lines.loading = line_ + 1;
        {
            LineWriter w = line(RecordId::Loading);
            own(w.integer(f_.loading_type_code), f_.tension_reduction_factor, records::kLoading[1]);
        }
        lines.drainage_and_plug = line_ + 1;
        {
            LineWriter w = line(RecordId::DrainageAndPlug);
            w.integer(f_.clay_drainage_option).integer(f_.plug_condition_code);
            if (f_.unified_clay_base_option != 0) w.integer(f_.unified_clay_base_option);
        }
        // Rows only with an area varying with depth, as the engine reads them: any other count of
        // lines would shift the critical-depth record it reads next.
        const int mode = f_.section_mode.value_or(0);
        const bool rows = mode >= static_cast<int>(SectionMode::VaryingWithDepth);
        const int count = static_cast<int>(f_.section_rows.size());
        lines.section_table = line_ + 1;
        line(RecordId::SectionTable).integer(rows ? count : f_.number_of_section_rows).integer(mode);
        for (int i = 0; rows && i < count; ++i) {
            const SectionRowRecord& s = f_.section_rows[static_cast<std::size_t>(i)];
            lines.section_rows.push_back(line_ + 1);
            LineWriter w = line(RecordId::SectionRow, i, count);
            cell(cell(w, s.section_depth, records::kSectionRow[0]), s.cross_section_area,
                 records::kSectionRow[1]);
        }
        lines.critical_depth = line_ + 1;
        {
            LineWriter w = line(RecordId::CriticalDepth);
            own(w.integer(f_.critical_depth_option.value_or(0)), f_.critical_depth.value_or(0),
                records::kCriticalDepth[1]);
        }
        if (!f_.working_load_fractions) return;
        lines.working_loads = line_ + 1;
        LineWriter loads = line(RecordId::WorkingLoads);
        loads.integer(static_cast<int>(f_.working_load_fractions->size()));
        for (double fraction : *f_.working_load_fractions) cell(loads, fraction, records::kWorkingLoads[1]);
    }

    const ProjectRecords& f_;
    const bool desktop_;
    std::string out_;
    std::size_t line_ = 0;
};

}  // namespace

std::string record_title(const RecordPlace& p) {
    const std::string number = std::to_string(p.index + 1) + " of " + std::to_string(p.count);
    switch (p.id) {
        case RecordId::Title:
            return "record 1 (title)";
        case RecordId::Designer:
            return "record 2 (designer)";
        case RecordId::JobNumber:
            return "record 3 (job number)";
        case RecordId::UnitsAndCounts:
            return title_of(records::kUnitsAndCounts.title);
        case RecordId::PileSection:
            return title_of(records::kPileSection.title);
        case RecordId::EndSection:
            return title_of(records::kEndSection.title);
        case RecordId::Options:
            return title_of(records::kOptions.title);
        case RecordId::MethodFlags:
            return title_of(records::kMethodFlagsTitle);
        case RecordId::SoilDepth:
            return title_of(records::kSoilDepth.title);
        case RecordId::SoilPointFirstLine:
            return title_of(records::kSoilPointTitle) + number + title_of(records::kSoilPointFirstLine.title);
        case RecordId::SoilPointSecondLine:
            return title_of(records::kSoilPointTitle) + number +
                   title_of(records::kSoilPointSecondLine.title);
        case RecordId::TzPrint:
            return title_of(records::kTzPrint.title);
        case RecordId::TzPrintDepth:
            return title_of(records::kTzPrintDepthTitle) + number + ")";
        case RecordId::Loading:
            return title_of(records::kLoading.title);
        case RecordId::DrainageAndPlug:
            return title_of(records::kDrainageAndPlug.title);
        case RecordId::SectionTable:
            return title_of(records::kSectionTable.title);
        case RecordId::SectionRow:
            return title_of(records::kSectionRowTitle) + number + ")";
        case RecordId::CriticalDepth:
            return title_of(records::kCriticalDepth.title);
        case RecordId::WorkingLoads:
            return title_of(records::kWorkingLoads.title);
        case RecordId::CptHeader:
            return "record 1 (unit code and row count)";
        case RecordId::CptRow:
            return "CPT row " + number;
        case RecordId::LayerConstants:
            return "soil layer constants of soil point " + number;
    }
    return {};
}

std::size_t RecordLines::of(const RecordPlace& p) const {
    const auto at = [&p](const std::vector<std::size_t>& v) {
        return p.index >= 0 && static_cast<std::size_t>(p.index) < v.size()
                   ? v[static_cast<std::size_t>(p.index)]
                   : std::size_t{0};
    };
    switch (p.id) {
        case RecordId::Title:
            return 1;
        case RecordId::Designer:
            return 2;
        case RecordId::JobNumber:
            return 3;
        case RecordId::UnitsAndCounts:
            return units_and_counts;
        case RecordId::PileSection:
            return pile_section;
        case RecordId::EndSection:
            return end_section;
        case RecordId::Options:
            return options;
        case RecordId::MethodFlags:
            return method_flags;
        case RecordId::SoilDepth:
            return soil_depth;
        case RecordId::SoilPointFirstLine:
            return at(soil_point_first);
        case RecordId::SoilPointSecondLine:
            return at(soil_point_second);
        case RecordId::TzPrint:
            return t_z_print;
        case RecordId::TzPrintDepth:
            return at(t_z_print_depths);
        case RecordId::Loading:
            return loading;
        case RecordId::DrainageAndPlug:
            return drainage_and_plug;
        case RecordId::SectionTable:
            return section_table;
        case RecordId::SectionRow:
            return at(section_rows);
        case RecordId::CriticalDepth:
            return critical_depth;
        case RecordId::WorkingLoads:
            return working_loads;
        case RecordId::CptHeader:
            return cpt_header;
        case RecordId::CptRow:
            return at(cpt_rows);
        case RecordId::LayerConstants:
            return 0;  // not in these files
    }
    return 0;
}

NotFiniteError::NotFiniteError(RecordPlace p, std::string_view f, std::size_t l, double v)
    : std::runtime_error("the " + std::string(f) + " is not a finite number"),
      place(p),
      field(f),
      line(l),
      value(v) {}

std::string NotFiniteError::word() const {
    return std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF");
}

ReadResult<ProjectRecords> read_project_records(std::string_view text, const std::string& file_name,
                                                const ReadOptions& options, RecordObserver* observer) {
    return ProjectReader(text, file_name, options, observer).read();
}

ReadResult<CptProfile> read_cpt_records(std::string_view text, const std::string& file_name,
                                        const ReadOptions& options, RecordObserver* observer) {
    RecordReader r(cpt_file_label(file_name), text, file_name);
    ReadResult<CptProfile> out;
    r.begin(record_title({RecordId::CptHeader}));
    out.records.unit_code = r.integer("unit-system code");
    out.lines.cpt_header = r.line();
    if (options.desktop_tables && out.records.unit_code != code_of(UnitSystem::English) &&
        out.records.unit_code != code_of(UnitSystem::SI)) {
        FormatFault fault;
        fault.kind = Kind::UnitCode;
        fault.field = "unit-system code";
        r.fail(std::move(fault), "expected a unit-system code of 1 or 2.");
    }
    const int rows = r.integer("number of CPT rows");
    if (observer) observer->read(out, {RecordId::CptHeader}, rows);
    out.records.points.reserve(check_count(r, rows, "CPT rows", CountOf::CptRows, 2,
                                           options.desktop_tables ? kMaxCptRows : 0, options.desktop_tables));
    for (int i = 0; i < rows; ++i) {
        r.begin("CPT row ", i + 1, rows);
        CptPoint p;
        p.depth = r.real("depth");
        out.lines.cpt_rows.push_back(r.line());
        p.qc = r.real("cone resistance");
        out.records.points.push_back(p);
        if (observer) observer->read(out, {RecordId::CptRow, i, rows}, rows);
    }
    return out;
}

std::string write_project_records(const ProjectRecords& records, WriteStyle style, RecordLines* lines) {
    RecordLines ignored;
    return ProjectWriter(records, style).write(lines ? *lines : ignored);
}

std::string write_cpt_records(const CptProfile& profile) {
    std::string out;
    const int count = static_cast<int>(profile.points.size());
    LineWriter(out, {RecordId::CptHeader}, 1).integer(profile.unit_code).integer(count);
    for (int i = 0; i < count; ++i) {
        const CptPoint& p = profile.points[static_cast<std::size_t>(i)];
        LineWriter(out, {RecordId::CptRow, i, count}, static_cast<std::size_t>(i) + 2)
            .as_held(p.depth, "depth")
            .as_held(p.qc, "cone resistance");
    }
    return out;
}

std::string write_cpt_records_desktop(int unit_code, const std::vector<CptPoint>& points, double qc_scale) {
    const int count = static_cast<int>(points.size());
    // Real cone data keep every digit (10.02 m stays 10.02 m), and round values keep the short form
    // of three digits; when no form reads back exactly (the product lost a bit), 17 digits come
    // closest.
    const auto exact = [&](double value, double scale, int index, std::string_view field) {
        const double written = value * scale;
        if (!std::isfinite(written))
            throw NotFiniteError({RecordId::CptRow, index, count}, field, static_cast<std::size_t>(index) + 2,
                                 written);
        for (int digits = 3; digits < 17; ++digits) {
            const std::string text = scientific_text(written, digits, 2);
            double back = 0;
            if (parse_real(text, back) && back / scale == value) return text;
        }
        return scientific_text(written, 17, 2);
    };
    std::string out = " " + std::to_string(unit_code) + " " + std::to_string(count) + "\n";
    for (int i = 0; i < count; ++i) {
        const CptPoint& p = points[static_cast<std::size_t>(i)];
        out +=
            "  " + exact(p.depth, 1, i, "depth") + "  " + exact(p.qc, qc_scale, i, "cone resistance") + '\n';
    }
    return out;
}

}  // namespace torve
