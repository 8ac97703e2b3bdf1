// Free-format (list-directed) reading of the input data file and CPT data file.
#include "engine/model/record_reader.h"

#include <algorithm>

#include "engine/model/number_text.h"
#include "engine/model/text_encoding.h"

namespace torve {
namespace {

bool is_separator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\f' || c == '\v';
}

}  // namespace

RecordReader::RecordReader(std::string file_label, std::string_view text, std::string file_name)
    : file_label_(std::move(file_label)), file_name_(std::move(file_name)) {
    // Room for every line and, taking a value and its separator as three characters at the least,
    // for most values of a file at once.
    const std::size_t lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    lines_.reserve(lines);
    line_start_.reserve(lines + 1);
    tokens_.reserve(text.size() / 3);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        lines_.push_back(line);
        line_start_.push_back(tokens_.size());
        std::size_t i = 0, item = 0;
        while (i < line.size()) {
            while (i < line.size() && is_separator(line[i])) ++i;
            const std::size_t b = i;
            while (i < line.size() && !is_separator(line[i])) ++i;
            if (i > b) tokens_.push_back({line.substr(b, i - b), lines_.size(), ++item});
        }
        start = end + 1;
    }
    line_start_.push_back(tokens_.size());
}

void RecordReader::begin(std::string record_name) {
    record_ = std::move(record_name);
    series_prefix_ = {};
    pos_ = line_end_ = 0;
}

void RecordReader::begin(std::string_view prefix, int number, int count, std::string_view suffix) {
    record_.clear();
    series_prefix_ = prefix;
    series_suffix_ = suffix;
    series_number_ = number;
    series_count_ = count;
    pos_ = line_end_ = 0;
}

std::string RecordReader::text_line(std::string_view field, std::size_t width) {
    pos_ = line_end_ = 0;
    if (next_line_ >= lines_.size()) fail_at(FormatFault::Kind::EndOfFile, field, nullptr, {});
    last_line_ = next_line_ + 1;
    last_item_ = 0;
    std::string_view line = lines_[next_line_++];
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return std::string(line.substr(0, width));
}

const RecordReader::Token& RecordReader::next_token(std::string_view field) {
    while (pos_ >= line_end_) {
        if (next_line_ >= lines_.size()) fail_at(FormatFault::Kind::EndOfFile, field, nullptr, {});
        pos_ = line_start_[next_line_];
        line_end_ = line_start_[next_line_ + 1];
        ++next_line_;
    }
    const Token& t = tokens_[pos_++];
    last_line_ = t.line;
    last_item_ = t.item;
    last_word_ = t.text;
    return t;
}

std::size_t RecordReader::values_remaining() const {
    return (line_end_ - pos_) + (tokens_.size() - line_start_[next_line_]);
}

int RecordReader::integer(std::string_view field) {
    const Token& t = next_token(field);
    int v = 0;
    if (!parse_integer(t.text, v)) {
        fail_at(
            FormatFault::Kind::NotAnInteger, field, &t,
            "expected a whole number for the " + std::string(field) + ", found " + quoted_text(t.text) + ".");
    }
    return v;
}

double RecordReader::real(std::string_view field) {
    const Token& t = next_token(field);
    double v = 0;
    if (!parse_real(t.text, v)) {
        fail_at(FormatFault::Kind::NotANumber, field, &t,
                "expected a finite number for the " + std::string(field) + ", found " + quoted_text(t.text) +
                    ".");
    }
    return v;
}

void RecordReader::fail(FormatFault fault, std::string_view what) const {
    fault.record = record_name();
    fault.line = last_line_;
    fault.item = last_item_;
    fault.word = last_word_;
    fault.file_lines = lines_.size();
    throw FormatError(where(last_line_) + ": " + std::string(what), place(last_line_), std::move(fault));
}

void RecordReader::reject(std::string_view what) const {
    throw InputError(where(last_line_) + ": " + std::string(what), place(last_line_));
}

void RecordReader::fail_at(FormatFault::Kind kind, std::string_view field, const Token* t,
                           const std::string& what) const {
    FormatFault fault;
    fault.kind = kind;
    fault.record = record_name();
    fault.field = field;
    fault.file_lines = lines_.size();
    if (t) {
        fault.line = t->line;
        fault.item = t->item;
        fault.word = t->text;
        throw FormatError(where(t->line) + ": " + what, place(t->line), std::move(fault));
    }
    fault.line = lines_.size();
    throw FormatError(where(0) + ": the file ends before the " + std::string(field) + ".", place(0),
                      std::move(fault));
}

std::string RecordReader::record_name() const {
    if (!record_.empty()) return record_;
    if (series_prefix_.empty()) return {};
    return std::string(series_prefix_) + std::to_string(series_number_) + " of " +
           std::to_string(series_count_) + std::string(series_suffix_);
}

std::string RecordReader::where(std::size_t line) const {
    std::string s = file_label_;
    const std::string record = record_name();
    if (!record.empty()) s += ", " + record;
    if (line > 0) s += ", line " + std::to_string(line);
    return s;
}

}  // namespace torve
