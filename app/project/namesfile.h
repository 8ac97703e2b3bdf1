// The file of names through which the program tells the engine which files a run reads and writes.
#pragma once

#include <QByteArray>
#include <QString>

namespace torve::app {

struct RunFileNames {
    QString input;   // the project's input data file
    QString report;  // .tv6o
    QString plot;    // .tv6p
    QString cpt;     // the CPT points file
};

// The files of a run of the project at `projectPath`: report, plot data and CPT points beside it.
RunFileNames runFileNamesOf(const QString& projectPath);

// "names.dat" for the engine: the version, two identification lines, an identification number and
// the four paths, each in the platform's file-name encoding. A path longer than the engine takes
// (kMaxPathChars bytes), or one the encoding cannot carry, raises UserError naming it: the engine
// would refuse it, and cut short it would name another file.
QByteArray namesFileText(const RunFileNames& files);

}  // namespace torve::app
