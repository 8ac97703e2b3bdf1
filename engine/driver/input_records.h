// The input data file's values as they stand in the file, before the reader's conversions: what a
// program that edits a project (the Python module) reads, changes and writes back.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/file_format.h"
#include "engine/model/input_data.h"

namespace torve {

// A soil point's two lines: stresses in lb/ft2 or kPa, as the file holds them.
struct SoilPointRecord {
    // first line
    double depth = 0;
    int soil_type = 1;  // 1 sand, 2 clay
    double earth_pressure = 0;
    double unit_weight = 0;
    double friction_angle = 0;
    double bearing_factor = 0;
    // second line
    double max_friction = 0;  // 0: no limit
    double max_bearing = 0;   // 0: no limit
    double su = 0;
    double sur_or_blow_count = 0;  // clay: remolded strength; sand: SPT blow count
    double ysr = 0;
    double plasticity_index = 0;
    double cone_resistance = 0;
    double user_friction = 0;
    double user_bearing = 0;
    double lrfd_friction = 1;
    double lrfd_bearing = 1;
};

struct InputRecords {
    // records 1 to 3
    std::string title, designer, job_number;
    // record 4 (the number of soil points is soil.size())
    int units = 1;
    int print_interval = 1;
    // record 5: in, ft2 (tip area in in2 on English files, m2 on S.I.), lb/in2 or kPa, ft or m
    double perimeter = 0, tip_area = 0, outside_diameter = 0, inside_diameter = 0, modulus = 0;
    double pile_length = 0, stickup_length = 0;
    // record 6
    double end_section_length = 0, end_section_inside_diameter = 0;
    // record 7
    double zero_friction_length = 0, increment = 0;
    int pile_type = 1;
    double taper_angle = 0;
    int load_transfer_method = code_of(Method::Api);
    int offshore_data = 0;
    int reduced_resistance = 0;
    // record 8, index 0 is method code 1
    std::array<int, kMethodCount> selected{};
    // record 9
    double deepest_soil_depth = 0, section_area = 0;
    // record 10
    std::vector<SoilPointRecord> soil;
    // record 11 (the depths are written only with the flag at 1, as the reader reads them)
    int tz_print = 0;
    std::vector<double> tz_print_depths;
    // record 12
    int loading_type = 0;
    double tension_factor = 1;
    // record 13
    int clay_drainage = 0, plug_condition = 0;
    // record 14 (the rows are written only for section mode 2, as the reader reads them)
    int section_mode = 0;
    std::vector<SectionRow> sections;
    // record 15
    int critical_depth_option = 0;
    double critical_depth = 0;
};

// Reads an input data file: first through the analysis' own reader, whose checks and located
// messages (InputError) apply unchanged, then value by value as written.
InputRecords read_input_records(std::string_view text, const std::string& file_name);

// The input data file of `records`: one record per line, values separated by single blanks, every
// real as shortest_real writes it.
std::string write_input_records(const InputRecords& records);

// The CPT data file of `profile`: unit code and row count, then one depth/qc pair per line.
std::string write_cpt_data(const CptProfile& profile);

// The shortest text of `v` that reads back to the same double, in plain decimals while they stay
// within 24 characters ("0", "0.0698", "210000000", "0.00001"), else with an exponent ("1e-30").
std::string shortest_real(double v);

}  // namespace torve
