// The input data file of a project, record by record, as read from and written to disk.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace torve::app {

class TWordReader;

// A whole project file parsed before anything of the open project changes, so a file that cannot
// be read leaves the open project as it was. The current format (.tv6d) and the old one (.tvd,
// read only) differ in the stickup length, the reduced-curves flag, the nine method flags, the two
// reduction factors of each soil point and the critical-depth record, which the old one lacks.
struct TProjectFile {
    // One soil point: its two lines in file order (stresses in lb/ft^2 or kPa).
    struct SoilPoint {
        double depth = 0, type = 1, ko = 0, unitWeight = 0, frictionAngle = 0, nq = 0;
        double maxFriction = 0, maxBearing = 0, undrained = 0, remoldedOrBlows = 0, ysr = 0, pi = 0, qc = 0;
        double userFriction = 0, userBearing = 0;
        std::optional<double> sideFactor, endFactor;  // absent in the old format
    };

    bool currentFormat = true;
    QString title, designer, jobNumber;
    int units = 1;
    int printEvery = 1;
    double perimeter = 0, tipArea = 0, outerDiameter = 0, innerDiameter = 0, modulus = 0, totalLength = 0;
    std::optional<double> stickupLength;
    double endSectionLength = 0, endSectionInnerDiameter = 0, zeroFrictionLength = 0, incrementLength = 0;
    int pileType = 1;
    double taperAngle = 0;
    int loadTransferMethod = 4;
    int offshoreFlag = 0;
    std::optional<int> reducedCurves;
    std::optional<std::array<int, 9>> capacityMethods;
    double lastLayerBottom = 0, sectionArea = 0;
    std::vector<SoilPoint> points;
    int printExtraTz = 0;
    std::vector<double> tzDepths;
    int loadingType = 0;
    double tensionReduction = 1;
    int drainedClay = 0, plugCondition = 0;
    int sectionRowCount = 0;
    std::optional<int> areaMode;  // absent when the row-count line holds only the count
    std::vector<std::pair<double, double>> sectionRows;
    std::optional<int> criticalDepthOption;
    std::optional<double> criticalDepth;

    // Raises EInOutError with the reader's located message.
    static TProjectFile Read(TWordReader& reader, bool currentFormat);
    static TProjectFile Read(const QString& path, bool currentFormat);

    // The input data file in the current format: one record per line, values separated by single
    // blanks, "." as decimal mark.
    QByteArray Text() const;
};

}  // namespace torve::app
