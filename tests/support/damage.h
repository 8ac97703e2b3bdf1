// Random damage to the numbers of a text file, for tests that files in any state are handled.
#pragma once

#include <random>
#include <string>

namespace torve::test {

// One random damage: a number replaced by an awkward one (zero, negative, huge, tiny, a table
// limit), a number dropped, or the file cut short before a number.
std::string damage_numbers(const std::string& text, std::mt19937& rng);

// The seed of a damage test: TORVE_DAMAGE_SEED when set (to try other damages locally), else `fixed`.
unsigned damage_seed(unsigned fixed);

}  // namespace torve::test
