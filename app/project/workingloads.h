// The settlement at the working loads, as the report of a run gives it in its last section.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace torve::app {

// One working load: a fraction of a method's capacity at the tip, and the head movement the run
// solved at it (in or mm, as the report prints it); none beyond the load-settlement curve.
struct WorkingLoadRow {
    QString method;
    double fraction = 0;
    double load = 0;  // kips | kN
    std::optional<double> movement;
};

// The rows of the report's section "SETTLEMENT AT WORKING LOADS"; none for a report without it (a
// run that stopped, or an engine before the working loads).
std::vector<WorkingLoadRow> readWorkingLoads(const QStringList& reportLines);

// The lines of the report file that the section takes, from its heading on; none when the file
// cannot be read or has no such section. The section ends the report, so only its tail is read.
QStringList workingLoadLines(const QString& reportPath);

}  // namespace torve::app
