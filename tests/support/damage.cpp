// Random damage to the blank-separated values of a text file.
#include "tests/support/damage.h"

#include <cstdlib>
#include <iterator>
#include <vector>

namespace torve::test {
namespace {

// The text as alternating values and single separators, so that it can be put back together.
std::vector<std::string> split_tokens(const std::string& text) {
    std::vector<std::string> out;
    std::string current;
    for (char c : text) {
        if (c == ' ' || c == '\n') {
            if (!current.empty()) out.push_back(current);
            current.clear();
            out.push_back(std::string(1, c));
        } else {
            current += c;
        }
    }
    if (!current.empty()) out.push_back(current);
    return out;
}

}  // namespace

std::string damage_numbers(const std::string& text, std::mt19937& rng) {
    std::vector<std::string> tokens = split_tokens(text);
    std::vector<std::size_t> values;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i] != " " && tokens[i] != "\n") values.push_back(i);
    }
    if (values.empty()) return text;
    static const char* kAwkward[] = {"0",      "-1",     "1e30",    "-1e30", "1e-30", "3",
                                     "100000", "0.0001", "2",       "89.9",  "7",     "-0.5",
                                     "1e308",  "9999",   "9999999", "81",    "501",   "1001"};
    const std::size_t i = values[std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(rng)];
    const int kind = std::uniform_int_distribution<int>(0, 9)(rng);
    if (kind < 7) {
        tokens[i] = kAwkward[std::uniform_int_distribution<std::size_t>(0, std::size(kAwkward) - 1)(rng)];
    } else if (kind < 9) {
        tokens[i].clear();
    } else {
        tokens.resize(i);
    }
    std::string out;
    for (const std::string& t : tokens) out += t;
    return out;
}

unsigned damage_seed(unsigned fixed) {
    const char* seed = std::getenv("TORVE_DAMAGE_SEED");
    return seed ? static_cast<unsigned>(std::strtoul(seed, nullptr, 10)) : fixed;
}

}  // namespace torve::test
