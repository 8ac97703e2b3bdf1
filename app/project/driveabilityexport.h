// The driveability data file for GRLWeap, written beside the project on every save.
#pragma once

#include <QByteArray>
#include <vector>

#include "engine/model/project_records.h"

namespace torve::app {

struct DriveabilityPoint;
struct ProjectData;

// The .gwi file, line by line: fixed template lines, the pile line (penetration depth D, pile area,
// E / 1000, specific weight, circumference) and one soil resistance line per point of the
// load-transfer method's capacity curve read from the last plot file. "." decimal mark. Each soil line
// carries the shaft and toe quakes and damping that the soil point at or above its depth gives of its
// own (`soil`, the project's soil points), the template's values where it gives none.
QByteArray driveabilityExportText(const ProjectData& project, const std::vector<DriveabilityPoint>& points,
                                  const std::vector<SoilPointRecord>& soil = {});

}  // namespace torve::app
