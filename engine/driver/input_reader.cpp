// Reading the input data file and the CPT data file, with the reader's post-processing in order.
#include "engine/driver/input_reader.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "engine/model/input_checks.h"
#include "engine/model/input_error.h"
#include "engine/model/layer_constants_file.h"
#include "engine/model/project_codec.h"
#include "engine/model/rounded_constants.h"
#include "engine/model/text_encoding.h"
#include "engine/model/unit_conversion.h"
#include "engine/model/units.h"
#include "engine/model/whole_file.h"

namespace torve {
namespace {

// The reader's thresholds are single-precision literals, as the grid allowance is.
constexpr double kTiny = static_cast<double>(1.0e-10f);
constexpr double kNoEndSection = static_cast<double>(1.0e-5f);
constexpr double kEndSectionGap = static_cast<double>(1.0e-7f);

std::string quoted(const std::string& s) {
    return quoted_text(s);
}

// The first `n` characters of UTF-8 text, cut between two characters.
std::string first_characters(const std::string& s, int n) {
    return s.substr(0, character_prefix_bytes(s, static_cast<std::size_t>(n)));
}

SoilPoint soil_point_of(const SoilPointRecord& r, const Units& units) {
    SoilPoint p;
    p.depth = r.depth;
    p.soil_type = r.is_sand() ? SoilType::Sand : SoilType::Clay;
    p.earth_pressure = r.coefficient_of_lateral_earth_pressure;
    p.unit_weight = r.effective_unit_weight;
    p.friction_angle = r.friction_angle;
    p.bearing_factor = r.bearing_capacity_factor;
    p.max_friction = r.maximum_unit_friction;
    p.max_bearing = r.maximum_unit_bearing;
    p.su = r.undrained_shear_strength;
    p.sur = r.remolded_shear_strength_or_blow_count;
    p.blow_count_ysr = r.yield_stress_ratio;
    p.plasticity_index = r.plasticity_index;
    p.cone_resistance = r.cone_resistance;
    p.soil_type_factor = r.soil_type_factor_fst;
    p.user_friction_read = r.user_unit_skin_friction;
    p.user_bearing_read = r.user_unit_end_bearing;
    p.lrfd_friction = r.lrfd_factor_on_unit_friction.value_or(1);
    p.lrfd_bearing = r.lrfd_factor_on_unit_bearing.value_or(1);
    p.constants = r.constants;
    if (p.is_sand()) {
        // A sand point carries its blow count in the remolded-strength position.
        p.blow_count_ysr = p.sur;
        p.sur = 0;
    }
    const double to_report = units.read_stress_per_stress;  // psf to ksf
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
    return p;
}

}  // namespace

InputData input_data_of(const ProjectRecords& f) {
    InputData in;
    in.title = first_characters(f.title, kMaxTitleChars);
    in.designer = first_characters(f.designer, kMaxTitleChars);
    in.job_number = first_characters(f.job_number, kMaxTitleChars);
    in.units = f.unit_system_code == 2 ? UnitSystem::SI : UnitSystem::English;
    const Units& units = units_of(in.units);
    in.print_interval = f.print_interval;

    in.perimeter = f.perimeter;
    in.tip_area = f.tip_area / units.solver_area_per_area;  // in2 to ft2
    in.outside_diameter = f.outside_diameter;
    in.inside_diameter = f.inside_diameter;
    in.modulus_of_elasticity = f.modulus_of_elasticity;
    in.total_pile_length = f.total_pile_length;
    in.stickup_length = f.stickup_length.value_or(0);
    if (in.perimeter > kTiny) {
        // Noncircular section: an equivalent solid circle of the same perimeter.
        in.inside_diameter = 0;
        in.outside_diameter = in.perimeter / kPiSinglePrecision;
    }

    in.enhanced_end_section_length = f.enhanced_end_section_length;
    in.enhanced_end_section_inside_diameter = f.enhanced_end_section_inside_diameter;
    if (in.enhanced_end_section_length < kNoEndSection) {
        // No end section: treat the whole pile as one, with the pile's own inside diameter.
        in.enhanced_end_section_inside_diameter = in.inside_diameter;
        in.enhanced_end_section_length = in.total_pile_length - kEndSectionGap;
    }

    in.zero_friction_length = f.zero_friction_length;
    in.computation_increment = f.computation_increment;
    in.pile_type = static_cast<PileType>(f.pile_type_code);
    in.taper_angle = f.taper_angle;
    in.load_transfer_method = static_cast<Method>(f.load_transfer_method_code);
    in.offshore_data = f.offshore_data_flag;
    in.reduced_resistance = f.reduced_resistance_flag.value_or(0);
    in.selected = f.method_selection_flags.value_or(MethodFlags{});

    in.deepest_soil_depth = f.deepest_soil_depth;
    in.cross_section_area = f.cross_section_area;
    in.soil.reserve(f.soil_points.size());
    for (const SoilPointRecord& p : f.soil_points) in.soil.push_back(soil_point_of(p, units));

    in.t_z_print_flag = f.t_z_print_flag;
    if (in.t_z_print_flag == 1) in.t_z_print_depths = f.t_z_print_depths;
    in.loading_type = static_cast<LoadingType>(f.loading_type_code);
    in.tension_reduction_factor = f.tension_reduction_factor;
    // Any drainage option other than 1 means undrained clay.
    in.clay_drainage = f.clay_drainage_option == 1 ? ClayDrainage::Drained : ClayDrainage::Undrained;
    in.plug_condition = static_cast<PlugCondition>(f.plug_condition_code);
    in.unified_clay_base = static_cast<UnifiedClayBase>(f.unified_clay_base_option);
    in.section_row_count = f.number_of_section_rows;
    // Modes above 2 have always meant the area table, as 2 does.
    in.section_mode = static_cast<SectionMode>(std::clamp(f.section_mode.value_or(0), 0, 2));
    if (in.section_mode == SectionMode::VaryingWithDepth) {
        in.section_row_count = static_cast<int>(f.section_rows.size());
        for (const SectionRowRecord& s : f.section_rows)
            in.sections.push_back({s.section_depth, s.cross_section_area});
    }
    in.critical_depth_option = static_cast<CriticalDepthOption>(f.critical_depth_option.value_or(0));
    in.critical_depth = f.critical_depth.value_or(0);
    if (f.working_load_fractions) in.working_load_fractions = *f.working_load_fractions;
    // The warnings of a method's data the run gives itself, where it computes the method.
    for (const Finding& finding : check_project(f, {}))
        if (!finding.is_error() && !finding.method)
            in.input_notes.push_back({finding.depth, record_title(finding.place) + ": " + finding.message});
    return in;
}

InputData parse_input_data(std::string_view text, const std::string& file_name) {
    // Each record checked as it is read: a value refused comes before a damage further down.
    InputValueChecks checks(file_name);
    return input_data_of(read_project_records(text, file_name, {}, &checks).records);
}

CptProfile parse_cpt_data(std::string_view text, const std::string& file_name) {
    InputValueChecks checks(file_name);
    return read_cpt_records(text, file_name, {}, &checks).records;
}

RunInput parse_run_input(std::string_view input_text, const std::string& input_name,
                         std::optional<std::string_view> cpt_text, const std::string& cpt_name,
                         std::optional<Method> only_method) {
    return parse_run_input(input_text, input_name, cpt_text, cpt_name, std::nullopt, {}, only_method);
}

RunInput parse_run_input(std::string_view input_text, const std::string& input_name,
                         std::optional<std::string_view> cpt_text, const std::string& cpt_name,
                         std::optional<std::string_view> layers_text, const std::string& layers_name,
                         std::optional<Method> only_method) {
    InputValueChecks input_checks(input_name);
    ReadResult<ProjectRecords> input = read_project_records(input_text, input_name, {}, &input_checks);
    if (only_method) {
        MethodFlags flags{};
        flags[index_of(*only_method)] = 1;
        input.records.method_selection_flags = flags;
    }
    if (layers_text) {
        read_layer_constants(*layers_text, layers_name, input.records);
        refuse_first(layer_constant_findings(input.records), {}, layer_constants_file_label(layers_name),
                     layers_name);
    }
    RunInput run;
    std::vector<Finding> unit_findings;
    if (cpt_text) {
        InputValueChecks cpt_checks(cpt_name);
        const ReadResult<CptProfile> cpt = read_cpt_records(*cpt_text, cpt_name, {}, &cpt_checks);
        unit_findings = cpt_unit_findings(input.records, cpt.records);
        refuse_first(unit_findings, cpt.lines, cpt_file_label(cpt_name), cpt_name);
        run.cpt = cpt.records;
    }
    refuse_first(whole_project_findings(input.records, run.cpt), input.lines, input_file_label(input_name),
                 input_name);
    run.in = input_data_of(input.records);
    // The run says so where it converts the points, as the check does.
    for (const Finding& f : unit_findings)
        run.in.input_notes.push_back(
            {std::nullopt, cpt_file_label(cpt_name) + ", " + record_title(f.place) + ": " + f.message});
    // A profile of the other unit system is read in the project's, as every reader reads it.
    run.cpt = cpt_profile_in(run.cpt, run.in.units);
    return run;
}

std::optional<std::string> read_layer_constants_beside(const std::string& input_path) {
    const std::string path = layer_constants_file_name(input_path);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return std::nullopt;
    return read_text_file(path, "soil layer constants file");
}

std::string read_text_file(const std::string& path, std::string_view what) {
    const std::string file = "The " + std::string(what) + " " + quoted(path);
    const InputPlace place{path, {}, 0};
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) throw InputError(file + " does not exist.", place);
    if (std::filesystem::is_directory(path, ec)) throw InputError(file + " is a folder, not a file.", place);
    try {
        return read_regular_file(path);
    } catch (const FileError& e) {
        if (e.error() == ENOENT) throw InputError(file + " does not exist.", place);
        if (e.error() == 0) throw InputError(file + " cannot be read: " + e.reason() + ".", place);
        throw InputError(file + " cannot be opened for reading: " + e.reason() + ".", place);
    }
}

}  // namespace torve
