// Texts of the title dialog and the about box, each written once.
#pragma once

#include <QLatin1StringView>

namespace torve::app::texts {

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
inline constexpr QLatin1StringView kVersionLine{"Version 2014.6.3 - Offshore"};
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

}  // namespace torve::app::texts
