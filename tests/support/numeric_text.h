// Comparison of program output with a reference text: words exactly, numbers to their printed digit.
#pragma once

#include <string>

namespace torve::test {

// Compares `actual` with `expected` line by line. Lines must have the same length and the same
// words; a word that reads wholly as a number may differ from its reference by one unit of its last
// printed digit (0.01 for "12.34", 1E+01 for "1.234E+04"), so a last digit moved by a compiler flag
// passes and any other change fails. Returns an empty string when they agree, else the first
// difference with its line number.
std::string compare_numeric_text(const std::string& expected, const std::string& actual);

}  // namespace torve::test
