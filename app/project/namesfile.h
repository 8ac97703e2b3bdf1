// The file of names through which the program tells the engine which files a run reads and writes.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace torve::app {

struct ProjectData;

struct RunFileNames {
    QString input;   // the project's input data file
    QString report;  // .tv6o
    QString plot;    // .tv6p
    QString cpt;     // the CPT points file
    // The capacity that many days after driving, with one A for every soil type; none: the end of
    // driving, each soil type's own A.
    std::optional<double> setupDays;
    std::optional<double> setupA;
    // The soil settlement file whose downdrag the engine solves after the run, and the results file
    // it writes; empty: no downdrag.
    QString settlement;
    QString downdrag;
};

// The files of a run of the project at `projectPath`: report, plot data and CPT points beside it.
RunFileNames runFileNamesOf(const QString& projectPath);
// The same, with the set-up and the downdrag that `project` asks for: a downdrag when it holds a soil
// settlement, on the settlement file its save keeps beside it.
RunFileNames runFileNamesOf(const QString& projectPath, const ProjectData& project);

// "names.dat" for the engine: the version, two identification lines, an identification number and
// the four paths, each in the platform's file-name encoding; then, only when a set-up or a downdrag
// is asked, the set-up's days and A ("." as decimal mark, blank for none) and the settlement and
// downdrag results paths. A path longer than the engine takes
// (kMaxPathChars bytes), or one the encoding cannot carry, raises UserError naming it: the engine
// would refuse it, and cut short it would name another file.
QByteArray namesFileText(const RunFileNames& files);

}  // namespace torve::app
