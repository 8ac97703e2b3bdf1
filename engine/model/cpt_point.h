// A point of a cone penetration profile, as every program holds it.
#pragma once

namespace torve {

// Depth in ft or m and cone resistance qc in lb/ft2 (English) or kPa (S.I.), as the CPT data file
// and the engine hold it. The desktop program's project holds its points in ksf (English) for its
// graphs and dialogs (ProjectData::cptPoints), and converts them on writing and reading the file.
struct CptPoint {
    double depth = 0;
    double qc = 0;
    bool operator==(const CptPoint&) const = default;
};

}  // namespace torve
