// Captions, notes and messages of the input dialogs, the title dialog and the about box, each written
// once, spelling as the program has it.
#pragma once

#include <QLatin1StringView>
#include <array>

namespace torve::app::texts {

inline constexpr QLatin1StringView kClose{"Close"};

// Computation methods.
inline constexpr QLatin1StringView kComputationMethods{"Computation Methods"};
inline constexpr QLatin1StringView kLoadSettlementTab{"Method for Load Settlement"};
inline constexpr QLatin1StringView kUnitLoadTransfers{"Method for Unit Load Transfers"};
inline constexpr QLatin1StringView kCurveShapeNote{"(and shape of Load-Transfer Curves)"};
// The captions of the methods themselves are in their rows of the method table.
inline constexpr QLatin1StringView kCurveShapeNotes{
    "Notes on shape of load-transfer curves:\n(*) Uses Reese/Skepmton/Mosher curves\n(**) Uses API RP 2A "
    "Curves\n(***) Uses CPT-based curves in sand, API RP 2A curves in clay"};
inline constexpr QLatin1StringView kCurveFactors{"Factors for t-z and Q-w Curves"};
inline constexpr QLatin1StringView kUnfactoredCurves{
    "Use Unfactored Unit Side Friction and Unit Tip Resistance"};
inline constexpr QLatin1StringView kReducedCurves{"Use Reduced Unit Side Friction and Unit Tip Resistance"};
inline constexpr QLatin1StringView kPileCapacityTab{"Method for Pile Capacity"};
inline constexpr QLatin1StringView kCapacityMethodsGroup{"Computation Methods for Pile Capacity"};
inline constexpr QLatin1StringView kSelectMethods{"Select one or more method(s)"};
inline constexpr QLatin1StringView kLoadSettlementMark{"LS"};
inline constexpr QLatin1StringView kSelectAll{"Select All"};
inline constexpr QLatin1StringView kClearSelections{"Clear Selections"};
inline constexpr QLatin1StringView kCriticalDepthMethod{"Critical Depth Method for Sand"};
inline constexpr QLatin1StringView kOriginalRecommendations{"Original Recommendations "};
inline constexpr QLatin1StringView kDensityNote{"(10 to 20 Pile Diameter based on the Density)"};
inline constexpr QLatin1StringView kStressCriticalDepth{"At Effective Stress Reaching 3,500 psf (185 kPa)"};
inline constexpr QLatin1StringView kUserCriticalDepth{"At User-Specified Critical Depth"};
inline constexpr QLatin1StringView kDrainedClay{"Use Drained Condition for Clay"};
inline constexpr QLatin1StringView kUndrainedClay{"Use Undrained Condition for Clay"};
inline constexpr QLatin1StringView kAreaRatioClayBase{"Clay Base by the Effective Area Ratio"};
inline constexpr QLatin1StringView kLoadTestClayBase{
    "Clay Base from Load Tests (0.8 qt Closed, 0.4 qt Open)"};
inline constexpr QLatin1StringView kLoadingType{"Type of Loading"};
inline constexpr QLatin1StringView kCompression{"&Compression"};
inline constexpr QLatin1StringView kTension{"&Tension"};
inline constexpr QLatin1StringView kTensionFactor{"&Reduction factor for tension loading"};
inline constexpr QLatin1StringView kTensionFactorNote{"(only applied to API RP 2A method)"};

// Soil settlement.
inline constexpr QLatin1StringView kSoilSettlementCaption{"Soil Settlement"};
inline constexpr QLatin1StringView kSettlementNote{
    "The settlement of the soil around the pile against depth below the ground surface, linear between "
    "the points and held above the first and below the last, and the sustained load at the pile head. "
    "Each run then solves the pile in the settling soil: the neutral plane, the drag force and the head "
    "settlement."};
inline constexpr QLatin1StringView kSettlementTable{"&Settlement profile"};
inline constexpr QLatin1StringView kSettlementDepthColumn{"Depth (%1)"};
inline constexpr QLatin1StringView kSettlementColumn{"Settlement (%1)"};
inline constexpr QLatin1StringView kAddSettlementRow{"&Add Row"};
inline constexpr QLatin1StringView kDeleteSettlementRow{"&Delete Row"};
inline constexpr QLatin1StringView kImportSettlement{"&Import from CSV..."};
inline constexpr QLatin1StringView kSettlementFilter{"CSV files (*.csv *.txt);;All Files (*.*)"};
inline constexpr QLatin1StringView kHeadLoad{"Sustained &head load:"};
inline constexpr QLatin1StringView kHeadLoadBlank{"kips or kN, as the project's units"};
// %1 the row counted from 1.
inline constexpr QLatin1StringView kSettlementDepthsOrder{
    "Soil settlement: the depth of row %1 is not below the one before it; the depths must increase. The "
    "profile is kept as it was until the depths are in order."};
inline constexpr QLatin1StringView kHeadLoadRefused{
    "Sustained head load: expected a load of 0 or more, or a blank; \"%1\" is kept as it was."};

// Control options.
inline constexpr QLatin1StringView kControlOptionsCaption{"Control Options"};
inline constexpr QLatin1StringView kPrintControls{"Print Controls"};
inline constexpr QLatin1StringView kIncrementLength{"Length of each computation &increment "};
inline constexpr QLatin1StringView kPrintEvery{"&Print only every "};
inline constexpr QLatin1StringView kPrintEveryEnd{"computation increment(s)"};
inline constexpr QLatin1StringView kSetupGroup{"Set-up after Driving"};
inline constexpr QLatin1StringView kSetupDays{"&Time after driving, days:"};
inline constexpr QLatin1StringView kSetupDaysDefault{"blank: capacity at the end of driving"};
inline constexpr QLatin1StringView kSetupA{"Set-up &factor A:"};
inline constexpr QLatin1StringView kSetupADefault{"blank: sand 0.2, clay 0.6"};
// %1 the text typed.
inline constexpr QLatin1StringView kSetupDaysRefused{
    "Time after driving: expected a number of days, 0 or more, or a blank for the capacity at the end of "
    "driving; \"%1\" is kept as it was."};
inline constexpr QLatin1StringView kSetupARefused{
    "Set-up factor A: expected a number, 0 or more, or a blank for each soil type's own; \"%1\" is kept "
    "as it was."};
inline constexpr QLatin1StringView kWorkingLoadFractions{
    "&Working loads, fractions of the capacity at the tip:"};
inline constexpr QLatin1StringView kWorkingLoadDefault{"1/2 1/3 (the run's own)"};
inline constexpr QLatin1StringView kWorkingLoadsRefused{
    "Working loads: expected from 1 to 10 fractions of the capacity at the tip, each above 0 and at most 1, "
    "separated by blanks (0.5 or 1/2), found \"%1\". The fractions stay as they were."};
inline constexpr QLatin1StringView kTextEditor{"Text Editor"};
inline constexpr QLatin1StringView kBrowse{"&Browse..."};
inline constexpr QLatin1StringView kProgramFilter{"Programs (*);;All Files (*)"};
inline constexpr QLatin1StringView kNotAProgram{"The file %1 is not a program that can be run."};

// t-z print option.
inline constexpr QLatin1StringView kTzPrintOption{"Option of Printing t-z Curves"};
inline constexpr QLatin1StringView kTzVerification{"t-z Curves for Verification"};
inline constexpr QLatin1StringView kPrintInternallyGenerated{"&Print Internally-Generated"};
inline constexpr QLatin1StringView kEditDepths{"Edit Depths"};

// Critical depth.
inline constexpr QLatin1StringView kCriticalDepthCaption{"Critical Depths Used by US Army Method"};
inline constexpr QLatin1StringView kUserOptions{"User Options"};
inline constexpr QLatin1StringView kDensityCriticalDepth{
    "Original Recommendations (10 to 20 Pile Diameter based on the Density)."};
inline constexpr QLatin1StringView kStressCriticalDepthLong{
    "Critical Depth at the  Effective Stress Reaching 3500 psf or 185 kPa."};
inline constexpr QLatin1StringView kUserCriticalDepthLong{"User-Specified Critical Depth"};

// Pile material.
inline constexpr QLatin1StringView kPileMaterialCaption{"Pile Material"};
inline constexpr QLatin1StringView kSelectPileType{"Select Pile Type"};
// One per pile-type code, in code order.
inline constexpr std::array<QLatin1StringView, 7> kPileTypes = {
    QLatin1StringView{"&Steel pipe piles and non-tapered portion of monotube piles"},
    QLatin1StringView{"&Timber piles"},
    QLatin1StringView{"&Precast concrete piles"},
    QLatin1StringView{"&Raymond step-taper piles"},
    QLatin1StringView{"&Raymond &Uniform taper piles"},
    QLatin1StringView{"&H-Piles/Steel Piles"},
    QLatin1StringView{"Tapered portion of &Monotube piles"},
};
inline constexpr QLatin1StringView kCircularShape{"Circular/Tubular"};
inline constexpr QLatin1StringView kSquareShape{"Square/Rectangular/Orthogonal"};
inline constexpr QLatin1StringView kTaperAngle{"&Angle of taper for a tapered pile "};
inline constexpr QLatin1StringView kTaperNote{"( Only used by the FHWA Method for Pile Capacity)"};
inline constexpr QLatin1StringView kAxialStiffness{"Data for Axial Stiffness"};
inline constexpr QLatin1StringView kModulus{"Modulus of &Elasticity, E"};
inline constexpr QLatin1StringView kModulusNote{
    "(These entries are only used for computations of elastic deformation)"};
inline constexpr QLatin1StringView kCrossSectionArea{"Cross Section Area"};
inline constexpr QLatin1StringView kAreaFromSection{"Calculate from Pile Section"};
inline constexpr QLatin1StringView kConstantArea{"Constant Cross Section Area"};
inline constexpr QLatin1StringView kVaryingArea{"Non-constant Cross Section Area"};
inline constexpr QLatin1StringView kDataButton{"Data Button"};
inline constexpr QLatin1StringView kVaryingAreaNote{"(enter the area as a function of depth.)"};

// Circular and noncircular piles.
inline constexpr QLatin1StringView kCircularPileCaption{"Circular Pile Properties"};
inline constexpr QLatin1StringView kOuterDiameter{"&Outer Diameter, OD"};
inline constexpr QLatin1StringView kInnerDiameter{"&Inner Diameter, ID"};
inline constexpr QLatin1StringView kTotalLength{"&Total Length, TL"};
inline constexpr QLatin1StringView kEndSectionLength{"&Lower End Section Length, ESL"};
inline constexpr QLatin1StringView kEndSectionInnerDiameter{"Inner &Diameter of Lower-End Section, EID"};
inline constexpr QLatin1StringView kZeroFrictionLength{"Zero-&Friction Length from Ground, ZFL"};
inline constexpr QLatin1StringView kStickupLength{"&Pile Stickup Length, PSL"};
inline constexpr QLatin1StringView kEndSectionNote{
    "(Note: leave values of end section as zero if none is present)"};
inline constexpr QLatin1StringView kPlugConditions{"Plugged / Unplugged Conditions "};
inline constexpr QLatin1StringView kPlugged{"Plugged for open-ended pile"};
inline constexpr QLatin1StringView kUnplugged{"Unplugged for open-ended pile"};
inline constexpr QLatin1StringView kPlugComputed{"Internal Pile Plug Calculated by Program"};
inline constexpr QLatin1StringView kNoncircularPileCaption{"Noncircular Pile Properties"};
inline constexpr QLatin1StringView kPerimeter{"&Perimeter for Noncircular Section "};
inline constexpr QLatin1StringView kTipArea{"Tip &Area for Noncircular Section "};
inline constexpr QLatin1StringView kZeroFrictionFromLength{"Zero-&Friction from Length Ground, ZFL"};
inline constexpr QLatin1StringView kExamples{"Examples:"};
inline constexpr QLatin1StringView kRectanglePerimeter{"P = 2(L1+L2)"};
inline constexpr QLatin1StringView kRectangleArea{"A = L1x L2"};
inline constexpr QLatin1StringView kHSectionArea{"A = 2(L1xW1) + (L2 - 2xW1) x W2"};
inline constexpr QLatin1StringView kVerySoftClays{"For very soft clays, use:"};

// Soil layers.
inline constexpr QLatin1StringView kSoilLayersCaption{"Soill Layers"};
inline constexpr QLatin1StringView kLayersDefinition{"Layers Definition"};
inline constexpr QLatin1StringView kAddLayer{"Add Layer"};
inline constexpr QLatin1StringView kInsertLayer{"Insert Layer"};
inline constexpr QLatin1StringView kDeleteLayer{"Delete Layer"};
inline constexpr QLatin1StringView kConfirmDeletion{"Confirm Deletion"};
inline constexpr QLatin1StringView kDeleteQuestion{"Do you want to delete soil layer in row "};
inline constexpr QLatin1StringView kEditLayer{"Edit Layer "};
inline constexpr QLatin1StringView kSand{"Sand"};
inline constexpr QLatin1StringView kClay{"Clay"};
inline constexpr QLatin1StringView kLayersNotes{
    "Notes:\n* Bottom of last layer must be deeper than the pile tip plus two pile diameters.\n** If entries "
    "are left as zero, the program assumes no limits in Side/End Transfers.\n** Use a very small number "
    "(e.g. "
    "0.001) for layers where load transfer should be ignored.\n*** Reduction factors can be specified for "
    "LRFD "
    "requirement or for other design considerations such as driving strength loss."};
// The grid's two heading lines per column; the second line of the depth and limit columns carries the
// units of each system.
inline constexpr std::array<QLatin1StringView, 7> kLayerHeadings = {
    QLatin1StringView{"  Layer "},
    QLatin1StringView{" Soil Type "},
    QLatin1StringView{" Depth at Bottom * "},
    QLatin1StringView{" Max. Side Friction ** "},
    QLatin1StringView{" Max. End Bearing ** "},
    QLatin1StringView{" Reduction/Resistance *** "},
    QLatin1StringView{" Reduction/Resistance *** "},
};
inline constexpr std::array<QLatin1StringView, 7> kLayerHeadingsEnglish = {
    QLatin1StringView{""},
    QLatin1StringView{""},
    QLatin1StringView{" of each layer (ft) "},
    QLatin1StringView{"       (lb/ft^2)    "},
    QLatin1StringView{"       (lb/ft^2)    "},
    QLatin1StringView{" Factors on Side Friction "},
    QLatin1StringView{"  Factors on End Bearing "},
};
inline constexpr std::array<QLatin1StringView, 7> kLayerHeadingsSi = {
    QLatin1StringView{""},
    QLatin1StringView{""},
    QLatin1StringView{" of each layer (m) "},
    QLatin1StringView{"       (kN/m^2)    "},
    QLatin1StringView{"       (kN/m^2)    "},
    QLatin1StringView{" Factors on Side Friction "},
    QLatin1StringView{"  Factors on End Bearing "},
};
// What a screen reader calls the value of each column of a layer row, after "Layer n, ".
inline constexpr std::array<QLatin1StringView, 7> kLayerValueNames = {
    QLatin1StringView{""},
    QLatin1StringView{"Soil Type"},
    QLatin1StringView{"Depth at Bottom"},
    QLatin1StringView{"Max. Side Friction"},
    QLatin1StringView{"Max. End Bearing"},
    QLatin1StringView{"Reduction/Resistance Factors on Side Friction"},
    QLatin1StringView{"Reduction/Resistance Factors on End Bearing"},
};
inline constexpr QLatin1StringView kLayerValueName{"Layer %1, %2"};

// Soil data of one layer.
inline constexpr QLatin1StringView kDataForLayer{"Data for Layer "};
inline constexpr QLatin1StringView kDynamicAndSetup{"&Dynamic and Set-up..."};

// A layer's own constants of driving and set-up.
inline constexpr QLatin1StringView kLayerConstantsTitle{"Dynamic and Set-up Constants of Layer "};
inline constexpr QLatin1StringView kLayerConstantsNote{
    "Quakes and Smith damping for a wave-equation analysis, and the gain of the shaft with time after "
    "driving, 1 + A log10(t/t0). A constant left at its default (greyed) takes the value shown, for the "
    "layer's soil type; a set-up factor A or time t0 given for a run stands for the defaults of A and t0."};
inline constexpr QLatin1StringView kShaftQuake{"Shaft &quake"};
inline constexpr QLatin1StringView kToeQuake{"&Toe quake"};
inline constexpr QLatin1StringView kShaftDamping{"&Shaft damping"};
inline constexpr QLatin1StringView kToeDamping{"Toe dam&ping"};
inline constexpr QLatin1StringView kLayerSetupA{"Set-up factor &A"};
inline constexpr QLatin1StringView kLayerSetupT0{"Set-up time t&0 (days)"};
inline constexpr QLatin1StringView kDefaultShaftQuake{"Default shaft quake"};
inline constexpr QLatin1StringView kDefaultToeQuake{"Default toe quake"};
inline constexpr QLatin1StringView kDefaultShaftDamping{"Default shaft damping"};
inline constexpr QLatin1StringView kDefaultToeDamping{"Default toe damping"};
inline constexpr QLatin1StringView kDefaultSetupA{"Default set-up factor A"};
inline constexpr QLatin1StringView kDefaultSetupT0{"Default set-up time t0"};
inline constexpr QLatin1StringView kLayerTop{"Top of Layer"};
inline constexpr QLatin1StringView kLayerBottom{"Bottom of Layer"};
inline constexpr QLatin1StringView kAtTop{", top"};
inline constexpr QLatin1StringView kAtBottom{", bottom"};
inline constexpr QLatin1StringView kUnitWeight{"1. Effective Unit Weight"};
inline constexpr QLatin1StringView kFrictionAngle{"2. Friction Angle"};
inline constexpr QLatin1StringView kFrictionAngleOption{"Enter Friction Angle (Preferred)"};
inline constexpr QLatin1StringView kBlowCountOption{"Enter Blow Counts from SPT"};
inline constexpr QLatin1StringView kApiData{"3. Data for API Computation Method"};
inline constexpr QLatin1StringView kNotUsedElsewhere{"(Not used in other methods)"};
inline constexpr QLatin1StringView kEarthPressure{"3a. Coefficient of Lateral Earth Pressure, Ko"};
inline constexpr QLatin1StringView kNqDensity{"Nq by &density (API)"};
inline constexpr QLatin1StringView kNqDensityChoose{"(choose the density of the sand)"};
inline constexpr QLatin1StringView kNqVeryLoose{"Very loose to loose sand: Nq 8"};
inline constexpr QLatin1StringView kNqLoose{"Loose to medium dense sand: Nq 12"};
inline constexpr QLatin1StringView kNqMediumDense{"Medium dense sand: Nq 20"};
inline constexpr QLatin1StringView kNqDense{"Dense sand: Nq 40"};
inline constexpr QLatin1StringView kNqVeryDense{"Very dense sand or gravel: Nq 50"};
inline constexpr QLatin1StringView kEarthPressureNote{
    "(API reccomends Ko=1 for full displacement\npiles and Ko=0.8 for open ended pipe piles)"};
inline constexpr QLatin1StringView kBearingFactor{"3b. Bearing Capacity Factor, Nq"};
inline constexpr QLatin1StringView kBearingFactorNote{
    "(API has a range of values for Nq from 8 to\n50 according to density of sand)"};
inline constexpr QLatin1StringView kUserData{"4. Data for User-Specified Load Transfers"};
inline constexpr QLatin1StringView kUserFriction{"4a. Unit Skin Friction"};
inline constexpr QLatin1StringView kUserBearing{"4b. Unit End Bearing"};
inline constexpr QLatin1StringView kConeQc{"5. Qc from Cone Penetration Data"};
inline constexpr QLatin1StringView kOffshoreOnly{"(Only used in Offshore Computation Methods)"};
inline constexpr QLatin1StringView kUndrainedStrength{"2. Undrained Shear Strength"};
inline constexpr QLatin1StringView kRemoldedStrength{"3. Remolded Shear Strength"};
inline constexpr QLatin1StringView kRemoldedNote{
    "Remolded Shear Strength is only used for open-ended pipe piles to compute\nthe resistance in skin "
    "friction along the inner surface of the pipe as the\nsoil plug enters the pipe.  A reduced strength may "
    "account for the fact\nthat the internal plug may be highly disturbed as it enters the pile."};
inline constexpr QLatin1StringView kIcpMtdData{"6. Data for ICP/MTD Computation Method"};
inline constexpr QLatin1StringView kPlasticityIndex{"6a. Plasticity Index, PI(%)"};
inline constexpr QLatin1StringView kYieldStressRatio{"6b. Yield STress Ratio, YSR"};
inline constexpr QLatin1StringView kUnifiedData{"7. Data for Unified CPT-Based Method"};
inline constexpr QLatin1StringView kSoilTypeFactor{"7a. Soil Type Factor, Fst"};
inline constexpr QLatin1StringView kSoilTypeFactorNote{"(1; about 0.5 for sensitive clays)"};

// CPT data.
inline constexpr QLatin1StringView kCptDataCaption{"Data of Cone Penetration Test"};
inline constexpr QLatin1StringView kCptFile{"Name of file for input cone data"};
inline constexpr QLatin1StringView kCptFilter{
    "Cone data (*.txt *.acc *.cpt *.ags *.gef *.xml *.csv);;CPT recors(.txt) (*.txt *.acc);;CPT points "
    "(*.cpt);;AGS4 (*.ags);;GEF (*.gef);;"
    "BRO-XML (*.xml);;CSV (*.csv);;All Files (*)"};
// The import of a cone data file of the exchange formats (AGS4, GEF, BRO-XML, CSV).
inline constexpr QLatin1StringView kSoundingImportCaption{"Import of Cone Data"};
inline constexpr QLatin1StringView kSoundingFileLabel{"Cone data file: %1"};
inline constexpr QLatin1StringView kSoundingTest{"&Test"};
inline constexpr QLatin1StringView kSoundingCone{"&Cone resistance"};
inline constexpr QLatin1StringView kSoundingConeQt{"qt, corrected for pore pressure"};
inline constexpr QLatin1StringView kSoundingConeQc{"qc"};
inline constexpr QLatin1StringView kSoundingReplaces{"The import replaces the project's CPT points."};
inline constexpr QLatin1StringView kSoundingImportButton{"&Import"};
// The columns of a CSV file whose headings are not recognised.
inline constexpr QLatin1StringView kCsvColumnsCaption{"Columns of the CSV File"};
inline constexpr QLatin1StringView kCsvColumnsNote{
    "The headings of %1 do not say which columns hold the depth and qc. Choose the column of each quantity "
    "and its unit (m, cm, mm or ft; MPa, MN/m2, kPa, kN/m2, Pa, ksf, tsf or psi)."};
inline constexpr QLatin1StringView kCsvNoneChosen{"(none)"};
inline constexpr QLatin1StringView kCsvColumnDepth{"&Depth"};
inline constexpr QLatin1StringView kCsvColumnQc{"&qc"};
inline constexpr QLatin1StringView kCsvColumnFs{"&fs"};
inline constexpr QLatin1StringView kCsvColumnU2{"&u2"};
inline constexpr QLatin1StringView kCsvColumnQt{"q&t"};
inline constexpr QLatin1StringView kCsvUnitOf{"Unit of %1"};
inline constexpr QLatin1StringView kCsvColumnsOk{"&OK"};
inline constexpr QLatin1StringView kEditFile{"Edit File"};
inline constexpr QLatin1StringView kDataLines{"Number of data lines to be read from the file"};
inline constexpr QLatin1StringView kHeaderLines{"Number of header lines in file containing cone data"};
inline constexpr QLatin1StringView kColumns{"Number of data columns per line to be read from the data file"};
inline constexpr QLatin1StringView kColumnsNote{"( The first two columns are reserved for Depth and  Qc )"};
inline constexpr QLatin1StringView kStressFactor{"Unit conversion factor for stress, Ua"};
inline constexpr QLatin1StringView kStressFactorNote{
    "( ksf is required for English units and kPa is used for S.I. units)\n(Ex. Ua=1000 if MPa instead of kPa "
    "is used in the field CPT data.)"};
inline constexpr QLatin1StringView kQcGraph{" Graphics Button - Qc versus depth"};
inline constexpr QLatin1StringView kSptGraph{" Graphics Button - Converted SPT versus depth"};
inline constexpr QLatin1StringView kSuGraph{" Graphics Button - Converted Su versus depth"};

// The title dialog.
inline constexpr QLatin1StringView kTitleDialogCaption{"Project Title"};
inline constexpr QLatin1StringView kTitleCaption{"Enter line of text for project description:"};
inline constexpr QLatin1StringView kDesignerCaption{"Name of the Designer : "};
inline constexpr QLatin1StringView kJobNumberCaption{"Job Number : "};
inline constexpr QLatin1StringView kCloseButton{"Close"};

// The about box. The release date is month, day and two-digit year.
inline constexpr QLatin1StringView kProductName{"TORVE"};
inline constexpr QLatin1StringView kReleaseDate{"07/01/14"};
inline constexpr QLatin1StringView kAboutTitle{"About TORVE"};
inline constexpr QLatin1StringView kVersionLine{"Version " TORVE_VERSION " - Offshore"};
inline constexpr QLatin1StringView kDescription{
    "A program for analyzing the axial capacity and short-term settlement of driven piles under axial "
    "loading."};
inline constexpr QLatin1StringView kIpAddress{"IP Address :"};
inline constexpr QLatin1StringView kTodaysDate{"Today's Date:"};
inline constexpr QLatin1StringView kReleaseDateCaption{"Current Release Date:"};
inline constexpr QLatin1StringView kUnknownAddress{"unknown"};
inline constexpr QLatin1StringView kWebSite{"https://torve-pile.org"};
inline constexpr QLatin1StringView kSupportMail{"support@torve-pile.org"};
inline constexpr QLatin1StringView kWebCaption{"Web site: "};
inline constexpr QLatin1StringView kMailCaption{"Support: "};
inline constexpr QLatin1StringView kIssuesCaption{"Questions and reports: "};
inline constexpr QLatin1StringView kIssuesPage{"https://torve-pile.org/issues"};
inline constexpr QLatin1StringView kOk{"OK"};

// The characteristic capacity from several soundings.
inline constexpr QLatin1StringView kCharacteristicCaption{"Characteristic Capacity"};
inline constexpr QLatin1StringView kCharacteristicNote{
    "The project is run once with each CPT data file in place of its own; per depth the mean and the "
    "least of the capacities give R_c,k = min(mean / xi3, min / xi4), and R_c,d = R_c,k / 1.2."};
inline constexpr QLatin1StringView kCharacteristicFiles{"CPT &files:"};
inline constexpr QLatin1StringView kCharacteristicAdd{"&Add CPT Files..."};
inline constexpr QLatin1StringView kCharacteristicRemove{"&Remove"};
inline constexpr QLatin1StringView kCharacteristicMethod{"&Method:"};
inline constexpr QLatin1StringView kCharacteristicStiff{"&Stiff structure"};
inline constexpr QLatin1StringView kCharacteristicCompute{"&Compute"};
inline constexpr QLatin1StringView kCharacteristicTable{"Capacities by &depth:"};
inline constexpr QLatin1StringView kCharacteristicFilter{"CPT data files (*.cpt);;All files (*)"};
inline constexpr QLatin1StringView kCharacteristicNoFiles{"Add at least one CPT data file."};
inline constexpr QLatin1StringView kCharacteristicNoMethod{
    "The project selects no method: choose one under Data, Computational Method."};
// %1 the number of files, %2 xi3, %3 xi4.
inline constexpr QLatin1StringView kCharacteristicDone{"%1 soundings: xi3 %2, xi4 %3."};
// Column headings; %1 the unit.
inline constexpr QLatin1StringView kCharacteristicDepthColumn{"Depth (%1)"};
inline constexpr QLatin1StringView kCharacteristicMeanColumn{"Mean (%1)"};
inline constexpr QLatin1StringView kCharacteristicMinColumn{"Min (%1)"};
inline constexpr QLatin1StringView kCharacteristicXi3Column{"xi3"};
inline constexpr QLatin1StringView kCharacteristicXi4Column{"xi4"};
inline constexpr QLatin1StringView kCharacteristicRckColumn{"R_c,k (%1)"};
inline constexpr QLatin1StringView kCharacteristicRcdColumn{"R_c,d (%1)"};

// The Driveability dialog.
inline constexpr QLatin1StringView kDriveabilityCaption{"Driveability"};
inline constexpr QLatin1StringView kDriveabilityNote{
    "Drives the saved project's pile with the hammer at each tip depth: the static resistance to "
    "driving from the cone data by the method chosen, and one blow of the wave equation with it. A "
    "field left blank takes the value shown in it."};
inline constexpr QLatin1StringView kHammerFile{"&Hammer file:"};
inline constexpr QLatin1StringView kHammerBrowse{"&Browse..."};
inline constexpr QLatin1StringView kHammerFilter{"Hammer files (*.json);;All files (*)"};
inline constexpr QLatin1StringView kHammerChooseTitle{"Hammer File"};
inline constexpr QLatin1StringView kSrdMethod{"SRD &method:"};
inline constexpr QLatin1StringView kSrdAlmHamre{"Alm & Hamre"};
inline constexpr QLatin1StringView kSrdUnified{"UniSand-SRD"};
inline constexpr QLatin1StringView kTipDepths{"Tip depths"};
// %1 the unit of length.
inline constexpr QLatin1StringView kTipDepthFrom{"&From (%1):"};
inline constexpr QLatin1StringView kTipDepthTo{"&To (%1):"};
inline constexpr QLatin1StringView kTipDepthStep{"&Step (%1):"};
inline constexpr QLatin1StringView kTipDepthToBlank{"the pile's length"};
inline constexpr QLatin1StringView kSegmentLength{"Se&gment length (m):"};
inline constexpr QLatin1StringView kSrdShaftFactor{"SRD sh&aft factor:"};
inline constexpr QLatin1StringView kSrdBaseFactor{"SRD bas&e factor:"};
inline constexpr QLatin1StringView kInterfaceFrictionAngle{"&Interface friction angle (deg):"};
inline constexpr QLatin1StringView kQuakesAndDamping{"Quakes and damping of &layer:"};
inline constexpr QLatin1StringView kDriveRun{"&Run"};
// %1 the field's caption.
inline constexpr QLatin1StringView kDriveNotANumber{"%1 is not a number."};
// %1 the path.
inline constexpr QLatin1StringView kHammerMissing{"The hammer file \"%1\" does not exist."};
// %1 the layer, %2 its soil, %3 its top, %4 its bottom, with the unit.
inline constexpr QLatin1StringView kLayerChoice{"%1: %2, %3 to %4"};
inline constexpr QLatin1StringView kLayerSand{"sand"};
inline constexpr QLatin1StringView kLayerClay{"clay"};

}  // namespace torve::app::texts
