// Texts of the file readers and the graphs.
#pragma once

#include <QLatin1StringView>

namespace torve::app::texts {

// The word reader's messages: the end of the file came too soon, or a word of the wrong kind, the
// latter after "Error on Line <n> Item <m>" and a carriage return.
inline constexpr QLatin1StringView kFileIncomplete{"This file either invalid or incomplete."};
inline constexpr QLatin1StringView kErrorOnLine{"Error on Line %1 Item %2\r"};
inline constexpr QLatin1StringView kFloatExpected{"A floating point number was expected but not found."};
inline constexpr QLatin1StringView kIntegerExpected{"An integer was expected but not found."};
inline constexpr QLatin1StringView kCannotOpen{"File %1 cannot be opened: %2"};
// A count of the plot file beyond what the engine writes.
inline constexpr QLatin1StringView kCountOutOfRange{
    "A number of %1 from 0 to %2 was expected but not found."};

// Where a plot data file read from a file failed: %1 the file, %2 the line, %3 the part below.
inline constexpr QLatin1StringView kPlotPartExpected{
    "File %1, line %2: %3 were expected there, as a run that completed writes them."};
inline constexpr QLatin1StringView kPlotPartHeader{
    "the counts of capacity curves and rows, the unit system and the load-transfer method"};
inline constexpr QLatin1StringView kPlotPartCapacity{
    "the rows of the capacity curves (depth, skin friction, tip resistance, total capacity, unit skin "
    "friction)"};
inline constexpr QLatin1StringView kPlotPartTzCurves{"the t-z curves along the shaft"};
inline constexpr QLatin1StringView kPlotPartLoadDistribution{"the load distributions of the load levels"};
inline constexpr QLatin1StringView kPlotPartLoadSettlement{"the load-settlement and Q-w curves"};
inline constexpr QLatin1StringView kPlotPartExtraTz{"the t-z curves at the extra print depths"};

// A line without a name of its own is called this, followed by its number.
inline constexpr QLatin1StringView kDefaultCurveName{"Curve #"};

// The graph of the capacities calculated with each sounding and the characteristic capacity.
inline constexpr QLatin1StringView kCharacteristicGraphId{"pltCharacteristic"};
inline constexpr QLatin1StringView kCharacteristicGraphCaption{"Characteristic Capacity vs Depth"};
inline constexpr QLatin1StringView kCharacteristicCapacityAxis{"Capacity "};
inline constexpr QLatin1StringView kCharacteristicDepthAxis{"Depth "};
inline constexpr QLatin1StringView kCharacteristicCurve{"R_c,k"};

}  // namespace torve::app::texts
