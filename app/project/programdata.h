// The project: every input of one analysis, its files, and its unit system.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class QLocale;

namespace torve::app {

class TWorkspace;
struct TProjectFile;

// Exactly one project is open at a time; dialogs read and write its fields directly. The layered
// data (soil layers and their properties, t-z print depths, cross-section areas) and the CPT
// points live in the workspace's tables and MotionInput, which the project reads and writes.
// Unit-dependent values are in the project's unit system: 1 English, 2 S.I.
class TProgramData {
  public:
    // A new project with the defaults (Create).
    explicit TProgramData(TWorkspace& workspace);

    // Resets every field to its default, the unit system to English, every table of the workspace
    // to its minimum rows, empties the CPT points and the results, and clears the modified flag.
    void Create();

    // Reads a .tv6d file (currentFormat true) or an old .tvd file, and the CPT points file beside
    // it when there is one. Returns the information messages to show (none in this edition). A file
    // that cannot be read raises EInOutError with the reader's located message and leaves the open
    // project and its tables as they were.
    QStringList ReadProject(const QString& path, bool currentFormat);

    // Writes the input data file at FileName, the driveability export at GrlweapFileName and the CPT
    // points file at CptFileName. Each file is written to a temporary file in the same folder and
    // renamed into place, so a failed save leaves the previous file intact. Raises EInOutError.
    void SaveProject();

    // Switches the unit system (codes above 2 count as 2, below 1 as 1) and converts every stored
    // value: the fields, the tables, the CPT points and the driveability results. Choosing the system
    // already in force changes nothing.
    void SetUnits(int code);

    // The warning that stops a run when FHWA is selected for a tapered timber, Raymond or monotube
    // pile whose taper leaves a negative diameter at the tip; empty when the run may go on.
    QString ValidateBeforeRun(const QLocale& locale) const;
    QString ValidateBeforeRun() const;

    TWorkspace& workspace() const { return *workspace_; }

    // The input data file: FileName, and beside it the driveability export and the CPT points file.
    QString FileName;
    QString GrlweapFileName;
    QString CptFileName;
    QString Title;
    QString Designer;
    QString JobNumber;
    int Units = 1;
    int PrintEvery = 1;
    int Circular = 1;
    double Perimeter = 0;                // in | mm
    double TipArea = 0;                  // in^2 | m^2
    double OuterDiameter = 0;            // in | mm
    double InnerDiameter = 0;            // in | mm
    double Modulus = 0;                  // lb/in^2 | kN/m^2
    double TotalLength = 0;              // ft | m
    double StickupLength = 0;            // ft | m
    double EndSectionLength = 0;         // ft | m
    double EndSectionInnerDiameter = 0;  // in | mm
    double ZeroFrictionLength = 0;       // ft | m
    double IncrementLength = 1.0;        // ft | m
    int PileType = 1;
    double TaperAngle = 0;  // degrees
    int LoadTransferMethod = 4;
    int OffshoreEdition = 1;
    int ReducedCurves = 0;
    std::array<int, 10> CapacityMethods{};  // index 1..9 = method code
    double LastLayerBottom = 0;             // ft | m
    int AreaMode = 0;
    double SectionArea = 0;  // in^2 | m^2
    int PrintExtraTz = 0;
    int LoadingType = 0;
    double TensionReduction = 1.0;
    int DrainedClay = 0;
    int PlugCondition = 0;
    int CriticalDepthOption = 0;
    double CriticalDepth = 0;  // ft | m

    // CPT points held in MotionInput, and the settings of the last import (never saved).
    int CptCount = 0;
    QString CptDataFile;
    int CptDataLines = 0;
    int CptHeaderLines = 0;
    int CptColumns = 0;

    // Rows per capacity curve of the plot file last read, and the results kept for the
    // driveability export: depth (ft | m), side resistance (kips/ft | kN/m), tip resistance (kips |
    // kN) of the load-transfer method's curve, at most kMaxResistancePoints.
    static constexpr int kMaxResistancePoints = 501;
    int PlotRows = 0;
    int ResistanceCount = 0;
    std::vector<double> ResistanceDepth, SideResistance, TipResistance;

    // Circumference of the pile for the driveability export and its side resistances: pi x OD for
    // a circular pile, else the perimeter, in ft or m.
    double Circumference() const;

    // The information message of a file made with an offshore method in an edition without them.
    static const char* const kOffshoreFileMessage;

  private:
    void apply(const TProjectFile& file, const QString& path);
    TProjectFile collect();
    void resetResults();

    TWorkspace* workspace_;
};

}  // namespace torve::app
