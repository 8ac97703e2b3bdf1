// The cone readings file beside a project: the sleeve friction, pore pressure and corrected cone
// resistance of its imported sounding, which the CPT data file has no room for.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/model/cone_reading.h"
#include "engine/model/cpt_profile.h"
#include "engine/model/file_format.h"

namespace torve {

// PROJECT.cone.csv beside PROJECT.tv6d (or beside its CPT data file PROJECT.cpt).
std::string cone_readings_path(const std::string& project_path);

// The file: a heading line naming the columns and their units, "depth_m,fs_kPa,u2_kPa,qt_kPa" or
// "depth_ft,fs_psf,u2_psf,qt_psf", then one line per reading with the four values separated by
// commas, a value the sounding did not give left empty; "." as decimal mark, every value in the
// shortest form that reads back to it, lines ended by LF.
struct ConeReadingsFile {
    UnitSystem units = UnitSystem::SI;
    std::vector<ConeReading> readings;  // depth ft or m, stresses lb/ft2 or kPa
};

// Raises NotFiniteError (engine/model/project_codec.h) for a value that is not finite.
std::string write_cone_readings(const ConeReadingsFile& file);

// Reads the file; anything else than the layout above (an unknown heading, a line without four
// fields, a value that is no finite number, a row without depth, depths going upwards, more rows
// than kMaxCptRows) raises InputError naming `file_name` and the line.
ConeReadingsFile read_cone_readings(std::string_view text, const std::string& file_name);

// The readings of a file in `from` units (stresses lb/ft2 or kPa) as a project in `to` units holds
// them: depth ft or m, stresses lb/ft2 or kPa, or ksf in an English project when `to_ksf` (as the
// desktop program shows them). Converted by converted_value, as the CPT points are.
std::vector<ConeReading> cone_readings_in(const std::vector<ConeReading>& readings, UnitSystem from,
                                          UnitSystem to, bool to_ksf);

// Gives `cpt` the readings of `file`, in the units of its points (the system its unit code names;
// as they stand under a code of none). A run that reads the CPT data file reads this one beside it
// when it is there (cone_readings_path) and hands it here.
void attach_cone_readings(CptProfile& cpt, const ConeReadingsFile& file);

}  // namespace torve
