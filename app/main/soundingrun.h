// The saved project run once with another CPT data file in place of its own, for the characteristic
// capacity from several soundings.
#pragma once

#include <QString>
#include <optional>

#include "app/dialogs/characteristiccapacitydialog.h"

namespace torve::app {

// Copies into `folder`, as one project named "sounding", what its run reads: the project file
// `projectFile`, `cptFile` as its CPT points, the soil layer constants file beside the project
// (NAME.layers.csv: the layers are the project's) and the cone readings file beside `cptFile`
// (its NAME.cone.csv: the readings belong to the sounding, and for the project's own CPT data
// file that is the one beside the project). A companion file that is not there is not made. The
// copy's project file, or none when a file cannot be copied.
std::optional<QString> copySoundingFiles(const QString& projectFile, const QString& cptFile,
                                         const QString& folder);

// Copies the project with `cptFile` into a folder of this run alone (copySoundingFiles), runs the
// engine from `engineDirectory` on the copy and takes the capacity curve of `method` from its
// results. The project's own files are left as they are.
SoundingRun runWithSounding(const QString& projectFile, const QString& cptFile, Method method,
                            const QString& engineDirectory);

}  // namespace torve::app
