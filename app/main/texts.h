// Texts of the main window, the analysis run and the help commands, each written once.
#pragma once

#include <QLatin1StringView>

namespace torve::app::texts {

// The program.
inline constexpr QLatin1StringView kApplicationTitle{"Torve 2014"};
inline constexpr QLatin1StringView kCaptionPrefix{"TORVE " TORVE_VERSION " - Offshore - "};
inline constexpr QLatin1StringView kVersion{TORVE_VERSION};
// Help window, when a manual is not where the program expects it.
inline constexpr QLatin1StringView kManualMissing{
    "The manual %1 was not found. The installation of TORVE may be incomplete."};
// The file dialogs' default extension: the first three letters of the project extension.
inline constexpr QLatin1StringView kDefaultExtension{"tv6"};

// File dialogs.
inline constexpr QLatin1StringView kOpenFilter{"TORVE 2014(*.tv6d);;TORVE Plus 5(*.tvd);;All Files(*.*)"};
inline constexpr QLatin1StringView kPreviousFormatFilter{"TORVE Plus 5(*.tvd)"};
inline constexpr QLatin1StringView kSaveFilter{"TORVE 2014(*.tv6d);;All files (*.*)"};
inline constexpr QLatin1StringView kSaveAsTitle{"Save %1 As"};

// Menus and commands.
inline constexpr QLatin1StringView kFileMenu{"&File"};
inline constexpr QLatin1StringView kNew{"&New"};
inline constexpr QLatin1StringView kOpen{"&Open..."};
inline constexpr QLatin1StringView kSave{"&Save"};
inline constexpr QLatin1StringView kSaveAs{"Save &As..."};
inline constexpr QLatin1StringView kExportSheet{"Export Calculation Sheet"};
// The calculation sheet's dialog and messages.
inline constexpr QLatin1StringView kSheetDialogTitle{"Export Calculation Sheet"};
inline constexpr QLatin1StringView kSheetFilter{"PDF (*.pdf);;HTML (*.html *.htm)"};
inline constexpr QLatin1StringView kSheetNeedsResults{
    "The calculation sheet shows the results of a run: run the analysis first (Computation > Run Analysis)."};
inline constexpr QLatin1StringView kSheetAfterChanges{
    "The project has changed since its last run. The sheet would show the changed inputs beside the results "
    "of the last run. Export it anyway?"};
inline constexpr QLatin1StringView kSheetWritten{"Calculation sheet written: %1 (%2 pages)"};
inline constexpr QLatin1StringView kSheetWrittenPage{"Calculation sheet written: %1"};
inline constexpr QLatin1StringView kExit{"E&xit"};
inline constexpr QLatin1StringView kDataMenu{"Da&ta"};
inline constexpr QLatin1StringView kTitle{"&Title"};
inline constexpr QLatin1StringView kComputationalMethod{"Computational &Method"};
inline constexpr QLatin1StringView kPileMaterial{"&Pile Material"};
inline constexpr QLatin1StringView kCircularPile{"&Circular-Section Pile"};
inline constexpr QLatin1StringView kNoncircularPile{"&Noncircular-Section Pile"};
inline constexpr QLatin1StringView kSoilLayers{"Soi&l Layers"};
inline constexpr QLatin1StringView kSoilSettlement{"Soil &Settlement"};
inline constexpr QLatin1StringView kCptDataFile{"CPT Data File (optional for cone-based method)"};
inline constexpr QLatin1StringView kOptionsMenu{"Options"};
inline constexpr QLatin1StringView kUnitsMenu{"&Units"};
inline constexpr QLatin1StringView kEnglishUnits{"&English Units (kips, ft, in)"};
inline constexpr QLatin1StringView kSiUnits{"&S.I. Units (kN, m, mm)"};
// %1 %2: the increment and its unit before the switch; %3 %4 after it; %5 the new system's own.
inline constexpr QLatin1StringView kIncrementAfterSwitch{
    "The computation increment of %1 %2 becomes %3 %4 in the new units.\r\rUse %5 %4, the increment "
    "of a new project in these units, instead?\r\rYes: %5 %4.  No: %3 %4.  Cancel: keep the units as "
    "they are."};
inline constexpr QLatin1StringView kPrintExtraTz{"Print t-z Curves at Additional Depths "};
inline constexpr QLatin1StringView kControlOptions{"Control &Options"};
inline constexpr QLatin1StringView kComputationMenu{"&Computation"};
inline constexpr QLatin1StringView kRunAnalysis{"&Run Analysis"};
inline constexpr QLatin1StringView kEditMenu{"&Edit"};
inline constexpr QLatin1StringView kUndo{"&Undo"};
inline constexpr QLatin1StringView kRedo{"&Redo"};
inline constexpr QLatin1StringView kCopy{"&Copy"};
inline constexpr QLatin1StringView kPaste{"&Paste"};
inline constexpr QLatin1StringView kEditInput{"Edit &Input Text"};
inline constexpr QLatin1StringView kEditRunNotes{"Edit &Processor-Run Notes"};
inline constexpr QLatin1StringView kEditOutput{"Edit &Output Text"};
inline constexpr QLatin1StringView kResultsSummary{"Results &Summary"};
inline constexpr QLatin1StringView kViewSoilLayers{"&View Soil Layer Coordinates"};
inline constexpr QLatin1StringView kCharacteristicCapacity{"C&haracteristic Capacity..."};
inline constexpr QLatin1StringView kDriveability{"Drive&ability..."};
// The runs of the characteristic capacity, one per CPT data file.
inline constexpr QLatin1StringView kSoundingCopyFailed{
    "the project and the CPT data file cannot be copied into a temporary folder for the run."};
inline constexpr QLatin1StringView kSoundingUnreadable{"not a CPT data file the program can read."};
// %1 the method.
inline constexpr QLatin1StringView kSoundingNoCurve{"the run gave no capacity by %1."};
inline constexpr QLatin1StringView kEditGrlweap{"Edit GRLWeap Data File"};
inline constexpr QLatin1StringView kGraphicsMenu{"&Graphics"};
inline constexpr QLatin1StringView kUnitSkinFriction{"Unit Skin Friction vs Depth"};
inline constexpr QLatin1StringView kSkinFriction{"Accumulated &Skin Friction vs Depth"};
inline constexpr QLatin1StringView kTipResistance{"&Tip Resistance vs Depth"};
inline constexpr QLatin1StringView kTotalCapacity{"Total &Capacity vs Depth"};
inline constexpr QLatin1StringView kLoadDistribution{"Load &Distribution"};
inline constexpr QLatin1StringView kCombinedPlot{"Combined &Plot"};
inline constexpr QLatin1StringView kLoadSettlement{"&Axial Load vs Settlement"};
inline constexpr QLatin1StringView kTzCurves{"Internally-Generated t-z Curves"};
inline constexpr QLatin1StringView kExtraTzCurves{"Extra t-z curves at User Specified Depths"};
inline constexpr QLatin1StringView kQwCurve{"Internally-Generated Q-w Curve"};
inline constexpr QLatin1StringView kDowndragLoad{"Downdrag: Axial Load and Resistance"};
inline constexpr QLatin1StringView kDowndragMovement{"Downdrag: Movement"};
inline constexpr QLatin1StringView kDriveSrdGraph{"Driveability: Static Resistance to Driving"};
inline constexpr QLatin1StringView kDriveBlowsGraph{"Driveability: Blow Count"};
inline constexpr QLatin1StringView kDriveCumulativeGraph{"Driveability: Cumulative Blows"};
inline constexpr QLatin1StringView kDriveStressGraph{"Driveability: Driving Stresses"};
inline constexpr QLatin1StringView kBearingGraph{"Driveability: Bearing Graph"};
inline constexpr QLatin1StringView kDriveHeadForceGraph{"Driveability: Force at the Head"};
inline constexpr QLatin1StringView kDriveHeadVelocityGraph{"Driveability: Velocity at the Head"};
inline constexpr QLatin1StringView kWindowMenu{"&Window"};
inline constexpr QLatin1StringView kCascade{"&Cascade"};
inline constexpr QLatin1StringView kArrangeIcons{"&Arrange Icons"};
inline constexpr QLatin1StringView kHelpMenu{"&Help"};
inline constexpr QLatin1StringView kContents{"&Contents"};
inline constexpr QLatin1StringView kUsersManual{"User's Manual"};
inline constexpr QLatin1StringView kTechnicalManual{"Technical Manual"};
inline constexpr QLatin1StringView kAbout{"&About..."};
inline constexpr QLatin1StringView kCheckForUpdates{"Check for Updates"};

// Toolbar hints.
inline constexpr QLatin1StringView kNewFileHint{"New File"};
inline constexpr QLatin1StringView kOpenFileHint{"Open File"};
inline constexpr QLatin1StringView kSaveFileHint{"Save File"};
inline constexpr QLatin1StringView kRunHint{"Run Data File"};
inline constexpr QLatin1StringView kSoilLayersHint{"Soil layer Data"};
inline constexpr QLatin1StringView kViewOutputHint{"View Output"};
inline constexpr QLatin1StringView kResultsSummaryHint{"Results Summary"};
inline constexpr QLatin1StringView kViewSoilProfileHint{"View Soil Profile"};
inline constexpr QLatin1StringView kCombinedPlotHint{"Combined Plot"};
inline constexpr QLatin1StringView kTzCurvesHint{"t-z Curves"};
inline constexpr QLatin1StringView kLoadSettlementHint{"Load vs. Settlement"};

// Questions and messages.
inline constexpr QLatin1StringView kSaveChanges{"Do you want to save any changes?"};
// Under the question: the project whose changes would be lost.
inline constexpr QLatin1StringView kSaveChangesProject{"Project: %1"};
inline constexpr QLatin1StringView kSaveFailed{"An error occured during saving"};
inline constexpr QLatin1StringView kNamesFailed{"An error occured while writing file names"};
inline constexpr QLatin1StringView kReinitialize{"Attempt to reinitialize DLL"};
inline constexpr QLatin1StringView kInitializeFailed{"Attempt to initialize DLL failed"};
// A driveability run.
inline constexpr QLatin1StringView kDriveEntryMissing{
    "The engine library beside the program has no driveability run: it is older than the program. "
    "Install the library that came with this version of the program."};
inline constexpr QLatin1StringView kDriveRequestFailed{
    "The driveability run could not be asked for: its request file could not be written in a temporary "
    "folder."};
inline constexpr QLatin1StringView kDriveBadRequest{
    "The engine could not read the driveability request it was given."};
inline constexpr QLatin1StringView kDriveNotWritten{"The engine could not write the driveability results."};
// %1 the engine's status.
inline constexpr QLatin1StringView kDriveFailedStatus{"The driveability run failed (status %1)."};
inline constexpr QLatin1StringView kDriveCancelled{
    "The driveability run was cancelled; the results of the last run stay as they were."};
// %1 the number of tip depths.
inline constexpr QLatin1StringView kDriveCompleted{"Driveability completed at %1 tip depths."};
// %1 why the engine gave no solution.
inline constexpr QLatin1StringView kDriveNotSolved{"The driveability run gave no solution:\r%1"};
// %1 the reader's message.
inline constexpr QLatin1StringView kDriveUnreadable{"The driveability results could not be read:\r%1"};
inline constexpr QLatin1StringView kDriveNotKept{"The results could not be kept beside the project:"};
inline constexpr QLatin1StringView kDriveProgress{"Driving the pile at each tip depth..."};
// %1 the depths driven, %2 of how many.
// %1 the blows struck, %2 of how many: one at each tip depth, then one per resistance of the
// bearing graph.
inline constexpr QLatin1StringView kDriveProgressBlows{
    "Driving the pile: %1 of %2 blows (one at each tip depth, then those of the bearing graph)"};
inline constexpr QLatin1StringView kDriveCancel{"Cancel"};
inline constexpr QLatin1StringView kEditorFailed{"An error occurred in running the Word Processor"};
inline constexpr QLatin1StringView kRunCompleted{
    "Computations are completed. Please, check output file for results or error messages."};
// A run that did not complete must never read as one that did.
inline constexpr QLatin1StringView kRunNotSaved{"The project was not saved, so the analysis was not run."};
inline constexpr QLatin1StringView kRunFailed{"The analysis did not complete:\r%1"};
inline constexpr QLatin1StringView kRunFailedUnknown{
    "The analysis did not complete (engine status %1). See the processor-run notes."};
inline constexpr QLatin1StringView kRunStoppedSoilExtent{
    "The analysis stopped before its results: the deepest soil depth is less than the pile length plus "
    "two pile diameters. Extend the soil layers and run again; the output file says more."};
inline constexpr QLatin1StringView kRunStoppedSegments{
    "The analysis stopped before its results: the soil profile needs more than 500 segments. Use a "
    "longer computation increment; the output file says more."};
// %1 the engine's reason.
inline constexpr QLatin1StringView kDowndragNotSolved{"\r\rThe downdrag has no solution: %1"};
inline constexpr QLatin1StringView kRunSoilWarning{
    "\r\rWarning: the soil layers do not reach the pile length plus two pile diameters (%1); the soil "
    "below the last layer was extrapolated. See the processor-run notes."};

// The check of the project's data, before a run and on its own.
inline constexpr QLatin1StringView kCheckDataCommand{"Check &Data"};
inline constexpr QLatin1StringView kFindingsTitle{"Check Data"};
inline constexpr QLatin1StringView kFindingsNone{"No problems found"};
inline constexpr QLatin1StringView kFindingsCount{"The check found %1 and %2."};
inline constexpr QLatin1StringView kFindingsRunStopped{
    "The analysis cannot run: the check found %1 and %2. Complete the data and run again."};
inline constexpr QLatin1StringView kFindingsRunAnyway{"The check found %1. Run anyway?"};
inline constexpr QLatin1StringView kFindingsOneError{"1 error"};
inline constexpr QLatin1StringView kFindingsErrors{"%1 errors"};
inline constexpr QLatin1StringView kFindingsOneWarning{"1 warning"};
inline constexpr QLatin1StringView kFindingsWarnings{"%1 warnings"};
inline constexpr QLatin1StringView kFindingsSeverity{"Severity"};
inline constexpr QLatin1StringView kFindingsMethod{"Method"};
inline constexpr QLatin1StringView kFindingsLayer{"Layer"};
inline constexpr QLatin1StringView kFindingsDepth{"Depth (%1)"};
inline constexpr QLatin1StringView kFindingsProblem{"What is missing or implausible"};
inline constexpr QLatin1StringView kFindingsList{"Findings"};
inline constexpr QLatin1StringView kFindingsGoTo{"Double-click a finding to go to its field."};
inline constexpr QLatin1StringView kFindingsError{"error"};
inline constexpr QLatin1StringView kFindingsWarning{"warning"};
inline constexpr QLatin1StringView kFindingsClose{"Close"};
inline constexpr QLatin1StringView kFindingsYes{"&Yes"};
inline constexpr QLatin1StringView kFindingsNo{"&No"};

// The update check: the project page's address, then the product, release and today's date.
inline constexpr QLatin1StringView kUpdateCheckAddress{"https://torve-pile.org/update-check?"};
inline constexpr QLatin1StringView kUpdateCheckProduct{"TORVEO;" TORVE_VERSION ";07/01/14;"};

// The read-only text viewer and the results summary window.
inline constexpr QLatin1StringView kReportText{"Text"};
inline constexpr QLatin1StringView kFindCaption{"Fi&nd:"};
inline constexpr QLatin1StringView kFindNext{"Find &Next"};
inline constexpr QLatin1StringView kFindButton{"&Find..."};
inline constexpr QLatin1StringView kPrintReport{"&Print..."};
inline constexpr QLatin1StringView kCannotReadFile{"The file %1 cannot be read."};
inline constexpr QLatin1StringView kSummaryCaption{"Results Summary"};
inline constexpr QLatin1StringView kSummaryCapacities{"Capacity at the pile tip"};
inline constexpr QLatin1StringView kSummaryHead{"Pile head at the largest load level"};
inline constexpr QLatin1StringView kSummaryWorkingLoads{"Settlement at the working loads"};
inline constexpr QLatin1StringView kSummaryWarningsCaption{"Warnings of the run"};
inline constexpr QLatin1StringView kSummaryCopy{"&Copy"};
inline constexpr QLatin1StringView kSummarySaveCsv{"Save as &CSV..."};
inline constexpr QLatin1StringView kSummaryClose{"Close"};
inline constexpr QLatin1StringView kSummaryCsvFilter{"CSV files (*.csv)"};
inline constexpr QLatin1StringView kSummarySaveFailed{"The summary could not be saved:\r%1"};
inline constexpr QLatin1StringView kStatusCompleted{"Completed in %1 s"};
inline constexpr QLatin1StringView kStatusWithWarning{", with a warning"};
inline constexpr QLatin1StringView kStatusStoppedShallow{"Stopped: soil profile too shallow"};
inline constexpr QLatin1StringView kStatusStoppedSegments{"Stopped: more than 500 segments"};
inline constexpr QLatin1StringView kStatusFailed{"Failed: see the processor-run notes"};
inline constexpr QLatin1StringView kStatusNotRun{"Not run"};
inline constexpr QLatin1StringView kSummaryNoResults{"No results: run the analysis first."};

}  // namespace torve::app::texts
