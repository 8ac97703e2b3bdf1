// Texts of the readers of cone penetration soundings and of their import into the CPT points.
#pragma once

#include <QLatin1StringView>

namespace torve::app::texts {

// A damaged file: its name, the line, and what was expected there.
inline constexpr QLatin1StringView kSoundingDamaged{"The cone data file %1 cannot be read at line %2: %3"};
inline constexpr QLatin1StringView kSoundingDamagedAtEnd{
    "The cone data file %1 cannot be read at its end: %2"};
inline constexpr QLatin1StringView kSoundingUnopenable{"The cone data file %1 cannot be opened: %2"};
inline constexpr QLatin1StringView kSoundingTooLarge{
    "The cone data file %1 is %2 MB; files of cone data up to %3 MB can be read."};

// AGS4.
inline constexpr QLatin1StringView kAgsQuotedFields{
    "fields in double quotes, separated by commas, were expected."};
inline constexpr QLatin1StringView kAgsGroupName{"a GROUP row with the group's name only was expected."};
inline constexpr QLatin1StringView kAgsRowKind{
    "a row of kind GROUP, HEADING, UNIT, TYPE or DATA was expected."};
inline constexpr QLatin1StringView kAgsGroupFirst{
    "a GROUP row was expected before the first row of a group."};
inline constexpr QLatin1StringView kAgsOneHeading{
    "one HEADING row per group was expected; this is a second one."};
inline constexpr QLatin1StringView kAgsHeadingFirst{"a HEADING row was expected before the %1 row."};
inline constexpr QLatin1StringView kAgsFieldCount{
    "%1 fields were expected, as many as the group's HEADING row has, but %2 were found."};
inline constexpr QLatin1StringView kAgsNumber{"a number was expected under %1 but %2 was found."};
inline constexpr QLatin1StringView kAgsNeedsHeading{"the group %1 was expected to have a column %2."};
inline constexpr QLatin1StringView kAgsNoScpt{"a group SCPT of cone penetration results was expected."};

// GEF.
inline constexpr QLatin1StringView kGefHeaderLine{"a header line beginning with # was expected."};
inline constexpr QLatin1StringView kGefNoEnd{"the end of the header, #EOH=, was expected."};
inline constexpr QLatin1StringView kGefColumnInfo{
    "#COLUMNINFO= column number, unit, name, quantity number was expected."};
inline constexpr QLatin1StringView kGefColumnVoid{"#COLUMNVOID= column number, void value was expected."};
inline constexpr QLatin1StringView kGefColumnNumber{"a column number from 1 to %1 was expected."};
inline constexpr QLatin1StringView kGefSeparator{"a separator of one character was expected."};
inline constexpr QLatin1StringView kGefAreaRatio{
    "#MEASUREMENTVAR= 3, the cone's area ratio, unit was expected."};
inline constexpr QLatin1StringView kGefNeedsColumn{
    "a column of %1 (quantity number %2) was expected in the header."};
inline constexpr QLatin1StringView kGefNeedsDepth{
    "a column of penetration length (quantity number 1) or depth (quantity number 11) was expected in the "
    "header."};
inline constexpr QLatin1StringView kGefFewColumns{"at least %1 values were expected but %2 were found."};
inline constexpr QLatin1StringView kGefNumber{"a number was expected in column %1 but %2 was found."};

// BRO-XML.
inline constexpr QLatin1StringView kBroXml{"well-formed XML was expected: %1"};
inline constexpr QLatin1StringView kBroNoValues{
    "the cone penetration results, cptResult with its values, were expected."};
inline constexpr QLatin1StringView kBroSeparators{
    "a TextEncoding with separators of one character each, all different, was expected."};
inline constexpr QLatin1StringView kBroValueCount{"%1 values were expected in result %2 but %3 were found."};
inline constexpr QLatin1StringView kBroNumber{
    "a number was expected as value %1 of result %2 but %3 was found."};
inline constexpr QLatin1StringView kBroParameters{"a list of at most %1 parameters was expected."};
inline constexpr QLatin1StringView kBroNoCone{
    "a parameter coneResistance and a parameter depth or penetrationLength were expected."};

// CSV.
inline constexpr QLatin1StringView kCsvHeader{"a header row naming the columns was expected."};
inline constexpr QLatin1StringView kCsvNoColumn{
    "a column of %1 was expected: a heading such as %2, or a column named by the user."};
inline constexpr QLatin1StringView kCsvNoDepth{
    "a column of depth or penetration length was expected: a heading such as depth_m, or a column named by "
    "the user."};
inline constexpr QLatin1StringView kCsvMappedColumn{"a column headed %1, as asked for %2, was expected."};
inline constexpr QLatin1StringView kCsvFieldCount{
    "%1 fields were expected, as the header row has, but %2 were found."};
inline constexpr QLatin1StringView kCsvNumber{"a number was expected under %1 but %2 was found."};
inline constexpr QLatin1StringView kCsvQuote{"a closing double quote was expected."};

// From a sounding to the CPT points.
inline constexpr QLatin1StringView kSoundingNoTests{"The cone data file %1 holds no cone penetration test."};
inline constexpr QLatin1StringView kSoundingChooseTest{
    "The cone data file %1 holds %2 tests; choose one of %3."};
inline constexpr QLatin1StringView kSoundingNoTest{"The cone data file %1 has no test %2; it has %3."};
inline constexpr QLatin1StringView kSoundingLocationTests{
    "The cone data file %1 has %2 tests at location %3; choose one of %4."};
inline constexpr QLatin1StringView kSoundingUnit{
    "The cone data file %1 gives %2 (column %3) in %4; a unit of %5 was expected."};
inline constexpr QLatin1StringView kSoundingNoUnit{
    "The cone data file %1 gives no unit for %2 (column %3); a unit of %4 was expected."};
inline constexpr QLatin1StringView kSoundingNotFinite{
    "The cone data file %1 cannot be used: at line %2, %3 is beyond the range of numbers once converted to "
    "%4."};
inline constexpr QLatin1StringView kSoundingRefused{
    "The cone data file %1 cannot be imported: at line %2, as the CPT points file would hold it, %3 "
    "Nothing was imported."};
inline constexpr QLatin1StringView kSoundingNoQt{
    "Test %1 gives no qt: neither a column of qt nor u2 with the cone's area ratio."};
inline constexpr QLatin1StringView kSoundingNoPoints{"Test %1 has no row with both a depth and %2."};
inline constexpr QLatin1StringView kLengthUnits{"length (m, cm, mm or ft)"};
inline constexpr QLatin1StringView kStressUnits{"stress (MPa, MN/m2, kPa, kN/m2, ksf, tsf or psi)"};

// The summary of an import.
inline constexpr QLatin1StringView kSummaryTest{"Test %1 (%2 file)."};
inline constexpr QLatin1StringView kSummaryRows{"Rows read: %1."};
inline constexpr QLatin1StringView kSummarySkippedQc{"Rows without %2 skipped: %1."};
inline constexpr QLatin1StringView kSummarySkippedDepth{"Rows without a depth skipped: %1."};
inline constexpr QLatin1StringView kSummaryDepthFrom{"Depth from the %1 column."};
inline constexpr QLatin1StringView kSummaryUsesQt{
    "Cone resistance: qt = qc + (1 - a) u2 with a = %1, or qt as the file gives it."};
inline constexpr QLatin1StringView kSummaryUsesQtGiven{"Cone resistance: qt as the file gives it."};
inline constexpr QLatin1StringView kSummaryUsesQc{"Cone resistance: qc."};
inline constexpr QLatin1StringView kSummaryQtIncomplete{
    "Rows with qc but without qt: %1, so qc is used; choose qt to use only the rows that have it."};
inline constexpr QLatin1StringView kSummarySorted{
    "The rows were not listed by depth; they have been sorted by depth."};
inline constexpr QLatin1StringView kSummaryAveraged{
    "%1 rows averaged into %2 points over equal depth intervals of %3 %4 (at most %5 points can be used)."};
inline constexpr QLatin1StringView kSummaryReadings{
    "Kept with the project beside the CPT points (PROJECT.cone.csv): %1."};
inline constexpr QLatin1StringView kSummaryPoints{"CPT points: %1, from %2 to %3 %4."};

// Files that the column import refuses before reading them.
inline constexpr QLatin1StringView kCptNotConeData{
    "%1 is not a file of cone data: a .%2 file holds no columns of depth and qc. Choose a cone data "
    "file (.txt, .acc, .cpt, .ags, .gef, .xml or .csv)."};
inline constexpr QLatin1StringView kCptSpreadsheet{
    "%1 is a spreadsheet, which the import cannot read. Save its depth and qc columns as a CSV file "
    "(.csv) and choose that file."};
inline constexpr QLatin1StringView kCptNotText{
    "%1 is not a text file of cone data: it holds binary data. Choose a cone data file (.txt, .acc, "
    ".cpt, .ags, .gef, .xml or .csv)."};

}  // namespace torve::app::texts
