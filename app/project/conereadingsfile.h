// The cone readings file beside the project: fs, u2 and qt of its imported sounding, which the CPT
// points file has no room for.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "app/project/projectdata.h"

namespace torve::app {

// The file's text for the project's readings, in its units (English stresses in lb/ft^2, as the
// CPT points file holds them). Raises UserError for a value that is not finite.
QByteArray coneReadingsFileText(const ProjectData& project);

// The readings of the file at `path` as a project in `units` holds them (ksf | kPa); a file of the
// other unit system is converted. Raises UserError with the reader's located message.
std::vector<ConeReading> readConeReadingsFile(const QString& path, UnitSystem units);

}  // namespace torve::app
