// Texts of the project, its files, the CPT data import and the result graphs, each written once.
#pragma once

#include <QLatin1StringView>

namespace torve::app::texts {

// A new project.
inline constexpr QLatin1StringView kNewFileName{"NewTORVE.tv6d"};
inline constexpr QLatin1StringView kNewTitle{"New Pile"};

// Notes of the soil tables, shown under the table window's grid; lines end with a carriage return
// and bullet lines begin with a middle dot and a blank.
inline constexpr QLatin1StringView kSoilLayersNotes{
    "Max. Side Friction and Max. End Bearing:\r"
    "\xb7 If entries are left as zero, the program assumes no limits in side transfer\r"
    "\xb7 Use a very small number (eg. 0.001) for layers where load transfer should be ignored\r"
    "\xb7 The bottom of the last layer has to be deeper than the pile tip by 2 pile diameters.\r"
    "\xb7 The user can use the reduction factors for LRFD requirement or other design considerations such "
    "as driving strength loss."};
inline constexpr QLatin1StringView kSandNotes{
    "Friction Angle may be computed from Blow Counts if Blow Counts is a value other than zero\r"
    "API recommendations for Ko (coefficient of lateral earth pressure) are:\r"
    "Ko = 1 for full-displacement piles, and Ko = 0.8 for open-ended pipe piles\r"
    "API recommendations for Nq (bearing capacity factor) may vary from 8 to 50 according to the density of "
    "sand\r"
    "Ko and Nq are required input, but only used by the API method \r"
    "These values may be different for other computation methods (FHWA, USACE, etc.)\r"
    "The interface friction angle is 5 degrees less than the inputted internal friction angle"};
inline constexpr QLatin1StringView kClayNotes{
    "Remolded Shear Strength is only used for open-ended pipe piles to compute\r"
    "the resistance in skin friction along the inner surface of the pipe as the\r"
    "soil plug enters the pipe.  A reduced strength may account for the fact\r"
    "that the internal plug may be highly disturbed as it enters the pile."};
inline constexpr QLatin1StringView kClayOffshoreNote{
    "PI and YSR are required only for Offshore-Pile Design Methods."};

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
inline constexpr QLatin1StringView kCannotWrite{"File %1 cannot be written: %2"};

// The check before a run: the largest taper angle goes between the two parts.
inline constexpr QLatin1StringView kTaperTooLarge{
    "Taper angle is large since it generates a negative diameter at tip of pile.\rTaper angle should be "
    "smaller than "};
inline constexpr QLatin1StringView kTaperTooLargeEnd{" degrees.\rPlease check input data "};

// After a run whose plot data file cannot be read.
inline constexpr QLatin1StringView kPlotReadFailed{"An error occured in running the main program."};

// Counts and codes of the project file that it cannot hold.
inline constexpr QLatin1StringView kCountExpected{"A number of %1 from 0 to %2 was expected but not found."};
inline constexpr QLatin1StringView kEvenSoilPointsExpected{
    "An even number of soil points (two per layer) was expected but not found."};
inline constexpr QLatin1StringView kSoilTypeExpected{
    "A soil type of 1 (sand) or 2 (clay) was expected but not found."};

// The CPT points file and the CPT data import.
inline constexpr QLatin1StringView kUnitCodeExpected{
    "A unit-system code of 1 or 2 was expected but not found."};
inline constexpr QLatin1StringView kCptRowsExpected{
    "A number of CPT rows from 0 to %1 was expected but not found."};
inline constexpr QLatin1StringView kCptFileMissing{"File %1 does not exists"};
inline constexpr QLatin1StringView kCptTooManyLines{
    "At most %1 data lines of cone data can be used in an analysis; %2 were asked for."};
inline constexpr QLatin1StringView kCptReadError{"There was an error reading the input CPT file."};

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
inline constexpr QLatin1StringView kSettlementM{"Settlement, m"};
inline constexpr QLatin1StringView kUpliftIn{"Uplift, in."};
inline constexpr QLatin1StringView kUpliftM{"Uplift, m"};
inline constexpr QLatin1StringView kSkinFrictionCurve{"Skin Friction"};
inline constexpr QLatin1StringView kTipResistanceCurve{"Tip Resistance"};
inline constexpr QLatin1StringView kSelfWeightCurve{"Self Weight"};
inline constexpr QLatin1StringView kTotalCapacityCurve{"Total Capacity"};
inline constexpr QLatin1StringView kFeetSuffix{" ft"};
inline constexpr QLatin1StringView kMetresSuffix{" m"};
inline constexpr QLatin1StringView kLayerMark{"LAYER "};
inline constexpr QLatin1StringView kSandMark{" SAND "};
inline constexpr QLatin1StringView kClayMark{" CLAY "};

}  // namespace torve::app::texts
