// Texts of the table window and of the question of a new project's units, each written once.
#pragma once

#include <QLatin1StringView>

namespace torve::app::texts {

inline constexpr QLatin1StringView kAddRow{"&Add Row"};
// The name of the button that ends every input dialog, kept in view below its scrolling controls.
inline constexpr QLatin1StringView kCloseRowName{"Close"};
inline constexpr QLatin1StringView kInsertRow{"&Insert Row"};
inline constexpr QLatin1StringView kDeleteRow{"&Delete Row"};
inline constexpr QLatin1StringView kRowNotInRange{"Grid.Row not in valid range"};
// A pasted cell that its column refuses: the row, the column's heading and the column's own message.
inline constexpr QLatin1StringView kPasteRefused{"Row %1, %2: %3\r\rThe cells before it were pasted."};

// File > New.
inline constexpr QLatin1StringView kNewProjectCaption{"New Project"};
inline constexpr QLatin1StringView kNewProjectUnits{"Units of the New Project"};
inline constexpr QLatin1StringView kNewProjectSi{"&S.I. Units (kN, m, mm)"};
inline constexpr QLatin1StringView kNewProjectEnglish{"&English Units (kips, ft, in)"};
inline constexpr QLatin1StringView kNewProjectNote{
    "The project starts with a computation increment of 0.25\xa0"
    "m in S.I. units or 1\xa0"
    "ft in English "
    "units. Options > Units converts the values later."};

}  // namespace torve::app::texts
