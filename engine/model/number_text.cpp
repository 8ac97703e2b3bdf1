// Numbers of the engine's input files as text: the free format read, and the forms they are written in.
#include "engine/model/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace torve {
namespace {

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

std::string chars(double v, std::chars_format format, int precision) {
    char buffer[400];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v, format, precision);
    return r.ec == std::errc{} ? std::string(buffer, r.ptr) : std::string("?");
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

std::string general_text(double v, int digits) {
    if (v == 0) return "0";
    // Digits and decimal exponent of v rounded to `digits` significant digits: 123.4 with 3 gives
    // "123" and 2.
    const std::string s = chars(v, std::chars_format::scientific, digits - 1);
    const bool negative = s[0] == '-';
    const std::size_t e = s.find('e');
    std::string significand;
    for (std::size_t k = negative ? 1 : 0; k < e; ++k)
        if (s[k] != '.') significand += s[k];
    while (significand.size() > 1 && significand.back() == '0') significand.pop_back();
    const int exponent = std::atoi(s.c_str() + e + 1);
    const int n = static_cast<int>(significand.size());
    std::string out;
    if (negative) out.push_back('-');
    if (exponent < digits && std::fabs(v) >= 1e-5) {
        if (exponent >= 0) {
            const int whole = exponent + 1;
            for (int k = 0; k < whole; ++k)
                out.push_back(k < n ? significand[static_cast<std::size_t>(k)] : '0');
            if (n > whole) {
                out.push_back('.');
                out.append(significand, static_cast<std::size_t>(whole));
            }
        } else {
            out.append("0.");
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out.append(significand);
        }
        return out;
    }
    out.push_back(significand[0]);
    if (n > 1) {
        out.push_back('.');
        out.append(significand, 1);
    }
    out.push_back('E');
    out.append(std::to_string(exponent));
    return out;
}

std::string shortest_text(double v) {
    if (v == 0) return "0";  // also for -0, which the engine need not see
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, r.ptr);
}

std::string shortest_real(double v) {
    // Plain decimals as a person writes them (210000000, 0.00001) while they stay short; the
    // exponent form only for values far from any pile or soil quantity.
    char buffer[400];
    std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed);
    if (r.ec != std::errc() || r.ptr - buffer > 24) r = std::to_chars(buffer, buffer + sizeof buffer, v);
    return r.ec == std::errc() ? std::string(buffer, r.ptr) : std::string("0");
}

std::string scientific_text(double v, int significant, int exponent_digits) {
    const std::string s = chars(v, std::chars_format::scientific, significant - 1);
    const std::size_t e = s.find('e');
    std::string exponent = s.substr(e + 2);
    while (static_cast<int>(exponent.size()) > exponent_digits && exponent.front() == '0')
        exponent.erase(0, 1);
    return s.substr(0, e) + 'E' + s[e + 1] + exponent;
}

std::string decimals(double v, int d) {
    return chars(v, std::chars_format::fixed, d);
}

double rounded_down(double v, int d) {
    const double scale = std::pow(10.0, d);
    // v * scale is rounded itself: it may fall just short of a step that v reaches (0.954 * 1000) or
    // reach one that v falls short of.
    const double steps = std::floor(v * scale);
    if (steps / scale > v) return (steps - 1) / scale;
    return (steps + 1) / scale <= v ? (steps + 1) / scale : steps / scale;
}

double rounded_up(double v, int d) {
    return -rounded_down(-v, d);
}

}  // namespace torve
