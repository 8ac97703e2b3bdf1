// Free-format record reader for the engine's input files, with located error messages.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace torve {

// Reads a text file as a sequence of records. Values are separated by blanks, tabs or commas. A
// record starts on a fresh line; values left over on its last line are ignored, and a record whose
// values do not fit on one line continues on the following lines. Numbers are read with the
// classic "." decimal mark whatever the process locale.
//
// Every failure raises InputError with a message naming the file, the record, the line and what
// was expected there.
class RecordReader {
  public:
    // `file_label` starts every message, e.g. `input data file "pile.tv6d"`.
    RecordReader(std::string file_label, std::string_view text);

    // Starts a new record: the next value is taken from the line after the one last read from.
    void begin(std::string record_name);
    // The same for a record of a numbered series, named `prefix` `number` " of " `count` `suffix`
    // ("CPT row 3 of 1000"). The name is only put together for a message; the two pieces must
    // outlive the reading (literals).
    void begin(std::string_view prefix, int number, int count, std::string_view suffix = {});

    // The next whole line as text (a text record), cut to `width` characters.
    std::string text_line(std::string_view field, std::size_t width);

    // The next value of the current record. `field` names it in messages.
    int integer(std::string_view field);
    double real(std::string_view field);
    // True when the line last read from still holds a value of the current record.
    bool value_left_on_line() const { return pending_pos_ < pending_.size(); }

    // Throws a message located at the value read last, e.g. for a value out of its range.
    [[noreturn]] void reject(std::string_view what) const;

    // Throws a message located at the current record, without a line (e.g. a count over its limit).
    [[noreturn]] void reject_record(std::string_view what) const;

  private:
    struct Token {
        std::string_view text;
        std::size_t line;  // 1-based
    };
    const Token& next_token(std::string_view field);
    std::string where(std::size_t line) const;

    std::string file_label_;
    std::vector<std::string_view> lines_;
    std::string record_;
    // The pieces of a numbered record's name, when record_ is empty.
    std::string_view series_prefix_, series_suffix_;
    int series_number_ = 0, series_count_ = 0;
    std::size_t next_line_ = 0;   // index of the next unread line
    std::vector<Token> pending_;  // values of the current line not read yet
    std::size_t pending_pos_ = 0;
    std::size_t last_line_ = 0;
};

// Largest magnitude a real value of an input file may have.
inline constexpr double kLargestReal = 1.0e15;

// Parses a whole token as a finite real in Fortran's forms (1, -1.5, .5, 5., 1e3, 1.5D-3).
bool parse_real(std::string_view token, double& value);
// Parses a whole token as a 32-bit integer (an optional sign and digits only).
bool parse_integer(std::string_view token, int& value);

}  // namespace torve
