// Free-format (list-directed) reading of the input data file and CPT data file.
#include "engine/driver/record_reader.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "engine/driver/input_error.h"

namespace torve {
namespace {

bool is_separator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\f' || c == '\v';
}

// Exact powers of ten up to 10^22.
constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Most numbers of an input file are plain decimals of a few digits ("-12.5", "20000"): their digits
// make an integer below 2^53 and their decimals a power of ten up to 10^22, both exact, so one
// division gives the correctly rounded value. Anything else goes to the full conversion.
bool fast_decimal(std::string_view token, double& value) {
    std::size_t i = 0;
    const bool negative = token[0] == '-';
    if (negative) ++i;
    std::uint64_t digits = 0;
    int count = 0, decimals = 0;
    bool point = false;
    for (; i < token.size(); ++i) {
        const char c = token[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9' || ++count > 15) return false;
        digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
        decimals += point ? 1 : 0;
    }
    if (count == 0 || decimals > 22) return false;
    const double v = static_cast<double>(digits) / kPow10[decimals];
    value = negative ? -v : v;
    return true;
}

}  // namespace

bool parse_real(std::string_view token, double& value) {
    if (!token.empty() && token[0] == '+') token.remove_prefix(1);
    if (token.empty() || token[0] == '+') return false;
    // from_chars also accepts "inf", "nan" and hexadecimal-free forms; only plain decimals pass here.
    bool fortran_exponent = false;
    for (char c : token) {
        fortran_exponent = fortran_exponent || c == 'd' || c == 'D';
        const bool ok = (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == 'd' || c == 'D' ||
                        c == '-' || c == '+';
        if (!ok) return false;
    }
    if (fast_decimal(token, value)) return true;
    std::string copy;
    if (fortran_exponent) {  // Fortran double-precision exponent
        copy = token;
        for (char& c : copy) {
            if (c == 'd' || c == 'D') c = 'e';
        }
        token = copy;
    }
    double v = 0;
    const auto r = std::from_chars(token.data(), token.data() + token.size(), v, std::chars_format::general);
    if (r.ec != std::errc{} || r.ptr != token.data() + token.size() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

bool parse_integer(std::string_view token, int& value) {
    if (!token.empty() && token[0] == '+') token.remove_prefix(1);
    if (token.empty() || token[0] == '+') return false;
    int v = 0;
    const auto r = std::from_chars(token.data(), token.data() + token.size(), v);
    if (r.ec != std::errc{} || r.ptr != token.data() + token.size()) return false;
    value = v;
    return true;
}

RecordReader::RecordReader(std::string file_label, std::string_view text)
    : file_label_(std::move(file_label)) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        lines_.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

void RecordReader::begin(std::string record_name) {
    record_ = std::move(record_name);
    series_prefix_ = {};
    pending_.clear();
    pending_pos_ = 0;
}

void RecordReader::begin(std::string_view prefix, int number, int count, std::string_view suffix) {
    record_.clear();
    series_prefix_ = prefix;
    series_suffix_ = suffix;
    series_number_ = number;
    series_count_ = count;
    pending_.clear();
    pending_pos_ = 0;
}

std::string RecordReader::text_line(std::string_view field, std::size_t width) {
    pending_.clear();
    pending_pos_ = 0;
    if (next_line_ >= lines_.size()) {
        throw InputError(where(0) + ": the file ends before the " + std::string(field) + ".");
    }
    last_line_ = next_line_ + 1;
    std::string_view line = lines_[next_line_++];
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return std::string(line.substr(0, width));
}

const RecordReader::Token& RecordReader::next_token(std::string_view field) {
    while (pending_pos_ >= pending_.size()) {
        if (next_line_ >= lines_.size()) {
            throw InputError(where(0) + ": the file ends before the " + std::string(field) + ".");
        }
        pending_.clear();
        pending_pos_ = 0;
        const std::string_view line = lines_[next_line_++];
        std::size_t i = 0;
        while (i < line.size()) {
            while (i < line.size() && is_separator(line[i])) ++i;
            const std::size_t b = i;
            while (i < line.size() && !is_separator(line[i])) ++i;
            if (i > b) pending_.push_back({line.substr(b, i - b), next_line_});
        }
    }
    const Token& t = pending_[pending_pos_++];
    last_line_ = t.line;
    return t;
}

int RecordReader::integer(std::string_view field) {
    const Token& t = next_token(field);
    int v = 0;
    if (!parse_integer(t.text, v)) {
        throw InputError(where(t.line) + ": expected a whole number for the " + std::string(field) +
                         ", found \"" + std::string(t.text) + "\".");
    }
    // No pile or soil quantity comes near this; products of larger values overflow to infinity.
    if (std::fabs(v) > kLargestReal) {
        throw InputError(where(t.line) + ": the " + std::string(field) + " " + std::string(t.text) +
                         " is out of range (at most 1E+15 in magnitude).");
    }
    return v;
}

double RecordReader::real(std::string_view field) {
    const Token& t = next_token(field);
    double v = 0;
    if (!parse_real(t.text, v)) {
        throw InputError(where(t.line) + ": expected a finite number for the " + std::string(field) +
                         ", found \"" + std::string(t.text) + "\".");
    }
    // No pile or soil quantity comes near this; products of larger values overflow to infinity.
    if (std::fabs(v) > kLargestReal) {
        throw InputError(where(t.line) + ": the " + std::string(field) + " " + std::string(t.text) +
                         " is out of range (at most 1E+15 in magnitude).");
    }
    return v;
}

void RecordReader::reject(std::string_view what) const {
    throw InputError(where(last_line_) + ": " + std::string(what));
}

void RecordReader::reject_record(std::string_view what) const {
    throw InputError(where(0) + ": " + std::string(what));
}

std::string RecordReader::where(std::size_t line) const {
    std::string s = file_label_;
    if (!record_.empty()) {
        s += ", " + record_;
    } else if (!series_prefix_.empty()) {
        s += ", " + std::string(series_prefix_) + std::to_string(series_number_) + " of " +
             std::to_string(series_count_) + std::string(series_suffix_);
    }
    if (line > 0) s += ", line " + std::to_string(line);
    return s;
}

}  // namespace torve
