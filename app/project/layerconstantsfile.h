// The soil layer constants file beside a saved project: read with the project, written with it only
// while a layer gives a constant of its own, and removed when none does any more.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "engine/model/project_records.h"

namespace torve::app {

// NAME.layers.csv beside the project file at `projectPath`.
QString layerConstantsFileName(const QString& projectPath);

// Reads the file beside the project at `projectPath`, when there is one, into the records' soil
// points. A file that cannot be read, or that does not fit the soil points (another count, other
// depths, a cell that is not a number), raises UserError with the reader's message naming the file,
// line and column: the project is not opened, so that no save replaces the user's values by none.
void readLayerConstantsBeside(const QString& projectPath, ProjectRecords& records);

// The file's text for the records; none when no soil point gives a constant. A value that is not a
// finite number raises UserError naming it.
std::optional<QByteArray> layerConstantsText(const ProjectRecords& records);

// After a save whose project gives no constant: the file a former state left beside it goes, so
// that the next reading does not take old values for the new layers. Raises UserError when it stays.
void removeStaleLayerConstants(const QString& projectPath);

}  // namespace torve::app
