// One project as the analysis takes it: the input data file after the reader's conversions.
#pragma once

#include <array>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "engine/model/cpt_profile.h"
#include "engine/model/file_format.h"
#include "engine/model/layer_constants.h"

namespace torve {

// Marks a maximum unit friction or bearing left at zero: no limit.
inline constexpr double kUnlimited = 9999999.0;

// A soil point: a depth with the properties of its two input lines, after the reader's conversions.
struct SoilPoint {
    // first line
    double depth = 0;
    SoilType soil_type = SoilType::Sand;
    double earth_pressure = 0;  // coefficient of lateral earth pressure K (sand)
    double unit_weight = 0;     // effective unit weight, lb/ft3 or kN/m3
    double friction_angle = 0;  // degrees; 0 when blow counts are given
    double bearing_factor = 0;  // Nq (sand)
    // second line, in the report's stress unit (ksf or kPa) where a stress
    double max_friction = 0;        // kUnlimited when none was entered
    double max_bearing = 0;         // kUnlimited when none was entered
    double su = 0;                  // undrained shear strength (clay)
    double sur = 0;                 // remolded shear strength (clay); 0 for sand
    double blow_count_ysr = 0;      // sand: SPT blow count; clay: yield stress ratio
    double user_friction = 0;       // user unit skin friction, report unit
    double user_bearing = 0;        // user unit end bearing, report unit
    double user_friction_read = 0;  // user unit skin friction as read (psf or kPa)
    double user_bearing_read = 0;   // user unit end bearing as read
    double lrfd_friction = 0;       // LRFD factor on unit friction
    double lrfd_bearing = 0;        // LRFD factor on unit bearing
    // offshore values as read
    double plasticity_index = 0;  // %
    double cone_resistance = 0;   // qc, psf or kPa
    double soil_type_factor = 1;  // Fst of the Unified clay friction
    bool friction_unlimited = false;
    bool bearing_unlimited = false;
    // The project's own constants of driving and set-up, as read; they hold, as the soil type does,
    // from this point down to the next.
    LayerConstants constants;

    bool is_sand() const { return soil_type == SoilType::Sand; }
};

struct SectionRow {
    double depth = 0;
    double area = 0;  // in2 or m2
};

struct InputData {
    // records 1 to 3
    std::string title;
    std::string designer;
    std::string job_number;
    // record 4
    UnitSystem units = UnitSystem::English;
    int print_interval = 1;
    // record 5
    double perimeter = 0;              // in or mm; > 0 for a noncircular section
    double tip_area = 0;               // ft2 (converted from in2) or m2
    double outside_diameter = 0;       // in or mm
    double inside_diameter = 0;        // in or mm
    double modulus_of_elasticity = 0;  // lb/in2 or kPa
    double total_pile_length = 0;      // ft or m
    double stickup_length = 0;         // ft or m
    // record 6
    double enhanced_end_section_length = 0;           // ft or m
    double enhanced_end_section_inside_diameter = 0;  // in or mm
    // record 7
    double zero_friction_length = 0;
    double computation_increment = 0;
    PileType pile_type = PileType::SteelPipe;
    double taper_angle = 0;  // degrees
    Method load_transfer_method = Method::Api;
    int offshore_data = 0;       // 1: the cone-based methods run; above 0: the echo shows their data
    int reduced_resistance = 0;  // 1: the load-transfer curves take the LRFD-factored skin friction
    // record 8: selection flags, index 0 is method code 1
    std::array<int, kMethodCount> selected{};
    // record 9
    double deepest_soil_depth = 0;
    double cross_section_area = 0;  // constant area for section mode 1, in2 or m2
    // record 10
    std::vector<SoilPoint> soil;
    // record 11
    int t_z_print_flag = 0;
    std::vector<double> t_z_print_depths;
    // record 12
    LoadingType loading_type = LoadingType::Compression;
    double tension_reduction_factor = 1;
    // record 13
    ClayDrainage clay_drainage = ClayDrainage::Undrained;
    PlugCondition plug_condition = PlugCondition::Computed;
    UnifiedClayBase unified_clay_base = UnifiedClayBase::AreaRatio;
    // record 14
    int section_row_count = 0;
    SectionMode section_mode = SectionMode::FromDiameters;
    std::vector<SectionRow> sections;
    // record 15
    CriticalDepthOption critical_depth_option = CriticalDepthOption::FromDensity;
    double critical_depth = 0;
    // record 16: the working loads as fractions of each method's capacity at the tip
    std::vector<double> working_load_fractions{std::begin(kDefaultWorkingLoadFractions),
                                               std::end(kDefaultWorkingLoadFractions)};

    // The checks' warnings about values the analysis takes as they are (a modulus hardly the pile's
    // material), each located by its record and, for a soil point, its depth: the run passes them on.
    struct Note {
        std::optional<double> depth;
        std::string text;
    };
    std::vector<Note> input_notes;

    bool is_selected(Method m) const { return selected[index_of(m)] == 1; }
    bool has_offshore_data() const { return offshore_data == 1; }
    bool tension() const { return loading_type == LoadingType::Tension; }
    bool drained_clay() const { return clay_drainage == ClayDrainage::Drained; }
};

}  // namespace torve
