// Texts of the grid tables: typed-entry messages, and the programming errors of a wrong declaration
// or a cell asked for a kind of value it does not hold.
#pragma once

#include <QLatin1StringView>

namespace torve::app::texts {

inline constexpr QLatin1StringView kValueNotAnInteger{"Value must be an integer."};
inline constexpr QLatin1StringView kEntryBetween{"Entry must be between %1 and %2."};

// Raised as std::logic_error: they mean a fault of the program, never of the user's data.
inline constexpr char kWrongType[] = "Data of wrong type";
inline constexpr char kIndexOutOfBounds[] = "Index out of bounds";
inline constexpr char kMinRowsNotPositive[] = "Value must be greater than 0";
inline constexpr char kTopDepthNeedsFloat[] =
    "If column if a topdepth then the next column must be a float column";

}  // namespace torve::app::texts
