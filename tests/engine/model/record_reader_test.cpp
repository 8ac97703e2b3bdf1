// Free-format reading: separators, continuation lines, leftovers, number forms and located errors.
#include "engine/model/record_reader.h"

#include <gtest/gtest.h>

#include <functional>

#include "engine/model/input_error.h"
#include "engine/model/number_text.h"

namespace torve {
namespace {

std::string message_of(const std::function<void()>& f) {
    try {
        f();
    } catch (const InputError& e) {
        return e.what();
    }
    return "(no error)";
}

FormatFault fault_of(const std::function<void()>& f) {
    try {
        f();
    } catch (const FormatError& e) {
        return e.fault();
    }
    ADD_FAILURE() << "no fault";
    return {};
}

TEST(RecordReader, RecordsStartOnFreshLinesAndMayContinue) {
    RecordReader r("test file", "1 2 3 leftover words\n4,5\n\n6\n7 8\n");
    r.begin("record A");
    EXPECT_EQ(r.integer("a"), 1);
    EXPECT_EQ(r.integer("b"), 2);
    r.begin("record B");  // the rest of line 1 is ignored
    EXPECT_EQ(r.integer("c"), 4);
    EXPECT_EQ(r.integer("d"), 5);
    EXPECT_EQ(r.integer("e"), 6);  // continues past the empty line
    r.begin("record C");
    r.begin("record D");  // a record not yet read from stays where it is
    EXPECT_DOUBLE_EQ(r.real("f"), 7.0);
    EXPECT_EQ(r.line(), 5u);
    EXPECT_EQ(r.values_remaining(), 1u);  // the 8; the leftover words of line 1 are behind
}

TEST(RecordReader, TextLinesAreCutAndLoseCarriageReturns) {
    RecordReader r("test file", "A title that is long\r\n 1\r\n");
    r.begin("title");
    EXPECT_EQ(r.text_line("title", 7), "A title");
    r.begin("count");
    EXPECT_EQ(r.integer("count"), 1);
}

TEST(RecordReader, RealsInFortranForms) {
    double v = 0;
    const std::pair<const char*, double> good[] = {
        {"1", 1.0},      {"-1.5", -1.5},     {"+2.5", 2.5},           {".5", 0.5},    {"5.", 5.0},
        {"1e3", 1000.0}, {"1.5D-3", 1.5e-3}, {"2.9E+07", 29000000.0}, {"+2E1", 20.0}, {"-0.25", -0.25}};
    for (const auto& [text, value] : good) EXPECT_TRUE(parse_real(text, v) && v == value) << text;
    // However many digits: a decimal of any length is read.
    const std::string long_decimal = "0." + std::string(100, '0') + "25E+100";
    EXPECT_TRUE(parse_real(long_decimal, v) && v == 0.25);
    for (const char* bad :
         {"", "abc", "1.2.3", "nan", "inf", "-inf", "1e999", "0x10", "1e", "++1", "1,5", "0.123-100"}) {
        EXPECT_FALSE(parse_real(bad, v)) << bad;
    }
}

TEST(RecordReader, IntegersAreWholeNumbersOnly) {
    int v = 0;
    EXPECT_TRUE(parse_integer("12", v) && v == 12);
    EXPECT_TRUE(parse_integer("-3", v) && v == -3);
    EXPECT_TRUE(parse_integer("+4", v) && v == 4);
    for (const char* bad : {"1.0", "1e2", "1E2", "x", "", "99999999999", "3000000000"})
        EXPECT_FALSE(parse_integer(bad, v)) << bad;
}

TEST(RecordReader, ErrorsNameFileRecordLineAndField) {
    EXPECT_EQ(message_of([] {
                  RecordReader r("Input data file \"p.tv6d\"", "1 2\n3 abc\n");
                  r.begin("record 5 (pile section)");
                  r.real("perimeter");
                  r.real("tip area");
                  r.begin("record 6 (end section)");
                  r.real("length");
                  r.real("diameter");
              }),
              "Input data file \"p.tv6d\", record 6 (end section), line 2: expected a finite number for the "
              "diameter, found \"abc\".");
    EXPECT_EQ(message_of([] {
                  RecordReader r("CPT data file \"p.cpt\"", "1 2\n");
                  r.begin("record 1");
                  r.integer("unit code");
                  r.integer("row count");
                  r.begin("CPT row 1 of 2");
                  r.real("depth");
              }),
              "CPT data file \"p.cpt\", CPT row 1 of 2: the file ends before the depth.");
    EXPECT_EQ(message_of([] {
                  RecordReader r("F", "2.5\n");
                  r.begin("record 4");
                  r.integer("print interval");
              }),
              "F, record 4, line 1: expected a whole number for the print interval, found \"2.5\".");
    EXPECT_EQ(message_of([] {
                  RecordReader r("F", "7\n");
                  r.begin("record 4");
                  r.integer("count");
                  r.reject("too many.");
              }),
              "F, record 4, line 1: too many.");
}

// The place of every error as fields (the file as named to the reader, the record, the line) and the
// word found quoted as valid UTF-8 whatever bytes it holds; a file name holding what a message
// holds around it ('", record 1, line 9: ') changes none of the fields.
TEST(RecordReader, ErrorsCarryTheirPlaceAndQuoteTheWordSafely) {
    const std::string odd_name = "p\", record 1, line 9: .tv6d";
    const struct {
        const char* text;
        InputPlace place;
        const char* message_end;
    } cases[] = {
        {"1 2\n3 4\xe9"
         "0\n",
         {odd_name, "record 6 (end section)", 2},
         "found \"4\\xe90\"."},
        {"1 2\n\xff 1\n", {odd_name, "record 6 (end section)", 2}, "found \"\\xff\"."},
        {"1 2\n", {odd_name, "record 6 (end section)", 0}, "the file ends before the length."},
        {"1 x\n", {odd_name, "record 5 (pile section)", 1}, "found \"x\"."},
    };
    for (const auto& c : cases) {
        try {
            RecordReader r("Input data file", c.text, odd_name);
            r.begin("record 5 (pile section)");
            r.real("perimeter");
            r.real("tip area");
            r.begin("record 6 (end section)");
            r.real("length");
            r.real("diameter");
            ADD_FAILURE() << "read " << c.text;
        } catch (const InputError& e) {
            EXPECT_EQ(e.place().file, c.place.file);
            EXPECT_EQ(e.place().record, c.place.record);
            EXPECT_EQ(e.place().line, c.place.line) << e.what();
            const std::string message = e.what();
            EXPECT_TRUE(message.ends_with(c.message_end)) << message;
        }
    }
}

// What each program needs to say in its own words: the line and the item of the word, counted from
// 1, and for the end of the file the number of its lines.
TEST(RecordReader, FaultsCarryLineItemAndWord) {
    const struct {
        const char* text;
        FormatFault::Kind kind;
        std::size_t line, item;
        const char* word;
    } cases[] = {
        {"1 2\nx,3\n", FormatFault::Kind::NotANumber, 2, 1, "x"},
        {"1 2\n\n\n 4 5.5\n", FormatFault::Kind::NotAnInteger, 4, 2, "5.5"},
        {"1 2\n3\n\n", FormatFault::Kind::EndOfFile, 3, 0, ""},
    };
    for (const auto& c : cases) {
        const FormatFault f = fault_of([&] {
            RecordReader r("F", c.text);
            r.begin("first");
            r.integer("a");
            r.begin("second");
            r.real("b");
            r.integer("c");
        });
        EXPECT_EQ(f.kind, c.kind) << c.text;
        EXPECT_EQ(f.line, c.line) << c.text;
        EXPECT_EQ(f.item, c.item) << c.text;
        EXPECT_EQ(f.word, c.word) << c.text;
        EXPECT_EQ(f.record, "second");
    }
}

}  // namespace
}  // namespace torve
