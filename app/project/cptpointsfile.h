// The CPT points file the engine reads beside the project: depth and qc of each point.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "app/project/projectdata.h"
#include "engine/model/cpt_profile.h"

namespace torve::app {

// The file of the project's CPT points: " 1 " (English) or " 2 " (S.I.) followed by the count,
// then per point two blanks, the depth, two blanks and qc, both as 1.25E+02 with as many digits as
// read back to the same value. The project holds qc in ksf in English units, the file and the
// engine lb/ft^2, so English values are written times 1000.
// A point whose values are not finite in the file's units is refused with UserError: the file would
// hold a word no reader takes back.
QByteArray cptPointsFileText(const ProjectData& project);

// The project's CPT points as the CPT points file holds them (qc in lb/ft^2 or kPa).
torve::CptProfile cptProfileOf(const ProjectData& project);

// Why the analysis would refuse the point (depth ft or m, qc ksf or kPa) once the CPT points file
// of a project in `units` holds it (English qc times 1000): a value not finite there, or beyond the
// range of the analysis, in the words of the engine's reader; none when the point can be saved and
// run. Every import asks it of each point before it replaces anything.
std::optional<QString> cptPointRefusal(const CptPoint& point, UnitSystem units);

// Reads a CPT points file as it stands (qc in lb/ft^2 or kPa). Raises UserError with a located
// message; more than kMaxCptRows rows are refused.
torve::CptProfile readCptPointsFile(const QString& path);

// The points of a CPT points file as a project in `units` holds them: depth in ft or m, qc in ksf
// or kPa; a file of the other unit system is converted.
std::vector<CptPoint> cptPointsIn(const torve::CptProfile& file, UnitSystem units);

}  // namespace torve::app
