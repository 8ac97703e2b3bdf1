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
inline constexpr QLatin1StringView kCannotWrite{"File %1 cannot be written: %2"};

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

// After a run whose plot data file cannot be read.
inline constexpr QLatin1StringView kPlotReadFailed{"An error occured in running the main program."};

// Counts and codes of the project file that it cannot hold.
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
inline constexpr QLatin1StringView kCptSorted{
    "The cone data of %1 were not listed by depth; the %2 points have been sorted by depth."};

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
