// The driveability data file for GRLWeap, written beside the project on every save.
#pragma once

#include <QByteArray>

namespace torve::app {

class TProgramData;

// The .gwi file, line by line: fixed template lines, the pile line (penetration depth D, pile area,
// E / 1000, specific weight, circumference) and one soil resistance line per depth of the
// load-transfer method's capacity curve read from the last plot file. "." decimal mark.
QByteArray DriveabilityExportText(const TProgramData& project);

}  // namespace torve::app
