// The input data file of a project, record by record, as read from and written to disk.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "engine/model/file_format.h"

namespace torve::app {

class WordReader;
class ProjectTables;
struct ProjectData;

// The current format (.tv6d) and the previous version's (.tvd, read only).
enum class ProjectFormat { Current, Previous };

// The engine's file-name convention: the project's path with another extension (".cpt", ".gwi").
QString besideProject(const QString& path, const char* extension);

// A whole project file parsed before anything of the open project changes, so a file that cannot
// be read leaves the open project as it was. The codes are the file's integers as they stand. The
// current and the previous format differ in the stickup length, the reduced-curves flag, the nine method
// flags, the two reduction factors of each soil point and the critical-depth record, which the old one lacks.
struct ProjectFile {
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
    using MethodFlags = std::array<int, kMethodCount>;  // by index_of(Method)
    std::optional<MethodFlags> capacityMethods;
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

    // Raises UserError with the reader's located message. `modeInferred`, when given, is set as soon
    // as the section line turns out to hold the row count alone (an earlier layout, whose mode is
    // inferred), even when the reading fails after it.
    static ProjectFile read(WordReader& reader, ProjectFormat format, bool* modeInferred = nullptr);
    static ProjectFile read(const QString& path, ProjectFormat format);

    // The input data file in the current format: one record per line, values separated by single
    // blanks, "." as decimal mark.
    QByteArray text() const;

    // The records of a project: its values, and its tables of soil layers, t-z print depths and
    // section areas.
    static ProjectFile of(const ProjectData& data, const ProjectTables& tables);
    // The values the records give a project, beginning from a new project's; `path` is its file
    // name and `offshoreEdition` the program's edition, which decides the methods of a file of the
    // previous version.
    ProjectData data(const QString& path, bool offshoreEdition) const;
    // Fills the tables (emptied first and switched to the file's unit system) from the records; a
    // table left below its minimum rows is brought up to it, but for a section table that got rows.
    void fillTables(ProjectTables& tables) const;

  private:
    // Parts of data() and of().
    void pileInto(ProjectData& d) const;
    void methodsInto(ProjectData& d) const;
    void tablesFrom(const ProjectData& d, const ProjectTables& tables);
};

}  // namespace torve::app
