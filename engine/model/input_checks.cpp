// The analysis' checks of an input data file's values, over its records, in file order.
#include "engine/model/input_checks.h"

#include <cmath>
#include <numbers>

#include "engine/model/number_text.h"
#include "engine/model/rounded_constants.h"
#include "engine/model/units.h"

namespace torve {
namespace {

// The reader's thresholds are single-precision literals, as the grid allowance is.
constexpr double kTiny = static_cast<double>(1.0e-10f);
constexpr double kNoEndSection = static_cast<double>(1.0e-5f);

std::string quoted(const std::string& s) {
    return "\"" + s + "\"";
}

}  // namespace

// Goes through the records as the file holds them, record by record; the first refusal ends the walk.
class InputValueChecks::Walk {
  public:
    explicit Walk(const ProjectRecords& f) : f_(f) {}

    // Checks one record; `count` is the count it announces (soil points, t-z print depths, rows).
    std::optional<ValueFinding> record(const RecordPlace& place, long long count) {
        place_ = place;
        found_.reset();
        count_ = count;
        switch (place.id) {
            case RecordId::UnitsAndCounts:
                units_and_counts();
                break;
            case RecordId::PileSection:
                pile_section();
                break;
            case RecordId::EndSection:
                end_section();
                break;
            case RecordId::Options:
                options();
                break;
            case RecordId::SoilDepth:
                soil_depth();
                break;
            case RecordId::SoilPointFirstLine:
                soil_point_first(place.index);
                break;
            case RecordId::SoilPointSecondLine:
                soil_point_second(place.index);
                break;
            case RecordId::TzPrint:
                t_z_print();
                break;
            case RecordId::TzPrintDepth:
                too_large(records::kTzPrintDepth, f_.t_z_print_depths[static_cast<std::size_t>(place.index)]);
                break;
            case RecordId::Loading:
                loading();
                break;
            case RecordId::DrainageAndPlug:
                drainage_and_plug();
                break;
            case RecordId::SectionTable:
                section_table();
                break;
            case RecordId::SectionRow:
                section_row(place.index);
                break;
            case RecordId::CriticalDepth:
                critical_depth();
                break;
            default:
                break;
        }
        return found_;
    }

  private:
    // Notes a refusal of `field` of the current record; true, so that a check reads `return refuse(...)`.
    bool refuse(std::string_view field, std::string message) {
        found_ = ValueFinding{place_, std::string(field), std::move(message)};
        return true;
    }
    // No pile or soil quantity comes near kLargestReal; products of larger values overflow to infinity.
    bool too_large(std::string_view field, double v) {
        if (std::fabs(v) <= kLargestReal) return false;
        return refuse(field, "the " + std::string(field) + " " + shortest_text(v) +
                                 " is out of range (at most 1E+15 in magnitude).");
    }
    bool count(CountOf of, std::string_view field, long long n) {
        const std::optional<std::string> message = count_limit_message(of, n);
        return message && refuse(field, *message);
    }

    bool units_and_counts() {
        constexpr auto& n = records::kUnitsAndCounts;
        if (f_.unit_system_code != 1 && f_.unit_system_code != 2)
            return refuse(n[0], "expected a unit-system code of 1 (English) or 2 (S.I.).");
        if (f_.print_interval < 1) return refuse(n[1], "expected a print interval of at least 1.");
        return count(CountOf::SoilPoints, n[2], count_);
    }

    bool pile_section() {
        constexpr auto& n = records::kPileSection;
        if (too_large(n[0], f_.perimeter)) return true;
        if (f_.perimeter < 0) return refuse(n[0], "the perimeter must not be negative.");
        if (too_large(n[1], f_.tip_area)) return true;
        if (f_.tip_area < 0) return refuse(n[1], "the tip area must not be negative.");
        if (too_large(n[2], f_.outside_diameter) || too_large(n[3], f_.inside_diameter)) return true;
        if (f_.inside_diameter < 0) return refuse(n[3], "the inside diameter must not be negative.");
        if (too_large(n[4], f_.modulus_of_elasticity)) return true;
        if (f_.modulus_of_elasticity <= 0) return refuse(n[4], "expected a positive modulus of elasticity.");
        if (too_large(n[5], f_.total_pile_length)) return true;
        if (f_.total_pile_length <= 0) return refuse(n[5], "expected a positive total pile length.");
        const double stickup = f_.stickup_length.value_or(0);
        if (too_large(n[6], stickup)) return true;
        if (stickup < 0) return refuse(n[6], "the stickup length must not be negative.");
        if (f_.perimeter > kTiny) {
            // Noncircular section: an equivalent solid circle of the same perimeter.
            outside_diameter_ = f_.perimeter / kPiSinglePrecision;
            return false;
        }
        outside_diameter_ = f_.outside_diameter;
        if (f_.outside_diameter <= 0)
            return refuse(n[2], "expected a positive outside diameter for a circular pile.");
        if (f_.inside_diameter >= f_.outside_diameter)
            return refuse(n[3], "the inside diameter must be smaller than the outside diameter.");
        return false;
    }

    bool end_section() {
        constexpr auto& n = records::kEndSection;
        if (too_large(n[0], f_.enhanced_end_section_length)) return true;
        if (f_.enhanced_end_section_length < 0)
            return refuse(n[0], "the enhanced end section length must not be negative.");
        if (too_large(n[1], f_.enhanced_end_section_inside_diameter)) return true;
        if (f_.enhanced_end_section_inside_diameter < 0)
            return refuse(n[1], "the end section inside diameter must not be negative.");
        // An end section shorter than the threshold is none: the whole pile is one, of its own diameter.
        if (f_.enhanced_end_section_length >= kNoEndSection &&
            f_.enhanced_end_section_inside_diameter >= outside_diameter_)
            return refuse(n[1], "the end section inside diameter must be smaller than the outside diameter.");
        return false;
    }

    bool options() {
        constexpr auto& n = records::kOptions;
        if (too_large(n[0], f_.zero_friction_length)) return true;
        if (f_.zero_friction_length < 0)
            return refuse(n[0], "the zero-friction length must not be negative.");
        if (too_large(n[1], f_.computation_increment)) return true;
        if (f_.computation_increment <= 0) return refuse(n[1], "expected a positive computation increment.");
        if (f_.pile_type_code < 1 || f_.pile_type_code > 7)
            return refuse(n[2], "expected a pile-type code from 1 to 7.");
        if (too_large(n[3], f_.taper_angle)) return true;
        if (f_.taper_angle < 0 || f_.taper_angle >= 90)
            return refuse(n[3], "expected a taper angle from 0 to below 90 degrees.");
        // The tip diameter of a tapered pile is OD - 2 L tan(angle); it must not become negative.
        const double length = f_.total_pile_length * units_of(system()).diameter_per_length;
        const double tip =
            outside_diameter_ - 2.0 * length * std::tan(f_.taper_angle * std::numbers::pi / 180.0);
        if (tip < 0) {
            const double largest = std::atan(outside_diameter_ / 2.0 / length) * 180.0 / std::numbers::pi;
            return refuse(
                n[3],
                "the taper angle gives a negative tip diameter over the pile length; it must be below " +
                    decimals(largest, 3) + " degrees.");
        }
        if (!is_valid_method_code(f_.load_transfer_method_code))
            return refuse(
                n[4], "expected a load-transfer method code from 1 to " + std::to_string(kMethodCount) + ".");
        return false;
    }

    bool soil_depth() {
        constexpr auto& n = records::kSoilDepth;
        if (too_large(n[0], f_.deepest_soil_depth)) return true;
        if (f_.deepest_soil_depth <= 0) return refuse(n[0], "expected a positive deepest soil depth.");
        if (f_.deepest_soil_depth / f_.computation_increment + kGridAllowance < 1.0) {
            return refuse(n[0], "the deepest soil depth " + decimals(f_.deepest_soil_depth, 2) +
                                    " is shorter than one computation increment (" +
                                    decimals(f_.computation_increment, 2) +
                                    "); no soil segment can be formed.");
        }
        if (too_large(n[1], f_.cross_section_area)) return true;
        if (f_.cross_section_area < 0) return refuse(n[1], "the cross-section area must not be negative.");
        return false;
    }

    bool soil_point_first(int i) {
        constexpr auto& a = records::kSoilPointFirstLine;
        const SoilPointRecord& p = f_.soil_points[static_cast<std::size_t>(i)];
        if (too_large(a[0], p.depth)) return true;
        if (p.depth < 0) return refuse(a[0], "a soil depth must not be negative.");
        if (i > 0) {
            const double above = f_.soil_points[static_cast<std::size_t>(i - 1)].depth;
            if (p.depth < above)
                return refuse(a[0], "soil depths must not decrease downwards; the point above lies at " +
                                        std::to_string(above) + ".");
        }
        if (p.soil_type_code != 1 && p.soil_type_code != 2)
            return refuse(a[1], "expected a soil-type code of 1 (sand) or 2 (clay).");
        if (too_large(a[2], p.coefficient_of_lateral_earth_pressure) ||
            too_large(a[3], p.effective_unit_weight))
            return true;
        if (p.effective_unit_weight <= 0) return refuse(a[3], "expected a positive effective unit weight.");
        if (too_large(a[4], p.friction_angle)) return true;
        if (p.friction_angle < 0 || p.friction_angle >= 90)
            return refuse(a[4], "expected a friction angle from 0 to below 90 degrees.");
        return too_large(a[5], p.bearing_capacity_factor);
    }

    bool soil_point_second(int i) {
        constexpr auto& b = records::kSoilPointSecondLine;
        const SoilPointRecord& p = f_.soil_points[static_cast<std::size_t>(i)];
        const double second[] = {p.maximum_unit_friction,
                                 p.maximum_unit_bearing,
                                 p.undrained_shear_strength,
                                 p.remolded_shear_strength_or_blow_count,
                                 p.yield_stress_ratio,
                                 p.plasticity_index,
                                 p.cone_resistance,
                                 p.user_unit_skin_friction,
                                 p.user_unit_end_bearing,
                                 p.lrfd_factor_on_unit_friction.value_or(1),
                                 p.lrfd_factor_on_unit_bearing.value_or(1)};
        static_assert(std::size(second) == b.size(), "a field to check");
        for (std::size_t k = 0; k < b.size(); ++k)
            if (too_large(b[k], second[k])) return true;
        return false;
    }

    bool t_z_print() {
        return f_.t_z_print_flag == 1 && count(CountOf::TzPrintDepths, records::kTzPrint[1], count_);
    }

    bool loading() {
        if (f_.loading_type_code != 0 && f_.loading_type_code != 1)
            return refuse(records::kLoading[0], "expected a loading type of 0 (compression) or 1 (tension).");
        return too_large(records::kLoading[1], f_.tension_reduction_factor);
    }

    // Any drainage option other than 1 means undrained clay.
    bool drainage_and_plug() {
        if (f_.plug_condition_code < 0 || f_.plug_condition_code > 2)
            return refuse(records::kDrainageAndPlug[1], "expected a plug condition code of 0, 1 or 2.");
        return false;
    }

    bool section_table() {
        constexpr auto& n = records::kSectionTable;
        if (count(CountOf::SectionRows, n[0], f_.number_of_section_rows)) return true;
        // The engine reads a mode always; only the desktop program leaves one out, to infer it.
        const int mode = f_.section_mode.value_or(-1);
        if (mode < 0) return refuse(n[1], "expected a section mode of 0, 1 or 2.");
        if (mode == 1 && f_.cross_section_area <= 0)
            return refuse(
                n[1], "a constant cross-section area (section mode 1) needs a positive area in record 9.");
        if (mode >= 2 && count_ < 1)
            return refuse(n[0], "a cross-section area varying with depth needs at least one row.");
        return false;
    }

    bool section_row(int i) {
        const SectionRowRecord& s = f_.section_rows[static_cast<std::size_t>(i)];
        if (too_large(records::kSectionRow[0], s.section_depth) ||
            too_large(records::kSectionRow[1], s.cross_section_area))
            return true;
        if (s.cross_section_area <= 0)
            return refuse(records::kSectionRow[1], "expected a positive cross-section area.");
        return false;
    }

    bool critical_depth() {
        constexpr auto& n = records::kCriticalDepth;
        const int option = f_.critical_depth_option.value_or(0);
        if (option < 0 || option > 2) return refuse(n[0], "expected a critical-depth option of 0, 1 or 2.");
        return too_large(n[1], f_.critical_depth.value_or(0));
    }

    UnitSystem system() const { return f_.unit_system_code == 2 ? UnitSystem::SI : UnitSystem::English; }

    const ProjectRecords& f_;
    RecordPlace place_;
    long long count_ = 0;
    double outside_diameter_ = 0;  // after the equivalent diameter of a noncircular section
    std::optional<ValueFinding> found_;
};

namespace {

[[noreturn]] void raise(const ValueFinding& v, const RecordLines& lines, const std::string& label) {
    std::string where = label + ", " + record_title(v.place);
    if (const std::size_t line = lines.of(v.place); line > 0) where += ", line " + std::to_string(line);
    throw InputError(where + ": " + v.message);
}

}  // namespace

std::optional<std::string> count_limit_message(CountOf what, long long n) {
    switch (what) {
        case CountOf::SoilPoints:
            if (n >= 2 && n <= kMaxSoilPoints) return std::nullopt;
            return "expected from 2 to " + std::to_string(kMaxSoilPoints) +
                   " soil points (a top and a bottom point per layer), found " + std::to_string(n) + ".";
        case CountOf::TzPrintDepths:
            if (n >= 0 && n <= kMaxTzPrintDepths) return std::nullopt;
            return "expected from 0 to " + std::to_string(kMaxTzPrintDepths) + " t-z print depths, found " +
                   std::to_string(n) + ".";
        case CountOf::SectionRows:
            if (n >= 0 && n <= kMaxSectionRows) return std::nullopt;
            return "expected from 0 to " + std::to_string(kMaxSectionRows) + " section rows, found " +
                   std::to_string(n) + ".";
        case CountOf::CptRows:
            if (n >= 0 && n <= kMaxCptRows) return std::nullopt;
            return "expected from 0 to " + std::to_string(kMaxCptRows) + " CPT rows, found " +
                   std::to_string(n) + ".";
    }
    return std::nullopt;
}

std::optional<ValueFinding> first_input_value_error(const ProjectRecords& f) {
    InputValueChecks::Walk walk(f);
    std::optional<ValueFinding> found;
    const auto check = [&](RecordId id, int index = 0, int count = 0, long long announced = 0) {
        if (!found) found = walk.record({id, index, count}, announced);
        return !found;
    };
    const int points = static_cast<int>(f.soil_points.size());
    const int depths = static_cast<int>(f.t_z_print_depths.size());
    const int rows = static_cast<int>(f.section_rows.size());
    const bool varying = f.section_mode.value_or(0) >= 2;
    check(RecordId::UnitsAndCounts, 0, 0, points);
    for (const RecordId id :
         {RecordId::PileSection, RecordId::EndSection, RecordId::Options, RecordId::SoilDepth})
        check(id);
    for (int i = 0; i < points; ++i)
        if (check(RecordId::SoilPointFirstLine, i, points)) check(RecordId::SoilPointSecondLine, i, points);
    check(RecordId::TzPrint, 0, 0, depths);
    for (int i = 0; f.t_z_print_flag == 1 && i < depths; ++i) check(RecordId::TzPrintDepth, i, depths);
    check(RecordId::Loading);
    check(RecordId::DrainageAndPlug);
    check(RecordId::SectionTable, 0, 0, varying ? rows : f.number_of_section_rows);
    for (int i = 0; varying && i < rows; ++i) check(RecordId::SectionRow, i, rows);
    check(RecordId::CriticalDepth);
    return found;
}

namespace {

// The CPT data file's header (its row count) or row `place.index`.
std::optional<ValueFinding> cpt_finding(const CptProfile& profile, const RecordPlace& place,
                                        long long count) {
    if (place.id == RecordId::CptHeader) {
        if (const auto message = count_limit_message(CountOf::CptRows, count))
            return ValueFinding{place, "number of CPT rows", *message};
        return std::nullopt;
    }
    const std::size_t i = static_cast<std::size_t>(place.index);
    const CptPoint& p = profile.points[i];
    const auto too_large = [&place](const char* field, double v) -> std::optional<ValueFinding> {
        if (std::fabs(v) <= kLargestReal) return std::nullopt;
        return ValueFinding{place, field,
                            std::string("the ") + field + " " + shortest_text(v) +
                                " is out of range (at most 1E+15 in magnitude)."};
    };
    if (auto found = too_large("depth", p.depth)) return found;
    // The profile is looked up by depth; rows going upward would shift every qc read from it.
    if (i > 0 && p.depth < profile.points[i - 1].depth)
        return ValueFinding{place, "depth",
                            "CPT depths must not decrease downwards; the row above lies at " +
                                decimals(profile.points[i - 1].depth, 2) + "."};
    return too_large("cone resistance", p.qc);
}

}  // namespace

std::optional<ValueFinding> first_cpt_value_error(const CptProfile& profile) {
    const int rows = static_cast<int>(profile.points.size());
    if (auto found = cpt_finding(profile, {RecordId::CptHeader}, rows)) return found;
    for (int i = 0; i < rows; ++i)
        if (auto found = cpt_finding(profile, {RecordId::CptRow, i, rows}, rows)) return found;
    return std::nullopt;
}

InputValueChecks::InputValueChecks(std::string file_name) : file_name_(std::move(file_name)) {}

InputValueChecks::~InputValueChecks() = default;

void InputValueChecks::read(const ReadResult<ProjectRecords>& so_far, const RecordPlace& place,
                            long long count) {
    if (!walk_) walk_ = std::make_unique<Walk>(so_far.records);
    if (const auto found = walk_->record(place, count))
        raise(*found, so_far.lines, input_file_label(file_name_));
}

void InputValueChecks::read(const ReadResult<CptProfile>& so_far, const RecordPlace& place, long long count) {
    if (const auto found = cpt_finding(so_far.records, place, count))
        raise(*found, so_far.lines, cpt_file_label(file_name_));
}

std::string input_file_label(const std::string& file_name) {
    return "Input data file " + quoted(file_name);
}

std::string cpt_file_label(const std::string& file_name) {
    return "CPT data file " + quoted(file_name);
}

}  // namespace torve
