// Fortran-style fixed-width number fields, locale-independent (std::to_chars).
#include "engine/driver/fixed_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace torve {
namespace {

std::string stars(int w) {
    return std::string(static_cast<std::size_t>(w > 0 ? w : 0), '*');
}

std::string right_align(std::string_view body, int w) {
    if (static_cast<int>(body.size()) > w) return stars(w);
    std::string out(static_cast<std::size_t>(w) - body.size(), ' ');
    out.append(body);
    return out;
}

// Non-finite values never come out of a sound run; print them loudly rather than as a number.
std::string non_finite(double v, int w) {
    if (std::isnan(v)) return right_align("NaN", w);
    return right_align(v < 0 ? "-Inf" : "Inf", w);
}

}  // namespace

std::string blanks(int n) {
    return std::string(static_cast<std::size_t>(n > 0 ? n : 0), ' ');
}

std::string decimals(double v, int d) {
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, d);
    return r.ec == std::errc{} ? std::string(buf, r.ptr) : std::string("?");
}

std::string format_f(double v, int w, int d) {
    if (!std::isfinite(v)) return non_finite(v, w);
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::fixed, d);
    if (r.ec != std::errc{}) return stars(w);
    std::string digits(buf, r.ptr);
    if (d == 0) digits += '.';  // Fw.0 still prints its decimal point
    // A negative value keeps its sign even when it rounds to zero; -0.0 itself prints unsigned.
    const bool negative = std::signbit(v) && v != 0.0;
    const std::string sign = negative ? "-" : "";
    std::string body = sign;
    body += digits;
    if (static_cast<int>(body.size()) > w && digits.size() > 1 && digits[0] == '0' && digits[1] == '.') {
        body = sign;
        body.append(digits, 1);  // drop the optional leading zero
    }
    return right_align(body, w);
}

std::string format_e(double v, int w, int d) {
    if (!std::isfinite(v)) return non_finite(v, w);
    if (d < 1) return stars(w);
    std::string mantissa;
    int exponent = 0;
    if (v == 0.0) {
        mantissa.assign(static_cast<std::size_t>(d), '0');
    } else {
        // d significant digits, correctly rounded: x.yyy e±n  ->  0.xyyy E±(n+1)
        char buf[64];
        const auto r =
            std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, d - 1);
        if (r.ec != std::errc{}) return stars(w);
        std::string_view s(buf, static_cast<std::size_t>(r.ptr - buf));
        const auto epos = s.find('e');
        for (char c : s.substr(0, epos))
            if (c != '.') mantissa += c;
        exponent = std::atoi(std::string(s.substr(epos + 1)).c_str()) + 1;
    }
    std::string exp_text;
    const int mag = std::abs(exponent);
    const char sign = exponent < 0 ? '-' : '+';
    if (mag <= 99) {
        exp_text = std::string("E") + sign + (mag < 10 ? "0" : "") + std::to_string(mag);
    } else {
        exp_text = std::string(1, sign) + std::to_string(mag);
    }
    const bool negative = std::signbit(v) && v != 0.0;
    std::string body = negative ? "-0." : "0.";
    body += mantissa;
    body += exp_text;
    if (static_cast<int>(body.size()) > w) body.erase(negative ? 1 : 0, 1);  // drop the optional leading zero
    return right_align(body, w);
}

std::string format_i(long long v, int w, int m) {
    std::string digits = std::to_string(v < 0 ? -(v + 1) + 1ULL : static_cast<unsigned long long>(v));
    if (static_cast<int>(digits.size()) < m)
        digits.insert(0, static_cast<std::size_t>(m) - digits.size(), '0');
    if (m == 0 && v == 0) digits.clear();  // Iw.0 leaves a zero blank
    if (v < 0) digits.insert(digits.begin(), '-');
    return right_align(digits, w);
}

std::string format_a(std::string_view text, int w) {
    std::string out(text.substr(0, static_cast<std::size_t>(w)));
    out.resize(static_cast<std::size_t>(w), ' ');
    return out;
}

Line& Line::x(int n) {
    s_.append(static_cast<std::size_t>(n > 0 ? n : 0), ' ');
    return *this;
}
Line& Line::text(std::string_view s) {
    s_.append(s);
    return *this;
}
Line& Line::a(std::string_view s, int w) {
    s_ += format_a(s, w);
    return *this;
}
Line& Line::f(double v, int w, int d) {
    s_ += format_f(v, w, d);
    return *this;
}
Line& Line::e(double v, int w, int d) {
    s_ += format_e(v, w, d);
    return *this;
}
Line& Line::i(long long v, int w, int m) {
    s_ += format_i(v, w, m);
    return *this;
}

}  // namespace torve
