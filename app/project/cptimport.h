// Reading a user's cone penetration data file into the project's CPT points.
#pragma once

#include <QStringList>

namespace torve::app {

class Project;

// The CPT data dialog's reading, without the dialog: the project holds the file name and the
// counts of data lines, header lines and columns (its CPT import settings); the stress factor Ua
// belongs to the dialog. Every read takes depth (column 1) and q (column 2) from each data line and
// gives the project the points depth, Ua x q, which is what a save writes for the engine.
class CptImport {
  public:
    explicit CptImport(Project& project) : project_(&project) {}

    // The dialog's limits of its counts.
    static constexpr int kMaxColumns = 20;
    static constexpr int kMaxHeaderLines = 50;

    // Unit conversion factor for stress, Ua (1000 for a file in MPa in an S.I. project).
    double stressFactor = 1.0;

    // Reads the named file into the project's CPT points, in order of depth. Returns the notices to
    // show: that the points were sorted, when the file did not list them by depth. A failure raises
    // UserError and leaves the points as they were: "File <name> does not exists", a refusal of more
    // than 1000 data lines, 20 columns or 50 header lines, or "There was an error reading the input
    // CPT file.".
    QStringList read();

  private:
    Project* project_;
};

}  // namespace torve::app
