// The word reader of the desktop's files: words, lines and numbers, and the message of each failure
// with its line and item.
#include <gtest/gtest.h>

#include <functional>

#include "app/controls/usererror.h"
#include "app/graph/wordreader.h"

namespace {

using namespace torve::app;

QString messageOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const UserError& e) {
        return e.message();
    }
    return QStringLiteral("no error");
}

TEST(WordReader, WordsLinesAndMessages) {
    WordReader r = WordReader::fromText("Title line\r\n  1\t2.5 ,x\n\n\n-3.0 0.123-100 7.5\n");
    EXPECT_EQ(r.readLine(), QStringLiteral("Title line"));
    EXPECT_EQ(r.wordCount(), 3);
    EXPECT_EQ(r.readInt(), 1);
    EXPECT_EQ(r.wordsLeftOnLine(), 2);
    EXPECT_EQ(r.readDouble(), 2.5);
    EXPECT_EQ(messageOf([&] { r.readDouble(); }),
              QStringLiteral("Error on Line 2 Item 3\rA floating point number was expected but not found."));
    EXPECT_EQ(r.readInt(), -3);  // the empty lines between are passed over
    // The engine drops the E of a three-digit exponent: 0.123-100 is 0.123E-100.
    EXPECT_DOUBLE_EQ(r.readDouble(), 0.123e-100);
    EXPECT_EQ(messageOf([&] { r.readInt(); }),
              QStringLiteral("Error on Line 5 Item 3\rAn integer was expected but not found."));
    try {
        r.readWord();
        FAIL();
    } catch (const UserError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("This file either invalid or incomplete."));
        ASSERT_TRUE(e.location());
        EXPECT_EQ(e.location()->line, 5);  // the end of the file: its last line
    }
    EXPECT_TRUE(r.atEnd());

    // Three-digit exponents as the plot writer writes them read as the same decimal with its E, to the
    // last bit, subnormals included.
    WordReader large = WordReader::fromText("0.747+306 -0.1797+309 0.494-323 0.123+100 0.18-307");
    for (double expected : {0.747e306, -0.1797e309, 0.494e-323, 0.123e100, 0.18e-307})
        EXPECT_EQ(large.readDouble(), expected);

    WordReader numbers = WordReader::fromText("1,5 1e999 nan 3000000000 +4");
    for (const char* expected :
         {"A floating point number", "A floating point number", "A floating point number"})
        EXPECT_TRUE(messageOf([&] { numbers.readDouble(); }).contains(QLatin1String(expected)));
    EXPECT_TRUE(messageOf([&] { numbers.readInt(); }).contains(QStringLiteral("An integer")));
    EXPECT_EQ(numbers.readDouble(), 4.0);
    EXPECT_TRUE(messageOf([] {
                    WordReader(QStringLiteral("/nonexistent/x.tv6p"));
                }).startsWith(QStringLiteral("File ")));
}

}  // namespace
