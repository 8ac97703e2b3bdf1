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

// A line without a name of its own is called this, followed by its number.
inline constexpr QLatin1StringView kDefaultCurveName{"Curve #"};

}  // namespace torve::app::texts
