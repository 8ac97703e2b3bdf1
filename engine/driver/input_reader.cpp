// Reading the input data file and the CPT data file, with the reader's post-processing in order.
#include "engine/driver/input_reader.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>

#include "engine/driver/fixed_format.h"
#include "engine/driver/input_error.h"
#include "engine/driver/record_reader.h"
#include "engine/model/file_format.h"
#include "engine/model/rounded_constants.h"
#include "engine/model/units.h"

namespace torve {
namespace {

// The reader's thresholds are single-precision literals, as the grid allowance is.
constexpr double kTiny = static_cast<double>(1.0e-10f);
constexpr double kNoEndSection = static_cast<double>(1.0e-5f);
constexpr double kEndSectionGap = static_cast<double>(1.0e-7f);

std::string quoted(const std::string& s) {
    return "\"" + s + "\"";
}

void read_pile_section(RecordReader& r, InputData& in) {
    static_assert(records::kPileSection.size() == 7, "a field to read");
    r.begin(std::string(records::kPileSection.title));
    in.perimeter = r.real(records::kPileSection[0]);
    if (in.perimeter < 0) r.reject("the perimeter must not be negative.");
    in.tip_area = r.real(records::kPileSection[1]);
    if (in.tip_area < 0) r.reject("the tip area must not be negative.");
    in.outside_diameter = r.real(records::kPileSection[2]);
    in.inside_diameter = r.real(records::kPileSection[3]);
    if (in.inside_diameter < 0) r.reject("the inside diameter must not be negative.");
    in.modulus = r.real(records::kPileSection[4]);
    if (in.modulus <= 0) r.reject("expected a positive modulus of elasticity.");
    in.pile_length = r.real(records::kPileSection[5]);
    if (in.pile_length <= 0) r.reject("expected a positive total pile length.");
    in.stickup_length = r.real(records::kPileSection[6]);
    if (in.stickup_length < 0) r.reject("the stickup length must not be negative.");

    in.tip_area /= units_of(in.units).solver_area_per_area;  // in2 to ft2
    if (in.perimeter > kTiny) {
        // Noncircular section: an equivalent solid circle of the same perimeter.
        in.inside_diameter = 0;
        in.outside_diameter = in.perimeter / kPiSinglePrecision;
    } else {
        if (in.outside_diameter <= 0) r.reject("expected a positive outside diameter for a circular pile.");
        if (in.inside_diameter >= in.outside_diameter) {
            r.reject("the inside diameter must be smaller than the outside diameter.");
        }
    }
}

void read_end_section(RecordReader& r, InputData& in) {
    static_assert(records::kEndSection.size() == 2, "a field to read");
    r.begin(std::string(records::kEndSection.title));
    in.end_section_length = r.real(records::kEndSection[0]);
    if (in.end_section_length < 0) r.reject("the enhanced end section length must not be negative.");
    in.end_section_inside_diameter = r.real(records::kEndSection[1]);
    if (in.end_section_inside_diameter < 0) r.reject("the end section inside diameter must not be negative.");
    if (in.end_section_length < kNoEndSection) {
        // No end section: treat the whole pile as one, with the pile's own inside diameter.
        in.end_section_inside_diameter = in.inside_diameter;
        in.end_section_length = in.pile_length - kEndSectionGap;
    } else if (in.end_section_inside_diameter >= in.outside_diameter) {
        r.reject("the end section inside diameter must be smaller than the outside diameter.");
    }
}

void read_options(RecordReader& r, InputData& in) {
    static_assert(records::kOptions.size() == 7, "a field to read");
    r.begin(std::string(records::kOptions.title));
    in.zero_friction_length = r.real(records::kOptions[0]);
    if (in.zero_friction_length < 0) r.reject("the zero-friction length must not be negative.");
    in.increment = r.real(records::kOptions[1]);
    if (in.increment <= 0) r.reject("expected a positive computation increment.");
    const int pile_type = r.integer(records::kOptions[2]);
    if (pile_type < 1 || pile_type > 7) r.reject("expected a pile-type code from 1 to 7.");
    in.pile_type = static_cast<PileType>(pile_type);
    in.taper_angle = r.real(records::kOptions[3]);
    if (in.taper_angle < 0 || in.taper_angle >= 90)
        r.reject("expected a taper angle from 0 to below 90 degrees.");
    // The tip diameter of a tapered pile is OD - 2 L tan(angle); it must not become negative.
    const double length_in_diameter_unit = in.pile_length * units_of(in.units).diameter_per_length;
    const double tip_diameter = in.outside_diameter - 2.0 * length_in_diameter_unit *
                                                          std::tan(in.taper_angle * std::numbers::pi / 180.0);
    if (tip_diameter < 0) {
        const double largest =
            std::atan(in.outside_diameter / 2.0 / length_in_diameter_unit) * 180.0 / std::numbers::pi;
        r.reject("the taper angle gives a negative tip diameter over the pile length; it must be below " +
                 decimals(largest, 3) + " degrees.");
    }
    const int load_transfer_method = r.integer(records::kOptions[4]);
    if (!is_valid_method_code(load_transfer_method))
        r.reject("expected a load-transfer method code from 1 to 9.");
    in.load_transfer_method = static_cast<Method>(load_transfer_method);
    in.offshore_data = r.integer(records::kOptions[5]);
    in.reduced_resistance = r.integer(records::kOptions[6]);

    r.begin(std::string(records::kMethodFlagsTitle));
    for (int m = 1; m <= kMethodCount; ++m) {
        in.selected[static_cast<std::size_t>(m - 1)] =
            r.integer("selection flag of method " + std::to_string(m));
    }

    static_assert(records::kSoilDepth.size() == 2, "a field to read");
    r.begin(std::string(records::kSoilDepth.title));
    in.deepest_soil_depth = r.real(records::kSoilDepth[0]);
    if (in.deepest_soil_depth <= 0) r.reject("expected a positive deepest soil depth.");
    if (in.deepest_soil_depth / in.increment + kGridAllowance < 1.0) {
        r.reject("the deepest soil depth " + decimals(in.deepest_soil_depth, 2) +
                 " is shorter than one computation increment (" + decimals(in.increment, 2) +
                 "); no soil segment can be formed.");
    }
    in.section_area = r.real(records::kSoilDepth[1]);
    if (in.section_area < 0) r.reject("the cross-section area must not be negative.");
}

void read_soil_point(RecordReader& r, InputData& in, int index, int count) {
    SoilPoint p;
    static_assert(records::kSoilPointFirstLine.size() == 6, "a field to read");
    r.begin(records::kSoilPointTitle, index + 1, count, records::kSoilPointFirstLine.title);
    p.depth = r.real(records::kSoilPointFirstLine[0]);
    if (p.depth < 0) r.reject("a soil depth must not be negative.");
    if (!in.soil.empty() && p.depth < in.soil.back().depth) {
        r.reject("soil depths must not decrease downwards; the point above lies at " +
                 std::to_string(in.soil.back().depth) + ".");
    }
    const double soil_type = r.real(records::kSoilPointFirstLine[1]);
    if (soil_type != 1.0 && soil_type != 2.0) r.reject("expected a soil-type code of 1 (sand) or 2 (clay).");
    p.soil_type = soil_type == 1.0 ? SoilType::Sand : SoilType::Clay;
    p.earth_pressure = r.real(records::kSoilPointFirstLine[2]);
    p.unit_weight = r.real(records::kSoilPointFirstLine[3]);
    if (p.unit_weight <= 0) r.reject("expected a positive effective unit weight.");
    p.friction_angle = r.real(records::kSoilPointFirstLine[4]);
    if (p.friction_angle < 0 || p.friction_angle >= 90)
        r.reject("expected a friction angle from 0 to below 90 degrees.");
    p.bearing_factor = r.real(records::kSoilPointFirstLine[5]);

    static_assert(records::kSoilPointSecondLine.size() == 11, "a field to read");
    r.begin(records::kSoilPointTitle, index + 1, count, records::kSoilPointSecondLine.title);
    p.max_friction = r.real(records::kSoilPointSecondLine[0]);
    p.max_bearing = r.real(records::kSoilPointSecondLine[1]);
    p.su = r.real(records::kSoilPointSecondLine[2]);
    p.sur = r.real(records::kSoilPointSecondLine[3]);
    p.blow_count_ysr = r.real(records::kSoilPointSecondLine[4]);
    p.plasticity_index = r.real(records::kSoilPointSecondLine[5]);
    p.cone_resistance = r.real(records::kSoilPointSecondLine[6]);
    p.user_friction_read = r.real(records::kSoilPointSecondLine[7]);
    p.user_bearing_read = r.real(records::kSoilPointSecondLine[8]);
    p.lrfd_friction = r.real(records::kSoilPointSecondLine[9]);
    p.lrfd_bearing = r.real(records::kSoilPointSecondLine[10]);

    if (p.is_sand()) {
        // A sand point carries its blow count in the remolded-strength position.
        p.blow_count_ysr = p.sur;
        p.sur = 0;
    }
    const double to_report = units_of(in.units).read_stress_per_stress;  // psf to ksf
    p.max_friction /= to_report;
    p.max_bearing /= to_report;
    p.su /= to_report;
    p.sur /= to_report;
    p.user_friction = p.user_friction_read / to_report;
    p.user_bearing = p.user_bearing_read / to_report;
    if (p.max_friction < kTiny) {
        p.max_friction = kUnlimited;
        p.friction_unlimited = true;
    }
    if (p.max_bearing < kTiny) {
        p.max_bearing = kUnlimited;
        p.bearing_unlimited = true;
    }
    in.soil.push_back(p);
}

void read_tz_print(RecordReader& r, InputData& in) {
    static_assert(records::kTzPrint.size() == 2, "a field to read");
    r.begin(std::string(records::kTzPrint.title));
    in.tz_print = r.integer(records::kTzPrint[0]);
    if (in.tz_print != 1) return;
    const int count = r.integer(records::kTzPrint[1]);
    if (count < 0 || count > kMaxTzPrintDepths) {
        r.reject("expected from 0 to " + std::to_string(kMaxTzPrintDepths) + " t-z print depths, found " +
                 std::to_string(count) + ".");
    }
    for (int i = 0; i < count; ++i) {
        r.begin(records::kTzPrintDepthTitle, i + 1, count, ")");
        in.tz_print_depths.push_back(r.real(records::kTzPrintDepth));
    }
}

void read_loading_and_sections(RecordReader& r, InputData& in) {
    static_assert(records::kLoading.size() == 2, "a field to read");
    r.begin(std::string(records::kLoading.title));
    const int loading_type = r.integer(records::kLoading[0]);
    if (loading_type != 0 && loading_type != 1)
        r.reject("expected a loading type of 0 (compression) or 1 (tension).");
    in.loading_type = static_cast<LoadingType>(loading_type);
    in.tension_factor = r.real(records::kLoading[1]);

    static_assert(records::kDrainageAndPlug.size() == 2, "a field to read");
    r.begin(std::string(records::kDrainageAndPlug.title));
    // Any drainage option other than 1 means undrained clay.
    in.clay_drainage =
        r.integer(records::kDrainageAndPlug[0]) == 1 ? ClayDrainage::Drained : ClayDrainage::Undrained;
    const int plug_condition = r.integer(records::kDrainageAndPlug[1]);
    if (plug_condition < 0 || plug_condition > 2) r.reject("expected a plug condition code of 0, 1 or 2.");
    in.plug_condition = static_cast<PlugCondition>(plug_condition);

    static_assert(records::kSectionTable.size() == 2, "a field to read");
    r.begin(std::string(records::kSectionTable.title));
    in.section_row_count = r.integer(records::kSectionTable[0]);
    if (in.section_row_count < 0 || in.section_row_count > kMaxSectionRows) {
        r.reject("expected from 0 to " + std::to_string(kMaxSectionRows) + " section rows, found " +
                 std::to_string(in.section_row_count) + ".");
    }
    const int section_mode = r.integer(records::kSectionTable[1]);
    if (section_mode < 0) r.reject("expected a section mode of 0, 1 or 2.");
    // Modes above 2 have always meant the area table, as 2 does.
    in.section_mode = static_cast<SectionMode>(std::min(section_mode, 2));
    if (in.section_mode == SectionMode::Constant && in.section_area <= 0) {
        r.reject("a constant cross-section area (section mode 1) needs a positive area in record 9.");
    }
    if (in.section_mode == SectionMode::VaryingWithDepth) {
        if (in.section_row_count < 1)
            r.reject("a cross-section area varying with depth needs at least one row.");
        for (int i = 0; i < in.section_row_count; ++i) {
            static_assert(records::kSectionRow.size() == 2, "a field to read");
            r.begin(records::kSectionRowTitle, i + 1, in.section_row_count, ")");
            SectionRow row;
            row.depth = r.real(records::kSectionRow[0]);
            row.area = r.real(records::kSectionRow[1]);
            if (row.area <= 0) r.reject("expected a positive cross-section area.");
            in.sections.push_back(row);
        }
    }

    static_assert(records::kCriticalDepth.size() == 2, "a field to read");
    r.begin(std::string(records::kCriticalDepth.title));
    const int critical_depth_option = r.integer(records::kCriticalDepth[0]);
    if (critical_depth_option < 0 || critical_depth_option > 2)
        r.reject("expected a critical-depth option of 0, 1 or 2.");
    in.critical_depth_option = static_cast<CriticalDepthOption>(critical_depth_option);
    in.critical_depth = r.real(records::kCriticalDepth[1]);
}

}  // namespace

InputData parse_input_data(std::string_view text, const std::string& file_name) {
    RecordReader r("Input data file " + quoted(file_name), text);
    InputData in;
    r.begin("record 1 (title)");
    in.title = r.text_line("title", kMaxTitleChars);
    r.begin("record 2 (designer)");
    in.designer = r.text_line("designer", kMaxTitleChars);
    r.begin("record 3 (job number)");
    in.job_number = r.text_line("job number", kMaxTitleChars);

    static_assert(records::kUnitsAndCounts.size() == 3, "a field to read");
    r.begin(std::string(records::kUnitsAndCounts.title));
    const int units = r.integer(records::kUnitsAndCounts[0]);
    if (units != 1 && units != 2) r.reject("expected a unit-system code of 1 (English) or 2 (S.I.).");
    in.units = static_cast<UnitSystem>(units);
    in.print_interval = r.integer(records::kUnitsAndCounts[1]);
    if (in.print_interval < 1) r.reject("expected a print interval of at least 1.");
    const int points = r.integer(records::kUnitsAndCounts[2]);
    if (points < 2 || points > kMaxSoilPoints) {
        r.reject("expected from 2 to " + std::to_string(kMaxSoilPoints) +
                 " soil points (a top and a bottom point per layer), found " + std::to_string(points) + ".");
    }

    read_pile_section(r, in);
    read_end_section(r, in);
    read_options(r, in);
    in.soil.reserve(static_cast<std::size_t>(points));
    for (int i = 0; i < points; ++i) read_soil_point(r, in, i, points);
    read_tz_print(r, in);
    read_loading_and_sections(r, in);
    return in;
}

CptProfile parse_cpt_data(std::string_view text, const std::string& file_name) {
    RecordReader r("CPT data file " + quoted(file_name), text);
    CptProfile cpt;
    r.begin("record 1 (unit code and row count)");
    cpt.unit_code = r.integer("unit-system code");
    const int rows = r.integer("number of CPT rows");
    if (rows < 0 || rows > kMaxCptRows) {
        r.reject("expected from 0 to " + std::to_string(kMaxCptRows) + " CPT rows, found " +
                 std::to_string(rows) + ".");
    }
    cpt.points.reserve(static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i) {
        r.begin("CPT row ", i + 1, rows);
        CptPoint p;
        p.depth = r.real("depth");
        // The profile is looked up by depth; rows going upward would shift every qc read from it.
        if (!cpt.points.empty() && p.depth < cpt.points.back().depth) {
            r.reject("CPT depths must not decrease downwards; the row above lies at " +
                     decimals(cpt.points.back().depth, 2) + ".");
        }
        p.qc = r.real("cone resistance");
        cpt.points.push_back(p);
    }
    return cpt;
}

std::string read_text_file(const std::string& path, std::string_view what) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        throw InputError("The " + std::string(what) + " " + quoted(path) + " does not exist.");
    }
    if (std::filesystem::is_directory(path, ec)) {
        throw InputError("The " + std::string(what) + " " + quoted(path) + " is a folder, not a file.");
    }
    std::ifstream f(path, std::ios::binary);
    if (!f)
        throw InputError("The " + std::string(what) + " " + quoted(path) + " cannot be opened for reading.");
    std::ostringstream ss;
    ss << f.rdbuf();
    if (f.bad()) throw InputError("The " + std::string(what) + " " + quoted(path) + " cannot be read.");
    return ss.str();
}

}  // namespace torve
