// Fortran-style fixed-width number fields, locale-independent (std::to_chars). Each field is
// built in a small stack buffer and appended to its line, since reports hold many thousand fields.
#include "engine/driver/fixed_format.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace torve {
namespace {

void append_stars(std::string& out, int w) {
    out.append(static_cast<std::size_t>(w > 0 ? w : 0), '*');
}

void append_right(std::string& out, const char* body, std::size_t n, int w) {
    if (static_cast<int>(n) > w) return append_stars(out, w);
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(w));
    char* dest = out.data() + at;
    std::memset(dest, ' ', static_cast<std::size_t>(w) - n);
    std::memcpy(dest + (static_cast<std::size_t>(w) - n), body, n);
}

// Non-finite values never come out of a sound run; print them loudly rather than as a number.
void append_non_finite(std::string& out, double v, int w) {
    const char* text = std::isnan(v) ? "NaN" : (v < 0 ? "-Inf" : "Inf");
    append_right(out, text, std::strlen(text), w);
}

// Exact powers of ten (all representable in a double up to 1e22).
constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Rounds `scaled` (a value times a power of ten, carrying at most one rounding error) to the nearest
// integer, unless it lies so close to a tie that the rounding error could decide it; then the
// caller takes the exact (slower) std::to_chars path.
bool round_away_from_ties(double scaled, unsigned long long& out) {
    // scaled is non-negative and below 1e10 here, so truncation is the floor.
    const auto whole = static_cast<unsigned long long>(scaled);
    const double frac = scaled - static_cast<double>(whole);
    if (std::fabs(frac - 0.5) < 1e-6) return false;
    out = whole + (frac > 0.5 ? 1 : 0);
    return true;
}

// Writes the decimal digits of `v`, at least `min_digits` of them, ending at `end`; returns the start.
char* digits_before(char* end, unsigned long long v, int min_digits) {
    char* p = end;
    do {
        *--p = static_cast<char>('0' + v % 10);
        v /= 10;
        --min_digits;
    } while (v > 0 || min_digits > 0);
    return p;
}

// Fast Fw.d body for moderate values: "ddd.ddd" into buf, or false to use the exact path.
bool fast_fixed(double a, int d, char* buf, char*& end) {
    if (d > 7 || a >= 1e8) return false;
    const double scaled = a * kPow10[d];
    if (scaled >= 9e9) return false;
    unsigned long long m = 0;
    if (!round_away_from_ties(scaled, m)) return false;
    const auto unit = static_cast<unsigned long long>(kPow10[d]);
    char tmp[32];
    char* t_end = tmp + sizeof tmp;
    char* t = t_end;
    if (d > 0) {
        t = digits_before(t_end, m % unit, d);
        *--t = '.';
    }
    t = digits_before(t, m / unit, 1);
    const auto n = static_cast<std::size_t>(t_end - t);
    std::memcpy(buf, t, n);
    end = buf + n;
    return true;
}

// Fast Ew.d digits for d up to 7: the d rounded significant digits and the decimal exponent of
// 0.ddd form, or false to use the exact path.
bool fast_exponent(double a, int d, unsigned long long& mantissa, int& exponent) {
    if (d > 7 || !(a > 1e-280 && a < 1e280)) return false;
    // floor(log10(a)) from the binary exponent (log10(2) ~ 78913 / 2^18), one too low at most.
    const int e2 = static_cast<int>((std::bit_cast<std::uint64_t>(a) >> 52) & 0x7ff) - 1022;  // as frexp
    int e10 = ((e2 - 1) * 78913) >> 18;
    if (e10 + 1 <= 22 && e10 + 1 >= 0 && a >= kPow10[e10 + 1]) ++e10;
    const int k = d - 1 - e10;
    double scaled = 0;
    if (k >= 0 && k <= 22) {
        scaled = a * kPow10[k];
    } else if (k < 0 && k >= -22) {
        scaled = a / kPow10[-k];
    } else {
        return false;
    }
    if (scaled < kPow10[d - 1] || scaled >= kPow10[d]) return false;  // log10 landed one off
    if (!round_away_from_ties(scaled, mantissa)) return false;
    exponent = e10 + 1;
    if (mantissa == static_cast<unsigned long long>(kPow10[d])) {
        mantissa /= 10;
        exponent += 1;
    }
    return true;
}

void append_f(std::string& out, double v, int w, int d) {
    if (!std::isfinite(v)) return append_non_finite(out, v, w);
    char buf[400];
    char* p = buf + 1;  // room for a sign
    char* end = nullptr;
    if (!fast_fixed(std::fabs(v), d, p, end)) {
        const auto r = std::to_chars(p, buf + sizeof buf - 1, std::fabs(v), std::chars_format::fixed, d);
        if (r.ec != std::errc{}) return append_stars(out, w);
        end = r.ptr;
    }
    if (d == 0) *end++ = '.';  // Fw.0 still prints its decimal point
    // A negative value keeps its sign even when it rounds to zero; -0.0 itself prints unsigned.
    const bool negative = std::signbit(v) && v != 0.0;
    if (negative) *--p = '-';
    if (static_cast<int>(end - p) > w && end - p > 1) {
        // Drop the optional leading zero of a value below one.
        char* digits = negative ? p + 1 : p;
        if (digits[0] == '0' && digits + 1 < end && digits[1] == '.') {
            std::memmove(p + 1, p, static_cast<std::size_t>(digits - p));
            ++p;
        }
    }
    append_right(out, p, static_cast<std::size_t>(end - p), w);
}

void append_e(std::string& out, double v, int w, int d) {
    if (!std::isfinite(v)) return append_non_finite(out, v, w);
    if (d < 1 || d > 30) return append_stars(out, w);
    char body[64];
    std::size_t n = 0;
    const bool negative = std::signbit(v) && v != 0.0;
    if (negative) body[n++] = '-';
    body[n++] = '0';
    body[n++] = '.';
    int exponent = 0;
    if (v == 0.0) {
        std::memset(body + n, '0', static_cast<std::size_t>(d));
        n += static_cast<std::size_t>(d);
    } else if (unsigned long long mantissa = 0; fast_exponent(std::fabs(v), d, mantissa, exponent)) {
        char* start = digits_before(body + n + static_cast<std::size_t>(d), mantissa, d);
        (void)start;
        n += static_cast<std::size_t>(d);
    } else {
        // d significant digits, correctly rounded: x.yyy e+-n  ->  0.xyyy E+-(n+1)
        char sci[64];
        const auto r =
            std::to_chars(sci, sci + sizeof sci, std::fabs(v), std::chars_format::scientific, d - 1);
        if (r.ec != std::errc{}) return append_stars(out, w);
        const char* e =
            static_cast<const char*>(std::memchr(sci, 'e', static_cast<std::size_t>(r.ptr - sci)));
        for (const char* c = sci; c < e; ++c) {
            if (*c != '.') body[n++] = *c;
        }
        const char* exp_begin = e + 1;
        if (*exp_begin == '+') ++exp_begin;
        std::from_chars(exp_begin, r.ptr, exponent);
        exponent += 1;
    }
    const int mag = std::abs(exponent);
    if (mag <= 99) {
        body[n++] = 'E';
        body[n++] = exponent < 0 ? '-' : '+';
        body[n++] = static_cast<char>('0' + mag / 10);
        body[n++] = static_cast<char>('0' + mag % 10);
    } else {
        body[n++] = exponent < 0 ? '-' : '+';
        body[n++] = static_cast<char>('0' + mag / 100);
        body[n++] = static_cast<char>('0' + mag / 10 % 10);
        body[n++] = static_cast<char>('0' + mag % 10);
    }
    if (static_cast<int>(n) > w) {
        // Drop the optional leading zero.
        const std::size_t zero = negative ? 1 : 0;
        std::memmove(body + zero, body + zero + 1, n - zero - 1);
        --n;
    }
    append_right(out, body, n, w);
}

void append_i(std::string& out, long long v, int w, int m) {
    char buf[48];
    char* end = buf + sizeof buf;
    char* p = end;
    unsigned long long mag =
        v < 0 ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
    int digits = 0;
    while (mag > 0) {
        *--p = static_cast<char>('0' + mag % 10);
        mag /= 10;
        ++digits;
    }
    while (digits < m && p > buf + 1) {  // Iw.m: at least m digits; Iw.0 leaves a zero blank
        *--p = '0';
        ++digits;
    }
    if (v < 0) *--p = '-';
    append_right(out, p, static_cast<std::size_t>(end - p), w);
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
    std::string s;
    append_f(s, v, w, d);
    return s;
}

std::string format_e(double v, int w, int d) {
    std::string s;
    append_e(s, v, w, d);
    return s;
}

std::string format_i(long long v, int w, int m) {
    std::string s;
    append_i(s, v, w, m);
    return s;
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
    const std::size_t n = std::min(s.size(), static_cast<std::size_t>(w));
    s_.append(s.substr(0, n));
    s_.append(static_cast<std::size_t>(w) - n, ' ');
    return *this;
}
Line& Line::f(double v, int w, int d) {
    append_f(s_, v, w, d);
    return *this;
}
Line& Line::e(double v, int w, int d) {
    append_e(s_, v, w, d);
    return *this;
}
Line& Line::i(long long v, int w, int m) {
    append_i(s_, v, w, m);
    return *this;
}

}  // namespace torve
