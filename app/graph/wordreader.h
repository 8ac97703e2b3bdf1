// A tokenizer over a whole text file: lines split into blank-separated words, read one by one.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <vector>

#include "app/controls/usererror.h"

namespace torve::app {

// Reads the plot file and the user's cone data: words between blanks, tabs and other control
// characters; numbers in any form the engine writes, an exponent without its E included
// ("0.123-100"). The files the engine reads go through the model's codec instead. Numbers are read with "."
// as the decimal mark whatever the user's locale. Every failure raises UserError with the location of the
// word read last: at the end of the file "This file either invalid or incomplete.", for a word of the wrong
// kind "Error on Line <n> Item <m>" + "\r" + what was expected, counting lines and items from 1.
class WordReader {
  public:
    // Reads the whole file at once (UTF-8; a file that is not valid UTF-8 is taken as Latin-1).
    explicit WordReader(const QString& fileName);
    static WordReader fromText(const QByteArray& text);

    // The next word; lines without words are passed over.
    QString readWord();
    double readDouble();
    // A number without fractional part within the signed 32-bit range.
    int readInt();
    // The raw text of the current line; the cursor moves to the start of the next line.
    QString readLine();

    bool atEnd() const;           // no line left
    int wordCount() const;        // words of the current line
    int wordsLeftOnLine() const;  // words of the current line not yet read
    // Words not yet read in the whole file: lets a reader refuse a count that the file cannot hold
    // before it makes room for it.
    qsizetype wordsRemaining() const;
    // Passes over what is left of the current line.
    void skipRestOfLine();
    // Raises the located message for the word read last: "Error on Line <n> Item <m>" + "\r" +
    // `expected`, for a reader that finds a number it cannot take.
    [[noreturn]] void fail(const QString& expected) const;
    // Raises "This file either invalid or incomplete." located at the end of the file.
    [[noreturn]] void failIncomplete() const;

  private:
    using Index = std::uint32_t;
    struct Span {
        Index start = 0;
        Index length = 0;
    };
    struct LineWords {
        Span raw;
        Index firstWord = 0;
        int wordCount = 0;
    };

    WordReader() = default;
    void load(const QByteArray& bytes);
    QByteArrayView nextWord();
    QString decode(Span s) const;

    QString fileName_;
    // The file as read; decoded as UTF-8, or as Latin-1 when it is not valid UTF-8.
    QByteArray bytes_;
    bool utf8_ = true;
    std::vector<LineWords> lines_;
    std::vector<Span> words_;
    std::size_t line_ = 0;
    int word_ = 0;      // next word within the current line
    int lastLine_ = 0;  // where the last word came from, for messages
    int lastItem_ = 0;
};

}  // namespace torve::app
