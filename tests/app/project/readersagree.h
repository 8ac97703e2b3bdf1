// Whether the desktop core and the engine read an input data file alike.
#pragma once

#include <string>

namespace torve::test {

// Empty when the desktop's reader and the engine take `text` alike, else what differs. Alike means:
// - both refuse the file; or
// - the desktop refuses a file it cannot hold (an odd number of soil points, a sand blow count that
//   is not a whole number) with its located message; or
// - the engine refuses a value as out of its range, and the desktop reads it (the pre-run check names
//   it); or
// - the desktop opens an earlier layout's section line without its mode, which it infers; or
// - both read it, and the engine reads the desktop's save of it (ProjectFile::text) to the values it
//   reads from the file itself, but for what the desktop writes by its own rules: the first soil
//   point at depth 0, "0.0" for the values that do not apply to a point's soil type, its own values
//   (not the tables') with 10 significant digits, and its edition for the offshore flag.
// A file the engine finds malformed (a value missing or not a number) is refused by both.
std::string readersDisagree(const std::string& text);

// Empty when the engine reads `saved`, a save of `original` by the desktop, to the values it reads
// from `original` (with the desktop's own rules above), else what differs or why either is refused.
std::string savedAlike(const std::string& original, const std::string& saved);

}  // namespace torve::test
