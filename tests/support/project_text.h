// Input data files built in code: records of a small test project, written by the codec.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/model/project_records.h"

namespace torve::test {

// A steel pipe pile of 24 in outside diameter (closed, E 29,000 ksi) and 60 ft in English units,
// computed by API RP 2A in increments of 1 ft, soil to 100 ft; no soil points yet.
ProjectRecords project();

// A sand or clay layer as two points with the same properties at top and bottom (lb/ft2 or kPa).
std::pair<SoilPointRecord, SoilPointRecord> sand_layer(double top, double bottom, double gamma, double phi,
                                                       double k, double nq);
std::pair<SoilPointRecord, SoilPointRecord> clay_layer(double top, double bottom, double gamma, double su,
                                                       double sur);
void add_layer(ProjectRecords& records, const std::pair<SoilPointRecord, SoilPointRecord>& layer);

// The input data file of the records, every value as held.
std::string text_of(const ProjectRecords& records);

// A CPT data file with the given depth/qc rows.
std::string cpt_text(int units, const std::vector<std::pair<double, double>>& rows);

}  // namespace torve::test
