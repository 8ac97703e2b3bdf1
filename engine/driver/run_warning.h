// One warning of a run: what it says, and the method and the depth it concerns.
#pragma once

#include <optional>
#include <string>

#include "engine/model/method_table.h"

namespace torve {

struct RunWarning {
    std::optional<Method> method;  // none for a warning about the whole project
    std::optional<double> depth;   // below the ground surface, ft or m; none where no depth applies
    std::string text;              // a sentence

    bool operator==(const RunWarning&) const = default;
};

// The warning in one sentence for a summary: "UWA, at 27.50 m: A clay segment ...", "At 12.00 ft: ...",
// or the text alone.
std::string warning_sentence(const RunWarning& w, bool english);

// The warning as the console's list at the end of a run gives it, for a reader to take apart:
// "Warning [UWA; 27.50 m]: ...", "Warning [UWA]: ...", "Warning [12.00 ft]: ..." or "Warning: ...".
std::string warning_console_line(const RunWarning& w, bool english);

}  // namespace torve
