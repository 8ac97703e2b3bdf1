// The file of names through which the desktop program tells the engine library a run's files.
#pragma once

#include <QByteArray>
#include <QString>

namespace torve::app {

// The eight lines the engine reads from "names.dat": version, two identification lines, an
// identification number, then the absolute paths of the input data file, the report, the plot data
// file and the CPT data file, all beside `projectPath`. Every line is there, so the engine never
// has to ask for a missing one on its console.
QByteArray namesFileText(const QString& projectPath);

}  // namespace torve::app
