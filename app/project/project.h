// The project document: every input of one analysis, its tables, its CPT points and its results.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "app/project/cptprofile.h"
#include "app/project/projectdata.h"
#include "app/project/projectfile.h"
#include "app/project/projecttables.h"
#include "app/project/results.h"
#include "app/table/tablesnapshot.h"

namespace torve::app {

struct DowndragResults;
struct PlotFile;

// Everything the user enters in a project at one moment: its values and the tables they edit (soil
// layers with their data, t-z print depths, section areas). Undo and redo put such states back.
struct ProjectState {
    ProjectData data;
    std::vector<TableSnapshot> tables;
    // Where the project is saved is not an input: two states that differ only there are equal.
    bool sameInputs(const ProjectState& other) const;
};

// The one document the main window owns; New and Open replace it. Dialogs read data() when
// activated and hand their values back with setData(); table windows edit the tables directly. The
// project tracks its own modified state: any change of a value, a table or the CPT points sets it,
// reading and saving clear it. Views refresh on the signals.
class Project : public QObject {
    Q_OBJECT

  public:
    // A new project with the defaults, in English units, every table at its minimum rows.
    explicit Project(QObject* parent = nullptr);
    // File > New: a new project in `units`, with the values a first run can use: the computation
    // increment of that system (1 ft | 0.25 m) and the modulus of the steel pipe it starts with.
    explicit Project(UnitSystem units, QObject* parent = nullptr);
    ~Project() override;

    const ProjectData& data() const { return data_; }
    // Takes a dialog's values; marks the project modified when any differs. The unit system is
    // changed through setUnits only, which converts the values.
    void setData(const ProjectData& data);
    // The CPT points of an import, with the sounding's fs, u2 and qt where it gives them; they
    // replace any earlier points and readings, and the next save writes them.
    void setCptPoints(std::vector<CptPoint> points, std::vector<ConeReading> readings = {});

    ProjectTables& tables() { return tables_; }
    const ProjectTables& tables() const { return tables_; }

    const Results& results() const { return results_; }
    Graph& graph(ResultGraph g) { return results_.graph(g); }
    const Graph& graph(ResultGraph g) const { return results_.graph(g); }

    // The graphs of the CPT points as qc, converted SPT blow count and converted Su; the CPT data
    // dialog fills them when the user asks for a graph. The points themselves stay qc.
    Graph& cptGraph(CptProfile profile) { return cptGraphs_[static_cast<std::size_t>(profile)]; }

    bool isModified() const { return modified_; }
    // The CPT points file beside the project could not be read when it was opened; it is kept as it
    // was until CPT data are imported again.
    bool cptFileUnread() const { return cptUnread_; }
    // The same for the soil settlement file beside the project.
    bool settlementFileUnread() const { return !settlementUnread_.isEmpty(); }
    void setModified(bool modified);

    // Reads a project file and the CPT points file beside it. Returns the information messages to
    // show: the offshore-file message, and a warning naming a CPT points file that cannot be read
    // (the project then opens without CPT points, and the file is left as it is). A project file
    // that cannot be read raises UserError with the reader's located message and leaves this
    // project as it was.
    QStringList readProject(const QString& path, ProjectFormat format);

    // Writes the input data file at fileName, the driveability export and the CPT points file
    // beside it, and the cone readings file (PROJECT.cone.csv) when the project has readings; a
    // cone readings file left beside it from points since replaced is removed. Each file is written to a
    // temporary file in the same folder and renamed into place, so a failed save leaves the previous file
    // intact. Raises UserError. A CPT points file that could not be read when the project was opened is kept,
    // or copied to a new name, until the user imports CPT data, so that a save never replaces the user's
    // points by none.
    void saveProject();

    // Writes the driveability export beside the saved project anew, with the resistances of the
    // results now held: a run replaces them after the save that preceded it. The input data file
    // and the CPT points file are left as they are. Raises UserError.
    void writeDriveabilityExport();

    // Switches the unit system and converts every stored value: the fields, the tables, the CPT
    // points and the driveability results. Choosing the system already in force changes nothing.
    void setUnits(UnitSystem units);

    // The values and edited tables as they stand.
    ProjectState state() const;
    // Puts `state` back as the user's change: the values, the tables and the unit system, which
    // converts the results along. The files the project is saved to stay as they are. Marks the
    // project modified; the caller that knows better (an undo back to the saved state) clears it.
    void restoreState(const ProjectState& state);

    // Fills the result graphs and the driveability values from a plot file, and marks the working
    // loads on the load-settlement curve.
    void showResults(const PlotFile& file, const std::vector<WorkingLoadRow>& workingLoads = {});
    // Results of a project never analysed.
    void clearResults();
    // Reads the plot data file at `path` and shows it with the working loads of the report beside it
    // (PATH.tv6o), when it has them; a file that cannot be read clears the
    // results and raises UserError with the reader's located message.
    void readResults(const QString& path);

    // Fills the downdrag graphs from the downdrag results file at `path`, or empties them when the
    // project holds no soil settlement or the file is missing or cannot be read.
    void showDowndrag(const QString& path);
    // Fills them from results already read.
    void showDowndrag(const DowndragResults& downdrag);
    // Fills the driveability graphs from the results of a driveability run; results without a
    // solution empty them.
    void showDriveability(const DriveabilityResults& drive);

  signals:
    void modifiedChanged(bool modified);
    void unitsChanged(UnitSystem units);
    // A value, a table or the CPT points changed.
    void changed();
    // The results were read or cleared.
    void resultsChanged();
    // The graphs of the CPT points were drawn anew: the points or the unit system changed.
    void cptGraphsChanged();

  private:
    class Quiet;
    void tableChanged();
    void refreshCptGraphs();
    void showSoilColumns();

    ProjectData data_;
    ProjectTables tables_;
    Results results_;
    std::array<Graph, 3> cptGraphs_;
    bool modified_ = false;
    // While the project itself changes its tables (reading, saving, converting), their signals do
    // not mark it modified; `changedQuietly_` remembers that they changed.
    int quiet_ = 0;
    bool changedQuietly_ = false;
    // A CPT points file that could not be read at open: where it was and what it held.
    bool cptUnread_ = false;
    QString unreadCptPath_;
    // A soil settlement file that could not be read at open; empty when there is none.
    QString settlementUnread_;
    QByteArray unreadCptBytes_;
    // A cone readings file that could not be read at open: left where it is until the next import.
    QString unreadConePath_;
};

}  // namespace torve::app
