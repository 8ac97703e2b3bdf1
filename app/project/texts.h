// Texts of the project, its files, the CPT data import and the result graphs, each written once.
#pragma once

#include <QLatin1StringView>

namespace torve::app::texts {

// A new project.
inline constexpr QLatin1StringView kNewFileName{"NewTORVE.tv6d"};
inline constexpr QLatin1StringView kNewTitle{"New Pile"};

// Opening and saving.
inline constexpr QLatin1StringView kOffshoreFileMessage{
    "File was created using TORVE offshore version\rusing an offshore computation method,\rso the "
    "computation method will default to FHWA and\roffshore parameters will not be considered.\r\rIf you "
    "do not want to lose the previous information,\rplease do not save this file!!."};
inline constexpr QLatin1StringView kCptUnreadableAtLine{
    "The CPT data file %1 cannot be read at line %2. The project is opened without CPT points; the file "
    "is left as it is until CPT data are imported again.\r%3"};
inline constexpr QLatin1StringView kCptUnreadable{
    "The CPT data file %1 cannot be read. The project is opened without CPT points; the file is left as it "
    "is until CPT data are imported again.\r%2"};
inline constexpr QLatin1StringView kSettlementUnreadable{
    "The soil settlement file %1 cannot be read. The project is opened without a soil settlement; the "
    "file is left as it is until a soil settlement is entered again.\r%2"};
inline constexpr QLatin1StringView kDowndragUnreadable{
    "The downdrag results file %1 cannot be read at line %2."};
inline constexpr QLatin1StringView kDriveabilityUnreadable{
    "The driveability results file %1 cannot be read at line %2."};
inline constexpr QLatin1StringView kCannotWrite{"File %1 cannot be written: %2"};
// %1 the soil layer constants file of an earlier save, %2 the system's reason.
inline constexpr QLatin1StringView kLayerConstantsNotRemoved{
    "The project was saved without soil layer constants, but the file %1 of an earlier save cannot be "
    "removed: %2. Remove it before the project is opened again, or it gives its old values to the layers."};
// A value that is no finite number (%2: INF, -INF or NAN) in the field named %1; nothing is written.
inline constexpr QLatin1StringView kNotSavedNotFinite{
    "The project was not saved: the %1 is %2, not a finite number. Enter a finite value and save again."};
// %1 the number, %2 the field's name.
inline constexpr QLatin1StringView kSoilPointField{"%2 of soil point %1"};
inline constexpr QLatin1StringView kTzDepthField{"%2 %1"};
inline constexpr QLatin1StringView kSectionRowField{"%2 of section row %1"};
inline constexpr QLatin1StringView kCptPointField{"%1 of CPT point %2"};
inline constexpr QLatin1StringView kConeReadingField{"%1 of cone reading %2"};
inline constexpr QLatin1StringView kConeReadingsUnreadable{
    "The cone readings file %1 (fs, u2, qt) cannot be read. The project is opened without them; the file "
    "is left as it is until cone data are imported again.\r%2"};
inline constexpr QLatin1StringView kCptFileConverted{
    "The CPT data file %1 holds %2 units: its points were converted to the project's %3 units."};

// The file names of a run, which the engine takes as bytes up to its limit.
inline constexpr QLatin1StringView kPathTooLong{
    "The path %1 is %2 bytes long; the analysis can use at most %3. Move the project to a shorter path."};
inline constexpr QLatin1StringView kPathNotEncodable{
    "The path %1 cannot be written in the system's file-name encoding; rename the file or its folder."};

// The check before a run: the largest taper angle goes between the two parts.
inline constexpr QLatin1StringView kTaperTooLarge{
    "Taper angle is large since it generates a negative diameter at tip of pile.\rTaper angle should be "
    "smaller than "};
inline constexpr QLatin1StringView kTaperTooLargeEnd{" degrees.\rPlease check input data "};

// The check before a run (precheck): what the program knows of a project that a save would lose.
// The input checks word every other finding themselves.
inline constexpr QLatin1StringView kCheckCptFileUnread{"the CPT data file %1 cannot be read"};
inline constexpr QLatin1StringView kCheckUserValuesNotKept{
    "the user-specified unit values are kept only while this method carries the load transfer, and are "
    "saved as 0"};

// After a run whose plot data file cannot be read.
inline constexpr QLatin1StringView kDriveabilityNotWritten{
    "The GRLWeap data file could not be written with the resistances of this run:"};
inline constexpr QLatin1StringView kPlotReadFailed{"An error occured in running the main program."};

// A project or CPT points file that ends too soon: %1 the file, %2 its lines, then what was expected
// (%3 the field and %4 its record, or %3 the count and %4 what it counts).
inline constexpr QLatin1StringView kFileEndsBefore{
    "File %1 ends after line %2, where the %3 of %4 was expected."};
inline constexpr QLatin1StringView kFileEndsBeforeCount{
    "File %1 ends after line %2, before the %3 %4 it announces."};

// Counts and codes of the project file that it cannot hold.
inline constexpr QLatin1StringView kCountBeyondFile{
    "%1 %2 were announced, but the file ends before all of them: it is cut short."};
inline constexpr QLatin1StringView kCountExpected{"A number of %1 from 0 to %2 was expected but not found."};
inline constexpr QLatin1StringView kEvenSoilPointsExpected{
    "An even number of soil points (two per layer) was expected but not found."};
inline constexpr QLatin1StringView kSoilTypeExpected{
    "A soil type of 1 (sand) or 2 (clay) was expected but not found."};
inline constexpr QLatin1StringView kWholeBlowCountExpected{
    "A whole SPT blow count was expected but not found."};

// The CPT points file and the CPT data import.
inline constexpr QLatin1StringView kUnitCodeExpected{
    "A unit-system code of 1 or 2 was expected but not found."};
inline constexpr QLatin1StringView kCptRowsExpected{
    "A number of CPT rows from 0 to %1 was expected but not found."};
inline constexpr QLatin1StringView kCptFileMissing{"File %1 does not exists"};
inline constexpr QLatin1StringView kCptTooManyLines{
    "At most %1 data lines of cone data can be used in an analysis; %2 were asked for."};
inline constexpr QLatin1StringView kCptTooManyColumns{
    "At most %1 data columns per line can be read from a file of cone data; %2 were asked for."};
inline constexpr QLatin1StringView kCptTooManyHeaderLines{
    "At most %1 header lines can be passed over in a file of cone data; %2 were asked for."};
inline constexpr QLatin1StringView kCptReadError{"There was an error reading the input CPT file."};

inline constexpr QLatin1StringView kCptValueTooLarge{
    "The cone data of %1 at data line %2 hold a depth or qc that the analysis refuses once in the CPT "
    "points file (after the factor Ua): %3 Nothing was imported."};
inline constexpr QLatin1StringView kCptPointNotWritable{
    "CPT point %1 has a depth or qc that cannot be written (%2, %3); the project was not saved."};
inline constexpr QLatin1StringView kCptSorted{
    "The cone data of %1 were not listed by depth; the %2 points have been sorted by depth."};

// Notes the table window shows over the soil tables: lines end in carriage returns, and bullet lines
// begin with a middle dot (0xB7 in Latin-1) and a blank.
inline constexpr QLatin1StringView kSoilLayersNote{
    "Max. Side Friction and Max. End Bearing:\r"
    "\xb7 If entries are left as zero, the program assumes no limits in side transfer\r"
    "\xb7 Use a very small number (eg. 0.001) for layers where load transfer should be ignored\r"
    "\xb7 The bottom of the last layer has to be deeper than the pile tip by 2 pile diameters.\r"
    "\xb7 The user can use the reduction factors for LRFD requirement or other design considerations such as "
    "driving strength loss."};
inline constexpr QLatin1StringView kSandLayerNote{
    "Friction Angle may be computed from Blow Counts if Blow Counts is a value other than zero\r"
    "API recommendations for Ko (coefficient of lateral earth pressure) are:\r"
    "Ko = 1 for full-displacement piles, and Ko = 0.8 for open-ended pipe piles\r"
    "API recommendations for Nq (bearing capacity factor) may vary from 8 to 50 according to the density of "
    "sand\r"
    "Ko and Nq are required input, but only used by the API method \r"
    "These values may be different for other computation methods (FHWA, USACE, etc.)\r"
    "The interface friction angle is 5 degrees less than the inputted internal friction angle"};
inline constexpr QLatin1StringView kClayLayerNote{
    "Remolded Shear Strength is only used for open-ended pipe piles to compute\r"
    "the resistance in skin friction along the inner surface of the pipe as the\r"
    "soil plug enters the pipe.  A reduced strength may account for the fact\r"
    "that the internal plug may be highly disturbed as it enters the pile."};
// Appended to the clay note, after a line break, in the edition with the offshore methods.
inline constexpr QLatin1StringView kClayOffshoreNote{
    "PI and YSR are required only for Offshore-Pile Design Methods."};

// The CPT graphs.
inline constexpr QLatin1StringView kCptProfile{"CPT Profile"};
inline constexpr QLatin1StringView kCptData{"CPT Data"};
inline constexpr QLatin1StringView kQcKsf{"Qc, ksf"};
inline constexpr QLatin1StringView kQcKpa{"Qc, kPa"};
inline constexpr QLatin1StringView kDepthFt{"Depth, ft"};
inline constexpr QLatin1StringView kDepthM{"Depth, m"};
inline constexpr QLatin1StringView kConvertedSptTitle{"Converted SPT from CPT Data"};
inline constexpr QLatin1StringView kSptN{"SPT, N"};
inline constexpr QLatin1StringView kConvertedSpt{"Converted SPT"};
inline constexpr QLatin1StringView kConvertedSuTitle{"Converted Undrained Shear Strength Su from CPT Data"};
inline constexpr QLatin1StringView kSuKsf{"Undrained Shear Strength Su, k/ft^2"};
inline constexpr QLatin1StringView kSuKpa{"Undrained Shear Strength Su, kPa"};
inline constexpr QLatin1StringView kConvertedSu{"Converted Su"};

// Names and axis titles the result graphs take from the plot data file.
inline constexpr QLatin1StringView kSettlementIn{"Settlement, in."};
inline constexpr QLatin1StringView kSettlementM{"Settlement, mm"};
inline constexpr QLatin1StringView kUpliftIn{"Uplift, in."};
inline constexpr QLatin1StringView kUpliftM{"Uplift, mm"};
// A working load marked on the load-settlement curve: the method and the fraction of its capacity.
inline constexpr QLatin1StringView kWorkingLoadMark{"%1 \xd7 %2"};
inline constexpr QLatin1StringView kSkinFrictionCurve{"Skin Friction"};
inline constexpr QLatin1StringView kTipResistanceCurve{"Tip Resistance"};
inline constexpr QLatin1StringView kSelfWeightCurve{"Self Weight"};
inline constexpr QLatin1StringView kTotalCapacityCurve{"Total Capacity"};
// The combined graph's title: the method whose curves it shows.
inline constexpr QLatin1StringView kCombinedMethodTitle{"Method: %1"};
inline constexpr QLatin1StringView kFeetSuffix{" ft"};
inline constexpr QLatin1StringView kMetresSuffix{" m"};
inline constexpr QLatin1StringView kKipsSuffix{" kips"};
inline constexpr QLatin1StringView kKiloNewtonSuffix{" kN"};
inline constexpr QLatin1StringView kLayerMark{"LAYER "};

// The downdrag graphs: curves, the neutral planes marked across them, and the set-up's title.
inline constexpr QLatin1StringView kAxialLoadCurve{"Axial Load"};
inline constexpr QLatin1StringView kResistanceCurve{"Resistance"};
inline constexpr QLatin1StringView kPileMovementCurve{"Pile Movement"};
inline constexpr QLatin1StringView kSoilSettlementCurve{"Soil Settlement"};
// %1 the depth with its unit.
inline constexpr QLatin1StringView kNeutralPlaneLine{"Neutral Plane at %1"};
inline constexpr QLatin1StringView kEquilibriumPlaneLine{"Equilibrium Neutral Plane at %1"};
inline constexpr QLatin1StringView kDowndragTitle{"Head Load %1, Drag Force %2"};
// The driveability graphs: curves, the axis titles that carry the results' units, the marks of a
// blow without a permanent set and the titles naming the method, the hammer and the depth.
inline constexpr QLatin1StringView kSrdShaftCurve{"Shaft"};
inline constexpr QLatin1StringView kSrdBaseCurve{"Base"};
inline constexpr QLatin1StringView kSrdTotalCurve{"Total"};
inline constexpr QLatin1StringView kBlowCountCurve{"Blow Count"};
inline constexpr QLatin1StringView kCumulativeBlowsCurve{"Cumulative Blows"};
inline constexpr QLatin1StringView kCompressionCurve{"Compression"};
inline constexpr QLatin1StringView kTensionCurve{"Tension"};
inline constexpr QLatin1StringView kUltimateResistanceCurve{"Ultimate Resistance"};
inline constexpr QLatin1StringView kHeadForceCurve{"Force at the Head"};
inline constexpr QLatin1StringView kHeadVelocityCurve{"Velocity at the Head"};
inline constexpr QLatin1StringView kBlowsPerFoot{"Blow Count, blows/ft"};
inline constexpr QLatin1StringView kBlowsPerQuarterMetre{"Blow Count, blows/0.25 m"};
inline constexpr QLatin1StringView kCumulativeBlowsAxis{"Cumulative Blows"};
inline constexpr QLatin1StringView kStressKsi{"Stress, ksi"};
inline constexpr QLatin1StringView kStressMpa{"Stress, MPa"};
inline constexpr QLatin1StringView kVelocityFtPerSecond{"Velocity, ft/s"};
inline constexpr QLatin1StringView kVelocityMPerSecond{"Velocity, m/s"};
inline constexpr QLatin1StringView kRefusalMark{"Refusal"};
// %1 the method, %2 the hammer.
inline constexpr QLatin1StringView kDriveTitle{"%1, %2"};
// %1 the hammer, %2 the depth with its unit.
inline constexpr QLatin1StringView kDriveBlowTitle{"%1, blow at %2"};
// %1 the method, %2 the hammer, %3 the pile's length with its unit.
inline constexpr QLatin1StringView kBearingTitle{"%1, %2, at %3"};
// Why the Driveability dialog's choices cannot run.
inline constexpr QLatin1StringView kNoHammerFile{"Choose a hammer file (examples/hammers holds a few)."};
inline constexpr QLatin1StringView kDepthsAllOrNone{
    "Give the depths From, To and Step all three, or leave all three blank for every depth down to the "
    "pile's length."};
inline constexpr QLatin1StringView kDepthsNotBelowGround{
    "The depths From and To are below the ground: above 0."};
inline constexpr QLatin1StringView kDepthStepNotPositive{"The depth Step is above 0."};
inline constexpr QLatin1StringView kDepthsReversed{
    "The depth To is less than the depth From: the tip goes down from From to To."};
inline constexpr QLatin1StringView kSegmentLengthNotPositive{"The segment length is above 0."};
inline constexpr QLatin1StringView kSrdFactorNegative{"The SRD shaft and base factors are 0 or more."};
inline constexpr QLatin1StringView kFrictionAngleOutside{
    "The interface friction angle lies between 0 and 90 degrees."};
// %1 the path.
inline constexpr QLatin1StringView kRequestPathLineBreak{
    "The file name \"%1\" holds a line break, which the driveability run cannot be given."};
// %1 the days after driving.
inline constexpr QLatin1StringView kSetupTitle{"Capacity at %1 days"};

// The results summary's columns and rows.
inline constexpr QLatin1StringView kSummaryMethod{"Method"};
inline constexpr QLatin1StringView kSummaryTipDepth{"Tip Depth (%1)"};
inline constexpr QLatin1StringView kSummarySkinFriction{"Skin Friction (%1)"};
inline constexpr QLatin1StringView kSummaryEndBearing{"End Bearing (%1)"};
inline constexpr QLatin1StringView kSummarySelfWeight{"Self Weight (%1)"};
inline constexpr QLatin1StringView kSummaryTotalCapacity{"Total Capacity (%1)"};
inline constexpr QLatin1StringView kSummaryHeadLoad{"Head Load at the Largest Load Level (%1)"};
inline constexpr QLatin1StringView kSummaryHeadMovement{"Head Movement (%1)"};
inline constexpr QLatin1StringView kSummaryHeadUplift{"Head Uplift (%1)"};
inline constexpr QLatin1StringView kSummaryWarnings{"Warnings"};
inline constexpr QLatin1StringView kSummaryNoWarnings{"None"};
inline constexpr QLatin1StringView kSummaryWarningDepth{"Depth (%1)"};
inline constexpr QLatin1StringView kSummaryWarningText{"Warning"};
inline constexpr QLatin1StringView kSummaryKips{"kips"};
inline constexpr QLatin1StringView kSummaryKiloNewtons{"kN"};
inline constexpr QLatin1StringView kSummaryFeet{"ft"};
inline constexpr QLatin1StringView kSummaryMetres{"m"};
inline constexpr QLatin1StringView kSummaryInches{"in"};
inline constexpr QLatin1StringView kSummaryMillimetres{"mm"};
inline constexpr QLatin1StringView kSummaryFraction{"Fraction of Capacity at Tip"};
inline constexpr QLatin1StringView kSummaryWorkingLoad{"Working Load (%1)"};
inline constexpr QLatin1StringView kSummaryBeyondCurve{"beyond the curve"};
// Results of a run in the other unit system than the project's now: marked until the next run.
inline constexpr QLatin1StringView kSummaryOtherUnits{
    "These results are of the last run, in %1 units; the project is now in %2 units. Run the analysis "
    "again for results in its units."};
inline constexpr QLatin1StringView kSummaryEnglishUnits{"English"};
inline constexpr QLatin1StringView kSummarySiUnits{"S.I."};
inline constexpr QLatin1StringView kSandMark{" SAND "};
inline constexpr QLatin1StringView kClayMark{" CLAY "};

}  // namespace torve::app::texts
