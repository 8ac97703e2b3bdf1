// Fortran-style fixed-width number fields, locale-independent (std::to_chars). A report holds some
// hundred thousand fields: each is built from the end in a small stack buffer, mostly by integer
// arithmetic, and copied into its line once.
#include "engine/driver/fixed_format.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "engine/model/text_encoding.h"

namespace torve {
namespace {

// A field's characters before they go into the line: `begin` to `end` inside `buf`.
struct Body {
    char buf[416];
    char* end = buf + sizeof buf;
    char* begin = end;

    std::size_t size() const { return static_cast<std::size_t>(end - begin); }
    void prepend(char c) { *--begin = c; }
};

void put_stars(Line& line, int w) {
    if (w > 0) std::memset(line.grow(static_cast<std::size_t>(w)), '*', static_cast<std::size_t>(w));
}

// Right-aligns a body of n characters in a field of w; asterisks when it does not fit.
void put_right(Line& line, const char* body, std::size_t n, int w) {
    if (static_cast<int>(n) > w) return put_stars(line, w);
    char* dest = line.grow(static_cast<std::size_t>(w));
    const std::size_t pad = static_cast<std::size_t>(w) - n;
    std::memset(dest, ' ', pad);
    std::memcpy(dest + pad, body, n);
}

// Non-finite values never come out of a sound run; print them loudly rather than as a number.
void put_non_finite(Line& line, double v, int w) {
    const char* text = std::isnan(v) ? "NaN" : (v < 0 ? "-Inf" : "Inf");
    put_right(line, text, std::strlen(text), w);
}

// Exact powers of ten (all representable in a double up to 1e22), and as integers.
constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr unsigned long long kPow10Int[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};

// "00" to "99": two digits per division.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Prepends the decimal digits of v, at least min_digits of them.
void prepend_digits(Body& b, unsigned long long v, int min_digits) {
    char* p = b.begin;
    char* const stop = p - min_digits;
    while (v >= 100) {
        const auto pair = static_cast<std::size_t>(v % 100) * 2;
        v /= 100;
        *--p = kDigitPairs[pair + 1];
        *--p = kDigitPairs[pair];
    }
    if (v >= 10) {
        const auto pair = static_cast<std::size_t>(v) * 2;
        *--p = kDigitPairs[pair + 1];
        *--p = kDigitPairs[pair];
    } else {
        *--p = static_cast<char>('0' + v);
    }
    while (p > stop) *--p = '0';
    b.begin = p;
}

// Rounds `scaled` (a value times a power of ten, carrying a rounding error or two) to the nearest
// integer, unless it lies so close to a tie that the rounding errors could decide it; then the
// caller takes the exact (slower) std::to_chars path.
bool round_away_from_ties(double scaled, unsigned long long& out) {
    // scaled is non-negative and below 1e10 here, so truncation is the floor (and fits a signed
    // integer, whose conversions are single instructions).
    const auto whole = static_cast<long long>(scaled);
    const double frac = scaled - static_cast<double>(whole);
    if (std::fabs(frac - 0.5) < 1e-6) return false;
    out = static_cast<unsigned long long>(whole) + (frac > 0.5 ? 1 : 0);
    return true;
}

// Fast Fw.d body for moderate values: "ddd.ddd" prepended to b, or false to use the exact path.
bool fast_fixed(double a, int d, Body& b) {
    if (d > 7 || a >= 1e8) return false;
    const double scaled = a * kPow10[d];
    if (scaled >= 9e9) return false;
    unsigned long long m = 0;
    if (!round_away_from_ties(scaled, m)) return false;
    const unsigned long long unit = kPow10Int[d];
    if (d > 0) {
        prepend_digits(b, m % unit, d);
        b.prepend('.');
    }
    prepend_digits(b, m / unit, 1);
    return true;
}

// 10^k for k from -22 to 22, at kScale[k + 22]: exact from 10^0 up, nearest below.
constexpr double kScale[] = {
    1e-22, 1e-21, 1e-20, 1e-19, 1e-18, 1e-17, 1e-16, 1e-15, 1e-14, 1e-13, 1e-12, 1e-11, 1e-10, 1e-9, 1e-8,
    1e-7,  1e-6,  1e-5,  1e-4,  1e-3,  1e-2,  1e-1,  1e0,   1e1,   1e2,   1e3,   1e4,   1e5,   1e6,  1e7,
    1e8,   1e9,   1e10,  1e11,  1e12,  1e13,  1e14,  1e15,  1e16,  1e17,  1e18,  1e19,  1e20,  1e21, 1e22};

// Fast Ew.D digits for a non-zero value: the D rounded significant digits and the decimal exponent
// of 0.ddd form, or false to use the exact path (beyond the scale table, subnormal, non-finite, or
// too near a rounding tie). The scaled value carries at most two rounding errors, below 1e-8 of a
// unit for D up to 7: far inside the margin round_away_from_ties keeps from a tie.
template <int D>
inline bool fast_exponent(std::uint64_t bits, std::uint32_t& mantissa, int& exponent) {
    static_assert(D >= 1 && D <= 7);
    const double a = std::bit_cast<double>(bits & 0x7fffffffffffffffULL);
    // floor(log10(a)) from the binary exponent (log10(2) ~ 78913 / 2^18), one too low at most.
    const int e2 = static_cast<int>((bits >> 52) & 0x7ff) - 1022;  // as frexp
    int e10 = ((e2 - 1) * 78913) >> 18;
    int k = D - 1 - e10;  // a * 10^k has D digits before the point
    if (static_cast<unsigned>(k + 22) > 44U) return false;
    double scaled = a * kScale[k + 22];
    if (scaled >= kPow10[D]) {
        ++e10;
        if (--k < -22) return false;
        scaled = a * kScale[k + 22];
    }
    if (!(scaled >= kPow10[D - 1] && scaled < kPow10[D])) return false;
    unsigned long long m = 0;
    if (!round_away_from_ties(scaled, m)) return false;
    exponent = e10 + 1;
    if (m == kPow10Int[D]) {  // 0.9999.. rounded up to 1.000..
        m = kPow10Int[D - 1];
        exponent += 1;
    }
    mantissa = static_cast<std::uint32_t>(m);
    return true;
}

// The d significant digits and the exponent of 0.ddd form by exact conversion.
bool exact_exponent(double a, int d, Body& digits, int& exponent) {
    // d significant digits, correctly rounded: x.yyy e+-n  ->  0.xyyy E+-(n+1)
    char sci[64];
    const auto r = std::to_chars(sci, sci + sizeof sci, a, std::chars_format::scientific, d - 1);
    if (r.ec != std::errc{}) return false;
    const char* e = static_cast<const char*>(std::memchr(sci, 'e', static_cast<std::size_t>(r.ptr - sci)));
    for (const char* c = e; c > sci;) {
        if (*--c != '.') digits.prepend(*c);
    }
    const char* exp_begin = e + 1;
    if (*exp_begin == '+') ++exp_begin;
    std::from_chars(exp_begin, r.ptr, exponent);
    exponent += 1;
    return true;
}

void put_f_general(Line& line, double v, int w, int d) {
    if (!std::isfinite(v)) return put_non_finite(line, v, w);
    Body b;
    if (d == 0) b.prepend('.');  // Fw.0 still prints its decimal point
    if (!fast_fixed(std::fabs(v), d, b)) {
        b.begin = b.end = b.buf + sizeof b.buf - 1;
        const auto r = std::to_chars(b.buf + 1, b.end, std::fabs(v), std::chars_format::fixed, d);
        if (r.ec != std::errc{}) return put_stars(line, w);
        b.begin = b.buf + 1;
        b.end = r.ptr;
        if (d == 0) *b.end++ = '.';
    }
    // Drop the optional leading zero of a value below one when the field needs the room.
    const bool negative = std::signbit(v) && v != 0.0;  // -0.0 prints unsigned, -0.001 as -0.00
    const std::size_t sign = negative ? 1 : 0;
    if (static_cast<int>(b.size() + sign) > w && b.size() > 1 && b.begin[0] == '0' && b.begin[1] == '.')
        ++b.begin;
    if (negative) b.prepend('-');
    put_right(line, b.begin, b.size(), w);
}

void put_e_general(Line& line, double v, int w, int d) {
    if (!std::isfinite(v)) return put_non_finite(line, v, w);
    if (d < 1 || d > 30) return put_stars(line, w);
    const bool negative = std::signbit(v) && v != 0.0;
    Body b;
    // Exponent first, from the end: E+xx, or +xxx beyond two digits.
    int exponent = 0;
    Body digits;
    const bool zero = v == 0.0;
    if (!zero && !exact_exponent(std::fabs(v), d, digits, exponent)) return put_stars(line, w);
    const int mag = std::abs(exponent);
    prepend_digits(b, static_cast<unsigned long long>(mag), 2);
    b.prepend(exponent < 0 ? '-' : '+');
    if (mag <= 99) b.prepend('E');
    // Mantissa 0.ddd
    if (zero) {
        b.begin -= d;
        std::memset(b.begin, '0', static_cast<std::size_t>(d));
    } else {
        b.begin -= digits.size();
        std::memcpy(b.begin, digits.begin, digits.size());
    }
    b.prepend('.');
    // The optional leading zero goes when the field needs the room.
    if (static_cast<int>(b.size() + 1 + (negative ? 1 : 0)) <= w) b.prepend('0');
    if (negative) b.prepend('-');
    put_right(line, b.begin, b.size(), w);
}

// The fields of a report are mostly narrow, with a few decimals: these are built right-aligned in
// a frame of blanks and copied into the line at a fixed width, without a library call.
struct Frame {
    char buf[2 * Line::kWide];  // the field ends at kWide; the rest is slack for append_wide
    char* const end = buf + Line::kWide;

    Frame() { std::memset(buf, ' ', Line::kWide); }
};

// Writes the two digits of v (below 100) ending at p; returns their start.
char* write_pair(char* p, std::uint32_t v) {
    p -= 2;
    std::memcpy(p, kDigitPairs + 2 * v, 2);
    return p;
}

// Writes exactly `count` digits of v (below 10^count, count at most 9) ending at p; returns their
// start. 32-bit arithmetic: the field's digits never need more.
inline char* write_digits_exact(char* p, std::uint32_t v, int count) {
    for (; count >= 2; count -= 2) {
        const std::uint32_t rest = v / 100;
        p = write_pair(p, v - rest * 100);
        v = rest;
    }
    if (count == 1) *--p = static_cast<char>('0' + v);
    return p;
}

// Writes the digits of v, at least one, ending at p; returns their start.
char* write_digits(char* p, unsigned long long v) {
    while (v >= 100) {
        const unsigned long long rest = v / 100;
        p = write_pair(p, static_cast<std::uint32_t>(v - rest * 100));
        v = rest;
    }
    if (v >= 10) return write_pair(p, static_cast<std::uint32_t>(v));
    *--p = static_cast<char>('0' + v);
    return p;
}

// Puts a field ending at frame.end and starting at p, or asterisks when it is wider than w.
inline void put_framed(Line& line, const Frame& frame, const char* p, int w) {
    if (frame.end - p > w) return put_stars(line, w);
    line.append_wide(frame.end - w, static_cast<std::size_t>(w));
}

// Fw.D of a field up to kWide wide, D up to 7 and |v| below 1e8, unless the value lies too near a
// rounding tie; false leaves the field to put_f_general. One instance per D, so that the digit
// loops unroll.
template <int D>
bool put_f_narrow(Line& line, double v, int w) {
    const double a = std::fabs(v);
    if (w > static_cast<int>(Line::kWide) || !(a < 1e8)) return false;
    const double scaled = a * kPow10[D];
    unsigned long long m = 0;
    if (scaled >= 9e9 || !round_away_from_ties(scaled, m)) return false;
    Frame frame;
    char* p = frame.end;
    if constexpr (D == 0) {
        *--p = '.';
        p = write_digits(p, m);
    } else {
        constexpr unsigned long long unit = kPow10Int[D];
        p = write_digits_exact(p, static_cast<std::uint32_t>(m % unit), D);
        *--p = '.';
        p = write_digits(p, m / unit);
    }
    const bool negative = std::signbit(v) && v != 0.0;
    if (frame.end - p + (negative ? 1 : 0) > w && frame.end - p > 1 && p[0] == '0' && p[1] == '.') ++p;
    if (negative) *--p = '-';
    put_framed(line, frame, p, w);
    return true;
}

// Ew.D of a field up to kWide wide and D from 1 to 7, unless the value lies too near a rounding
// tie or beyond the scale table; false leaves the field to put_e_general. Here the exponent always
// has two digits.
template <int D>
[[gnu::always_inline]] inline bool put_e_narrow(Line& line, double v, int w) {
    if (w > static_cast<int>(Line::kWide)) return false;
    const auto bits = std::bit_cast<std::uint64_t>(v);
    const bool zero = (bits << 1) == 0;  // either sign: -0.0 prints unsigned
    std::uint32_t mantissa = 0;
    int exponent = 0;
    if (!zero && !fast_exponent<D>(bits, mantissa, exponent)) return false;
    Frame frame;
    char* p = write_pair(frame.end, static_cast<std::uint32_t>(exponent < 0 ? -exponent : exponent));
    *--p = exponent < 0 ? '-' : '+';
    *--p = 'E';
    p = write_digits_exact(p, mantissa, D);
    *--p = '.';
    const int negative = !zero && (bits >> 63) != 0 ? 1 : 0;
    if (D + 6 + negative <= w) *--p = '0';  // the optional leading zero
    if (negative) *--p = '-';
    put_framed(line, frame, p, w);
    return true;
}

void put_f(Line& line, double v, int w, int d) {
    bool done = false;
    switch (d) {
        case 0:
            done = put_f_narrow<0>(line, v, w);
            break;
        case 1:
            done = put_f_narrow<1>(line, v, w);
            break;
        case 2:
            done = put_f_narrow<2>(line, v, w);
            break;
        case 3:
            done = put_f_narrow<3>(line, v, w);
            break;
        case 4:
            done = put_f_narrow<4>(line, v, w);
            break;
        case 5:
            done = put_f_narrow<5>(line, v, w);
            break;
        case 6:
            done = put_f_narrow<6>(line, v, w);
            break;
        case 7:
            done = put_f_narrow<7>(line, v, w);
            break;
        default:
            break;
    }
    if (!done) put_f_general(line, v, w, d);
}

void put_i(Line& line, long long v, int w, int m) {
    Body b;
    const unsigned long long mag =
        v < 0 ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
    if (mag > 0) {
        prepend_digits(b, mag, std::min(m, 40));
    } else if (m > 0) {  // Iw.0 leaves a zero blank
        prepend_digits(b, 0, std::min(m, 40));
    }
    if (v < 0) b.prepend('-');
    put_right(line, b.begin, b.size(), w);
}

}  // namespace

std::string blanks(int n) {
    return std::string(static_cast<std::size_t>(n > 0 ? n : 0), ' ');
}

std::string format_f(double v, int w, int d) {
    return Line().f(v, w, d).str();
}

std::string format_e(double v, int w, int d) {
    return Line().e(v, w, d).str();
}

std::string format_i(long long v, int w, int m) {
    return Line().i(v, w, m).str();
}

std::string format_a(std::string_view text, int w) {
    return Line().a(text, w).str();
}

char* Line::grow_on_heap(std::size_t n) {
    if (!on_heap_) {
        heap_.assign(inline_, size_);
        on_heap_ = true;
    }
    heap_.resize(size_ + n);
    char* p = heap_.data() + size_;
    size_ += n;
    return p;
}

// Counted in characters, not bytes: a title is cut between two characters of UTF-8, never inside
// one, and a column after it stays where it is whatever the title's letters.
Line& Line::a(std::string_view s, int w) {
    if (w <= 0) return *this;
    const std::size_t width = static_cast<std::size_t>(w);
    const std::size_t n = character_prefix_bytes(s, width);
    const std::size_t pad = width - std::min(width, character_count(s.substr(0, n)));
    char* dest = grow(n + pad);
    if (n > 0) std::memcpy(dest, s.data(), n);
    std::memset(dest + n, ' ', pad);
    return *this;
}

Line& Line::f(double v, int w, int d) {
    put_f(*this, v, w, d);
    return *this;
}

template <int D>
Line& Line::e_digits(double v, int w) {
    if (!put_e_narrow<D>(*this, v, w)) put_e_general(*this, v, w, D);
    return *this;
}
template Line& Line::e_digits<3>(double, int);
template Line& Line::e_digits<4>(double, int);

Line& Line::e_any(double v, int w, int d) {
    bool done = false;
    switch (d) {  // one instance per number of digits
        case 1:
            done = put_e_narrow<1>(*this, v, w);
            break;
        case 2:
            done = put_e_narrow<2>(*this, v, w);
            break;
        case 3:
            done = put_e_narrow<3>(*this, v, w);
            break;
        case 4:
            done = put_e_narrow<4>(*this, v, w);
            break;
        case 5:
            done = put_e_narrow<5>(*this, v, w);
            break;
        case 6:
            done = put_e_narrow<6>(*this, v, w);
            break;
        case 7:
            done = put_e_narrow<7>(*this, v, w);
            break;
        default:
            break;
    }
    if (!done) put_e_general(*this, v, w, d);
    return *this;
}

Line& Line::i(long long v, int w, int m) {
    put_i(*this, v, w, m);
    return *this;
}

}  // namespace torve
