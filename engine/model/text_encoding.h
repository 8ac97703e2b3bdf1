// The encoding of the texts that files hold and messages quote. Project files are UTF-8; a file
// that is not valid UTF-8 throughout is a legacy one in Latin-1 (ISO 8859-1), whose every byte is
// one character. A message quotes file text so that it stays valid UTF-8 whatever the file held.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace torve {

// Whether `s` is well-formed UTF-8 (no overlong forms, surrogates or code points above U+10FFFF).
bool is_valid_utf8(std::string_view s);

// `s` read as Latin-1, in UTF-8: each byte of 128 and above becomes the character of that code.
std::string utf8_from_latin1(std::string_view s);

// A control character: U+0000 to U+001F, U+007F to U+009F. The texts of a project hold none: a
// line break would split its record, and the others print as nothing or as garbage.
bool is_control_character(char32_t c);
// The first control character of UTF-8 text `s`; 0xFFFFFFFF (no character) when it holds none.
// Bytes of no valid sequence are skipped.
char32_t first_control_character(std::string_view s);
// UTF-8 text `s` with each control character as one blank; bytes of no valid sequence are kept.
std::string blanked_control_characters(std::string_view s);
// "U+000D": a character as messages name it.
std::string character_name(char32_t c);

// `s` as a message shows it: valid UTF-8 as it stands, each byte of no valid sequence and each
// control character written as \xNN (so "4\xe90" for the bytes 34 E9 30).
std::string printable_text(std::string_view s);
// printable_text() in double quotes: `"4\xe90"`.
std::string quoted_text(std::string_view s);

// The number of bytes of the first `characters` characters of UTF-8 text `s`: a cut there splits no
// character. A byte of no valid sequence counts as one character.
std::size_t character_prefix_bytes(std::string_view s, std::size_t characters);
// The characters of `s`, counted as character_prefix_bytes() counts them.
std::size_t character_count(std::string_view s);

}  // namespace torve
