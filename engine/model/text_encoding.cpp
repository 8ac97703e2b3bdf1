// The encoding of file texts and of the texts messages quote.
#include "engine/model/text_encoding.h"

#include <cstdio>

namespace torve {
namespace {

constexpr char32_t kNoCharacter = 0xFFFFFFFF;

// The length of the valid UTF-8 sequence starting at s[i], and its code point; 0 when the byte
// starts none.
std::size_t sequence_at(std::string_view s, std::size_t i, char32_t& code) {
    const auto byte = [&s](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b = byte(i);
    if (b < 0x80) {
        code = b;
        return 1;
    }
    std::size_t n = 0;
    char32_t c = 0, least = 0;
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2, c = b & 0x1F, least = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3, c = b & 0x0F, least = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4, c = b & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const unsigned char t = byte(i + k);
        if ((t & 0xC0) != 0x80) return 0;
        c = (c << 6) | (t & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    code = c;
    return n;
}

void put_escaped(std::string& out, unsigned char b) {
    char hex[5];
    std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned>(b));
    out += hex;
}

}  // namespace

bool is_valid_utf8(std::string_view s) {
    char32_t c = 0;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = sequence_at(s, i, c);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string utf8_from_latin1(std::string_view s) {
    std::string out;
    out.reserve(s.size() * 2);
    for (const char ch : s) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

bool is_control_character(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

char32_t first_control_character(std::string_view s) {
    char32_t c = 0;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = sequence_at(s, i, c);
        if (n > 0 && is_control_character(c)) return c;
        i += n > 0 ? n : 1;
    }
    return kNoCharacter;
}

std::string blanked_control_characters(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    char32_t c = 0;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = sequence_at(s, i, c);
        if (n > 0 && is_control_character(c)) {
            out += ' ';
        } else {
            out.append(s.substr(i, n > 0 ? n : 1));
        }
        i += n > 0 ? n : 1;
    }
    return out;
}

std::string character_name(char32_t c) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
    return name;
}

std::string printable_text(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    char32_t c = 0;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = sequence_at(s, i, c);
        if (n == 0 || (n == 1 && is_control_character(c))) {
            put_escaped(out, static_cast<unsigned char>(s[i]));
            ++i;
            continue;
        }
        if (is_control_character(c)) {  // U+0080 to U+009F, two bytes each
            for (std::size_t k = 0; k < n; ++k) put_escaped(out, static_cast<unsigned char>(s[i + k]));
        } else {
            out.append(s.substr(i, n));
        }
        i += n;
    }
    return out;
}

std::string quoted_text(std::string_view s) {
    std::string out(1, '"');
    out += printable_text(s);
    out += '"';
    return out;
}

std::size_t character_prefix_bytes(std::string_view s, std::size_t characters) {
    char32_t c = 0;
    std::size_t i = 0;
    for (std::size_t k = 0; k < characters && i < s.size(); ++k) {
        const std::size_t n = sequence_at(s, i, c);
        i += n > 0 ? n : 1;
    }
    return i;
}

std::size_t character_count(std::string_view s) {
    char32_t c = 0;
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size(); ++count) {
        const std::size_t n = sequence_at(s, i, c);
        i += n > 0 ? n : 1;
    }
    return count;
}

}  // namespace torve
