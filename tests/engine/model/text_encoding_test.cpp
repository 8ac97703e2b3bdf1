// File texts and the texts messages quote: UTF-8 recognised exactly (RFC 3629, table 3-7 of The
// Unicode Standard), legacy Latin-1 decoded byte by byte, control characters and stray bytes
// escaped, cuts between characters; and how the codec holds the three texts of a project.
#include "engine/model/text_encoding.h"

#include <gtest/gtest.h>

#include "engine/model/input_checks.h"
#include "engine/model/project_codec.h"
#include "tests/support/project_text.h"

namespace torve {
namespace {

TEST(TextEncoding, ValidUtf8IsExactlyTheWellFormedSequences) {
    const struct {
        const char* bytes;
        bool valid;
        const char* why;
    } cases[] = {
        {"plain ASCII", true, ""},
        {"\xc3\xa9", true, "e acute, U+00E9"},
        {"\xe2\x82\xac", true, "euro sign, U+20AC"},
        {"\xf0\x9f\x98\x80", true, "U+1F600, four bytes"},
        {"\xf4\x8f\xbf\xbf", true, "U+10FFFF, the last code point"},
        {"4\xe9", false, "Latin-1 e acute: a lead byte without its continuation"},
        {"\xc3", false, "cut before its continuation"},
        {"\xc0\xaf", false, "overlong '/'"},
        {"\xe0\x80\xaf", false, "overlong '/' in three bytes"},
        {"\xed\xa0\x80", false, "surrogate U+D800"},
        {"\xf4\x90\x80\x80", false, "U+110000, beyond Unicode"},
        {"\xff", false, "never in UTF-8"},
        {"\x80", false, "a continuation byte alone"},
    };
    for (const auto& c : cases) EXPECT_EQ(is_valid_utf8(c.bytes), c.valid) << c.why;
}

TEST(TextEncoding, MessagesQuoteFileTextAsValidUtf8) {
    const struct {
        std::string_view bytes;
        const char* shown;
    } cases[] = {
        {"4\xe9"
         "0",
         "\"4\\xe90\""},                                     // the mutated value of a found field
        {"\xff", "\"\\xff\""},                               // the plasticity index byte 0xFF
        {"d\xc3\xa9p\xc3\xb4t", "\"d\xc3\xa9p\xc3\xb4t\""},  // valid UTF-8 stays as it is
        {"a\tb\rc", "\"a\\x09b\\x0dc\""},                    // control characters do not act
        {"\xc2\x85", "\"\\xc2\\x85\""},                      // U+0085, a C1 control (next line)
        {"\xed\xa0\x80", "\"\\xed\\xa0\\x80\""},             // a surrogate: three stray bytes
        {std::string_view("n\0l", 3), "\"n\\x00l\""},
    };
    for (const auto& c : cases) {
        const std::string q = quoted_text(c.bytes);
        EXPECT_EQ(q, c.shown);
        EXPECT_TRUE(is_valid_utf8(q)) << q;
    }
}

TEST(TextEncoding, Latin1DecodesEachByteToItsOwnCharacter) {
    // 'é' is E9 in Latin-1 and C3 A9 in UTF-8; 'ÿ' FF and C3 BF; 'ß' DF and C3 9F.
    EXPECT_EQ(utf8_from_latin1("caf\xe9 \xff\xdf"), "caf\xc3\xa9 \xc3\xbf\xc3\x9f");
    EXPECT_EQ(utf8_from_latin1("ascii"), "ascii");
    EXPECT_TRUE(is_valid_utf8(utf8_from_latin1("\x80\x9f\xa0\xff")));
}

TEST(TextEncoding, CutsFallBetweenCharacters) {
    std::string title = "x";
    for (int i = 0; i < 40; ++i) title += "\xc3\xa9";  // 'x' + 'é' * 40: 81 bytes, 41 characters
    const struct {
        std::size_t characters;
        std::size_t bytes;
    } cases[] = {{0, 0}, {1, 1}, {2, 3}, {35, 69}, {36, 71}, {41, 81}, {70, 81}};
    for (const auto& c : cases) {
        EXPECT_EQ(character_prefix_bytes(title, c.characters), c.bytes) << c.characters;
        EXPECT_TRUE(is_valid_utf8(title.substr(0, c.bytes)));
    }
    EXPECT_EQ(character_count(title), 41u);
    EXPECT_EQ(character_count("4\xe9"
                              "0"),
              3u);  // a stray byte counts as one
}

TEST(TextEncoding, ControlCharactersAreFoundByCodePoint) {
    EXPECT_EQ(first_control_character("title\rmore"), U'\r');
    EXPECT_EQ(first_control_character("caf\xc3\xa9\xc2\x9b"), U'\x9b');
    EXPECT_FALSE(is_control_character(first_control_character("caf\xc3\xa9 \xc2\xa0")));  // NBSP is text
    EXPECT_EQ(character_name(U'\r'), "U+000D");
    // Each control character one blank; text and stray bytes as they are.
    EXPECT_EQ(blanked_control_characters("a\tb\r\x01\xc2\x85\xc3\xa9\xff"), "a b   \xc3\xa9\xff");
}

// The codec's texts: UTF-8 as it stands, a legacy file in Latin-1, without a byte-order mark or
// control characters, so that what a file holds reads the same everywhere and writes back the same.
TEST(ProjectTexts, ReadInUtf8WhateverTheFileHeld) {
    ProjectRecords base = test::project();
    test::add_layer(base, test::sand_layer(0, 100, 60, 30, 0.8, 20));
    const std::string whole = test::text_of(base);
    std::size_t after_texts = 0;
    for (int i = 0; i < 3; ++i) after_texts = whole.find('\n', after_texts) + 1;
    const std::string rest = whole.substr(after_texts);
    const struct {
        std::string texts;
        const char* title;
        const char* designer;
        const char* why;
    } cases[] = {
        {"Caf\xc3\xa9 pier\nJ. M\xc3\xbcller\n\n", "Caf\xc3\xa9 pier", "J. M\xc3\xbcller", "UTF-8 as it is"},
        {"Caf\xe9 pier\nJ. M\xfcller\n\n", "Caf\xc3\xa9 pier", "J. M\xc3\xbcller", "Latin-1, decoded"},
        {"\xef\xbb\xbfPier\nA\n\n", "Pier", "A", "byte-order mark dropped"},
        {"Pier\tA\x01\r\nB\x7f\n\n", "Pier A ", "B ", "control characters read as blanks"},
    };
    for (const auto& c : cases) {
        const std::string text = c.texts + rest;
        const ProjectRecords p = read_project_records(text, "p.tv6d").records;
        EXPECT_EQ(p.title, c.title) << c.why;
        EXPECT_EQ(p.designer, c.designer) << c.why;
        // Written and read again, the texts are what was read.
        const ProjectRecords again =
            read_project_records(write_project_records(p, WriteStyle::AsHeld), "p.tv6d").records;
        EXPECT_EQ(again.title, p.title) << c.why;
        EXPECT_EQ(again.designer, p.designer) << c.why;
        // The checks refuse no text the codec read.
        for (const Finding& f : check_project(p, {}))
            EXPECT_NE(f.place.id, RecordId::Title) << c.why << ": " << f.message;
    }
}

TEST(ProjectTexts, TheChecksRefuseControlCharactersHeldInATextField) {
    ProjectRecords p = test::project();
    test::add_layer(p, test::sand_layer(0, 100, 60, 30, 0.8, 20));
    const struct {
        std::string ProjectRecords::*text;
        RecordId record;
        const char* value;
        const char* message;
    } cases[] = {
        {&ProjectRecords::title, RecordId::Title, "\r",
         "expected a title without control characters (a line break, a tab), found U+000D."},
        {&ProjectRecords::designer, RecordId::Designer, "two\nlines",
         "expected a designer without control characters (a line break, a tab), found U+000A."},
        {&ProjectRecords::job_number, RecordId::JobNumber, "J\xc2\x85",
         "expected a job number without control characters (a line break, a tab), found U+0085."},
    };
    for (const auto& c : cases) {
        ProjectRecords q = p;
        q.*c.text = c.value;
        const std::vector<Finding> findings = check_project(q, {});
        const Finding* refusal = first_refusal(findings);
        ASSERT_NE(refusal, nullptr) << c.message;
        EXPECT_EQ(refusal->place.id, c.record);
        EXPECT_EQ(refusal->message, c.message);
    }
}

}  // namespace
}  // namespace torve
