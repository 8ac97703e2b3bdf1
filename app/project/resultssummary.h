// The results of a run at a glance: per method the capacity at the pile tip, the head at the largest
// load, and the run's warnings, as a table for the screen, the clipboard and a CSV file.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "app/project/workingloads.h"

namespace torve::app {

class Results;

struct ResultsSummary {
    // One selected method, at the deepest point of its curves.
    struct Method {
        QString name;
        double tipDepth = 0;
        double skinFriction = 0;
        double endBearing = 0;  // the pile's self weight under tension
        double totalCapacity = 0;
    };
    // The load-settlement curve at its largest load; the movement in in or mm.
    struct Head {
        QString method;
        double load = 0;
        double movement = 0;
    };

    // A warning of the run, with the method and the depth it concerns where it has them.
    struct Warning {
        QString method;               // empty for the whole project
        std::optional<double> depth;  // ft or m below the ground surface
        QString text;
    };

    bool english = true;
    bool uplift = false;
    std::vector<Method> methods;
    std::optional<Head> head;
    std::vector<Warning> warnings;
    // The head movement at each working load, as the run's report gives it (in | mm).
    std::vector<WorkingLoadRow> workingLoads;

    // The column titles of the method table, units included: "Method", "Tip Depth (ft)", ...
    QStringList methodColumns() const;
    // The texts of a method's row as the table shows them.
    QStringList methodCells(const Method& method) const;
    // "Head Load (kips)" and "Head Movement (in)", or uplift for a pile under tension.
    QString headLoadCaption() const;
    QString headMovementCaption() const;
    // The column titles of the working loads and the texts of a row.
    QStringList workingLoadColumns() const;
    QStringList workingLoadCells(const WorkingLoadRow& row) const;
    // "UWA, at 27.50 m: A clay segment ...", as the window lists it.
    QString warningSentence(const Warning& warning) const;

    // Every part as rows of cells: the method table, a blank row, the head, a blank row, "Warnings"
    // and one row each. For a spreadsheet: tab-separated, or CSV (RFC 4180 quoting), CR LF ends.
    QString tabSeparated() const;
    QString csv() const;

  private:
    std::vector<QStringList> rows() const;
};

// The summary of `results` as last read: one method per curve of the capacity graphs (so every
// method the run selected, in the order of the method list), the head from the load-settlement
// curve, and the run's warnings: the list the engine ends its console lines with (`consoleLines`,
// the run notes), each with its method and depth; for the notes of an engine without that list, the
// lines of `reportLines` that carry "WARNING", each once, trimmed.
ResultsSummary summarizeResults(const Results& results, bool uplift, const QStringList& reportLines,
                                const QStringList& consoleLines = {});

// The summary of the run whose report is `reportPath` (PROJECT.tv6o): its warnings from the run notes
// beside it (PROJECT.tv6r) or the report itself, and its working loads from the report.
ResultsSummary summarizeRunBeside(const Results& results, bool uplift, const QString& reportPath);

// One line of the engine's warning list ("Warning [UWA; 27.50 m]: ..."); none for another line.
std::optional<ResultsSummary::Warning> warningOfConsoleLine(const QString& line);

}  // namespace torve::app
