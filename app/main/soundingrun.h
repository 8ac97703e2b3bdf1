// The saved project run once with another CPT data file in place of its own, for the characteristic
// capacity from several soundings.
#pragma once

#include <QString>

#include "app/dialogs/characteristiccapacitydialog.h"

namespace torve::app {

// Copies the project file `projectFile` and `cptFile` into a folder of this run alone, as one
// project with its CPT points, runs the engine from `engineDirectory` on the copy and takes the
// capacity curve of `method` from its results. The project's own files are left as they are.
SoundingRun runWithSounding(const QString& projectFile, const QString& cptFile, Method method,
                            const QString& engineDirectory);

}  // namespace torve::app
