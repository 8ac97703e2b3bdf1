// The input data file's values as they stand in the file, record by record.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/model/file_format.h"
#include "engine/model/layer_constants.h"

namespace torve {

// Field names: each field is named as records:: in file_format.h names it, in snake_case, blanks
// and hyphens becoming underscores ("total pile length" -> total_pile_length, "t-z print flag" ->
// t_z_print_flag). The counts of the file ("number of soil points", "number of t-z print depths")
// are the sizes of the lists, but for the section rows, whose count stands in the file even when no
// rows follow.
//
// Values are as written: stresses in lb/ft2 or kPa, English tip areas in in2, codes as the file
// gives them, none of the reader's conversions. Fields that files of the previous version (.tvd)
// lack are optional; a record read from such a file leaves them empty, so that the desktop program
// applies its defaults for them. A value-initialised record has them, with the defaults of a new
// project: the writers write value_or() of the same defaults.

struct SoilPointRecord {
    // first line
    double depth = 0;
    int soil_type_code = 1;  // 1 sand, 2 clay; read as a real that must be 1.0 or 2.0
    double coefficient_of_lateral_earth_pressure = 0;
    double effective_unit_weight = 0;
    double friction_angle = 0;
    double bearing_capacity_factor = 0;
    // second line
    double maximum_unit_friction = 0;  // 0: no limit
    double maximum_unit_bearing = 0;   // 0: no limit
    double undrained_shear_strength = 0;
    double remolded_shear_strength_or_blow_count = 0;  // clay: remolded strength; sand: SPT blow count
    double yield_stress_ratio = 0;
    double plasticity_index = 0;
    double cone_resistance = 0;
    double user_unit_skin_friction = 0;
    double user_unit_end_bearing = 0;
    std::optional<double> lrfd_factor_on_unit_friction = 1.0;  // absent in the previous version
    std::optional<double> lrfd_factor_on_unit_bearing = 1.0;   // absent in the previous version
    // Unified clay friction factor Fst: 1, or about 0.5 in sensitive clay; written only when not 1.
    double soil_type_factor_fst = 1.0;
    // Not in the input data file: the soil layer constants file beside it holds them, where any is
    // given (layer_constants_file.h).
    LayerConstants constants;

    bool is_sand() const { return soil_type_code == static_cast<int>(SoilType::Sand); }
    bool operator==(const SoilPointRecord&) const = default;
};

struct SectionRowRecord {
    double section_depth = 0;
    double cross_section_area = 0;  // in2 or m2
    bool operator==(const SectionRowRecord&) const = default;
};

using MethodFlags = std::array<int, kMethodCount>;  // index_of(Method)

struct ProjectRecords {
    // records 1 to 3, whole lines (the analysis shows their first kMaxTitleChars characters)
    std::string title;
    std::string designer;
    std::string job_number;
    // record 4
    int unit_system_code = code_of(UnitSystem::English);
    int print_interval = 1;
    // record 5
    double perimeter = 0;
    double tip_area = 0;
    double outside_diameter = 0;
    double inside_diameter = 0;
    double modulus_of_elasticity = 0;
    double total_pile_length = 0;
    std::optional<double> stickup_length = 0.0;  // absent in the previous version
    // record 6
    double enhanced_end_section_length = 0;
    double enhanced_end_section_inside_diameter = 0;
    // record 7
    double zero_friction_length = 0;
    double computation_increment = 0;
    int pile_type_code = 1;  // PileType
    double taper_angle = 0;
    int load_transfer_method_code = code_of(Method::Api);
    int offshore_data_flag = 0;
    std::optional<int> reduced_resistance_flag = 0;  // absent in the previous version
    // record 8, absent in the previous version
    std::optional<MethodFlags> method_selection_flags = MethodFlags{};
    // record 9
    double deepest_soil_depth = 0;
    double cross_section_area = 0;
    // record 10
    std::vector<SoilPointRecord> soil_points;
    // record 11: the depths follow the flag only when it is 1
    int t_z_print_flag = 0;
    std::vector<double> t_z_print_depths;
    // record 12
    int loading_type_code = 0;  // LoadingType
    double tension_reduction_factor = 1;
    // record 13
    int clay_drainage_option = 0;      // ClayDrainage
    int plug_condition_code = 0;       // PlugCondition
    int unified_clay_base_option = 0;  // UnifiedClayBase; written only when not 0
    // record 14: the count as it stands; the rows follow for section mode 2 and above, and the
    // writers then write their number. The mode is absent when the line holds the count alone (files
    // of earlier layouts, read by the desktop program, which infers it).
    int number_of_section_rows = 0;
    std::optional<int> section_mode = 0;  // SectionMode
    std::vector<SectionRowRecord> section_rows;
    // record 15, absent in the previous version
    std::optional<int> critical_depth_option = 0;  // CriticalDepthOption
    std::optional<double> critical_depth = 0.0;
    // record 16, only where a project sets it: the head loads at which the settlement is wanted, as
    // fractions of each method's capacity at the tip. Absent, a run takes kDefaultWorkingLoadFractions.
    std::optional<std::vector<double>> working_load_fractions;

    bool operator==(const ProjectRecords&) const = default;
};

}  // namespace torve
