// Free-format record reader for the engine's input files, with located errors.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/input_error.h"

namespace torve {

// What a reader found wrong where, for each program to say in its own words: the engine and the
// Python module say InputError::what(), the desktop program composes its word reader's texts.
struct FormatFault {
    enum class Kind {
        EndOfFile,        // the file ends before the field
        NotANumber,       // a real was expected
        NotAnInteger,     // a whole number was expected
        NegativeCount,    // a count below 0
        CountOverLimit,   // a count above the limit the reader was given
        CountBeyondFile,  // a count of items the rest of the file cannot hold
        OddSoilPoints,    // soil points that do not make whole layers
        SoilTypeCode,     // a soil-type code other than 1 or 2
        BlowCountNotWhole,
        UnitCode,  // a CPT data file's unit-system code other than 1 or 2
    };
    Kind kind = Kind::EndOfFile;
    std::string record;          // "record 5 (pile section)", "CPT row 3 of 10"
    std::string field;           // as the layout names it; for a count, what it counts ("soil points")
    std::size_t line = 0;        // 1-based; for EndOfFile the number of lines of the file
    std::size_t item = 0;        // 1-based position of the word in its line; 0 for EndOfFile
    std::string word;            // the word found
    long long count = 0;         // the count, for the count kinds
    long long most = 0;          // the largest count the reader would take, for the count kinds
    std::size_t file_lines = 0;  // lines of the whole file
};

// The reader's failure; what() is the engine's located message.
class FormatError : public InputError {
  public:
    FormatError(const std::string& message, InputPlace place, FormatFault fault)
        : InputError(message, std::move(place)), fault_(std::move(fault)) {}
    const FormatFault& fault() const { return fault_; }

  private:
    FormatFault fault_;
};

// Reads a text file as a sequence of records. Values are separated by blanks, tabs or commas. A
// record starts on a fresh line; values left over on its last line are ignored, and a record whose
// values do not fit on one line continues on the following lines. Numbers are read with the
// classic "." decimal mark whatever the process locale.
//
// Every failure raises FormatError with a message naming the file, the record, the line and what
// was expected there.
class RecordReader {
  public:
    // `file_label` starts every message, e.g. `input data file "pile.tv6d"`; `file_name` is the file
    // of the errors' place().
    RecordReader(std::string file_label, std::string_view text, std::string file_name = {});

    // Starts a new record: the next value is taken from the line after the one last read from.
    void begin(std::string record_name);
    // The same for a record of a numbered series, named `prefix` `number` " of " `count` `suffix`
    // ("CPT row 3 of 1000"). The name is only put together for a message; the two pieces must
    // outlive the reading (literals).
    void begin(std::string_view prefix, int number, int count, std::string_view suffix = {});

    // The next whole line as text (a text record), cut to `width` characters.
    std::string text_line(std::string_view field, std::size_t width = std::string::npos);

    // The next value of the current record. `field` names it in messages.
    int integer(std::string_view field);
    double real(std::string_view field);
    // True when the line last read from still holds a value of the current record.
    bool value_left_on_line() const { return pos_ < line_end_; }
    // Values not read yet in the whole file: a count of items that need more is refused before any
    // room is made for them.
    std::size_t values_remaining() const;
    // The line of the value read last (1-based; 0 before the first).
    std::size_t line() const { return last_line_; }

    // Throws a fault of `kind` located at the value read last, with the engine's message
    // "<where>: <what>".
    [[noreturn]] void fail(FormatFault fault, std::string_view what) const;
    // Throws a message located at the value read last, e.g. for a value out of its range.
    [[noreturn]] void reject(std::string_view what) const;

    // The name of the current record, as messages give it.
    std::string record_name() const;

  private:
    struct Token {
        std::string_view text;
        std::size_t line;  // 1-based
        std::size_t item;  // 1-based within its line
    };
    const Token& next_token(std::string_view field);
    std::string where(std::size_t line) const;
    InputPlace place(std::size_t line) const { return {file_name_, record_name(), line}; }
    [[noreturn]] void fail_at(FormatFault::Kind kind, std::string_view field, const Token* t,
                              const std::string& what) const;

    std::string file_label_;
    std::string file_name_;
    std::vector<std::string_view> lines_;
    std::vector<Token> tokens_;
    std::vector<std::size_t> line_start_;  // index of each line's first token, and one past the end
    std::string record_;
    // The pieces of a numbered record's name, when record_ is empty.
    std::string_view series_prefix_, series_suffix_;
    int series_number_ = 0, series_count_ = 0;
    std::size_t next_line_ = 0;  // index of the next unread line
    std::size_t pos_ = 0;        // next token of the current line
    std::size_t line_end_ = 0;   // one past the current line's last token
    std::size_t last_line_ = 0;
    std::size_t last_item_ = 0;
    std::string last_word_;
};

}  // namespace torve
