// The driveability data file for GRLWeap, written beside the project on every save.
#pragma once

#include <QByteArray>
#include <vector>

namespace torve::app {

struct DriveabilityPoint;
struct ProjectData;

// The .gwi file, line by line: fixed template lines, the pile line (penetration depth D, pile area,
// E / 1000, specific weight, circumference) and one soil resistance line per point of the
// load-transfer method's capacity curve read from the last plot file. "." decimal mark.
QByteArray driveabilityExportText(const ProjectData& project, const std::vector<DriveabilityPoint>& points);

}  // namespace torve::app
