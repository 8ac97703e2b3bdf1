// The driveability results file the engine writes for a driveability request: the resistance to
// driving, the blow count and the stresses against the tip's depth, the head of the pile through
// the last blow, and the bearing graph at the pile's length.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace torve::app {

// In the project's units: depths ft | m, forces kips | kN, stresses ksi | MPa, time s, velocity
// ft/s | m/s, energy kJ, set in | mm; a blow count at refusal is NaN.
struct DriveabilityResults {
    bool solved = false;
    QString message;  // why there is no solution, when there is none
    bool english = true;
    QString method;  // "Alm & Hamre" or "UniSand-SRD"
    QString hammer;
    double pileLength = 0;
    std::vector<double> depth, srdShaft, srdBase, srdTotal, blowCount, cumulativeBlows;
    std::vector<double> maxCompression, maxCompressionAt, maxTension, maxTensionAt, enthru;
    std::vector<bool> refusal;
    double blowAt = 0;
    std::vector<double> time, headForce, headVelocity;
    double bearingAt = 0;
    std::vector<double> bearingResistance, bearingBlowCount, bearingMaxCompression, bearingMaxTension,
        bearingSet;
};

// Reads the text of a driveability results file ("." as decimal mark whatever the locale). A line
// that is not what the engine writes raises UserError naming `path` and the line.
DriveabilityResults parseDriveabilityResults(const QByteArray& text, const QString& path);
DriveabilityResults readDriveabilityResults(const QString& path);

// Where a desktop run of the project at `projectPath` has the engine write its driveability
// results: beside the project, PROJECT.drive.txt.
QString driveabilityResultsFileOf(const QString& projectPath);

}  // namespace torve::app
