// The project document: every input of one analysis, its tables, its CPT points and its results.
#include "app/project/project.h"

#include <QFile>
#include <QFileInfo>

#include "app/controls/filereading.h"
#include "app/controls/usererror.h"
#include "app/graph/plotfile.h"
#include "app/graph/texts.h"
#include "app/project/atomicfile.h"
#include "app/project/conereadingsfile.h"
#include "app/project/cptpointsfile.h"
#include "app/project/downdragresults.h"
#include "app/project/driveabilityexport.h"
#include "app/project/layerconstantsfile.h"
#include "app/project/materialdefaults.h"
#include "app/project/projectfile.h"
#include "app/project/settlementfile.h"
#include "app/project/setupreport.h"
#include "app/project/texts.h"
#include "app/project/workingloads.h"
#include "engine/model/rounded_constants.h"

namespace torve::app {
namespace {

QString cptWarning(const QString& path, const UserError& e) {
    const int line = e.location() ? e.location()->line : 0;
    if (line > 0) return QString(texts::kCptUnreadableAtLine).arg(path).arg(line).arg(e.message());
    return QString(texts::kCptUnreadable).arg(path, e.message());
}

}  // namespace

// Holds the project's own changes of its tables apart from the user's while in scope.
class Project::Quiet {
  public:
    explicit Quiet(Project& p) : p_(p) { ++p_.quiet_; }
    ~Quiet() { --p_.quiet_; }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

  private:
    Project& p_;
};

Project::Project(QObject* parent) : QObject(parent) {
    for (GridTable* t : tables_.edited()) connect(t, &GridTable::changed, this, &Project::tableChanged);
    cptGraph(CptProfile::Qc).identifier = QStringLiteral("MotionInput");
    cptGraph(CptProfile::Spt).identifier = QStringLiteral("MotionInputSpt");
    cptGraph(CptProfile::Su).identifier = QStringLiteral("MotionInputSu");
    showSoilColumns();
    refreshCptGraphs();
}

Project::Project(UnitSystem units, QObject* parent) : Project(parent) {
    setUnits(units);
    data_.computationIncrement = newProjectIncrement(units);
    data_.modulusOfElasticity = typicalModulus(data_.pileType, units);
    changedQuietly_ = false;
    setModified(false);
}

void Project::showSoilColumns() {
    tables_.showSoilColumns(data_.offshoreEdition, data_.loadTransferMethod == Method::UserSpecified);
}

Project::~Project() = default;

void Project::tableChanged() {
    if (quiet_ > 0) {
        changedQuietly_ = true;
        return;
    }
    setModified(true);
    emit changed();
}

void Project::setModified(bool modified) {
    if (modified == modified_) return;
    modified_ = modified;
    emit modifiedChanged(modified);
}

void Project::refreshCptGraphs() {
    for (CptProfile profile : {CptProfile::Qc, CptProfile::Spt, CptProfile::Su})
        showCptProfile(cptGraph(profile), data_, profile);
    emit cptGraphsChanged();
}

void Project::setData(const ProjectData& data) {
    ProjectData next = data;
    next.units = data_.units;
    if (next == data_) return;
    const bool cptChanged = next.cptPoints != data_.cptPoints;
    if (cptChanged) cptUnread_ = false;
    if (next.settlement != data_.settlement) settlementUnread_.clear();
    const bool columnsFollow =
        next.loadTransferMethod != data_.loadTransferMethod || next.offshoreEdition != data_.offshoreEdition;
    data_ = std::move(next);
    if (columnsFollow) showSoilColumns();
    setModified(true);
    emit changed();
    if (cptChanged) refreshCptGraphs();
}

void Project::setCptPoints(std::vector<CptPoint> points, std::vector<ConeReading> readings) {
    cptUnread_ = false;
    unreadConePath_.clear();
    data_.cptPoints = std::move(points);
    data_.coneReadings = std::move(readings);
    setModified(true);
    emit changed();
    refreshCptGraphs();
}

QStringList Project::readProject(const QString& path, ProjectFormat format) {
    // Everything is read before anything changes: a damaged file leaves the open project intact.
    ProjectFile file = ProjectFile::read(path, format);
    readLayerConstantsBeside(path, file.records);
    QStringList notices;
    // An edition without the cone-based methods cannot take one for the load transfer.
    const ProjectRecords& r = file.records;
    const bool offshoreFile = is_valid_method_code(r.load_transfer_method_code) &&
                              is_cone_based(static_cast<Method>(r.load_transfer_method_code)) &&
                              !data_.offshoreEdition && r.offshore_data_flag == 1;
    if (offshoreFile) notices << texts::kOffshoreFileMessage;

    // A CPT points file that cannot be read does not stop the project from opening.
    const QString cptPath = besideProject(path, ".cpt");
    std::optional<torve::CptProfile> cpt;
    QByteArray unreadBytes;
    bool cptUnread = false;
    if (QFileInfo::exists(cptPath)) {
        try {
            cpt = readCptPointsFile(cptPath);
        } catch (const UserError& e) {
            notices << cptWarning(cptPath, e);
            cptUnread = true;
            try {
                unreadBytes = readFileWhole(cptPath, texts::kCannotOpen);
            } catch (const UserError&) {
                // Not even its bytes can be read: the file is left as it is all the same.
            }
        }
    }

    // The cone readings beside the points: a file that cannot be read leaves them out, and stays.
    const QString conePath = besideProject(path, ".cone.csv");
    std::vector<ConeReading> readings;
    QString unreadCone;
    if (QFileInfo::exists(conePath)) {
        try {
            readings = readConeReadingsFile(conePath, file.data(path, data_.offshoreEdition).units);
        } catch (const UserError& e) {
            notices << QString(texts::kConeReadingsUnreadable).arg(conePath, e.message());
            unreadCone = conePath;
        }
    }

    // As the CPT points: a settlement file that cannot be read is named and left as it is.
    const QString settlementPath = settlementFileOf(path);
    SettlementRecord settlement;
    bool settlementUnread = false;
    if (QFileInfo::exists(settlementPath)) {
        try {
            settlement = readSettlementFile(settlementPath);
        } catch (const UserError& e) {
            notices << QString(texts::kSettlementUnreadable).arg(settlementPath, e.message());
            settlementUnread = true;
        }
    }

    const UnitSystem before = data_.units;
    {
        Quiet quiet(*this);
        ProjectData data = file.data(path, data_.offshoreEdition);
        data.coneReadings = std::move(readings);
        data.settlement = settlement;
        if (offshoreFile) data.loadTransferMethod = Method::Fhwa;
        if (cpt) data.cptPoints = cptPointsIn(*cpt, data.units);
        if (cpt && !cpt->points.empty() && cpt->unit_code != code_of(data.units)) {
            const auto name = [](UnitSystem u) {
                return u == UnitSystem::SI ? QStringLiteral("S.I.") : QStringLiteral("English");
            };
            notices << QString(texts::kCptFileConverted)
                           .arg(cptPath, name(unitSystemFromCode(cpt->unit_code)), name(data.units));
        }
        data_ = std::move(data);
        file.fillTables(tables_);
        showSoilColumns();
        results_.clear();
    }
    cptUnread_ = cptUnread;
    unreadConePath_ = unreadCone;
    settlementUnread_ = settlementUnread ? settlementPath : QString();
    unreadCptPath_ = cptPath;
    unreadCptBytes_ = unreadBytes;
    changedQuietly_ = false;
    setModified(false);
    emit changed();
    emit resultsChanged();
    if (data_.units != before) emit unitsChanged(data_.units);
    refreshCptGraphs();
    return notices;
}

void Project::saveProject() {
    const ProjectData before = data_;
    changedQuietly_ = false;
    {
        Quiet quiet(*this);
        // The engine needs a print interval of at least 1 and a positive increment.
        if (data_.printInterval <= 0) data_.printInterval = 1;
        if (data_.computationIncrement <= 0) data_.computationIncrement = 1.0;
        if (data_.circular) data_.tipArea = 0;
        // User-specified unit values are kept only while that method carries the load transfer.
        if (data_.loadTransferMethod != Method::UserSpecified) {
            GridTable& layers = tables_.soilLayers;
            for (int i = 0; i < layers.rowCount(); ++i) {
                if (GridTable* d = layers.cell(ProjectTables::LayerDataColumn, i).subTable()) {
                    for (int row = 0; row < d->rowCount(); ++row) {
                        d->cell(ProjectTables::SandUserFriction, row).setDouble(0);
                        d->cell(ProjectTables::SandUserBearing, row).setDouble(0);
                    }
                }
            }
        }
        // The project, its driveability export and its CPT points are replaced together or not at
        // all: a project beside the CPT points of an older save would run on them without a word. Every
        // text is built before the first write, so a value that cannot be written leaves them all.
        std::vector<std::pair<QString, QByteArray>> files;
        ProjectData saved = data_;
        const ProjectFile file = ProjectFile::of(saved, tables_);
        files.emplace_back(saved.fileName, file.text());
        const std::optional<QByteArray> constants = layerConstantsText(file.records);
        if (constants) files.emplace_back(layerConstantsFileName(saved.fileName), *constants);
        saved.deepestSoilDepth = file.records.deepest_soil_depth;

        saved.driveabilityFileName = besideProject(saved.fileName, ".gwi");
        if (saved.circular) saved.perimeter = kPiCurves * saved.outsideDiameter;
        files.emplace_back(saved.driveabilityFileName,
                           driveabilityExportText(saved, results_.driveability(), file.records.soil_points));

        saved.cptFileName = besideProject(saved.fileName, ".cpt");
        const bool carriesUnread = cptUnread_ && QFileInfo(saved.cptFileName) != QFileInfo(unreadCptPath_);
        if (!cptUnread_) {
            files.emplace_back(saved.cptFileName, cptPointsFileText(saved));
        } else if (carriesUnread) {
            // Saved under a new name: the points the program could not read go along unread, and
            // the engine names what it finds wrong in them at the next run.
            files.emplace_back(saved.cptFileName, unreadCptBytes_);
        }
        const QString conePath = besideProject(saved.fileName, ".cone.csv");
        const bool coneUnread =
            !unreadConePath_.isEmpty() && QFileInfo(conePath) == QFileInfo(unreadConePath_);
        if (!saved.coneReadings.empty()) files.emplace_back(conePath, coneReadingsFileText(saved));
        // The soil settlement goes along when the user entered one; a file the program could not
        // read stays, and one the user emptied is removed after the save.
        const QString settlementPath = settlementFileOf(saved.fileName);
        const bool keepsUnread =
            !settlementUnread_.isEmpty() && QFileInfo(settlementPath) == QFileInfo(settlementUnread_);
        if (hasSettlement(saved.settlement))
            files.emplace_back(settlementPath, settlementFileText(saved.settlement, saved.units));
        writeFilesTogether(files);
        // Readings of points that were replaced by others without any would be read with them.
        if (saved.coneReadings.empty() && !coneUnread && QFileInfo::exists(conePath)) QFile::remove(conePath);
        if (!hasSettlement(saved.settlement) && !keepsUnread && QFileInfo::exists(settlementPath))
            QFile::remove(settlementPath);
        if (hasSettlement(saved.settlement)) settlementUnread_.clear();
        data_ = saved;
        if (carriesUnread) unreadCptPath_ = data_.cptFileName;
        if (!constants) removeStaleLayerConstants(saved.fileName);
    }
    const bool tablesChanged = changedQuietly_;
    changedQuietly_ = false;
    setModified(false);
    if (data_ != before || tablesChanged) emit changed();
}

void Project::writeDriveabilityExport() {
    ProjectData saved = data_;
    saved.driveabilityFileName = besideProject(saved.fileName, ".gwi");
    // As the save writes it: the circumference of a circular pile from its diameter.
    if (saved.circular) saved.perimeter = kPiCurves * saved.outsideDiameter;
    const ProjectFile file = ProjectFile::of(data_, tables_);
    writeFilesTogether({{saved.driveabilityFileName,
                         driveabilityExportText(saved, results_.driveability(), file.records.soil_points)}});
    data_.driveabilityFileName = saved.driveabilityFileName;
}

void Project::setUnits(UnitSystem units) {
    if (units == data_.units) return;
    const UnitSystem from = data_.units;
    {
        Quiet quiet(*this);
        data_.convertUnits(units);
        results_.convertUnits(from, units);
        for (GridTable* t : tables_.all()) t->setUnits(units);
    }
    changedQuietly_ = false;
    emit unitsChanged(units);
    refreshCptGraphs();
    emit changed();
}

bool ProjectState::sameInputs(const ProjectState& other) const {
    ProjectData mine = data;
    mine.fileName = other.data.fileName;
    mine.cptFileName = other.data.cptFileName;
    mine.driveabilityFileName = other.data.driveabilityFileName;
    return mine == other.data && tables == other.tables;
}

ProjectState Project::state() const {
    ProjectState s{data_, {}};
    for (const GridTable* t : {&tables_.soilLayers, &tables_.tzPrintDepths, &tables_.sectionAreas})
        s.tables.push_back(TableSnapshot::of(*t));
    return s;
}

void Project::restoreState(const ProjectState& state) {
    const UnitSystem from = data_.units;
    const bool cptChanged = state.data.cptPoints != data_.cptPoints;
    {
        Quiet quiet(*this);
        ProjectData next = state.data;
        next.fileName = data_.fileName;
        next.cptFileName = data_.cptFileName;
        next.driveabilityFileName = data_.driveabilityFileName;
        if (next.units != from) {
            results_.convertUnits(from, next.units);
            for (GridTable* t : tables_.all()) t->setUnits(next.units);
        }
        data_ = std::move(next);
        GridTable* const edited[] = {&tables_.soilLayers, &tables_.tzPrintDepths, &tables_.sectionAreas};
        for (std::size_t i = 0; i < state.tables.size() && i < std::size(edited); ++i)
            state.tables[i].restoreInto(*edited[i]);
        showSoilColumns();
    }
    if (cptChanged) cptUnread_ = false;
    changedQuietly_ = false;
    setModified(true);
    emit changed();
    if (data_.units != from) emit unitsChanged(data_.units);
    refreshCptGraphs();
}

void Project::showResults(const PlotFile& file, const std::vector<WorkingLoadRow>& workingLoads) {
    results_.fill(file, data_, tables_.soilLayers);
    results_.markWorkingLoads(workingLoads);
    emit resultsChanged();
}

void Project::clearResults() {
    results_.clear();
    emit resultsChanged();
}

void Project::readResults(const QString& path) {
    try {
        PlotFile file = readPlotFile(path, data_.printExtraTz ? ExtraTzBlock::Present : ExtraTzBlock::Absent);
        // The run left the movements at its working loads in the last section of its report.
        const QString report = besideProject(path, ".tv6o");
        showResults(file, readWorkingLoads(workingLoadLines(report)));
        results_.setSetupDays(setupDaysInReport(report));
        showDowndrag(downdragResultsFileOf(path));
    } catch (const UserError&) {
        clearResults();
        throw;
    }
}

}  // namespace torve::app

namespace torve::app {

void Project::showDowndrag(const QString& path) {
    // Results of a settlement the project no longer holds are not its results.
    std::optional<DowndragResults> downdrag;
    if (hasSettlementProfile(data_.settlement) && QFileInfo::exists(path)) {
        try {
            downdrag = readDowndragResults(path);
        } catch (const UserError&) {
            // The capacity stands without the downdrag graphs.
        }
    }
    if (downdrag)
        results_.fillDowndrag(*downdrag, data_.units);
    else
        results_.clearDowndrag();
    emit resultsChanged();
}

}  // namespace torve::app

namespace torve::app {

void Project::showDowndrag(const DowndragResults& downdrag) {
    results_.fillDowndrag(downdrag, data_.units);
    emit resultsChanged();
}

}  // namespace torve::app

namespace torve::app {

void Project::showDriveability(const DriveabilityResults& drive) {
    results_.fillDriveability(drive);
    emit resultsChanged();
}

}  // namespace torve::app
