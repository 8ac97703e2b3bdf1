// The soil layer constants file: the project's own quakes, damping and set-up rates per soil point,
// in a file of its own beside the input data file (NAME.layers.csv), so that the input data file
// stays as other programs read it and a project that gives none has no such file at all.
//
// Comma-separated, "." as decimal mark, a header line naming the columns with the project's units,
// then one row per soil point of the project in its order:
//   point,depth_m,shaft_quake_mm,toe_quake_mm,shaft_damping_s_per_m,toe_damping_s_per_m,setup_a,setup_t0_days
//   1,0,3,,,,0.3,
// (English: depth_ft, _in, _s_per_ft). An empty cell is a constant the project does not give.
#pragma once

#include <string>
#include <string_view>

#include "engine/model/project_records.h"

namespace torve {

// NAME.layers.csv beside the input data file NAME.tv6d (its extension replaced, or added when it
// has none).
std::string layer_constants_file_name(const std::string& project_path);

// True when any soil point of the records gives any constant: only then is there a file.
bool has_layer_constants(const ProjectRecords& records);

// The header line of the file for a unit system, without its line break.
std::string layer_constants_header(UnitSystem units);

// The file's text for the records' soil points (every value in its shortest exact form). Raises
// NotFiniteError (soil constants of the point) for a value no reader would take back.
std::string write_layer_constants(const ProjectRecords& records);

// Reads the file's text into the constants of the records' soil points, which must already hold
// the input data file's points. Refused, with InputError naming `file_name`, the line and the
// column: a header that is not the one of the project's unit system (a file of the other system
// included), a row with another number of cells, a row whose point number or depth is not that of
// the project's soil point on its line, more or fewer rows than the project has soil points (the
// file then belongs to an earlier state of the soil layers: its values would fall on the wrong
// layers), and a cell that is neither empty nor a number. The values' ranges are the checks'
// (check_project). The records are changed only when the whole file is read.
void read_layer_constants(std::string_view text, const std::string& file_name, ProjectRecords& records);

// `Soil layer constants file "p.layers.csv"`, as messages begin.
std::string layer_constants_file_label(const std::string& file_name);

}  // namespace torve
