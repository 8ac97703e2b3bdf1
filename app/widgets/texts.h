// Texts of the table window, each written once.
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

}  // namespace torve::app::texts
