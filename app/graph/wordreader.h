// A tokenizer over a whole text file: lines split into blank-separated words, read one by one.
#pragma once

#include <QString>
#include <vector>

class QByteArray;

namespace torve::app {

// Reads the project and plot files. Numbers are read with "." as the decimal mark whatever the
// user's locale. Every failure raises EInOutError: at the end of the file "This file either invalid
// or incomplete.", for a word of the wrong kind "Error on Line <n> Item <m>" + "\r" + what was
// expected, counting lines and items from 1.
class TWordReader {
  public:
    // Reads the whole file at once (UTF-8; a file that is not valid UTF-8 is taken as Latin-1).
    explicit TWordReader(const QString& fileName);
    static TWordReader fromText(const QByteArray& text);

    // The next word; lines without words are passed over.
    QStringView ReadWord();
    double ReadFloat();
    // A number without fractional part within the signed 32-bit range.
    int ReadInteger();
    // The raw text of the current line; the cursor moves to the start of the next line.
    QString ReadLine();

    bool AtEnd() const;           // no line left
    int WordCount() const;        // words of the current line
    int WordsLeftOnLine() const;  // words of the current line not yet read
    // Words not yet read in the whole file: lets a reader refuse a count that the file cannot hold
    // before it makes room for it.
    qsizetype WordsRemaining() const;
    // Passes over what is left of the current line.
    void SkipRestOfLine();
    // Raises the located message for the word read last: "Error on Line <n> Item <m>" + "\r" +
    // `expected`, for a reader that finds a number it cannot take.
    [[noreturn]] void Fail(const QString& expected) const;

  private:
    TWordReader() = default;
    void load(const QByteArray& bytes);

    struct Span {
        qsizetype start = 0;
        qsizetype length = 0;
    };
    struct LineWords {
        Span raw;
        qsizetype firstWord = 0;
        int wordCount = 0;
    };
    QString text_;
    std::vector<LineWords> lines_;
    std::vector<Span> words_;
    std::size_t line_ = 0;
    int word_ = 0;      // next word within the current line
    int lastLine_ = 0;  // where the last word came from, for messages
    int lastItem_ = 0;
};

}  // namespace torve::app
