// The input data file of a project: the codec's records of it, read from and written to disk, and
// their exchange with the project's values and tables.
#pragma once

#include <QByteArray>
#include <QString>

#include "engine/model/project_records.h"

namespace torve {
class FormatError;
}

namespace torve::app {

class ProjectTables;
class UserError;
struct ProjectData;

// The current format (.tv6d) and the previous version's (.tvd, read only).
enum class ProjectFormat { Current, Previous };

// The engine's file-name convention: the project's path with another extension (".cpt", ".gwi").
QString besideProject(const QString& path, const char* extension);

// The word reader's message for a file the codec cannot read: "Error on Line <n> Item <m>" + "\r"
// + what was expected, or "This file either invalid or incomplete." at its end, located in `path`,
// a project file or (`cptPoints`) a CPT points file.
UserError readError(const FormatError& e, const QString& path, bool cptPoints = false);

// A whole project file read before anything of the open project changes, so a file that cannot be
// read leaves the open project as it was. The records hold the file's values as they stand; those
// the previous format lacks are absent, and data() gives them their defaults.
class ProjectFile {
  public:
    ProjectRecords records;

    // Raises UserError with the word reader's located message.
    static ProjectFile read(const QString& path, ProjectFormat format);
    static ProjectFile fromText(const QByteArray& text, ProjectFormat format, const QString& path = {});

    // The input data file as the program saves it (WriteStyle::Desktop). A value that is not a
    // finite number raises UserError naming its field: the engine could not read the file, nor
    // could this program open it again.
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
