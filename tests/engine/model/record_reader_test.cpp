// Free-format reading: separators, continuation lines, leftovers, number forms and located errors.
#include "engine/model/record_reader.h"

#include <gtest/gtest.h>

#include <functional>

#include "engine/driver/input_error.h"

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
    EXPECT_DOUBLE_EQ(r.real("f"), 7.0);
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
    EXPECT_TRUE(parse_real("1", v) && v == 1.0);
    EXPECT_TRUE(parse_real("-1.5", v) && v == -1.5);
    EXPECT_TRUE(parse_real("+2.5", v) && v == 2.5);
    EXPECT_TRUE(parse_real(".5", v) && v == 0.5);
    EXPECT_TRUE(parse_real("5.", v) && v == 5.0);
    EXPECT_TRUE(parse_real("1e3", v) && v == 1000.0);
    EXPECT_TRUE(parse_real("1.5D-3", v) && v == 0.0015);
    EXPECT_TRUE(parse_real("2.9E+07", v) && v == 29000000.0);
    for (const char* bad : {"", "abc", "1.2.3", "nan", "inf", "-inf", "1e999", "0x10", "1e", "++1", "1,5"}) {
        EXPECT_FALSE(parse_real(bad, v)) << bad;
    }
}

TEST(RecordReader, IntegersAreWholeNumbersOnly) {
    int v = 0;
    EXPECT_TRUE(parse_integer("12", v) && v == 12);
    EXPECT_TRUE(parse_integer("-3", v) && v == -3);
    EXPECT_TRUE(parse_integer("+4", v) && v == 4);
    for (const char* bad : {"1.0", "1e2", "x", "", "99999999999"}) EXPECT_FALSE(parse_integer(bad, v)) << bad;
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
              "diameter, "
              "found \"abc\".");
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
                  RecordReader r("F", "1e15 -2e15\n");
                  r.begin("record 5");
                  r.real("modulus");
                  r.real("length");
              }),
              "F, record 5, line 1: the length -2e15 is out of range (at most 1E+15 in magnitude).");
    EXPECT_EQ(message_of([] {
                  RecordReader r("F", "7\n");
                  r.begin("record 4");
                  r.integer("count");
                  r.reject("too many.");
              }),
              "F, record 4, line 1: too many.");
}

}  // namespace
}  // namespace torve
