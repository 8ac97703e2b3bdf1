// Number texts of the desktop program: general form for fields and files, scientific forms for files.
#include "app/controls/numbertext.h"

#include <QString>
#include <QStringView>
#include <charconv>
#include <cmath>
#include <string>

namespace torve::app {
namespace {

// Digits and decimal exponent of `value` rounded to `significant` digits: 123.4 with 3 gives
// ("123", 2).
struct Scientific {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Scientific scientific(long double value, int significant) {
    char buf[128];
    const auto r =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, significant - 1);
    std::string s(buf, r.ptr);
    Scientific out;
    std::size_t i = 0;
    if (s[i] == '-') {
        out.negative = true;
        ++i;
    }
    const std::size_t e = s.find('e');
    for (std::size_t k = i; k < e; ++k)
        if (s[k] != '.') out.digits += s[k];
    out.exponent = std::stoi(s.substr(e + 1));
    return out;
}

void dropTrailingZeros(std::string& digits) {
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
}

}  // namespace

QString formatGeneral(long double value, int digits, QChar decimalPoint) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0) return QStringLiteral("0");
    Scientific s = scientific(value, digits);
    dropTrailingZeros(s.digits);
    QString out;
    if (s.negative) out += u'-';
    const int n = static_cast<int>(s.digits.size());
    if (s.exponent < digits && std::fabs(value) >= 1e-5L) {
        if (s.exponent >= 0) {
            const int intDigits = s.exponent + 1;
            for (int k = 0; k < intDigits; ++k)
                out += QLatin1Char(k < n ? s.digits[static_cast<std::size_t>(k)] : '0');
            if (n > intDigits) {
                out += decimalPoint;
                out += QString::fromLatin1(s.digits.substr(intDigits));
            }
        } else {
            out += u'0';
            out += decimalPoint;
            out += QString(-s.exponent - 1, u'0');
            out += QString::fromLatin1(s.digits);
        }
        return out;
    }
    out += QLatin1Char(s.digits[0]);
    if (n > 1) {
        out += decimalPoint;
        out += QString::fromLatin1(s.digits.substr(1));
    }
    out += u'E';
    out += QString::number(s.exponent);
    return out;
}

QString formatScientific(double value, int significant, int exponentDigits) {
    char buf[64];
    const auto r =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, significant - 1);
    std::string s(buf, r.ptr);
    const std::size_t e = s.find('e');
    std::string mantissa = s.substr(0, e);
    const char sign = s[e + 1];
    std::string exp = s.substr(e + 2);
    while (static_cast<int>(exp.size()) > exponentDigits && exp.front() == '0') exp.erase(0, 1);
    return QString::fromLatin1(mantissa + 'E' + sign + exp);
}

QString shortestText(double value) {
    if (value == 0) return QStringLiteral("0");  // also for -0, which the engine need not see
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    return QString::fromLatin1(buf, static_cast<qsizetype>(r.ptr - buf));
}

std::optional<long double> parseDecimal(QStringView text, QChar decimalPoint) {
    std::string s;
    s.reserve(static_cast<std::size_t>(text.size()));
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && text[i] == u'-') {
        s += '-';
        ++i;
    }
    int mantissaDigits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        s += static_cast<char>(text[i++].unicode());
        ++mantissaDigits;
    }
    if (i < n && text[i] == decimalPoint) {
        s += '.';
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            s += static_cast<char>(text[i++].unicode());
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        s += 'e';
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) s += static_cast<char>(text[i++].unicode());
        int expDigits = 0;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            s += static_cast<char>(text[i++].unicode());
            ++expDigits;
        }
        if (expDigits == 0) return std::nullopt;
    }
    if (i != n) return std::nullopt;
    long double v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    // Out of range: from_chars leaves v untouched; the magnitude decides between overflow and 0.
    if (r.ec == std::errc::result_out_of_range) {
        const bool tiny = s.find("e-") != std::string::npos;
        return tiny ? 0.0L : (s[0] == '-' ? -HUGE_VALL : HUGE_VALL);
    }
    if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

}  // namespace torve::app
