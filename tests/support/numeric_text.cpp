// Word-by-word comparison of fixed-width output with a tolerance of one printed digit on numbers.
#include "tests/support/numeric_text.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <vector>

namespace torve::test {
namespace {

std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> split_words(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

struct PrintedNumber {
    double value;
    double last_digit;  // the value of one unit of the last printed digit
};

// Reads a word such as "-12.340", "7", ".5" or "1.25E+03"; nothing else counts as a number.
std::optional<PrintedNumber> read_number(const std::string& word) {
    std::size_t i = 0;
    if (i < word.size() && (word[i] == '-' || word[i] == '+')) ++i;
    int digits = 0, decimals = 0;
    bool point = false;
    for (; i < word.size(); ++i) {
        const char c = word[i];
        if (c >= '0' && c <= '9') {
            ++digits;
            if (point) ++decimals;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    int exponent = 0;
    if (i < word.size() && (word[i] == 'E' || word[i] == 'e' || word[i] == 'D' || word[i] == 'd')) {
        std::size_t j = i + 1;
        if (j < word.size() && (word[j] == '-' || word[j] == '+')) ++j;
        if (j == word.size()) return std::nullopt;
        for (std::size_t k = j; k < word.size(); ++k)
            if (word[k] < '0' || word[k] > '9') return std::nullopt;
        exponent = std::atoi(word.c_str() + i + 1);
        i = word.size();
    }
    if (i != word.size()) return std::nullopt;
    std::string plain = word;
    for (char& c : plain)
        if (c == 'D' || c == 'd') c = 'E';
    return PrintedNumber{std::strtod(plain.c_str(), nullptr), std::pow(10.0, exponent - decimals)};
}

bool words_agree(const std::string& expected, const std::string& actual) {
    if (expected == actual) return true;
    const auto e = read_number(expected);
    const auto a = read_number(actual);
    if (!e || !a) return false;
    // One unit of the coarser of the two printings, with room for the binary value of a decimal.
    const double unit = std::max(e->last_digit, a->last_digit);
    return std::fabs(e->value - a->value) <= unit * (1 + 1e-9);
}

}  // namespace

std::string compare_numeric_text(const std::string& expected, const std::string& actual) {
    const auto el = split_lines(expected);
    const auto al = split_lines(actual);
    for (std::size_t n = 0; n < std::max(el.size(), al.size()); ++n) {
        const std::string where = "line " + std::to_string(n + 1) + ": ";
        if (n >= el.size()) return where + "unexpected extra line \"" + al[n] + "\"";
        if (n >= al.size()) return where + "missing line \"" + el[n] + "\"";
        const auto ew = split_words(el[n]);
        const auto aw = split_words(al[n]);
        bool same = el[n].size() == al[n].size() && ew.size() == aw.size();
        for (std::size_t k = 0; same && k < ew.size(); ++k) same = words_agree(ew[k], aw[k]);
        if (!same) return where + "expected \"" + el[n] + "\", got \"" + al[n] + "\"";
    }
    return {};
}

}  // namespace torve::test
