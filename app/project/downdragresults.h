// The downdrag results file the engine writes after a run asked for one: the neutral plane, the
// drag force and the pile's load and movement in settling soil.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace torve::app {

// In the project's units: depths below the ground surface ft | m, loads kips | kN, movements in | mm.
struct DowndragResults {
    bool solved = false;
    QString message;  // why there is no solution, when there is none
    double headLoad = 0;
    double neutralPlane = 0;
    std::optional<double> equilibriumNeutralPlane;
    double dragForce = 0;
    double maxLoad = 0;
    double maxLoadDepth = 0;
    double headSettlement = 0;
    double toePenetration = 0;
    double toeLoad = 0;
    // Along the pile from the head to the toe.
    std::vector<double> depth, axialLoad, resistance, pileMovement, soilSettlement;
};

// Reads the text of a downdrag results file ("." as decimal mark whatever the locale). A line that
// is not what the engine writes raises UserError naming `path` and the line.
DowndragResults parseDowndragResults(const QByteArray& text, const QString& path);
DowndragResults readDowndragResults(const QString& path);

// Where a run of the project at `projectPath` has the engine write its downdrag results.
QString downdragResultsFileOf(const QString& projectPath);

}  // namespace torve::app
