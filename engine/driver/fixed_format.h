// Fixed-width fields of the report and plot file, as a Fortran line printer lays them out.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/model/number_text.h"  // decimals(), for messages

namespace torve {

// Each function returns exactly w characters (or n blanks for blanks()). A value that does not fit
// its field gives w asterisks, so a column never shifts.
//
// Fw.d: fixed point, d decimals, right-aligned; the leading zero of |v| < 1 is dropped when only
//   that makes the value fit. Rounding is to nearest on the exact binary value.
// Ew.d: 0.ddddE+xx with the mantissa in [0.1, 1); exponents beyond two digits drop the E
//   (0.123-100). Zero prints as 0.000E+00.
// Iw / Iw.m: integer, right-aligned, at least m digits with leading zeros.
// Aw: text cut to w characters or padded with blanks on the right.
std::string format_f(double v, int w, int d);
std::string format_e(double v, int w, int d);
std::string format_i(long long v, int w, int m = 1);
std::string format_a(std::string_view text, int w);
std::string blanks(int n);

// Builds one output line field by field: Line().x(10).a("DEPTH").f(12.5, 7, 2).view(). A report
// holds tens of thousands of lines, so a line lives on the stack and reaches the heap only when it
// outgrows its inline buffer (a long path or title).
class Line {
  public:
    // Provided rather than defaulted: Line() would otherwise zero the whole inline buffer first,
    // which costs more than most of the fields that go into it. Only size_ characters are read.
    Line() {}
    Line(const Line&) = delete;
    Line& operator=(const Line&) = delete;

    Line& x(int n) {  // n blanks
        if (n > 0 && static_cast<std::size_t>(n) <= kWide) {
            append_wide(kBlanks, static_cast<std::size_t>(n));
        } else if (n > 0) {
            std::memset(grow(static_cast<std::size_t>(n)), ' ', static_cast<std::size_t>(n));
        }
        return *this;
    }
    Line& text(std::string_view s) {  // literal text, as is
        if (!s.empty()) std::memcpy(grow(s.size()), s.data(), s.size());
        return *this;
    }
    Line& a(std::string_view s, int w);  // Aw
    Line& f(double v, int w, int d);     // Fw.d
    Line& e(double v, int w, int d) {    // Ew.d
        // The load-settlement tables are mostly E10.3 and E16.4: with d known where the line is
        // built, these go straight to the function for their number of digits.
        if (d == 3) return e_digits<3>(v, w);
        if (d == 4) return e_digits<4>(v, w);
        return e_any(v, w, d);
    }
    Line& i(long long v, int w, int m = 1);  // Iw.m

    std::string_view view() const { return {on_heap_ ? heap_.data() : inline_, size_}; }
    std::string str() const { return std::string(view()); }

    // n characters at the end of the line, to be written by the caller.
    char* grow(std::size_t n) {
        if (on_heap_ || size_ + n > kInline) return grow_on_heap(n);
        char* p = inline_ + size_;
        size_ += n;
        return p;
    }

    // Appends the w characters at `src` (w at most kWide); `src` must be readable for kWide
    // characters. Copying a fixed kWide characters lets the compiler move them without a call.
    static constexpr std::size_t kWide = 32;
    void append_wide(const char* src, std::size_t w) {
        if (!on_heap_ && size_ + w <= kInline) {
            std::memcpy(inline_ + size_, src, kWide);
            size_ += w;
        } else {
            std::memcpy(grow(w), src, w);
        }
    }

  private:
    template <int D>
    Line& e_digits(double v, int w);
    Line& e_any(double v, int w, int d);

    static constexpr std::size_t kInline = 200;
    static constexpr char kBlanks[kWide + 1] = "                                ";
    char* grow_on_heap(std::size_t n);

    char inline_[kInline + kWide];  // the slack takes the fixed-size copies of append_wide
    std::size_t size_ = 0;
    bool on_heap_ = false;
    std::string heap_;
};

}  // namespace torve
